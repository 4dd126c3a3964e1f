#pragma once

#include "widgets/properties/sectionpanel.h"

class ComboBox;
class Label;

namespace Property {

// Panel of the emergency stops (scene 34): the stop categories of the
// teach pendant, the operation panel and the external stop (with its
// enable), their common target (robot part, read-only), and the 18 user
// emergency stops with enable, stop category and target.
class EmergencyStop : public SectionPanel
{
    Q_OBJECT

public:
    explicit EmergencyStop(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

private:
    void showValues() override;

    ComboBox* m_externalCategory = nullptr;
    Label* m_target = nullptr;
};

} // namespace Property

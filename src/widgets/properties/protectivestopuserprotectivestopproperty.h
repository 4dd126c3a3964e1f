#pragma once

#include "widgets/properties/sectionpanel.h"

namespace Property {

// Panel of the 18 user protective stops (scene 33): per item the enable
// flag, the three mode enables, the stop category and the target robot or
// device.
class ProtectiveStopUserProtectiveStop : public SectionPanel
{
    Q_OBJECT

public:
    explicit ProtectiveStopUserProtectiveStop(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
};

} // namespace Property

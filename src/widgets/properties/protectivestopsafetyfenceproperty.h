#pragma once

#include "widgets/properties/sectionpanel.h"

class CheckBox;
class ComboBox;
class Label;

namespace Property {

// Panel of the safety fence protective stop (scene 32): whether the fence
// stops the robot and with which stop category; its target is the robot
// part's and shown read-only.
class ProtectiveStopSafetyFence : public SectionPanel
{
    Q_OBJECT

public:
    explicit ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

private:
    void showValues() override;

    CheckBox* m_valid = nullptr;
    ComboBox* m_category = nullptr;
    Label* m_target = nullptr;
};

} // namespace Property

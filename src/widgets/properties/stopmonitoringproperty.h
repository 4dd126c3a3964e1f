#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <memory>

class CheckBox;
class ComboBox;
class DiffComboBox;
class Label;
class SubMenuTable;
class TargetDeviceBox;
class ToggleSwitch;

namespace Property {

// Panel of the 18 stop monitoring items (scene 31): per item the enable
// flag, the three mode enables, the target robot or device and which of its
// joints are monitored; the stop judgement threshold of the chosen joint is
// shown read-only.
class StopMonitoring : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int ItemCount = 18;
    static constexpr int JointCount = 18;

    explicit StopMonitoring(Parameter* parameter, QWidget* parent = nullptr);
    ~StopMonitoring() override;

    void initialize() override;
    void updateUI() override;
    using PropertyWidget::setEnabled;

public slots:
    void parameterLoad(Parameter::DataType dataType);
    void parameterLoad();
    void setEnableFunc(int itemIndex, int value);
    void setEnableTeachMode(int value);
    void setEnableCheckMode(int value);
    void setEnableRepeatMode(int value);
    void setTargetDevice(int value);
    void setEnableJoint(int jointIndex, int value);
    void setCurrentIndex(int itemIndex);
    void setEnabled(int state, int itemIndex);
    bool requestClose() override;

private:
    void parameterSave();
    void fillJointList(int index);
    void changeTarget(const QString& name);
    void showTarget();
    void showJoint();
    void showRowStates();
    // The joint (1..18) the joint box shows, or 0.
    int currentJoint() const;
    bool changed() const;
    // The fields of an item: Valid, Teach, CheckFast, Repeat, TargetRobot.
    std::array<FieldBinding*, 5> itemFields();

    SubMenuTable* m_table = nullptr;
    CheckBox* m_teach = nullptr;
    CheckBox* m_check = nullptr;
    CheckBox* m_repeat = nullptr;
    std::unique_ptr<TargetDeviceBox> m_target;
    DiffComboBox* m_joint = nullptr;
    ToggleSwitch* m_jointSwitch = nullptr;
    Label* m_threshold = nullptr;

    int m_currentIndex = 0;
    int m_jointIndex = 0;
    bool m_rebuilding = false;

    FieldBinding m_validField;
    FieldBinding m_teachField;
    FieldBinding m_checkField;
    FieldBinding m_repeatField;
    FieldBinding m_targetField;
    FieldBinding m_axisField;
};

} // namespace Property

#include "widgets/properties/stopmonitoringproperty.h"

#include <QFormLayout>
#include <QFrame>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QtDebug>

#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/diffcombobox.h"
#include "widgets/label.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/targetdevicebox.h"
#include "widgets/properties/toolrows.h"
#include "widgets/submenutable.h"
#include "widgets/toggleswitch.h"

namespace Property {

namespace {

enum ParameterNo
{
    StopMonValid = 3501,
    StopMonTeachValid = 3502,
    StopMonCheckFastValid = 3503,
    StopMonRepeatValid = 3504,
    StopMonTargetRobot = 3505,
    StopMonTargetAxis = 3506,
    StopJudgeDist = 3015,
};

// Sets a flag while alive.
class Guard
{
public:
    explicit Guard(bool& flag) : m_flag(flag), m_old(flag) { flag = true; }
    ~Guard() { m_flag = m_old; }

private:
    bool& m_flag;
    bool m_old;
};

} // namespace

StopMonitoring::StopMonitoring(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 31, parent), m_validField(parameter, StopMonValid),
      m_teachField(parameter, StopMonTeachValid), m_checkField(parameter, StopMonCheckFastValid),
      m_repeatField(parameter, StopMonRepeatValid), m_targetField(parameter, StopMonTargetRobot),
      m_axisField(parameter, StopMonTargetAxis)
{
}

StopMonitoring::~StopMonitoring() = default;

void StopMonitoring::initialize()
{
    qInfo().noquote() << "Property::StopMonitoring::initialize";
    if (initialized)
        return;

    m_table = new SubMenuTable(tr("Set%1"), ItemCount, 4, true, false, false, false);
    m_table->setHeaderText(0, tr("Function"));
    m_table->setHeaderText(1, tr("FunctionEnabled"));
    m_table->adjustLayout();
    m_teach = new CheckBox;
    m_teach->setText(tr("CheckBox enableTeachMode"));
    m_check = new CheckBox;
    m_check->setText(tr("CheckBox enableCheckMode"));
    m_repeat = new CheckBox;
    m_repeat->setText(tr("CheckBox enableRepeatMode"));
    m_target = std::make_unique<TargetDeviceBox>(m_parameter);
    m_joint = new DiffComboBox;
    m_joint->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_jointSwitch = new ToggleSwitch;
    m_threshold = new Label;

    m_teachField = FieldBinding::check(m_parameter, StopMonTeachValid, m_teach);
    m_checkField = FieldBinding::check(m_parameter, StopMonCheckFastValid, m_check);
    m_repeatField = FieldBinding::check(m_parameter, StopMonRepeatValid, m_repeat);
    m_axisField = FieldBinding::toggle(m_parameter, StopMonTargetAxis, m_jointSwitch);

    fillJointList(0);
    auto* section = new QFrame;
    auto* column = new QVBoxLayout(section);
    column->addWidget(m_table);
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(m_teach);
    form->addRow(m_check);
    form->addRow(m_repeat);
    form->addRow(tr("targetDevice"), m_target->box());
    form->addRow(tr("targetJoint"), m_joint);
    form->addRow(m_jointSwitch);
    form->addRow(tr("Label threshold for stop monitoring:"), m_threshold);
    column->addLayout(form);
    addSection(tr("Stop Monitoring"), section);
    addButtons();
    setTabOrder(m_jointSwitch);

    connect(m_parameter, &Parameter::parameterChanged, this,
            qOverload<Parameter::DataType>(&StopMonitoring::parameterLoad));
    connect(this, &PropertyWidget::apply, this, &StopMonitoring::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &StopMonitoring::cancelRequested);
    connect(m_table, &SubMenuTable::currentIndexChanged, this, &StopMonitoring::setCurrentIndex);
    connect(m_table, &SubMenuTable::enabledStateChanged, this,
            qOverload<int, int>(&StopMonitoring::setEnabled));
    const auto connectMode = [this](CheckBox* box, void (StopMonitoring::*setter)(int)) {
        connect(box, &QCheckBox::stateChanged, this, [this, box, setter] {
            if (updating)
                return;
            (this->*setter)(box->isChecked() ? 1 : 0);
            updateUI();
        });
    };
    connectMode(m_teach, &StopMonitoring::setEnableTeachMode);
    connectMode(m_check, &StopMonitoring::setEnableCheckMode);
    connectMode(m_repeat, &StopMonitoring::setEnableRepeatMode);
    connect(m_target->box(), &QComboBox::currentTextChanged, this, &StopMonitoring::changeTarget);
    connect(m_joint, &QComboBox::currentTextChanged, this, [this] {
        if (m_rebuilding || updating)
            return;
        m_jointIndex = m_joint->currentIndex();
        updateUI();
    });
    connect(m_jointSwitch, &QCheckBox::stateChanged, this, [this] {
        if (updating)
            return;
        setEnableJoint(currentJoint() - 1, m_jointSwitch->isChecked() ? 1 : 0);
        updateUI();
    });

    initialized = true;
    parameterLoad(Parameter::MasterData);
}

void StopMonitoring::parameterLoad(Parameter::DataType dataType)
{
    if (!initialized)
        return;
    m_target->reload();
    if (dataType != Parameter::MasterData) {
        fillJointList(m_jointIndex);
        updateUI();
        return;
    }
    m_currentIndex = 0;
    {
        const QSignalBlocker block(m_table);
        m_table->setCurrentRow(0, true);
    }
    fillJointList(0);
    updateUI();
    setFocus();
}

void StopMonitoring::parameterLoad()
{
    parameterLoad(Parameter::AppliedData);
}

// The setters below take the current item (or the item given) and leave
// the refresh to their caller; a cell outside the field writes nothing.
void StopMonitoring::setEnableFunc(int itemIndex, int value)
{
    m_validField.writeCell(0, itemIndex, value);
}

void StopMonitoring::setEnableTeachMode(int value)
{
    m_teachField.writeCell(0, m_currentIndex, value);
}

void StopMonitoring::setEnableCheckMode(int value)
{
    m_checkField.writeCell(0, m_currentIndex, value);
}

void StopMonitoring::setEnableRepeatMode(int value)
{
    m_repeatField.writeCell(0, m_currentIndex, value);
}

void StopMonitoring::setTargetDevice(int value)
{
    m_targetField.writeCell(0, m_currentIndex, value);
}

void StopMonitoring::setEnableJoint(int jointIndex, int value)
{
    m_axisField.writeCell(m_currentIndex, jointIndex, value);
}

void StopMonitoring::setCurrentIndex(int itemIndex)
{
    if (updating || itemIndex < 0 || itemIndex >= ItemCount)
        return;
    m_currentIndex = itemIndex;
    fillJointList(0);
    updateUI();
}

void StopMonitoring::setEnabled(int state, int itemIndex)
{
    if (updating || itemIndex < 0 || itemIndex >= ItemCount)
        return;
    m_currentIndex = itemIndex;
    setEnableFunc(itemIndex, state != 0 ? 1 : 0);
    updateUI();
}

void StopMonitoring::fillJointList(int index)
{
    const Guard guard(m_rebuilding);
    const QSignalBlocker block(m_joint);
    m_joint->clear();
    m_joint->addItems(m_target->joints());
    m_joint->setCurrentIndex(index >= 0 && index < m_joint->count() ? index : 0);
}

void StopMonitoring::changeTarget(const QString& name)
{
    if (m_rebuilding || updating)
        return;
    const int target = m_target->choose(name, this, m_axisField.field(), m_currentIndex);
    if (target == 0)
        return;
    setTargetDevice(target);
    fillJointList(0);
    updateUI();
}

int StopMonitoring::currentJoint() const
{
    return TargetDeviceBox::jointOf(m_joint->currentText());
}

void StopMonitoring::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    showEnabledChecks(m_table, m_parameter, m_validField.field());
    for (FieldBinding* field : itemFields())
        field->setCell(0, m_currentIndex);
    m_teachField.fill();
    m_checkField.fill();
    m_repeatField.fill();
    showTarget();
    showJoint();

    const bool enabled = m_table->isEnabledChecked(m_currentIndex);
    for (QWidget* widget : {static_cast<QWidget*>(m_teach), static_cast<QWidget*>(m_check),
                            static_cast<QWidget*>(m_repeat), static_cast<QWidget*>(m_target->box()),
                            static_cast<QWidget*>(m_joint), static_cast<QWidget*>(m_threshold)})
        widget->setEnabled(enabled);
    if (m_joint->count() > 0)
        m_jointSwitch->setEnabled(enabled && currentJoint() > 0);

    showRowStates();
    showModified(changed());
    updating = false;
}

void StopMonitoring::showTarget()
{
    if (m_target->show(int(m_targetField.editValue()), m_targetField.state()))
        fillJointList(0);
}

void StopMonitoring::showJoint()
{
    m_jointSwitch->setEnabled(false);
    const int joint = currentJoint();
    if (m_joint->count() == 0 || joint == 0) {
        m_threshold->clear();
        return;
    }
    m_axisField.setCell(m_currentIndex, joint - 1);
    m_axisField.fill();
    m_jointSwitch->setText(m_jointSwitch->isChecked() ? tr("enableJoint")
                                                      : tr("CheckBox disableJoint"));
    {
        const Guard guard(m_rebuilding);
        const QSignalBlocker block(m_joint);
        for (int i = 0; i < m_joint->count(); ++i) {
            const int entry = m_joint->itemText(i).toInt();
            m_joint->checkedDisable(i, entry >= 1 && entry <= JointCount &&
                                           FieldBinding::value(m_parameter->editImage(),
                                                               m_axisField.field(), m_currentIndex,
                                                               entry - 1) == 1);
        }
    }
    const double threshold = FieldBinding::value(
        m_parameter->editImage(), FieldBinding::fieldOf(StopJudgeDist), 0, joint - 1);
    m_threshold->setText(QStringLiteral("%1%2")
                             .arg(threshold, 0, 'f', 1)
                             .arg(m_parameter->unitSuffixes().value(QString::number(joint))));
}

void StopMonitoring::showRowStates()
{
    const QSignalBlocker block(m_table);
    for (int item = 0; item < ItemCount; ++item) {
        quint8 state = 0;
        for (const FieldBinding* field : itemFields())
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(m_parameter, field->field(), 0, item));
        for (int joint = 0; joint < JointCount; ++joint)
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(m_parameter, m_axisField.field(), item, joint));
        m_table->setRowForeground(item, RowColours::of(state));
    }
    m_table->setCurrentRow(m_currentIndex, true);
}

std::array<FieldBinding*, 5> StopMonitoring::itemFields()
{
    return {&m_validField, &m_teachField, &m_checkField, &m_repeatField, &m_targetField};
}

bool StopMonitoring::changed() const
{
    return FieldBinding::anyChanged({&m_validField, &m_teachField, &m_checkField, &m_repeatField,
                                     &m_targetField, &m_axisField});
}

void StopMonitoring::parameterSave()
{
    m_jointIndex = m_joint->currentIndex();
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
}

bool StopMonitoring::requestClose()
{
    return closeDiscarding(changed(), [this] {
        m_jointIndex = 0;
        m_parameter->restore(m_scene);
    });
}

} // namespace Property

#include "widgets/properties/safetyinputproperty.h"

#include <QColor>
#include <QFormLayout>
#include <QFrame>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "parameter/parameterdefdb.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/toolrows.h"
#include "widgets/spinbox.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

enum ParameterNo
{
    PulseDiagnosis = 6001,
    FilterTime = 6002,
    DuplexLogic = 6003,
    DiscrepancyAllowTime = 6004,
};

void limitsOf(int parameterNo, double* lower, double* upper)
{
    if (const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(parameterNo)) {
        *lower = record->min;
        *upper = record->max;
    }
}

} // namespace

SafetyInput::SafetyInput(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 35, parent), m_pulseField(parameter, PulseDiagnosis),
      m_filterTimeField(parameter, FilterTime), m_duplexLogicField(parameter, DuplexLogic),
      m_allowTimeField(parameter, DiscrepancyAllowTime)
{
}

void SafetyInput::initialize()
{
    if (initialized)
        return;
    m_table = new SubMenuTable(tr("%1"), InputCount, 4, true, false, false, false);
    m_table->setHeaderText(0, tr("UserSafetyInput"));
    m_table->setHeaderText(1, tr("PulseDiagnosisEnabled"));
    m_table->adjustLayout();

    double lower = 1, upper = 127;
    limitsOf(FilterTime, &lower, &upper);
    m_filterTime = new SpinBox(int(lower), int(upper));
    m_filterTime->setSuffix(QStringLiteral(" ms"));
    m_filterTime->setToolTip(rangeToolTip(lower, upper));

    m_duplexLogic = new ComboBox;
    m_duplexLogic->addItems({QStringLiteral("Equivalent"), QStringLiteral("Complementary")});

    lower = 0;
    upper = 10000;
    limitsOf(DiscrepancyAllowTime, &lower, &upper);
    m_allowTime = new DoubleSpinBox(lower, upper);
    m_allowTime->setSuffix(QStringLiteral(" ms"));
    m_allowTime->setToolTip(rangeToolTip(lower, upper));

    m_filterTimeField = FieldBinding::spin(m_parameter, FilterTime, m_filterTime);
    m_duplexLogicField = FieldBinding::combo(m_parameter, DuplexLogic, m_duplexLogic);
    m_allowTimeField = FieldBinding::doubleSpin(m_parameter, DiscrepancyAllowTime, m_allowTime);

    auto* section = new QFrame;
    auto* column = new QVBoxLayout(section);
    column->addWidget(m_table);
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("FilterTime"), m_filterTime);
    form->addRow(tr("DuplexLogic"), m_duplexLogic);
    form->addRow(tr("DiscrepancyAllowTime"), m_allowTime);
    column->addLayout(form);
    addSection(tr("Safety Input Setting"), section);
    addButtons();
    setTabOrder(m_allowTime);

    connect(m_parameter, &Parameter::parameterChanged, this,
            qOverload<Parameter::DataType>(&SafetyInput::parameterLoad));
    connect(this, &PropertyWidget::apply, this, &SafetyInput::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &SafetyInput::cancelRequested);
    connect(m_table, &SubMenuTable::currentIndexChanged, this, &SafetyInput::setCurrentIndex);
    connect(m_table, &SubMenuTable::enabledStateChanged, this,
            qOverload<int, int>(&SafetyInput::setEnabled));
    connect(m_filterTime, qOverload<int>(&QSpinBox::valueChanged), this,
            &SafetyInput::setFilterTime);
    connect(m_duplexLogic, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &SafetyInput::setDuplexLogic);
    connect(m_allowTime, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double value) { setAllowTime(float(value)); });
    connect(m_allowTime, &DoubleSpinBox::focussed, this, &SafetyInput::updateUI);

    initialized = true;
    m_currentIndex = 0;
    m_table->setCurrentRow(0, true);
    updateUI();
    setFocus();
}

void SafetyInput::parameterLoad(Parameter::DataType dataType)
{
    if (dataType != Parameter::MasterData) {
        updateUI();
        return;
    }
    m_currentIndex = 0;
    {
        const QSignalBlocker block(m_table);
        m_table->setCurrentRow(0, true);
    }
    updateUI();
    setFocus();
}

void SafetyInput::parameterLoad()
{
    updateUI();
}

void SafetyInput::setPulse(int value)
{
    if (!updating)
        m_pulseField.write(value);
}

void SafetyInput::setFilterTime(int value)
{
    if (updating)
        return;
    m_filterTimeField.write(value);
    updateUI();
}

void SafetyInput::setDuplexLogic(int value)
{
    if (updating)
        return;
    m_duplexLogicField.write(value);
    updateUI();
}

// No refill while the user types (it would reformat the text under the
// caret); only the marks and the buttons follow at once.
void SafetyInput::setAllowTime(float value)
{
    if (updating)
        return;
    m_allowTimeField.write(double(value));
    m_allowTime->setState(m_allowTimeField.state());
    showModified(changed());
}

void SafetyInput::setCurrentIndex(int itemIndex)
{
    if (updating || itemIndex < 0 || itemIndex >= InputCount)
        return;
    m_currentIndex = itemIndex;
    updateUI();
}

void SafetyInput::setEnabled(int state, int itemIndex)
{
    if (updating || itemIndex < 0 || itemIndex >= InputCount)
        return;
    m_currentIndex = itemIndex;
    m_pulseField.writeCell(0, itemIndex, state != 0 ? 1 : 0);
    updateUI();
}

void SafetyInput::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    showEnabledChecks(m_table, m_parameter, m_pulseField.field());
    for (FieldBinding* field : fields()) {
        field->setCell(0, m_currentIndex);
        field->fill();
    }
    showRowStates();
    showModified(changed());
    updating = false;
}

void SafetyInput::showRowStates()
{
    const QSignalBlocker block(m_table);
    for (int input = 0; input < InputCount; ++input) {
        quint8 state = 0;
        for (const FieldBinding* field : fields())
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(m_parameter, field->field(), 0, input));
        m_table->setRowForeground(input, RowColours::of(state));
    }
    m_table->setCurrentRow(m_currentIndex, true);
}

std::array<FieldBinding*, 4> SafetyInput::fields()
{
    return {&m_pulseField, &m_filterTimeField, &m_duplexLogicField, &m_allowTimeField};
}

bool SafetyInput::changed()
{
    return FieldBinding::anyChanged(
        {&m_pulseField, &m_filterTimeField, &m_duplexLogicField, &m_allowTimeField});
}

void SafetyInput::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setSignalUpdateTime();
}

bool SafetyInput::requestClose()
{
    return closeDiscarding(changed(), [this] { m_parameter->restore(m_scene); });
}

} // namespace Property

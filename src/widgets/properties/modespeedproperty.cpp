#include "widgets/properties/modespeedproperty.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "parameter/parameter.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/polishstyle.h"
#include "widgets/widgetstylesheets.h"

namespace Property {

namespace {

enum ParameterNo
{
    TeachSpeedValid = 3313,
    TeachSpeedUlimit = 3314,
    TeachSpeedStopCategory = 3317,
    CheckSpeedValid = 3318,
    CheckSpeedUlimit = 3319,
    CheckSpeedStopCategory = 3322,
};

QLineEdit* readOnlyLine()
{
    auto* line = new QLineEdit;
    line->setAlignment(Qt::AlignRight);
    PolishStyle::set(line, WidgetStyleSheets::lineEdit);
    line->setEnabled(false);
    return line;
}

DoubleSpinBox* readOnlyLimit()
{
    auto* box = new DoubleSpinBox(0, 10000);
    box->setSuffix(QStringLiteral(" mm/s"));
    box->setEnabled(false);
    return box;
}

double editValue(const Parameter* store, int parameterNo)
{
    return FieldBinding::value(store->editImage(), FieldBinding::fieldOf(parameterNo), 0, 0);
}

} // namespace

ModeSpeed::ModeSpeed(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 28, parent),
      m_teachCategoryField(parameter, TeachSpeedStopCategory),
      m_checkCategoryField(parameter, CheckSpeedStopCategory)
{
}

void ModeSpeed::initialize()
{
    if (initialized)
        return;
    m_teachValid = readOnlyLine();
    m_teachLimit = readOnlyLimit();
    m_teachCategory = new ComboBox;
    m_checkValid = readOnlyLine();
    m_checkLimit = readOnlyLimit();
    m_checkCategory = new ComboBox;
    for (ComboBox* box : {m_teachCategory, m_checkCategory})
        box->addItems({tr("Stop Category 0"), tr("Stop Category 1")});
    m_teachCategoryField =
        FieldBinding::combo(m_parameter, TeachSpeedStopCategory, m_teachCategory);
    m_checkCategoryField =
        FieldBinding::combo(m_parameter, CheckSpeedStopCategory, m_checkCategory);

    auto* section = new QFrame;
    auto* grid = new QGridLayout(section);
    const auto addRow = [grid](int row, const QString& caption, QWidget* field) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, tr("Label Teach Mode Enabled"), m_teachValid);
    addRow(1, tr("Label Teach Mode Speed Limit"), m_teachLimit);
    addRow(2, tr("Label Teach Mode Stop Category"), m_teachCategory);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 3, 0, 1, 2);
    addRow(4, tr("Label Check Fast Mode Enabled"), m_checkValid);
    addRow(5, tr("Label Check Fast Mode Speed Limit"), m_checkLimit);
    addRow(6, tr("Label Check Fast Mode Stop Category"), m_checkCategory);
    addSection(tr("ModeSpeed"), section);
    addButtons();
    setTabOrder(m_checkCategory);

    connect(this, &PropertyWidget::apply, this, &ModeSpeed::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ModeSpeed::cancelRequested);
    connect(m_teachCategory, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { setCategory(m_teachCategoryField, index); });
    connect(m_checkCategory, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { setCategory(m_checkCategoryField, index); });
    connect(m_parameter, &Parameter::parameterChanged, this, &ModeSpeed::parameterRestore);

    initialized = true;
    parameterRestore();
}

void ModeSpeed::setCategory(const FieldBinding& field, int index)
{
    if (updating)
        return;
    field.write(index);
    updateUI();
}

void ModeSpeed::parameterLoad()
{
    if (!initialized)
        return;
    const auto validText = [this](int parameterNo) {
        return editValue(m_parameter, parameterNo) != 0 ? tr("FunctionEnabled")
                                                        : tr("FunctionDisabled");
    };
    m_teachValid->setText(validText(TeachSpeedValid));
    m_checkValid->setText(validText(CheckSpeedValid));
    for (auto [box, parameterNo] : {std::make_pair(m_teachLimit, int(TeachSpeedUlimit)),
                                    std::make_pair(m_checkLimit, int(CheckSpeedUlimit))}) {
        // A stored limit outside the usual range is shown as it is.
        const double limit = editValue(m_parameter, parameterNo);
        const QSignalBlocker block(box);
        box->setRange(qMin(0.0, limit), qMax(10000.0, limit));
        box->setValue(limit);
    }
    updateUI();
}

// Only this page's cells go back: copying the whole applied image here, on
// every change signal of every page, would also take other pages' edits and
// put older update times into the edit image.
void ModeSpeed::parameterRestore()
{
    m_teachCategoryField.revert();
    m_checkCategoryField.revert();
    parameterLoad();
}

void ModeSpeed::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

void ModeSpeed::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_teachCategoryField.fill();
    m_checkCategoryField.fill();
    showModified(changed());
    updating = false;
}

bool ModeSpeed::changed() const
{
    return m_teachCategoryField.isChanged() || m_checkCategoryField.isChanged();
}

bool ModeSpeed::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

} // namespace Property

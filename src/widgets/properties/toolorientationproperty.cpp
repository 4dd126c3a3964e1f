#include "widgets/properties/toolorientationproperty.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/msgbox.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

enum ParameterNo
{
    ToolOrientValid = 3401,
    ToolOrientRngValid = 3402,
    ToolOrientStopCategory = 3409,
};
constexpr int modeParameters[] = {3406, 3407, 3408};  // teach, check fast, repeat
constexpr int angleParameters[] = {3403, 3404, 3405}; // half top angle, O, A

} // namespace

ToolOrientation::ToolOrientation(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 30, parent), m_validField(parameter, ToolOrientValid),
      m_rangeValidField(parameter, ToolOrientRngValid)
{
    for (int no : modeParameters)
        m_setFields.emplace_back(parameter, no);
    m_setFields.emplace_back(parameter, ToolOrientStopCategory);
    for (int no : angleParameters)
        m_angleFields.emplace_back(parameter, no);
}

void ToolOrientation::initialize()
{
    if (initialized)
        return;
    m_setTable = new SubMenuTable(tr("%1"), SetCount, 4, true, false, false, false);
    m_setTable->setHeaderText(0, tr("ToolOrientationSet"));
    m_setTable->setHeaderText(1, tr("FunctionEnabled"));
    m_setTable->adjustLayout();
    m_rangeTable = new SubMenuTable(QStringLiteral("%1"), RangeCount, 5, true, true, false, false);
    m_rangeTable->setHeaderText(0, tr("ToolOrientationRange"));
    m_rangeTable->adjustLayout();
    const QString angleNames[] = {tr("HalfTopAngle"), tr("EulerAngleO"), tr("EulerAngleA")};
    for (int i = 0; i < 3; ++i) {
        auto* box = new DoubleSpinBox(i == 0 ? 0 : -180, 180);
        box->setSuffix(QStringLiteral(" deg"));
        m_angleBoxes.push_back(box);
        m_angleFields[std::size_t(i)] =
            FieldBinding::doubleSpin(m_parameter, angleParameters[i], box);
    }
    const QString modeNames[] = {tr("enableTeachMode"), tr("enableCheckMode"),
                                 tr("enableRepeatMode")};
    for (int i = 0; i < 3; ++i) {
        auto* box = new CheckBox;
        box->setText(modeNames[i]);
        m_modeBoxes.push_back(box);
        m_setFields[std::size_t(i)] = FieldBinding::check(m_parameter, modeParameters[i], box);
    }
    m_stopCategory = new ComboBox;
    m_stopCategory->addItems({tr("Stop Category 0"), tr("Stop Category 1")});
    m_setFields[3] = FieldBinding::combo(m_parameter, ToolOrientStopCategory, m_stopCategory);

    addSection(tr("ToolOrientationSetSetting"), m_setTable);
    auto* ranges = new QFrame;
    auto* rangeColumn = new QVBoxLayout(ranges);
    rangeColumn->addWidget(m_rangeTable);
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = 0; i < 3; ++i)
        form->addRow(angleNames[i], m_angleBoxes[std::size_t(i)]);
    rangeColumn->addLayout(form);
    addSection(tr("ToolOrientationRangeSetting"), ranges);
    auto* stop = new QFrame;
    auto* grid = new QGridLayout(stop);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(m_modeBoxes[std::size_t(i)], i, 0, 1, 4);
    grid->addWidget(new QLabel(tr("label Stop Cat")), 3, 0);
    grid->addWidget(m_stopCategory, 3, 1);
    addSection(tr("StopSetting"), stop);
    addButtons();
    setTabOrder(m_stopCategory);

    connect(this, &PropertyWidget::apply, this, &ToolOrientation::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ToolOrientation::cancelRequested);
    connect(m_setTable, &SubMenuTable::currentIndexChanged, this, [this] {
        if (!updating)
            updateCurrentIndex();
    });
    connect(m_setTable, &SubMenuTable::enabledStateChanged, this, &ToolOrientation::setSetEnabled);
    connect(m_rangeTable, &SubMenuTable::currentIndexChanged, this, [this] {
        if (!updating)
            updateCurrentIndex();
    });
    connect(m_rangeTable, &SubMenuTable::enabledStateChanged, this,
            &ToolOrientation::setRangeEnabled);
    connect(m_rangeTable, &SubMenuTable::visibleStateChanged, this,
            &ToolOrientation::setRangeVisible);
    for (int i = 0; i < 3; ++i) {
        DoubleSpinBox* box = m_angleBoxes[std::size_t(i)];
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this, i](double v) {
            if (!updating)
                m_angleFields[std::size_t(i)].writeCell(m_set, m_range, v);
        });
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
        CheckBox* mode = m_modeBoxes[std::size_t(i)];
        connect(mode, &QCheckBox::stateChanged, this, [this, i, mode] {
            if (updating)
                return;
            m_setFields[std::size_t(i)].writeCell(0, m_set, mode->isChecked() ? 1 : 0);
            updateUI();
        });
    }
    connect(m_stopCategory, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (updating || index < 0 || index > 1)
                    return;
                m_setFields[3].writeCell(0, m_set, index);
                updateUI();
            });
    connect(m_parameter, &Parameter::parameterChanged, this, &ToolOrientation::reload);
    refreshOnPageLoad();

    initialized = true;
    parameterRestore();
}

void ToolOrientation::updateCurrentIndex()
{
    m_set = qBound(0, m_setTable->currentIndex(), SetCount - 1);
    m_range = qBound(0, m_rangeTable->currentIndex(), RangeCount - 1);
    updateUI();
}

void ToolOrientation::reload(Parameter::DataType type)
{
    if (type == Parameter::MasterData) {
        const QSignalBlocker blockSets(m_setTable);
        const QSignalBlocker blockRanges(m_rangeTable);
        m_setTable->setCurrentRow(0, true);
        m_rangeTable->setCurrentRow(0, true);
    }
    revertSection();
    updateCurrentIndex();
}

void ToolOrientation::parameterLoad()
{
    updateUI();
}

// Only this page's cells go back from the applied image: the whole image
// would also take other pages' unapplied edits. Without a signal, since
// this runs on the store's own change signal.
void ToolOrientation::revertSection()
{
    for (const FieldBinding* field : {&m_validField, &m_rangeValidField})
        FieldBinding::revertField(m_parameter, field->field());
    for (const auto* fields : {&m_setFields, &m_angleFields})
        for (const FieldBinding& field : *fields)
            FieldBinding::revertField(m_parameter, field.field());
}

void ToolOrientation::parameterRestore()
{
    revertSection();
    updateCurrentIndex();
}

void ToolOrientation::parameterSave()
{
    if (!checkRanges(true))
        return;
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool ToolOrientation::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

void ToolOrientation::setSetEnabled(int state, int set)
{
    if (updating || set < 0 || set >= SetCount)
        return;
    m_validField.writeCell(0, set, state != 0 ? 1 : 0);
    updateUI();
}

void ToolOrientation::setRangeEnabled(int state, int range)
{
    if (updating || range < 0 || range >= RangeCount)
        return;
    m_rangeValidField.writeCell(m_set, range, state != 0 ? 1 : 0);
    if (state == 0)
        setDisplayFlag(range, false);
    checkRanges(false);
    updateUI();
}

void ToolOrientation::setRangeVisible(int state, int range)
{
    if (updating || range < 0 || range >= RangeCount)
        return;
    setDisplayFlag(range, state != 0);
    updateUI();
}

bool ToolOrientation::setDisplayFlag(int range, bool shown)
{
    quint8& flag = m_parameter->m_toolOrientationFlags[m_set][range];
    if (flag == quint8(shown))
        return false;
    flag = quint8(shown);
    m_parameter->selectionWritten();
    return true;
}

bool ToolOrientation::checkRanges(bool allSets)
{
    const ParameterImage& image = m_parameter->editImage();
    QList<int> sets;
    QStringList numbers;
    for (int set = allSets ? 0 : m_set; set < (allSets ? SetCount : m_set + 1); ++set) {
        if (FieldBinding::value(image, m_validField.field(), 0, set) == 0)
            continue;
        bool anyValid = false;
        for (int range = 0; range < RangeCount; ++range)
            anyValid =
                anyValid || FieldBinding::value(image, m_rangeValidField.field(), set, range) != 0;
        if (!anyValid) {
            sets << set;
            numbers << QString::number(set + 1);
        }
    }
    if (sets.isEmpty())
        return true;
    MsgBox box(QMessageBox::Warning, tr("Change Confirmation"),
               tr("Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 "
                  "is disabled.")
                   .arg(RangeCount)
                   .arg(numbers.join(QStringLiteral(", "))),
               allSets ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, this);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked ||
        (clicked != box.button(QMessageBox::Ok) && clicked != box.button(QMessageBox::Yes)))
        return false;
    for (int set : qAsConst(sets))
        m_validField.writeCell(0, set, 0);
    return true;
}

void ToolOrientation::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    for (FieldBinding& field : m_setFields) {
        field.setCell(0, m_set);
        field.fill();
    }
    for (FieldBinding& field : m_angleFields) {
        field.setCell(m_set, m_range);
        field.fill();
    }
    m_validField.setCell(0, m_set);
    const bool setEnabled = m_validField.editValue() != 0;
    showRanges();
    showSetRows();
    for (CheckBox* box : m_modeBoxes)
        box->setEnabled(setEnabled);
    m_stopCategory->setEnabled(setEnabled);
    m_rangeTable->setEnabled(setEnabled);
    m_rangeValidField.setCell(m_set, m_range);
    const bool rangeEnabled = setEnabled && m_rangeValidField.editValue() != 0;
    for (DoubleSpinBox* box : m_angleBoxes)
        box->setEnabled(rangeEnabled);
    showModified(changed());
    updating = false;
}

// The boxes are set quietly: filling the rows never asks the range
// question and never writes a value.
void ToolOrientation::showRanges()
{
    const QSignalBlocker block(m_rangeTable);
    for (int range = 0; range < RangeCount; ++range) {
        const bool valid = FieldBinding::value(m_parameter->editImage(), m_rangeValidField.field(),
                                               m_set, range) != 0;
        m_rangeTable->setEnabledChecked(range, valid);
        const bool shown = valid && m_rangeTable->isVisibleChecked(range);
        m_rangeTable->setVisibleChecked(range, shown);
        setDisplayFlag(range, shown);
        m_rangeTable->setRowForeground(
            range, RowColours::of(FieldBinding::cellState(m_parameter, m_rangeValidField.field(),
                                                          m_set, range)));
    }
    m_rangeTable->setCurrentRow(m_range, true);
}

void ToolOrientation::showSetRows()
{
    const QSignalBlocker block(m_setTable);
    for (int set = 0; set < SetCount; ++set) {
        m_setTable->setEnabledChecked(
            set, FieldBinding::value(m_parameter->editImage(), m_validField.field(), 0, set) != 0);
        m_setTable->setRowForeground(set, RowColours::of(setState(set)));
    }
    m_setTable->setCurrentRow(m_set, true);
}

quint8 ToolOrientation::setState(int set) const
{
    quint8 state = FieldBinding::cellState(m_parameter, m_validField.field(), 0, set);
    for (const FieldBinding& field : m_setFields)
        state = FieldBinding::mergeStates(
            state, FieldBinding::cellState(m_parameter, field.field(), 0, set));
    for (int range = 0; range < RangeCount; ++range) {
        state = FieldBinding::mergeStates(
            state, FieldBinding::cellState(m_parameter, m_rangeValidField.field(), set, range));
        for (const FieldBinding& field : m_angleFields)
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(m_parameter, field.field(), set, range));
    }
    return state;
}

bool ToolOrientation::changed() const
{
    return FieldBinding::anyChanged({&m_validField, &m_rangeValidField}) ||
           FieldBinding::anyChanged(m_setFields) || FieldBinding::anyChanged(m_angleFields);
}

} // namespace Property

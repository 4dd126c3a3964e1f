#include "widgets/properties/toolspeedproperty.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/buttonsuccess.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/pointeditors.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/toolrows.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {
constexpr int ToolSpeedMonValid = 3309;
constexpr int positionParameters[] = {3310, 3311, 3312}; // ToolSpeedMonX, Y, Z
} // namespace

ToolSpeed::ToolSpeed(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 27, parent), m_validField(parameter, ToolSpeedMonValid)
{
    for (int no : positionParameters)
        m_positionFields.emplace_back(parameter, no);
}

void ToolSpeed::initialize()
{
    if (initialized)
        return;
    m_toolTable = new SubMenuTable(tr("%1"), ToolCount, 4, false, false, true, false);
    m_toolTable->setHeaderText(0, tr("ToolNo"));
    m_toolTable->adjustLayout();
    m_pointTable = new SubMenuTable(tr("%1"), PointCount, 4, true, true, false, false);
    m_pointTable->setHeaderText(0, tr("ModelNo"));
    m_pointTable->adjustLayout();
    m_copy = new ButtonSuccess(tr("Copy"));
    m_paste = new ButtonSuccess(tr("Paste"));
    m_point = new PointEditors;
    for (int axis = 0; axis < 3; ++axis)
        m_positionFields[std::size_t(axis)] =
            FieldBinding::doubleSpin(m_parameter, positionParameters[axis], m_point->box(axis));

    addSection(tr("Tool Speed Monitoring Points"), m_toolTable);
    auto* setting = new QFrame;
    auto* column = new QVBoxLayout(setting);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_pointTable);
    column->addWidget(m_point, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_paste);
    column->addLayout(buttons);
    addSection(tr("Speed Points Setting"), setting);
    addButtons();
    setTabOrder(m_paste);

    connect(this, &PropertyWidget::apply, this, &ToolSpeed::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ToolSpeed::cancelRequested);
    connect(m_parameter, &Parameter::parameterChanged, this, &ToolSpeed::reset);
    for (int axis = 0; axis < 3; ++axis) {
        DoubleSpinBox* box = m_point->box(axis);
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, axis](double value) { setPoint(axis, value); });
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }
    connect(m_copy, &QPushButton::clicked, this, &ToolSpeed::copy);
    connect(m_paste, &QPushButton::clicked, this, &ToolSpeed::paste);
    connect(m_toolTable, &SubMenuTable::currentIndexChanged, this, &ToolSpeed::setCurrentToolId);
    connect(m_pointTable, &SubMenuTable::currentIndexChanged, this,
            &ToolSpeed::setCurrentPointIndex);
    connect(m_pointTable, &SubMenuTable::enabledStateChanged, this,
            qOverload<int, int>(&ToolSpeed::setEnabled));
    connect(m_pointTable, &SubMenuTable::visibleStateChanged, this, &ToolSpeed::setVisibility);
    refreshOnPageLoad();

    initialized = true;
    parameterRestore();
}

void ToolSpeed::reset(Parameter::DataType type)
{
    if (type == Parameter::MasterData)
        m_tool = m_pointIndex = 0;
    updateUI();
}

void ToolSpeed::parameterLoad()
{
    updateUI();
}

// Only this page's cells go back: the whole image would also take other
// pages' unapplied edits.
void ToolSpeed::parameterRestore()
{
    FieldBinding::revertField(m_parameter, m_validField.field());
    for (const FieldBinding& field : m_positionFields)
        FieldBinding::revertField(m_parameter, field.field());
    m_copyTool = m_copyPoint = -1;
    updateCurrentIndex();
}

void ToolSpeed::updateCurrentIndex()
{
    m_tool = qBound(0, m_toolTable->currentIndex(), ToolCount - 1);
    m_pointIndex = qBound(0, m_pointTable->currentIndex(), PointCount - 1);
    updateUI();
}

void ToolSpeed::parameterSave()
{
    FieldBinding::applyField(m_parameter, m_validField.field());
    for (const FieldBinding& field : m_positionFields)
        FieldBinding::applyField(m_parameter, field.field());
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool ToolSpeed::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

void ToolSpeed::setCurrentToolId(int toolId)
{
    if (updating || toolId < 0 || toolId >= ToolCount)
        return;
    m_tool = toolId;
    selectCurrent();
    updateUI();
}

void ToolSpeed::setCurrentPointIndex(int pointIndex)
{
    if (updating)
        return;
    m_pointIndex = qBound(0, pointIndex, PointCount - 1);
    selectCurrent();
    updateUI();
}

void ToolSpeed::setEnabled(int state, int pointIndex)
{
    if (updating || pointIndex < 0 || pointIndex >= PointCount)
        return;
    m_validField.writeCell(m_tool, pointIndex, state != 0 ? 1 : 0);
    updateUI();
}

void ToolSpeed::setVisibility(int state, int pointIndex)
{
    if (updating || pointIndex < 0 || pointIndex >= PointCount)
        return;
    quint8& flag = m_parameter->m_toolSpeedPointFlags[m_tool][pointIndex];
    if (flag != quint8(state != 0)) {
        flag = quint8(state != 0);
        m_parameter->selectionWritten();
    }
}

void ToolSpeed::setPoint(int axis, double value)
{
    if (updating)
        return;
    m_positionFields[std::size_t(axis)].writeCell(m_tool, m_pointIndex, value);
}

void ToolSpeed::copy()
{
    m_copyTool = m_tool;
    m_copyPoint = m_pointIndex;
    updateUI();
}

bool ToolSpeed::canPaste() const
{
    return m_copyTool >= 0 && m_copyPoint >= 0 &&
           !(m_copyTool == m_tool && m_copyPoint == m_pointIndex);
}

// The position only; the target keeps its enable flag.
void ToolSpeed::paste()
{
    if (!canPaste())
        return;
    for (FieldBinding& field : m_positionFields) {
        field.setCell(m_tool, m_pointIndex);
        field.copyCell(field.field(), m_copyTool, m_copyPoint);
    }
    updateUI();
}

void ToolSpeed::selectCurrent()
{
    if (m_parameter->m_selectedTool == m_tool && m_parameter->m_selectedElement == m_pointIndex)
        return;
    m_parameter->m_selectedTool = m_tool;
    m_parameter->m_selectedElement = m_pointIndex;
    m_parameter->selectionWritten();
}

void ToolSpeed::showEvent(QShowEvent* event)
{
    PropertyWidget::showEvent(event);
    selectCurrent();
    updateUI();
}

void ToolSpeed::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_validField.setCell(m_tool, m_pointIndex);
    const bool enabled = m_validField.editValue() != 0;
    for (int axis = 0; axis < 3; ++axis) {
        m_positionFields[std::size_t(axis)].setCell(m_tool, m_pointIndex);
        m_positionFields[std::size_t(axis)].fill();
        m_point->box(axis)->setEnabled(enabled);
    }
    showPointRows();
    showToolRows(m_toolTable, m_parameter, m_validField.field(), m_tool,
                 [this](int tool, int item) { return pointState(tool, item); });
    m_copy->setEnabled(true);
    m_paste->setEnabled(canPaste());
    showModified(changed());
    updating = false;
}

// The Visible boxes are shared by all tools; a disabled point is never
// drawn. The boxes are set quietly, so filling the rows writes nothing.
void ToolSpeed::showPointRows()
{
    const QSignalBlocker block(m_pointTable);
    bool written = false;
    for (int p = 0; p < PointCount; ++p) {
        const bool valid =
            FieldBinding::value(m_parameter->editImage(), m_validField.field(), m_tool, p) != 0;
        const bool shown = valid && m_pointTable->isVisibleChecked(p);
        m_pointTable->setEnabledChecked(p, valid);
        m_pointTable->setVisibleChecked(p, shown);
        quint8& flag = m_parameter->m_toolSpeedPointFlags[m_tool][p];
        written = written || flag != quint8(shown);
        flag = quint8(shown);
        m_pointTable->setRowForeground(p, RowColours::of(pointState(m_tool, p)));
    }
    m_pointTable->setCurrentRow(m_pointIndex, true);
    if (written)
        m_parameter->selectionWritten();
}

quint8 ToolSpeed::pointState(int tool, int point) const
{
    quint8 state = FieldBinding::cellState(m_parameter, m_validField.field(), tool, point);
    for (const FieldBinding& field : m_positionFields)
        state = FieldBinding::mergeStates(
            state, FieldBinding::cellState(m_parameter, field.field(), tool, point));
    return state;
}

bool ToolSpeed::changed() const
{
    return FieldBinding::anyChanged({&m_validField}) || FieldBinding::anyChanged(m_positionFields);
}

} // namespace Property

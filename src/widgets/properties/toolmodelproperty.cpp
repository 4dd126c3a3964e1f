#include "widgets/properties/toolmodelproperty.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QtDebug>

#include <array>
#include <iterator>

#include "parameter/parameter.h"
#include "widgets/buttonsuccess.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/label.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/toolrows.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

enum ParameterNo
{
    ToolModelValid = 3128,
    ToolModelKind = 3129,
};

enum Kind
{
    Sphere = 0,
    Capsule = 1,
    Cuboid = 2,
};

// The shape fields in the order of the boxes on the grid.
constexpr int shapeParameters[] = {
    3130,             // radius
    3134, 3135, 3136, // point 1 X, Y, Z
    3137, 3138, 3139, // point 2 X, Y, Z
    3131, 3132, 3133, // width X, Y, Z
    3140, 3141, 3142, // O, A, T
};
constexpr int firstPoint2Box = 4;

} // namespace

ToolModel::ToolModel(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 22, parent), m_validField(parameter, ToolModelValid),
      m_kindField(parameter, ToolModelKind)
{
    for (int no : shapeParameters)
        m_shapeFields.emplace_back(parameter, no);
}

void ToolModel::initialize()
{
    if (initialized)
        return;
    qInfo().noquote() << "Property::ToolModel::initialize";

    m_toolTable = new SubMenuTable(tr("%1"), ToolCount, 4, false, false, true, false);
    m_toolTable->setHeaderText(0, tr("Tool"));
    m_toolTable->adjustLayout();
    m_modelTable = new SubMenuTable(tr("%1"), ModelCount, 4, true, true, false, false);
    m_modelTable->setHeaderText(0, tr("ModelNo"));
    m_modelTable->adjustLayout();
    auto* tables = new QFrame;
    auto* tableColumn = new QVBoxLayout(tables);
    tableColumn->addWidget(m_toolTable);
    tableColumn->addWidget(m_modelTable);
    addSection(tr("ToolModelSetting"), tables);

    m_copy = new ButtonSuccess(tr("Copy"));
    m_paste = new ButtonSuccess(tr("Paste"));
    m_kind = new ComboBox;
    m_kind->addItems({tr("sphere"), tr("capsule"), tr("cuboid")});
    m_kindField = FieldBinding::combo(m_parameter, ToolModelKind, m_kind);

    auto* params = new QFrame;
    auto* paramColumn = new QVBoxLayout(params);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_paste);
    paramColumn->addLayout(buttons);
    auto* grid = new QGridLayout;
    grid->setAlignment(Qt::AlignCenter);
    paramColumn->addLayout(grid);

    const auto caption = [](const QString& text) {
        return new Label(text, QStringLiteral("item-caption"));
    };
    const auto addCaption = [grid](QWidget* label, int row, int columns) {
        grid->addWidget(label, row, 0, 1, columns, Qt::AlignRight);
        return label;
    };
    const auto addEditor = [grid](QWidget* editor, int row) {
        grid->addWidget(editor, row, 4, 1, 5, Qt::AlignLeft);
    };
    addCaption(caption(tr("Kind")), 0, 4);
    addEditor(m_kind, 0);
    auto* radiusLabel = new QLabel(tr("Radius"));
    addCaption(radiusLabel, 1, 4);

    const QString axisNames[] = {tr("X"), tr("Y"), tr("Z")};
    const QString axisObjects[] = {QStringLiteral("item-x"), QStringLiteral("item-y"),
                                   QStringLiteral("item-z")};
    const QString groupCaptions[] = {tr("Point1"), tr("Point2"), tr("width")};
    const QString angleNames[] = {tr("O"), tr("A"), tr("T")};
    QVector<QWidget*> groupWidgets[3];
    QVector<QWidget*> angleWidgets;
    for (int i = 0; i < int(std::size(shapeParameters)); ++i) {
        const bool angle = i >= 10;
        const bool nonNegative = i == 0 || (i >= 7 && i < 10);
        auto* box = new DoubleSpinBox(angle ? -180 : nonNegative ? 0 : -10000, angle ? 180 : 10000);
        box->setSuffix(angle ? QStringLiteral(" deg") : QStringLiteral(" mm"));
        m_boxes << box;
        m_shapeFields[std::size_t(i)] =
            FieldBinding::doubleSpin(m_parameter, shapeParameters[i], box);
        const int row = 1 + i;
        if (i == 0) {
            addEditor(box, row);
            continue;
        }
        if (angle) {
            if (i == 10)
                angleWidgets << addCaption(caption(tr("OAT")), row, 3);
            auto* name = caption(angleNames[i - 10]);
            grid->addWidget(name, row, 3, Qt::AlignRight);
            angleWidgets << name << box;
        } else {
            const int group = (i - 1) / 3;
            const int axis = (i - 1) % 3;
            if (axis == 0)
                groupWidgets[group] << addCaption(caption(groupCaptions[group]), row, 3);
            auto* name = new Label(axisNames[axis], axisObjects[axis]);
            grid->addWidget(name, row, 3, Qt::AlignRight);
            groupWidgets[group] << name << box;
        }
        addEditor(box, row);
    }
    m_radiusWidgets = {radiusLabel, m_boxes[0]};
    m_point2Widgets = groupWidgets[1];
    m_cuboidWidgets = groupWidgets[2] + angleWidgets;
    addSection(tr("Param"), params);
    addButtons();
    setTabOrder(m_boxes.last());

    connect(this, &PropertyWidget::apply, this, &ToolModel::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ToolModel::cancelRequested);
    connect(m_toolTable, &SubMenuTable::currentIndexChanged, this, &ToolModel::setCurrentToolId);
    connect(m_modelTable, &SubMenuTable::currentIndexChanged, this,
            &ToolModel::setCurrentModelIndex);
    connect(m_modelTable, &SubMenuTable::enabledStateChanged, this,
            qOverload<int, int>(&ToolModel::setEnabled));
    connect(m_modelTable, &SubMenuTable::visibleStateChanged, this, &ToolModel::setVisibility);
    connect(m_kind, qOverload<int>(&QComboBox::currentIndexChanged), this, &ToolModel::setKind);
    // In grid order, as the boxes.
    const std::array<void (ToolModel::*)(double), 13> setters = {
        &ToolModel::setRadius,     &ToolModel::setPosition1X, &ToolModel::setPosition1Y,
        &ToolModel::setPosition1Z, &ToolModel::setPosition2X, &ToolModel::setPosition2Y,
        &ToolModel::setPosition2Z, &ToolModel::setWidthX,     &ToolModel::setWidthY,
        &ToolModel::setWidthZ,     &ToolModel::setO,          &ToolModel::setA,
        &ToolModel::setT};
    for (int i = 0; i < m_boxes.size(); ++i) {
        connect(m_boxes[i], qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                setters[std::size_t(i)]);
        connect(m_boxes[i], &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }
    connect(m_copy, &QPushButton::clicked, this, &ToolModel::copy);
    connect(m_paste, &QPushButton::clicked, this, &ToolModel::paste);
    connect(m_parameter, &Parameter::parameterChanged, this, &ToolModel::parameterLoad);
    refreshOnPageLoad();

    initialized = true;
    parameterRestore();
    selectCurrent();
}

// Only the model under the selection changes; the cost does not depend on
// shapes, so no check is needed here.
void ToolModel::setShape(int box, double value)
{
    if (updating)
        return;
    m_shapeFields[std::size_t(box)].writeCell(m_tool, m_model, value);
}

void ToolModel::setRadius(double value)
{
    setShape(0, value);
}

void ToolModel::setPosition1X(double value)
{
    setShape(1, value);
}

void ToolModel::setPosition1Y(double value)
{
    setShape(2, value);
}

void ToolModel::setPosition1Z(double value)
{
    setShape(3, value);
}

void ToolModel::setPosition2X(double value)
{
    setShape(4, value);
}

void ToolModel::setPosition2Y(double value)
{
    setShape(5, value);
}

void ToolModel::setPosition2Z(double value)
{
    setShape(6, value);
}

void ToolModel::setWidthX(double value)
{
    setShape(7, value);
}

void ToolModel::setWidthY(double value)
{
    setShape(8, value);
}

void ToolModel::setWidthZ(double value)
{
    setShape(9, value);
}

void ToolModel::setO(double value)
{
    setShape(10, value);
}

void ToolModel::setA(double value)
{
    setShape(11, value);
}

void ToolModel::setT(double value)
{
    setShape(12, value);
}

void ToolModel::setKind(int kind)
{
    if (updating || kind < Sphere || kind > Cuboid)
        return;
    m_kindField.setCell(m_tool, m_model);
    if (m_kindField.editValue() != kind)
        m_kindField.writeWithCostCheck(kind, this);
    requestUpdate();
}

void ToolModel::setEnabled(int state, int index)
{
    if (updating || index < 0 || index >= ModelCount)
        return;
    m_model = index;
    selectCurrent();
    m_validField.setCell(m_tool, index);
    m_validField.writeWithCostCheck(state != 0 ? 1 : 0, this);
    requestUpdate();
}

void ToolModel::setVisibility(int state, int index)
{
    if (updating || index < 0 || index >= ModelCount)
        return;
    m_model = index;
    selectCurrent();
    m_validField.setCell(m_tool, index);
    setDisplayFlag(index, state != 0 && m_validField.editValue() != 0);
    updateUI();
}

void ToolModel::setCurrentToolId(int toolId)
{
    if (updating || toolId < 0 || toolId >= ToolCount)
        return;
    m_tool = toolId;
    selectCurrent();
    updateUI();
}

void ToolModel::setCurrentModelIndex(int modelIndex)
{
    if (updating || modelIndex < 0 || modelIndex >= ModelCount)
        return;
    m_model = modelIndex;
    selectCurrent();
    updateUI();
}

void ToolModel::copy()
{
    m_copyTool = m_tool;
    m_copyModel = m_model;
    updateUI();
}

// The kind weighs on the cost: when the copied kind would exceed the budget
// nothing is pasted at all. The target keeps its enable flag.
void ToolModel::paste()
{
    if (m_copyTool < 0 || m_copyModel < 0 || (m_copyTool == m_tool && m_copyModel == m_model))
        return;
    m_kindField.setCell(m_tool, m_model);
    const int kind = m_parameter->editImage().u16(m_kindField.field(), m_copyTool, m_copyModel);
    if (m_kindField.writeWithCostCheck(kind, this)) {
        for (FieldBinding& field : m_shapeFields) {
            field.setCell(m_tool, m_model);
            field.copyCell(field.field(), m_copyTool, m_copyModel);
        }
    }
    updateUI();
}

void ToolModel::showEvent(QShowEvent* event)
{
    followFocusWhileShown([this](QWidget* now) {
        const int index = focusedEditor(m_boxes, now);
        showMarker(index >= firstPoint2Box && index < firstPoint2Box + 3 ? 2 : 1);
    });
    PropertyWidget::showEvent(event);
    selectCurrent();
    updateUI();
}

// The 3D view's selection is the shown page's: another page's handler of
// the same change may have written its own, and while another page is shown
// this one leaves it to that page (showing it selects again).
void ToolModel::parameterLoad()
{
    if (!initialized)
        return;
    m_tool = qBound(0, m_toolTable->currentIndex(), ToolCount - 1);
    m_model = qBound(0, m_modelTable->currentIndex(), ModelCount - 1);
    if (isVisible())
        selectCurrent();
    updateUI();
}

void ToolModel::parameterRestore()
{
    m_copyTool = m_copyModel = -1;
    m_parameter->restore(m_scene);
    parameterLoad();
}

void ToolModel::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool ToolModel::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

void ToolModel::selectCurrent()
{
    bool written = false;
    if (m_parameter->m_selectedTool != m_tool) {
        m_parameter->m_selectedTool = m_tool;
        written = true;
    }
    if (m_parameter->m_selectedElement != m_model) {
        m_parameter->m_selectedElement = m_model;
        written = true;
    }
    if (written)
        m_parameter->selectionWritten();
}

bool ToolModel::setDisplayFlag(int model, bool shown)
{
    quint8& flag = m_parameter->m_toolModelFlags[m_tool][model];
    if (flag == quint8(shown))
        return false;
    flag = quint8(shown);
    m_parameter->selectionWritten();
    return true;
}

void ToolModel::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_kindField.setCell(m_tool, m_model);
    m_kindField.fill();
    for (FieldBinding& field : m_shapeFields) {
        field.setCell(m_tool, m_model);
        field.fill();
    }
    showKind(qint16(m_kindField.editValue()));
    m_validField.setCell(m_tool, m_model);
    const bool editable = m_validField.editValue() == 1;
    m_kind->setEnabled(editable);
    for (DoubleSpinBox* box : m_boxes)
        box->setEnabled(editable);

    showModelRows();
    showToolRows(m_toolTable, m_parameter, m_validField.field(), m_tool,
                 [this](int tool, int item) { return modelState(tool, item); });
    m_copy->setEnabled(true);
    m_paste->setEnabled(m_copyTool >= 0 && m_copyModel >= 0 &&
                        !(m_copyTool == m_tool && m_copyModel == m_model));
    showModified(changed());
    m_parameter->calculateCost();
    updating = false;
}

void ToolModel::showKind(int kind)
{
    for (QWidget* widget : qAsConst(m_radiusWidgets))
        widget->setVisible(kind != Cuboid);
    for (QWidget* widget : qAsConst(m_point2Widgets))
        widget->setVisible(kind == Capsule);
    for (QWidget* widget : qAsConst(m_cuboidWidgets))
        widget->setVisible(kind == Cuboid);
}

// The table's boxes answer their own changes (current row, signals); they
// are set quietly here, so filling the rows never writes a value.
void ToolModel::showModelRows()
{
    const QSignalBlocker block(m_modelTable);
    for (int model = 0; model < ModelCount; ++model) {
        const bool valid =
            FieldBinding::value(m_parameter->editImage(), m_validField.field(), m_tool, model) != 0;
        const bool shown = valid && m_modelTable->isVisibleChecked(model);
        setDisplayFlag(model, shown);
        m_modelTable->setEnabledChecked(model, valid);
        m_modelTable->setVisibleChecked(model, shown);
        m_modelTable->setRowForeground(model, RowColours::of(modelState(m_tool, model)));
    }
    m_modelTable->setCurrentRow(m_model, true);
}

quint8 ToolModel::modelState(int tool, int model) const
{
    quint8 state = FieldBinding::mergeStates(
        FieldBinding::cellState(m_parameter, m_validField.field(), tool, model),
        FieldBinding::cellState(m_parameter, m_kindField.field(), tool, model));
    for (const FieldBinding& field : m_shapeFields)
        state = FieldBinding::mergeStates(
            state, FieldBinding::cellState(m_parameter, field.field(), tool, model));
    return state;
}

bool ToolModel::changed() const
{
    return FieldBinding::anyChanged({&m_validField, &m_kindField}) ||
           FieldBinding::anyChanged(m_shapeFields);
}

} // namespace Property

#include "widgets/properties/areamodelproperty.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

#include "app/core/startupstate.h"
#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/areaoutline.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/spinbox.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

enum ParameterNo
{
    MoveAreaValid = 3143,
    MoveAreaMoveValid = 3144,
    MoveAreaZulimit = 3145,
    MoveAreaZllimit = 3146,
    MoveAreaVertexNum = 3147,
    MoveAreaX = 3148,
    MoveAreaY = 3149,
    MoveAreaStopCategory = 3153,
};
// Teach, fast check and repeat mode, then the stop position estimation.
constexpr int switchParameters[] = {3150, 3151, 3152, 3154};

// Editors in the order of m_editors and of their bindings.
enum Editor
{
    MoveValidEditor = 0,
    VertexCountEditor,
    UpperEditor,
    LowerEditor,
    FirstSwitchEditor,
    StopCategoryEditor = FirstSwitchEditor + 4,
    FirstVertexEditor,
};

// Outline parts of the selected area that the 3D view highlights, and the
// markers at the two centres.
constexpr int TopRing = 8;
constexpr int BottomRing = 9;
constexpr quint8 UpperCentreMarker = 9;
constexpr quint8 LowerCentreMarker = 10;

double limitOf(int parameterNo, bool upper)
{
    double limits[2] = {0, 0};
    ValueValidator::limitsOf(parameterNo, &limits[0], &limits[1]);
    return limits[upper ? 1 : 0];
}

DoubleSpinBox* lengthBox(int parameterNo, QWidget* parent)
{
    const double lower = limitOf(parameterNo, false);
    const double upper = limitOf(parameterNo, true);
    auto* box = new DoubleSpinBox(lower, upper, parent);
    box->setSuffix(QStringLiteral(" mm"));
    box->setToolTip(PropertyWidget::rangeToolTip(lower, upper));
    return box;
}

} // namespace

AreaModel::AreaModel(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 23, parent), m_validField(parameter, MoveAreaValid)
{
}

void AreaModel::initialize()
{
    if (initialized)
        return;

    auto* areas = new QFrame;
    m_table = new SubMenuTable(tr("%1"), AreaCount, 4, true, true, false, isVSFtoAFM, areas);
    m_table->setHeaderText(0, tr("AreaNo"));
    m_table->adjustLayout();
    m_budget = new QLabel(areas);
    m_budget->setObjectName(QStringLiteral("area-budget"));
    m_budget->setWordWrap(true);
    auto* areaRow = new QHBoxLayout(areas);
    areaRow->addWidget(m_table);
    areaRow->addWidget(m_budget, 0, Qt::AlignTop);
    addSection(tr("AreaModelSetting"), areas);

    auto* params = new QFrame;
    auto* stop = new QFrame;
    m_moveValid = new ComboBox(params);
    m_moveValid->addItems({tr("Item Forbidden"), tr("Item Permitted")});
    m_vertexCount = new SpinBox(int(limitOf(MoveAreaVertexNum, false)),
                                int(limitOf(MoveAreaVertexNum, true)), params);
    m_upper = lengthBox(MoveAreaZulimit, params);
    m_lower = lengthBox(MoveAreaZllimit, params);
    m_editors = {m_moveValid, m_vertexCount, m_upper, m_lower};
    m_areaFields.push_back(FieldBinding::combo(m_parameter, MoveAreaMoveValid, m_moveValid));
    m_areaFields.push_back(FieldBinding::spin(m_parameter, MoveAreaVertexNum, m_vertexCount));
    m_areaFields.push_back(FieldBinding::doubleSpin(m_parameter, MoveAreaZulimit, m_upper));
    m_areaFields.push_back(FieldBinding::doubleSpin(m_parameter, MoveAreaZllimit, m_lower));
    for (int no : switchParameters) {
        auto* box = new CheckBox(stop);
        box->setText(definitionLabel(no));
        m_switches << box;
        m_editors << box;
        m_areaFields.push_back(FieldBinding::check(m_parameter, no, box));
    }
    m_stopCategory = new ComboBox(stop);
    m_stopCategory->addItems({tr("Stop Category 0"), tr("Stop Category 1")});
    m_editors << m_stopCategory;
    m_areaFields.push_back(FieldBinding::combo(m_parameter, MoveAreaStopCategory, m_stopCategory));

    auto* paramColumn = new QVBoxLayout(params);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(definitionLabel(MoveAreaMoveValid), m_moveValid);
    form->addRow(definitionLabel(MoveAreaVertexNum), m_vertexCount);
    paramColumn->addLayout(form);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(definitionLabel(MoveAreaX), params), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(definitionLabel(MoveAreaY), params), 0, 2, Qt::AlignCenter);
    for (int v = 0; v < VertexCount; ++v) {
        grid->addWidget(new QLabel(QString::number(v + 1), params), v + 1, 0, Qt::AlignRight);
        for (int axis = 0; axis < 2; ++axis) {
            const int no = axis == 0 ? MoveAreaX : MoveAreaY;
            DoubleSpinBox* box = lengthBox(no, params);
            m_vertexBoxes << box;
            m_editors << box;
            m_areaFields.push_back(FieldBinding::doubleSpin(m_parameter, no, box));
            grid->addWidget(box, v + 1, axis + 1);
        }
    }
    paramColumn->addLayout(grid);
    auto* heights = new QFormLayout;
    heights->setLabelAlignment(Qt::AlignRight);
    heights->addRow(definitionLabel(MoveAreaZulimit), m_upper);
    heights->addRow(definitionLabel(MoveAreaZllimit), m_lower);
    paramColumn->addLayout(heights);
    m_warnings = new QLabel(params);
    m_warnings->setObjectName(QStringLiteral("area-warning"));
    PolishStyle::set(m_warnings, QStringLiteral("color:#ffa500"));
    m_warnings->setWordWrap(true);
    paramColumn->addWidget(m_warnings);
    addSection(tr("Param"), params);

    auto* stopColumn = new QVBoxLayout(stop);
    for (CheckBox* box : qAsConst(m_switches))
        stopColumn->addWidget(box);
    auto* category = new QFormLayout;
    category->addRow(definitionLabel(MoveAreaStopCategory), m_stopCategory);
    stopColumn->addLayout(category);
    addSection(tr("StopSetting"), stop);
    addButtons();
    // Tab follows the page top to bottom: the heights were made before the
    // corners but stand below them.
    QWidget* previous = m_vertexCount;
    for (QWidget* next :
         m_editors.mid(FirstVertexEditor) + QVector<QWidget*>{m_upper, m_lower} +
             m_editors.mid(FirstSwitchEditor, StopCategoryEditor + 1 - FirstSwitchEditor)) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(m_stopCategory);

    connect(this, &PropertyWidget::apply, this, &AreaModel::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &AreaModel::cancelRequested);
    connect(m_table, &SubMenuTable::currentIndexChanged, this, &AreaModel::setCurrentArea);
    connect(m_table, &SubMenuTable::enabledStateChanged, this,
            qOverload<int, int>(&AreaModel::setEnabled));
    connect(m_table, &SubMenuTable::visibleStateChanged, this, &AreaModel::setVisibility);
    connect(m_moveValid, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AreaModel::writeMoveValid);
    connect(m_stopCategory, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index == 0 || index == 1)
                    write(StopCategoryEditor, index);
            });
    connect(m_vertexCount, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int count) { write(VertexCountEditor, count); });
    for (int i = 0; i < m_switches.size(); ++i)
        connect(m_switches[i], &QCheckBox::clicked, this,
                [this, i](bool checked) { write(FirstSwitchEditor + i, checked ? 1 : 0); });
    for (int i = UpperEditor; i < m_editors.size(); ++i) {
        auto* box = qobject_cast<DoubleSpinBox*>(m_editors[i]);
        if (!box)
            continue;
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, i](double value) { write(i, value); });
        // Leaving a box shows the rounded value and the row colours.
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }
    connect(m_parameter, &Parameter::parameterChanged, this, &AreaModel::parameterLoad);
    refreshOnPageLoad();

    initialized = true;
    parameterLoad();
    selectCurrent();
}

FieldBinding& AreaModel::bindingOf(int editor)
{
    FieldBinding& field = m_areaFields[std::size_t(editor)];
    if (editor >= FirstVertexEditor)
        field.setCell(m_area, (editor - FirstVertexEditor) / 2);
    else
        field.setCell(0, m_area);
    return field;
}

// Heights, corners, switches and the stop category do not weigh on the
// cost. The 3D view and the warnings follow at once; the editor itself is
// filled again only when it is left, so typing is not disturbed.
void AreaModel::write(int editor, double value)
{
    if (updating || !editable())
        return;
    bindingOf(editor).write(value);
    if (editor == VertexCountEditor || editor == StopCategoryEditor ||
        (editor >= FirstSwitchEditor && editor < StopCategoryEditor)) {
        requestUpdate();
    } else {
        showWarnings();
        showModified(changed());
    }
    m_parameter->selectionWritten();
}

void AreaModel::writeMoveValid(int index)
{
    if (updating || !editable() || index < 0 || index > 1)
        return;
    FieldBinding& field = bindingOf(MoveValidEditor);
    if (field.editValue() != index)
        field.writeWithCostCheck(index, this);
    m_parameter->selectionWritten();
    requestUpdate();
}

void AreaModel::setEnabled(int state, int area)
{
    if (updating || area < 0 || area >= AreaCount)
        return;
    m_area = area;
    selectCurrent();
    m_validField.setCell(0, area);
    m_validField.writeWithCostCheck(state != 0 ? 1 : 0, this);
    requestUpdate();
}

void AreaModel::setVisibility(int, int area)
{
    if (updating || area < 0 || area >= AreaCount)
        return;
    m_area = area;
    selectCurrent();
    updateUI();
}

void AreaModel::setCurrentArea(int area)
{
    if (updating || area < 0 || area >= AreaCount)
        return;
    m_area = area;
    selectCurrent();
    updateUI();
}

void AreaModel::selectCurrent()
{
    if (m_parameter->m_selectedArea == m_area)
        return;
    m_parameter->m_selectedArea = m_area;
    m_parameter->selectionWritten();
}

void AreaModel::followFocus(QWidget* now)
{
    const int index = focusedEditor(m_editors, now);
    quint8 marker = 0;
    int part = 0;
    if (index == UpperEditor) {
        marker = UpperCentreMarker;
        part = TopRing;
    } else if (index == LowerEditor) {
        marker = LowerCentreMarker;
        part = BottomRing;
    } else if (index >= FirstVertexEditor) {
        part = (index - FirstVertexEditor) / 2;
        marker = quint8(part + 1);
    } else {
        return;
    }
    showMarker(marker, part);
}

void AreaModel::showEvent(QShowEvent* event)
{
    followFocusWhileShown([this](QWidget* now) { followFocus(now); });
    PropertyWidget::showEvent(event);
    selectCurrent();
    updateUI();
}

void AreaModel::parameterLoad()
{
    if (!initialized)
        return;
    m_area = qBound(0, m_table->currentIndex(), AreaCount - 1);
    updateUI();
}

// Only this page's section goes back: the whole image would also throw
// away other pages' unapplied edits.
void AreaModel::parameterRestore()
{
    m_parameter->restore(m_scene);
    parameterLoad();
}

void AreaModel::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool AreaModel::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

// The robot's own areas (the first nine under the split of the sets) and
// disabled areas keep their values.
bool AreaModel::editable() const
{
    if (isVSFtoAFM && m_area < 9)
        return false;
    return FieldBinding::value(m_parameter->editImage(), m_validField.field(), 0, m_area) == 1;
}

void AreaModel::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_parameter->calculateCost();
    const bool canEdit = editable();
    for (int i = 0; i < m_editors.size(); ++i) {
        bindingOf(i).fill();
        m_editors[i]->setEnabled(canEdit);
    }
    showVertexRows();
    showRows();
    showWarnings();
    showBudget();
    showModified(changed());
    updating = false;
}

// Corners at or past the count keep their values but take no edits; an
// odd count shows every corner.
void AreaModel::showVertexRows()
{
    const double count = bindingOf(VertexCountEditor).editValue();
    const bool known = count >= 3 && count <= VertexCount;
    for (int box = 0; box < m_vertexBoxes.size(); ++box)
        if (known && box / 2 >= count)
            m_vertexBoxes[box]->setEnabled(false);
}

void AreaModel::showRows()
{
    const QSignalBlocker block(m_table);
    bool written = false;
    for (int area = 0; area < AreaCount; ++area) {
        const bool valid =
            FieldBinding::value(m_parameter->editImage(), m_validField.field(), 0, area) != 0;
        const bool shown = valid && m_table->isVisibleChecked(area);
        m_table->setEnabledChecked(area, valid);
        m_table->setVisibleChecked(area, shown);
        m_table->setRowForeground(area, RowColours::of(areaState(area)));
        written = written || m_parameter->m_areaModelFlags[area] != quint8(shown);
        m_parameter->m_areaModelFlags[area] = quint8(shown);
    }
    m_table->setCurrentRow(m_area, true);
    if (written)
        m_parameter->selectionWritten();
}

void AreaModel::showWarnings()
{
    QStringList lines;
    const ParameterImage& image = m_parameter->editImage();
    if (FieldBinding::value(image, m_validField.field(), 0, m_area) != 0) {
        if (bindingOf(UpperEditor).editValue() < bindingOf(LowerEditor).editValue())
            lines << tr("Warning Z Order");
        const double count = bindingOf(VertexCountEditor).editValue();
        if (count >= 3 && count <= VertexCount) {
            QVector<QPointF> corners;
            for (int v = 0; v < int(count); ++v)
                corners << QPointF(bindingOf(FirstVertexEditor + 2 * v).editValue(),
                                   bindingOf(FirstVertexEditor + 2 * v + 1).editValue());
            const AreaOutline outline(corners);
            for (int v : outline.coincidingCorners())
                lines << tr("Warning Repeated Vertex %1 %2")
                             .arg(v + 1)
                             .arg((v + 1) % corners.size() + 1);
            if (outline.crossesItself())
                lines << tr("Warning Crossing");
            else if (!outline.isConvex())
                lines << tr("Warning Concave");
        }
    }
    m_warnings->setText(lines.join(QLatin1Char('\n')));
    m_warnings->setVisible(!lines.isEmpty());
}

void AreaModel::showBudget()
{
    const int left = m_parameter->costLeft();
    m_budget->setText(tr("Label Cost Left %1 %2").arg(left).arg(Parameter::CostBudget));
    // Re-styling costs a polish of the label: only when the sign changes.
    const QString sheet = left < 0 ? QStringLiteral("color:#ff4040") : QString();
    if (m_budget->styleSheet() != sheet)
        m_budget->setStyleSheet(sheet);
}

quint8 AreaModel::areaState(int area) const
{
    quint8 state = FieldBinding::cellState(m_parameter, m_validField.field(), 0, area);
    for (int i = 0; i < int(m_areaFields.size()); ++i) {
        const FieldDef& field = m_areaFields[std::size_t(i)].field();
        const quint8 cell =
            i >= FirstVertexEditor
                ? FieldBinding::cellState(m_parameter, field, area, (i - FirstVertexEditor) / 2)
                : FieldBinding::cellState(m_parameter, field, 0, area);
        state = FieldBinding::mergeStates(state, cell);
    }
    return state;
}

bool AreaModel::changed() const
{
    return FieldBinding::anyChanged({&m_validField}) || FieldBinding::anyChanged(m_areaFields);
}

} // namespace Property

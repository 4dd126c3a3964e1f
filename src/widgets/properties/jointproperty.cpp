#include "widgets/properties/jointproperty.h"

#include <QColor>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "parameter/valuevalidator.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/targetdevicebox.h"

namespace Property {

namespace {

enum ParameterNo
{
    AlwaysAxisValid = 3201,
    AlwaysAxisRangeValid = 3202,
    AlwaysAxisRangeUlimit = 3203,
    AlwaysAxisRangeLlimit = 3204,
    SelectAxisValid = 3205,
    SelectAxisTargetRobot = 3206,
    SelectAxisRngValid = 3207,
    SelectAxisRngMoveValid = 3208,
    SelectAxisRngUlimit = 3209,
    SelectAxisRngLlimit = 3210,
    SelectAxisTeachValid = 3211,
    SelectAxisCheckFastValid = 3212,
    SelectAxisRepeatValid = 3213,
    SelectAxisStopCategory = 3214,
};

enum LabelId
{
    ConstantJointMonitoring = 42,
    SelectiveJointMonitoring = 43,
    JointRangeSetting = 96,
};

double cellOf(const Parameter* store, int parameterNo, int row, int column)
{
    return FieldBinding::value(store->editImage(), FieldBinding::fieldOf(parameterNo), row, column);
}

QString number(double value)
{
    return QString::number(value, 'g', 7);
}

constexpr int ShownRows = 6;
const QColor FindingColour(255, 215, 0);
constexpr int MarkColumn = 4;

// A table of values that is read, not typed into.
QTableWidget* valueTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, headers.size(), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // The page is sized once when it is shown, so the table keeps one
    // height whatever the rows: six rows, more by scrolling.
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          ShownRows * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
    return table;
}

// The row's items, created on first use.
void setRowTexts(QTableWidget* table, int row, const QStringList& texts)
{
    for (int c = 0; c < texts.size(); ++c) {
        QTableWidgetItem* item = table->item(row, c);
        if (!item)
            table->setItem(row, c, item = new QTableWidgetItem);
        item->setText(texts[c]);
    }
}

// A shown cell in the colour of its edit state; one outside its limits
// (red) also names them, as the editors do.
void markCell(QTableWidgetItem* item, const Parameter* store, const FieldDef& field, int row,
              int column)
{
    const quint8 state = FieldBinding::cellState(store, field, row, column);
    item->setForeground(RowColours::of(state));
    item->setToolTip(state == EditState::OutOfLimits
                         ? FieldBinding::findingTip(store, field, row, column)
                         : QString());
}

} // namespace

Joint::Joint(Parameter* parameter, QWidget* parent)
    : SetPanel(parameter, 25,
               {SelectAxisValid,
                SelectAxisTargetRobot,
                {SelectAxisTeachValid, SelectAxisCheckFastValid, SelectAxisRepeatValid},
                SelectAxisStopCategory,
                SelectAxisRngValid},
               {SelectAxisRngMoveValid, SelectAxisRngUlimit, SelectAxisRngLlimit}, parent),
      m_rangeValidField(parameter, SelectAxisRngValid),
      m_moveField(parameter, SelectAxisRngMoveValid), m_lowerField(parameter, SelectAxisRngLlimit),
      m_upperField(parameter, SelectAxisRngUlimit)
{
}

void Joint::initialize()
{
    if (initialized)
        return;
    // Every widget is made in the frame it stays in (see PropertyWidget).
    auto* constant = new QFrame;
    auto* constantColumn = new QVBoxLayout(constant);
    m_constantValid = new QLabel(constant);
    m_constant =
        valueTable({tr("Joint"), definitionLabel(AlwaysAxisRangeValid),
                    definitionLabel(AlwaysAxisRangeLlimit), definitionLabel(AlwaysAxisRangeUlimit)},
                   constant);
    m_constant->setSelectionMode(QAbstractItemView::NoSelection);
    m_constant->setFocusPolicy(Qt::NoFocus);
    auto* validRow = new QHBoxLayout;
    validRow->addWidget(new QLabel(definitionLabel(AlwaysAxisValid), constant));
    validRow->addWidget(m_constantValid, 1);
    constantColumn->addLayout(validRow);
    constantColumn->addWidget(m_constant);
    addSection(definitionText(ConstantJointMonitoring), constant);

    addSetSection(definitionText(SelectiveJointMonitoring));

    // The joints of the set's target, each with its range; the Joint
    // column's box switches the range, the form edits the selected one.
    auto* ranges = new QFrame;
    auto* rangeColumn = new QVBoxLayout(ranges);
    m_ranges = valueTable({tr("Joint"), tr("Range"), tr("Lower"), tr("Upper"), QString()}, ranges);
    m_ranges->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ranges->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_move = new ComboBox(ranges);
    m_move->addItems({tr("Forbidden"), tr("Permitted")});
    m_moveField = FieldBinding::combo(m_parameter, SelectAxisRngMoveValid, m_move);
    double lower = -100000, upper = 100000;
    ValueValidator::limitsOf(SelectAxisRngLlimit, &lower, &upper);
    m_lower = new DoubleSpinBox(lower, upper, ranges);
    m_lower->setToolTip(rangeToolTip(lower, upper));
    m_lowerField = FieldBinding::doubleSpin(m_parameter, SelectAxisRngLlimit, m_lower);
    ValueValidator::limitsOf(SelectAxisRngUlimit, &lower, &upper);
    m_upper = new DoubleSpinBox(lower, upper, ranges);
    m_upper->setToolTip(rangeToolTip(lower, upper));
    m_upperField = FieldBinding::doubleSpin(m_parameter, SelectAxisRngUlimit, m_upper);
    m_findings = new QLabel(ranges);
    m_findings->setObjectName(QStringLiteral("range-findings"));
    PolishStyle::set(m_findings, QStringLiteral("color: %1;").arg(FindingColour.name()));
    m_findings->setWordWrap(true);
    // Room for the selected joint's findings, so the page keeps its height.
    m_findings->setFixedHeight(3 * m_findings->fontMetrics().lineSpacing());
    m_findings->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    rangeColumn->addWidget(m_ranges);
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(definitionLabel(SelectAxisRngMoveValid), m_move);
    form->addRow(definitionLabel(SelectAxisRngLlimit), m_lower);
    form->addRow(definitionLabel(SelectAxisRngUlimit), m_upper);
    rangeColumn->addLayout(form);
    rangeColumn->addWidget(m_findings);
    addSection(definitionText(JointRangeSetting), ranges);
    addButtons();
    setTabOrder(m_upper);

    connect(m_ranges, &QTableWidget::currentCellChanged, this,
            [this](int row) { setCurrentJoint(row); });
    connect(m_ranges, &QTableWidget::itemChanged, this, &Joint::enableRange);
    connect(m_move, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (updating || index < 0 || index > 1 || currentJoint() == 0)
            return;
        m_moveField.writeCell(m_set, currentJoint() - 1, index);
        updateUI();
    });
    for (auto [box, field] : {std::pair{m_lower, &m_lowerField}, {m_upper, &m_upperField}}) {
        // The refresh waits for the focus to leave, so that typing is not
        // disturbed; the findings follow at once.
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, field = field](double value) {
                    if (updating || currentJoint() == 0)
                        return;
                    field->writeCell(m_set, currentJoint() - 1, value);
                    showRangeRows();
                    showFindings();
                });
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }

    initialized = true;
    reset(Parameter::MasterData);
}

void Joint::setCurrentJoint(int row)
{
    if (updating || row < 0 || row >= m_ranges->rowCount())
        return;
    m_jointRow = row;
    updateUI();
}

void Joint::targetShown()
{
    m_jointRow = 0;
}

int Joint::currentJoint() const
{
    return TargetDeviceBox::jointOf(target().joints().value(m_jointRow));
}

void Joint::enableRange(QTableWidgetItem* item)
{
    if (updating || !item || item->column() != 0)
        return;
    const int joint = TargetDeviceBox::jointOf(target().joints().value(item->row()));
    if (joint == 0)
        return;
    m_rangeValidField.writeCell(m_set, joint - 1, item->checkState() == Qt::Checked ? 1 : 0);
    updateUI();
}

void Joint::showSet(bool enabled)
{
    showConstantRanges();
    showRangeRows();
    const int joint = currentJoint();
    const bool editable = enabled && joint > 0;
    for (FieldBinding* field : {&m_moveField, &m_lowerField, &m_upperField}) {
        field->setCell(m_set, qMax(0, joint - 1));
        if (joint > 0)
            field->fill();
        else
            field->unmark();
    }
    const QString unit =
        joint > 0 ? m_parameter->unitSuffixes().value(QString::number(joint)) : QString();
    for (QWidget* editor : {static_cast<QWidget*>(m_move), static_cast<QWidget*>(m_lower),
                            static_cast<QWidget*>(m_upper)})
        editor->setEnabled(editable);
    m_lower->setSuffix(unit);
    m_upper->setSuffix(unit);
    // A target without joints selects no range: the editors show none
    // rather than the values (or the marks) of a joint the set does not
    // watch; the set's row carries the marks.
    if (joint == 0) {
        const QSignalBlocker block(m_move);
        m_move->setCurrentIndex(-1);
        m_move->setState(EditState::Equal);
        for (DoubleSpinBox* box : {m_lower, m_upper}) {
            const QSignalBlocker blockBox(box);
            box->clear();
            box->setState(EditState::Equal);
        }
    }
    m_ranges->setEnabled(enabled);
    showFindings();
}

// One row per joint of the target; a switch value other than 0 and 1
// shows as a partly checked box, a kind other than 0 and 1 as its number.
void Joint::showRangeRows()
{
    const QSignalBlocker block(m_ranges);
    const QStringList joints = target().joints();
    m_ranges->setRowCount(joints.size());
    for (int r = 0; r < joints.size(); ++r) {
        const int joint = TargetDeviceBox::jointOf(joints[r]);
        if (joint == 0)
            continue;
        const QString unit = m_parameter->unitSuffixes().value(joints[r]);
        const double move = setValue(m_moveField, joint - 1);
        setRowTexts(m_ranges, r,
                    {joints[r],
                     move == 1   ? tr("Permitted")
                     : move == 0 ? tr("Forbidden")
                                 : number(move),
                     number(setValue(m_lowerField, joint - 1)) + unit,
                     number(setValue(m_upperField, joint - 1)) + unit, QString()});
        QTableWidgetItem* item = m_ranges->item(r, 0);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const double on = setValue(m_rangeValidField, joint - 1);
        item->setCheckState(on == 1 ? Qt::Checked : on == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
        int column = 0;
        for (const FieldBinding* field :
             {&m_rangeValidField, &m_moveField, &m_lowerField, &m_upperField})
            markCell(m_ranges->item(r, column++), m_parameter, field->field(), m_set, joint - 1);
        const QStringList found = findings(joint);
        QTableWidgetItem* mark = m_ranges->item(r, MarkColumn);
        mark->setText(found.isEmpty() ? QString() : QStringLiteral("!"));
        mark->setToolTip(found.join(QLatin1Char('\n')));
        mark->setForeground(FindingColour);
    }
    if (m_jointRow >= joints.size())
        m_jointRow = 0;
    if (!joints.isEmpty())
        m_ranges->selectRow(m_jointRow);
}

// The set's values outside their limits on joints its target does not
// offer, which the page cannot show.
QString Joint::setToolTip(int set) const
{
    const QStringList shown = target().jointsOf(targetOf(set));
    QStringList hidden;
    for (int joint = 1; joint <= Parameter::JointCount; ++joint) {
        if (shown.contains(QString::number(joint)))
            continue;
        for (const FieldBinding* binding :
             {&m_rangeValidField, &m_moveField, &m_lowerField, &m_upperField}) {
            const FieldDef& field = binding->field();
            if (FieldBinding::cellState(m_parameter, field, set, joint - 1) !=
                EditState::OutOfLimits)
                continue;
            const QString value =
                FieldBinding::listedValue(m_parameter->editImage(), field, set, joint - 1);
            hidden << tr("Joint %1 %2: %3").arg(joint).arg(definitionLabel(field.no), value);
        }
    }
    return FieldBinding::findingsNote(tr("Outside their limits, not shown for this target:"),
                                      hidden);
}

// The robot part's ranges of the assigned joints, values as stored; also of
// a joint in no use whose stored range lies outside its limits, so that the
// value the page is marked for can be seen.
void Joint::showConstantRanges()
{
    const double valid = cellOf(m_parameter, AlwaysAxisValid, 0, 0);
    m_constantValid->setText(valid == 1   ? tr("Enabled")
                             : valid == 0 ? tr("Disabled")
                                          : number(valid));
    const QStringList assigned = m_parameter->assignedJoints();
    QStringList joints;
    for (int joint = 1; joint <= Parameter::JointCount; ++joint) {
        bool shown = assigned.contains(QString::number(joint));
        for (int no : {AlwaysAxisRangeValid, AlwaysAxisRangeLlimit, AlwaysAxisRangeUlimit})
            shown = shown || ValueValidator::isOutside(m_parameter->editImage(),
                                                       FieldBinding::fieldOf(no), 0, joint - 1);
        if (shown)
            joints << QString::number(joint);
    }
    m_constant->setRowCount(joints.size());
    for (int r = 0; r < joints.size(); ++r) {
        const int joint = TargetDeviceBox::jointOf(joints[r]);
        if (joint == 0)
            continue;
        const QString unit = m_parameter->unitSuffixes().value(joints[r]);
        const double on = cellOf(m_parameter, AlwaysAxisRangeValid, 0, joint - 1);
        setRowTexts(m_constant, r,
                    {joints[r],
                     on == 1   ? tr("Enabled")
                     : on == 0 ? tr("Disabled")
                               : number(on),
                     number(cellOf(m_parameter, AlwaysAxisRangeLlimit, 0, joint - 1)) + unit,
                     number(cellOf(m_parameter, AlwaysAxisRangeUlimit, 0, joint - 1)) + unit});
        int column = 1;
        for (int no : {AlwaysAxisRangeValid, AlwaysAxisRangeLlimit, AlwaysAxisRangeUlimit})
            markCell(m_constant->item(r, column++), m_parameter, FieldBinding::fieldOf(no), 0,
                     joint - 1);
    }
}

// The selected joint's findings below its editors; the other joints'
// stand as marks in the table.
void Joint::showFindings()
{
    m_findings->setText(findings(currentJoint()).join(QLatin1Char('\n')));
}

// Only a range that is not switched off is looked at; a NaN limit crosses
// nothing. The constant range counts when it and its joint are enabled.
QStringList Joint::findings(int joint) const
{
    QStringList found;
    if (joint < 1 || joint > Parameter::JointCount || setValue(m_rangeValidField, joint - 1) == 0)
        return found;
    const double lower = setValue(m_lowerField, joint - 1);
    const double upper = setValue(m_upperField, joint - 1);
    if (lower > upper)
        found << tr("Joint %1: the lower limit lies above the upper limit.").arg(joint);
    if (cellOf(m_parameter, AlwaysAxisValid, 0, 0) == 0 ||
        cellOf(m_parameter, AlwaysAxisRangeValid, 0, joint - 1) == 0)
        return found;
    const double constantLower = cellOf(m_parameter, AlwaysAxisRangeLlimit, 0, joint - 1);
    const double constantUpper = cellOf(m_parameter, AlwaysAxisRangeUlimit, 0, joint - 1);
    if (lower < constantLower || upper > constantUpper)
        found << tr("Joint %1: the range leaves the constant range %2 to %3%4.")
                     .arg(joint)
                     .arg(number(constantLower), number(constantUpper),
                          m_parameter->unitSuffixes().value(QString::number(joint)));
    return found;
}

} // namespace Property

#include "widgets/properties/armmodelproperty.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/buttonsuccess.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/coordinatechoice.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/pointeditors.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

constexpr int FirstStopDistanceParameter = 3101; // StopPosPrdctSpec
constexpr int LastStopDistanceParameter = 3108;  // UserBreakingDecel
constexpr int ArmModelSpec = 3109;
constexpr int firstMakerParameter = 3110;
constexpr int firstUserParameter = 3119;
constexpr int FieldCount = 9;
enum Field
{
    CoordinateField = 0,
    KindField = 1,
    RadiusField = 2,
    FirstPoint2Field = 6,
};
constexpr int Maker = 0;
constexpr int User = 1;
constexpr int Sphere = 0;
constexpr quint8 UnusedState = 3; // grey text of an unused, unedited element

} // namespace

ArmModel::ArmModel(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 21, parent), m_specField(parameter, ArmModelSpec)
{
    for (int set = 0; set < SetCount; ++set)
        for (int i = 0; i < FieldCount; ++i)
            m_fields[std::size_t(set)].emplace_back(
                parameter, (set == Maker ? firstMakerParameter : firstUserParameter) + i);
}

void ArmModel::initialize()
{
    if (initialized)
        return;
    auto* models = new QFrame;
    m_setBox = new ComboBox(models);
    m_setBox->addItems({tr("Item Category Maker"), tr("Item Category User")});
    m_specField = FieldBinding::combo(m_parameter, ArmModelSpec, m_setBox);
    m_table = new SubMenuTable(tr("%1"), ModelCount, 4, false, true, false, false, models);
    m_table->setHeaderText(0, tr("ModelNo"));
    m_table->adjustLayout();
    auto* modelColumn = new QVBoxLayout(models);
    auto* category = new QHBoxLayout;
    category->addWidget(new QLabel(definitionLabel(ArmModelSpec), models));
    category->addWidget(m_setBox, 1);
    modelColumn->addLayout(category);
    modelColumn->addWidget(m_table);
    addSection(tr("ArmModelSetting"), models);
    // The switch shows one set; what the other holds outside its limits is
    // named below it, so that the menu's mark can be traced without an edit.
    // The note spans the page and wraps rather than widen it.
    m_hiddenFindings = new QLabel(this);
    m_hiddenFindings->setObjectName(QStringLiteral("hiddenFindings"));
    PolishStyle::set(m_hiddenFindings, QStringLiteral("color: #ff5050;"));
    m_hiddenFindings->setWordWrap(true);
    m_hiddenFindings->setMinimumWidth(1);
    m_hiddenFindings->setContentsMargins(9, 0, 9, 4);
    m_hiddenFindings->hide();
    layout()->addWidget(m_hiddenFindings);

    auto* coordinates = new QFrame;
    m_coordinates = new CoordinateChoice(m_parameter, coordinates, this);
    auto* form = new QFormLayout(coordinates);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("Joint No"), m_coordinates->axisBox());
    form->addRow(definitionLabel(firstUserParameter), m_coordinates->coordinateBox());
    addSection(tr("Title Coordinate No Setting"), coordinates);

    auto* params = new QFrame;
    m_kind = new ComboBox(params);
    m_kind->addItems({tr("sphere"), tr("capsule")});
    m_radius = new DoubleSpinBox(0, 10000, params);
    m_radius->setSuffix(QStringLiteral(" mm"));
    m_point1 = new PointEditors(params);
    m_point2 = new PointEditors(params);
    m_shapeBoxes.push_back(m_radius);
    for (const PointEditors* point : {m_point1, m_point2})
        for (DoubleSpinBox* box : point->boxes())
            m_shapeBoxes.push_back(box);
    for (auto& set : m_fields) {
        set[KindField] = FieldBinding::combo(m_parameter, set[KindField].field().no, m_kind);
        for (std::size_t i = 0; i < m_shapeBoxes.size(); ++i)
            set[RadiusField + i] = FieldBinding::doubleSpin(
                m_parameter, set[RadiusField + i].field().no, m_shapeBoxes[i]);
    }
    for (DoubleSpinBox* box : m_shapeBoxes)
        box->setToolTip(rangeToolTip(box->minimum(), box->maximum()));
    m_copy = new ButtonSuccess(tr("Copy"), params);
    m_paste = new ButtonSuccess(tr("Paste"), params);

    auto* paramColumn = new QVBoxLayout(params);
    auto* shape = new QFormLayout;
    shape->setLabelAlignment(Qt::AlignRight);
    shape->addRow(definitionLabel(firstUserParameter + KindField), m_kind);
    shape->addRow(definitionLabel(firstUserParameter + RadiusField), m_radius);
    shape->addRow(tr("Point1"), m_point1);
    m_point2Caption = new QLabel(tr("Point2"), params);
    shape->addRow(m_point2Caption, m_point2);
    // The pane sizes the page once; a sphere's hidden P2 keeps its room.
    for (QWidget* widget :
         {static_cast<QWidget*>(m_point2Caption), static_cast<QWidget*>(m_point2)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    paramColumn->addLayout(shape);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_paste);
    paramColumn->addLayout(buttons);
    addSection(tr("Param"), params);
    addButtons();
    setTabOrder(m_paste);

    connect(this, &PropertyWidget::apply, this, &ArmModel::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ArmModel::cancelRequested);
    connect(m_setBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &ArmModel::chooseSet);
    connect(m_table, &SubMenuTable::currentIndexChanged, this, &ArmModel::setCurrentModel);
    connect(m_table, &SubMenuTable::visibleStateChanged, this, [this] { updateUI(); });
    connect(m_coordinates, &CoordinateChoice::chosen, this,
            [this](int number) { writeCostCell(CoordinateField, number); });
    connect(m_kind, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int kind) {
        if (kind == 0 || kind == 1)
            writeCostCell(KindField, kind);
    });
    for (std::size_t i = 0; i < m_shapeBoxes.size(); ++i) {
        DoubleSpinBox* box = m_shapeBoxes[i];
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, i](double value) { writeShape(RadiusField + int(i), value); });
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }
    connect(m_copy, &QPushButton::clicked, this, &ArmModel::copy);
    connect(m_paste, &QPushButton::clicked, this, &ArmModel::paste);
    connect(m_parameter, &Parameter::parameterChanged, this, &ArmModel::parameterLoad);
    refreshOnPageLoad();

    initialized = true;
    parameterLoad();
}

// The set that the monitoring uses, and so the one shown: any value of the
// switch other than 0 means the user set.
int ArmModel::shownSet() const
{
    return FieldBinding::value(m_parameter->editImage(), m_specField.field(), 0, 0) != 0 ? User
                                                                                         : Maker;
}

int ArmModel::coordinateOf(int set, int model) const
{
    return int(FieldBinding::value(m_parameter->editImage(),
                                   m_fields[std::size_t(set)][CoordinateField].field(), 0, model));
}

void ArmModel::chooseSet(int index)
{
    if (updating || index < Maker || index > User)
        return;
    if (m_specField.editValue() != index)
        m_specField.writeWithCostCheck(index, this);
    requestUpdate();
}

void ArmModel::writeCostCell(int field, int value)
{
    if (updating || shownSet() != User)
        return;
    FieldBinding& binding = fields(User)[std::size_t(field)];
    binding.setCell(0, m_model);
    if (binding.editValue() != value)
        binding.writeWithCostCheck(value, this);
    m_parameter->selectionWritten();
    requestUpdate();
}

// Shapes do not weigh on the cost. The 3D view follows at once; the box is
// filled again only when it is left, so typing is not disturbed.
void ArmModel::writeShape(int field, double value)
{
    if (updating || shownSet() != User)
        return;
    fields(User)[std::size_t(field)].writeCell(0, m_model, value);
    showModified(changed());
    m_parameter->selectionWritten();
}

void ArmModel::setCurrentModel(int model)
{
    if (updating || model < 0 || model >= ModelCount)
        return;
    m_model = model;
    updateUI();
}

void ArmModel::copy()
{
    m_copySet = shownSet();
    m_copyModel = m_model;
    updateUI();
}

bool ArmModel::canPaste() const
{
    return shownSet() == User && m_copySet >= 0 && m_copyModel >= 0 &&
           !(m_copySet == User && m_copyModel == m_model);
}

// The whole copied element onto the current user element. Its coordinate
// number and kind weigh on the cost together, so they are checked together:
// a paste that would exceed the budget changes nothing.
void ArmModel::paste()
{
    if (!canPaste())
        return;
    m_parameter->calculateCost();
    const int before = m_parameter->cost();
    const auto kept = std::make_unique<ParameterImage>(m_parameter->editImage());
    std::vector<FieldBinding>& to = fields(User);
    for (std::size_t i = 0; i < to.size(); ++i) {
        to[i].setCell(0, m_model);
        to[i].copyCell(fields(m_copySet)[i].field(), 0, m_copyModel);
    }
    m_parameter->calculateCost();
    if (m_parameter->cost() > before && m_parameter->checkAreaModelCost(false, this)) {
        m_parameter->editImage() = *kept;
        m_parameter->calculateCost();
    }
    m_parameter->selectionWritten();
    updateUI();
}

void ArmModel::showEvent(QShowEvent* event)
{
    followFocusWhileShown([this](QWidget* now) {
        const bool point2 = focusedEditor(m_shapeBoxes, now) >= FirstPoint2Field - RadiusField;
        showMarker(point2 ? 2 : 1);
    });
    PropertyWidget::showEvent(event);
    updateUI();
}

void ArmModel::parameterLoad()
{
    if (!initialized)
        return;
    m_coordinates->rebuildAxisList();
    m_model = qBound(0, m_table->currentIndex(), ModelCount - 1);
    updateUI();
}

// Only this page's section goes back: other pages keep their unapplied edits.
void ArmModel::parameterRestore()
{
    m_copySet = m_copyModel = -1;
    m_parameter->restore(m_scene);
    parameterLoad();
}

// Only this page's section is applied: the whole image would also commit
// other pages' unapplied edits.
void ArmModel::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool ArmModel::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

void ArmModel::selectCurrent()
{
    const int set = shownSet();
    if (m_parameter->m_armModelSet == set && m_parameter->m_selectedElement == m_model)
        return;
    m_parameter->m_armModelSet = set;
    m_parameter->m_selectedElement = m_model;
    m_parameter->selectionWritten();
}

void ArmModel::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_parameter->calculateCost();
    const int set = shownSet();
    m_specField.fill();
    QStringList notes = {hiddenFindings(set == User ? Maker : User), unshownFindings()};
    notes.removeAll(QString());
    m_hiddenFindings->setText(notes.join(QLatin1Char('\n')));
    m_hiddenFindings->setVisible(!notes.isEmpty());
    std::vector<FieldBinding>& shown = fields(set);
    for (FieldBinding& field : shown)
        field.setCell(0, m_model);
    const int stored = coordinateOf(set, m_model);
    m_coordinates->show(stored, set == User, shown[CoordinateField].state());
    for (std::size_t i = KindField; i < shown.size(); ++i)
        shown[i].fill();
    const bool editable = set == User && stored > 0;
    m_kind->setEnabled(editable);
    for (DoubleSpinBox* box : m_shapeBoxes)
        box->setEnabled(editable);
    const bool sphere = shown[KindField].editValue() == Sphere;
    m_point2->setVisible(!sphere);
    m_point2Caption->setVisible(!sphere);
    showRows(set);
    selectCurrent();
    m_copy->setEnabled(true);
    m_paste->setEnabled(canPaste());
    showModified(changed());
    updating = false;
}

// The other set's values that the validator lists, a line each with the
// element, the value and the file's text where that was not kept.
QString ArmModel::hiddenFindings(int set) const
{
    const ParameterImage& image = m_parameter->editImage();
    QStringList lines;
    for (int k = 0; k < ModelCount; ++k)
        for (const FieldBinding& binding : m_fields[std::size_t(set)]) {
            const FieldDef& field = binding.field();
            if (!ValueValidator::isOutside(image, field, 0, k))
                continue;
            const QString value = FieldBinding::listedValue(image, field, 0, k);
            lines << QStringLiteral("%1 %2 %3: %4")
                         .arg(tr("ModelNo"))
                         .arg(k + 1)
                         .arg(definitionLabel(field.no), value);
        }
    return FieldBinding::findingsNote(
        tr("Outside their limits in the set not shown (%1):").arg(m_setBox->itemText(set)), lines);
}

// Stop distance estimation counts to this page, yet no page offers it: its
// values the validator lists are named here, so that the page's mark in the
// menu has a place.
QString ArmModel::unshownFindings() const
{
    const ParameterImage& image = m_parameter->editImage();
    QStringList lines;
    for (int no = FirstStopDistanceParameter; no <= LastStopDistanceParameter; ++no) {
        const FieldDef* field = ParameterLayout::findByNo(no);
        if (field && ValueValidator::isOutside(image, *field, 0, 0))
            lines << definitionLabel(no) + QStringLiteral(": ") +
                         FieldBinding::listedValue(image, *field, 0, 0);
    }
    return FieldBinding::findingsNote(tr("Outside their limits, shown on no page:"), lines);
}

// The Visible marks are the store's display flags of the shown set; an
// element without a coordinate system (number 0) is greyed, unless its
// colour tells of an edit or a value outside its limits, and not drawn.
void ArmModel::showRows(int set)
{
    const QSignalBlocker block(m_table);
    const bool switched = set != m_tableSet;
    m_tableSet = set;
    bool written = false;
    for (int k = 0; k < ModelCount; ++k) {
        const bool used = coordinateOf(set, k) > 0;
        if (switched)
            m_table->setVisibleChecked(k, m_parameter->m_armModelFlags[set][k] != 0);
        const bool shown = used && m_table->isVisibleChecked(k);
        m_table->setVisibleChecked(k, shown);
        quint8 state = 0;
        for (const FieldBinding& field : fields(set))
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(m_parameter, field.field(), 0, k));
        if (state == 0 && coordinateOf(set, k) == 0)
            state = UnusedState;
        m_table->setRowForeground(k, RowColours::of(state));
        written = written || m_parameter->m_armModelFlags[set][k] != quint8(shown);
        m_parameter->m_armModelFlags[set][k] = quint8(shown);
    }
    m_table->setCurrentRow(m_model, true);
    if (written)
        m_parameter->selectionWritten();
}

bool ArmModel::changed() const
{
    return FieldBinding::anyChanged({&m_specField}) || FieldBinding::anyChanged(m_fields[User]);
}

} // namespace Property

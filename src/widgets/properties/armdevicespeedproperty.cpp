#include "widgets/properties/armdevicespeedproperty.h"

#include <array>

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/axistocoordinateno.h"
#include "widgets/buttonsuccess.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/properties/coordinatechoice.h"
#include "widgets/properties/pointeditors.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

constexpr int makerParameters[] = {3301, 3302, 3303, 3304}; // ArmSpeedMkrCoordiNo, X, Y, Z
constexpr int userParameters[] = {3305, 3306, 3307, 3308};  // ArmSpeedCoordiNo, UsrX, Y, Z
constexpr int Maker = 0;
constexpr int User = 1;

} // namespace

ArmSpeed::ArmSpeed(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, 26, parent)
{
    for (int no : makerParameters)
        m_makerFields.emplace_back(parameter, no);
    for (int no : userParameters)
        m_userFields.emplace_back(parameter, no);
}

void ArmSpeed::initialize()
{
    if (initialized)
        return;
    m_copy = new ButtonSuccess(tr("Copy"));
    m_paste = new ButtonSuccess(tr("Paste"));
    m_setBox = new ComboBox;
    m_setBox->addItems({tr("Item Category Maker"), tr("Item Category User")});
    m_table = new SubMenuTable(tr("%1"), PointCount, 3, false, true, true, false);
    m_table->setHeaderText(0, tr("MonitoringPoint"));
    m_table->adjustLayout();
    auto* coordinates = new QFrame;
    m_coordinates = new CoordinateChoice(m_parameter, coordinates, this);
    m_point = new PointEditors;
    for (int axis = 0; axis < 3; ++axis) {
        m_makerFields[std::size_t(axis + 1)] =
            FieldBinding::doubleSpin(m_parameter, makerParameters[axis + 1], m_point->box(axis));
        m_userFields[std::size_t(axis + 1)] =
            FieldBinding::doubleSpin(m_parameter, userParameters[axis + 1], m_point->box(axis));
    }

    auto* points = new QFrame;
    auto* pointColumn = new QVBoxLayout(points);
    auto* category = new QHBoxLayout;
    category->addWidget(new QLabel(tr("Label Category")));
    category->addWidget(m_setBox, 1);
    pointColumn->addLayout(category);
    pointColumn->addWidget(m_table);
    addSection(tr("ArmSpeed"), points);

    auto* form = new QFormLayout(coordinates);
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Joint No"), m_coordinates->axisBox());
    form->addRow(tr("Coordinate No"), m_coordinates->coordinateBox());
    addSection(tr("Title Coordinate No Setting"), coordinates);

    auto* setting = new QFrame;
    auto* settingColumn = new QVBoxLayout(setting);
    settingColumn->addWidget(m_point);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_paste);
    settingColumn->addLayout(buttons);
    addSection(tr("Speed Points Setting"), setting);
    addButtons();
    setTabOrder(m_paste);

    connect(this, &PropertyWidget::apply, this, &ArmSpeed::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &ArmSpeed::cancelRequested);
    connect(m_copy, &QPushButton::clicked, this, &ArmSpeed::copy);
    connect(m_paste, &QPushButton::clicked, this, &ArmSpeed::paste);
    connect(m_setBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &ArmSpeed::switchSet);
    connect(m_table, &SubMenuTable::currentIndexChanged, this, &ArmSpeed::setCurrentIndex);
    connect(m_table, &SubMenuTable::visibleStateChanged, this, [this] { updateUI(); });
    connect(m_coordinates, &CoordinateChoice::chosen, this, &ArmSpeed::chooseCoordinate);
    const std::array<void (ArmSpeed::*)(double), 3> setters = {
        &ArmSpeed::setPoint0, &ArmSpeed::setPoint1, &ArmSpeed::setPoint2};
    for (int axis = 0; axis < 3; ++axis) {
        DoubleSpinBox* box = m_point->box(axis);
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                setters[std::size_t(axis)]);
        connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    }
    connect(m_parameter, &Parameter::parameterChanged, this, &ArmSpeed::reset);
    refreshOnPageLoad();

    initialized = true;
    parameterRestore();
}

void ArmSpeed::reset(Parameter::DataType type)
{
    if (type == Parameter::MasterData) {
        m_pointIndex = 0;
        m_set = Maker;
        {
            const QSignalBlocker blockSet(m_setBox);
            m_setBox->setCurrentIndex(Maker);
            const QSignalBlocker blockTable(m_table);
            for (int p = 0; p < PointCount; ++p)
                m_table->setVisibleChecked(p, false);
        }
        for (auto& set : m_visible)
            std::fill(std::begin(set), std::end(set), false);
        m_coordinates->rebuildAxisList();
        // The maker set is shown again, in the 3D view too.
        if (m_parameter->m_speedPointSet != Maker) {
            m_parameter->m_speedPointSet = Maker;
            m_parameter->selectionWritten();
        }
    }
    updateUI();
}

void ArmSpeed::parameterLoad()
{
    updateUI();
}

// Only the user points go back: the whole image would also take other
// pages' unapplied edits.
void ArmSpeed::parameterRestore()
{
    for (const FieldBinding& field : m_userFields)
        FieldBinding::revertField(m_parameter, field.field());
    m_set = qBound(Maker, m_setBox->currentIndex(), User);
    m_coordinates->rebuildAxisList();
    m_copySet = m_copyPoint = -1;
    updateUI();
}

void ArmSpeed::parameterSave()
{
    for (const FieldBinding& field : m_userFields)
        FieldBinding::applyField(m_parameter, field.field());
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool ArmSpeed::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

void ArmSpeed::setCurrentIndex(int index)
{
    if (updating)
        return;
    m_pointIndex = qBound(0, index, PointCount - 1);
    selectCurrent();
    updateUI();
}

void ArmSpeed::switchSet(int set)
{
    if (updating || set < Maker || set > User)
        return;
    m_set = set;
    {
        const QSignalBlocker block(m_table);
        for (int p = 0; p < PointCount; ++p)
            m_table->setVisibleChecked(p, m_visible[set][p]);
    }
    selectCurrent();
    updateUI();
}

void ArmSpeed::selectCurrent()
{
    if (m_parameter->m_speedPointSet == m_set && m_parameter->m_selectedElement == m_pointIndex)
        return;
    m_parameter->m_speedPointSet = m_set;
    m_parameter->m_selectedElement = m_pointIndex;
    m_parameter->selectionWritten();
}

void ArmSpeed::showEvent(QShowEvent* event)
{
    PropertyWidget::showEvent(event);
    selectCurrent();
    updateUI();
}

void ArmSpeed::setPoint(int axis, double value)
{
    if (updating || m_set != User)
        return;
    m_userFields[std::size_t(axis + 1)].writeCell(0, m_pointIndex, value);
}

void ArmSpeed::setPoint0(double value)
{
    setPoint(0, value);
}

void ArmSpeed::setPoint1(double value)
{
    setPoint(1, value);
}

void ArmSpeed::setPoint2(double value)
{
    setPoint(2, value);
}

void ArmSpeed::writeCoordinate(int number)
{
    m_userFields[0].writeCell(0, m_pointIndex, number);
}

void ArmSpeed::chooseCoordinate(int number)
{
    if (updating || m_set != User)
        return;
    writeCoordinate(number);
    updateUI();
}

void ArmSpeed::coordinateNoSettingClicked()
{
    AxisToCoordinateNo dialog(quint32(qMax(0, coordinateOf(User, m_pointIndex))), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    writeCoordinate(int(dialog.coordinateNo));
    updateUI();
}

void ArmSpeed::copy()
{
    m_copySet = m_set;
    m_copyPoint = m_pointIndex;
    updateUI();
}

bool ArmSpeed::canPaste() const
{
    return m_set == User && m_copySet >= 0 && m_copyPoint >= 0 &&
           !(m_copySet == User && m_copyPoint == m_pointIndex);
}

// The coordinate number and the position of the copied point, maker or
// user, onto the current user point.
void ArmSpeed::paste()
{
    if (!canPaste())
        return;
    const std::vector<FieldBinding>& from = fields(m_copySet);
    for (std::size_t i = 0; i < m_userFields.size(); ++i) {
        m_userFields[i].setCell(0, m_pointIndex);
        m_userFields[i].copyCell(from[i].field(), 0, m_copyPoint);
    }
    updateUI();
}

int ArmSpeed::coordinateOf(int set, int point) const
{
    const std::vector<FieldBinding>& list = set == Maker ? m_makerFields : m_userFields;
    return int(FieldBinding::value(m_parameter->editImage(), list[0].field(), 0, point));
}

void ArmSpeed::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_userFields[0].setCell(0, m_pointIndex);
    const int stored = coordinateOf(m_set, m_pointIndex);
    m_coordinates->show(stored, m_set == User, m_set == User ? m_userFields[0].state() : 0);
    std::vector<FieldBinding>& shown = fields(m_set);
    for (int axis = 0; axis < 3; ++axis) {
        FieldBinding& field = shown[std::size_t(axis + 1)];
        field.setCell(0, m_pointIndex);
        field.fill();
        DoubleSpinBox* box = m_point->box(axis);
        // The maker set shows no edit colours, but a value outside its limits.
        if (m_set == Maker && field.state() != EditState::OutOfLimits)
            box->setState(EditState::Equal);
        box->setEnabled(m_set == User && stored > 0);
    }
    for (int p = 0; p < PointCount; ++p)
        m_visible[m_set][p] = m_table->isVisibleChecked(p);
    showRows();
    m_copy->setEnabled(true);
    m_paste->setEnabled(canPaste());
    showModified(changed());
    showDisplayFlags();
    updating = false;
}

void ArmSpeed::showRows()
{
    const QSignalBlocker block(m_table);
    for (int p = 0; p < PointCount; ++p) {
        m_table->setRowDisabledLook(p, coordinateOf(m_set, p) != 0);
        quint8 state = 0;
        if (m_set == User)
            for (const FieldBinding& field : m_userFields)
                state = FieldBinding::mergeStates(
                    state, FieldBinding::cellState(m_parameter, field.field(), 0, p));
        m_table->setRowForeground(p, RowColours::of(state));
    }
    m_table->setCurrentRow(m_pointIndex, true);
}

void ArmSpeed::showDisplayFlags()
{
    bool written = false;
    for (int set = 0; set < SetCount; ++set)
        for (int p = 0; p < PointCount; ++p) {
            const quint8 flag =
                set == m_set && m_table->isVisibleChecked(p) && coordinateOf(set, p) >= 1;
            written = written || m_parameter->m_armSpeedPointFlags[set][p] != flag;
            m_parameter->m_armSpeedPointFlags[set][p] = flag;
        }
    if (written)
        m_parameter->selectionWritten();
}

bool ArmSpeed::changed() const
{
    return FieldBinding::anyChanged(m_userFields);
}

} // namespace Property

#include "widgets/properties/armdevicespeedproperty.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/axistocoordinateno.h"
#include "widgets/buttonsuccess.h"
#include "widgets/combobox.h"
#include "widgets/comboboxitems.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/pointeditors.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

constexpr int makerParameters[] = {3301, 3302, 3303, 3304}; // ArmSpeedMkrCoordiNo, X, Y, Z
constexpr int userParameters[] = {3305, 3306, 3307, 3308};  // ArmSpeedCoordiNo, UsrX, Y, Z
constexpr int DHPrmAxisNo = 105;
constexpr int CoordinateSystemCount = 50;
constexpr int Maker = 0;
constexpr int User = 1;

// A combo text as a number; "Invalid" gives 0.
int numberOf(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

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
    m_axis = new ComboBox;
    m_coordinate = new ComboBox;
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

    auto* coordinates = new QFrame;
    auto* form = new QFormLayout(coordinates);
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Joint No"), m_axis);
    form->addRow(tr("Coordinate No"), m_coordinate);
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
    connect(m_axis, qOverload<int>(&QComboBox::currentIndexChanged), this, &ArmSpeed::chooseAxis);
    connect(m_coordinate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ArmSpeed::chooseCoordinate);
    for (int axis = 0; axis < 3; ++axis) {
        DoubleSpinBox* box = m_point->box(axis);
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, axis](double value) { setPoint(axis, value); });
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
        rebuildAxisList();
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
    rebuildAxisList();
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

void ArmSpeed::rebuildAxisList()
{
    m_axes = Parameter::usedJointNumbers(m_parameter->editImage());
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_axis->clear();
    m_axis->addItem(tr("Item Invalid"));
    for (quint8 axis : qAsConst(m_axes))
        m_axis->addItem(QString::number(axis));
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

void ArmSpeed::writeCoordinate(int number)
{
    m_userFields[0].writeCell(0, m_pointIndex, number);
}

void ArmSpeed::chooseAxis(int index)
{
    if (updating || m_filling || m_set != User || index < 0)
        return;
    const int axis = index == 0 ? 0 : m_axes.value(index - 1);
    const int stored = coordinateOf(User, m_pointIndex);
    fillCoordinates(axis, 0);
    const int found = m_coordinate->findText(QString::number(stored));
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_coordinate->setCurrentIndex(stored != 0 && found >= 0 ? found : 0);
    }
    writeCoordinate(numberOf(m_coordinate->currentText()));
    updateUI();
}

void ArmSpeed::chooseCoordinate(int index)
{
    if (updating || m_filling || m_set != User || index < 0)
        return;
    writeCoordinate(numberOf(m_coordinate->currentText()));
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

void ArmSpeed::fillCoordinates(int axis, int stored)
{
    const QScopedValueRollback<bool> filling(m_filling, true);
    const QSignalBlocker block(m_coordinate);
    m_coordinate->clear();
    if (axis >= 1 && axis <= Parameter::JointCount)
        for (quint16 system : Parameter::coordinateSystemsOfJoint(m_parameter->editImage(), axis))
            m_coordinate->addItem(QString::number(system));
    if (m_coordinate->count() == 0)
        m_coordinate->addItem(tr("Item Invalid"));
    if (stored == 0) {
        m_coordinate->setCurrentIndex(0);
        return;
    }
    const int found = m_coordinate->findText(QString::number(stored));
    if (found >= 0) {
        m_coordinate->setCurrentIndex(found);
        return;
    }
    // A number that no joint's list holds is kept and shown as it is.
    m_coordinate->addItem(QString::number(stored));
    ComboBoxItems::setEnabled(m_coordinate, m_coordinate->count() - 1, false);
    m_coordinate->setCurrentIndex(m_coordinate->count() - 1);
}

// The axis of the stored coordinate system, then its coordinate list; a
// number outside 1..50 or of a system without a listed axis shows the axis
// as "Invalid" and is never corrected.
void ArmSpeed::showCoordinate(int stored)
{
    int axis = 0;
    if (stored >= 1 && stored <= CoordinateSystemCount)
        axis = int(FieldBinding::value(m_parameter->editImage(), FieldBinding::fieldOf(DHPrmAxisNo),
                                       0, stored - 1));
    const int axisIndex = axis >= 1 ? m_axis->findText(QString::number(axis)) : 0;
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        const QSignalBlocker block(m_axis);
        m_axis->setCurrentIndex(qMax(0, axisIndex));
    }
    fillCoordinates(axisIndex > 0 ? axis : 0, stored);
    m_axis->setEnabled(m_set == User);
    m_coordinate->setEnabled(m_set == User);
    m_coordinate->setState(m_set == User ? m_userFields[0].state() : 0);
    m_axis->setState(0);
}

void ArmSpeed::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_userFields[0].setCell(0, m_pointIndex);
    const int stored = coordinateOf(m_set, m_pointIndex);
    showCoordinate(stored);
    std::vector<FieldBinding>& shown = fields(m_set);
    for (int axis = 0; axis < 3; ++axis) {
        FieldBinding& field = shown[std::size_t(axis + 1)];
        field.setCell(0, m_pointIndex);
        field.fill();
        DoubleSpinBox* box = m_point->box(axis);
        if (m_set == Maker)
            box->setState(0);
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

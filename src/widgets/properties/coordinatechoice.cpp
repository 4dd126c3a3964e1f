#include "widgets/properties/coordinatechoice.h"

#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "parameter/parameter.h"
#include "widgets/combobox.h"
#include "widgets/comboboxitems.h"
#include "widgets/properties/fieldbinding.h"

namespace {

constexpr int DHPrmAxisNo = 105;
constexpr int CoordinateSystemCount = 50;

// A combo text as a number; "Invalid" gives 0.
int numberOf(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

CoordinateChoice::CoordinateChoice(Parameter* store, QWidget* boxParent, QObject* parent)
    : QObject(parent), m_store(store), m_axis(new ComboBox(boxParent)),
      m_coordinate(new ComboBox(boxParent))
{
    connect(m_axis, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CoordinateChoice::chooseAxis);
    connect(m_coordinate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CoordinateChoice::chooseCoordinate);
}

void CoordinateChoice::rebuildAxisList()
{
    m_axes = Parameter::usedJointNumbers(m_store->editImage());
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_axis->clear();
    m_axis->addItem(tr("Item Invalid"));
    for (quint8 axis : qAsConst(m_axes))
        m_axis->addItem(QString::number(axis));
}

// A new axis offers its own systems: the stored number stays when the new
// list holds it, otherwise the first entry is taken.
void CoordinateChoice::chooseAxis(int index)
{
    if (m_filling || index < 0)
        return;
    const int axis = index == 0 ? 0 : m_axes.value(index - 1);
    fillCoordinates(axis, 0);
    const int found = m_coordinate->findText(QString::number(m_stored));
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_coordinate->setCurrentIndex(m_stored != 0 && found >= 0 ? found : 0);
    }
    emit chosen(numberOf(m_coordinate->currentText()));
}

void CoordinateChoice::chooseCoordinate(int index)
{
    if (m_filling || index < 0)
        return;
    emit chosen(numberOf(m_coordinate->currentText()));
}

void CoordinateChoice::fillCoordinates(int axis, int stored)
{
    const QScopedValueRollback<bool> filling(m_filling, true);
    const QSignalBlocker block(m_coordinate);
    m_coordinate->clear();
    if (axis >= 1 && axis <= Parameter::JointCount)
        for (quint16 system : Parameter::coordinateSystemsOfJoint(m_store->editImage(), axis))
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

void CoordinateChoice::show(int stored, bool editable, quint8 state)
{
    m_stored = stored;
    int axis = 0;
    if (stored >= 1 && stored <= CoordinateSystemCount)
        axis = int(FieldBinding::value(m_store->editImage(), FieldBinding::fieldOf(DHPrmAxisNo), 0,
                                       stored - 1));
    const int axisIndex = axis >= 1 ? m_axis->findText(QString::number(axis)) : 0;
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        const QSignalBlocker block(m_axis);
        m_axis->setCurrentIndex(qMax(0, axisIndex));
    }
    fillCoordinates(axisIndex > 0 ? axis : 0, stored);
    m_axis->setEnabled(editable);
    m_coordinate->setEnabled(editable);
    m_coordinate->setState(state);
    m_axis->setState(0);
}

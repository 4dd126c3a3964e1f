#include "widgets/properties/targetdevices.h"

#include <QSignalBlocker>

#include "parameter/parameter.h"
#include "widgets/combobox.h"
#include "widgets/comboboxitems.h"
#include "widgets/properties/fieldbinding.h"

namespace Property {

void TargetDevices::reload(const Parameter* store, int targetParameterNo)
{
    double lower = 0, upper = 0;
    const bool limited = FieldBinding::limits(targetParameterNo, &lower, &upper);
    const QMap<QString, int> numbers = Parameter::deviceNameMap();
    const QSignalBlocker block(m_box);
    m_box->clear();
    m_numbers.clear();
    for (const QString& name : store->devicesInUse()) {
        const int number = numbers.value(name, -1);
        if (number < 0 || (limited && (number < lower || number > upper)))
            continue;
        m_box->addItem(name);
        m_numbers.insert(name, number);
    }
    m_count = m_box->count();
}

bool TargetDevices::show(int target, quint8 state)
{
    const QString name = m_numbers.key(target, QString());
    const int index = name.isEmpty() ? -1 : m_box->findText(name);
    const bool known = index >= 0 && index < m_count;
    const bool changes = known ? index != m_box->currentIndex() : showsListed();
    {
        const QSignalBlocker block(m_box);
        while (m_box->count() > m_count)
            m_box->removeItem(m_box->count() - 1);
        if (known) {
            m_box->setCurrentIndex(index);
        } else {
            m_box->addItem(QString::number(target));
            ComboBoxItems::setEnabled(m_box, m_count, false);
            m_box->setCurrentIndex(m_count);
        }
    }
    m_box->setState(state);
    return changes;
}

int TargetDevices::numberOf(const QString& name) const
{
    return m_numbers.value(name, -1);
}

bool TargetDevices::showsListed() const
{
    return m_box->currentIndex() >= 0 && m_box->currentIndex() < m_count;
}

QString TargetDevices::nameOf(int number)
{
    return number >= 1 && number < Parameter::deviceNames.size() ? Parameter::deviceNames.at(number)
                                                                 : QString::number(number);
}

} // namespace Property

#include "widgets/properties/targetdevicebox.h"

#include <QSignalBlocker>

#include <limits>

#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/combobox.h"
#include "widgets/comboboxitems.h"
#include "widgets/msgbox.h"
#include "widgets/properties/fieldbinding.h"

TargetDeviceBox::TargetDeviceBox(const Parameter* store, QWidget* parent)
    : m_store(store), m_box(new ComboBox(parent)), m_numbers(Parameter::deviceNameMap()),
      m_lower(-std::numeric_limits<double>::infinity()),
      m_upper(std::numeric_limits<double>::infinity())
{
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void TargetDeviceBox::limitTo(int targetParameterNo)
{
    ValueValidator::limitsOf(targetParameterNo, &m_lower, &m_upper);
}

void TargetDeviceBox::reload()
{
    const QSignalBlocker block(m_box);
    m_box->clear();
    for (const QString& name : m_store->devicesInUse()) {
        const int number = m_numbers.value(name, -1);
        if (number >= m_lower && number <= m_upper)
            m_box->addItem(name);
    }
    m_count = m_box->count();
}

bool TargetDeviceBox::show(int target, quint8 state)
{
    const int index = m_box->findText(m_numbers.key(target, QString()));
    const bool known = index >= 0 && index < m_count;
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
    const QStringList joints = jointsOf(target);
    const bool changed = joints != m_joints;
    m_joints = joints;
    return changed;
}

QStringList TargetDeviceBox::jointsOf(int target) const
{
    const QString name = m_numbers.key(target, QString());
    const int index = m_box->findText(name);
    return index >= 0 && index < m_count ? m_store->jointsByDevice().value(name) : QStringList();
}

int TargetDeviceBox::choose(const QString& name, QWidget* parent, const FieldDef& monitored,
                            int row)
{
    const int index = m_box->findText(name);
    if (!m_numbers.contains(name) || index < 0 || index >= m_count)
        return 0;
    for (const QString& label : qAsConst(m_joints)) {
        const int joint = jointOf(label);
        if (joint > 0 &&
            FieldBinding::value(m_store->editImage(), monitored, row, joint - 1) == 1) {
            MsgBox::warnDeviceChange(parent);
            break;
        }
    }
    m_joints = m_store->jointsByDevice().value(name);
    return m_numbers.value(name);
}

int TargetDeviceBox::jointOf(const QString& label)
{
    const int joint = label.toInt();
    return joint >= 1 && joint <= Parameter::JointCount ? joint : 0;
}

QString TargetDeviceBox::nameOf(int target)
{
    return target >= 1 && target < Parameter::deviceNames.size() ? Parameter::deviceNames.at(target)
                                                                 : QString::number(target);
}

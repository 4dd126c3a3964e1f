#pragma once

#include <QMap>
#include <QString>

class ComboBox;
class Parameter;

namespace Property {

// The target robot or device choice of an item: the devices that the
// joints of the loaded set use, by name, in a combo box. A stored number
// that names none of them shows as an extra, disabled entry with the
// number, so it stays as it is until the user picks a device.
class TargetDevices
{
public:
    explicit TargetDevices(ComboBox* box = nullptr) : m_box(box) {}

    // Lists the devices in use whose numbers the target parameter's limits
    // allow, so that no choice is clamped to another device when stored.
    void reload(const Parameter* store, int targetParameterNo);
    // Shows a stored target with its edit state, quietly; true when the
    // box shows another entry than before.
    bool show(int target, quint8 state);
    // The number of a listed device name; -1 for any other text.
    int numberOf(const QString& name) const;
    // Whether the box shows a listed device, not a stored number.
    bool showsListed() const;
    // The name of a device number (1 the robot), else the number itself.
    static QString nameOf(int number);

private:
    ComboBox* m_box;
    QMap<QString, int> m_numbers;
    int m_count = 0;
};

} // namespace Property

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class ComboBox;
class Parameter;
class QWidget;
struct FieldDef;

// The target robot or device of an item, shared by the pages whose items
// watch the joints of one target: a combo box of the devices in use, the
// joints of the shown target and the warning when a change of target leaves
// monitored joints behind.
class TargetDeviceBox
{
public:
    // The box is made with the given parent.
    explicit TargetDeviceBox(const Parameter* store, QWidget* parent = nullptr);

    ComboBox* box() const { return m_box; }
    // Lists from now on only the devices whose numbers the target
    // parameter's limits allow, so that no choice is clamped to another
    // device when it is stored.
    void limitTo(int targetParameterNo);
    // Refills the entries from the devices in use; the joints shown stay.
    void reload();
    // Shows a stored target (an Assignment value). A number that names no
    // target of the list shows as an extra, disabled entry with no joints,
    // so nothing of another target can be edited. Writes nothing; returns
    // whether the joints shown changed.
    bool show(int target, quint8 state);
    // The entry the user chose: 0 when it names no listed target, else its
    // number. The joints of the target shown before that the item monitors
    // (value 1 in the item's row of the field) are no longer monitored:
    // parent is told so once. The flags themselves stay as they are.
    int choose(const QString& name, QWidget* parent, const FieldDef& monitored, int row);
    // Labels ("1" to "18") of the joints of the shown target.
    const QStringList& joints() const { return m_joints; }
    // The joints that show(target) would offer: none for a target that is
    // not listed.
    QStringList jointsOf(int target) const;
    // Joint number 1..18 of a label, or 0.
    static int jointOf(const QString& label);
    // The name of a target number (1 the robot), else the number itself:
    // a target shown read-only.
    static QString nameOf(int target);

private:
    const Parameter* m_store;
    ComboBox* m_box;
    QMap<QString, int> m_numbers;
    double m_lower;
    double m_upper;
    // Entries that name a target; a further one shows a stored target
    // without a name.
    int m_count = 0;
    QStringList m_joints;
};

#pragma once

#include <QElapsedTimer>
#include <QTreeWidget>

class LogicTableModel;

// The signals a result can drive, grouped into internal safety inputs, user
// safety outputs and network safety outputs, each with a check box (checked:
// this result drives it) and the result that drives it now. A signal that
// another result drives cannot be checked here; it names its driver. The
// names come first, so that typing the start of one finds it: a Space typed
// within such a search goes on searching and never ticks a box. A signal
// whose assignment the checks refuse, or whose entry holds a value the
// validator lists (a file text the set did not keep), is red, with the
// reason in its tip.
class LogicAssignmentTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit LogicAssignmentTree(QWidget* parent = nullptr);

    // Shows the assignments of the working copy for one result.
    void showResult(const LogicTableModel& model, int result);
    int result() const { return m_result; }
    // The item of a driven signal, or null.
    QTreeWidgetItem* itemOf(int signal) const;

signals:
    // The user checked or cleared a signal's box.
    void drivenChanged(int result, int signal, bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    void addGroup(const QString& title, int first, int count);

    int m_result = 0;
    bool m_filling = false;
    // Since the last key of a type-ahead search; invalid when none runs.
    QElapsedTimer m_typing;
};

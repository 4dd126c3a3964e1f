#pragma once

#include <QComboBox>

// Combo box of the comparison view. It takes the focus only by Tab, and Up and
// Down without Shift or Control walk the focus chain instead of changing the
// item, so the arrow keys move through a column of these boxes. The wheel
// changes the item only while the box has the keyboard focus.
class DiffComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DiffComboBox(QWidget* parent = nullptr);

public slots:
    void setItemEnabled(int index, bool enabled);
    void setItemHidden(int index, bool hidden);
    // Gives item index the checked mark when checked is true, else the
    // unchecked one.
    void checkedDisable(int index, bool ComboCeck);
    void keyPressEvent(QKeyEvent* event) override;

protected:
    void wheelEvent(QWheelEvent* event) override;
};

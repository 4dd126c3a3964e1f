#pragma once

#include <QComboBox>

// Combo box of the dark theme; its text colour shows the edit state. Until
// the first setState it carries no edit-state object name. The wheel changes
// the item only while the box has the keyboard focus.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    void setState(quint8 state);
    // Gives item index the checked or unchecked mark (12 x 12 icons shared by
    // every combo box).
    void setItemCheckIcon(int index, bool checked);

protected:
    void wheelEvent(QWheelEvent* event) override;

public slots:
    void setItemEnabled(int index, bool enabled);
    void setItemHidden(int index, bool hidden);
};

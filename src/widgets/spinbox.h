#pragma once

#include <QSpinBox>

// Integer box of the dark theme without step buttons; its text colour shows the
// edit state. The wheel changes it only while it has the keyboard focus. focussed() follows the
// toolkit's own focus handling.
class SpinBox : public QSpinBox
{
    Q_OBJECT

public:
    SpinBox(int minimum, int maximum, QWidget* parent = nullptr);
    explicit SpinBox(QWidget* parent = nullptr);

    void setState(quint8 state);

signals:
    void focussed(bool hasFocus);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

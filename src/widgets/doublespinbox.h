#pragma once

#include <QDoubleSpinBox>

// Real-number box of the dark theme without step buttons, right-aligned,
// showing one decimal by default; its text colour shows the edit state.
//
// The box shows its value rounded to decimals() but keeps the value it was
// given unrounded: a stored 12.34 shown as "12.3" still reads back (value(),
// valueChanged) as 12.34 until the user enters another number. Typed input
// accepts at most decimals() decimals. Use this class's decimals() and
// setDecimals() (not QDoubleSpinBox's) to change the number of decimals shown.
// A value of a billion and more (a stored value far outside any limits)
// shows in exponent form, so that no box cuts it off.
//
// A click into the box selects its whole text; the wheel changes the value
// only while the box has the keyboard focus. focussed() follows the
// toolkit's own focus handling.
class DoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    DoubleSpinBox(double minimum, double maximum, QWidget* parent = nullptr);
    explicit DoubleSpinBox(QWidget* parent = nullptr);

    void setState(quint8 state);

    int decimals() const { return m_shownDecimals; }
    void setDecimals(int decimals);

    bool eventFilter(QObject* watched, QEvent* event) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

public slots:
    void setValueF(float value);

signals:
    void focussed(bool hasFocus);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_shownDecimals = 1;
};

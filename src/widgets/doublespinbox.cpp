#include "doublespinbox.h"

#include "editstate.h"
#include "polishstyle.h"
#include "wheelguard.h"
#include "widgetstylesheets.h"

#include <QEvent>
#include <QLineEdit>

#include <cmath>

namespace {
// QDoubleSpinBox rounds every value it holds to its decimals. The base class
// therefore keeps enough of them for a double to come back unchanged (values in
// millimetres and degrees); only the text is rounded to the decimals shown.
constexpr int storedDecimals = 15;
} // namespace

DoubleSpinBox::DoubleSpinBox(double minimum, double maximum, QWidget* parent)
    : DoubleSpinBox(parent)
{
    setRange(minimum, maximum);
}

DoubleSpinBox::DoubleSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
    PolishStyle::set(this, WidgetStyleSheets::doubleSpinBox);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    setDecimals(1);
    WheelGuard::install(this);
    const QList<QLineEdit*> edits = findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits)
        edit->installEventFilter(this);
}

void DoubleSpinBox::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::doubleSpinBox);
}

void DoubleSpinBox::setDecimals(int decimals)
{
    m_shownDecimals = qBound(0, decimals, storedDecimals);
    // Setting the base decimals re-renders the text with the new count.
    QDoubleSpinBox::setDecimals(storedDecimals);
}

void DoubleSpinBox::setValueF(float value)
{
    setValue(double(value));
}

bool DoubleSpinBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && isEnabled()) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            edit->selectAll();
            return true;
        }
    }
    return QDoubleSpinBox::eventFilter(watched, event);
}

QString DoubleSpinBox::textFromValue(double value) const
{
    // A far value (a stored 1e30) would run to dozens of digits and be cut
    // off by any box: it reads in exponent form ("1e+30") instead.
    constexpr double farValue = 1e9;
    QString text = std::abs(value) >= farValue ? locale().toString(value, 'g', 7)
                                               : locale().toString(value, 'f', m_shownDecimals);
    if (!isGroupSeparatorShown())
        text.remove(locale().groupSeparator());
    return text;
}

double DoubleSpinBox::valueFromText(const QString& text) const
{
    // The text the box itself shows for its value stands for that value, not
    // for the rounded number it reads as: Return or focus-out on an untouched
    // box must not round the value.
    const double current = value();
    if (text == textFromValue(current) || text == prefix() + textFromValue(current) + suffix())
        return current;
    return QDoubleSpinBox::valueFromText(text);
}

QValidator::State DoubleSpinBox::validate(QString& text, int& pos) const
{
    const QValidator::State state = QDoubleSpinBox::validate(text, pos);
    if (state == QValidator::Invalid)
        return state;
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    const int point = number.indexOf(locale().decimalPoint());
    if (point >= 0 && (m_shownDecimals == 0 || number.size() - point - 1 > m_shownDecimals))
        return QValidator::Invalid;
    return state;
}

void DoubleSpinBox::keyPressEvent(QKeyEvent* event)
{
    QAbstractSpinBox::keyPressEvent(event);
}

void DoubleSpinBox::focusInEvent(QFocusEvent* event)
{
    QDoubleSpinBox::focusInEvent(event);
    emit focussed(true);
}

void DoubleSpinBox::focusOutEvent(QFocusEvent* event)
{
    QDoubleSpinBox::focusOutEvent(event);
    emit focussed(false);
}

void DoubleSpinBox::wheelEvent(QWheelEvent* event)
{
    if (WheelGuard::takes(this, event))
        QDoubleSpinBox::wheelEvent(event);
}

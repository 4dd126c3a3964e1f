#include "spinbox.h"

#include "editstate.h"
#include "polishstyle.h"
#include "wheelguard.h"
#include "widgetstylesheets.h"

SpinBox::SpinBox(int minimum, int maximum, QWidget* parent) : SpinBox(parent)
{
    setRange(minimum, maximum);
}

SpinBox::SpinBox(QWidget* parent) : QSpinBox(parent)
{
    PolishStyle::set(this, WidgetStyleSheets::spinBox);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight);
    setAccelerated(true);
    WheelGuard::install(this);
}

void SpinBox::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::spinBox);
}

void SpinBox::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    emit focussed(true);
}

void SpinBox::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    emit focussed(false);
}

void SpinBox::wheelEvent(QWheelEvent* event)
{
    if (WheelGuard::takes(this, event))
        QSpinBox::wheelEvent(event);
}

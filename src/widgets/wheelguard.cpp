#include "wheelguard.h"

#include <QWheelEvent>
#include <QWidget>

namespace WheelGuard {

void install(QWidget* box)
{
    if (box->focusPolicy() == Qt::WheelFocus)
        box->setFocusPolicy(Qt::StrongFocus);
}

bool takes(QWidget* box, QWheelEvent* event)
{
    if (box->hasFocus())
        return true;
    event->ignore();
    return false;
}

} // namespace WheelGuard

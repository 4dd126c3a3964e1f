#include "returnkeyclick.h"

#include <QAbstractButton>
#include <QKeyEvent>

bool clickOnReturnKey(QAbstractButton* button, QKeyEvent* event)
{
    event->ignore();
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    button->click();
    // The key is consumed here: handing it on to QPushButton would click an
    // auto-default button (every button inside a dialog) a second time.
    event->accept();
    return true;
}

#include "buttonsecondary.h"

#include "returnkeyclick.h"
#include "widgetstylesheets.h"

ButtonSecondary::ButtonSecondary(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setStyleSheet(WidgetStyleSheets::buttonSecondary);
}

void ButtonSecondary::keyPressEvent(QKeyEvent* event)
{
    clickOnReturnKey(this, event);
}

#include "buttonprimary.h"

#include "returnkeyclick.h"
#include "widgetstylesheets.h"

ButtonPrimary::ButtonPrimary(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setStyleSheet(WidgetStyleSheets::buttonPrimary);
}

void ButtonPrimary::keyPressEvent(QKeyEvent* event)
{
    clickOnReturnKey(this, event);
}

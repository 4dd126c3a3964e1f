#include "buttonprimary.h"

#include "polishstyle.h"
#include "returnkeyclick.h"
#include "widgetstylesheets.h"

ButtonPrimary::ButtonPrimary(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    PolishStyle::set(this, WidgetStyleSheets::buttonPrimary);
}

void ButtonPrimary::keyPressEvent(QKeyEvent* event)
{
    clickOnReturnKey(this, event);
}

#include "buttonsecondary.h"

#include "polishstyle.h"
#include "returnkeyclick.h"
#include "widgetstylesheets.h"

ButtonSecondary::ButtonSecondary(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    PolishStyle::set(this, WidgetStyleSheets::buttonSecondary);
}

void ButtonSecondary::keyPressEvent(QKeyEvent* event)
{
    clickOnReturnKey(this, event);
}

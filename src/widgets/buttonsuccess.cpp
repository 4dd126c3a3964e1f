#include "buttonsuccess.h"

#include "editstate.h"
#include "polishstyle.h"
#include "widgetstylesheets.h"

ButtonSuccess::ButtonSuccess(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    PolishStyle::set(this, WidgetStyleSheets::buttonSuccess);
}

ButtonSuccess::ButtonSuccess(QWidget* parent) : ButtonSuccess(QString(), parent) {}

void ButtonSuccess::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::buttonSuccess);
}

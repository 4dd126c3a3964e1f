#include "buttonsuccess.h"

#include "editstate.h"
#include "widgetstylesheets.h"

ButtonSuccess::ButtonSuccess(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setStyleSheet(WidgetStyleSheets::buttonSuccess);
}

ButtonSuccess::ButtonSuccess(QWidget* parent) : ButtonSuccess(QString(), parent) {}

void ButtonSuccess::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::buttonSuccess);
}

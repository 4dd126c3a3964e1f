#include "checkbox.h"

#include "editstate.h"
#include "widgetstylesheets.h"

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    setStyleSheet(WidgetStyleSheets::checkBox);
}

void CheckBox::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::checkBox);
}

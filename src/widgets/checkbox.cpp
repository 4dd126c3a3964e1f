#include "checkbox.h"

#include "editstate.h"
#include "polishstyle.h"
#include "widgetstylesheets.h"

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    PolishStyle::set(this, WidgetStyleSheets::checkBox);
}

void CheckBox::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::checkBox);
}

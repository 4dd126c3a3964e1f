#include "toggleswitch.h"

#include "editstate.h"
#include "polishstyle.h"
#include "widgetstylesheets.h"

ToggleSwitch::ToggleSwitch(QWidget* parent) : QCheckBox(parent)
{
    PolishStyle::set(this, WidgetStyleSheets::toggleSwitch);
}

void ToggleSwitch::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::toggleSwitch);
}

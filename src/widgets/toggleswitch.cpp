#include "toggleswitch.h"

#include "editstate.h"
#include "widgetstylesheets.h"

ToggleSwitch::ToggleSwitch(QWidget* parent) : QCheckBox(parent)
{
    setStyleSheet(WidgetStyleSheets::toggleSwitch);
}

void ToggleSwitch::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::toggleSwitch);
}

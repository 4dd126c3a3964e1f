#include "spinboxlighttheme.h"

#include "editstate.h"
#include "widgetstylesheets.h"

SpinBoxLightTheme::SpinBoxLightTheme(int minimum, int maximum, QWidget* parent) : SpinBox(parent)
{
    setRange(minimum, maximum);
}

void SpinBoxLightTheme::setState(quint8 state)
{
    EditState::apply(this, EditState::objectName(state), WidgetStyleSheets::spinBoxLightTheme);
}

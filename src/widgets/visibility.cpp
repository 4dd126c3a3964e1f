#include "visibility.h"

#include "polishstyle.h"
#include "widgetstylesheets.h"

Visibility::Visibility(bool white, QWidget* parent) : QCheckBox(parent)
{
    PolishStyle::set(this, white ? WidgetStyleSheets::visibilityWhite
                                 : WidgetStyleSheets::visibilityBlack);
}

#include "visibility.h"

#include "widgetstylesheets.h"

Visibility::Visibility(bool white, QWidget* parent) : QCheckBox(parent)
{
    setStyleSheet(white ? WidgetStyleSheets::visibilityWhite : WidgetStyleSheets::visibilityBlack);
}

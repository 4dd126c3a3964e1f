#include "buttonsync.h"

#include "polishstyle.h"
#include "widgetstylesheets.h"

ButtonSync::ButtonSync(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("sync-button"));
    PolishStyle::set(this, WidgetStyleSheets::buttonSync);
}

#include "buttonsync.h"

#include "widgetstylesheets.h"

ButtonSync::ButtonSync(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("sync-button"));
    setStyleSheet(WidgetStyleSheets::buttonSync);
}

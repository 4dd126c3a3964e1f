#include "editstate.h"

#include "polishstyle.h"

#include <QWidget>

namespace EditState {

QString objectName(quint8 state)
{
    switch (state) {
    case Changed:
        return QStringLiteral("form-changed");
    case Updated:
        return QStringLiteral("form-updated");
    case OutOfLimits:
        return QStringLiteral("form-invalid");
    default:
        return QString();
    }
}

QString comboObjectName(quint8 state)
{
    switch (state) {
    case Changed:
        return QStringLiteral("form-select-changed");
    case Updated:
        return QStringLiteral("form-select-updated");
    case OutOfLimits:
        return QStringLiteral("form-select-invalid");
    default:
        return QStringLiteral("form-select");
    }
}

void apply(QWidget* widget, const QString& objectName, const QString& styleSheet)
{
    if (widget->objectName() == objectName && PolishStyle::styleSheet(widget) == styleSheet)
        return;
    widget->setObjectName(objectName);
    PolishStyle::set(widget, styleSheet);
}

} // namespace EditState

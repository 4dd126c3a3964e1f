#include "editstate.h"

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
    if (widget->objectName() == objectName && widget->styleSheet() == styleSheet)
        return;
    widget->setObjectName(objectName);
    widget->setStyleSheet(styleSheet);
}

} // namespace EditState

#include "editstate.h"

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

} // namespace EditState

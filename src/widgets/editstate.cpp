#include "editstate.h"

namespace EditState {

QString objectName(quint8 state)
{
    switch (state) {
    case Changed:
        return QStringLiteral("form-changed");
    case Updated:
        return QStringLiteral("form-updated");
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
    default:
        return QStringLiteral("form-select");
    }
}

} // namespace EditState

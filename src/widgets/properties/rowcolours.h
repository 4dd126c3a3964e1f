#pragma once

#include <QColor>
#include <QtGlobal>

// Text colours of item table rows by edit state, shared by the panels:
// equal, changed (blue), updated (orange), a grey fourth entry, and red for
// a row that holds a value outside its limits.
namespace RowColours {

inline QColor of(quint8 state)
{
    static const QColor colours[] = {QColor(228, 228, 228), QColor(30, 144, 255),
                                     QColor(255, 165, 0), QColor(108, 117, 125),
                                     QColor(255, 64, 64)};
    return colours[state < 5 ? state : 0];
}

} // namespace RowColours

#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// Edit state of a field as the styled widgets show it: the state becomes the
// widget's object name, which the widget's own style sheet colours.
namespace EditState {
enum : quint8
{
    Equal = 0,   // edit value equals the applied value
    Changed = 1, // edit value differs from the applied value (blue)
    Updated = 2, // applied but different from the unit's value (orange)
    // 3 is the grey of unused table rows (RowColours).
    OutOfLimits = 4, // the stored value lies outside its limits (red); wins over the others
};

// "", "form-changed", "form-updated" or "form-invalid"; any other state counts as Equal.
QString objectName(quint8 state);
// "form-select", "form-select-changed", "form-select-updated" or
// "form-select-invalid" (combo boxes).
QString comboObjectName(quint8 state);
// Gives the widget the object name and re-applies its style sheet, which Qt
// needs to colour by a new name. A widget that already has both is left
// alone: re-applying a sheet re-styles the widget, and panels set the state
// of every editor on each refresh.
void apply(QWidget* widget, const QString& objectName, const QString& styleSheet);
} // namespace EditState

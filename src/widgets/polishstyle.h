#pragma once

#include <QString>

class QWidget;

// Gives a themed widget its fixed style sheet when Qt first polishes it, that
// is when its window is first shown or it is first measured, instead of at
// construction. A widget that carries a sheet of its own is re-styled, with
// its whole subtree, each time it or an ancestor moves to a new parent; the
// panels build their editors before they place them, so each sheet waits
// until its widget has found its place and is then read once.
namespace PolishStyle {
// Sets the sheet at once on a polished widget, else when it is polished. An
// empty sheet also drops one still waiting. A sheet that the widget is given
// directly before it is polished wins over the waiting one.
void set(QWidget* widget, const QString& styleSheet);
// The sheet the widget has or will have.
QString styleSheet(const QWidget* widget);

// While a Hold lives, Qt's early polish of new widgets whose window has not
// been shown yet is skipped; they are polished, and take their sheets, when
// their window is shown or they are measured. The main window holds while it
// builds and places its panels, as the start-up steps it reports process
// pending events.
class Hold
{
public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
};
// Whether a Hold lives: widgets built now are still to be placed.
bool isHeld();
} // namespace PolishStyle

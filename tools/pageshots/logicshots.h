#pragma once

#include <QStringList>

// Choices on the logical operation editor (scene 36): "demo" enters a dozen
// formulas through the editor's table, one of them with a missing input and
// one reading a later result; "u" shows only the results in use; "r<n>"
// makes result n current; "a" presses Apply.
void chooseLogic(const QStringList& choices);

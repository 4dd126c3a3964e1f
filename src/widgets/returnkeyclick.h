#pragma once

class QAbstractButton;
class QKeyEvent;

// Return and Enter click the focused styled button wherever it stands; every
// other key (Space included) is left ignored for the parent. Returns true when
// the key was taken.
bool clickOnReturnKey(QAbstractButton* button, QKeyEvent* event);

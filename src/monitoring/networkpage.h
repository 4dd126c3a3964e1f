#pragma once

class QGridLayout;
class QLineEdit;
class QMargins;
class QWidget;

// What the three safety network pages share: the monitoring style sheet,
// the object name, the Esc shortcut (emits the page's exitRequest()) and
// the read-only value fields.
void setupNetworkPage(QWidget* page, const char* objectName);
// A read-only, right-aligned field without tab focus, as wide as count
// times the character.
QLineEdit* createValueField(QWidget* parent, int count, char character);
// The grid of the parameter and status pages: columns 0 to 5 as wide as
// their cells, column 6 takes the rest.
QGridLayout* createNetworkGrid(QWidget* page, const QMargins& margins);

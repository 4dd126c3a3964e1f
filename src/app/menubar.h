#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

// The main window's menus: file and unit exchange through the data provider,
// the 3D view's plane and projection, and the language of the next start.
// Enabled states and check marks are recomputed each time a menu opens.
class MenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit MenuBar(QWidget* parent = nullptr);

private:
    void setupMenus();
    void showLanguageChangeMessage(const QString& langCode);
};

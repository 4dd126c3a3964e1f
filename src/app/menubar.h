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

    QMenu* m_fileMenu = nullptr;
    QAction* m_openFile = nullptr;
    QAction* m_verifyFile = nullptr;
    QAction* m_outputFile = nullptr;
    QMenu* m_unitMenu = nullptr;
    QAction* m_readUnit = nullptr;
    QAction* m_verifyUnit = nullptr;
    QAction* m_writeUnit = nullptr;
    QAction* m_readRobotData = nullptr;
    QAction* m_changePassword = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_planeMenu = nullptr;
    QAction* m_planeActions[4] = {};
    QMenu* m_projectionMenu = nullptr;
    QAction* m_perspective = nullptr;
    QAction* m_parallel = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QAction* m_languageActions[4] = {};
};

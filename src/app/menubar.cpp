#include "menubar.h"

#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "app/core/startupstate.h"
#include "app/mainwindow.h"
#include "io/dataprovider.h"
#include "view3d/glwidget.h"

#include <QMenu>
#include <QMessageBox>

namespace {

const char* const menuBarStyle = R"(
QMenuBar {
    background-color: #232323;
    color: #e4e4e4;
}
QMenuBar::item {
    background-color: #232323;
}
QMenuBar::item:selected {
    background: #424242;
}
QMenuBar::item:disabled {
    color: #808080;
}
QMenuBar QMenu {
    background-color: #232323;
    color: #e4e4e4;
}
QMenuBar QMenu:selected {
    background: #5076b2;
}
QMenuBar QMenu:disabled {
    background-color: #232323;
    color: #808080;
}
QMenu::separator {
    height: 1px;
    background: #808080;
    margin: 0.3em 0px 0.3em 0px;
}
)";

} // namespace

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent)
{
    setupMenus();
}

void MenuBar::setupMenus()
{
    setStyleSheet(QLatin1String(menuBarStyle));

    m_fileMenu = addMenu(tr("File(&F)"));
    m_openFile = m_fileMenu->addAction(tr("Open File(&O)"));
    m_verifyFile = m_fileMenu->addAction(tr("Verify File(&V)"));
    m_outputFile = m_fileMenu->addAction(tr("Output ParameterFile(&S)"));

    m_unitMenu = addMenu(tr("Orbilux(&C)"));
    m_readUnit = m_unitMenu->addAction(tr("Read Orbilux(&R)"));
    m_verifyUnit = m_unitMenu->addAction(tr("Verify Orbilux(&V)"));
    m_writeUnit = m_unitMenu->addAction(tr("Write Orbilux(&W)"));
    m_unitMenu->addSeparator();
    m_readRobotData = m_unitMenu->addAction(tr("Read RobotData(&B)"));
    m_unitMenu->addSeparator();
    m_changePassword = m_unitMenu->addAction(tr("Change Password(&P)"));

    m_viewMenu = addMenu(tr("View(&V)"));
    m_planeMenu = m_viewMenu->addMenu(tr("Plane(&N)"));
    m_planeActions[0] = m_planeMenu->addAction(tr("Reset(&0)"));
    m_planeActions[1] = m_planeMenu->addAction(tr("XZ(&1)"));
    m_planeActions[2] = m_planeMenu->addAction(tr("XY(&2)"));
    m_planeActions[3] = m_planeMenu->addAction(tr("YZ(&3)"));
    m_projectionMenu = m_viewMenu->addMenu(tr("Projection(&J)"));
    m_perspective = m_projectionMenu->addAction(tr("PerspectiveProjection(&S)"));
    m_parallel = m_projectionMenu->addAction(tr("ParallelProjection(&L)"));

    m_settingMenu = addMenu(tr("Setting(&S)"));
    m_languageMenu = m_settingMenu->addMenu(tr("Language(&L)"));
    m_languageActions[0] = m_languageMenu->addAction(tr("Japanese(&J)"));
    m_languageActions[1] = m_languageMenu->addAction(tr("English(&E)"));
    m_languageActions[2] = m_languageMenu->addAction(tr("Chinese(&C)"));
    m_languageActions[3] = m_languageMenu->addAction(tr("Korean(&K)"));

    auto* window =
        static_cast<QWidget*>(findAncestorInheriting(this, &MainWindow::staticMetaObject));
    DataProvider* provider = DataProvider::instance();
    const auto connectOperation =
        [this, window, provider](QAction* action, bool (DataProvider::*operation)(QWidget*)) {
            connect(action, &QAction::triggered, this, [window, provider, operation] {
                if (provider)
                    (provider->*operation)(window);
            });
        };
    connectOperation(m_openFile, &DataProvider::readFile);
    connectOperation(m_verifyFile, &DataProvider::verifyFile);
    connectOperation(m_outputFile, &DataProvider::writeFile);
    connectOperation(m_readUnit, &DataProvider::readSAFM);
    connectOperation(m_verifyUnit, &DataProvider::verifySAFM);
    connectOperation(m_writeUnit, &DataProvider::writeSAFM);
    connectOperation(m_readRobotData, &DataProvider::readRobotParam);
    connectOperation(m_changePassword, &DataProvider::setPass);

    connect(m_unitMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : {m_readUnit, m_verifyUnit, m_writeUnit, m_changePassword})
            action->setEnabled(isOnline);
    });

    GLWidget* view = GLWidget::instance();
    for (int preset = 0; preset < 4; ++preset) {
        m_planeActions[preset]->setCheckable(true);
        connect(m_planeActions[preset], &QAction::triggered, this, [view, preset] {
            if (!view)
                return;
            view->camera().setPreset(unsigned(preset));
            // The camera does not repaint by itself and the view has no
            // repaint timer: without this the plane would show only after
            // the next resize.
            view->update();
        });
    }
    connect(m_planeMenu, &QMenu::aboutToShow, this, [this, view] {
        const unsigned current = view ? view->camera().preset() : 0;
        for (unsigned preset = 0; preset < 4; ++preset)
            m_planeActions[preset]->setChecked(preset == current);
    });

    m_perspective->setCheckable(true);
    m_parallel->setCheckable(true);
    connect(m_projectionMenu, &QMenu::aboutToShow, this, [this, view] {
        const bool perspective = view && view->isPerspective();
        m_perspective->setChecked(perspective);
        m_parallel->setChecked(!perspective);
    });
    connect(m_perspective, &QAction::triggered, this, [view] {
        if (view)
            view->setPerspective(true, false);
    });
    connect(m_parallel, &QAction::triggered, this, [view] {
        if (view)
            view->setPerspective(false, false);
    });

    const char* const codes[4] = {"ja", "en", "zh", "ko"};
    for (int i = 0; i < 4; ++i) {
        const QString code = QLatin1String(codes[i]);
        connect(m_languageActions[i], &QAction::triggered, this,
                [this, code] { showLanguageChangeMessage(code); });
    }
}

void MenuBar::showLanguageChangeMessage(const QString& langCode)
{
    QMessageBox::information(this, tr("Language Change Message"),
                             tr("The language change will be reflected on the next startup."));
    LanguageSetting::setRegistryLanguage(langCode);
}

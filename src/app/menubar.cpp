#include "menubar.h"

#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "app/core/startupstate.h"
#include "app/functionmenuwidget.h"
#include "app/mainwindow.h"
#include "app/reportexport.h"
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

    QMenu* fileMenu = addMenu(tr("File(&F)"));
    QAction* openFile = fileMenu->addAction(tr("Open File(&O)"));
    QAction* verifyFile = fileMenu->addAction(tr("Verify File(&V)"));
    QAction* outputFile = fileMenu->addAction(tr("Output ParameterFile(&S)"));
    QAction* exportReport = fileMenu->addAction(tr("Export Safety Report(&E)"));

    QMenu* unitMenu = addMenu(tr("Orbilux(&C)"));
    QAction* readUnit = unitMenu->addAction(tr("Read Orbilux(&R)"));
    QAction* verifyUnit = unitMenu->addAction(tr("Verify Orbilux(&V)"));
    QAction* writeUnit = unitMenu->addAction(tr("Write Orbilux(&W)"));
    unitMenu->addSeparator();
    QAction* readRobotData = unitMenu->addAction(tr("Read RobotData(&B)"));
    unitMenu->addSeparator();
    QAction* changePassword = unitMenu->addAction(tr("Change Password(&P)"));

    QMenu* viewMenu = addMenu(tr("View(&V)"));
    QMenu* planeMenu = viewMenu->addMenu(tr("Plane(&N)"));
    QAction* planeActions[4];
    planeActions[0] = planeMenu->addAction(tr("Reset(&0)"));
    planeActions[1] = planeMenu->addAction(tr("XZ(&1)"));
    planeActions[2] = planeMenu->addAction(tr("XY(&2)"));
    planeActions[3] = planeMenu->addAction(tr("YZ(&3)"));
    QMenu* projectionMenu = viewMenu->addMenu(tr("Projection(&J)"));
    QAction* perspective = projectionMenu->addAction(tr("PerspectiveProjection(&S)"));
    QAction* parallel = projectionMenu->addAction(tr("ParallelProjection(&L)"));

    QMenu* settingMenu = addMenu(tr("Setting(&S)"));
    QMenu* languageMenu = settingMenu->addMenu(tr("Language(&L)"));
    QAction* languageActions[4];
    languageActions[0] = languageMenu->addAction(tr("Japanese(&J)"));
    languageActions[1] = languageMenu->addAction(tr("English(&E)"));
    languageActions[2] = languageMenu->addAction(tr("Chinese(&C)"));
    languageActions[3] = languageMenu->addAction(tr("Korean(&K)"));

    auto* window =
        static_cast<QWidget*>(findAncestorInheriting(this, &MainWindow::staticMetaObject));
    DataProvider* provider = DataProvider::instance();
    // asksPage: the operation replaces what the current page shows, so the
    // page's unapplied edits are asked about first, as leaving it asks.
    const auto connectOperation =
        [this, window, provider](QAction* action, bool (DataProvider::*operation)(QWidget*),
                                 bool asksPage = false) {
            connect(action, &QAction::triggered, this, [window, provider, operation, asksPage] {
                const FunctionMenuWidget* menu =
                    asksPage && window ? window->findChild<FunctionMenuWidget*>() : nullptr;
                if (provider && (!menu || menu->mayLeaveCurrentScene()))
                    (provider->*operation)(window);
            });
        };
    connectOperation(openFile, &DataProvider::readFile, true);
    connectOperation(verifyFile, &DataProvider::verifyFile);
    connectOperation(outputFile, &DataProvider::writeFile);
    connectOperation(readUnit, &DataProvider::readSAFM);
    connectOperation(verifyUnit, &DataProvider::verifySAFM);
    connectOperation(writeUnit, &DataProvider::writeSAFM);
    connectOperation(readRobotData, &DataProvider::readRobotParam, true);
    connectOperation(changePassword, &DataProvider::setPass);
    // The report machinery is built only when the entry is chosen.
    connect(exportReport, &QAction::triggered, this, [window] { exportSafetyReport(window); });

    connect(unitMenu, &QMenu::aboutToShow, this, [readUnit, verifyUnit, writeUnit, changePassword] {
        for (QAction* action : {readUnit, verifyUnit, writeUnit, changePassword})
            action->setEnabled(isOnline);
    });

    GLWidget* view = GLWidget::instance();
    for (int preset = 0; preset < 4; ++preset) {
        planeActions[preset]->setCheckable(true);
        connect(planeActions[preset], &QAction::triggered, this, [view, preset] {
            if (!view)
                return;
            view->camera().setPreset(unsigned(preset));
            // The camera does not repaint by itself and the view has no
            // repaint timer: without this the plane would show only after
            // the next resize.
            view->update();
        });
    }
    connect(planeMenu, &QMenu::aboutToShow, this, [view, planeActions] {
        const unsigned current = view ? view->camera().preset() : 0;
        for (unsigned preset = 0; preset < 4; ++preset)
            planeActions[preset]->setChecked(preset == current);
    });

    perspective->setCheckable(true);
    parallel->setCheckable(true);
    connect(projectionMenu, &QMenu::aboutToShow, this, [view, perspective, parallel] {
        const bool isPerspective = view && view->isPerspective();
        perspective->setChecked(isPerspective);
        parallel->setChecked(!isPerspective);
    });
    connect(perspective, &QAction::triggered, this, [view] {
        if (view)
            view->setPerspective(true, false);
    });
    connect(parallel, &QAction::triggered, this, [view] {
        if (view)
            view->setPerspective(false, false);
    });

    const char* const codes[4] = {"ja", "en", "zh", "ko"};
    for (int i = 0; i < 4; ++i) {
        const QString code = QLatin1String(codes[i]);
        connect(languageActions[i], &QAction::triggered, this,
                [this, code] { showLanguageChangeMessage(code); });
    }
}

void MenuBar::showLanguageChangeMessage(const QString& langCode)
{
    QMessageBox::information(this, tr("Language Change Message"),
                             tr("The language change will be reflected on the next startup."));
    LanguageSetting::setRegistryLanguage(langCode);
}

#include "mainwindow.h"

#include "app/core/constants.h"
#include "app/core/interfaceutilities.h"
#include "app/core/startupstate.h"
#include "app/functionmenuwidget.h"
#include "app/menubar.h"
#include "app/propertypane.h"
#include "app/scene/scenemanager.h"
#include "app/statusline.h"
#include "io/dataprovider.h"
#include "monitoring/monitoringdialog.h"
#include "monitoring/monitoringmotionarea.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/glwidget.h"
#include "widgets/msgbox.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/allproperties.h"
#include "widgets/properties/logicalopdialog.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"
#include "widgets/startupwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCommandLineParser>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <QtDebug>

#include <initializer_list>

namespace {

MainWindow* s_mainWindow = nullptr;

const char* const windowStyle = R"(
QMainWindow {
    background: #333334;
}
QMainWindow::separator {
    background: #333334;
    width: 1px;
    height: 1px;
}
QMainWindow > QWidget {
    background: #424242;
    color: white;
    border: none;
}
)";

void startupStep(const QString& text)
{
    StartupWindow::instance()->updateProgress(text);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    m_nativeWindow = nativeWindowHandle(this);
    s_mainWindow = this;

    if (objectName().isEmpty())
        setObjectName(QStringLiteral("MainWindow"));
    resize(1280, 800);
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setWindowTitle(Constants::applicationTitle);
    setStyleSheet(QLatin1String(windowStyle));

    {
        // The panels are built apart and placed in the pane afterwards; their
        // editors take their sheets once they are in place.
        const PolishStyle::Hold styleHold;
        createPropertyWidgets();
        setupLayout();
    }
    setStatusBar(new StatusLine(Parameter::instance(), this));
    parseCommandLine();
}

MainWindow::~MainWindow()
{
    AreaMonitorView::setProbe(nullptr);
    if (Parameter* store = Parameter::instance())
        store->setCostDisplay(nullptr);
    s_mainWindow = nullptr;
}

MainWindow* MainWindow::instance()
{
    return s_mainWindow;
}

void MainWindow::createPropertyWidgets()
{
    Parameter* store = Parameter::instance();
    // Each panel knows its scene, so the table cannot put one in a wrong slot.
    const std::initializer_list<PropertyWidget*> panels = {
        new Property::System(store),
        new Property::SafetySignatureCRC(store),
        new Property::SettingCommon(store),
        new Property::ToolModel(store),
        new Property::ArmModel(store),
        new Property::AreaModel(store),
        new Property::StopDistanceEstimation(store),
        new Property::Joint(store),
        new Property::ArmSpeed(store),
        new Property::ToolSpeed(store),
        new Property::ModeSpeed(store),
        new Property::CustomSpeed(store),
        new Property::ToolOrientation(store),
        new Property::StopMonitoring(store),
        new Property::ProtectiveStopSafetyFence(store),
        new Property::ProtectiveStopUserProtectiveStop(store),
        new Property::EmergencyStop(store),
        new Property::SafetyInput(store),
    };
    m_propertyWidgets.fill(nullptr, Scene::SceneSignals::sceneCount);
    for (PropertyWidget* panel : panels)
        m_propertyWidgets[panel->scene()] = panel;
}

void MainWindow::setupLayout()
{
    startupStep(QStringLiteral("Creating SceneManager..."));
    Scene::SceneManager::create(this);
    startupStep(QStringLiteral("Creating View..."));
    View::create(this);
    startupStep(QStringLiteral("Creating Window..."));
    Window::create(this);
    startupStep(QStringLiteral("Creating MainWindow..."));
    View::instance()->setPanelSource([this] { return m_propertyWidgets; });
    View::instance()->load();

    // The central widget is in the window, under its style sheet, before
    // anything is added to it, and the property pane is made inside it: a
    // styled subtree is re-styled whole each time it moves, and the pane
    // holds every panel.
    auto* central = new QWidget;
    setCentralWidget(central);
    auto* mainRow = new QHBoxLayout(central);
    mainRow->setContentsMargins(0, 0, 0, 0);
    mainRow->setSpacing(0);
    auto* middleColumn = new QVBoxLayout;
    middleColumn->setContentsMargins(0, 0, 0, 0);
    middleColumn->setSpacing(0);

    auto* functionMenu = new FunctionMenuWidget;
    mainRow->addWidget(functionMenu, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* glWidget = new GLWidget;
    middleColumn->addWidget(glWidget, 1);
    // A robot part of another robot type brings another robot model.
    if (DataProvider* provider = DataProvider::instance()) {
        connect(provider, &DataProvider::robotModelUnloading, glWidget, &GLWidget::unloadRobot);
        connect(provider, &DataProvider::robotModelChanged, glWidget, &GLWidget::loadRobot);
    }

    m_costBarStyle = readTextFile(QStringLiteral(":/src/stylesheets/progressbar.qss"));
    auto* costLabel = new QLabel(tr("Label CostBar"));
    costLabel->setStyleSheet(QStringLiteral("color:white;"));
    m_costBar = new QProgressBar;
    m_costBar->setStyleSheet(m_costBarStyle);
    m_costBar->setAlignment(Qt::AlignCenter);
    m_costBar->setRange(0, Parameter::CostBudget);
    m_costBar->setValue(Parameter::CostBudget);
    auto* costRow = new QHBoxLayout;
    costRow->setContentsMargins(3, 3, 3, 3);
    costRow->setSpacing(4);
    costRow->addWidget(costLabel, 0);
    costRow->addWidget(m_costBar, 1);
    middleColumn->addLayout(costRow, 0);
    mainRow->addLayout(middleColumn, 1);

    auto* propertyPane = new PropertyPane(central);
    auto* paneColumn = new QVBoxLayout;
    paneColumn->addWidget(propertyPane, 1, Qt::AlignLeft | Qt::AlignTop);
    mainRow->addLayout(paneColumn, 0);

    Window::instance()->logicalOpDialog = new LogicalOpDialog(this);
    Window::instance()->monitoringDialog = new MonitoringDialog(this);
    connectAreaScreenToView(Window::instance()->monitoringDialog);

    setMenuBar(new MenuBar(this));

    Parameter* store = Parameter::instance();
    store->setCostDisplay([this](int) { updateCostBar(); });
    emit store->parameterChanged(Parameter::MasterData);
    // The bar shows the budget left by the set just loaded.
    store->calculateCost();

    if (m_nativeWindow)
        connect(m_nativeWindow, &QWindow::screenChanged, this,
                qOverload<QScreen*>(&MainWindow::screenChanged));
}

// The 3D view marks the models that the unit finds inside the areas while
// the area monitoring screen is the dialog's current tab. Neither library
// knows the other: the view asks through this probe at every frame, and the
// screen asks for a repaint through its hook.
void MainWindow::connectAreaScreenToView(MonitoringDialog* dialog)
{
    const QPointer<MonitoringDialog> guarded(dialog);
    AreaMonitorView::setProbe([guarded]() {
        AreaMonitorView view;
        QTabWidget* tabs = guarded ? guarded->tabWidget() : nullptr;
        const auto* screen =
            tabs ? qobject_cast<const MonitoringMotionArea*>(tabs->currentWidget()) : nullptr;
        if (!screen)
            return view;
        view.current = true;
        view.atAreaTab = tabs->currentIndex() == 4;
        view.channel = &screen->channelBlock();
        return view;
    });
    if (View* registry = View::instance())
        if (auto* screen = qobject_cast<MonitoringMotionArea*>(registry->screen(7)))
            screen->setViewHook([] {
                if (GLWidget* view = GLWidget::instance())
                    view->update();
            });
}

void MainWindow::parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Sets up the safety monitoring unit of a robot controller."));
    parser.addHelpOption();
    const QCommandLineOption hide3d({QStringLiteral("o"), QStringLiteral("opengl")},
                                    QStringLiteral("Hide the 3d viewing area."));
    parser.addOption(hide3d);
    parser.process(arguments.isEmpty() ? QCoreApplication::arguments() : arguments);
    if (parser.isSet(hide3d)) {
        centralWidget()->setHidden(true);
        statusBar()->setHidden(true);
    }
}

void MainWindow::updateCostBar()
{
    if (!m_costBar)
        return;
    const int remaining = Parameter::instance()->costLeft();
    m_costBar->setValue(qMax(remaining, 0));
    m_costBar->setFormat(QStringLiteral("%1 / %m").arg(remaining));
    const QString name = remaining < Parameter::CostBudget ? QStringLiteral("progress-bar")
                                                           : QStringLiteral("progress-bar-full");
    if (m_costBar->objectName() != name) {
        m_costBar->setObjectName(name);
        m_costBar->setStyleSheet(m_costBarStyle);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // An edit on the page that was never applied is asked about first, as
    // leaving the page asks; a refusal keeps the window.
    const FunctionMenuWidget* menu = findChild<FunctionMenuWidget*>();
    if (menu && !menu->mayLeaveCurrentScene()) {
        event->ignore();
        return;
    }
    if (!Parameter::instance()->hasUnwrittenChanges()) {
        QApplication::closeAllWindows();
        return;
    }

    MsgBox box(QMessageBox::NoButton, this);
    box.setWindowTitle(tr("Close confirmation"));
    QAbstractButton* yes = box.addButton(tr("Yes"), QMessageBox::YesRole);
    box.addButton(tr("No"), QMessageBox::NoRole);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setIcon(QMessageBox::Warning);
    box.setText(
        isOnline
            ? tr("Updated data for safety parameters exists. Do you want to write to Orbilux?")
            : tr("Updated data for safety parameters exists. Do you want to save it to a file?"));
    box.exec();
    const QMessageBox::ButtonRole role =
        box.clickedButton() ? box.buttonRole(box.clickedButton()) : QMessageBox::RejectRole;
    if (role == QMessageBox::RejectRole) {
        event->ignore();
        return;
    }
    if (box.clickedButton() == yes) {
        DataProvider* provider = DataProvider::instance();
        const bool written =
            provider && (isOnline ? provider->writeSAFM(this) : provider->writeFile(this));
        // The data provider has shown why; the window stays so nothing is lost.
        if (!written) {
            event->ignore();
            return;
        }
    }
    QApplication::closeAllWindows();
}

void MainWindow::showEvent(QShowEvent* event)
{
    qInfo().noquote() << "MainWindow::showEvent";
    // The desktop window manager attribute of the original platform has no
    // counterpart here; screenChanged makes sure the native window exists.
    screenChanged();
    QMainWindow::showEvent(event);
}

void MainWindow::screenChanged(QScreen* screen)
{
    m_nativeWindow = nativeWindowHandle(this);
    if (!screen && m_nativeWindow)
        screen = m_nativeWindow->screen();
    qInfo().noquote() << "MainWindow::screenChanged" << objectDescription(screen);
    if (screen != m_boundScreen) {
        if (m_boundScreen) {
            disconnect(m_boundScreen, &QScreen::logicalDotsPerInchChanged, this,
                       &MainWindow::logicalDpiChanged);
            disconnect(m_boundScreen, &QScreen::physicalDotsPerInchChanged, this,
                       &MainWindow::physicalDpiChanged);
        }
        m_boundScreen = screen;
        if (screen) {
            connect(screen, &QScreen::logicalDotsPerInchChanged, this,
                    &MainWindow::logicalDpiChanged);
            connect(screen, &QScreen::physicalDotsPerInchChanged, this,
                    &MainWindow::physicalDpiChanged);
        }
    }
    adjustLayout();
}

void MainWindow::screenChanged()
{
    screenChanged(nullptr);
}

void MainWindow::logicalDpiChanged(double dpi)
{
    qInfo().noquote() << "MainWindow::logicalDpiChanged" << dpi;
    adjustLayout();
}

void MainWindow::physicalDpiChanged(double dpi)
{
    qInfo().noquote() << "MainWindow::physicalDpiChanged" << dpi;
    adjustLayout();
}

void MainWindow::adjustLayout()
{
    qInfo().noquote() << "MainWindow::adjustLayout";
    qInfo().noquote() << "ZodedevIzizWindow font:" << font().toString();
    logFontInfo(QFontInfo(font()));
    logFontMetrics(QFontMetrics(font()));
    setUpdatesEnabled(false);
    emit requestLayout();
    if (QLayout* l = layout()) {
        l->invalidate();
        l->activate();
    }
    setUpdatesEnabled(true);
}

#include "startupsequence.h"

#include "app/core/applicationinit.h"
#include "app/core/interfaceutilities.h"
#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "app/mainwindow.h"
#include "app/windowplacement.h"
#include "io/dataprovider.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameter.h"
#include "view3d/glwidget.h"
#include "widgets/msgbox.h"
#include "widgets/startupwindow.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QEventLoop>
#include <QRegularExpression>
#include <QtDebug>

#include <memory>

namespace {

// The progress step also repaints (user input excluded).
void startupStep(const QString& text)
{
    StartupWindow::instance()->updateProgress(text);
}

bool containsWord(const QString& reply, const char* word)
{
    return QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)))
        .match(reply)
        .hasMatch();
}

const char* boolText(bool value)
{
    return value ? "true" : "false";
}

// The cost bar and its message box live in the window layer; the store only
// knows these callbacks.
void connectCostNotice(Parameter* store)
{
    store->setCostOverNotice([](QWidget* parent, const QString& title, const QString& text) {
        MsgBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.exec();
    });
}

} // namespace

bool InitializeSAFM(QObject* parent)
{
    bool result = false;
    startupStep(QStringLiteral("Creating Signal DB..."));
    LogicSignalDef::initialize();

    startupStep(QStringLiteral("Creating Parameter..."));
    Parameter* store = Parameter::instance(parent);
    LogicSignalDef::setMasterImage(&store->masterImage());
    connectCostNotice(store);

    startupStep(QStringLiteral("Creating DataProvider..."));
    DataProvider* provider = DataProvider::create(parent);

    Setting* setting = Setting::instance();
    const bool connectFault = Setting::isFakeInitialConnectionError();
    const bool readFault = Setting::isFakeInitialReadError();
    qInfo().noquote() << QStringLiteral("FakeError[%1 Connect:%2 Read:%3]")
                             .arg(QLatin1String(boolText(connectFault || readFault)),
                                  QLatin1String(boolText(connectFault)),
                                  QLatin1String(boolText(readFault)));

    startupStep(QStringLiteral("Creating controller directories..."));
    isOnline = provider->createRemoteDirectories();
    qInfo().noquote() << "MIREL connected:" << boolText(isOnline);

    if (isOnline) {
        if (connectFault) {
            qCritical().noquote() << "FakeInitialConnectionError";
        } else {
            const QString softwareName = setting->value(QStringLiteral("VSFtoAFM_SWName"));
            isVSFtoAFM = false;
            QString reply;
            if (!softwareName.isEmpty() &&
                provider->executeMonitorMirel(QStringLiteral("sw ") + softwareName, &reply) &&
                containsWord(reply, "ON"))
                isVSFtoAFM = true;
            const QString forced = setting->value(QStringLiteral("FakeVSFtoAFM"));
            if (!forced.isEmpty())
                isVSFtoAFM = forced == QLatin1String("true");
            qInfo().noquote() << "InitializeSAFM ->" << boolText(isVSFtoAFM);

            QString originReply;
            if (provider->executeMonitorMirel(QStringLiteral("SW ZTYDHORIGIN_MODEL"), &originReply))
                dhOriginMode = containsWord(originReply, "ON")    ? -1
                               : containsWord(originReply, "OFF") ? 0
                                                                  : 1;

            if (!provider->readInitialSAFM(&store->editImage(), &store->unkeptTexts())) {
                // The data provider has shown its box.
            } else if (readFault) {
                qCritical().noquote() << "FakeInitialReadError";
            } else {
                result = true;
            }
        }
    } else {
        isVSFtoAFM = false;
        dhOriginMode = 1;
        result = provider->initializeForTest(&store->editImage(), &store->unkeptTexts());
    }
    if (result)
        store->setMasterData(true);
    qInfo().noquote() << "InitializeSAFM ->" << okNgText(result);
    return result;
}

int runApplication(int argc, char* argv[])
{
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!InitializeApp())
        return 1;

    StartupWindow* startup = StartupWindow::instance();
    startup->showMessage(QString());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    if (!InitializeSAFM()) {
        delete StartupWindow::instance();
        // Online the data provider has shown its box; offline the failed read
        // of the default set is only logged, and a user who started the
        // program would see nothing happen.
        DataProvider* provider = DataProvider::instance();
        if (!isOnline && provider)
            provider->showDefaultSetFailure();
        return 1;
    }

    auto window = std::make_unique<MainWindow>();
    qInfo().noquote() << "MainWindow::showMinimized";
    window->showMinimized();
    startupStep(QStringLiteral("Loading robot 3D model."));
    if (GLWidget* view = GLWidget::instance())
        view->loadRobot();

    const QRect available = QApplication::desktop()->availableGeometry(window.get());
    qInfo().noquote() << "availableGeometry:" << available;
    // Its frame is known only once it is shown: the watch places it again then.
    WindowPlacement::placeAtStart(window.get(), available);
    qInfo().noquote() << "WindowGeometry:" << window->frameGeometry();
    startupStep(QStringLiteral("Initialization finished."));

    qInfo().noquote() << "MainWindow::showNormal";
    window->showNormal();
    window->screenChanged();
    delete StartupWindow::instance();
    DataProvider::instance()->showLimitNotice(window.get(), DataProvider::startupReadTitle());

    int exitCode = 0;
    if (isRunnable)
        exitCode = QApplication::exec();
    window.reset();
    return exitCode;
}

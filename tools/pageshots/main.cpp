// Starts the program as usual (offline, on its default set), then opens the
// given pages one after the other and saves a picture of the main window for
// each (the whole screen): scripts/screenshot.sh uses it to review the pages under Xvfb.
//   obx-pageshots <output folder> <scene number>...
//   obx-pageshots <output folder> monitoring
// The second form shows every monitoring and network tab with a fixed
// monitor record; the program itself never gets such a record.
#include "app/core/applicationinit.h"
#include "app/mainwindow.h"
#include "app/scene/scenemanager.h"
#include "app/startupsequence.h"
#include "view3d/glwidget.h"
#include "monitoringshots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <scene number>...\n", argv[0]);
        return 2;
    }
    const QString folder = QDir(arguments[1]).absolutePath();
    if (!InitializeApp() || !InitializeSAFM())
        return 1;
    MainWindow window;
    window.parseCommandLine({arguments[0]});
    window.show();
    // As the start-up does: the robot is loaded once the window exists.
    if (GLWidget* view = GLWidget::instance())
        view->loadRobot();
    settle(1500);
    if (arguments[2] == QLatin1String("monitoring")) {
        QDir().mkpath(folder);
        return takeMonitoringShots(folder, settle) ? 0 : 1;
    }
    for (const QString& scene : arguments.mid(2)) {
        Scene::SceneManager::instance()->loadScene(scene.toInt());
        settle(800);
        const QString path = QStringLiteral("%1/page-%2.png").arg(folder, scene);
        // The whole screen, so the monitoring and logic dialogs are seen too.
        if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
            return 1;
        }
        std::printf("%s\n", qUtf8Printable(path));
    }
    return 0;
}

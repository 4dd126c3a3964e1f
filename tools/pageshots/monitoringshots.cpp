#include "monitoringshots.h"

#include "app/scene/scenemanager.h"
#include "io/mirelclient.h"
#include "monitoring/monitoringdialog.h"
#include "monitoring/monitoringsafetyio.h"
#include "parameter/parameter.h"
#include "view3d/glwidget.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>

#include <cstdio>
#include <cstring>

namespace {

// A record with a few signals of each kind set, different per channel.
void writeFixedRecord()
{
    auto& record = *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord());
    std::memset(&record, 0, sizeof record);
    for (int i = 0; i < 18; ++i) {
        record.jointSv[i] = 10.0f * i + 0.25f;
        record.jointPv[i] = 10.0f * i + 0.2f;
    }
    record.networkStatusLed = 1;
    record.moduleStatusLed = 2;
    for (int c = 0; c < 2; ++c) {
        MirelRzShmRz2IfSafmMonChannel& block = record.channel[c];
        block.safetyInputs[0] = 0x5u << c;
        block.safetyInputs[1] = 0x80000001u;
        block.safetyInputs[4] = 0x0F0Fu;
        block.safetyOutputs[0] = 0x9u; // 3001 and 60533
        block.safetyOutputs[1] = 0x3u;
        // Internal outputs: areas 1 and 3 (2003, 2005), the always-on joint
        // range (2019), teach speed (2038), a stop pair (2066, 2084).
        const int signalsOn[] = {2003, 2005 + c, 2019, 2038, 2066, 2084, 2102, 2139};
        for (const int signal : signalsOn) {
            const int bit = signal - 2001;
            block.safetyOutputs[4 + bit / 32] |= 1u << (bit % 32);
        }
        block.logicResults[0] = quint8(0x5 << c);
        block.currentToolIndex = quint8(2 + c);
        block.flangePosition[0] = 512.5f;
        block.flangePosition[1] = -120.0f + c;
        block.flangePosition[2] = 830.25f;
        block.areaArmModelMask[0] = 0x7u;
        block.areaToolModelMask[0] = 0x80000001u;
        block.areaArmModelMask[2] = 0x10u << c;
    }
}

void setCell(const char* name, int row, int column, double value)
{
    const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
    ParameterImage& image = Parameter::instance()->editImage();
    if (field && field->type == ValueType::F32)
        image.setF32(*field, row, column, float(value));
    else if (field)
        image.setI16(*field, row, column, qint16(value));
}

// Two areas (area 1 permitted, area 3 forbidden) and a sphere on the tool
// that channel A reports, so that the 3D view has models to mark; taken
// as new master data, so nothing shows as edited.
void addAreasAndToolModel()
{
    const double square[4][2] = {{-900, -900}, {900, -900}, {900, 900}, {-900, 900}};
    const double block[4][2] = {{600, -1100}, {1100, -1100}, {1100, -600}, {600, -600}};
    for (int area : {0, 2}) {
        const auto& corners = area == 0 ? square : block;
        setCell("MoveAreaValid", 0, area, 1);
        setCell("MoveAreaMoveValid", 0, area, area == 0 ? 1 : 0);
        setCell("MoveAreaZulimit", 0, area, area == 0 ? 1600 : 700);
        setCell("MoveAreaZllimit", 0, area, 0);
        setCell("MoveAreaVertexNum", 0, area, 4);
        for (int k = 0; k < 4; ++k) {
            setCell("MoveAreaX", area, k, corners[k][0]);
            setCell("MoveAreaY", area, k, corners[k][1]);
        }
    }
    setCell("ToolModelValid", 2, 0, 1);
    setCell("ToolModelKind", 2, 0, 0);
    setCell("ToolModelRadius", 2, 0, 90);
    setCell("ToolModelZ1", 2, 0, 60);
    Parameter::instance()->setMasterData(true);
}

} // namespace

bool saveScreenPicture(const QString& path)
{
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    std::printf("%s\n", qUtf8Printable(path));
    return true;
}

bool takeMonitoringShots(const QString& folder, const std::function<void(int)>& settle)
{
    writeFixedRecord();
    addAreasAndToolModel();
    // The monitoring page opens the dialog; its tabs are then chosen as a
    // user would click them.
    Scene::SceneManager::instance()->loadScene(Scene::MonitoringScene);
    settle(800);
    QTabWidget* dialogTabs = Window::instance()->monitoringDialog->tabWidget();
    for (int scene = Scene::FirstScreenScene; scene <= Scene::LastScreenScene; ++scene) {
        dialogTabs->setCurrentWidget(View::instance()->screen(scene));
        settle(800);
        auto* io = qobject_cast<MonitoringSafetyIO*>(View::instance()->screen(scene));
        const int tabs = io ? io->tabWidget()->count() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            if (io) {
                io->tabWidget()->setCurrentIndex(tab);
                settle(600); // the new tab catches up at the next tick
            }
            const QString name =
                io ? QStringLiteral("%1/tab-%2-%3.png").arg(folder).arg(scene).arg(tab)
                   : QStringLiteral("%1/tab-%2.png").arg(folder).arg(scene);
            if (!saveScreenPicture(name))
                return false;
        }
    }
    // The area screen beside the main window, so that the 3D view shows
    // what its Display switch and the record mark.
    QWidget* dialog = Window::instance()->monitoringDialog;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    dialog->move(screen.right() - dialog->frameGeometry().width(), 100);
    if (GLWidget* view = GLWidget::instance())
        view->camera().setDistance(6000);
    dialogTabs->setCurrentWidget(View::instance()->screen(Scene::FirstScreenScene + 4));
    settle(1000);
    return saveScreenPicture(QStringLiteral("%1/area-display.png").arg(folder));
}

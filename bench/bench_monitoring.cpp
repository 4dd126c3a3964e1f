// Speed of one refresh tick of every monitoring screen when every bit and
// value of the monitor record changed since the last tick (the worst case):
// the cell writes alone, and with the repaint that follows them. Runs on
// the offscreen platform.

#include "app/core/setting.h"
#include "io/mirelclient.h"
#include "monitoring/monitoringbase.h"
#include "monitoring/monitoringsafetyio.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameter.h"
#include "widgets/properties/view.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

MirelRzShmRz2IfSafmMon& sharedRecord()
{
    return *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord());
}

// Every bit of the record flipped, and every joint and flange value new.
void flipRecord(int round)
{
    MirelRzShmRz2IfSafmMon& record = sharedRecord();
    std::memset(&record, round % 2 ? 0xFF : 0x00, sizeof record);
    for (int i = 0; i < 18; ++i) {
        record.jointPv[i] = float(round % 360) + 0.25f * i;
        record.jointSv[i] = -float(round % 360) - 0.25f * i;
    }
    record.networkStatusLed = quint8(round % 6);
    record.moduleStatusLed = quint8((round + 3) % 6);
    for (MirelRzShmRz2IfSafmMonChannel& channel : record.channel)
        for (float& value : channel.flangePosition)
            value = float(round % 1000) * 1.5f;
}

// Every formula in use with an assigned output, every function enabled,
// so that each screen has all its rows.
void fillAppliedImage()
{
    ParameterImage& image = Parameter::instance()->appliedImage();
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        if (field.type == ValueType::I16 || field.type == ValueType::U16)
            for (int r = 0; r < field.rows; ++r)
                for (int c = 0; c < field.columns; ++c)
                    image.setI16(field, r, c, qint16(1 + c % 5));
    }
}

IO::MirelClient* client()
{
    static IO::MirelClient* instance = new IO::MirelClient;
    return instance;
}

void refreshTick(benchmark::State& state, int scene, int tab, bool repaint)
{
    std::unique_ptr<QWidget> screen(View::createScreen(scene));
    if (auto* io = qobject_cast<MonitoringSafetyIO*>(screen.get()))
        io->tabWidget()->setCurrentIndex(tab);
    screen->resize(900, 700);
    screen->show();
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        flipRecord(++round);
        emit client()->monitorDataUpdated(IO::MirelClient::monitorRecord());
        if (repaint)
            screen->repaint();
    }
    screen->hide();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(silence);
    QApplication app(argc, argv);
    Setting::instance()->resetToDefaults();
    LogicSignalDef::initialize();
    fillAppliedImage();
    client();
    const struct
    {
        const char* name;
        int scene;
        int tab;
    } screens[] = {
        {"JointPosition", 3, 0},
        {"SafetyInputInternal", 4, 3},
        {"SafetyOutputInternal", 5, 3},
        {"SafetyOutputUser", 5, 1},
        {"LogicalOperation", 6, 0},
        {"MotionArea", 7, 0},
        {"Joint", 8, 0},
        {"Speed", 9, 0},
        {"ToolOrientation", 10, 0},
        {"Stop", 11, 0},
        {"ProtectiveStop", 12, 0},
        {"EmergencyStop", 13, 0},
        {"ToolId", 14, 0},
        {"NetworkSafetyStatus", 15, 0},
    };
    for (const auto& s : screens)
        for (const bool repaint : {false, true})
            benchmark::RegisterBenchmark(
                (std::string("BM_RefreshTick/") + s.name + (repaint ? "/repaint" : "")).c_str(),
                [s, repaint](benchmark::State& state) {
                    refreshTick(state, s.scene, s.tab, repaint);
                })
                ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

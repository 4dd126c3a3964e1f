// Speed of the 3D view: the per-frame update of the kinematic frames and
// the robot's pose (no heap allocation per frame), and one whole frame of
// the robot on the grid at 1280 x 800 against a grid-only frame, drawn by
// the platform's OpenGL (Mesa llvmpipe under Xvfb: run it with xvfb-run).
// Goals: a whole frame <= 33 ms, and the robot frame within 3 times the
// grid-only frame of the same run.

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "io/mirelclient.h"
#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameter.h"
#include "parameter/procedure.h"
#include "view3d/glwidget.h"
#include "view3d/robot.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

// Lets the benchmark paint one frame on demand.
class BenchView : public GLWidget
{
public:
    void paintOnce()
    {
        makeCurrent();
        paintGL();
        context()->functions()->glFinish();
    }
};

BenchView* view()
{
    static BenchView* view = [] {
        QTemporaryDir dir;
        QFile ini(dir.filePath("config.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[ApplicationSettings]\nRobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
        ini.close();
        Setting::instance()->load(ini.fileName());
        IO::Procedure procedure;
        DataProviderErrorRecord error;
        procedure.readAll(Parameter::instance()->editImage(),
                          QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt"), error);
        dhOriginMode = 1;
        auto* v = new BenchView;
        v->resize(1280, 800);
        v->show();
        if (!QTest::qWaitForWindowExposed(v))
            std::fprintf(stderr, "no window: run under xvfb-run\n");
        v->loadRobot();
        return v;
    }();
    return view;
}

void BM_FrameUpdate(benchmark::State& state)
{
    BenchView* v = view();
    Parameter* store = Parameter::instance();
    Robot* robot = v->robot();
    v->doneCurrent();
    long before = 0;
    long perFrame = 0;
    float angle = 0;
    for (auto _ : state) {
        for (int j = 0; j < 6; ++j)
            jointPos[j] = angle * float(j + 1);
        angle += 0.5f;
        before = allocations.load();
        store->m_robotFrames.update(store->editImage(), jointPos);
        robot->update();
        robot->draw(Matrix4::identity()); // no context: composes only
        perFrame += allocations.load() - before;
    }
    state.counters["allocations_per_frame"] =
        benchmark::Counter(double(perFrame) / double(state.iterations()));
    if (perFrame != 0)
        state.SkipWithError("the frame update allocated on the heap");
}
BENCHMARK(BM_FrameUpdate)->Unit(benchmark::kMicrosecond);

double robotFrameMs = 0;
double gridFrameMs = 0;

void wholeFrame(benchmark::State& state, bool withRobot, double& meanMs)
{
    BenchView* v = view();
    if (withRobot && !v->robot())
        v->loadRobot();
    if (!withRobot)
        v->unloadRobot();
    v->camera().setPreset(0);
    v->camera().setDistance(3000); // the robot fills much of the view
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        v->paintOnce();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    meanMs = spent.count() / double(state.iterations());
}

void BM_WholeFrameRobotAndGrid(benchmark::State& state)
{
    wholeFrame(state, true, robotFrameMs);
}
BENCHMARK(BM_WholeFrameRobotAndGrid)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_WholeFrameGridOnly(benchmark::State& state)
{
    wholeFrame(state, false, gridFrameMs);
}
BENCHMARK(BM_WholeFrameGridOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(silence);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    if (robotFrameMs > 0 && gridFrameMs > 0)
        std::printf("robot frame / grid-only frame: %.2f (goal <= 3), robot frame %.2f ms "
                    "(goal <= 33)\n",
                    robotFrameMs / gridFrameMs, robotFrameMs);
    return 0;
}

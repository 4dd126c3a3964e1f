// Speed of the PDF safety report: the whole export (title page, every
// page's tables, formulas, the plan view drawn as vectors with the robot's
// meshes, the closing list of findings, the PDF written through its
// temporary file), with or without a display. The shipped default set, and
// the all-zero set whose 138 values outside their limits are all marked and
// listed.
// Goal: one export under 2 s.
#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/safetyreport.h"
#include "parameter/dataprovidererrorrecord.h"
#include "parameter/logicsignaldef.h"
#include "parameter/procedure.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

double worstSeconds = 0;

void BM_ExportSet(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile ini(dir.filePath("config.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[ApplicationSettings]\nFontPath=" OBX_RUNTIME_DIR "/assets/font\n"
              "RobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
    ini.close();
    Setting::instance()->load(ini.fileName());
    LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("en")));
    LogicSignalDef::initialize();
    ParameterImage image;
    IO::Procedure procedure;
    DataProviderErrorRecord error;
    const char* const sets[] = {OBX_SOURCE_DIR "/config/parameter/default.txt",
                                OBX_SOURCE_DIR "/tests/data/limits/all-zero.txt"};
    if (!procedure.readAll(image, QString::fromUtf8(sets[state.range(0)]), error)) {
        state.SkipWithError("set unreadable");
        return;
    }
    const QString path = dir.filePath("report.pdf");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!SafetyReport(image, QStringLiteral("set.txt")).write(path))
            state.SkipWithError("report not written");
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worstSeconds = std::max(worstSeconds, seconds);
    }
}
// 0: the default set, 1: the all-zero set.
BENCHMARK(BM_ExportSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(silence);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("slowest export %.3f s (goal < 2 s)\n", worstSeconds);
}

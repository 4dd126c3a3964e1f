// Speed of the PDF safety report: the whole export as the command line
// makes it (the set read with its file texts, title page, every page's
// tables, formulas, the plan view drawn as vectors with the robot's meshes,
// the closing list of findings, the PDF written through its temporary
// file), with or without a display. The sets:
// 0: the shipped default set;
// 1: the all-zero set, whose 138 values outside their limits are all
//    marked and listed;
// 2: a signed set of random values (every field random, a fixed seed),
//    some 12,000 findings;
// 3: the default set with CommonSpec given one 10 MB file text.
// Goals: the default set under 2 s, the random set at most 10 s, the 10 MB
// text about the default set's time.
#include "app/commandlinefile.h"
#include "app/commandlineset.h"
#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/safetyreport.h"
#include "parameter/logicsignaldef.h"
#include "parameter/procedure.h"
#include "parameter/valuevalidator.h"

#include "randomimage.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

double worstSeconds[4] = {};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

void setUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFile ini(folder().filePath("config.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[ApplicationSettings]\nFontPath=" OBX_RUNTIME_DIR "/assets/font\n"
              "RobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
    ini.close();
    Setting::instance()->load(ini.fileName());
    LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("en")));
    LogicSignalDef::initialize();
}

// The parameter file of a set; empty when it cannot be made.
QString setFile(int set)
{
    const QString defaultSet = QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt");
    switch (set) {
    case 0:
        return defaultSet;
    case 1:
        return QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/all-zero.txt");
    case 2: {
        const QString path = folder().filePath("random.txt");
        ParameterImage image = randomImage(20261207);
        IO::Procedure procedure;
        return procedure.outputFile(path, image) == 1 ? path : QString();
    }
    default: {
        // Letters store 0, as the set holds: the signature stays valid.
        QFile in(defaultSet);
        if (!in.open(QIODevice::ReadOnly))
            return QString();
        QByteArray text = in.readAll();
        text.replace("\n1-00-00,CommonSpec,0,",
                     "\n1-00-00,CommonSpec," + QByteArray(10 * 1000 * 1000, 'x') + ',');
        const QString path = folder().filePath("long-text.txt");
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() ? path : QString();
    }
    }
}

void BM_ExportSet(benchmark::State& state)
{
    setUp();
    const int set = int(state.range(0));
    const QString input = setFile(set);
    if (input.isEmpty()) {
        state.SkipWithError("set not made");
        return;
    }
    const QString path = folder().filePath("report.pdf");
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CommandLineFile named(QFile::encodeName(input));
        const CommandLineSet file = CommandLineSet::readFrom(named);
        if (!file.read || !file.signatureOk) {
            state.SkipWithError("set unreadable");
            return;
        }
        const QVector<LimitEntry> entries = ValueValidator::check(file.image, &file.table);
        findings = std::size_t(entries.size());
        LogicSignalDef::setMasterImage(&file.image);
        if (!SafetyReport(file.image, named.absoluteName(), entries).write(path))
            state.SkipWithError("report not written");
        LogicSignalDef::setMasterImage(nullptr);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worstSeconds[set] = std::max(worstSeconds[set], seconds);
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_ExportSet)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(silence);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("slowest export: default set %.3f s (goal < 2 s), all-zero set %.3f s, "
                "random set %.3f s (goal <= 10 s), 10 MB text %.3f s (goal about the default "
                "set's)\n",
                worstSeconds[0], worstSeconds[1], worstSeconds[2], worstSeconds[3]);
}

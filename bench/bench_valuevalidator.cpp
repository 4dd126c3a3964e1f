// One pass of the value validator over a whole parameter image.
//
// Goal: well under a millisecond per pass (the status line counts after
// every change; a write checks before it asks). Measured on the shipped
// default set, which holds no value outside its limits, for the count
// (BM_ValidatorCount) and the full check (BM_ValidatorCheck), and on an image
// of zeros, where thousands of entries are made with their names
// (BM_ValidatorCheckAllZero, for scale only).

#include "parameter/procedure.h"
#include "parameter/valuevalidator.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

const ParameterImage& defaultImage()
{
    static const ParameterImage image = [] {
        qInstallMessageHandler(silence);
        ParameterImage read;
        IO::Procedure procedure;
        DataProviderErrorRecord error;
        if (!procedure.readAll(read, QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt"),
                               error))
            qFatal("default set not read");
        return read;
    }();
    return image;
}

void BM_ValidatorCount(benchmark::State& state)
{
    const ParameterImage& image = defaultImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(ValueValidator::count(image));
    state.counters["cells"] = ValueValidator::cellsWithLimits();
}
BENCHMARK(BM_ValidatorCount)->Unit(benchmark::kMicrosecond);

void BM_ValidatorCheck(benchmark::State& state)
{
    const ParameterImage& image = defaultImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(ValueValidator::check(image));
}
BENCHMARK(BM_ValidatorCheck)->Unit(benchmark::kMicrosecond);

void BM_ValidatorCheckAllZero(benchmark::State& state)
{
    const ParameterImage image;
    int entries = 0;
    for (auto _ : state)
        entries = ValueValidator::check(image).size();
    state.counters["entries"] = entries;
}
BENCHMARK(BM_ValidatorCheckAllZero)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// Speed of the parameter file round: parsing and decoding a full file,
// encoding and writing an image, and a whole checked read.

#include "parameter/decoder.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

// An image with a value in every cell, so every cell has text to carry.
ParameterImage filledImage()
{
    QRandomGenerator random(42);
    ParameterImage image;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        for (int r = 0; r < field.rows; ++r) {
            for (int c = 0; c < field.columns; ++c) {
                switch (field.type) {
                case ValueType::I16:
                case ValueType::U16:
                    image.setU16(field, r, c, quint16(random.bounded(1000)));
                    break;
                case ValueType::I32:
                case ValueType::U32:
                    image.setU32(field, r, c, random.generate());
                    break;
                case ValueType::F32:
                    image.setF32(field, r, c, float(random.bounded(20000.0) - 10000.0));
                    break;
                case ValueType::Text:
                    image.setText(field, r, c, QStringLiteral("QR6-%1").arg(r * 100 + c));
                    break;
                }
            }
        }
    }
    return image;
}

struct Fixture
{
    Fixture() : image(filledImage())
    {
        path = dir.filePath(QStringLiteral("bench.txt"));
        ParameterImage copy = image;
        procedure.outputFile(path, copy);
    }
    QTemporaryDir dir;
    QString path;
    IO::Procedure procedure;
    ParameterImage image;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ParseAndDecode(benchmark::State& state)
{
    Fixture& f = fixture();
    ParameterImage image;
    for (auto _ : state) {
        ParameterTextTable table;
        f.procedure.parser->makeTable(table);
        DataProviderErrorRecord error;
        f.procedure.parser->extractToMap(table, f.path, error);
        f.procedure.decoder->decode(image, table, &f.procedure.parser->parameterInfos, true, true,
                                    true);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_ParseAndDecode)->Unit(benchmark::kMillisecond);

void BM_EncodeAndWrite(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("written.txt"));
    ParameterImage image = f.image;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.procedure.outputFile(path, image));
}
BENCHMARK(BM_EncodeAndWrite)->Unit(benchmark::kMillisecond);

void BM_ReadAll(benchmark::State& state)
{
    Fixture& f = fixture();
    ParameterImage image;
    for (auto _ : state) {
        DataProviderErrorRecord error;
        benchmark::DoNotOptimize(f.procedure.readAll(image, f.path, error));
    }
}
BENCHMARK(BM_ReadAll)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silence);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

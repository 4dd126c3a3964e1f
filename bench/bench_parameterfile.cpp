// Speed of the parameter file round, each figure beside a reference measured
// in the same run on the same file:
// - parse + decode (read, count check, decode; no signature check) against
//   reading the file and splitting it into lines: goal at most 5 times,
//   stretch 3 times;
// - encode + write (sign, format, write through QSaveFile) against writing
//   the same bytes with one QFile::write: goal at most 5 times.
// Each runs on the shipped default.txt (Arg 0) and on a file with every field
// filled (Arg 1). The files live in /dev/shm when it is writable (or in
// OBX_BENCH_DIR), so that the figures are the program's work, not the disk's:
// QSaveFile syncs the file to disk before renaming it, QFile::write does not.

#include "parameter/decoder.h"
#include "parameter/encodedcells.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopedPointer>
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

QTemporaryDir* makeDir()
{
    QString base = qEnvironmentVariable("OBX_BENCH_DIR");
    if (base.isEmpty() && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        base = QStringLiteral("/dev/shm");
    return base.isEmpty() ? new QTemporaryDir
                          : new QTemporaryDir(base + QStringLiteral("/obx_bench_XXXXXX"));
}

struct Fixture
{
    Fixture() : dir(makeDir())
    {
        DataProviderErrorRecord error;
        procedure.readAll(images[0], QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt"),
                          error);
        images[1] = filledImage();
        for (int i = 0; i < 2; ++i) {
            paths[i] = dir->filePath(QStringLiteral("bench%1.txt").arg(i));
            procedure.outputFile(paths[i], images[i]);
            QFile file(paths[i]);
            file.open(QIODevice::ReadOnly);
            bytes[i] = file.readAll();
        }
    }
    QScopedPointer<QTemporaryDir> dir;
    IO::Procedure procedure;
    ParameterImage images[2];
    QString paths[2];
    QByteArray bytes[2];
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadAndSplit(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString& path = f.paths[state.range(0)];
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = file.readAll().split('\n');
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.bytes[state.range(0)].size());
}
BENCHMARK(BM_ReadAndSplit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ParseAndDecode(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString& path = f.paths[state.range(0)];
    IO::Parser& parser = *f.procedure.parser;
    ParameterImage image;
    for (auto _ : state) {
        ParameterImage fileImage;
        DataProviderErrorRecord error;
        parser.extractToImage(fileImage, path, error);
        f.procedure.decoder->decode(image, fileImage, parser.nameIndex(), &parser.parameterInfos,
                                    true, true, true);
        benchmark::DoNotOptimize(image.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.bytes[state.range(0)].size());
}
BENCHMARK(BM_ParseAndDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole checked read: parse, decode, signature check.
void BM_ReadAll(benchmark::State& state)
{
    Fixture& f = fixture();
    ParameterImage image;
    for (auto _ : state) {
        DataProviderErrorRecord error;
        benchmark::DoNotOptimize(f.procedure.readAll(image, f.paths[state.range(0)], error));
    }
}
BENCHMARK(BM_ReadAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The text table form of the same read, which the reader no longer takes.
void BM_ParseAndDecodeTable(benchmark::State& state)
{
    Fixture& f = fixture();
    IO::Parser& parser = *f.procedure.parser;
    ParameterImage image;
    for (auto _ : state) {
        ParameterTextTable table;
        parser.makeTable(table);
        DataProviderErrorRecord error;
        parser.extractToMap(table, f.paths[state.range(0)], error);
        f.procedure.decoder->decode(image, table, &parser.parameterInfos, true, true, true);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_ParseAndDecodeTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WriteBytes(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir->filePath(QStringLiteral("reference.txt"));
    const QByteArray& bytes = f.bytes[state.range(0)];
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        benchmark::DoNotOptimize(file.write(bytes));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_WriteBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What writing the bytes through QSaveFile (temporary file, sync, rename)
// costs alone: the floor of BM_EncodeAndWrite.
void BM_SaveBytes(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir->filePath(QStringLiteral("saved.txt"));
    const QByteArray& bytes = f.bytes[state.range(0)];
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        benchmark::DoNotOptimize(file.commit());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_SaveBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The formatting part of BM_EncodeAndWrite alone.
void BM_EncodeCells(benchmark::State& state)
{
    Fixture& f = fixture();
    IO::EncodedCells cells;
    for (auto _ : state)
        benchmark::DoNotOptimize(cells.encode(f.images[state.range(0)]));
}
BENCHMARK(BM_EncodeCells)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EncodeAndWrite(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir->filePath(QStringLiteral("written.txt"));
    ParameterImage image = f.images[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(f.procedure.outputFile(path, image));
    state.SetBytesProcessed(int64_t(state.iterations()) * f.bytes[state.range(0)].size());
}
BENCHMARK(BM_EncodeAndWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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

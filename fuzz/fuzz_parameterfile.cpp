// Feeds arbitrary bytes as a parameter file through the reader and the codec.
// Besides crashes it checks the writer's promise: whatever image a file
// decodes to is either refused by the writer or read back unchanged.

#include "parameter/decoder.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedPointer>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_parameterfile";
        static char* argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        qInstallMessageHandler(silence);
        // Every run writes and syncs a whole file; memory is much faster.
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            dir.reset(new QTemporaryDir(QStringLiteral("/dev/shm/obx_fuzz_XXXXXX")));
        else
            dir.reset(new QTemporaryDir);
        input = dir->filePath(QStringLiteral("input.txt"));
        output = dir->filePath(QStringLiteral("output.txt"));
    }

    QCoreApplication* app;
    QScopedPointer<QTemporaryDir> dir;
    QString input;
    QString output;
    IO::Procedure procedure;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Harness harness;
    IO::Procedure& procedure = harness.procedure;

    QFile file(harness.input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ParameterTextTable table;
    procedure.parser->makeTable(table);
    const IO::ParseResult result = procedure.parser->parseText(table, harness.input);
    if (result.ok && procedure.parser->checkDataCount(result.valueCounts))
        procedure.decoder->isCRCCorrect(table);
    if (result.valueCounts.isEmpty())
        return 0; // nothing reached the table

    // Whatever reached the table, complete or not, goes into an image.
    ParameterImage image;
    procedure.decoder->decode(image, table, &procedure.parser->parameterInfos, true, true, true);

    DataProviderErrorRecord error;
    ParameterImage written = image;
    if (procedure.outputFile(harness.output, written) == 1) {
        ParameterImage readBack;
        if (!procedure.readAll(readBack, harness.output, error) || readBack != written)
            std::abort();
    }
    return 0;
}

// Feeds arbitrary bytes as a parameter file through the reader: every input
// is parsed, counted, signature-checked and decoded as the program reads a
// file. Only an input that reads without an error is written and read back,
// to check the writer's promise: whatever image a file decodes to is either
// refused by the writer or read back unchanged.

#include "parameter/procedure.h"

#include <QCoreApplication>
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
        // Every input passes through a file; memory is much faster.
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

    ParameterImage image;
    DataProviderErrorRecord error;
    if (!procedure.readAll(image, harness.input, error))
        return 0;

    ParameterImage written = image;
    if (procedure.outputFile(harness.output, written) == 1) {
        ParameterImage readBack;
        if (!procedure.readAll(readBack, harness.output, error) || readBack != written)
            std::abort();
    }
    return 0;
}

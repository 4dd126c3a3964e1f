#include "app/commandlineset.h"

#include "app/commandlinefile.h"
#include "parameter/parser.h"

CommandLineSet CommandLineSet::readFrom(CommandLineFile& named)
{
    if (named.openForReading())
        return readOpened(named);
    CommandLineSet file;
    file.error = named.error();
    return file;
}

CommandLineSet CommandLineSet::readOpened(const CommandLineFile& named)
{
    CommandLineSet file;
    IO::Parser parser;
    parser.loadInfo();
    parser.makeTable(file.table);
    DataProviderErrorRecord error;
    if (!parser.extractToMap(file.table, named.readPath(), error)) {
        file.error = parser.lastProblem();
        return file;
    }
    file.read = true;
    IO::Decoder().decode(file.image, file.table, nullptr, true, true, true);
    file.crcs = IO::Decoder::crcChecks(file.image);
    const QStringList failed = IO::Decoder::failedChecks(file.crcs);
    file.signatureOk = failed.isEmpty();
    file.skipped = IO::Decoder::skippedChecks(file.image);
    if (!file.signatureOk)
        file.error = QStringLiteral("CRC mismatch: ") + failed.join(QLatin1String(", "));
    else if (!file.skipped.isEmpty())
        file.error = QStringLiteral("not signed");
    return file;
}

QString CommandLineSet::skippedLines() const
{
    QString lines;
    for (const QString& area : skipped)
        lines +=
            QStringLiteral("  %1 CRC: %2, not checked\n").arg(area).arg(IO::Decoder::IgnoredCRC);
    return lines;
}

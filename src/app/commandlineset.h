#pragma once

#include "parameter/decoder.h"
#include "parameter/parameterimage.h"
#include "parameter/parametertexttable.h"

#include <QString>
#include <QStringList>
#include <QVector>

class CommandLineFile;

// A parameter file named on the command line, read once as the program
// would take it: the texts as the file wrote them, and the set they decode
// to with its signature checks.
struct CommandLineSet
{
    bool read = false;        // format and value counts accepted
    bool signatureOk = false; // no stored CRC differs from its data
    QStringList skipped;      // ranges whose check a stored 9894 skips
    QString error;            // why it was not read, or not signed
    ParameterTextTable table;
    ParameterImage image; // the file's whole set
    QVector<IO::Decoder::CrcCheck> crcs;

    bool isSigned() const { return signatureOk && skipped.isEmpty(); }
    // One line for each check a stored 9894 skipped, for standard error.
    QString skippedLines() const;

    // Opens the named file and reads it.
    static CommandLineSet readFrom(CommandLineFile& named);
    // Reads a file already opened for reading.
    static CommandLineSet readOpened(const CommandLineFile& named);
};

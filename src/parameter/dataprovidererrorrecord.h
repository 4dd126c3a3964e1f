#pragma once

#include <QString>
#include <QtGlobal>

// What went wrong in the data provider's last operation. Cleared when an
// operation starts; the step that fails fills in its code and where it came
// from, and the result box chooses its text by them.
struct DataProviderErrorRecord
{
    // Where the failure happened.
    enum Source : qint32
    {
        NoSource = 0,
        FtpSource = 2,
        MonitorCommandSource = 3,
        FileProcedureSource = 4
    };

    // Codes the file procedures report (with FileProcedureSource).
    enum FileErrorCode : qint32
    {
        FileReadError = 3,   // the file could not be opened or read
        FileFormatError = 5, // the file's content or signature is not acceptable
    };

    qint32 errorCode = 0;
    qint32 source = NoSource;
    QString lastErrorText;

    void clear()
    {
        errorCode = 0;
        source = NoSource;
        lastErrorText.clear();
    }
    void set(qint32 code, qint32 from)
    {
        errorCode = code;
        source = from;
    }
};

#pragma once

#include <QString>

// Puts a new controller address into the application's settings file: the
// lines that begin with "MirelIPAddress" get the new address, every other
// byte stays as it was. The file is replaced only by a complete new one.
class SettingsAddressFile
{
public:
    enum Result
    {
        Written,
        SourceUnreadable, // nothing was written
        WriteFailed,      // the original file is unchanged
    };

    static Result rewrite(const QString& path, const QString& address);
    // The text with its address lines rewritten.
    static QByteArray rewritten(const QByteArray& text, const QString& address);
};

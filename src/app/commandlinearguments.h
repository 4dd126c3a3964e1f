#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a command line asks for. Read from the raw arguments, so that a file
// name keeps its bytes (it need not be valid UTF-8), and before any
// application object exists: a mode that needs no window must never depend
// on a display. One mode per call; anything that cannot be run is an error
// rather than something quietly ignored.
class CommandLineArguments
{
public:
    enum Mode
    {
        Window, // no command-line mode: the program opens its window
        Check,
        Compare,
        ExportReport,
        Help,
        Version,
    };

    // arguments: the program's arguments without the program name.
    static CommandLineArguments parse(const QList<QByteArray>& arguments);
    // Whether the arguments are the command line's rather than the window's.
    static bool isRequested(int argc, char* argv[]);

    // The synopsis lines, for usage errors.
    static QString usage();
    // The whole help: synopsis, options, what "signed" means, exit codes.
    static QString helpText();

    Mode mode = Window;
    bool json = false;
    QList<QByteArray> files;
    // Why the command line cannot be run, one line; empty when it can.
    QString error;
};

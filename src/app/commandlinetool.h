#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CommandLineArguments;
class QTextStream;

// The program without a window, for scripts and CI: checks parameter files
// (read, signature, values outside their limits), compares two of them and
// writes the safety report. It needs no display, takes no single-instance
// lock (so it runs beside an open program) and writes results to standard
// output, errors to standard error, as text or as one JSON document.
//
// A set is signed when each of its five CRCs matches its data; a stored
// 9894 skips a check, and such a set is reported as not signed.
// Exit codes: --check 0 every file is signed and holds only values within
// their limits, 1 a file cannot be read, its signature fails or it is not
// signed, 2 values lie outside their limits; --compare 0 same, 1 different,
// 3 unreadable; 64 a command line that cannot be run.
class CommandLineTool
{
public:
    enum ExitCode
    {
        Clean = 0,
        Unreadable = 1, // --check
        OutsideLimits = 2,
        Different = 1, // --compare
        CompareUnreadable = 3,
        UsageError = 64,
    };

    // Whether the raw arguments ask for this tool rather than the window;
    // decided before any application object exists.
    static bool isRequested(int argc, char* argv[]);
    // Makes the application object the mode needs and runs the tool.
    static int main(int argc, char* argv[]);
    // Only critical messages reach the terminal: the library's log lines (one
    // per refused file line, naming the descriptor path a file is read by)
    // belong in the program's log file, and the tool reports every outcome
    // itself, naming the file as the caller gave it. The platform plugins'
    // complaints about a display that cannot be opened are left out too; the
    // export says in one line what it did instead.
    static void quietMessages(QtMsgType type, const QMessageLogContext& context,
                              const QString& message);

    CommandLineTool(QTextStream& out, QTextStream& err);
    // arguments: the program's arguments, the program name first.
    int run(const QStringList& arguments);
    // The report export needs a QApplication; the other modes do not.
    int run(const CommandLineArguments& arguments);

private:
    int check(const QList<QByteArray>& files, bool json);
    int compare(const QByteArray& left, const QByteArray& right, bool json);

    QTextStream& m_out;
    QTextStream& m_err;
};

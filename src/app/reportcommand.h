#pragma once

class CommandLineArguments;
class QTextStream;

// The command line's safety report export, for scripted acceptance
// documents: "obxsetting --export-report SET.txt OUT.pdf". It takes no
// single-instance lock, shows no window and never needs a display: where
// none is named, or the one named cannot be opened, it draws off screen.
class ReportCommand
{
public:
    enum ExitCode
    {
        Written = 0,
        SetUnreadable = 1,
        OutsideLimits = 2, // written; the set holds values the report lists as such
        PdfUnwritable = 4,
    };

    // Makes the GUI application object on a platform that opens and runs
    // the export; returns the process exit code.
    static int main(const char* program, const CommandLineArguments& arguments);
    // The export itself, in a running QApplication.
    static int run(const CommandLineArguments& arguments, QTextStream& out, QTextStream& err);
};

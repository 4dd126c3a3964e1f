#pragma once

// The command line's safety report export, for scripted acceptance
// documents: "obxsetting --export-report SET.txt OUT.pdf". It takes no
// single-instance lock, shows no window and runs without a display.
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

    // Whether the arguments ask for the export.
    static bool isRequested(int argc, char* argv[]);
    // Runs the export; returns the process exit code.
    static int run(int argc, char* argv[]);
};

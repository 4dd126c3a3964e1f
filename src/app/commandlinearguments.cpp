#include "app/commandlinearguments.h"

#include "app/commandlinefile.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

struct ModeOption
{
    const char* name;
    CommandLineArguments::Mode mode;
};

const ModeOption modeOptions[] = {
    {"--check", CommandLineArguments::Check},
    {"--compare", CommandLineArguments::Compare},
    {"--export-report", CommandLineArguments::ExportReport},
};

const char* const helpOptions[] = {"-h", "--help", "-?", "--help-all"};
const char* const windowOptions[] = {"-o", "--opengl"};
const char* const versionOption = "--version";
const char* const formatOption = "--format";

// Options that, given anywhere before "--", make the call the command
// line's: also with a value glued on ("--check=x"), which is then refused.
const char* const commandLineOptions[] = {"--check",    "--compare", "--export-report",
                                          "-h",         "--help",    "-?",
                                          "--help-all", "--version", "--format"};

// The long options the window takes: its own and the toolkit's, which the
// toolkit also reads with two dashes ("--platform offscreen"). Any other
// long option is a mistyped mode ("--chek"): a usage error, not a window
// that needs a display.
const char* const windowLongOptions[] = {"opengl",        "platform",    "platformpluginpath",
                                         "platformtheme", "plugin",      "qwindowgeometry",
                                         "qwindowtitle",  "qwindowicon", "geometry",
                                         "title",         "icon",        "display",
                                         "name",          "session",     "reverse",
                                         "style",         "stylesheet",  "widgetcount",
                                         "qmljsdebugger", "testability", "nograb",
                                         "dograb",        "sync"};

bool isWindowLongOption(const char* argument)
{
    const char* name = argument + 2;
    const std::size_t length = std::strcspn(name, "=");
    return std::any_of(std::begin(windowLongOptions), std::end(windowLongOptions),
                       [name, length](const char* option) {
                           return std::strlen(option) == length &&
                                  std::strncmp(name, option, length) == 0;
                       });
}

bool isOneOf(const QByteArray& argument, const char* const* first, const char* const* last)
{
    return std::any_of(first, last, [&argument](const char* name) { return argument == name; });
}

} // namespace

CommandLineArguments CommandLineArguments::parse(const QList<QByteArray>& arguments)
{
    CommandLineArguments result;
    bool help = false;
    bool version = false;
    bool window = false;
    bool formatGiven = false;
    QByteArray modeName;
    // The first problem is the one reported.
    const auto fail = [&result](const QString& reason) {
        if (result.error.isEmpty())
            result.error = reason;
    };
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            result.files.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (isOneOf(argument, std::begin(helpOptions), std::end(helpOptions))) {
            help = true;
        } else if (argument == versionOption) {
            version = true;
        } else if (isOneOf(argument, std::begin(windowOptions), std::end(windowOptions))) {
            window = true;
        } else if (argument == formatOption || argument.startsWith("--format=")) {
            QByteArray value;
            if (argument == formatOption) {
                if (i + 1 >= arguments.size()) {
                    fail(QStringLiteral("--format needs text or json"));
                    continue;
                }
                value = arguments.at(++i);
            } else {
                value = argument.mid(int(std::strlen(formatOption)) + 1);
            }
            if (formatGiven)
                fail(QStringLiteral("--format is given twice"));
            formatGiven = true;
            if (value == "json")
                result.json = true;
            else if (value != "text")
                fail(QStringLiteral("--format takes text or json, not %1")
                         .arg(CommandLineFile::shownName(value)));
        } else {
            const auto mode = std::find_if(
                std::begin(modeOptions), std::end(modeOptions),
                [&argument](const ModeOption& option) { return argument == option.name; });
            if (mode == std::end(modeOptions)) {
                fail(QStringLiteral("unknown option %1").arg(CommandLineFile::shownName(argument)));
            } else if (!modeName.isEmpty()) {
                fail(QStringLiteral("one mode per call: %1 and %2")
                         .arg(QString::fromLatin1(modeName), QLatin1String(mode->name)));
            } else {
                modeName = argument;
                result.mode = mode->mode;
            }
        }
    }

    // The help is what a confused caller needs, whatever else was given.
    if (help) {
        result.mode = Help;
        result.error.clear();
        return result;
    }
    if (version) {
        if (result.mode != Window || window || formatGiven || !result.files.isEmpty())
            fail(QStringLiteral("--version takes no other arguments"));
        result.mode = Version;
    }
    const int count = result.files.size();
    // No file has an empty name; the open would only fail with an empty name to show.
    if (result.mode != Window && result.files.contains(QByteArray()))
        fail(QStringLiteral("a file name is empty"));
    switch (result.mode) {
    case Window:
        if (formatGiven || count > 0)
            fail(QStringLiteral("give --check FILE..., --compare A B or --export-report SET OUT"));
        break;
    case Check:
        if (count == 0)
            fail(QStringLiteral("--check needs at least one file"));
        break;
    case Compare:
        if (count != 2)
            fail(QStringLiteral("--compare needs two files, A and B, not %1").arg(count));
        break;
    case ExportReport:
        if (count != 2)
            fail(QStringLiteral("--export-report needs two files, SET and OUT, not %1").arg(count));
        break;
    case Help:
    case Version:
        break;
    }
    if (window && result.mode != Window)
        fail(QStringLiteral("-o applies to the window only"));
    return result;
}

bool CommandLineArguments::isRequested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strncmp(argv[i], "--", 2) == 0 && !isWindowLongOption(argv[i]))
            return true;
        for (const char* option : commandLineOptions) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

QString CommandLineArguments::usage()
{
    return QStringLiteral("Usage: obxsetting [-o]\n"
                          "       obxsetting --check [--format text|json] FILE...\n"
                          "       obxsetting --compare [--format text|json] A B\n"
                          "       obxsetting --export-report [--format text|json] SET OUT\n"
                          "       obxsetting --help | --version\n");
}

QString CommandLineArguments::helpText()
{
    return usage() +
           QStringLiteral(
               "\n"
               "Sets up the safety monitoring unit of a robot controller. Without a mode the "
               "window "
               "opens.\n"
               "\n"
               "Options:\n"
               "  --check FILE...          Reads each parameter file, checks its CRCs and lists "
               "every\n"
               "                           value outside its limits and every file text the "
               "set\n"
               "                           does not keep.\n"
               "  --compare A B            Lists the values that differ between the files A and "
               "B.\n"
               "  --export-report SET OUT  Writes the safety report of the parameter file SET as "
               "the\n"
               "                           PDF OUT.\n"
               "  --format text|json       Output as text (default) or as one JSON document.\n"
               "  -o, --opengl             Hides the 3d viewing area (window only).\n"
               "  -h, -?, --help, --help-all\n"
               "                           Displays this help.\n"
               "  --version                Displays the program's version.\n"
               "  --                       Every later argument is a file name.\n"
               "\n"
               "A set is signed when each of its five CRCs (whole, system, monitor, signal, all "
               "data)\n"
               "matches the one computed from its data. A stored CRC of 9894 skips that check when "
               "the\n"
               "set is loaded: such a set loads, but it is not signed, and every mode says so.\n"
               "\n"
               "Exit codes:\n"
               "  --check          0 every file is signed and holds only values within their "
               "limits,\n"
               "                   1 a file cannot be read, a CRC fails or a set is not signed,\n"
               "                   2 values lie outside their limits or file texts were not "
               "kept.\n"
               "  --compare        0 same, 1 different, 3 a file cannot be read.\n"
               "  --export-report  0 written, 1 the set cannot be read, 2 written, but the set "
               "holds\n"
               "                   values outside their limits or file texts not kept,\n"
               "                   4 the PDF cannot be written.\n"
               "  any mode         64 the command line cannot be run.\n");
}

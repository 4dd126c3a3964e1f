#include "app/reportcommand.h"

#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/safetyreport.h"
#include "parameter/dataprovidererrorrecord.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameterimage.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"
#include "parameter/valuevalidator.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

const char* const option = "--export-report";

// Only warnings and worse reach the terminal: the command's own output.
void warningsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

QString absoluteArgument(int argc, char* argv[], int index)
{
    if (index >= argc)
        return QString();
    // Taken before the application changes anything, against the caller's folder.
    return QFileInfo(QString::fromLocal8Bit(argv[index])).absoluteFilePath();
}

} // namespace

bool ReportCommand::isRequested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

int ReportCommand::run(int argc, char* argv[])
{
    int at = 1;
    while (at < argc && std::strcmp(argv[at], option) != 0)
        ++at;
    const QString setPath = absoluteArgument(argc, argv, at + 1);
    const QString pdfPath = absoluteArgument(argc, argv, at + 2);

    // Fonts, the PDF and the plan view need a GUI application; without a
    // display it runs on the off-screen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(warningsOnly);
    QApplication app(argc, argv);
    // The settings name their folders relative to the program folder.
    const QString programDir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(programDir);
    Setting::instance()->load(programDir + QStringLiteral("/config/config.ini"));
    LanguageSetting::chooseLanguage(QString());
    LogicSignalDef::initialize();

    if (setPath.isEmpty() || pdfPath.isEmpty())
        std::fprintf(stderr, "Usage: %s --export-report SET.txt OUT.pdf\n", argv[0]);
    ParameterImage image;
    IO::Procedure procedure;
    DataProviderErrorRecord error;
    if (setPath.isEmpty() || !procedure.readAll(image, setPath, error)) {
        std::fprintf(stderr, "The parameter file cannot be read: %s\n", qUtf8Printable(setPath));
        return SetUnreadable;
    }
    LogicSignalDef::setMasterImage(&image);
    // The same findings as a check of the file: with those that only its
    // texts show.
    ParameterTextTable texts;
    procedure.parser->makeTable(texts);
    DataProviderErrorRecord textError; // the file was read a moment ago
    procedure.parser->extractToMap(texts, setPath, textError);
    const QVector<LimitEntry> entries = ValueValidator::check(image, &texts);
    // A slip that names the set as OUT must not replace the set by its report.
    const bool ontoSet = QFileInfo(pdfPath) == QFileInfo(setPath);
    const bool written =
        !pdfPath.isEmpty() && !ontoSet && SafetyReport(image, setPath, entries).write(pdfPath);
    LogicSignalDef::setMasterImage(nullptr);
    if (!written) {
        std::fprintf(stderr, "The file cannot be written: %s\n", qUtf8Printable(pdfPath));
        return PdfUnwritable;
    }
    if (!entries.isEmpty()) {
        const QString count =
            entries.size() == 1
                ? QStringLiteral("1 value outside its limits; the report lists it")
                : QStringLiteral("%1 values outside their limits; the report lists them")
                      .arg(entries.size());
        std::fprintf(stderr, "The set holds %s: %s\n", qUtf8Printable(count),
                     qUtf8Printable(pdfPath));
        return OutsideLimits;
    }
    return Written;
}

#include "app/reportcommand.h"

#include "app/commandlinearguments.h"
#include "app/commandlinefile.h"
#include "app/commandlineset.h"
#include "app/commandlinetool.h"
#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/safetyreport.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameterimage.h"
#include "parameter/valuevalidator.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// Platforms that draw on a display and, where it cannot be opened, let the
// toolkit go on to the next one. The others take a device or a port of
// their own, and some abort where they find none; a PDF needs neither.
bool fallsBackWithoutDisplay(const QByteArray& platform)
{
    const QByteArray name = platform.split(':').first();
    return name == "xcb" || name.startsWith("wayland") || name == "offscreen" || name == "minimal";
}

// The platform list the application is made with: the one asked for (or
// the one the session's display implies) and then the off-screen one, which
// the toolkit takes when the others cannot be opened. Returns the first
// choice, empty where no display is named; *dropped names one asked for
// that the report does not use.
QByteArray choosePlatform(QByteArray* dropped)
{
    QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (asked.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            asked = "xcb";
        else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            asked = "wayland";
    }
    QByteArrayList platforms;
    for (const QByteArray& platform : asked.split(';')) {
        if (fallsBackWithoutDisplay(platform))
            platforms << platform;
        else if (!platform.isEmpty() && dropped->isEmpty())
            *dropped = platform.split(':').first();
    }
    const QByteArray first = platforms.isEmpty() ? QByteArray() : platforms.first();
    if (!platforms.contains("offscreen"))
        platforms << "offscreen";
    qputenv("QT_QPA_PLATFORM", platforms.join(';'));
    return first;
}

} // namespace

int ReportCommand::main(const char* program, const CommandLineArguments& arguments)
{
    QByteArray dropped;
    const QByteArray wanted = choosePlatform(&dropped);
    qInstallMessageHandler(CommandLineTool::quietMessages);
    // Only the program name: the toolkit must not take a file name for one
    // of its own options.
    int argc = 1;
    char* argv[] = {const_cast<char*>(program), nullptr};
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    if (!wanted.isEmpty() && !wanted.startsWith("offscreen") &&
        QGuiApplication::platformName() == QLatin1String("offscreen"))
        err << "obxsetting: the display cannot be opened; the report is drawn without it\n";
    else if (!dropped.isEmpty())
        err << "obxsetting: the platform " << QString::fromLocal8Bit(dropped)
            << " is not used for a report; the report is drawn without a display\n";
    const int code = run(arguments, out, err);
    out.flush();
    err.flush();
    return code;
}

int ReportCommand::run(const CommandLineArguments& arguments, QTextStream& out, QTextStream& err)
{
    // Both taken before anything changes the working directory.
    CommandLineFile set(arguments.files.at(0));
    CommandLineFile pdf(arguments.files.at(1));
    const bool setOpened = set.openForReading();
    const CommandLineFile* const inputs[] = {&set};
    const bool pdfOpened = setOpened && pdf.openForWriting(inputs, 1);

    // The settings name their folders relative to the program folder.
    const QString programDir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(programDir);
    Setting::instance()->load(programDir + QStringLiteral("/config/config.ini"));
    LanguageSetting::chooseLanguage(QString());
    LogicSignalDef::initialize();

    // Read once, as the check reads it: the texts show what only they hold.
    const CommandLineSet file = setOpened ? CommandLineSet::readOpened(set) : CommandLineSet();
    const ParameterImage& image = file.image;
    int code = Written;
    QString problem;
    const bool read = file.read && file.signatureOk;
    QVector<LimitEntry> entries;
    if (!read) {
        problem = QStringLiteral("The parameter file cannot be read: %1 (%2)")
                      .arg(set.shownName(), setOpened ? file.error : set.error());
        code = SetUnreadable;
    } else {
        entries = ValueValidator::check(image, &file.table);
    }
    if (read && !pdfOpened) {
        problem =
            QStringLiteral("The file cannot be written: %1 (%2)").arg(pdf.shownName(), pdf.error());
        code = PdfUnwritable;
    } else if (read) {
        LogicSignalDef::setMasterImage(&image);
        QString reason;
        const bool written = SafetyReport(image, set.absoluteName(), entries)
                                 .write(pdf.writePath(), SafetyReport::Progress(), &reason);
        const bool named = written && pdf.finishWrite();
        LogicSignalDef::setMasterImage(nullptr);
        if (!named) {
            pdf.discardWrite();
            // The writer's reason may name the path it wrote by.
            reason.replace(pdf.writePath(), pdf.shownName());
            problem = QStringLiteral("The file cannot be written: %1 (%2)")
                          .arg(pdf.shownName(), written ? pdf.error() : reason);
            code = PdfUnwritable;
        } else if (!entries.isEmpty()) {
            code = OutsideLimits;
        }
    }
    if (!problem.isEmpty())
        err << problem << '\n';
    // Written, but not of a clean set: said apart from the errors.
    const FindingCount found = FindingCount::of(entries);
    if (code == OutsideLimits)
        err << QStringLiteral("The set holds %1; the report lists %2: %3")
                   .arg(found.text(),
                        entries.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                        pdf.shownName())
            << '\n';
    const QStringList& skipped = file.skipped;
    if (read && !skipped.isEmpty()) {
        err << set.shownName() << ": not signed\n" << file.skippedLines();
    }
    if (arguments.json) {
        QJsonObject summary{{QStringLiteral("file"), pdf.shownName()},
                            {QStringLiteral("set"), set.shownName()},
                            {QStringLiteral("exitCode"), code}};
        if (read) {
            summary.insert(QStringLiteral("findings"), entries.size());
            summary.insert(QStringLiteral("outsideLimitsCount"), found.outsideLimits);
            summary.insert(QStringLiteral("textsNotKeptCount"), found.textsNotKept);
            summary.insert(QStringLiteral("signed"), skipped.isEmpty());
            summary.insert(QStringLiteral("skippedSignatures"),
                           QJsonArray::fromStringList(skipped));
        }
        if (!problem.isEmpty())
            summary.insert(QStringLiteral("error"), problem);
        out << QJsonDocument(summary).toJson();
    }
    return code;
}

#include "app/commandlinetool.h"

#include "app/reportcommand.h"
#include "io/comparisonview.h"
#include "parameter/decoder.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterfilescanner.h"
#include "parameter/parser.h"
#include "parameter/valuevalidator.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTranslator>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char* const modeOptions[] = {"--check", "--compare", "--help", "-h", "-?", "--format"};

// The library's log lines (one per refused file line, for one) belong in
// the program's log file; the tool reports every outcome itself.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

// One parameter file as the program would take it.
struct ReadFile
{
    bool read = false; // format and value counts accepted
    bool signatureOk = false;
    QString error; // why it was not read
    ParameterTextTable table;
    ParameterImage image; // the file's whole set
    QVector<IO::Decoder::CrcCheck> crcs;
};

ReadFile readFile(const QString& path)
{
    ReadFile file;
    const QFileInfo info(path);
    if (!info.exists()) {
        file.error = QStringLiteral("no such file");
        return file;
    }
    if (info.isDir()) {
        file.error = QStringLiteral("is a directory");
        return file;
    }
    IO::Parser parser;
    parser.loadInfo();
    parser.makeTable(file.table);
    DataProviderErrorRecord error;
    if (!parser.extractToMap(file.table, path, error)) {
        QByteArray text;
        QString reason;
        if (error.errorCode == DataProviderErrorRecord::FileReadError &&
            !IO::ParameterFileScanner::readText(path, &text, &reason))
            file.error = QStringLiteral("cannot be read: ") + reason;
        else
            file.error = QStringLiteral("format error: not a complete parameter file");
        return file;
    }
    file.read = true;
    IO::Decoder().decode(file.image, file.table, nullptr, true, true, true);
    file.crcs = IO::Decoder::crcChecks(file.image);
    file.signatureOk = true;
    for (const IO::Decoder::CrcCheck& crc : qAsConst(file.crcs))
        file.signatureOk = file.signatureOk && crc.holds();
    if (!file.signatureOk)
        file.error = QStringLiteral("CRC mismatch");
    return file;
}

QString crcText(quint32 value)
{
    return Property::SafetySignatureCRC::crcText(value);
}

QJsonValue numberOrText(double value, const QString& text)
{
    // JSON has no NaN or infinity.
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(text);
}

const char* problemName(LimitEntry::Problem problem)
{
    switch (problem) {
    case LimitEntry::OutsideLimits:
        return "outside limits";
    case LimitEntry::NotFinite:
        return "not finite";
    case LimitEntry::TextNotKept:
        return "text not kept";
    }
    return "";
}

QJsonObject entryJson(const LimitEntry& entry)
{
    return QJsonObject{
        {QStringLiteral("no"), entry.no},
        {QStringLiteral("name"), entry.name},
        {QStringLiteral("displayName"), entry.displayName},
        {QStringLiteral("scene"), entry.scene},
        {QStringLiteral("row"), entry.row + 1},
        {QStringLiteral("column"), entry.column + 1},
        {QStringLiteral("value"), numberOrText(entry.value, entry.valueText)},
        {QStringLiteral("valueText"), entry.valueText},
        {QStringLiteral("fileText"), entry.fileText},
        {QStringLiteral("lower"), entry.lower},
        {QStringLiteral("upper"), entry.upper},
        {QStringLiteral("problem"), QLatin1String(problemName(entry.problem))},
    };
}

QString entryLine(const LimitEntry& entry)
{
    return QStringLiteral("  %1 row %2 column %3: %4 [%5]")
        .arg(entry.name)
        .arg(entry.row + 1)
        .arg(entry.column + 1)
        .arg(entry.describe(), QLatin1String(problemName(entry.problem)));
}

} // namespace

bool CommandLineTool::isRequested(int argc, char* argv[])
{
    if (ReportCommand::isRequested(argc, argv))
        return true;
    for (int i = 1; i < argc; ++i)
        for (const char* option : modeOptions)
            if (std::strcmp(argv[i], option) == 0 ||
                (std::strncmp(argv[i], option, std::strlen(option)) == 0 &&
                 argv[i][std::strlen(option)] == '='))
                return true;
    return false;
}

int CommandLineTool::main(int argc, char* argv[])
{
    // The report draws fonts, a PDF and a plan view: a GUI application of its own.
    if (ReportCommand::isRequested(argc, argv))
        return ReportCommand::run(argc, argv);
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietMessages);
    // Names in the reports are the English ones, whatever the user chose.
    QTranslator english;
    if (english.load(QStringLiteral("en"), QStringLiteral(":/config/i18n")))
        QCoreApplication::installTranslator(&english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    return CommandLineTool(out, err).run(QCoreApplication::arguments());
}

CommandLineTool::CommandLineTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

int CommandLineTool::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets up the safety monitoring unit of a robot controller. Without --check or "
        "--compare the window opens.\n\n"
        "Exit codes of --check: 0 every file reads and holds only values within their "
        "limits, 1 a file cannot be read or its CRC fails, 2 values lie outside their limits.\n"
        "Exit codes of --compare: 0 same, 1 different, 3 a file cannot be read.\n"
        "Exit codes of --export-report: 0 written, 1 the set cannot be read, 4 the PDF cannot "
        "be written.\n"
        "64: the command line cannot be run."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("Reads each parameter file FILE..., checks its CRCs and lists every value "
                       "outside its limits."));
    const QCommandLineOption compareOption(
        QStringLiteral("compare"),
        QStringLiteral("Lists the parameters that differ between the files A and B."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("Output as text (default) or json."),
                                          QStringLiteral("text|json"), QStringLiteral("text"));
    const QCommandLineOption hide3d({QStringLiteral("o"), QStringLiteral("opengl")},
                                    QStringLiteral("Hide the 3d viewing area (window only)."));
    // Listed for the help only: main() hands it to the report command first.
    const QCommandLineOption reportOption(
        QStringLiteral("export-report"),
        QStringLiteral("Writes the safety report of the parameter file SET as the PDF OUT."),
        QStringLiteral("SET OUT"));
    parser.addOptions({help, checkOption, compareOption, formatOption, hide3d, reportOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Parameter files."),
                                 QStringLiteral("[FILE...]"));

    if (!parser.parse(arguments)) {
        m_err << parser.errorText() << '\n';
        return UsageError;
    }
    if (parser.isSet(help)) {
        m_out << parser.helpText();
        return Clean;
    }
    const QString format = parser.value(formatOption);
    const QStringList files = parser.positionalArguments();
    QString problem;
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        problem = QStringLiteral("--format takes text or json");
    else if (parser.isSet(checkOption) == parser.isSet(compareOption))
        problem = QStringLiteral("give either --check FILE... or --compare A B");
    else if (parser.isSet(checkOption) && files.isEmpty())
        problem = QStringLiteral("--check needs at least one file");
    else if (parser.isSet(compareOption) && files.size() != 2)
        problem = QStringLiteral("--compare needs exactly two files");
    if (!problem.isEmpty()) {
        m_err << problem << '\n';
        return UsageError;
    }
    const bool json = format == QLatin1String("json");
    return parser.isSet(checkOption) ? check(files, json) : compare(files[0], files[1], json);
}

int CommandLineTool::check(const QStringList& files, bool json)
{
    bool unreadable = false;
    bool outside = false;
    QJsonArray results;
    for (const QString& path : files) {
        const ReadFile file = readFile(path);
        QVector<LimitEntry> entries;
        if (file.signatureOk)
            entries = ValueValidator::check(file.image, &file.table);
        unreadable = unreadable || !file.signatureOk;
        outside = outside || !entries.isEmpty();

        QJsonObject result{{QStringLiteral("file"), path},
                           {QStringLiteral("read"), file.read},
                           {QStringLiteral("crcOk"), file.signatureOk}};
        if (!file.error.isEmpty())
            result.insert(QStringLiteral("error"), file.error);
        if (!file.signatureOk)
            m_err << path << ": " << file.error << '\n';
        QJsonArray crcs;
        for (const IO::Decoder::CrcCheck& crc : file.crcs) {
            if (crc.holds())
                continue;
            crcs.append(QJsonObject{{QStringLiteral("area"), QLatin1String(crc.name)},
                                    {QStringLiteral("stored"), double(crc.stored)},
                                    {QStringLiteral("computed"), double(crc.computed)}});
            m_err << "  " << crc.name << " CRC: stored " << crcText(crc.stored) << ", computed "
                  << crcText(crc.computed) << '\n';
        }
        if (!crcs.isEmpty())
            result.insert(QStringLiteral("crcMismatches"), crcs);
        if (!file.signatureOk) {
            results.append(result);
            continue;
        }
        result.insert(QStringLiteral("allDataCrc"), crcText(file.image.allDataCRC()));
        QJsonArray list;
        for (const LimitEntry& entry : qAsConst(entries))
            list.append(entryJson(entry));
        result.insert(QStringLiteral("outsideLimits"), list);
        results.append(result);
        if (json)
            continue;
        m_out << path << ": CRC " << crcText(file.image.allDataCRC()) << ", " << entries.size()
              << (entries.size() == 1 ? " value outside its limits"
                                      : " values outside their limits")
              << (entries.isEmpty() ? "\n" : ":\n");
        for (const LimitEntry& entry : qAsConst(entries))
            m_out << entryLine(entry) << '\n';
    }
    const int code = unreadable ? Unreadable : outside ? OutsideLimits : Clean;
    if (json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("files"), results},
                                           {QStringLiteral("exitCode"), code}})
                     .toJson();
    m_out.flush();
    m_err.flush();
    return code;
}

int CommandLineTool::compare(const QString& left, const QString& right, bool json)
{
    const ReadFile a = readFile(left);
    const ReadFile b = readFile(right);
    bool readable = true;
    for (const auto& [path, file] : {std::make_pair(left, &a), std::make_pair(right, &b)}) {
        if (file->signatureOk)
            continue;
        readable = false;
        m_err << path << ": " << file->error << '\n';
    }
    if (!readable) {
        if (json)
            m_out << QJsonDocument(QJsonObject{{QStringLiteral("exitCode"), CompareUnreadable}})
                         .toJson();
        m_out.flush();
        m_err.flush();
        return CompareUnreadable;
    }
    const QVector<IO::ComparisonView::Row> rows = IO::ComparisonView::differences(a.image, b.image);
    QJsonArray list;
    for (const IO::ComparisonView::Row& row : rows) {
        // The cell as --check names it: the field's row and column, from 1.
        const FieldDef* field = ParameterLayout::findByNo(row.no);
        const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(quint32(row.no));
        int cellRow = row.group - 1;
        int cellColumn = row.element - 1;
        if (field && record)
            ParameterLayout::cellOfOffset(*field, int(record->valueOffset(row.group, row.element)),
                                          &cellRow, &cellColumn);
        const QString name = field ? QLatin1String(field->name) : QString::number(row.no);
        if (!json) {
            m_out << name << '\t' << cellRow + 1 << '\t' << cellColumn + 1 << '\t' << row.left
                  << '\t' << row.right << '\t' << row.name << '\n';
            continue;
        }
        list.append(QJsonObject{{QStringLiteral("no"), row.no},
                                {QStringLiteral("name"), name},
                                {QStringLiteral("displayName"), row.name},
                                {QStringLiteral("row"), cellRow + 1},
                                {QStringLiteral("column"), cellColumn + 1},
                                {QStringLiteral("a"), row.left},
                                {QStringLiteral("b"), row.right}});
    }
    const int code = rows.isEmpty() ? Clean : Different;
    if (json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("differences"), list},
                                           {QStringLiteral("exitCode"), code}})
                     .toJson();
    m_out.flush();
    return code;
}

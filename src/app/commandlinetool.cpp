#include "app/commandlinetool.h"

#include "app/commandlinearguments.h"
#include "app/commandlinefile.h"
#include "app/commandlineset.h"
#include "app/core/displaytext.h"
#include "app/reportcommand.h"
#include "io/comparisonview.h"
#include "parameter/decoder.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/unkepttexts.h"
#include "parameter/valuevalidator.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTranslator>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

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
    QJsonObject object{
        {QStringLiteral("no"), entry.no},
        {QStringLiteral("name"), entry.name},
        {QStringLiteral("displayName"), entry.displayName},
        {QStringLiteral("scene"), entry.scene},
        {QStringLiteral("row"), entry.row + 1},
        {QStringLiteral("column"), entry.column + 1},
        // A text cell holds no number: its value is its text.
        {QStringLiteral("value"), entry.type == ValueType::Text
                                      ? QJsonValue(entry.valueText)
                                      : numberOrText(entry.value, entry.valueText)},
        {QStringLiteral("valueText"), entry.valueText},
        {QStringLiteral("fileText"), entry.fileText},
        {QStringLiteral("problem"), QLatin1String(problemName(entry.problem))},
    };
    // Texts and the trailer have no limits to name.
    if (entry.hasLimits) {
        object.insert(QStringLiteral("lower"), entry.lower);
        object.insert(QStringLiteral("upper"), entry.upper);
    }
    return object;
}

QString entryLine(const LimitEntry& entry)
{
    return QStringLiteral("  %1 row %2 column %3: %4 [%5]")
        .arg(entry.name)
        .arg(entry.row + 1)
        .arg(entry.column + 1)
        .arg(entry.describe(), QLatin1String(problemName(entry.problem)));
}

// One differing value, named as --check names cells: the field, its row
// and column; a cell that holds several values gives one entry for each.
struct Difference
{
    int no = 0;
    QString name;
    QString displayName;
    int row = 0; // from 0
    int column = 0;
    QString left;
    QString right;
    // The files' texts of the value where their sets did not keep them,
    // whole; null elsewhere.
    QString leftFileText;
    QString rightFileText;
};

bool bytesDiffer(const ParameterImage& a, const ParameterImage& b, int offset, int size)
{
    return std::memcmp(a.data() + offset, b.data() + offset, size_t(size)) != 0;
}

bool isUpdateTime(const FieldDef& field)
{
    return field.offset == ParameterLayout::WholeUpdateTimeOffset ||
           field.offset == ParameterLayout::SystemUpdateTimeOffset ||
           field.offset == ParameterLayout::MonitorUpdateTimeOffset ||
           field.offset == ParameterLayout::SignalUpdateTimeOffset;
}

QString trailerText(const ParameterImage& image, const FieldDef& field)
{
    if (field.type == ValueType::Text)
        return DisplayText::shown(image.text(field));
    const quint32 value = image.u32At(field.offset);
    return isUpdateTime(field)
               ? QDateTime::fromSecsSinceEpoch(qint64(value), Qt::UTC).toString(Qt::ISODate)
               : crcText(value);
}

// As the safety signature page labels them; the page does not show the
// version and the all-data CRC.
QString trailerName(const FieldDef& field)
{
    if (field.offset == ParameterLayout::ParameterVersionOffset)
        return QStringLiteral("Parameter Version");
    if (field.offset == ParameterLayout::AllDataCrcOffset)
        return QStringLiteral("All Data CRC");
    return QCoreApplication::translate("Property::SafetySignatureCRC", field.name);
}

// The texts of two files that their sets did not keep ("65538" in a 16-bit
// cell stores 2, "abc" in a float cell 0): two files whose texts of a cell
// differ are not the same there, even where their sets store the same
// bytes, and a value is shown with the file's text beside it.
class FileTexts
{
public:
    FileTexts(const CommandLineSet& a, const CommandLineSet& b)
        : m_a(a.image), m_b(b.image), m_aTexts(UnkeptTexts::ofTable(a.image, a.table)),
          m_bTexts(UnkeptTexts::ofTable(b.image, b.table))
    {
    }

    bool differ(int offset, int size) const
    {
        for (int at = offset; at < offset + size; ++at) {
            const QString a = m_aTexts.textAt(m_a, at);
            const QString b = m_bTexts.textAt(m_b, at);
            // As the files hold them: "abc" and "abc" with a no-break space
            // after it both store 0, yet the files differ.
            if (a.isNull() != b.isNull() || a != b)
                return true;
        }
        return false;
    }
    QString left(const QString& value, int offset) const
    {
        return shown(value, m_aTexts.textAt(m_a, offset), m_bTexts.textAt(m_b, offset));
    }
    QString right(const QString& value, int offset) const
    {
        return shown(value, m_bTexts.textAt(m_b, offset), m_aTexts.textAt(m_a, offset));
    }
    // Both files' texts of the value at offset, as they are.
    void addTexts(Difference& difference, int offset) const
    {
        difference.leftFileText = m_aTexts.textAt(m_a, offset);
        difference.rightFileText = m_bTexts.textAt(m_b, offset);
    }

private:
    // A long text is cut around where it differs from the other file's.
    static QString shown(const QString& value, const QString& text, const QString& other)
    {
        return text.isNull() ? value
                             : LimitEntry::withFileText(value, text,
                                                        DisplayText::firstDifference(text, other));
    }

    const ParameterImage& m_a;
    const ParameterImage& m_b;
    UnkeptTexts m_aTexts;
    UnkeptTexts m_bTexts;
};

QVector<Difference> cellDifferences(const ParameterImage& a, const ParameterImage& b,
                                    const FileTexts& texts)
{
    QVector<Difference> list;
    const ParameterDefDB* db = ParameterDefDB::instance();
    const auto textsDiffer = [&texts](int offset, int size) { return texts.differ(offset, size); };
    for (const IO::ComparisonView::Row& row : IO::ComparisonView::differences(a, b, textsDiffer)) {
        const FieldDef* field = ParameterLayout::findByNo(row.no);
        const ParamDefRecord* record = db->findParamByNo(quint32(row.no));
        const int values = record && !record->isText() ? record->valueCount : 1;
        for (int value = 1; value <= values; ++value) {
            Difference difference{row.no,
                                  QString::number(row.no),
                                  row.name,
                                  row.group - 1,
                                  row.element - 1,
                                  row.left,
                                  row.right,
                                  {},
                                  {}};
            if (field && record) {
                difference.name = QLatin1String(field->name);
                const int offset = int(record->valueOffset(row.group, row.element, value));
                if (values > 1) {
                    if (!bytesDiffer(a, b, offset, record->valueSize()) &&
                        !texts.differ(offset, record->valueSize()))
                        continue;
                    difference.left =
                        IO::ComparisonView::valueText(a, *record, row.group, row.element, value);
                    difference.right =
                        IO::ComparisonView::valueText(b, *record, row.group, row.element, value);
                }
                difference.left = texts.left(difference.left, offset);
                difference.right = texts.right(difference.right, offset);
                texts.addTexts(difference, offset);
                ParameterLayout::cellOfOffset(*field, offset, &difference.row, &difference.column);
            }
            list << difference;
        }
    }
    // The trailer is no parameter of the catalogue. Update times and the
    // version may differ between sets of the same values; a CRC is listed
    // where a stored 9894 skips its check, elsewhere it differs exactly when
    // the values or times it covers do.
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = ParameterLayout::fields()[i];
        if (field.cls != ParamClass::Trailer)
            continue;
        const int size = ParameterLayout::valueSize(field.type);
        const bool followsValues = field.type == ValueType::U32 && !isUpdateTime(field) &&
                                   a.u32At(field.offset) != IO::Decoder::IgnoredCRC &&
                                   b.u32At(field.offset) != IO::Decoder::IgnoredCRC;
        if (!texts.differ(field.offset, size) &&
            (!bytesDiffer(a, b, field.offset, size) || followsValues))
            continue;
        const QString name = QLatin1String(field.name);
        Difference difference{field.no,
                              name,
                              trailerName(field),
                              0,
                              0,
                              texts.left(trailerText(a, field), field.offset),
                              texts.right(trailerText(b, field), field.offset),
                              {},
                              {}};
        texts.addTexts(difference, field.offset);
        list << difference;
    }
    return list;
}

} // namespace

void CommandLineTool::quietMessages(QtMsgType type, const QMessageLogContext& context,
                                    const QString& message)
{
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
        return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

bool CommandLineTool::isRequested(int argc, char* argv[])
{
    return CommandLineArguments::isRequested(argc, argv);
}

int CommandLineTool::main(int argc, char* argv[])
{
    QList<QByteArray> raw;
    for (int i = 1; i < argc; ++i)
        raw << QByteArray(argv[i]);
    const CommandLineArguments arguments = CommandLineArguments::parse(raw);
    // The report draws fonts, a PDF and a plan view: a GUI application of its own.
    if (arguments.mode == CommandLineArguments::ExportReport && arguments.error.isEmpty())
        return ReportCommand::main(argv[0], arguments);
    // Only the program name: the file names are taken above, as bytes.
    int appArgc = 1;
    QCoreApplication app(appArgc, argv);
    qInstallMessageHandler(CommandLineTool::quietMessages);
    // Names in the reports are the English ones, whatever the user chose.
    QTranslator english;
    if (english.load(QStringLiteral("en"), QStringLiteral(":/config/i18n")))
        QCoreApplication::installTranslator(&english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    return CommandLineTool(out, err).run(arguments);
}

CommandLineTool::CommandLineTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

int CommandLineTool::run(const QStringList& arguments)
{
    QList<QByteArray> raw;
    for (int i = 1; i < arguments.size(); ++i)
        raw << QFile::encodeName(arguments.at(i));
    return run(CommandLineArguments::parse(raw));
}

int CommandLineTool::run(const CommandLineArguments& arguments)
{
    int code = Clean;
    if (!arguments.error.isEmpty()) {
        m_err << "obxsetting: " << arguments.error << '\n' << CommandLineArguments::usage();
        code = UsageError;
    } else {
        switch (arguments.mode) {
        case CommandLineArguments::Help:
            m_out << CommandLineArguments::helpText();
            break;
        case CommandLineArguments::Version:
            m_out << "obxsetting " << OBX_APP_VERSION << '\n';
            break;
        case CommandLineArguments::Check:
            code = check(arguments.files, arguments.json);
            break;
        case CommandLineArguments::Compare:
            code = compare(arguments.files.at(0), arguments.files.at(1), arguments.json);
            break;
        case CommandLineArguments::ExportReport:
            code = ReportCommand::run(arguments, m_out, m_err);
            break;
        case CommandLineArguments::Window:
            m_err << "obxsetting: no command-line mode\n" << CommandLineArguments::usage();
            code = UsageError;
            break;
        }
    }
    m_out.flush();
    m_err.flush();
    return code;
}

int CommandLineTool::check(const QList<QByteArray>& files, bool json)
{
    bool unreadable = false;
    bool outside = false;
    QJsonArray results;
    for (const QByteArray& name : files) {
        CommandLineFile named(name);
        const QString shown = named.shownName();
        const CommandLineSet file = CommandLineSet::readFrom(named);
        QVector<LimitEntry> entries;
        if (file.signatureOk)
            entries = ValueValidator::check(file.image, &file.table);
        unreadable = unreadable || !file.isSigned();
        outside = outside || !entries.isEmpty();

        QJsonObject result{{QStringLiteral("file"), shown},
                           {QStringLiteral("read"), file.read},
                           {QStringLiteral("crcOk"), file.isSigned()},
                           {QStringLiteral("signed"), file.isSigned()}};
        if (!file.error.isEmpty()) {
            result.insert(QStringLiteral("error"), file.error);
            m_err << shown << ": " << file.error << '\n';
        }
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
        // An unsigned set is still read and checked: its values are listed,
        // but nothing vouches for them.
        m_err << file.skippedLines();
        result.insert(QStringLiteral("skippedSignatures"),
                      QJsonArray::fromStringList(file.skipped));
        result.insert(QStringLiteral("allDataCrc"), crcText(file.image.allDataCRC()));
        QJsonArray list;
        for (const LimitEntry& entry : qAsConst(entries))
            list.append(entryJson(entry));
        result.insert(QStringLiteral("outsideLimits"), list);
        const FindingCount found = FindingCount::of(entries);
        result.insert(QStringLiteral("outsideLimitsCount"), found.outsideLimits);
        result.insert(QStringLiteral("textsNotKeptCount"), found.textsNotKept);
        results.append(result);
        if (json)
            continue;
        m_out << shown << ": CRC " << crcText(file.image.allDataCRC())
              << (file.isSigned() ? ", " : ", not signed, ") << found.text()
              << (entries.isEmpty() ? "\n" : ":\n");
        for (const LimitEntry& entry : qAsConst(entries))
            m_out << entryLine(entry) << '\n';
    }
    const int code = unreadable ? Unreadable : outside ? OutsideLimits : Clean;
    if (json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("files"), results},
                                           {QStringLiteral("exitCode"), code}})
                     .toJson();
    return code;
}

int CommandLineTool::compare(const QByteArray& left, const QByteArray& right, bool json)
{
    CommandLineFile leftFile(left);
    CommandLineFile rightFile(right);
    const CommandLineSet a = CommandLineSet::readFrom(leftFile);
    const CommandLineSet b = CommandLineSet::readFrom(rightFile);
    QJsonArray unreadable;
    QJsonArray files;
    for (const auto& [named, file] :
         {std::make_pair(&leftFile, &a), std::make_pair(&rightFile, &b)}) {
        // An unsigned set compares: what differs is still worth knowing, and
        // standard error says that nothing vouches for it.
        if (file->signatureOk) {
            if (!file->skipped.isEmpty())
                m_err << named->shownName() << ": not signed\n" << file->skippedLines();
            files.append(QJsonObject{
                {QStringLiteral("file"), named->shownName()},
                {QStringLiteral("signed"), file->isSigned()},
                {QStringLiteral("skippedSignatures"), QJsonArray::fromStringList(file->skipped)}});
            continue;
        }
        unreadable.append(QJsonObject{{QStringLiteral("file"), named->shownName()},
                                      {QStringLiteral("error"), file->error}});
        m_err << named->shownName() << ": " << file->error << '\n';
    }
    if (!unreadable.isEmpty()) {
        if (json)
            m_out << QJsonDocument(QJsonObject{{QStringLiteral("files"), files},
                                               {QStringLiteral("unreadable"), unreadable},
                                               {QStringLiteral("exitCode"), CompareUnreadable}})
                         .toJson();
        return CompareUnreadable;
    }
    const QVector<Difference> differences = cellDifferences(a.image, b.image, FileTexts(a, b));
    QJsonArray list;
    for (const Difference& difference : differences) {
        if (!json) {
            m_out << difference.name << '\t' << difference.row + 1 << '\t' << difference.column + 1
                  << '\t' << difference.left << '\t' << difference.right << '\t'
                  << difference.displayName << '\n';
            continue;
        }
        QJsonObject entry{{QStringLiteral("no"), difference.no},
                          {QStringLiteral("name"), difference.name},
                          {QStringLiteral("displayName"), difference.displayName},
                          {QStringLiteral("row"), difference.row + 1},
                          {QStringLiteral("column"), difference.column + 1},
                          {QStringLiteral("a"), difference.left},
                          {QStringLiteral("b"), difference.right}};
        // a and b show a long text cut, as the terminal does; a script gets
        // it whole here.
        if (!difference.leftFileText.isNull())
            entry.insert(QStringLiteral("aFileText"), difference.leftFileText);
        if (!difference.rightFileText.isNull())
            entry.insert(QStringLiteral("bFileText"), difference.rightFileText);
        list.append(entry);
    }
    const int code = differences.isEmpty() ? Clean : Different;
    if (json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("files"), files},
                                           {QStringLiteral("differences"), list},
                                           {QStringLiteral("exitCode"), code}})
                     .toJson();
    return code;
}

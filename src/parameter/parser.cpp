#include "parser.h"

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "parameter/decoder.h"
#include "parameter/encodedcells.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"
#include "parameter/utf8text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QtDebug>

#include <algorithm>

namespace {

// The definitions are read once per process and shared by every parser, so
// a parser created after the load does not end up without definitions.
struct SharedDefinitions
{
    bool loaded = false;
    int generation = 0; // counts loads (first is 1), so parsers notice a reload
    QMap<QString, ParameterInfo> infos;
    QStringList names;
};

SharedDefinitions& shared()
{
    static SharedDefinitions definitions;
    return definitions;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Cells first to first + count - 1 of a table row, each followed by a comma.
void appendTableCells(TextBuffer& out, const QVector<QString>& row, int first, int count)
{
    for (int j = first; j < first + count; ++j) {
        const QByteArray text = row.value(j).toUtf8();
        out.append(std::string_view(text.constData(), std::size_t(text.size())));
        out.append(',');
    }
}

// The definition of the name at this position of the list (an empty one
// when the name has none), as parameterInfos.value(name) gives it.
ParameterInfo infoOfName(const IO::ParameterNameIndex& index, int position)
{
    const int entry = index.entryOfName(position);
    return entry < 0 ? ParameterInfo() : index.entry(entry).info;
}

// Group and line numbers: at least two digits.
void appendTwoDigits(TextBuffer& text, int number)
{
    if (number >= 0 && number < 100) {
        text.append(char('0' + number / 10));
        text.append(char('0' + number % 10));
    } else {
        text.append(std::to_string(number));
    }
}

// Keeps the cell texts of accepted lines in a text table.
class TableSink : public IO::ParameterFileScanner::CellSink
{
public:
    TableSink(ParameterTextTable& table, const IO::ParameterNameIndex& index)
        : m_table(table), m_index(index), m_rows(index.size(), nullptr)
    {
    }

    bool store(int entry, int row, qint64 cell, std::string_view text) override
    {
        // A name the table lacks gets an empty entry, into which nothing fits.
        QVector<QVector<QString>>*& rows = m_rows[entry];
        if (!rows)
            rows = &m_table[m_index.entry(entry).name];
        if (row >= rows->size() || cell >= (*rows)[row].size())
            return false;
        (*rows)[row][int(cell)] = utf8Text(text);
        return true;
    }

private:
    ParameterTextTable& m_table;
    const IO::ParameterNameIndex& m_index;
    QVector<QVector<QVector<QString>>*> m_rows; // per definition, once looked up
};

// Converts the cell texts of accepted lines straight into an image, cell by
// cell as IO::Decoder::decode would from a table made by makeTable: a cell
// outside that table is refused, one outside the image field ignored.
class ImageSink : public IO::ParameterFileScanner::CellSink
{
public:
    ImageSink(ParameterImage& image, const IO::ParameterNameIndex& index, UnkeptTexts* texts)
        : m_image(image), m_index(index), m_texts(texts)
    {
    }

    bool store(int entry, int row, qint64 cell, std::string_view text) override
    {
        const IO::ParameterNameIndex::Entry& definition = m_index.entry(entry);
        if (row >= definition.tableRows || cell >= definition.tableCells)
            return false;
        const FieldDef* field = definition.field;
        if (field && row < field->rows && cell < field->columns) {
            // Only the rare text that is no plain number of the field's range
            // is looked at closely.
            if (!IO::Decoder::storeCell(m_image, *field, row, int(cell), text) && m_texts)
                m_texts->note(m_image, *field, row, int(cell), utf8Text(text));
        }
        return true;
    }

private:
    ParameterImage& m_image;
    const IO::ParameterNameIndex& m_index;
    UnkeptTexts* m_texts;
};

// Numbers of groups and of lines within a group are written in two digits.
constexpr int MaxLineNumber = 99;

int linesPerGroup(const ParameterInfo& info)
{
    return (info.DataNum + info.DataPerRow - 1) / info.DataPerRow;
}

} // namespace

namespace IO {

Parser::Parser(QObject* parent) : QObject(parent) {}

QStringList Parser::candidateFiles()
{
    return {QStringLiteral(":/resources/json/parameter.json"),
            QStringLiteral(":/config/parameter/parameter.json"),
            Setting::instance()->value(QStringLiteral("ParameterPath")) +
                QStringLiteral("/parameter.json")};
}

bool Parser::loadInfo()
{
    if (shared().loaded) {
        takeSharedDefinitions();
        return true;
    }
    return loadInfoFrom(candidateFiles());
}

bool Parser::loadInfoFrom(const QStringList& candidates)
{
    SharedDefinitions& definitions = shared();
    if (definitions.loaded) {
        takeSharedDefinitions();
        return true;
    }

    QFile file;
    bool opened = false;
    for (const QString& candidate : candidates) {
        file.setFileName(candidate);
        if (file.open(QIODevice::ReadOnly)) {
            opened = true;
            break;
        }
    }
    if (!opened) {
        qWarning().noquote() << QStringLiteral("[Parser] Open Error: %1: %2")
                                    .arg(file.fileName(), file.errorString());
        logFunction("loadInfo");
        return false;
    }
    qInfo().noquote() << "IO::Parser::loadInfo" << QStringLiteral("\"%1\"").arg(file.fileName());

    definitions.infos.clear();
    definitions.names.clear();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonValue list = document.object().value(QStringLiteral("parameters"));
    // A broken list still counts as loaded; the missing definitions then show
    // in definitionCount() and hasCompleteDefinitions().
    if (error.error != QJsonParseError::NoError || !list.isArray()) {
        const QString reason = error.error != QJsonParseError::NoError
                                   ? error.errorString()
                                   : QStringLiteral("no parameter list");
        qWarning().noquote()
            << QStringLiteral("[Parser] Parse Error: %1: %2").arg(file.fileName(), reason);
        logFunction("loadInfo");
    }

    const QJsonArray elements = list.toArray();
    for (const QJsonValue& element : elements) {
        const QJsonObject object = element.toObject();
        const QString name = object.value(QStringLiteral("0_Name")).toString();
        ParameterInfo& info = definitions.infos[name];
        info.No = object.value(QStringLiteral("1_No")).toInt(0);
        info.GroupNum = object.value(QStringLiteral("2_GroupNum")).toInt(0);
        info.DataNum = object.value(QStringLiteral("3_DataNum")).toInt(0);
        info.DataPerRow = object.value(QStringLiteral("4_DataPerRow")).toInt(0);
        info.ParamClass = object.value(QStringLiteral("5_ParamClass")).toInt(0);
        info.Llimit = object.value(QStringLiteral("6_Llimit")).toString();
        info.Ulimit = object.value(QStringLiteral("7_Ulimit")).toString();
        info.DataType = object.value(QStringLiteral("8_DataType")).toInt(0);
        // With this controller software the tool models belong to the robot part.
        if (isVSFtoAFM && info.No >= ParameterLayout::ToolModelFirstNo &&
            info.No <= ParameterLayout::ToolModelLastNo)
            info.ParamClass = 0;
        definitions.names.append(name);
    }
    file.close();

    definitions.loaded = true;
    ++definitions.generation;
    takeSharedDefinitions();
    return true;
}

bool Parser::hasCompleteDefinitions() const
{
    const ParameterNameIndex& index = nameIndex();
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        const int entry = index.entryOfField(i);
        if (entry < 0)
            return false;
        const ParameterInfo& info = index.entry(entry).info;
        if (info.No != field.no || info.GroupNum != field.rows || info.DataNum != field.columns ||
            info.DataPerRow < 1)
            return false;
    }
    return true;
}

void Parser::makeTable(ParameterTextTable& table)
{
    loadInfo();
    for (const QString& name : qAsConst(parameterNames)) {
        const ParameterInfo info = parameterInfos.value(name);
        table[name] = QVector<QVector<QString>>(qMax(info.GroupNum, 0),
                                                QVector<QString>(qMax(info.DataNum, 0)));
    }
}

QString Parser::unfitForWriting(const ParameterTextTable* table) const
{
    // Refuse what would give a file that lacks parameters or that the reader
    // refuses: no definitions, a shape the line numbering cannot carry, or a
    // table that is not shaped by the definitions.
    if (parameterNames.isEmpty())
        return QStringLiteral("no parameter definitions");
    const ParameterNameIndex& index = nameIndex();
    for (int i = 0; i < parameterNames.size(); ++i) {
        const QString& name = parameterNames.at(i);
        const ParameterInfo info = infoOfName(index, i);
        if (info.No < 0 || info.GroupNum < 1 || info.GroupNum > MaxLineNumber || info.DataNum < 1 ||
            info.DataPerRow < 1 || linesPerGroup(info) > MaxLineNumber)
            return QStringLiteral("definition of %1 cannot be written").arg(name);
        if (!table)
            continue;
        const auto entry = table->constFind(name);
        bool shaped = entry != table->constEnd() && entry->size() == info.GroupNum;
        for (int g = 0; shaped && g < info.GroupNum; ++g)
            shaped = entry->at(g).size() == info.DataNum;
        if (!shaped)
            return QStringLiteral("%1 is not shaped as defined").arg(name);
    }
    return QString();
}

bool Parser::writable(const QString& path, const ParameterTextTable* table) const
{
    const QString unfit = unfitForWriting(table);
    if (unfit.isEmpty())
        return true;
    qWarning().noquote() << "[Parser] table not writable:" << quoted(unfit);
    logFunction("extractToText");
    qInfo().noquote() << QStringLiteral("IO::Parser::extractToText(\"%1\") -> NG").arg(path);
    return false;
}

int Parser::extractToText(const QString& path, const ParameterTextTable& table, bool reportMode)
{
    if (!writable(path, &table))
        return 0;
    return writeParameters(path, reportMode, [&table](TextBuffer& out, const QString& name, int) {
        return [rows = table.value(name), &out](int group, int first, int count) {
            appendTableCells(out, rows.value(group), first, count);
        };
    });
}

int Parser::extractToText(const QString& path, const EncodedCells& cells, bool reportMode)
{
    if (!writable(path, nullptr))
        return 0;
    const ParameterNameIndex& index = nameIndex();
    return writeParameters(
        path, reportMode, [&index, &cells](TextBuffer& out, const QString&, int entry) {
            // The definitions are complete: every parameter has the shape of its field.
            const FieldDef* field = entry < 0 ? nullptr : index.entry(entry).field;
            const int firstCell = field ? cells.firstCell(index.entry(entry).fieldIndex) : 0;
            return [field, firstCell, &cells, &out](int group, int first, int count) {
                if (field) {
                    out.append(
                        cells.textsWithCommas(firstCell + group * field->columns + first, count));
                    return;
                }
                for (int j = 0; j < count; ++j) // a definition without field: empty cells
                    out.append(',');
            };
        });
}

template <typename AppendCells>
int Parser::writeParameters(const QString& path, bool reportMode, AppendCells appendCells)
{
    TextBuffer& text = m_fileText;
    text.clear();
    text.append(".OBXDATA\r\n");
    const ParameterNameIndex& index = nameIndex();
    for (int i = 0; i < parameterNames.size(); ++i) {
        const QString& name = parameterNames.at(i);
        appendParameter(text, name, infoOfName(index, i), reportMode,
                        appendCells(text, name, index.entryOfName(i)));
    }
    text.append(".END\r\n");

    const auto summary = [&path] {
        qInfo().noquote() << QStringLiteral("IO::Parser::extractToText(\"%1\") -> NG").arg(path);
    };
    if (!writeFile(path, text.view())) {
        qWarning().noquote() << "[Parser] make file err";
        logFunction("extractToText");
        summary();
        return 0;
    }

    const QString fake = Setting::fakeFileIOError();
    if (fake.compare(QLatin1String("write"), Qt::CaseInsensitive) == 0) {
        qWarning().noquote() << QStringLiteral("FakeFileIOError=") + fake;
        summary();
        return 0;
    }
    return 1;
}

template <typename AppendCells>
void Parser::appendParameter(TextBuffer& text, const QString& name, const ParameterInfo& info,
                             bool reportMode, AppendCells appendCells)
{
    QString shownName = name;
    if (reportMode) {
        ParameterDefDB* db = ParameterDefDB::instance();
        if (const ParamDefRecord* record = db->findParamByNo(quint32(info.No)))
            shownName = db->displayName(*record);
    }
    // Line head: No, "-", GG, "-", RR, ",", name, ",".
    const std::string number = std::to_string(info.No) + '-';
    const std::string shown = ',' + shownName.toUtf8().toStdString() + ',';
    const auto appendHead = [&](int gg, int rr) {
        text.append(number);
        appendTwoDigits(text, gg);
        text.append('-');
        appendTwoDigits(text, rr);
        text.append(shown);
    };

    // DataPerRow values on every line of a group but its last; a group
    // without values still has its line.
    const int perLine = info.DataPerRow > 0 ? info.DataPerRow : qMax(info.DataNum, 1);
    int gg = info.GroupNum > 1 ? 1 : 0;
    const int firstLine = info.DataNum > info.DataPerRow ? 1 : 0;
    for (int g = 0; g < info.GroupNum; ++g, ++gg) {
        int rr = firstLine;
        int first = 0;
        do {
            appendHead(gg, rr++);
            appendCells(g, first, qMax(qMin(perLine, info.DataNum - first), 0));
            text.append("\r\n");
            first += perLine;
        } while (first < info.DataNum);
    }
}

void Parser::formatParameter(QString& text, const QString& name, const ParameterTextTable& table,
                             bool reportMode)
{
    TextBuffer bytes;
    const auto rows = table.value(name);
    appendParameter(bytes, name, parameterInfos.value(name), reportMode,
                    [&rows, &bytes](int group, int first, int count) {
                        appendTableCells(bytes, rows.value(group), first, count);
                    });
    text += QString::fromUtf8(bytes.view().data(), int(bytes.size()));
}

int Parser::makeFile(const QString& path, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return writeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

int Parser::writeFile(const QString& path, std::string_view bytes)
{
    // Written beside the target and renamed over it when complete, so a
    // failed write never leaves half a parameter file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "[Parser] open file err";
        logFunction("makeFile");
        return 0;
    }
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        qWarning().noquote() << "[Parser] check data stream status err";
        logFunction("makeFile");
        file.cancelWriting();
        return 0;
    }
    if (!file.commit()) {
        qWarning().noquote()
            << QStringLiteral("[Parser] commit file err: %1: %2").arg(path, file.errorString());
        logFunction("makeFile");
        return 0;
    }
    return 1;
}

ParseResult Parser::parseText(ParameterTextTable& table, const QString& path)
{
    ParameterFileScanner scanner(nameIndex());
    TableSink sink(table, nameIndex());
    ParseResult result = parse(path, scanner, sink);
    result.valueCounts = scanner.valueCounts();
    return result;
}

ParseResult Parser::parse(const QString& path, ParameterFileScanner& scanner,
                          ParameterFileScanner::CellSink& sink)
{
    ParseResult result;
    bool readable = false;
    bool refused = false;

    QByteArray content;
    QString openError;
    if (!ParameterFileScanner::readText(path, &content, &openError)) {
        result.errorKind = ParseResult::OpenError;
        result.problem = QStringLiteral("cannot be read: ") + openError;
        qWarning().noquote() << QStringLiteral("[Parser] Open Error: %1: %2").arg(path, openError);
        logFunction("parseText");
    } else {
        result.errorKind = ParseResult::FormatError;
        std::string_view block;
        if (!ParameterFileScanner::findBlock(
                std::string_view(content.constData(), std::size_t(content.size())), &block)) {
            result.problem = QStringLiteral("format error: no .OBXDATA ... .END block");
            qWarning().noquote() << "[Parser] format err (.OBXDATA ~ .END) not found";
            logFunction("parseText");
        } else {
            readable = true;
            refused = scanner.scanBlock(block, sink);
            if (refused) {
                // Counted in the file, whose lines before the block the scanner does not see.
                const int before = int(std::count(content.constData(), block.data(), '\n'));
                result.problem = QStringLiteral("format error in line %1: %2")
                                     .arg(before + scanner.problemLine() + 1)
                                     .arg(scanner.problem());
            }
        }
    }

    if (readable && !refused) {
        result.errorKind = ParseResult::NoError;
        const QString fake = Setting::fakeFileIOError();
        if (fake.compare(QLatin1String("read"), Qt::CaseInsensitive) == 0) {
            result.errorKind = ParseResult::OpenError;
            refused = true;
        } else if (fake.compare(QLatin1String("format"), Qt::CaseInsensitive) == 0) {
            result.errorKind = ParseResult::FormatError;
            refused = true;
        }
        if (refused) {
            result.problem = QStringLiteral("simulated error (FakeFileIOError=%1)").arg(fake);
            qWarning().noquote() << QStringLiteral("FakeFileIOError=") + fake;
        }
    }

    result.ok = readable && !refused;
    if (!result.ok)
        qWarning().noquote()
            << QStringLiteral("parseText -> false ErrorCode:%1").arg(result.errorKind);
    return result;
}

bool Parser::extractToMap(ParameterTextTable& table, const QString& path,
                          DataProviderErrorRecord& error)
{
    const ParseResult result = parseText(table, path);
    return checkParsed(
        result, [&] { return checkDataCount(result.valueCounts); }, error);
}

bool Parser::extractToImage(ParameterImage& fileImage, const QString& path,
                            DataProviderErrorRecord& error, UnkeptTexts* texts)
{
    const ParameterNameIndex& index = nameIndex();
    ParameterFileScanner scanner(index);
    ImageSink sink(fileImage, index, texts);
    const ParseResult result = parse(path, scanner, sink);
    return checkParsed(
        result,
        [&] {
            return countsAgree([&scanner](int entry, const QString&) {
                return entry < 0 ? 0 : scanner.valueCount(entry);
            });
        },
        error);
}

template <typename CountsAgree>
bool Parser::checkParsed(const ParseResult& result, CountsAgree countsAgree,
                         DataProviderErrorRecord& error)
{
    int code;
    m_lastProblem = result.problem;
    if (result.ok) {
        if (countsAgree())
            return true;
        qWarning().noquote() << "[Parser] format err incorrect number of data";
        logFunction("extractToMap");
        code = DataProviderErrorRecord::FileFormatError;
        error.set(code, DataProviderErrorRecord::FileProcedureSource);
    } else {
        qWarning().noquote() << "[Parser] parse text err";
        logFunction("extractToMap");
        code = result.errorKind;
        if (code != 0)
            error.set(code, DataProviderErrorRecord::FileProcedureSource);
    }
    qWarning().noquote() << QStringLiteral("IO::Parser::extractToMap -> NG ErrorCode:%1").arg(code);
    return false;
}

const ParameterNameIndex& Parser::nameIndex() const
{
    if (!parameterInfos.isSharedWith(m_indexedInfos) ||
        !parameterNames.isSharedWith(m_indexedNames)) {
        m_indexedInfos = parameterInfos;
        m_indexedNames = parameterNames;
        m_nameIndex = ParameterNameIndex(parameterInfos, parameterNames);
    }
    return m_nameIndex;
}

bool Parser::checkDataCount(const QMap<QString, int>& valueCounts)
{
    return countsAgree(
        [&valueCounts](int, const QString& name) { return valueCounts.value(name, 0); });
}

template <typename CountOf> bool Parser::countsAgree(CountOf countOf)
{
    const ParameterNameIndex& index = nameIndex();
    for (int i = 0; i < parameterNames.size(); ++i) {
        const QString& name = parameterNames.at(i);
        const int entry = index.entryOfName(i);
        const ParameterInfo info = entry < 0 ? ParameterInfo() : index.entry(entry).info;
        const int count = countOf(entry, name);
        if (count != info.GroupNum * info.DataNum) {
            m_lastProblem = QStringLiteral("format error: %1 has %2 values, not %3")
                                .arg(name)
                                .arg(count)
                                .arg(info.GroupNum * info.DataNum);
            qWarning().noquote() << quoted(
                QStringLiteral("ParamName, No : %1, %2").arg(name).arg(info.No));
            return false;
        }
    }
    return true;
}

void Parser::resetLoadedFlag()
{
    SharedDefinitions& definitions = shared();
    definitions.loaded = false;
    definitions.infos.clear();
    definitions.names.clear();
}

void Parser::logFunction(const char* function)
{
    qWarning().noquote() << "func : " << function;
}

void Parser::takeSharedDefinitions()
{
    const SharedDefinitions& definitions = shared();
    if (m_generation == definitions.generation)
        return;
    parameterInfos = definitions.infos;
    parameterNames = definitions.names;
    m_generation = definitions.generation;
}

} // namespace IO

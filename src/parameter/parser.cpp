#include "parser.h"

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QtDebug>

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

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// Numbers of groups and of lines within a group are written in two digits.
constexpr int MaxLineNumber = 99;

// Parameter files are about 100 KB; larger files are refused before reading.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

QString tooLarge()
{
    return QStringLiteral("File too large");
}

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
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        const auto it = parameterInfos.constFind(QString::fromLatin1(field.name));
        if (it == parameterInfos.constEnd() || it->No != field.no || it->GroupNum != field.rows ||
            it->DataNum != field.columns || it->DataPerRow < 1)
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

int Parser::extractToText(const QString& path, const ParameterTextTable& table, bool reportMode)
{
    const auto summary = [&path] {
        qInfo().noquote() << QStringLiteral("IO::Parser::extractToText(\"%1\") -> NG").arg(path);
    };

    // Refuse what would give a file that lacks parameters or that the reader
    // refuses: no definitions, a shape the line numbering cannot carry, or a
    // table that is not shaped by the definitions.
    QString unfit;
    if (parameterNames.isEmpty())
        unfit = QStringLiteral("no parameter definitions");
    for (const QString& name : qAsConst(parameterNames)) {
        if (!unfit.isEmpty())
            break;
        const ParameterInfo info = parameterInfos.value(name);
        if (info.No < 0 || info.GroupNum < 1 || info.GroupNum > MaxLineNumber || info.DataNum < 1 ||
            info.DataPerRow < 1 || linesPerGroup(info) > MaxLineNumber) {
            unfit = QStringLiteral("definition of %1 cannot be written").arg(name);
            break;
        }
        const auto entry = table.constFind(name);
        bool shaped = entry != table.constEnd() && entry->size() == info.GroupNum;
        for (int g = 0; shaped && g < info.GroupNum; ++g)
            shaped = entry->at(g).size() == info.DataNum;
        if (!shaped)
            unfit = QStringLiteral("%1 is not shaped as defined").arg(name);
    }
    if (!unfit.isEmpty()) {
        qWarning().noquote() << "[Parser] table not writable:" << quoted(unfit);
        logFunction("extractToText");
        summary();
        return 0;
    }

    QString text = QStringLiteral(".OBXDATA\r\n");
    for (const QString& name : qAsConst(parameterNames))
        formatParameter(text, name, table, reportMode);
    text += QStringLiteral(".END\r\n");

    if (!makeFile(path, text)) {
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

void Parser::formatParameter(QString& text, const QString& name, const ParameterTextTable& table,
                             bool reportMode)
{
    const ParameterInfo info = parameterInfos.value(name);
    QString shownName = name;
    if (reportMode) {
        ParameterDefDB* db = ParameterDefDB::instance();
        if (const ParamDefRecord* record = db->findParamByNo(quint32(info.No)))
            shownName = db->displayName(*record);
    }
    const QString number = QString::number(info.No);
    const auto head = [&](int gg, int rr) {
        return number + QLatin1Char('-') + twoDigits(gg) + QLatin1Char('-') + twoDigits(rr) +
               QLatin1Char(',') + shownName + QLatin1Char(',');
    };

    const auto rows = table.value(name);
    int gg = info.GroupNum > 1 ? 1 : 0;
    const int firstLine = info.DataNum > info.DataPerRow ? 1 : 0;
    for (int g = 0; g < info.GroupNum; ++g) {
        const QVector<QString> cells = rows.value(g);
        int rr = firstLine;
        QString line = head(gg, rr);
        for (int j = 0; j < info.DataNum; ++j) {
            line += cells.value(j) + QLatin1Char(',');
            if (j + 1 < info.DataNum && (j + 1) % info.DataPerRow == 0) {
                text += line + QStringLiteral("\r\n");
                line = head(gg, ++rr);
            }
        }
        text += line + QStringLiteral("\r\n");
        ++gg;
    }
}

int Parser::makeFile(const QString& path, const QString& text)
{
    // Written beside the target and renamed over it when complete, so a
    // failed write never leaves half a parameter file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "[Parser] open file err";
        logFunction("makeFile");
        return 0;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(false);
    stream << text;
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
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
    ParseResult result;
    bool readable = false;
    bool refused = false;

    QFile file(path);
    QString content;
    QString openError;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        openError = file.errorString();
    } else if (!file.isSequential() && file.size() > MaxFileSize) {
        // Parameter files are about 100 KB; a huge one is refused unread.
        openError = tooLarge();
    } else {
        // The writer writes UTF-8, so that is what is read (a byte order mark
        // of another Unicode encoding still takes precedence).
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        content = stream.read(MaxFileSize);
        if (!stream.atEnd()) {
            openError = tooLarge();
            content.clear();
        }
    }
    file.close();
    if (!openError.isEmpty()) {
        result.errorKind = ParseResult::OpenError;
        qWarning().noquote() << QStringLiteral("[Parser] Open Error: %1: %2").arg(path, openError);
        logFunction("parseText");
    } else {
        result.errorKind = ParseResult::FormatError;

        static const QRegularExpression blockPattern(
            QStringLiteral("\\.OBXDATA[\\S\\r\\n]*\\.END"));
        const QLatin1String startMarker(".OBXDATA\n");
        const int start = content.indexOf(startMarker);
        const int end =
            start < 0 ? -1 : content.indexOf(QLatin1String(".END"), start + startMarker.size());
        if (!blockPattern.match(content).hasMatch() || end < 0) {
            qWarning().noquote() << "[Parser] format err (.OBXDATA ~ .END) not found";
            logFunction("parseText");
        } else {
            readable = true;
            const int blockStart = start + startMarker.size();
            QStringList lines = content.mid(blockStart, end - blockStart).split(QLatin1Char('\n'));
            lines.removeLast(); // the start of the ".END" line
            refused = parseLines(table, lines, result.valueCounts);
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
        if (refused)
            qWarning().noquote() << QStringLiteral("FakeFileIOError=") + fake;
    }

    result.ok = readable && !refused;
    if (!result.ok)
        qWarning().noquote()
            << QStringLiteral("parseText -> false ErrorCode:%1").arg(result.errorKind);
    return result;
}

bool Parser::parseLines(ParameterTextTable& table, const QStringList& lines,
                        QMap<QString, int>& valueCounts)
{
    static const QRegularExpression linePattern(
        QStringLiteral("^[0-9]*-[0-9]{2}-[0-9]{2},[\\S^,]*,[\\S^,]*,"));
    bool refused = false;
    for (const QString& line : lines) {
        if (!linePattern.match(line).hasMatch()) {
            qWarning().noquote() << "[Parser] format err incorrect data";
            logFunction("parseText");
            return true; // the rest of the block is not read
        }
        const QStringList fields = line.split(QLatin1Char(','));
        const QString& name = fields.at(1);
        const QStringList id = fields.at(0).split(QLatin1Char('-'));

        const auto info = parameterInfos.constFind(name);
        if (info == parameterInfos.constEnd()) {
            qWarning().noquote() << "[Parser] format err unknown parameter:" << quoted(name);
            logFunction("parseText");
            refused = true;
            continue;
        }
        const int number = id.at(0).toInt();
        if (number != info->No) {
            qWarning().noquote() << "[Parser] format err incorrect parameter No:" << number;
            logFunction("parseText");
            refused = true;
            continue;
        }
        const int valueCount = fields.size() - 3;
        if (valueCount > info->DataPerRow) {
            qWarning().noquote() << "[Parser] format err exceeded maximum per line";
            qWarning().noquote() << "param Name : " << quoted(name);
            logFunction("parseText");
            refused = true;
            continue;
        }

        // 00 and 01 both address the first group and the first line.
        const int row = qMax(id.at(1).toInt(), 1) - 1;
        const int block = qMax(id.at(2).toInt(), 1) - 1;
        auto& rows = table[name];
        int& count = valueCounts[name];
        for (int j = 0; j < valueCount; ++j) {
            const int cell = block * info->DataPerRow + j;
            if (row < rows.size() && cell < rows.at(row).size()) {
                rows[row][cell] = fields.at(2 + j);
                ++count;
            } else {
                qWarning().noquote() << "[Parser] format err incorrect index of data";
                logFunction("parseText");
                refused = true;
            }
        }
    }
    return refused;
}

bool Parser::extractToMap(ParameterTextTable& table, const QString& path,
                          DataProviderErrorRecord& error)
{
    const ParseResult result = parseText(table, path);
    int code;
    if (result.ok) {
        if (checkDataCount(result.valueCounts))
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

bool Parser::checkDataCount(const QMap<QString, int>& valueCounts)
{
    for (const QString& name : qAsConst(parameterNames)) {
        const ParameterInfo info = parameterInfos.value(name);
        if (valueCounts.value(name, 0) != info.GroupNum * info.DataNum) {
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

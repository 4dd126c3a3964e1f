#pragma once

// The parameter file reader as it was before the one-pass reader replaced it:
// whole text through a text stream, a split into lines and fields, a regular
// expression per line, a text table decoded twice (signature check and
// store). Kept only so that the differential test can hold the new reader to
// exactly this behaviour: results, logged lines, tables and images.

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "parameter/crc32c.h"
#include "parameter/dataprovidererrorrecord.h"
#include "parameter/decoder.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QtDebug>

class LegacyParameterReader
{
public:
    // Takes the definitions of the given parser (loaded by the caller).
    explicit LegacyParameterReader(IO::Parser& parser) : m_parser(parser) {}

    IO::ParseResult parseText(ParameterTextTable& table, const QString& path)
    {
        IO::ParseResult result;
        bool readable = false;
        bool refused = false;

        QFile file(path);
        QString content;
        QString openError;
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            openError = file.errorString();
        } else if (!file.isSequential() && file.size() > MaxFileSize) {
            openError = QStringLiteral("File too large");
        } else {
            QTextStream stream(&file);
            stream.setCodec("UTF-8");
            content = stream.read(MaxFileSize);
            if (!stream.atEnd()) {
                openError = QStringLiteral("File too large");
                content.clear();
            }
        }
        file.close();
        if (!openError.isEmpty()) {
            result.errorKind = IO::ParseResult::OpenError;
            qWarning().noquote()
                << QStringLiteral("[Parser] Open Error: %1: %2").arg(path, openError);
            logFunction("parseText");
        } else {
            result.errorKind = IO::ParseResult::FormatError;
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
                QStringList lines =
                    content.mid(blockStart, end - blockStart).split(QLatin1Char('\n'));
                lines.removeLast();
                refused = parseLines(table, lines, result.valueCounts);
            }
        }

        if (readable && !refused) {
            result.errorKind = IO::ParseResult::NoError;
            const QString fake = Setting::fakeFileIOError();
            if (fake.compare(QLatin1String("read"), Qt::CaseInsensitive) == 0) {
                result.errorKind = IO::ParseResult::OpenError;
                refused = true;
            } else if (fake.compare(QLatin1String("format"), Qt::CaseInsensitive) == 0) {
                result.errorKind = IO::ParseResult::FormatError;
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

    bool extractToMap(ParameterTextTable& table, const QString& path,
                      DataProviderErrorRecord& error)
    {
        const IO::ParseResult result = parseText(table, path);
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
        qWarning().noquote()
            << QStringLiteral("IO::Parser::extractToMap -> NG ErrorCode:%1").arg(code);
        return false;
    }

    bool checkDataCount(const QMap<QString, int>& valueCounts)
    {
        for (const QString& name : qAsConst(m_parser.parameterNames)) {
            const ParameterInfo info = m_parser.parameterInfos.value(name);
            if (valueCounts.value(name, 0) != info.GroupNum * info.DataNum) {
                qWarning().noquote()
                    << quoted(QStringLiteral("ParamName, No : %1, %2").arg(name).arg(info.No));
                return false;
            }
        }
        return true;
    }

    void decode(ParameterImage& image, const ParameterTextTable& table,
                const QMap<QString, ParameterInfo>* infos, bool robotPart, bool userPart,
                bool trailer) const
    {
        const bool splitAreaSets = infos && isVSFtoAFM;
        const FieldDef* fields = ParameterLayout::fields();
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = fields[i];
            const QString name = QString::fromLatin1(field.name);
            const auto entry = table.constFind(name);
            if (entry == table.constEnd())
                continue;
            const bool bySet = splitAreaSets && field.no >= 3143 && field.no <= 3154;
            if (infos && !bySet) {
                const int cls = infos->value(name).ParamClass;
                const bool selected = cls == 0 ? robotPart : cls == 1 ? userPart : trailer;
                if (!selected)
                    continue;
            }
            const auto& rows = entry.value();
            const int rowCount = qMin(rows.size(), field.rows);
            for (int r = 0; r < rowCount; ++r) {
                const auto& cells = rows.at(r);
                const int cellCount = qMin(cells.size(), field.columns);
                for (int c = 0; c < cellCount; ++c) {
                    if (bySet) {
                        const int set = field.rows > 1 ? r : c;
                        if (!(set <= 8 ? robotPart : userPart))
                            continue;
                    }
                    storeCell(image, field, r, c, cells.at(c));
                }
            }
        }
    }

    bool isCRCCorrect(const ParameterTextTable& table) const
    {
        ParameterImage scratch;
        decode(scratch, table, nullptr, true, true, true);
        const Crc32c::ImageSignature computed = Crc32c::imageSignature(scratch);
        struct Check
        {
            const char* name;
            quint32 stored;
            quint32 computed;
        };
        const Check checks[] = {
            {"whole", scratch.wholeCRC(), computed.whole},
            {"system", scratch.systemCRC(), computed.system},
            {"monitor", scratch.monitorCRC(), computed.monitor},
            {"signal", scratch.signalCRC(), computed.signal},
            {"all data", scratch.allDataCRC(), computed.allData},
        };
        bool correct = true;
        for (const Check& check : checks) {
            if (check.stored == IO::Decoder::IgnoredCRC) {
                qInfo().noquote() << quoted(
                    QStringLiteral("ignore %1 crc").arg(QLatin1String(check.name)));
                continue;
            }
            if (check.stored != check.computed) {
                qWarning().noquote() << quoted(QStringLiteral("%1 crc: file=%2 calculated=%3")
                                                   .arg(QLatin1String(check.name))
                                                   .arg(check.stored)
                                                   .arg(check.computed));
                correct = false;
                break;
            }
        }
        qInfo().noquote() << "IO::Decoder::isCRCCorrect"
                          << "->" << (correct ? "OK" : "NG");
        return correct;
    }

    // readAll (replaceAll) and readData.
    bool read(ParameterImage& image, const QString& path, int mode, bool replaceAll,
              DataProviderErrorRecord& error)
    {
        const char* function = replaceAll ? "readAll" : "readData";
        bool robot = false, user = false, trailer = false;
        const bool known = mode >= 0 && mode <= 2;
        if (known) {
            robot = mode != 1;
            user = mode != 0;
            trailer = mode != 0;
        }
        ParameterTextTable table;
        if (!known) {
            error.set(DataProviderErrorRecord::FileFormatError,
                      DataProviderErrorRecord::FileProcedureSource);
            qWarning().noquote() << "[Procedure] unknown read mode:" << mode;
            logFunction(function);
        } else {
            m_parser.makeTable(table);
            if (!extractToMap(table, path, error)) {
                qWarning().noquote() << "[Procedure] extract text to map err";
                logFunction(function);
            } else if (!isCRCCorrect(table)) {
                error.set(DataProviderErrorRecord::FileFormatError,
                          DataProviderErrorRecord::FileProcedureSource);
                qWarning().noquote() << "[Procedure] incorrect crc err";
                logFunction(function);
            } else {
                if (replaceAll)
                    image.clear();
                decode(image, table, &m_parser.parameterInfos, robot, user, trailer);
                return true;
            }
        }
        qInfo().noquote() << QStringLiteral("IO::Procedure::%1(\"%2\") -> false")
                                 .arg(QLatin1String(function), path);
        return false;
    }

private:
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    static QString quoted(const QString& text)
    {
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    static void logFunction(const char* function) { qWarning().noquote() << "func : " << function; }

    static void storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                          const QString& text)
    {
        const int offset = ParameterLayout::cellOffset(field, row, column);
        if (offset < 0)
            return;
        bool ok = false;
        switch (field.type) {
        case ValueType::I16: {
            const int value = text.toInt(&ok, 10);
            image.setU16At(offset, ok ? quint16(value) : 0);
            break;
        }
        case ValueType::U16: {
            const uint value = text.toUInt(&ok, 10);
            image.setU16At(offset, ok ? quint16(value) : 0);
            break;
        }
        case ValueType::I32: {
            const int value = text.toInt(&ok, 10);
            image.setI32At(offset, ok ? value : 0);
            break;
        }
        case ValueType::U32: {
            const uint value = text.toUInt(&ok, 10);
            image.setU32At(offset, ok ? value : 0);
            break;
        }
        case ValueType::F32:
            image.setF32At(offset, text.toFloat());
            break;
        case ValueType::Text:
            image.setTextAt(offset, text);
            break;
        }
    }

    bool parseLines(ParameterTextTable& table, const QStringList& lines,
                    QMap<QString, int>& valueCounts)
    {
        static const QRegularExpression linePattern(
            QStringLiteral("^[0-9]*-[0-9]{2}-[0-9]{2},[\\S^,]*,[\\S^,]*,"));
        bool refused = false;
        for (const QString& line : lines) {
            if (!linePattern.match(line).hasMatch()) {
                qWarning().noquote() << "[Parser] format err incorrect data";
                logFunction("parseText");
                return true;
            }
            const QStringList fields = line.split(QLatin1Char(','));
            const QString& name = fields.at(1);
            const QStringList id = fields.at(0).split(QLatin1Char('-'));
            const auto info = m_parser.parameterInfos.constFind(name);
            if (info == m_parser.parameterInfos.constEnd()) {
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

    IO::Parser& m_parser;
};

#include "decoder.h"

#include "app/core/startupstate.h"
#include "parameter/crc32c.h"
#include "parameter/encoder.h"
#include "parameter/parameterlayout.h"

#include <QtDebug>

namespace {

// The monitoring area sets (MoveAreaValid to MoveAreaStopPosValid): under
// isVSFtoAFM sets 0 to 8 belong to the robot part, 9 to 15 to the user part.
constexpr int AreaSetFirstNo = 3143;
constexpr int AreaSetLastNo = 3154;
constexpr int LastRobotAreaSet = 8;

bool isAreaSetField(const FieldDef& field)
{
    return field.no >= AreaSetFirstNo && field.no <= AreaSetLastNo;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

namespace IO {

Decoder::Decoder(QObject* parent) : QObject(parent) {}

bool Decoder::encode(ParameterTextTable& table, const ParameterImage& image,
                     QStringList* problems) const
{
    return Encoder::encode(table, image, problems);
}

void Decoder::decode(ParameterImage& image, const ParameterTextTable& table,
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

        const bool bySet = splitAreaSets && isAreaSetField(field);
        if (infos && !bySet) {
            // A name without definition counts as robot part.
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
                    // One-row members are indexed by set; MoveAreaX/Y by row.
                    const int set = field.rows > 1 ? r : c;
                    const bool wanted = set <= LastRobotAreaSet ? robotPart : userPart;
                    if (!wanted)
                        continue;
                }
                storeCell(image, field, r, c, cells.at(c));
            }
        }
    }
}

void Decoder::storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                        const QString& text)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    if (offset < 0)
        return;
    bool ok = false;
    switch (field.type) {
    case ValueType::I16: {
        const int value = text.toInt(&ok, 10);
        image.setU16At(offset, ok ? quint16(value) : 0); // the low 16 bits
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
        // Not a number gives 0; out of range is what the toolkit makes of it.
        image.setF32At(offset, text.toFloat());
        break;
    case ValueType::Text:
        image.setTextAt(offset, text);
        break;
    }
}

void Decoder::computeCRC(ParameterImage& image) const
{
    Crc32c::signImage(image);
}

bool Decoder::isCRCCorrect(const ParameterTextTable& table) const
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
        if (check.stored == IgnoredCRC) {
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

} // namespace IO

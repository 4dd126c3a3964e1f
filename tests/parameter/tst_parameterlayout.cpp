// The field table is the one place that says where every safety setting lies
// in the image. These checks hold it against itself, against the layout rules
// of the image and against the compiled-in definition list.
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

#include <vector>

namespace {

const FieldDef& field(int i)
{
    return ParameterLayout::fields()[i];
}

// Owner of every byte of the image (field index, -1 uncovered); problem
// names the first cell outside the image, misaligned or overlapping.
std::vector<int> coverage(QString* problem)
{
    std::vector<int> owner(ParameterLayout::ImageSize, -1);
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& f = field(i);
        const int size = ParameterLayout::valueSize(f.type);
        for (int r = 0; r < f.rows; ++r)
            for (int c = 0; c < f.columns; ++c) {
                const int at = ParameterLayout::cellOffset(f, r, c);
                const QString cell =
                    QStringLiteral("%1 (%2, %3) at %4").arg(f.name).arg(r).arg(c).arg(at);
                if (at < 0 || at + size > ParameterLayout::ImageSize) {
                    *problem = cell + QStringLiteral(" outside the image");
                    return owner;
                }
                if (at % qMin(size, 4) != 0) {
                    *problem = cell + QStringLiteral(" not aligned");
                    return owner;
                }
                for (int b = at; b < at + size; ++b) {
                    if (owner[size_t(b)] >= 0) {
                        *problem =
                            cell + QStringLiteral(" overlaps ") + field(owner[size_t(b)]).name;
                        return owner;
                    }
                    owner[size_t(b)] = i;
                }
            }
    }
    return owner;
}

// The 2-byte fillers as the format describes them, written out independently
// of the field table.
QSet<int> expectedFillers()
{
    QSet<int> fillers;
    const char* singleI16[] = {"CommonSpec",
                               "I/OBoardSheets",
                               "EtherNetIPValid",
                               "OpeModeInputSet",
                               "ToolIdSpec",
                               "Decel/StopMonTarget",
                               "StopPosPrdctSpec",
                               "ArmModelSpec",
                               "AlwaysAxisValid",
                               "TeachSpeedValid",
                               "TeachSpeedStopCategory",
                               "CheckSpeedValid",
                               "CheckSpeedStopCategory",
                               "ProtStopFenceTargetRobot",
                               "EmeStopTPStopCategory",
                               "EmeStopPanelStopCategory",
                               "EmeStopPnl/ExtTargetRobot"};
    for (const char* name : singleI16) {
        const FieldDef* f = ParameterLayout::findByName(QLatin1String(name));
        if (!f)
            qFatal("no field %s", name);
        fillers.insert(f->offset + 2);
    }
    fillers.insert(65318); // after SignalAssigUserOut
    struct InRecord
    {
        int first, records, size;
        std::vector<int> at;
    };
    const InRecord inRecords[] = {{40916, 16, 96, {2, 6, 18, 94}},
                                  {56556, 18, 192, {6}},
                                  {60012, 8, 84, {2, 14}},
                                  {60684, 18, 48, {10}},
                                  {61788, 18, 8, {6}}};
    for (const InRecord& block : inRecords)
        for (int r = 0; r < block.records; ++r)
            for (int at : block.at)
                fillers.insert(block.first + r * block.size + at);
    return fillers;
}

QJsonArray definitionList()
{
    QFile file(QStringLiteral(":/resources/json/parameter.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("compiled-in parameter.json missing");
    return QJsonDocument::fromJson(file.readAll()).object().value("parameters").toArray();
}

int jsonDataType(ValueType type)
{
    switch (type) {
    case ValueType::U16:
    case ValueType::U32:
        return 0;
    case ValueType::I16:
    case ValueType::I32:
        return 1;
    case ValueType::F32:
        return 2;
    case ValueType::Text:
        return 3;
    }
    return -1;
}

} // namespace

class TestParameterLayout : public QObject
{
    Q_OBJECT

private slots:
    void tableOrderAndLookups()
    {
        QCOMPARE(ParameterLayout::fieldCount(), 208);
        QSet<QString> names;
        int robot = 0, user = 0, trailer = 0;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& f = field(i);
            if (i > 0)
                QVERIFY2(field(i - 1).no < f.no, f.name);
            names.insert(QLatin1String(f.name));
            QCOMPARE(ParameterLayout::findByNo(f.no), &f);
            QCOMPARE(ParameterLayout::findByName(QLatin1String(f.name)), &f);
            robot += f.cls == ParamClass::Robot;
            user += f.cls == ParamClass::User;
            trailer += f.cls == ParamClass::Trailer;
        }
        QCOMPARE(names.size(), 208);
        QCOMPARE(robot, 81);
        QCOMPARE(user, 117);
        QCOMPARE(trailer, 10);
        QCOMPARE(ParameterLayout::findByNo(2), nullptr);
        QCOMPARE(ParameterLayout::findByNo(10000), nullptr);
        QCOMPARE(ParameterLayout::findByName(QStringLiteral("commonspec")), nullptr);
    }

    void stridesFitShapes()
    {
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& f = field(i);
            const int size = ParameterLayout::valueSize(f.type);
            QVERIFY2(f.rows >= 1 && f.columns >= 1, f.name);
            QVERIFY2((f.rows == 1) == (f.rowStride == 0), f.name);
            QVERIFY2((f.columns == 1) == (f.columnStride == 0), f.name);
            if (f.columns > 1)
                QVERIFY2(f.columnStride >= size, f.name);
            if (f.rows > 1)
                QVERIFY2(f.rowStride >= f.columns * f.columnStride, f.name);
            // Trailer fields exactly where the signature expects them.
            QCOMPARE(f.cls == ParamClass::Trailer, f.offset >= ParameterLayout::TrailerBegin);
        }
    }

    void fieldsTileTheImage()
    {
        QString problem;
        const std::vector<int> owner = coverage(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QSet<int> fillers = expectedFillers();
        QCOMPARE(fillers.size(), 152);
        int uncovered = 0;
        for (int b = 0; b < ParameterLayout::ImageSize; ++b) {
            if (owner[size_t(b)] >= 0)
                continue;
            ++uncovered;
            const int filler = fillers.contains(b) ? b : b - 1;
            QVERIFY2(fillers.contains(filler),
                     qPrintable(QStringLiteral("byte %1 is neither field nor filler").arg(b)));
        }
        QCOMPARE(uncovered, 304);
    }

    void fieldsLieInTheirArea()
    {
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& f = field(i);
            int begin = ParameterLayout::TrailerBegin, end = ParameterLayout::ImageSize;
            if (f.no < 3000) {
                begin = ParameterLayout::SystemAreaBegin;
                end = ParameterLayout::SystemAreaEnd;
            } else if (f.no < 6000) {
                begin = ParameterLayout::MonitorAreaBegin;
                end = ParameterLayout::MonitorAreaEnd;
            } else if (f.no < 9000) {
                begin = ParameterLayout::SignalAreaBegin;
                end = ParameterLayout::SignalAreaEnd;
            }
            QVERIFY2(f.offset >= begin && ParameterLayout::fieldEnd(f) <= end, f.name);
        }
        QCOMPARE(ParameterLayout::fieldEnd(*ParameterLayout::findByNo(9999)),
                 ParameterLayout::ImageSize);
    }

    void recordBlocksAgreeWithFields()
    {
        for (int b = 0; b < ParameterLayout::recordBlockCount(); ++b) {
            const RecordBlock& block = ParameterLayout::recordBlocks()[b];
            for (int m = 0; m < block.memberCount; ++m) {
                const FieldDef* f =
                    ParameterLayout::findByName(QLatin1String(block.members[m].name));
                QVERIFY2(f, block.members[m].name);
                QCOMPARE(f->offset, block.offset + block.members[m].offset);
                // The record index is the row where a field has several
                // values per record, else the column.
                const bool recordIsRow = f->rows > 1;
                QCOMPARE(recordIsRow ? f->rowStride : f->columnStride, block.recordSize);
                QCOMPARE(recordIsRow ? f->rows : f->columns, block.records);
                QVERIFY(ParameterLayout::fieldEnd(*f) <=
                        block.offset + block.records * block.recordSize);
            }
        }
    }

    void signatureRanges()
    {
        QCOMPARE(ParameterLayout::signatureRangeCount(), 5);
        const SignatureRange* r = ParameterLayout::signatureRanges();
        const char* names[] = {"whole", "system", "monitor", "signal", "all data"};
        const int crcNo[] = {9002, 9004, 9006, 9008, 9999};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(r[i].name, names[i]);
            QCOMPARE(r[i].crcOffset, ParameterLayout::findByNo(crcNo[i])->offset);
            QCOMPARE(r[i].timeOffset, i < 4 ? ParameterLayout::findByNo(crcNo[i] - 1)->offset : -1);
        }
        QCOMPARE(r[1].end, r[2].begin);
        QCOMPARE(r[2].end, r[3].begin);
        QCOMPARE(r[0].end, r[3].end);
        QCOMPARE(r[4].end, r[4].crcOffset);
    }

    void definitionListMatchesTable()
    {
        const QJsonArray list = definitionList();
        QCOMPARE(list.size(), ParameterLayout::fieldCount());
        for (int i = 0; i < list.size(); ++i) {
            const QJsonObject o = list[i].toObject();
            const FieldDef& f = field(i);
            QCOMPARE(o.size(), 9);
            QCOMPARE(o.value("0_Name").toString(), QString::fromLatin1(f.name));
            QCOMPARE(o.value("1_No").toInt(), f.no);
            QCOMPARE(o.value("2_GroupNum").toInt(), f.rows);
            QCOMPARE(o.value("3_DataNum").toInt(), f.columns);
            QCOMPARE(o.value("5_ParamClass").toInt(), int(f.cls));
            QCOMPARE(o.value("8_DataType").toInt(), jsonDataType(f.type));
        }
    }

    void definitionListLinesAndLimits()
    {
        const QJsonArray list = definitionList();
        QMap<int, int> perLine;
        for (const QJsonValue& v : list) {
            const QJsonObject o = v.toObject();
            const QString name = o.value("0_Name").toString();
            const int values = o.value("3_DataNum").toInt();
            const int dataPerRow = o.value("4_DataPerRow").toInt();
            ++perLine[dataPerRow];
            QVERIFY2(dataPerRow >= 1, qPrintable(name));
            // The reader numbers lines of a group with two digits.
            QVERIFY2((values + dataPerRow - 1) / dataPerRow <= 40, qPrintable(name));

            const QString lower = o.value("6_Llimit").toString();
            const QString upper = o.value("7_Ulimit").toString();
            if (o.value("8_DataType").toInt() == 3) {
                QVERIFY(lower.isEmpty() && upper.isEmpty());
                continue;
            }
            bool lowerOk = false, upperOk = false;
            QVERIFY2(lower.toDouble(&lowerOk) <= upper.toDouble(&upperOk), qPrintable(name));
            QVERIFY2(lowerOk && upperOk, qPrintable(name));
            const int no = o.value("1_No").toInt();
            if (no >= 9000)
                continue;
            // The limits of the definition database are the same numbers.
            const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(quint32(no));
            QVERIFY2(record, qPrintable(name));
            QCOMPARE(lower.toDouble(), record->min);
            QCOMPARE(upper.toDouble(), record->max);
        }
        const QMap<int, int> expected{{10, 139}, {1, 46}, {4, 11}, {8, 5}, {5, 4}, {2, 3}};
        QCOMPARE(perLine, expected);
        QCOMPARE(list[1].toObject().value("0_Name").toString(), QStringLiteral("RobotTypeName"));
        QCOMPARE(list[1].toObject().value("4_DataPerRow").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestParameterLayout)
#include "tst_parameterlayout.moc"

// The field table is the one place that says where every safety setting lies
// in the image. These checks hold it against itself, against the layout rules
// of the image, against the definition database (a second hand-written
// description of the same bytes) and against the compiled-in definition list.
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const FieldDef& field(int i)
{
    return ParameterLayout::fields()[i];
}

using Span = std::pair<int, int>; // first byte, size

std::vector<Span> recordSpans(const ParamDefRecord& r)
{
    std::vector<Span> spans;
    const int size = r.isText() ? r.valueCount : r.valueSize();
    const int values = r.isText() ? 1 : r.valueCount;
    for (int g = 1; g <= r.groupCount; ++g)
        for (int e = 1; e <= r.elementCount; ++e)
            for (int v = 1; v <= values; ++v)
                spans.emplace_back(int(r.valueOffset(g, e, v)), size);
    std::sort(spans.begin(), spans.end());
    return spans;
}

std::vector<Span> fieldSpans(const FieldDef& f)
{
    std::vector<Span> spans;
    for (int row = 0; row < f.rows; ++row)
        for (int col = 0; col < f.columns; ++col)
            spans.emplace_back(ParameterLayout::cellOffset(f, row, col),
                               ParameterLayout::valueSize(f.type));
    std::sort(spans.begin(), spans.end());
    return spans;
}

QJsonArray definitionList()
{
    QFile file(QStringLiteral(":/resources/json/parameter.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("compiled-in parameter.json missing");
    return QJsonDocument::fromJson(file.readAll()).object().value("parameters").toArray();
}

// The value type of each definition type code, TypeInt16 to TypeText.
const ValueType typeOfCode[] = {ValueType::I16, ValueType::U16, ValueType::I32,
                                ValueType::U32, ValueType::F32, ValueType::Text};
// "8_DataType" of the definition list by ValueType: 0 unsigned, 1 signed,
// 2 float, 3 text.
const int jsonTypeOf[] = {1, 0, 1, 0, 2, 3};

} // namespace

class TestParameterLayout : public QObject
{
    Q_OBJECT

private slots:
    void tableOrderAndLookups()
    {
        QSet<QString> names;
        std::vector<int> dataFieldNos;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& f = field(i);
            if (i > 0)
                QVERIFY2(field(i - 1).no < f.no, f.name);
            names.insert(QLatin1String(f.name));
            QCOMPARE(ParameterLayout::findByNo(f.no), &f);
            QCOMPARE(ParameterLayout::findByName(QLatin1String(f.name)), &f);
            if (f.no < 9000)
                dataFieldNos.push_back(f.no);
        }
        QCOMPARE(names.size(), ParameterLayout::fieldCount());
        QCOMPARE(ParameterLayout::findByNo(2), nullptr);
        QCOMPARE(ParameterLayout::findByNo(10000), nullptr);
        QCOMPARE(ParameterLayout::findByName(QStringLiteral("commonspec")), nullptr);
        // The definition database lists the same parameters in the same order.
        std::vector<int> recordNos;
        for (const ParamDefRecord& r : ParameterDefDB::instance()->records)
            recordNos.push_back(r.no);
        QCOMPARE(recordNos, dataFieldNos);
    }

    // The cells neither overlap nor leave the image, each value is naturally
    // aligned, and between them lie only the 2-byte fillers that align a
    // 4-byte value after a 16-bit one.
    void fieldsTileTheImage()
    {
        std::vector<Span> cells;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const std::vector<Span> spans = fieldSpans(field(i));
            cells.insert(cells.end(), spans.begin(), spans.end());
        }
        std::sort(cells.begin(), cells.end());
        int covered = 0, end = 0, previousSize = 0;
        for (const Span& cell : cells) {
            const QByteArray at = QByteArray::number(cell.first);
            QVERIFY2(cell.first % qMin(cell.second, 4) == 0, "not aligned at " + at);
            QVERIFY2(cell.first >= end, "overlap at " + at);
            QVERIFY2(cell.first == end ||
                         (cell.first - end == 2 && end % 4 == 2 && previousSize == 2),
                     "gap before " + at);
            covered += cell.second;
            end = cell.first + cell.second;
            previousSize = cell.second;
        }
        QCOMPARE(end, ParameterLayout::ImageSize);
        QCOMPARE(ParameterLayout::ImageSize - covered, 304);
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
            // Trailer fields exactly where the signature expects them.
            QCOMPARE(f.cls == ParamClass::Trailer, f.no >= 9000);
        }
        QCOMPARE(ParameterLayout::fieldEnd(*ParameterLayout::findByNo(9999)),
                 ParameterLayout::ImageSize);
    }

    // Every database record addresses exactly the cells of its field, with
    // the same value type and part.
    void recordMatchesField_data()
    {
        QTest::addColumn<int>("index");
        const auto& records = ParameterDefDB::instance()->records;
        for (int i = 0; i < int(records.size()); ++i) {
            const FieldDef* f = ParameterLayout::findByNo(records[size_t(i)].no);
            QTest::addRow("%d %s", records[size_t(i)].no, f ? f->name : "?") << i;
        }
    }

    void recordMatchesField()
    {
        QFETCH(int, index);
        const ParamDefRecord& r = ParameterDefDB::instance()->records[size_t(index)];
        const FieldDef* f = ParameterLayout::findByNo(r.no);
        QVERIFY(f);
        QVERIFY(r.type >= ParamDefRecord::TypeInt16 && r.type <= ParamDefRecord::TypeText);
        QCOMPARE(typeOfCode[r.type - ParamDefRecord::TypeInt16], f->type);
        QVERIFY(r.access == 'R' || r.access == 'C');
        QCOMPARE(r.access == 'R' ? ParamClass::Robot : ParamClass::User, f->cls);
        QCOMPARE(int(r.offset), f->offset);
        const std::vector<Span> fromRecord = recordSpans(r);
        const std::vector<Span> fromField = fieldSpans(*f);
        QCOMPARE(fromRecord.size(), fromField.size());
        for (size_t i = 0; i < fromRecord.size(); ++i)
            QVERIFY2(fromRecord[i] == fromField[i],
                     qPrintable(QStringLiteral("value at %1 (%2 bytes), field cell at %3")
                                    .arg(fromRecord[i].first)
                                    .arg(fromRecord[i].second)
                                    .arg(fromField[i].first)));
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
            QCOMPARE(o.value("8_DataType").toInt(), jsonTypeOf[int(f.type)]);
        }
    }

    void definitionListLinesAndLimits()
    {
        const QJsonArray list = definitionList();
        for (const QJsonValue& v : list) {
            const QJsonObject o = v.toObject();
            const QString name = o.value("0_Name").toString();
            const int values = o.value("3_DataNum").toInt();
            const int dataPerRow = o.value("4_DataPerRow").toInt();
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
    }
};

QTEST_GUILESS_MAIN(TestParameterLayout)
#include "tst_parameterlayout.moc"

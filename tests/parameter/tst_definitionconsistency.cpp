// The definition database and the image field table are two hand-written
// descriptions of the same bytes. Every database record must address exactly
// the cells of its field, with the same value type and part.
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"

#include <QtTest>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

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

ValueType valueTypeOf(quint8 code)
{
    switch (code) {
    case ParamDefRecord::TypeInt16:
        return ValueType::I16;
    case ParamDefRecord::TypeUInt16:
        return ValueType::U16;
    case ParamDefRecord::TypeInt32:
        return ValueType::I32;
    case ParamDefRecord::TypeUInt32:
        return ValueType::U32;
    case ParamDefRecord::TypeFloat:
        return ValueType::F32;
    case ParamDefRecord::TypeText:
        return ValueType::Text;
    }
    QTest::qFail("unused type code in the definitions", __FILE__, __LINE__);
    return ValueType::Text;
}

} // namespace

class TestDefinitionConsistency : public QObject
{
    Q_OBJECT

private slots:
    void sameParametersInSameOrder()
    {
        const auto& records = ParameterDefDB::instance()->records;
        QCOMPARE(ParameterLayout::fieldCount(), 208);
        std::vector<int> fieldNos;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i)
            if (ParameterLayout::fields()[i].no < 9000)
                fieldNos.push_back(ParameterLayout::fields()[i].no);
        std::vector<int> recordNos;
        for (const ParamDefRecord& r : records)
            recordNos.push_back(r.no);
        QCOMPARE(recordNos, fieldNos);
    }

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
        QCOMPARE(valueTypeOf(r.type), f->type);
        QCOMPARE(r.access == 'R' ? ParamClass::Robot : ParamClass::User, f->cls);
        QVERIFY(r.access == 'R' || r.access == 'C');
        QCOMPARE(int(r.offset), f->offset);

        const std::vector<Span> fromRecord = recordSpans(r);
        const std::vector<Span> fromField = fieldSpans(*f);
        QCOMPARE(fromRecord.size(), fromField.size());
        for (size_t i = 0; i < fromRecord.size(); ++i) {
            if (fromRecord[i] != fromField[i])
                QFAIL(
                    qPrintable(QStringLiteral("value at %1 (%2 bytes), field cell at %3 (%4 bytes)")
                                   .arg(fromRecord[i].first)
                                   .arg(fromRecord[i].second)
                                   .arg(fromField[i].first)
                                   .arg(fromField[i].second)));
        }
    }

    // Independent of the field table: the records tile the three areas and
    // leave uncovered only the 304 filler bytes.
    void recordsTileTheAreas()
    {
        std::vector<Span> all;
        for (const ParamDefRecord& r : ParameterDefDB::instance()->records) {
            const std::vector<Span> spans = recordSpans(r);
            all.insert(all.end(), spans.begin(), spans.end());
        }
        std::sort(all.begin(), all.end());
        int covered = 0;
        for (size_t i = 0; i < all.size(); ++i) {
            QVERIFY2(all[i].first % qMin(all[i].second, 4) == 0, "value not naturally aligned");
            if (i > 0)
                QVERIFY2(all[i - 1].first + all[i - 1].second <= all[i].first,
                         qPrintable(QStringLiteral("overlap at byte %1").arg(all[i].first)));
            covered += all[i].second;
        }
        QVERIFY(all.back().first + all.back().second <= ParameterLayout::DataAreaEnd);
        QCOMPARE(ParameterLayout::DataAreaEnd - covered, 304);
    }
};

QTEST_GUILESS_MAIN(TestDefinitionConsistency)
#include "tst_definitionconsistency.moc"

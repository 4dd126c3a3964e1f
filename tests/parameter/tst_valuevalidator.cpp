#include "defaultimage.h"
#include "editedfile.h"
#include "imagecells.h"
#include "parameter/parameterdefdb.h"
#include "parameter/valuevalidator.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const LimitEntry* entryAt(const QVector<LimitEntry>& entries, const char* name, int row, int column)
{
    for (const LimitEntry& entry : entries)
        if (entry.name == QLatin1String(name) && entry.row == row && entry.column == column)
            return &entry;
    return nullptr;
}

} // namespace

class TestValueValidator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The file's image and text table, as a read of it gives them.
    static bool readWithTable(const QString& path, ParameterImage& image, ParameterTextTable& table)
    {
        IO::Parser parser;
        parser.loadInfo();
        parser.makeTable(table);
        DataProviderErrorRecord error;
        return readImageFile(image, path) && parser.extractToMap(table, path, error);
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }

    void shippedSetIsClean()
    {
        ParameterImage image;
        QVERIFY(readDefaultImage(image));
        QCOMPARE(ValueValidator::count(image), 0);
        QVERIFY(ValueValidator::check(image).isEmpty());
    }

    // Zero lies below the limits of every count and number that starts above
    // it; each of those cells is listed, and nothing else.
    void zeroImageListsEveryCellAboveZero()
    {
        const ParameterImage zero;
        const QVector<LimitEntry> entries = ValueValidator::check(zero);
        int expected = 0;
        for (const ParamDefRecord& record : ParameterDefDB::instance()->records)
            if (!record.isText() && record.min > 0)
                expected += record.groupCount * record.elementCount * record.valueCount;
        QCOMPARE(entries.size(), expected);
        QCOMPARE(ValueValidator::count(zero), expected);
        for (int set = 0; set < 16; ++set)
            QVERIFY(entryAt(entries, "MoveAreaVertexNum", 0, set));
        const LimitEntry* filter = entryAt(entries, "UsrSafetyFilterTime", 0, 31);
        QVERIFY(filter);
        QCOMPARE(filter->valueText, QStringLiteral("0"));
        QCOMPARE(filter->limitsText(), QStringLiteral("1 to 127"));
        QVERIFY(filter->displayName.contains(QLatin1String("32")));
    }

    void badValuesAreListed_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("problem"); // -1: not listed

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("above") << QByteArray("UsrSafetyFilterTime") << 4 << 128.0
                               << int(LimitEntry::OutsideLimits);
        QTest::newRow("upper limit") << QByteArray("UsrSafetyFilterTime") << 4 << 127.0 << -1;
        QTest::newRow("negative count")
            << QByteArray("MoveAreaVertexNum") << 2 << -1.0 << int(LimitEntry::OutsideLimits);
        QTest::newRow("NaN") << QByteArray("TCP_X") << 3 << nan << int(LimitEntry::NotFinite);
        QTest::newRow("infinity") << QByteArray("TCP_X") << 3 << -inf << int(LimitEntry::NotFinite);
        QTest::newRow("huge float")
            << QByteArray("TCP_X") << 3 << 3e38 << int(LimitEntry::OutsideLimits);
        // The float nearest 0.01 lies a little below it: it is the limit.
        QTest::newRow("0.01 as a float") << QByteArray("TeachBreakingDecel") << 0 << 0.01 << -1;
        QTest::newRow("below 0.01")
            << QByteArray("TeachBreakingDecel") << 0 << 0.005 << int(LimitEntry::OutsideLimits);
        QTest::newRow("whole u32 range") << QByteArray("ZeroingValue") << 0 << 4294967295.0 << -1;
    }

    void badValuesAreListed()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, column);
        QFETCH(double, value);
        QFETCH(int, problem);

        ParameterImage image;
        QVERIFY(readDefaultImage(image));
        const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
        QVERIFY(field);
        switch (field->type) {
        case ValueType::F32:
            QVERIFY(image.setF32(*field, 0, column, float(value)));
            break;
        case ValueType::U32:
            QVERIFY(image.setU32(*field, 0, column, quint32(value)));
            break;
        default:
            QVERIFY(image.setI16(*field, 0, column, qint16(value)));
        }
        const QVector<LimitEntry> entries = ValueValidator::check(image);
        QCOMPARE(ValueValidator::count(image), entries.size());
        QCOMPARE(ValueValidator::isOutside(image, *field, 0, column), problem >= 0);
        if (problem < 0) {
            QVERIFY(entries.isEmpty());
            return;
        }
        QCOMPARE(entries.size(), 1);
        QCOMPARE(int(entries[0].problem), problem);
        QCOMPARE(entries[0].column, column);
        QCOMPARE(entries[0].offset, ParameterLayout::cellOffset(*field, 0, column));
    }

    // The page of every field, fixed here rather than derived: the first and
    // last field of each page and the robot data around them, which no page
    // shows.
    void pageOfEachField_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("scene");
        const QVector<QPair<const char*, int>> rows = {
            {"CommonSpec", 1},
            {"RobotNo", 0},
            {"ZeroingValue", 0},
            {"I/OBoardSheets", 1},
            {"EtherNetIPValid", 1},
            {"OpeModeInputSet", 1},
            {"DiffErrChkWidth", 0},
            {"PowerOnCheckWidth", 0},
            {"ToolIdSpec", 20},
            {"Decel/StopMonTarget", 20},
            {"StopPosPrdctSpec", 21},
            {"UsrArmModelZ2", 21},
            {"ToolModelValid", 22},
            {"ToolModelT", 22},
            {"MoveAreaValid", 23},
            {"MoveAreaStopPosValid", 23},
            {"AlwaysAxisValid", 25},
            {"SelectAxisStopCategory", 25},
            {"ArmSpeedMkrCoordiNo", 26},
            {"ArmSpeedUsrZ", 26},
            {"ToolSpeedMonValid", 27},
            {"ToolSpeedMonZ", 27},
            {"TeachSpeedValid", 28},
            {"CheckSpeedStopCategory", 28},
            {"UsrSpeedValid", 29},
            {"UsrSpeedStopCategory", 29},
            {"ToolOrientValid", 30},
            {"ToolOrientStopCategory", 30},
            {"StopMonValid", 31},
            {"StopMonTargetAxis", 31},
            {"ProtStopFenceValid", 32},
            {"ProtStopFenceTargetRobot", 32},
            {"ProtStopUsrValid", 33},
            {"ProtStopUsrTargetRobot", 33},
            {"EmeStopTPStopCategory", 34},
            {"EmeStopUsrStopTargetRobot", 34},
            {"UsrSafetyPulseDiagno", 35},
            {"UsrSafetyDiscrpAllowTime", 35},
            {"LogicalOperatDetails", 36},
            {"SignalAssigNetworkOut", 36},
        };
        for (const auto& row : rows)
            QTest::newRow(row.first) << QByteArray(row.first) << row.second;
    }

    void pageOfEachField()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, scene);
        const FieldDef& field = fieldNamed(name.constData());
        QCOMPARE(ValueValidator::sceneOf(field.no), scene);

        // A listed value carries the same page.
        double lower = 0;
        double upper = 0;
        if (field.type == ValueType::Text || !ValueValidator::limitsOf(field.no, &lower, &upper))
            return;
        ParameterImage image = defaultImage();
        const int last = field.rows * field.columns - 1;
        const int offset =
            ParameterLayout::cellOffset(field, last / field.columns, last % field.columns);
        switch (field.type) {
        case ValueType::F32:
            QVERIFY(image.setF32At(offset, std::numeric_limits<float>::quiet_NaN()));
            break;
        case ValueType::I16:
            QVERIFY(upper < 32767);
            QVERIFY(image.setI16At(offset, qint16(upper + 1)));
            break;
        case ValueType::U16:
            QVERIFY(upper < 65535);
            QVERIFY(image.setU16At(offset, quint16(upper + 1)));
            break;
        case ValueType::U32:
            if (upper >= 4294967295.0)
                return; // every stored value lies within
            QVERIFY(image.setU32At(offset, quint32(upper + 1)));
            break;
        default:
            QVERIFY(lower > -2147483648.0);
            QVERIFY(image.setI32At(offset, qint32(lower - 1)));
        }
        const QVector<LimitEntry> entries = ValueValidator::check(image);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].scene, scene);
    }

    // A float cell holds the float nearest a limit, which may lie on either
    // side of the limit's double (0.01 lies below it): every float limit
    // holds at both edges, and the next float past it does not.
    void floatLimitsAtBothEdges()
    {
        ParameterImage image;
        QVERIFY(readDefaultImage(image));
        int edges = 0;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            double lower = 0;
            double upper = 0;
            if (field.type != ValueType::F32 || !ValueValidator::limitsOf(field.no, &lower, &upper))
                continue;
            const float limits[] = {float(lower), float(upper)};
            const float beyond[] = {std::nextafter(float(lower), -HUGE_VALF),
                                    std::nextafter(float(upper), HUGE_VALF)};
            for (int row = 0; row < field.rows; ++row) {
                for (int column = 0; column < field.columns; ++column) {
                    const float kept = image.f32At(ParameterLayout::cellOffset(field, row, column));
                    for (int side = 0; side < 2; ++side) {
                        QVERIFY(image.setF32(field, row, column, limits[side]));
                        QVERIFY2(!ValueValidator::isOutside(image, field, row, column), field.name);
                        QVERIFY(image.setF32(field, row, column, beyond[side]));
                        QVERIFY2(ValueValidator::isOutside(image, field, row, column), field.name);
                        ++edges;
                    }
                    QVERIFY(image.setF32(field, row, column, kept));
                }
            }
            // The whole pass agrees, for the field's first cell.
            const float first = image.f32At(field.offset);
            QVERIFY(image.setF32(field, 0, 0, limits[0]));
            QCOMPARE(ValueValidator::count(image), 0);
            QVERIFY(image.setF32(field, 0, 0, beyond[1]));
            const QVector<LimitEntry> entries = ValueValidator::check(image);
            QCOMPARE(entries.size(), 1);
            QCOMPARE(entries[0].upper, upper); // the limit as defined
            QVERIFY(image.setF32(field, 0, 0, limits[1]));
            QCOMPARE(ValueValidator::count(image), 0);
            QVERIFY(image.setF32(field, 0, 0, first));
        }
        QVERIFY(edges > 100);
    }

    // A file's integer that its field cannot hold is listed with the file's
    // text, even where the stored remainder lies within the limits.
    void fileTextThatDidNotFit()
    {
        QVERIFY(m_dir.isValid());
        ParameterImage image = defaultImage();
        QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 2, qint16(99999)));
        QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 5, qint16(65546))); // 10
        const QString path = m_dir.filePath(QStringLiteral("wrapped.txt"));
        QVERIFY(writeEditedFile(path, image,
                                {{"UsrSafetyFilterTime", 0, 2, QStringLiteral("99999")},
                                 {"UsrSafetyFilterTime", 0, 5, QStringLiteral("65546")},
                                 {"UsrSafetyFilterTime", 0, 7, QStringLiteral("+10")}}));
        ParameterImage read;
        ParameterTextTable table;
        QVERIFY(readWithTable(path, read, table));
        QVERIFY(read.areasEqual(image));

        const QVector<LimitEntry> entries = ValueValidator::check(read, &table);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].valueText, QStringLiteral("-31073"));
        QCOMPARE(entries[0].fileText, QStringLiteral("99999"));
        QCOMPARE(entries[0].problem, LimitEntry::TextNotKept);
        QCOMPARE(entries[1].valueText, QStringLiteral("10"));
        QCOMPARE(entries[1].fileText, QStringLiteral("65546"));
        QVERIFY(entries[0].describe().contains(QLatin1String("99999")));
        // Without the file only the value outside its limits remains.
        QCOMPARE(ValueValidator::check(read).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestValueValidator)
#include "tst_valuevalidator.moc"

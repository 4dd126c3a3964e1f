#include "defaultimage.h"
#include "editedfile.h"
#include "imagecells.h"
#include "parameter/parameterdefdb.h"
#include "parameter/procedure.h"
#include "parameter/unkepttexts.h"
#include "parameter/valuevalidator.h"
#include "randomimage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(CellText)

namespace {

const LimitEntry* entryAt(const QVector<LimitEntry>& entries, const char* name, int row, int column)
{
    for (const LimitEntry& entry : entries)
        if (entry.name == QLatin1String(name) && entry.row == row && entry.column == column)
            return &entry;
    return nullptr;
}

// Entries to compare two lists at once. The command line may also show a
// kept text written in another form; that is no finding.
QStringList entryLines(const QVector<LimitEntry>& entries)
{
    QStringList lines;
    for (const LimitEntry& entry : entries)
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(entry.offset)
                     .arg(entry.problem)
                     .arg(entry.displayName, entry.valueText,
                          entry.problem == LimitEntry::TextNotKept ? entry.fileText : QString());
    return lines;
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

    // Reads the file as the program does and as the command line does; true
    // when both list the same entries. notKept: the cells not kept, as
    // "name row column text", sorted.
    static bool readBothWays(const QString& path, QStringList* notKept, QString* why)
    {
        ParameterImage image;
        UnkeptTexts texts;
        IO::Procedure procedure;
        DataProviderErrorRecord error;
        ParameterImage tableImage;
        ParameterTextTable table;
        if (!procedure.readAll(image, path, error, &texts) ||
            !readWithTable(path, tableImage, table) || tableImage != image) {
            *why = QStringLiteral(" not read alike");
            return false;
        }
        const QVector<LimitEntry> entries = ValueValidator::check(image, texts);
        const QStringList lines = entryLines(entries);
        const QStringList tableLines = entryLines(ValueValidator::check(image, &table));
        if (lines != tableLines) {
            *why = QStringLiteral("\n") + lines.join(QLatin1Char('\n')) +
                   QStringLiteral("\n--- command line:\n") + tableLines.join(QLatin1Char('\n'));
            return false;
        }
        notKept->clear();
        for (const LimitEntry& entry : entries)
            if (entry.problem == LimitEntry::TextNotKept)
                *notKept << QStringLiteral("%1 %2 %3 %4")
                                .arg(entry.name)
                                .arg(entry.row)
                                .arg(entry.column)
                                .arg(entry.fileText);
        notKept->sort();
        return true;
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
        QVERIFY(ValueValidator::count(image).isEmpty());
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
        QCOMPARE(ValueValidator::count(zero), (FindingCount{expected, 0}));
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
        QCOMPARE(ValueValidator::count(image), FindingCount::of(entries));
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
            {"RobotTypeName", 0},
            {"WholeUpdateTime", 18},
            {"SignalCRC", 18},
            {"ParameterVersion", 1},
            {"AllDataCRC", 0},
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
            QVERIFY(ValueValidator::count(image).isEmpty());
            QVERIFY(image.setF32(field, 0, 0, beyond[1]));
            const QVector<LimitEntry> entries = ValueValidator::check(image);
            QCOMPARE(entries.size(), 1);
            QCOMPARE(entries[0].upper, upper); // the limit as defined
            QVERIFY(image.setF32(field, 0, 0, limits[1]));
            QVERIFY(ValueValidator::count(image).isEmpty());
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

    // A cell counts once: as a file text not kept where its text was not
    // kept, else as a value outside its limits; the held texts count as the
    // file's table does, and as check() lists them.
    void countsEachCellOnce_data()
    {
        QTest::addColumn<QVector<CellText>>("texts");
        QTest::addColumn<int>("outside");
        QTest::addColumn<int>("notKept");
        QTest::addColumn<QString>("words");
        const QString version40 = QString(40, QLatin1Char('v'));
        QTest::newRow("texts inside and outside their limits")
            << QVector<CellText>{{"UsrSafetyFilterTime", 0, 0, QStringLiteral("65538")},
                                 {"UsrSafetyDiscrpAllowTime", 0, 0, QStringLiteral("abc")},
                                 {"StopJudgeDist", 0, 6, QStringLiteral("abc")},
                                 {"StopJudgeDist", 0, 7, QStringLiteral("0x10")},
                                 {"StopJudgeDist", 0, 8, QStringLiteral("1e39")}}
            << 0 << 5 << "0 values outside their limits, 5 file texts not kept";
        QTest::newRow("wrapped outside its limits")
            << QVector<CellText>{{"UsrSafetyFilterTime", 0, 2, QStringLiteral("99999")}} << 0 << 1
            << "0 values outside their limits, 1 file text not kept";
        QTest::newRow("beside a plain value outside")
            << QVector<CellText>{{"UsrSafetyFilterTime", 0, 2, QStringLiteral("99999")},
                                 {"UsrSafetyFilterTime", 0, 4, QStringLiteral("128")}}
            << 1 << 1 << "1 value outside its limits, 1 file text not kept";
        QTest::newRow("plain values outside")
            << QVector<CellText>{{"UsrSafetyFilterTime", 0, 3, QStringLiteral("0")},
                                 {"UsrSafetyFilterTime", 0, 4, QStringLiteral("128")}}
            << 2 << 0 << "2 values outside their limits, 0 file texts not kept";
        QTest::newRow("update times")
            << QVector<CellText>{{"WholeUpdateTime", 0, 0, QStringLiteral("abc")},
                                 {"SystemUpdateTime", 0, 0, QStringLiteral("-1")},
                                 {"SignalUpdateTime", 0, 0, QStringLiteral("4294967296")}}
            << 0 << 3 << "0 values outside their limits, 3 file texts not kept";
        QTest::newRow("texts of 40 characters")
            << QVector<CellText>{{"ParameterVersion", 0, 0, version40},
                                 {"RobotTypeName", 0, 3, version40}}
            << 0 << 2 << "0 values outside their limits, 2 file texts not kept";
        QTest::newRow("texts that fit")
            << QVector<CellText>{{"ParameterVersion", 0, 0, QString(31, QLatin1Char('v'))},
                                 {"RobotTypeName", 0, 3, QString()}}
            << 0 << 0 << "0 values outside their limits, 0 file texts not kept";
    }
    void countsEachCellOnce()
    {
        QFETCH(QVector<CellText>, texts);
        QFETCH(int, outside);
        QFETCH(int, notKept);
        QFETCH(QString, words);
        QVERIFY(m_dir.isValid());
        // The image holds what each text becomes, so that the set is signed.
        ParameterImage image = defaultImage();
        for (const CellText& cell : texts)
            IO::Decoder::storeCell(image, fieldNamed(cell.name), cell.row, cell.column, cell.text);
        const QString path = m_dir.filePath(QStringLiteral("counted.txt"));
        QVERIFY(writeEditedFile(path, image, texts));

        ParameterImage read;
        UnkeptTexts held;
        IO::Procedure procedure;
        DataProviderErrorRecord error;
        QVERIFY(procedure.readAll(read, path, error, &held));
        ParameterImage tableImage;
        ParameterTextTable table;
        QVERIFY(readWithTable(path, tableImage, table));
        const FindingCount expected{outside, notKept};
        QCOMPARE(FindingCount::of(ValueValidator::check(tableImage, &table)), expected);
        QCOMPARE(FindingCount::of(ValueValidator::check(read, held)), expected);
        ValueValidator::setHeldTexts(&held);
        const FindingCount counted = ValueValidator::count(read);
        const QVector<LimitEntry> entries = ValueValidator::check(read);
        ValueValidator::setHeldTexts(nullptr);
        QCOMPARE(counted, expected);
        QCOMPARE(FindingCount::of(entries), expected);
        QCOMPARE(expected.text(), words);
        // Texts and the trailer have no limits to name.
        for (const LimitEntry& entry : entries) {
            const bool limited = entry.no < 9000 && entry.name != QLatin1String("RobotTypeName");
            QCOMPARE(entry.hasLimits, limited);
            QCOMPARE(entry.describe().contains(QLatin1String("limits")), limited);
        }
    }

    // Limits print as the field stores them: an integer in full, a float as
    // the shortest text that reads back as the same float.
    void limitsPrintInFull_data()
    {
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("u32") << 4294967295.0 << int(ValueType::U32) << "4294967295";
        QTest::newRow("i32") << 2147483647.0 << int(ValueType::I32) << "2147483647";
        QTest::newRow("i32 lowest") << -2147483648.0 << int(ValueType::I32) << "-2147483648";
        QTest::newRow("float 0.01") << 0.01 << int(ValueType::F32) << "0.01";
        // 3.4028235e+38 lies past it: the toolkit reads that as an overflow.
        QTest::newRow("largest float")
            << double(std::numeric_limits<float>::max()) << int(ValueType::F32) << "3.40282347e+38";
        QTest::newRow("float of 8 digits") << 12345.678 << int(ValueType::F32) << "12345.678";
    }
    void limitsPrintInFull()
    {
        QFETCH(double, limit);
        QFETCH(int, type);
        QFETCH(QString, text);
        QCOMPARE(LimitEntry::limitText(limit, ValueType(type)), text);
    }

    // Which file texts a cell keeps: integers of the field's range in any
    // form the toolkit reads, and floats that are numbers. Storing a plain
    // text never calls it kept where the full look does not.
    void whichTextsAreKept_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        const auto row = [](const char* name, const char* text, bool kept) {
            QTest::addRow("%s %s", name, text)
                << QByteArray(name) << QString::fromUtf8(text) << kept;
        };
        row("ToolIDChngTable", "2", true); // i16
        row("ToolIDChngTable", "+2", true);
        row("ToolIDChngTable", "-32768", true);
        row("ToolIDChngTable", "65538", false);
        row("ToolIDChngTable", "32768", false);
        row("ToolIDChngTable", "2.0", false);
        row("ToolIDChngTable", "abc", false);
        row("ToolIDChngTable", "", false);
        row("RotateOffset", "65535", true); // u16
        row("RotateOffset", "-1", false);
        row("UsrSpeedArmValid", "-2147483648", true); // i32
        row("UsrSpeedArmValid", "2147483648", false);
        row("UsrSpeedArmValid", "4294967296", false);
        row("ZeroingValue", "4294967295", true); // u32
        row("ZeroingValue", "4294967296", false);
        row("ZeroingValue", "-1", false);
        row("StopJudgeDist", "1.5", true); // f32
        row("StopJudgeDist", "-0", true);
        row("StopJudgeDist", "1e3", true);
        row("StopJudgeDist", "1e-40", true); // subnormal
        row("StopJudgeDist", "inf", true);   // kept, and listed as not finite
        row("StopJudgeDist", "abc", false);
        row("StopJudgeDist", "0x10", false);
        row("StopJudgeDist", "", false);
        row("StopJudgeDist", "1.#INF", false);
        row("StopJudgeDist", "1e39", false);
        row("StopJudgeDist", "1e-50", false);
        // What may begin a number, after white space (a text that cannot is
        // never converted whole).
        row("ToolIDChngTable", " +5 ", true);
        row("ToolIDChngTable", "\t-7", true);
        row("ToolIDChngTable", "x1", false);
        row("ToolIDChngTable", "  ", false);
        row("StopJudgeDist", " .5", true);
        row("StopJudgeDist", "+2", true);
        row("StopJudgeDist", "Inf", true);
        row("StopJudgeDist", "NaN", true);
        row("StopJudgeDist", "e5", false);
        // The minus sign U+2212 is the toolkit's "-", also far behind blanks.
        const QByteArray blanks(IO::Decoder::ToolkitDecides, ' ');
        const QByteArray minus("\xe2\x88\x92");
        row("ToolIDChngTable", minus + "7", true);
        row("ToolIDChngTable", blanks + minus + "7", true);
        row("StopJudgeDist", blanks + minus + "1.5", true);
        QTest::newRow("RobotTypeName U+FEFF QR6")
            << QByteArray("RobotTypeName") << QChar(0xfeff) + QStringLiteral("QR6") << true;
        row("RobotTypeName", "", true); // text
        row("RobotTypeName", "0123456789012345678901234567890", true);
        row("RobotTypeName", "01234567890123456789012345678901", false);
        row("RobotTypeName",
            "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4"
            "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4",
            false); // cut before its last character
    }
    void whichTextsAreKept()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        QFETCH(bool, kept);
        const FieldDef& field = fieldNamed(name.constData());
        ParameterImage image;
        const QByteArray bytes = text.toUtf8();
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        const bool plainAndKept = IO::Decoder::storeCell(image, field, 0, 1, view);
        QCOMPARE(UnkeptTexts::isKept(image, field, 0, 1, text), kept);
        if (plainAndKept)
            QVERIFY(kept);
        UnkeptTexts texts;
        texts.note(image, field, 0, 1, text);
        QCOMPARE(texts.isEmpty(), kept);
    }

    // The crafted files: what the program's read notes is what the command
    // line finds in the file's text table, entry for entry.
    void craftedFilesReadAsOnTheCommandLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("notKept"); // "name row column text"
        QTest::newRow("wrapped integers")
            << testDataPath("wrapped-integers.txt")
            << QStringList{"ToolIDChngTable 0 1 65538", "UsrSpeedArmValid 0 1 4294967296",
                           "ProtStopUsrValid 0 0 65537"};
        QTest::newRow("float texts")
            << testDataPath("float-texts.txt")
            << QStringList{"StopJudgeDist 0 6 abc", "StopJudgeDist 0 7 0x10", "StopJudgeDist 0 8 ",
                           "StopJudgeDist 0 9 1.#INF"};
        QTest::newRow("other robot part")
            << testDataPath("other-robot-part.txt")
            << QStringList{"ToolIDChngTable 0 1 65538", "EachAxisMaxSpeed 0 6 abc"};
    }
    void craftedFilesReadAsOnTheCommandLine()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, notKept);
        QStringList found;
        QString why;
        QVERIFY2(readBothWays(file, &found, &why), qPrintable(why));
        notKept.sort();
        QCOMPARE(found, notKept);
    }

    // Random sets, each with random texts that its cells do not keep: an
    // integer off by whole turns of a 16-bit field, or a text that stores 0
    // (a number too large for a 32-bit field, no number for a float). Both
    // ways of reading list exactly the planted cells as not kept.
    void randomWrappedTexts()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("random-wrapped.txt"));
        const char* const noNumbers[] = {"abc", "0x10", "", "1.#INF", "1e-50", "--1"};
        QVector<QPair<const FieldDef*, QPoint>> withLimits; // cells, (column, row)
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            double lower = 0, upper = 0;
            if (field.type != ValueType::Text && ValueValidator::limitsOf(field.no, &lower, &upper))
                for (int r = 0; r < field.rows; ++r)
                    for (int c = 0; c < field.columns; ++c)
                        withLimits.append({&field, QPoint(c, r)});
        }
        for (quint32 seed = 1; seed <= 12; ++seed) {
            ParameterImage image = randomImage(seed);
            QRandomGenerator random(seed);
            QMap<QString, CellText> planted; // by "name row column"
            while (planted.size() < 40) {
                const auto& [field, at] = withLimits.at(random.bounded(withLimits.size()));
                const int turns = 1 + random.bounded(3);
                QString text;
                switch (field->type) {
                case ValueType::I16:
                    text = QString::number(image.i16(*field, at.y(), at.x()) +
                                           (random.bounded(2) ? turns : -turns) * 65536);
                    break;
                case ValueType::U16:
                    text = QString::number(image.u16(*field, at.y(), at.x()) + turns * 65536);
                    break;
                case ValueType::I32:
                case ValueType::U32:
                    QVERIFY(image.setU32(*field, at.y(), at.x(), 0));
                    text = QString::number(4294967296LL * turns);
                    break;
                default:
                    QVERIFY(image.setF32(*field, at.y(), at.x(), 0.0f));
                    text = QLatin1String(noNumbers[random.bounded(int(std::size(noNumbers)))]);
                    break;
                }
                planted.insert(QStringLiteral("%1 %2 %3 %4")
                                   .arg(field->name)
                                   .arg(at.y())
                                   .arg(at.x())
                                   .arg(text),
                               {field->name, at.y(), at.x(), text});
            }
            QVERIFY(writeEditedFile(path, image, planted.values().toVector()));

            QStringList found;
            QString why;
            QVERIFY2(readBothWays(path, &found, &why), qPrintable(QString::number(seed) + why));
            QCOMPARE(found, planted.keys());
        }
    }

    // A read by part brings the texts of the cells it stores and leaves the
    // notes of the others; a note tells about an image only while the cell
    // holds what the text became, and the store's notes count wherever the
    // validator looks without a table.
    void notesFollowTheirCells()
    {
        ParameterImage image = defaultImage();
        UnkeptTexts texts;
        IO::Procedure procedure;
        DataProviderErrorRecord error;
        QVERIFY(procedure.readData(image, testDataPath("other-robot-part.txt"),
                                   IO::Procedure::RobotPart, error, &texts));
        const FieldDef& speed = fieldNamed("EachAxisMaxSpeed");
        const FieldDef& tool = fieldNamed("ToolIDChngTable");
        const int speedOffset = ParameterLayout::cellOffset(speed, 0, 6);
        const int toolOffset = ParameterLayout::cellOffset(tool, 0, 1);
        QCOMPARE(texts.offsets(), QList<int>{speedOffset}); // the tool's cell is the user's
        QVERIFY(procedure.readData(image, testDataPath("wrapped-integers.txt"),
                                   IO::Procedure::UserPart, error, &texts));
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts.textAt(image, toolOffset), QStringLiteral("65538"));

        ValueValidator::setHeldTexts(&texts);
        // The four texts and the robot part's speed of 20000.
        QCOMPARE(ValueValidator::count(image), (FindingCount{1, 4}));
        QCOMPARE(ValueValidator::check(image).size(), 5);
        QVERIFY(ValueValidator::isOutside(image, tool, 0, 1));
        QVERIFY(!ValueValidator::isOutsideLimits(image, tool, 0, 1));
        QCOMPARE(ValueValidator::unkeptText(image, tool, 0, 1), QStringLiteral("65538"));
        // Another value in the cell: out of sight there, still noted.
        ParameterImage edited = image;
        QVERIFY(edited.setI16(tool, 0, 1, 3));
        QCOMPARE(ValueValidator::count(edited), (FindingCount{1, 3}));
        QVERIFY(!ValueValidator::isOutside(edited, tool, 0, 1));
        QCOMPARE(ValueValidator::count(image), (FindingCount{1, 4}));
        // Applied, it is forgotten even where the old value comes back.
        texts.forgetChanged(edited);
        QCOMPARE(ValueValidator::count(image), (FindingCount{1, 3}));
        QVERIFY(ValueValidator::unkeptText(image, tool, 0, 1).isNull());

        QVERIFY(procedure.readData(image, testDataPath("float-texts.txt"), IO::Procedure::UserPart,
                                   error, &texts));
        QCOMPARE(texts.size(), 5); // the four floats and the robot part's
        QCOMPARE(texts.textAt(image, speedOffset), QStringLiteral("abc"));
        QCOMPARE(
            texts.textAt(image, ParameterLayout::cellOffset(fieldNamed("StopJudgeDist"), 0, 8)),
            QStringLiteral(""));
        QVERIFY(procedure.readAll(image, defaultSetPath(), error, &texts));
        QVERIFY(texts.isEmpty());
        ValueValidator::setHeldTexts(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestValueValidator)
#include "tst_valuevalidator.moc"

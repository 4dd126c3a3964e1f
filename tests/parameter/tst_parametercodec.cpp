#include "imagecells.h"
#include "messagecapture.h"
#include "parameter/crc32c.h"
#include "parameter/decoder.h"
#include "parameter/encodedcells.h"
#include "parameter/encoder.h"
#include "parameter/parameterlayout.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

float fromBits(quint32 bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint32 bitsOf(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A table holding every cell of the image, as a file would carry it.
ParameterTextTable tableOf(const ParameterImage& image)
{
    ParameterTextTable table;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i)
        table[QLatin1String(fields[i].name)] =
            QVector<QVector<QString>>(fields[i].rows, QVector<QString>(fields[i].columns));
    IO::Encoder::encode(table, image);
    return table;
}

} // namespace

class TestParameterCodec : public QObject
{
    Q_OBJECT

private slots:
    // What a cell keeps of a file's text, as written out again.
    void decodeAndEncodeCell_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        auto row = [](const char* tag, const char* name, const char* text, const char* encoded) {
            QTest::newRow(tag) << QString(name) << QString(text) << QString(encoded);
        };
        row("i16 cut to 16 bits", "CommonSpec", "40000", "-25536");
        row("i16 fraction", "CommonSpec", "1.5", "0");
        row("i16 not a number", "CommonSpec", "abc", "0");
        row("i16 leading zeros", "CommonSpec", "0042", "42");
        row("u16 negative", "RotateOffset", "-1", "0");
        row("u16 largest", "RotateOffset", "65535", "65535");
        row("u32 negative", "ZeroingValue", "-1", "0");
        row("u32 largest", "ZeroingValue", "4294967295", "4294967295");
        row("i32 outside range", "RobotNo", "2147483648", "0");
        row("f32 not a number", "DHPrmD0", "abc", "0");
        row("f32 exponent", "DHPrmD0", "2.5e+02", "250");
        // Read as stored: the bytes up to the first zero byte, as UTF-8
        // (QString::fromUtf8 would drop the U+FEFF).
        const QString marked = QChar(0xfeff) + QStringLiteral("QR6");
        QTest::newRow("text beginning with U+FEFF")
            << QStringLiteral("RobotTypeName") << marked << marked;
    }

    void decodeAndEncodeCell()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        const FieldDef& def = *ParameterLayout::findByName(name);
        ParameterImage image;
        IO::Decoder::storeCell(image, def, 0, 0, text);
        QString problem;
        QCOMPARE(IO::Encoder::formatCell(image, def, 0, 0, &problem), encoded);
        QVERIFY(problem.isEmpty());
    }

    // Values that seven digits do not carry, and the special ones; the
    // plain ones are covered by everyFloatReadsBack.
    void floatText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("12345678 needs nine digits") << 12345678.0f << "12345678";
        QTest::newRow("smallest normal") << std::numeric_limits<float>::min() << "1.17549435e-38";
        // Nine digits round above the largest float, which reads as overflow.
        QTest::newRow("largest") << std::numeric_limits<float>::max() << "3.4028234663852886e+38";
        QTest::newRow("negative zero") << -0.0f << "-0";
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "inf";
    }

    void floatText()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        bool exact = false;
        QCOMPARE(IO::Encoder::formatFloat(value, &exact), text);
        QVERIFY(exact);
        QCOMPARE(bitsOf(text.toFloat()), bitsOf(value));
    }

    void everyFloatReadsBack()
    {
        // Random bit patterns cover every exponent; 'g' 7 stays wherever it
        // is enough.
        QRandomGenerator random(7);
        for (int i = 0; i < 200000; ++i) {
            const float value = fromBits(random.generate());
            if (std::isnan(value))
                continue;
            const QString text = IO::Encoder::formatFloat(value);
            QCOMPARE(bitsOf(text.toFloat()), bitsOf(value));
            const QString seven = QString::number(double(value), 'g', 7);
            if (bitsOf(seven.toFloat()) == bitsOf(value))
                QCOMPARE(text, seven);
        }
    }

    // The byte-level conversions stand in for the toolkit's: every text,
    // plain or not, stores the same bytes as the string conversion.
    void cellBytesDecodeAsStrings()
    {
        QRandomGenerator random(11);
        const QStringList odd =
            QStringList{"",    "-",          "+5",          "007",        "-0",
                        " 1",  "1 ",         "1e5",         "1E+05",      ".5",
                        "5.",  "2147483648", "-2147483649", "4294967296", "99999999999",
                        "0x1F"} +
            QStringList{"\u22125",       "\uFF15",        "inf",   "-nan",
                        "3.4028235e+38", "3.4028236e+38", "1e-38", "1.17549435e-38"} +
            QStringList{"1e-45", "7e-46", "-0.0", "1,5", "1e", "1e+", "--1"};
        QStringList texts = odd;
        for (int i = 0; i < 20000; ++i) {
            const float value = fromBits(random.generate());
            texts << QString::number(double(value), 'g', 1 + random.bounded(17))
                  << QString::number(qint64(random.generate64()) >> random.bounded(64))
                  << QString::number(random.bounded(2000000) - 1000000)
                  << QString::number(random.bounded(20000.0) - 10000.0, 'f', random.bounded(6));
        }
        const char* names[] = {"CommonSpec",   "RotateOffset", "RobotNo",
                               "ZeroingValue", "DHPrmD0",      "RobotTypeName"};
        for (const char* name : names) {
            const FieldDef& field = fieldNamed(name);
            for (const QString& text : qAsConst(texts)) {
                const QByteArray bytes = text.toUtf8();
                ParameterImage fromString, fromBytes;
                IO::Decoder::storeCell(fromString, field, 0, 0, text);
                IO::Decoder::storeCell(fromBytes, field, 0, 0,
                                       std::string_view(bytes.constData(), size_t(bytes.size())));
                QVERIFY2(fromBytes == fromString, qPrintable(QString(name) + ": " + text));
            }
        }
    }

    // The quick test before a conversion never refuses what the toolkit
    // converts: each text, also long behind white space, stores what
    // QString::toInt, toUInt and toFloat make of it, from a string and from
    // a file's bytes.
    void cellTextsAsTheToolkitReads()
    {
        const QStringList texts =
            QStringList{
                "5",   "+5",       "-5",  "\u22125",  "\u2212", "-",           "+",
                "",    "007",      "-0",  "\u22120",  " 5",     "5 ",          "\u00a05\u00a0",
                "\t5", "\u2003-5", "1e3", "1E+03",    "-1e-3",  "\u22121.5e2", "1e",
                "e5",  ".5",       "-.5", "\u2212.5", "5.",     "inf",         "-inf"} +
            QStringList{"+inf",          "\u2212inf",     "INF",        "Inf",        "nan",
                        "NaN",           "-nan",          "+nan",       "infinity",   "0x10",
                        "1,5",           "1,000",         "\uff15",     "\u0665",     "--1",
                        "+-1",           "\u2212\u22121", "abc",        "2147483647", "2147483648",
                        "-2147483649",   "4294967295",    "4294967296", "65536",      "-32769",
                        "3.4028235e+38", "3.4028236e+38", "1e-45",      "1e-50",      "1.#INF"};
        const QString blanks(IO::Decoder::ToolkitDecides, QLatin1Char(' '));
        const QString noBreaks(IO::Decoder::ToolkitDecides, QChar(0xa0));
        for (const char* name :
             {"CommonSpec", "RotateOffset", "RobotNo", "ZeroingValue", "DHPrmD0"}) {
            const FieldDef& field = fieldNamed(name);
            const int offset = ParameterLayout::cellOffset(field, 0, 0);
            for (const QString& number : texts) {
                for (const QString& text : {number, blanks + number, number + noBreaks}) {
                    ParameterImage expected, fromString, fromBytes;
                    bool ok = false;
                    const bool isSigned =
                        field.type == ValueType::I16 || field.type == ValueType::I32;
                    const quint32 integer =
                        isSigned ? quint32(text.toInt(&ok, 10)) : text.toUInt(&ok, 10);
                    if (field.type == ValueType::F32)
                        expected.setF32At(offset, text.toFloat());
                    else if (ParameterLayout::valueSize(field.type) == 2)
                        expected.setU16At(offset, ok ? quint16(integer) : 0); // the low bits
                    else
                        expected.setU32At(offset, ok ? integer : 0);
                    IO::Decoder::storeCell(fromString, field, 0, 0, text);
                    const QByteArray bytes = text.toUtf8();
                    IO::Decoder::storeCell(
                        fromBytes, field, 0, 0,
                        std::string_view(bytes.constData(), size_t(bytes.size())));
                    QVERIFY2(fromString == expected && fromBytes == expected,
                             qPrintable(QStringLiteral("%1: \"%2\"").arg(name, text)));
                }
            }
        }
    }

    // The file writer's texts are those of formatCell, problems included.
    void encodedCellsAsFormatted()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 4; ++round) {
            ParameterImage image;
            for (int i = 0; i < ParameterImage::Size; ++i)
                image.data()[i] = uchar(round == 0 ? random.generate() : random.bounded(4) * 64);
            for (int i = 0; i < ParameterLayout::fieldCount() && round > 1; ++i) {
                const FieldDef& f = ParameterLayout::fields()[i];
                for (int r = 0; r < f.rows; ++r)
                    for (int c = 0; c < f.columns && f.type == ValueType::F32; ++c)
                        image.setF32(f, r, c, float(random.bounded(20000.0) - 10000.0));
            }
            IO::EncodedCells cells;
            QStringList problems, expectedProblems;
            ParameterTextTable table = tableOf(ParameterImage());
            QCOMPARE(cells.encode(image, &problems),
                     IO::Encoder::encode(table, image, &expectedProblems));
            QCOMPARE(problems, expectedProblems);
            for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
                const FieldDef& f = ParameterLayout::fields()[i];
                for (int r = 0; r < f.rows; ++r)
                    for (int c = 0; c < f.columns; ++c) {
                        const std::string_view text =
                            cells.text(cells.firstCell(i) + r * f.columns + c);
                        QCOMPARE(QByteArray(text.data(), int(text.size())),
                                 IO::Encoder::formatCell(image, f, r, c).toUtf8());
                    }
            }
        }
    }

    void unwritableValues_data()
    {
        QTest::addColumn<QByteArray>("textBytes"); // the raw 32-byte field
        QTest::addColumn<quint32>("floatBits");
        QTest::addColumn<QString>("problem");

        auto row = [](const char* tag, const QByteArray& text, const char* problem,
                      quint32 floatBits = bitsOf(1.0f)) {
            QTest::newRow(tag) << text << floatBits << QString(problem);
        };
        row("blank", "QR6 0700", "text contains a blank");
        row("comma", "QR6,0700", "text contains a comma");
        row("line break", "QR6\n0700", "text contains a line break");
        row("tab", "QR6\t0700", "text contains a blank");
        row("end marker", "X.END", "text contains \".END\"");
        row("no terminating zero", QByteArray(32, 'A'), "text longer than 31 bytes");
        row("cut character", "QR6\xE2\x82", "text is not valid UTF-8");
        row("NaN payload", "QR6", "the value NaN ffc00001 cannot be written", 0xFFC00001u);
    }

    void unwritableValues()
    {
        QFETCH(QByteArray, textBytes);
        QFETCH(quint32, floatBits);
        QFETCH(QString, problem);

        ParameterImage image;
        std::memcpy(image.data() + fieldNamed("RobotTypeName").offset, textBytes.constData(),
                    size_t(qMin(textBytes.size(), 32)));
        image.setF32(fieldNamed("DHPrmD0"), 0, 3, fromBits(floatBits));
        ParameterTextTable table = tableOf(ParameterImage());
        QStringList problems;
        QVERIFY(!IO::Encoder::encode(table, image, &problems));
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().endsWith(problem), qPrintable(problems.first()));
        QVERIFY(problems.first().startsWith(QLatin1String("RobotTypeName group 1 value 1: ")) ||
                problems.first().startsWith(QLatin1String("DHPrmD0 group 1 value 4: ")));
    }

    void crcCheck_data()
    {
        QTest::addColumn<QStringList>("trailerEdits"); // name=value
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QStringList>("lines");

        ParameterImage image;
        image.setI16(fieldNamed("CommonSpec"), 0, 0, 1);
        Crc32c::signImage(image);
        const QString allData = QString::number(image.allDataCRC());

        QTest::newRow("signed") << QStringList() << true
                                << QStringList{"IO::Decoder::isCRCCorrect -> OK"};
        QTest::newRow("all ignored")
            << QStringList{"WholeCRC=9894", "SystemCRC=9894", "MonitorCRC=9894", "SignalCRC=9894",
                           "AllDataCRC=9894"}
            << true << QStringList{"\"ignore whole crc\"",    "\"ignore system crc\"",
                                   "\"ignore monitor crc\"",  "\"ignore signal crc\"",
                                   "\"ignore all data crc\"", "IO::Decoder::isCRCCorrect -> OK"};
        // The all-data value covers the stored ones, so it is wrong as well;
        // only the first mismatch is logged.
        QTest::newRow("system wrong, whole ignored")
            << QStringList{"WholeCRC=9894", "SystemCRC=1"} << false
            << QStringList{
                   "\"ignore whole crc\"",
                   QStringLiteral("\"system crc: file=1 calculated=%1\"").arg(image.systemCRC()),
                   "IO::Decoder::isCRCCorrect -> NG"};
        QTest::newRow("all data only")
            << QStringList{"AllDataCRC=4294967295"} << false
            << QStringList{QStringLiteral("\"all data crc: file=4294967295 "
                                          "calculated=%1\"")
                               .arg(allData),
                           "IO::Decoder::isCRCCorrect -> NG"};
    }

    void crcCheck()
    {
        QFETCH(QStringList, trailerEdits);
        QFETCH(bool, correct);
        QFETCH(QStringList, lines);

        ParameterImage image;
        image.setI16(fieldNamed("CommonSpec"), 0, 0, 1);
        Crc32c::signImage(image);
        ParameterTextTable table = tableOf(image);
        for (const QString& edit : trailerEdits) {
            const QStringList pair = edit.split(QLatin1Char('='));
            table[pair[0]][0][0] = pair[1];
        }
        MessageCapture log;
        QCOMPARE(IO::Decoder().isCRCCorrect(table), correct);
        QCOMPARE(log.messages(), lines);
    }
};

QTEST_GUILESS_MAIN(TestParameterCodec)
#include "tst_parametercodec.moc"

#include "imagecells.h"
#include "messagecapture.h"
#include "parameter/crc32c.h"
#include "parameter/decoder.h"
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

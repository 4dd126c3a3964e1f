#include "imagecells.h"
#include "parameter/parameterimage.h"

#include <QtTest>

#include <climits>
#include <cstring>

namespace {

QByteArray bytesAt(const ParameterImage& image, int offset, int size)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + offset, size);
}

} // namespace

class TestParameterImage : public QObject
{
    Q_OBJECT

private slots:
    void cellsAreLittleEndianAtTheirStride()
    {
        ParameterImage image;
        // Last cell of the last area set: 40936 + 15 * 96 + 7 * 4.
        QVERIFY(image.setF32(fieldNamed("MoveAreaX"), 15, 7, 1.5f));
        QCOMPARE(bytesAt(image, 42404, 4), QByteArray("\x00\x00\xC0\x3F", 4));
        QCOMPARE(image.f32(fieldNamed("MoveAreaX"), 15, 7), 1.5f);
        // Record member in a column: 40916 + 15 * 96 + 92.
        QVERIFY(image.setI16(fieldNamed("MoveAreaStopPosValid"), 0, 15, -2));
        QCOMPARE(bytesAt(image, 42448, 2), QByteArray("\xFE\xFF", 2));
        QCOMPARE(image.u16(fieldNamed("MoveAreaStopPosValid"), 0, 15), quint16(0xFFFE));
        QVERIFY(image.setU32(fieldNamed("ZeroingValue"), 0, 17, 4294967295u));
        QCOMPARE(image.i32(fieldNamed("ZeroingValue"), 0, 17), -1);
        QCOMPARE(image.u32At(2420 + 17 * 4), 4294967295u);
    }

    void outOfShapeCellsAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("negative row") << "ToolModelValid" << -1 << 0;
        QTest::newRow("row past end") << "ToolModelValid" << 32 << 0;
        QTest::newRow("negative column") << "ToolModelValid" << 0 << -1;
        QTest::newRow("column past end") << "ToolModelValid" << 0 << 20;
        QTest::newRow("row of one-row field") << "TCP_X" << 1 << 0;
        QTest::newRow("huge column") << "AllDataCRC" << 0 << INT_MAX;
        QTest::newRow("text column past end") << "RobotTypeName" << 0 << 19;
        QTest::newRow("version second cell") << "ParameterVersion" << 0 << 1;
    }

    void outOfShapeCellsAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(int, row);
        QFETCH(int, column);
        const FieldDef* f = ParameterLayout::findByName(name);
        QVERIFY(f);
        ParameterImage image;
        std::memset(image.data(), 0x5A, ParameterImage::Size);
        const ParameterImage before = image;
        // Every accessor, of the field's type or not, is refused.
        QVERIFY(!image.setI16(*f, row, column, 1) && !image.setU16(*f, row, column, 1));
        QVERIFY(!image.setI32(*f, row, column, 1) && !image.setU32(*f, row, column, 1));
        QVERIFY(!image.setF32(*f, row, column, 1.0f));
        QVERIFY(!image.setText(*f, row, column, QStringLiteral("x")));
        bool ok[4] = {true, true, true, true};
        QCOMPARE(image.i16(*f, row, column, &ok[0]), qint16(0));
        QCOMPARE(image.u32(*f, row, column, &ok[1]), 0u);
        QCOMPARE(image.f32(*f, row, column, &ok[2]), 0.0f);
        QCOMPARE(image.text(*f, row, column, &ok[3]), QString());
        QVERIFY(!ok[0] && !ok[1] && !ok[2] && !ok[3]);
        QVERIFY(image == before);
    }

    void mismatchedTypesAreRefused()
    {
        ParameterImage image;
        const ParameterImage before = image;
        bool ok = true;
        QVERIFY(!image.setF32(fieldNamed("CommonSpec"), 0, 0, 1.0f));  // i16
        QVERIFY(!image.setI32(fieldNamed("DiffErrChkTime"), 0, 0, 1)); // f32
        QVERIFY(!image.setI16(fieldNamed("RobotNo"), 0, 0, 1));        // i32
        QVERIFY(!image.setText(fieldNamed("RobotNo"), 0, 0, QStringLiteral("x")));
        QVERIFY(!image.setU32(fieldNamed("RobotTypeName"), 0, 0, 1)); // text
        image.f32(fieldNamed("OpeResolution"), 0, 0, &ok);
        QVERIFY(ok);
        image.i32(fieldNamed("OpeResolution"), 0, 0, &ok);
        QVERIFY(!ok);
        QVERIFY(image == before);
    }

    void offsetsOutsideTheImageAreRefused_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::newRow("negative") << -1 << 2;
        QTest::newRow("i16 straddles end") << ParameterImage::Size - 1 << 2;
        QTest::newRow("u32 straddles end") << ParameterImage::Size - 3 << 4;
        QTest::newRow("text straddles end") << ParameterImage::Size - 31 << 32;
        QTest::newRow("INT_MAX") << INT_MAX << 4;
        QTest::newRow("INT_MIN") << INT_MIN << 32;
    }

    void offsetsOutsideTheImageAreRefused()
    {
        QFETCH(int, offset);
        QFETCH(int, size);
        ParameterImage image;
        const ParameterImage before = image;
        bool ok = true;
        if (size == 2) {
            QVERIFY(!image.setI16At(offset, 7));
            QVERIFY(!image.setU16At(offset, 7));
            image.u16At(offset, &ok);
        } else if (size == 4) {
            QVERIFY(!image.setI32At(offset, 7));
            QVERIFY(!image.setU32At(offset, 7));
            QVERIFY(!image.setF32At(offset, 7.0f));
            image.f32At(offset, &ok);
        } else {
            QVERIFY(!image.setTextAt(offset, QStringLiteral("x")));
            image.textAt(offset, &ok);
        }
        QVERIFY(!ok);
        QVERIFY(image == before);
        // The last value that fits is accepted.
        QVERIFY(image.setU32At(ParameterImage::Size - 4, 0xA1B2C3D4u));
        QCOMPARE(image.allDataCRC(), 0xA1B2C3D4u);
    }

    void textIsCutAndZeroFilled()
    {
        ParameterImage image;
        const FieldDef& names = fieldNamed("RobotTypeName");
        QVERIFY(image.setText(names, 0, 1, QStringLiteral("NEXT")));
        QVERIFY(image.setText(names, 0, 0, QString(40, QLatin1Char('A'))));
        QCOMPARE(image.text(names, 0, 0), QString(31, QLatin1Char('A')));
        QCOMPARE(int(image.data()[4 + 31]), 0);
        QCOMPARE(image.text(names, 0, 1), QStringLiteral("NEXT"));
        // A character that does not fit whole is left out, not cut in half.
        const QString accented = QString(30, QLatin1Char('A')) + QChar(0xE9) + QLatin1Char('B');
        QVERIFY(image.setText(names, 0, 0, accented));
        QCOMPARE(image.text(names, 0, 0), QString(30, QLatin1Char('A')));
        QCOMPARE(bytesAt(image, 4 + 30, 2), QByteArray(2, '\0'));
        // A shorter text clears what a longer one left behind.
        QVERIFY(image.setText(names, 0, 0, QStringLiteral("QW115T")));
        QCOMPARE(bytesAt(image, 4, 32), QByteArray("QW115T") + QByteArray(26, '\0'));
        // A field filled by someone else without a zero byte reads 32 bytes.
        std::memset(image.data() + 4, 'B', 32);
        QCOMPARE(image.text(names, 0, 0), QString(32, QLatin1Char('B')));
        QCOMPARE(image.text(names, 0, 1), QStringLiteral("NEXT"));
    }

    void trailerAccessors()
    {
        ParameterImage image;
        image.setWholeUpdateTime(0x01020304u);
        image.setParameterVersion(QStringLiteral("1.00.12"));
        QCOMPARE(bytesAt(image, 65448, 4), QByteArray("\x04\x03\x02\x01", 4));
        QCOMPARE(image.text(fieldNamed("ParameterVersion")), QStringLiteral("1.00.12"));
        QCOMPARE(image.wholeUpdateTime(), 0x01020304u);

        // The areas compare equal whatever the trailer holds.
        ParameterImage other;
        QVERIFY(image.areasEqual(other));
        QVERIFY(image != other);
        other.setU16At(ParameterLayout::DataAreaEnd - 2, 1);
        QVERIFY(!image.areasEqual(other));
    }
};

QTEST_GUILESS_MAIN(TestParameterImage)
#include "tst_parameterimage.moc"

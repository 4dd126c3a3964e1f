#include "parameter/crc32c.h"
#include "parameter/parameterimage.h"

#include <QRandomGenerator>
#include <QVector>
#include <QtTest>

#include <cstring>
#include <vector>

// Expected values below were computed outside this code base with a plain
// bit-by-bit Python implementation of the register update (reflected
// polynomial 0x82F63B78, register 0xFFFFFFFF, no final inversion):
//
//   def crc(data, reg=0xFFFFFFFF):
//       for b in data:
//           for i in range(8):
//               bit = (reg ^ (b >> i)) & 1
//               reg >>= 1
//               if bit: reg ^= 0x82F63B78
//       return reg
//
// The image values come from computing whole [0, 65448), system [0, 2724),
// monitor [2724, 61932) and signal [61932, 65448) that way, packing the four
// little-endian at 65452, 65460, 65468, 65476 and then computing [0, 65512).

class TestCrc32c : public QObject
{
    Q_OBJECT

private slots:
    void checkValue_data()
    {
        QTest::addColumn<int>("path");
        QTest::newRow("dispatch") << 0;
        QTest::newRow("table") << 1;
        QTest::newRow("hardware") << 2;
    }

    void checkValue()
    {
        QFETCH(int, path);
        const char text[] = "123456789";
        const quint32 crc = path == 0   ? Crc32c::compute(text, 9)
                            : path == 1 ? Crc32c::computeWithTable(text, 9)
                                        : Crc32c::computeWithHardware(text, 9);
        // The complement of the published CRC-32C check value 0xE3069283.
        QCOMPARE(crc, 0x1CF96D7Cu);
        QCOMPARE(Crc32c::compute(text, 0), 0xFFFFFFFFu);
        // Continuing from a previous result equals one pass.
        QCOMPARE(Crc32c::compute(text + 4, 5, Crc32c::compute(text, 4)), 0x1CF96D7Cu);
    }

    void imageSignature_data()
    {
        QTest::addColumn<bool>("patterned");
        QTest::addColumn<QVector<quint32>>("expected"); // whole, system, monitor, signal, all
        QTest::newRow("zero image")
            << false
            << QVector<quint32>{0x73D24A27u, 0xC965FCDBu, 0x5BDAA201u, 0x8F695367u, 0xBCE87D4Fu};
        // Byte i = (i * 31 + 7) & 0xFF everywhere, trailer included, so the
        // update times and the version take part in the all-data value.
        QTest::newRow("patterned image")
            << true
            << QVector<quint32>{0x45434585u, 0x07279149u, 0x20B84929u, 0xEB3BE53Fu, 0xF852C13Du};
    }

    void imageSignature()
    {
        QFETCH(bool, patterned);
        QFETCH(QVector<quint32>, expected);
        ParameterImage image;
        if (patterned)
            for (int i = 0; i < ParameterImage::Size; ++i)
                image.data()[i] = static_cast<unsigned char>((i * 31 + 7) & 0xFF);
        const ParameterImage before = image;

        const Crc32c::ImageSignature s = Crc32c::imageSignature(image);
        QCOMPARE((QVector<quint32>{s.whole, s.system, s.monitor, s.signal, s.allData}), expected);
        QVERIFY(image == before);

        Crc32c::signImage(image);
        QCOMPARE((QVector<quint32>{image.wholeCRC(), image.systemCRC(), image.monitorCRC(),
                                   image.signalCRC(), image.allDataCRC()}),
                 expected);
        // Only the five CRC words changed.
        const int crcOffsets[] = {65452, 65460, 65468, 65476, 65512};
        for (int at : crcOffsets)
            std::memcpy(image.data() + at, before.data() + at, 4);
        QVERIFY(image == before);
    }

    // The three-stream hardware path and the table agree for every length up
    // to 4 KB at every alignment, and across the block sizes of the streams.
    void hardwareEqualsTable()
    {
        if (!Crc32c::hardwareAvailable())
            qInfo("no SSE4.2 here: both calls run the table");
        QRandomGenerator random(20240611u);
        std::vector<unsigned char> buffer(3 * 65536 + 64);
        for (unsigned char& b : buffer)
            b = static_cast<unsigned char>(random.bounded(256));
        std::vector<std::size_t> lengths;
        for (std::size_t length = 0; length <= 4096; ++length)
            lengths.push_back(length);
        for (std::size_t length : {767, 768, 769, 24575, 24576, 24577, 25344, 65448, 65512, 196608})
            lengths.push_back(length);
        for (std::size_t length : lengths)
            for (std::size_t align = 0; align < 16; ++align) {
                const unsigned char* p = buffer.data() + align;
                const quint32 seed = align == 0 ? Crc32c::InitialValue : random.generate();
                QCOMPARE(Crc32c::computeWithHardware(p, length, seed),
                         Crc32c::computeWithTable(p, length, seed));
            }
    }
};

QTEST_GUILESS_MAIN(TestCrc32c)
#include "tst_crc32c.moc"

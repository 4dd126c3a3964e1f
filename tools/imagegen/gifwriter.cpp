#include "gifwriter.h"

#include <QHash>

namespace {

// Packs variable-width codes least significant bit first into 255-byte
// sub-blocks.
class CodeStream
{
public:
    void write(int code, int bits)
    {
        m_buffer |= quint32(code) << m_bitCount;
        m_bitCount += bits;
        while (m_bitCount >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_bitCount -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_bitCount > 0)
            m_bytes.append(char(m_buffer & 0xff));
        QByteArray blocks;
        for (int pos = 0; pos < m_bytes.size(); pos += 255) {
            const QByteArray chunk = m_bytes.mid(pos, 255);
            blocks.append(char(chunk.size()));
            blocks.append(chunk);
        }
        blocks.append('\0');
        return blocks;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bitCount = 0;
};

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// The code width follows the decoder's rule: after each code read the next
// free entry advances, and the width grows once that entry no longer fits.
QByteArray compress(const QImage& image, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int nextFree = endCode + 1;
    int bits = minCodeSize + 1;
    QHash<quint32, int> table;
    CodeStream stream;

    auto emitCode = [&](int code) {
        stream.write(code, bits);
        ++nextFree;
        if (nextFree > (1 << bits) && bits < 12)
            ++bits;
    };

    stream.write(clearCode, bits);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int pixel = line[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            const quint32 key = (quint32(prefix) << 8) | quint32(pixel);
            const auto found = table.constFind(key);
            if (found != table.constEnd()) {
                prefix = found.value();
                continue;
            }
            const int entry = nextFree;
            emitCode(prefix);
            if (entry < 4096)
                table.insert(key, entry);
            if (nextFree >= 4096) {
                stream.write(clearCode, bits);
                table.clear();
                nextFree = endCode + 1;
                bits = minCodeSize + 1;
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0)
        emitCode(prefix);
    stream.write(endCode, bits);
    return stream.finish();
}

} // namespace

QByteArray GifWriter::encode(const QImage& image)
{
    Q_ASSERT(image.format() == QImage::Format_Indexed8);
    const QVector<QRgb> colours = image.colorTable();
    int tableBits = 1;
    while ((1 << tableBits) < colours.size())
        ++tableBits;

    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // no aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    out.append(',');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append('\0'); // no local table, not interlaced
    const int minCodeSize = qMax(2, tableBits);
    out.append(char(minCodeSize));
    out.append(compress(image, minCodeSize));
    out.append(';');
    return out;
}

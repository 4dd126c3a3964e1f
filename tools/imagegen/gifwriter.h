#pragma once

#include <QByteArray>
#include <QImage>

// Minimal GIF89a encoder for one still image: a global colour table and
// LZW-compressed pixel data. The toolkit reads GIF but cannot write it.
class GifWriter
{
public:
    // image must be Format_Indexed8 with at most 256 colours.
    static QByteArray encode(const QImage& image);
};

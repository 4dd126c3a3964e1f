#pragma once

// Parameter images with a value over the whole range of every field, for
// tests that write and read them.

#include "imagecells.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"

#include <QRandomGenerator>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <limits>

// Texts of up to 31 bytes of one- to four-byte characters, none of which the
// file format has to refuse.
inline QString randomText(QRandomGenerator& random)
{
    static const QStringList fragments = QString::fromUtf8("A z 7 - _ / . \xC3\xA9 \xE2\x82\xAC "
                                                        "\xE6\xBC\xA2 \xF0\x9F\x98\x80")
                                          .split(QLatin1Char(' '));
    QString text;
    const int wanted = random.bounded(32);
    while (true) {
        const QString fragment = fragments.at(random.bounded(fragments.size()));
        if ((text + fragment).toUtf8().size() > wanted)
            return text;
        text += fragment;
    }
}

// Every field over its whole range; the gaps between fields hold gapByte.
inline ParameterImage randomImage(quint32 seed, unsigned char gapByte = 0)
{
    QRandomGenerator random(seed);
    ParameterImage image;
    std::memset(image.data(), gapByte, ParameterImage::Size);
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& f = ParameterLayout::fields()[i];
        for (int r = 0; r < f.rows; ++r) {
            for (int c = 0; c < f.columns; ++c) {
                const int offset = ParameterLayout::cellOffset(f, r, c);
                if (f.type == ValueType::Text) {
                    image.setTextAt(offset, randomText(random));
                } else if (f.type == ValueType::I16 || f.type == ValueType::U16) {
                    image.setU16At(offset, quint16(random.generate()));
                } else {
                    image.setU32At(offset, random.generate());
                    if (f.type == ValueType::F32 && std::isnan(image.f32At(offset)))
                        image.setF32At(offset, 12345678.0f);
                }
            }
        }
    }
    // Values that seven digits cannot carry, at known places.
    const FieldDef& d0 = fieldNamed("DHPrmD0");
    image.setF32(d0, 0, 0, 12345678.0f);
    image.setF32(d0, 0, 1, std::numeric_limits<float>::max());
    image.setF32(d0, 0, 2, -0.0f);
    image.setF32(d0, 0, 3, std::numeric_limits<float>::denorm_min());
    image.setF32(d0, 0, 4, std::numeric_limits<float>::quiet_NaN());
    return image;
}

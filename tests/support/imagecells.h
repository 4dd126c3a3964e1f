#pragma once

// Named cells of a parameter image, for tests that build images by hand.

#include "parameter/parameterimage.h"

#include <QtTest>

inline const FieldDef& fieldNamed(const char* name)
{
    const FieldDef* f = ParameterLayout::findByName(QLatin1String(name));
    if (!f)
        qFatal("no field %s", name);
    return *f;
}

inline void setI16(ParameterImage& image, const char* name, int row, int column, int value)
{
    QVERIFY(image.setI16(fieldNamed(name), row, column, qint16(value)));
}

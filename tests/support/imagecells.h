#pragma once

// Named cells of a parameter image, for tests that build images by hand.

#include "parameter/parameterimage.h"
#include "parameter/valuevalidator.h"

#include <QSet>
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

// A cell as "field/row/column", for comparing sets of cells.
inline QString cellKey(int no, int row, int column)
{
    return QStringLiteral("%1/%2/%3").arg(no).arg(row).arg(column);
}

// The cells that the entries name.
inline QSet<QString> cellKeys(const QVector<LimitEntry>& entries)
{
    QSet<QString> cells;
    for (const LimitEntry& entry : entries)
        cells << cellKey(entry.no, entry.row, entry.column);
    return cells;
}

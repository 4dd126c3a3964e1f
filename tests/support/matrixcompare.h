#pragma once

// Element-wise comparison of column-major 4 x 4 matrices with a tolerance,
// naming the first element that differs.

#include <QtTest>

#include <array>

inline void compareMatrix(const std::array<float, 16>& actual,
                          const std::array<float, 16>& expected, float tolerance)
{
    for (int i = 0; i < 16; ++i)
        QVERIFY2(qAbs(actual[i] - expected[i]) <= tolerance,
                 qPrintable(QStringLiteral("element %1: %2, expected %3")
                                .arg(i)
                                .arg(double(actual[i]))
                                .arg(double(expected[i]))));
}

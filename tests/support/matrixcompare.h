#pragma once

// Element-wise comparison of column-major 4 x 4 matrices and of points with
// a tolerance, naming the first element that differs.

#include <QtTest>

#include <array>
#include <cmath>

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

inline bool nearPoint(const std::array<float, 3>& a, const std::array<float, 3>& b,
                      float tolerance = 0.01f)
{
    return std::fabs(a[0] - b[0]) <= tolerance && std::fabs(a[1] - b[1]) <= tolerance &&
           std::fabs(a[2] - b[2]) <= tolerance;
}

// Where a placement matrix puts the local origin.
inline std::array<float, 3> originOf(const std::array<float, 16>& m)
{
    return {m[12], m[13], m[14]};
}

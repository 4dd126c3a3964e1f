#pragma once

// Writes safety shapes into an edit image at offsets written out here, not
// taken from the code under test; clears the store's display fields.

#include <QtTest>

#include <cstring>

#include "defaultimage.h"

#include "parameter/matrix4.h"
#include "parameter/parameter.h"

class ShapeImageWriter
{
public:
    using V = Matrix4::Vector;

    explicit ShapeImageWriter(ParameterImage& image) : m_image(image) {}

    // X, Y and Z in three float arrays a row of 20 apart.
    void setPoint(int offset, V p)
    {
        for (int i = 0; i < 3; ++i)
            m_image.setF32At(offset + 80 * i, p[i]);
    }

    void setArm(int set, int k, int coordinateNo, int kind, float radius, V p1, V p2)
    {
        const int shift = set * 640;
        m_image.setI16At(3796 + shift + 2 * k, qint16(coordinateNo));
        m_image.setI16At(3836 + shift + 2 * k, qint16(kind));
        m_image.setF32At(3876 + shift + 4 * k, radius);
        setPoint(3956 + shift + 4 * k, p1);
        setPoint(4196 + shift + 4 * k, p2);
    }

    void setTool(int t, int m, int valid, int kind, float radius, V p1, V p2, V width = {},
                 V angles = {})
    {
        const int block = 5076 + 1120 * t;
        m_image.setU16At(block + 2 * m, quint16(valid));
        m_image.setI16At(block + 40 + 2 * m, qint16(kind));
        m_image.setF32At(block + 80 + 4 * m, radius);
        setPoint(block + 160 + 4 * m, width);
        setPoint(block + 400 + 4 * m, p1);
        setPoint(block + 640 + 4 * m, p2);
        setPoint(block + 880 + 4 * m, angles);
    }

    // At most 8 corners are stored, whatever the count says.
    void setArea(int a, int moveValid, int vertexNum, float upper, float lower,
                 const std::vector<std::array<float, 2>>& corners)
    {
        const int record = 40920 + 96 * a;
        m_image.setU16At(record, quint16(moveValid));
        m_image.setF32At(record + 4, upper);
        m_image.setF32At(record + 8, lower);
        m_image.setI16At(record + 12, qint16(vertexNum));
        for (std::size_t j = 0; j < corners.size() && j < 8; ++j) {
            m_image.setF32At(record + 16 + 4 * int(j), corners[j][0]);
            m_image.setF32At(record + 48 + 4 * int(j), corners[j][1]);
        }
    }

    static void clearDisplay(Parameter& store)
    {
        QVERIFY(readDefaultImage(store.editImage()));
        store.setModelVisibility(0, 0, 0);
        store.setArmToolModelFlags(0, 0);
        std::memset(store.m_toolOrientationFlags, 0, sizeof store.m_toolOrientationFlags);
        store.m_armModelSet = 0;
        store.m_speedPointSet = 0;
        store.m_selectedElement = -1;
        store.m_selectedTool = -1;
        store.m_selectedArea = -1;
        store.m_marker = 0;
        store.m_markerIndex = 9;
    }

private:
    ParameterImage& m_image;
};

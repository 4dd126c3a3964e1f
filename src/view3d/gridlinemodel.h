#pragma once

#include "view3d/model.h"

#include <array>

// The floor grid in the robot base's XY plane: a line every 100 mm out to
// 10 m, every tenth line and the border stronger, the X and Y axes coloured.
// Built once; drawn as lines in four styles.
class GridLineModel : public Model
{
public:
    struct Style
    {
        float width;
        std::array<float, 4> colour;
        int first; // first vertex of the style's range
        int count;
    };
    enum
    {
        XAxis,
        YAxis,
        Minor,
        Major,
        StyleCount
    };

    GridLineModel();

    // Depth test and blending on; each style's range as lines in its width
    // and colour; leaves blending and depth test off.
    void draw(const Matrix& view) override;

    float step = 100.0f;
    std::array<Style, StyleCount> styles;
};

#pragma once

#include "imagecells.h"

// Enables one forbidding and one permitting area with 6 cuboid tool models
// and 11 capsule and 3 sphere arm models: a cost of exactly the budget of
// 1240. Each extra sphere costs 6 more.
inline void fillToBudget(ParameterImage& image, int extraSpheres)
{
    setI16(image, "MoveAreaValid", 0, 0, 1);
    setI16(image, "MoveAreaValid", 0, 1, 1);
    setI16(image, "MoveAreaMoveValid", 0, 1, 1);
    for (int k = 0; k < 6; ++k) {
        setI16(image, "ToolModelValid", 0, k, 1);
        setI16(image, "ToolModelKind", 0, k, 2);
    }
    for (int k = 0; k < 14 + extraSpheres; ++k) {
        setI16(image, "MkrArmModelCoordinateNo", 0, k, 1);
        setI16(image, "MkrArmModelKind", 0, k, k < 11 ? 1 : 0);
    }
}

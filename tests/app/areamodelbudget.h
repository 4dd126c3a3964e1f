#pragma once

#include "parameter/parameter.h"

#include <QtTest>

// Enables one forbidding and one permitting area with 6 cuboid tool models
// and 11 capsule and 3 sphere arm models: a cost of exactly the budget of
// 1240. Each extra sphere costs 6 more.
inline void fillToBudget(ParameterImage& image, int extraSpheres)
{
    const auto set = [&image](const char* name, int column, int value) {
        const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
        QVERIFY(field && image.setI16(*field, 0, column, qint16(value)));
    };
    set("MoveAreaValid", 0, 1);
    set("MoveAreaValid", 1, 1);
    set("MoveAreaMoveValid", 1, 1);
    for (int k = 0; k < 6; ++k) {
        set("ToolModelValid", k, 1);
        set("ToolModelKind", k, 2);
    }
    for (int k = 0; k < 14 + extraSpheres; ++k) {
        set("MkrArmModelCoordinateNo", k, 1);
        set("MkrArmModelKind", k, k < 11 ? 1 : 0);
    }
}

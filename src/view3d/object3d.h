#pragma once

#include "parameter/matrix4.h"

// A scene object of the 3D view. Once per repaint the view calls update()
// (read the parameters and frames, recompute matrices; no GL) and then
// draw() with the view matrix.
class Object3D
{
public:
    virtual ~Object3D() = default;
    virtual void update() = 0;
    virtual void draw(const Matrix4::Matrix& view) = 0;
    virtual void setVisible(bool visible) = 0;
};

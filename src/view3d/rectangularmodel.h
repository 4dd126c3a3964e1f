#pragma once

#include "view3d/model.h"

// The box of the cuboid tool shapes: one mesh from -1 to 1 read from the
// monitoring model folder ("rounded-corner-rectangular.obj"), placed, turned
// and sized entirely through the components.
class RectangularModel : public Model
{
public:
    RectangularModel();
};

#pragma once

#include "view3d/model.h"

// One link mesh of the robot, with the joint that turns it and its kind.
class RobotModel : public Model
{
public:
    enum Kind
    {
        Arm = 0,
        SubArm = 1,
        Clamp = 2,
        Obstacle = 3,
    };

    using Model::Model;

    // Arm links count 0, 1, 2 ... in order; a sub-link takes the index of
    // the last arm link before it (-1 if none).
    int jointIndex = 0;
    int kind = Arm;
};

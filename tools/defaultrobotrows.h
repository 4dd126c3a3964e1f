#pragma once

// The Denavit-Hartenberg rows of the robot of the default parameter set
// ("QR6-0700"): read by gen_default_parameter, which writes them into
// default.txt, and by gen_robot_model, which builds the robot description
// and link meshes from them, so both describe the same robot.
namespace DefaultRobotRows {

struct DhRow
{
    int row; // 1-based coordinate system number
    int joint;
    float theta, d, a, alpha; // degrees, mm, mm, degrees (k is 0 on every row)
};

// Row 1 is the robot base; the joints use rows 11 to 16, where the 3D view
// starts its link chain.
constexpr DhRow rows[] = {
    {1, 0, 0.0f, 0.0f, 0.0f, 0.0f},       // base
    {11, 1, 0.0f, 320.0f, 30.0f, -90.0f}, // shoulder height and offset
    {12, 2, -90.0f, 0.0f, 300.0f, 0.0f},  // upper arm
    {13, 3, 0.0f, 0.0f, 25.0f, -90.0f},   // elbow offset
    {14, 4, 0.0f, 320.0f, 0.0f, 90.0f},   // forearm
    {15, 5, 0.0f, 0.0f, 0.0f, -90.0f},    // wrist
    {16, 6, 0.0f, 75.0f, 0.0f, 0.0f},     // flange
};
constexpr int jointCount = 6;

} // namespace DefaultRobotRows

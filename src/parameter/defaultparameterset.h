#pragma once

// The parameter set the program loads when it starts without a controller
// ("default.txt" in the parameter folder, made by tools/gen_default_parameter).
namespace DefaultParameterSet {

// Robot type of that set: a six-joint articulated arm of about 700 mm reach.
// Its robot description has to exist for the 3D view to show a robot.
constexpr char RobotTypeName[] = "QR6-0700";

} // namespace DefaultParameterSet

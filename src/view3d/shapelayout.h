#pragma once

#include "parameter/matrix4.h"
#include "parameter/parameterimage.h"

// Where the safety shapes and speed monitoring points lie in the parameter
// image (byte offsets), shared by the shapes and the markers of the 3D view.
// Per-element fields are arrays of 20: element e at + 2e (16-bit) or + 4e.
namespace ShapeLayout {

constexpr int FloatRow = 80; // one array of 20 floats
constexpr int MaxCoordinateNo = 50;
constexpr int CapsuleKind = 1;
constexpr int CuboidKind = 2;

// Arm shapes of the maker set; the user set lies 640 bytes further.
constexpr int ArmCoordinateNo = 3796;
constexpr int ArmKind = 3836;
constexpr int ArmRadius = 3876;
constexpr int ArmPoint1 = 3956; // X1, Y1, Z1, then X2, Y2, Z2, each a row apart
constexpr int ArmPoint2 = ArmPoint1 + 3 * FloatRow;
constexpr int UserArmShift = 640;

// Tool shapes, one block per tool; offsets within the block.
constexpr int ToolBlock = 5076;
constexpr int ToolBlockSize = 1120;
constexpr int ToolValid = 0;
constexpr int ToolKind = 40;
constexpr int ToolRadius = 80;
constexpr int ToolWidth = 160; // X, Y, Z
constexpr int ToolPoint1 = 400;
constexpr int ToolPoint2 = ToolPoint1 + 3 * FloatRow;
constexpr int ToolAngles = 880; // O, A, T

// Motion areas: the record from the move-valid word on.
constexpr int AreaRecord = 40920;
constexpr int AreaRecordSize = 96;
constexpr int AreaMoveValid = 0;
constexpr int AreaUpperZ = 4;
constexpr int AreaLowerZ = 8;
constexpr int AreaVertexNum = 12;
constexpr int AreaX = 16; // 8 floats
constexpr int AreaY = 48; // 8 floats
constexpr int AreaVertices = 8;

// Tool orientation sets.
constexpr int OrientationSet = 60012;
constexpr int OrientationSetSize = 84;
constexpr int OrientationValid = 0;
constexpr int OrientationAngle = 16; // 5 floats each
constexpr int OrientationO = 36;
constexpr int OrientationA = 56;

// Speed monitoring points: arm sets 280 bytes apart, one block per tool.
constexpr int ArmSpeedCoordinateNo = 46740;
constexpr int ArmSpeedX = 46780;
constexpr int ArmSpeedSetShift = 280;
constexpr int ToolSpeedBlock = 47300;
constexpr int ToolSpeedBlockSize = 280;
constexpr int ToolSpeedValid = 0;
constexpr int ToolSpeedX = 40;

// X, Y and Z from three float arrays a row apart.
inline Matrix4::Vector pointAt(const ParameterImage& image, int offset)
{
    return {image.f32At(offset), image.f32At(offset + FloatRow),
            image.f32At(offset + 2 * FloatRow)};
}

// Coordinate number and position of arm speed point e of a set (0 or 1).
inline int armSpeedPoint(const ParameterImage& image, int set, int e, Matrix4::Vector& point)
{
    const int shift = set * ArmSpeedSetShift;
    point = pointAt(image, ArmSpeedX + shift + 4 * e);
    return image.i16At(ArmSpeedCoordinateNo + shift + 2 * e);
}

// Position of tool t's speed point e, in flange coordinates.
inline Matrix4::Vector toolSpeedPoint(const ParameterImage& image, int t, int e)
{
    return pointAt(image, ToolSpeedBlock + ToolSpeedBlockSize * t + ToolSpeedX + 4 * e);
}

inline bool toolSpeedPointValid(const ParameterImage& image, int t, int e)
{
    return image.u16At(ToolSpeedBlock + ToolSpeedBlockSize * t + ToolSpeedValid + 2 * e) != 0;
}

} // namespace ShapeLayout

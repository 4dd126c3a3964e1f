#include "parameter/scenesection.h"

#include <iterator>

namespace {

// 16-bit words of the system page: I/OBoardSheets, EtherNetIPValid, OpeModeInputSet.
const ByteRange systemRanges[] = {{2492, 2494}, {2496, 2498}, {2500, 2502}};
// ToolIdSpec .. TCP_T, then StopJudgeDist; the speed and stop encoder
// parameters between them are robot data.
const ByteRange settingCommonRanges[] = {{2724, 3564}, {3684, 3756}};
const ByteRange armModelRanges[] = {{3792, 5076}};
const ByteRange toolModelRanges[] = {{5076, 40916}};
const ByteRange areaModelRanges[] = {{40916, 42452}};
// Only the two stop categories; the speed limits are robot data.
const ByteRange modeSpeedRanges[] = {{56404, 56406}, {56552, 56554}};
const ByteRange toolOrientationRanges[] = {{60012, 60684}};
const ByteRange stopMonitoringRanges[] = {{60684, 61548}};
// ProtStopFenceValid and ProtStopFenceStopCategory.
const ByteRange safetyFenceRanges[] = {{61548, 61552}};
const ByteRange userProtectiveStopRanges[] = {{61556, 61772}};
// The four stop words (EmeStopPnl/ExtTargetRobot at 61784 stays out), then
// the user emergency stops.
const ByteRange emergencyStopRanges[] = {
    {61772, 61774}, {61776, 61778}, {61780, 61784}, {61788, 61932}};
const ByteRange safetyInputRanges[] = {{61932, 62252}};

} // namespace

SceneSection SceneSection::of(int scene)
{
    switch (scene) {
    case 1:
        return {systemRanges, int(std::size(systemRanges))};
    case 20:
        return {settingCommonRanges, int(std::size(settingCommonRanges))};
    case 21:
        return {armModelRanges, int(std::size(armModelRanges))};
    case 22:
        return {toolModelRanges, int(std::size(toolModelRanges))};
    case 23:
        return {areaModelRanges, int(std::size(areaModelRanges))};
    case 28:
        return {modeSpeedRanges, int(std::size(modeSpeedRanges))};
    case 30:
        return {toolOrientationRanges, int(std::size(toolOrientationRanges))};
    case 31:
        return {stopMonitoringRanges, int(std::size(stopMonitoringRanges))};
    case 32:
        return {safetyFenceRanges, int(std::size(safetyFenceRanges))};
    case 33:
        return {userProtectiveStopRanges, int(std::size(userProtectiveStopRanges))};
    case 34:
        return {emergencyStopRanges, int(std::size(emergencyStopRanges))};
    case 35:
        return {safetyInputRanges, int(std::size(safetyInputRanges))};
    default:
        return {nullptr, 0};
    }
}

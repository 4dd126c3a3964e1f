#include "parameterlayout.h"

#include <QHash>

#include <algorithm>

namespace {

// The field table of the parameter image. Every offset here is where the
// safety unit expects the value; a wrong entry silently moves a setting.
const FieldDef fieldTable[] = {
    // System area, bytes 0 to 2723
    {1, "CommonSpec", ValueType::I16, 0, 1, 1, 0, 0, ParamClass::Robot},
    {101, "RobotTypeName", ValueType::Text, 4, 1, 19, 0, 32, ParamClass::Robot},
    {102, "RobotNo", ValueType::I32, 612, 1, 19, 0, 4, ParamClass::Robot},
    {103, "Assignment", ValueType::I16, 688, 1, 18, 0, 2, ParamClass::Robot},
    {104, "DHPrmCoordinateType", ValueType::I16, 724, 1, 50, 0, 2, ParamClass::Robot},
    {105, "DHPrmAxisNo", ValueType::I16, 824, 1, 50, 0, 2, ParamClass::Robot},
    {106, "DHPrmTh0", ValueType::F32, 924, 1, 50, 0, 4, ParamClass::Robot},
    {107, "DHPrmD0", ValueType::F32, 1124, 1, 50, 0, 4, ParamClass::Robot},
    {108, "DHPrmK0", ValueType::F32, 1324, 1, 50, 0, 4, ParamClass::Robot},
    {109, "DHPrmA0", ValueType::F32, 1524, 1, 50, 0, 4, ParamClass::Robot},
    {110, "DHPrmAlpha0", ValueType::F32, 1724, 1, 50, 0, 4, ParamClass::Robot},
    {111, "InducedCrctTrgtAxis", ValueType::I16, 1924, 1, 12, 0, 2, ParamClass::Robot},
    {112, "InducedCrctRefAxis", ValueType::I16, 1948, 1, 12, 0, 2, ParamClass::Robot},
    {113, "InducedCrctCorrectValue", ValueType::F32, 1972, 1, 12, 0, 4, ParamClass::Robot},
    {114, "CoordCrctTargetAxis", ValueType::I16, 2020, 1, 12, 0, 2, ParamClass::Robot},
    {115, "CoordCrctRefAxis", ValueType::I16, 2044, 1, 12, 0, 2, ParamClass::Robot},
    {116, "CoordCrctCorrectValue", ValueType::F32, 2068, 1, 12, 0, 4, ParamClass::Robot},
    {117, "SpCrctMode", ValueType::I16, 2116, 1, 4, 0, 2, ParamClass::Robot},
    {118, "SpCrctIBuff0", ValueType::I16, 2124, 1, 4, 0, 2, ParamClass::Robot},
    {119, "SpCrctFBuff1", ValueType::F32, 2132, 1, 4, 0, 4, ParamClass::Robot},
    {120, "SpCrctFBuff2", ValueType::F32, 2148, 1, 4, 0, 4, ParamClass::Robot},
    {121, "SpCrctFBuff3", ValueType::F32, 2164, 1, 4, 0, 4, ParamClass::Robot},
    {122, "SpCrctFBuff4", ValueType::F32, 2180, 1, 4, 0, 4, ParamClass::Robot},
    {123, "SpCrctFBuff5", ValueType::F32, 2196, 1, 4, 0, 4, ParamClass::Robot},
    {124, "SpCrctFBuff6", ValueType::F32, 2212, 1, 4, 0, 4, ParamClass::Robot},
    {125, "SpCrctFBuff7", ValueType::F32, 2228, 1, 4, 0, 4, ParamClass::Robot},
    {126, "SpCrctFBuff8", ValueType::F32, 2244, 1, 4, 0, 4, ParamClass::Robot},
    {127, "SpCrctFBuff9", ValueType::F32, 2260, 1, 4, 0, 4, ParamClass::Robot},
    {128, "AxisType", ValueType::I16, 2276, 1, 18, 0, 2, ParamClass::Robot},
    {129, "OpeResolution", ValueType::F32, 2312, 1, 18, 0, 4, ParamClass::Robot},
    {130, "RotateOffset", ValueType::U16, 2384, 1, 18, 0, 2, ParamClass::Robot},
    {131, "ZeroingValue", ValueType::U32, 2420, 1, 18, 0, 4, ParamClass::Robot},
    {201, "I/OBoardSheets", ValueType::I16, 2492, 1, 1, 0, 0, ParamClass::User},
    {301, "EtherNetIPValid", ValueType::I16, 2496, 1, 1, 0, 0, ParamClass::User},
    {401, "OpeModeInputSet", ValueType::I16, 2500, 1, 1, 0, 0, ParamClass::User},
    {501, "DiffErrChkWidth", ValueType::I32, 2504, 1, 18, 0, 4, ParamClass::Robot},
    {502, "DiffErrChkTime", ValueType::F32, 2576, 1, 1, 0, 0, ParamClass::Robot},
    {503, "EncDataSkipChkWidth", ValueType::I32, 2580, 1, 18, 0, 4, ParamClass::Robot},
    {504, "PowerOnCheckWidth", ValueType::I32, 2652, 1, 18, 0, 4, ParamClass::Robot},
    // Monitor area, bytes 2724 to 61931
    {3001, "ToolIdSpec", ValueType::I16, 2724, 1, 1, 0, 0, ParamClass::User},
    {3002, "ToolIDChngTable", ValueType::I16, 2728, 1, 32, 0, 2, ParamClass::User},
    {3003, "ToolDiscrpAllowDist", ValueType::F32, 2792, 1, 1, 0, 0, ParamClass::User},
    {3004, "TCP_X", ValueType::F32, 2796, 1, 32, 0, 24, ParamClass::Robot},
    {3005, "TCP_Y", ValueType::F32, 2800, 1, 32, 0, 24, ParamClass::Robot},
    {3006, "TCP_Z", ValueType::F32, 2804, 1, 32, 0, 24, ParamClass::Robot},
    {3007, "TCP_O", ValueType::F32, 2808, 1, 32, 0, 24, ParamClass::Robot},
    {3008, "TCP_A", ValueType::F32, 2812, 1, 32, 0, 24, ParamClass::Robot},
    {3009, "TCP_T", ValueType::F32, 2816, 1, 32, 0, 24, ParamClass::Robot},
    {3010, "EachAxisMaxSpeed", ValueType::F32, 3564, 1, 18, 0, 4, ParamClass::Robot},
    {3011, "MonitoringInvalidTime", ValueType::F32, 3636, 1, 1, 0, 0, ParamClass::Robot},
    {3012, "SettingDecelTime", ValueType::F32, 3640, 1, 1, 0, 0, ParamClass::Robot},
    {3013, "ExceedAllowTime", ValueType::F32, 3644, 1, 1, 0, 0, ParamClass::Robot},
    {3014, "StopEncThreshold", ValueType::I16, 3648, 1, 18, 0, 2, ParamClass::Robot},
    {3015, "StopJudgeDist", ValueType::F32, 3684, 1, 18, 0, 4, ParamClass::User},
    {3016, "Decel/StopMonTarget", ValueType::I16, 3756, 1, 1, 0, 0, ParamClass::Robot},
    {3101, "StopPosPrdctSpec", ValueType::I16, 3760, 1, 1, 0, 0, ParamClass::User},
    {3102, "TeachFreeRunningTime", ValueType::F32, 3764, 1, 1, 0, 0, ParamClass::Robot},
    {3103, "TeachBreakingDecel", ValueType::F32, 3768, 1, 1, 0, 0, ParamClass::Robot},
    {3104, "RepeatFreeRunningTime", ValueType::F32, 3772, 1, 1, 0, 0, ParamClass::Robot},
    {3105, "RepeatBreakingDecel", ValueType::F32, 3776, 1, 1, 0, 0, ParamClass::Robot},
    {3106, "StopCate1FreeRunningTime", ValueType::F32, 3780, 1, 1, 0, 0, ParamClass::Robot},
    {3107, "MakerBreakingDecel", ValueType::F32, 3784, 1, 1, 0, 0, ParamClass::Robot},
    {3108, "UserBreakingDecel", ValueType::F32, 3788, 1, 1, 0, 0, ParamClass::User},
    {3109, "ArmModelSpec", ValueType::I16, 3792, 1, 1, 0, 0, ParamClass::User},
    {3110, "MkrArmModelCoordinateNo", ValueType::I16, 3796, 1, 20, 0, 2, ParamClass::Robot},
    {3111, "MkrArmModelKind", ValueType::I16, 3836, 1, 20, 0, 2, ParamClass::Robot},
    {3112, "MkrArmModelRadius", ValueType::F32, 3876, 1, 20, 0, 4, ParamClass::Robot},
    {3113, "MkrArmModelX1", ValueType::F32, 3956, 1, 20, 0, 4, ParamClass::Robot},
    {3114, "MkrArmModelY1", ValueType::F32, 4036, 1, 20, 0, 4, ParamClass::Robot},
    {3115, "MkrArmModelZ1", ValueType::F32, 4116, 1, 20, 0, 4, ParamClass::Robot},
    {3116, "MkrArmModelX2", ValueType::F32, 4196, 1, 20, 0, 4, ParamClass::Robot},
    {3117, "MkrArmModelY2", ValueType::F32, 4276, 1, 20, 0, 4, ParamClass::Robot},
    {3118, "MkrArmModelZ2", ValueType::F32, 4356, 1, 20, 0, 4, ParamClass::Robot},
    {3119, "UsrArmModelCoordinateNo", ValueType::I16, 4436, 1, 20, 0, 2, ParamClass::User},
    {3120, "UsrArmModelKind", ValueType::I16, 4476, 1, 20, 0, 2, ParamClass::User},
    {3121, "UsrArmModelRadius", ValueType::F32, 4516, 1, 20, 0, 4, ParamClass::User},
    {3122, "UsrArmModelX1", ValueType::F32, 4596, 1, 20, 0, 4, ParamClass::User},
    {3123, "UsrArmModelY1", ValueType::F32, 4676, 1, 20, 0, 4, ParamClass::User},
    {3124, "UsrArmModelZ1", ValueType::F32, 4756, 1, 20, 0, 4, ParamClass::User},
    {3125, "UsrArmModelX2", ValueType::F32, 4836, 1, 20, 0, 4, ParamClass::User},
    {3126, "UsrArmModelY2", ValueType::F32, 4916, 1, 20, 0, 4, ParamClass::User},
    {3127, "UsrArmModelZ2", ValueType::F32, 4996, 1, 20, 0, 4, ParamClass::User},
    {3128, "ToolModelValid", ValueType::I16, 5076, 32, 20, 1120, 2, ParamClass::User},
    {3129, "ToolModelKind", ValueType::I16, 5116, 32, 20, 1120, 2, ParamClass::User},
    {3130, "ToolModelRadius", ValueType::F32, 5156, 32, 20, 1120, 4, ParamClass::User},
    {3131, "ToolModelWidthX", ValueType::F32, 5236, 32, 20, 1120, 4, ParamClass::User},
    {3132, "ToolModelWidthY", ValueType::F32, 5316, 32, 20, 1120, 4, ParamClass::User},
    {3133, "ToolModelWidthZ", ValueType::F32, 5396, 32, 20, 1120, 4, ParamClass::User},
    {3134, "ToolModelX1", ValueType::F32, 5476, 32, 20, 1120, 4, ParamClass::User},
    {3135, "ToolModelY1", ValueType::F32, 5556, 32, 20, 1120, 4, ParamClass::User},
    {3136, "ToolModelZ1", ValueType::F32, 5636, 32, 20, 1120, 4, ParamClass::User},
    {3137, "ToolModelX2", ValueType::F32, 5716, 32, 20, 1120, 4, ParamClass::User},
    {3138, "ToolModelY2", ValueType::F32, 5796, 32, 20, 1120, 4, ParamClass::User},
    {3139, "ToolModelZ2", ValueType::F32, 5876, 32, 20, 1120, 4, ParamClass::User},
    {3140, "ToolModelO", ValueType::F32, 5956, 32, 20, 1120, 4, ParamClass::User},
    {3141, "ToolModelA", ValueType::F32, 6036, 32, 20, 1120, 4, ParamClass::User},
    {3142, "ToolModelT", ValueType::F32, 6116, 32, 20, 1120, 4, ParamClass::User},
    {3143, "MoveAreaValid", ValueType::I16, 40916, 1, 16, 0, 96, ParamClass::User},
    {3144, "MoveAreaMoveValid", ValueType::I16, 40920, 1, 16, 0, 96, ParamClass::User},
    {3145, "MoveAreaZulimit", ValueType::F32, 40924, 1, 16, 0, 96, ParamClass::User},
    {3146, "MoveAreaZllimit", ValueType::F32, 40928, 1, 16, 0, 96, ParamClass::User},
    {3147, "MoveAreaVertexNum", ValueType::I16, 40932, 1, 16, 0, 96, ParamClass::User},
    {3148, "MoveAreaX", ValueType::F32, 40936, 16, 8, 96, 4, ParamClass::User},
    {3149, "MoveAreaY", ValueType::F32, 40968, 16, 8, 96, 4, ParamClass::User},
    {3150, "MoveAreaTeachValid", ValueType::I16, 41000, 1, 16, 0, 96, ParamClass::User},
    {3151, "MoveAreaCheakFastValid", ValueType::I16, 41002, 1, 16, 0, 96, ParamClass::User},
    {3152, "MoveAreaRepeatValid", ValueType::I16, 41004, 1, 16, 0, 96, ParamClass::User},
    {3153, "MoveAreaStopCategory", ValueType::I16, 41006, 1, 16, 0, 96, ParamClass::User},
    {3154, "MoveAreaStopPosValid", ValueType::I16, 41008, 1, 16, 0, 96, ParamClass::User},
    {3201, "AlwaysAxisValid", ValueType::I16, 42452, 1, 1, 0, 0, ParamClass::Robot},
    {3202, "AlwaysAxisRangeValid", ValueType::I16, 42456, 1, 18, 0, 2, ParamClass::Robot},
    {3203, "AlwaysAxisRangeUlimit", ValueType::F32, 42492, 1, 18, 0, 4, ParamClass::Robot},
    {3204, "AlwaysAxisRangeLlimit", ValueType::F32, 42564, 1, 18, 0, 4, ParamClass::Robot},
    {3205, "SelectAxisValid", ValueType::I16, 42636, 1, 18, 0, 228, ParamClass::User},
    {3206, "SelectAxisTargetRobot", ValueType::I16, 42638, 1, 18, 0, 228, ParamClass::User},
    {3207, "SelectAxisRngValid", ValueType::I16, 42640, 18, 18, 228, 2, ParamClass::User},
    {3208, "SelectAxisRngMoveValid", ValueType::I16, 42676, 18, 18, 228, 2, ParamClass::User},
    {3209, "SelectAxisRngUlimit", ValueType::F32, 42712, 18, 18, 228, 4, ParamClass::User},
    {3210, "SelectAxisRngLlimit", ValueType::F32, 42784, 18, 18, 228, 4, ParamClass::User},
    {3211, "SelectAxisTeachValid", ValueType::I16, 42856, 1, 18, 0, 228, ParamClass::User},
    {3212, "SelectAxisCheckFastValid", ValueType::I16, 42858, 1, 18, 0, 228, ParamClass::User},
    {3213, "SelectAxisRepeatValid", ValueType::I16, 42860, 1, 18, 0, 228, ParamClass::User},
    {3214, "SelectAxisStopCategory", ValueType::I16, 42862, 1, 18, 0, 228, ParamClass::User},
    {3301, "ArmSpeedMkrCoordiNo", ValueType::I16, 46740, 1, 20, 0, 2, ParamClass::Robot},
    {3302, "ArmSpeedMkrX", ValueType::F32, 46780, 1, 20, 0, 4, ParamClass::Robot},
    {3303, "ArmSpeedMkrY", ValueType::F32, 46860, 1, 20, 0, 4, ParamClass::Robot},
    {3304, "ArmSpeedMkrZ", ValueType::F32, 46940, 1, 20, 0, 4, ParamClass::Robot},
    {3305, "ArmSpeedCoordiNo", ValueType::I16, 47020, 1, 20, 0, 2, ParamClass::User},
    {3306, "ArmSpeedUsrX", ValueType::F32, 47060, 1, 20, 0, 4, ParamClass::User},
    {3307, "ArmSpeedUsrY", ValueType::F32, 47140, 1, 20, 0, 4, ParamClass::User},
    {3308, "ArmSpeedUsrZ", ValueType::F32, 47220, 1, 20, 0, 4, ParamClass::User},
    {3309, "ToolSpeedMonValid", ValueType::I16, 47300, 32, 20, 280, 2, ParamClass::User},
    {3310, "ToolSpeedMonX", ValueType::F32, 47340, 32, 20, 280, 4, ParamClass::User},
    {3311, "ToolSpeedMonY", ValueType::F32, 47420, 32, 20, 280, 4, ParamClass::User},
    {3312, "ToolSpeedMonZ", ValueType::F32, 47500, 32, 20, 280, 4, ParamClass::User},
    {3313, "TeachSpeedValid", ValueType::I16, 56260, 1, 1, 0, 0, ParamClass::Robot},
    {3314, "TeachSpeedUlimit", ValueType::F32, 56264, 1, 1, 0, 0, ParamClass::Robot},
    {3315, "TeachSpeedArmValid", ValueType::I32, 56268, 1, 2, 0, 4, ParamClass::Robot},
    {3316, "TeachSpeedToolValid", ValueType::I32, 56276, 1, 32, 0, 4, ParamClass::Robot},
    {3317, "TeachSpeedStopCategory", ValueType::I16, 56404, 1, 1, 0, 0, ParamClass::User},
    {3318, "CheckSpeedValid", ValueType::I16, 56408, 1, 1, 0, 0, ParamClass::Robot},
    {3319, "CheckSpeedUlimit", ValueType::F32, 56412, 1, 1, 0, 0, ParamClass::Robot},
    {3320, "CheckSpeedArmValid", ValueType::I32, 56416, 1, 2, 0, 4, ParamClass::Robot},
    {3321, "CheckSpeedToolValid", ValueType::I32, 56424, 1, 32, 0, 4, ParamClass::Robot},
    {3322, "CheckSpeedStopCategory", ValueType::I16, 56552, 1, 1, 0, 0, ParamClass::User},
    {3323, "UsrSpeedValid", ValueType::I16, 56556, 1, 18, 0, 192, ParamClass::User},
    {3324, "UsrSpeedTargetRobot", ValueType::I16, 56558, 1, 18, 0, 192, ParamClass::User},
    {3325, "UsrSpeedKind", ValueType::I16, 56560, 1, 18, 0, 192, ParamClass::User},
    {3326, "UsrSpeedUlimit", ValueType::F32, 56564, 1, 18, 0, 192, ParamClass::User},
    {3327, "UsrSpeedArmValid", ValueType::I32, 56568, 18, 2, 192, 4, ParamClass::User},
    {3328, "UsrSpeedToolValid", ValueType::I32, 56576, 18, 32, 192, 4, ParamClass::User},
    {3329, "UsrSpeedTargetAxis", ValueType::I16, 56704, 18, 18, 192, 2, ParamClass::User},
    {3330, "UsrSpeedTeachValid", ValueType::I16, 56740, 1, 18, 0, 192, ParamClass::User},
    {3331, "UsrSpeedCheckFastValid", ValueType::I16, 56742, 1, 18, 0, 192, ParamClass::User},
    {3332, "UsrSpeedRepeatValid", ValueType::I16, 56744, 1, 18, 0, 192, ParamClass::User},
    {3333, "UsrSpeedStopCategory", ValueType::I16, 56746, 1, 18, 0, 192, ParamClass::User},
    {3401, "ToolOrientValid", ValueType::I16, 60012, 1, 8, 0, 84, ParamClass::User},
    {3402, "ToolOrientRngValid", ValueType::I16, 60016, 8, 5, 84, 2, ParamClass::User},
    {3403, "ToolOrientRngHalftopAng", ValueType::F32, 60028, 8, 5, 84, 4, ParamClass::User},
    {3404, "ToolOrientRngO", ValueType::F32, 60048, 8, 5, 84, 4, ParamClass::User},
    {3405, "ToolOrientRngA", ValueType::F32, 60068, 8, 5, 84, 4, ParamClass::User},
    {3406, "ToolOrientTeachValid", ValueType::I16, 60088, 1, 8, 0, 84, ParamClass::User},
    {3407, "ToolOrientCheckFastValid", ValueType::I16, 60090, 1, 8, 0, 84, ParamClass::User},
    {3408, "ToolOrientRepeatValid", ValueType::I16, 60092, 1, 8, 0, 84, ParamClass::User},
    {3409, "ToolOrientStopCategory", ValueType::I16, 60094, 1, 8, 0, 84, ParamClass::User},
    {3501, "StopMonValid", ValueType::I16, 60684, 1, 18, 0, 48, ParamClass::User},
    {3502, "StopMonTeachValid", ValueType::I16, 60686, 1, 18, 0, 48, ParamClass::User},
    {3503, "StopMonCheckFastValid", ValueType::I16, 60688, 1, 18, 0, 48, ParamClass::User},
    {3504, "StopMonRepeatValid", ValueType::I16, 60690, 1, 18, 0, 48, ParamClass::User},
    {3505, "StopMonTargetRobot", ValueType::I16, 60692, 1, 18, 0, 48, ParamClass::User},
    {3506, "StopMonTargetAxis", ValueType::I16, 60696, 18, 18, 48, 2, ParamClass::User},
    {3601, "ProtStopFenceValid", ValueType::I16, 61548, 1, 1, 0, 0, ParamClass::User},
    {3602, "ProtStopFenceStopCategory", ValueType::I16, 61550, 1, 1, 0, 0, ParamClass::User},
    {3603, "ProtStopFenceTargetRobot", ValueType::I16, 61552, 1, 1, 0, 0, ParamClass::Robot},
    {3604, "ProtStopUsrValid", ValueType::I16, 61556, 1, 18, 0, 12, ParamClass::User},
    {3605, "ProtStopUsrTeachValid", ValueType::I16, 61558, 1, 18, 0, 12, ParamClass::User},
    {3606, "ProtStopUsrCheckFastValid", ValueType::I16, 61560, 1, 18, 0, 12, ParamClass::User},
    {3607, "ProtStopUsrRepeatValid", ValueType::I16, 61562, 1, 18, 0, 12, ParamClass::User},
    {3608, "ProtStopUsrStopCategory", ValueType::I16, 61564, 1, 18, 0, 12, ParamClass::User},
    {3609, "ProtStopUsrTargetRobot", ValueType::I16, 61566, 1, 18, 0, 12, ParamClass::User},
    {3701, "EmeStopTPStopCategory", ValueType::I16, 61772, 1, 1, 0, 0, ParamClass::User},
    {3702, "EmeStopPanelStopCategory", ValueType::I16, 61776, 1, 1, 0, 0, ParamClass::User},
    {3703, "EmeStopExternalValid", ValueType::I16, 61780, 1, 1, 0, 0, ParamClass::User},
    {3704, "EmeStopExtStopCategory", ValueType::I16, 61782, 1, 1, 0, 0, ParamClass::User},
    {3705, "EmeStopPnl/ExtTargetRobot", ValueType::I16, 61784, 1, 1, 0, 0, ParamClass::Robot},
    {3706, "EmeStopUsrValid", ValueType::I16, 61788, 1, 18, 0, 8, ParamClass::User},
    {3707, "EmeStopUsrStopCategory", ValueType::I16, 61790, 1, 18, 0, 8, ParamClass::User},
    {3708, "EmeStopUsrStopTargetRobot", ValueType::I16, 61792, 1, 18, 0, 8, ParamClass::User},
    // Signal area, bytes 61932 to 65447
    {6001, "UsrSafetyPulseDiagno", ValueType::I16, 61932, 1, 32, 0, 2, ParamClass::User},
    {6002, "UsrSafetyFilterTime", ValueType::I16, 61996, 1, 32, 0, 2, ParamClass::User},
    {6003, "UsrSafetyDuplexLogic", ValueType::I16, 62060, 1, 32, 0, 2, ParamClass::User},
    {6004, "UsrSafetyDiscrpAllowTime", ValueType::F32, 62124, 1, 32, 0, 4, ParamClass::User},
    {6101, "LogicalOperatDetails", ValueType::I16, 62252, 1, 400, 0, 2, ParamClass::User},
    {6102, "LogicalOperatInput1", ValueType::I16, 63052, 1, 400, 0, 2, ParamClass::User},
    {6103, "LogicalOperatInput2", ValueType::I16, 63852, 1, 400, 0, 2, ParamClass::User},
    {6201, "SignalAssigInternalIn", ValueType::I16, 64652, 1, 300, 0, 2, ParamClass::User},
    {6202, "SignalAssigUserOut", ValueType::I16, 65252, 1, 33, 0, 2, ParamClass::User},
    {6203, "SignalAssigNetworkOut", ValueType::I16, 65320, 1, 64, 0, 2, ParamClass::User},
    // Signature trailer, bytes 65448 to 65515
    {9001, "WholeUpdateTime", ValueType::U32, 65448, 1, 1, 0, 0, ParamClass::Trailer},
    {9002, "WholeCRC", ValueType::U32, 65452, 1, 1, 0, 0, ParamClass::Trailer},
    {9003, "SystemUpdateTime", ValueType::U32, 65456, 1, 1, 0, 0, ParamClass::Trailer},
    {9004, "SystemCRC", ValueType::U32, 65460, 1, 1, 0, 0, ParamClass::Trailer},
    {9005, "MonitorUpdateTime", ValueType::U32, 65464, 1, 1, 0, 0, ParamClass::Trailer},
    {9006, "MonitorCRC", ValueType::U32, 65468, 1, 1, 0, 0, ParamClass::Trailer},
    {9007, "SignalUpdateTime", ValueType::U32, 65472, 1, 1, 0, 0, ParamClass::Trailer},
    {9008, "SignalCRC", ValueType::U32, 65476, 1, 1, 0, 0, ParamClass::Trailer},
    {9009, "ParameterVersion", ValueType::Text, 65480, 1, 1, 0, 0, ParamClass::Trailer},
    {9999, "AllDataCRC", ValueType::U32, 65512, 1, 1, 0, 0, ParamClass::Trailer},
};

static_assert(sizeof(fieldTable) / sizeof(fieldTable[0]) == ParameterLayout::FieldCount,
              "the image has 208 parameters");

} // namespace

namespace ParameterLayout {

const FieldDef* fields()
{
    return fieldTable;
}

int fieldCount()
{
    return FieldCount;
}

const FieldDef* findByNo(int no)
{
    const FieldDef* end = fieldTable + FieldCount;
    const FieldDef* it = std::lower_bound(
        fieldTable, end, no, [](const FieldDef& field, int value) { return field.no < value; });
    return (it != end && it->no == no) ? it : nullptr;
}

const FieldDef* findByName(const QString& name)
{
    static const QHash<QString, const FieldDef*> byName = [] {
        QHash<QString, const FieldDef*> map;
        for (const FieldDef& field : fieldTable)
            map.insert(QString::fromLatin1(field.name), &field);
        return map;
    }();
    return byName.value(name, nullptr);
}

int valueSize(ValueType type)
{
    switch (type) {
    case ValueType::I16:
    case ValueType::U16:
        return 2;
    case ValueType::I32:
    case ValueType::U32:
    case ValueType::F32:
        return 4;
    case ValueType::Text:
        return TextSize;
    }
    return 0;
}

int cellOffset(const FieldDef& field, int row, int column)
{
    if (row < 0 || row >= field.rows || column < 0 || column >= field.columns)
        return -1;
    return field.offset + row * field.rowStride + column * field.columnStride;
}

bool cellOfOffset(const FieldDef& field, int offset, int* row, int* column)
{
    for (int r = 0; r < field.rows; ++r)
        for (int c = 0; c < field.columns; ++c)
            if (cellOffset(field, r, c) == offset) {
                *row = r;
                *column = c;
                return true;
            }
    return false;
}

int fieldEnd(const FieldDef& field)
{
    return cellOffset(field, field.rows - 1, field.columns - 1) + valueSize(field.type);
}

} // namespace ParameterLayout

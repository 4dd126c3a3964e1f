#!/usr/bin/env python3
"""Writes resources/json/parameter.json, the compiled-in parameter definitions.

The list below is the field table of the parameter image reduced to what the
text file needs (number, name, value type, groups x values, part); the limits
are kept grouped as they are maintained. Run it after changing either and
commit the result:  python3 tools/gen_parameter_json.py
"""

import json
import os
import sys

# (number, name, value type, groups, values per group, part R/U/T), in image order.
PARAMETERS = [
    (1, "CommonSpec", "i16", 1, 1, "R"),
    (101, "RobotTypeName", "text", 1, 19, "R"),
    (102, "RobotNo", "i32", 1, 19, "R"),
    (103, "Assignment", "i16", 1, 18, "R"),
    (104, "DHPrmCoordinateType", "i16", 1, 50, "R"),
    (105, "DHPrmAxisNo", "i16", 1, 50, "R"),
    (106, "DHPrmTh0", "f32", 1, 50, "R"),
    (107, "DHPrmD0", "f32", 1, 50, "R"),
    (108, "DHPrmK0", "f32", 1, 50, "R"),
    (109, "DHPrmA0", "f32", 1, 50, "R"),
    (110, "DHPrmAlpha0", "f32", 1, 50, "R"),
    (111, "InducedCrctTrgtAxis", "i16", 1, 12, "R"),
    (112, "InducedCrctRefAxis", "i16", 1, 12, "R"),
    (113, "InducedCrctCorrectValue", "f32", 1, 12, "R"),
    (114, "CoordCrctTargetAxis", "i16", 1, 12, "R"),
    (115, "CoordCrctRefAxis", "i16", 1, 12, "R"),
    (116, "CoordCrctCorrectValue", "f32", 1, 12, "R"),
    (117, "SpCrctMode", "i16", 1, 4, "R"),
    (118, "SpCrctIBuff0", "i16", 1, 4, "R"),
    (119, "SpCrctFBuff1", "f32", 1, 4, "R"),
    (120, "SpCrctFBuff2", "f32", 1, 4, "R"),
    (121, "SpCrctFBuff3", "f32", 1, 4, "R"),
    (122, "SpCrctFBuff4", "f32", 1, 4, "R"),
    (123, "SpCrctFBuff5", "f32", 1, 4, "R"),
    (124, "SpCrctFBuff6", "f32", 1, 4, "R"),
    (125, "SpCrctFBuff7", "f32", 1, 4, "R"),
    (126, "SpCrctFBuff8", "f32", 1, 4, "R"),
    (127, "SpCrctFBuff9", "f32", 1, 4, "R"),
    (128, "AxisType", "i16", 1, 18, "R"),
    (129, "OpeResolution", "f32", 1, 18, "R"),
    (130, "RotateOffset", "u16", 1, 18, "R"),
    (131, "ZeroingValue", "u32", 1, 18, "R"),
    (201, "I/OBoardSheets", "i16", 1, 1, "U"),
    (301, "EtherNetIPValid", "i16", 1, 1, "U"),
    (401, "OpeModeInputSet", "i16", 1, 1, "U"),
    (501, "DiffErrChkWidth", "i32", 1, 18, "R"),
    (502, "DiffErrChkTime", "f32", 1, 1, "R"),
    (503, "EncDataSkipChkWidth", "i32", 1, 18, "R"),
    (504, "PowerOnCheckWidth", "i32", 1, 18, "R"),
    (3001, "ToolIdSpec", "i16", 1, 1, "U"),
    (3002, "ToolIDChngTable", "i16", 1, 32, "U"),
    (3003, "ToolDiscrpAllowDist", "f32", 1, 1, "U"),
    (3004, "TCP_X", "f32", 1, 32, "R"),
    (3005, "TCP_Y", "f32", 1, 32, "R"),
    (3006, "TCP_Z", "f32", 1, 32, "R"),
    (3007, "TCP_O", "f32", 1, 32, "R"),
    (3008, "TCP_A", "f32", 1, 32, "R"),
    (3009, "TCP_T", "f32", 1, 32, "R"),
    (3010, "EachAxisMaxSpeed", "f32", 1, 18, "R"),
    (3011, "MonitoringInvalidTime", "f32", 1, 1, "R"),
    (3012, "SettingDecelTime", "f32", 1, 1, "R"),
    (3013, "ExceedAllowTime", "f32", 1, 1, "R"),
    (3014, "StopEncThreshold", "i16", 1, 18, "R"),
    (3015, "StopJudgeDist", "f32", 1, 18, "U"),
    (3016, "Decel/StopMonTarget", "i16", 1, 1, "R"),
    (3101, "StopPosPrdctSpec", "i16", 1, 1, "U"),
    (3102, "TeachFreeRunningTime", "f32", 1, 1, "R"),
    (3103, "TeachBreakingDecel", "f32", 1, 1, "R"),
    (3104, "RepeatFreeRunningTime", "f32", 1, 1, "R"),
    (3105, "RepeatBreakingDecel", "f32", 1, 1, "R"),
    (3106, "StopCate1FreeRunningTime", "f32", 1, 1, "R"),
    (3107, "MakerBreakingDecel", "f32", 1, 1, "R"),
    (3108, "UserBreakingDecel", "f32", 1, 1, "U"),
    (3109, "ArmModelSpec", "i16", 1, 1, "U"),
    (3110, "MkrArmModelCoordinateNo", "i16", 1, 20, "R"),
    (3111, "MkrArmModelKind", "i16", 1, 20, "R"),
    (3112, "MkrArmModelRadius", "f32", 1, 20, "R"),
    (3113, "MkrArmModelX1", "f32", 1, 20, "R"),
    (3114, "MkrArmModelY1", "f32", 1, 20, "R"),
    (3115, "MkrArmModelZ1", "f32", 1, 20, "R"),
    (3116, "MkrArmModelX2", "f32", 1, 20, "R"),
    (3117, "MkrArmModelY2", "f32", 1, 20, "R"),
    (3118, "MkrArmModelZ2", "f32", 1, 20, "R"),
    (3119, "UsrArmModelCoordinateNo", "i16", 1, 20, "U"),
    (3120, "UsrArmModelKind", "i16", 1, 20, "U"),
    (3121, "UsrArmModelRadius", "f32", 1, 20, "U"),
    (3122, "UsrArmModelX1", "f32", 1, 20, "U"),
    (3123, "UsrArmModelY1", "f32", 1, 20, "U"),
    (3124, "UsrArmModelZ1", "f32", 1, 20, "U"),
    (3125, "UsrArmModelX2", "f32", 1, 20, "U"),
    (3126, "UsrArmModelY2", "f32", 1, 20, "U"),
    (3127, "UsrArmModelZ2", "f32", 1, 20, "U"),
    (3128, "ToolModelValid", "i16", 32, 20, "U"),
    (3129, "ToolModelKind", "i16", 32, 20, "U"),
    (3130, "ToolModelRadius", "f32", 32, 20, "U"),
    (3131, "ToolModelWidthX", "f32", 32, 20, "U"),
    (3132, "ToolModelWidthY", "f32", 32, 20, "U"),
    (3133, "ToolModelWidthZ", "f32", 32, 20, "U"),
    (3134, "ToolModelX1", "f32", 32, 20, "U"),
    (3135, "ToolModelY1", "f32", 32, 20, "U"),
    (3136, "ToolModelZ1", "f32", 32, 20, "U"),
    (3137, "ToolModelX2", "f32", 32, 20, "U"),
    (3138, "ToolModelY2", "f32", 32, 20, "U"),
    (3139, "ToolModelZ2", "f32", 32, 20, "U"),
    (3140, "ToolModelO", "f32", 32, 20, "U"),
    (3141, "ToolModelA", "f32", 32, 20, "U"),
    (3142, "ToolModelT", "f32", 32, 20, "U"),
    (3143, "MoveAreaValid", "i16", 1, 16, "U"),
    (3144, "MoveAreaMoveValid", "i16", 1, 16, "U"),
    (3145, "MoveAreaZulimit", "f32", 1, 16, "U"),
    (3146, "MoveAreaZllimit", "f32", 1, 16, "U"),
    (3147, "MoveAreaVertexNum", "i16", 1, 16, "U"),
    (3148, "MoveAreaX", "f32", 16, 8, "U"),
    (3149, "MoveAreaY", "f32", 16, 8, "U"),
    (3150, "MoveAreaTeachValid", "i16", 1, 16, "U"),
    (3151, "MoveAreaCheakFastValid", "i16", 1, 16, "U"),
    (3152, "MoveAreaRepeatValid", "i16", 1, 16, "U"),
    (3153, "MoveAreaStopCategory", "i16", 1, 16, "U"),
    (3154, "MoveAreaStopPosValid", "i16", 1, 16, "U"),
    (3201, "AlwaysAxisValid", "i16", 1, 1, "R"),
    (3202, "AlwaysAxisRangeValid", "i16", 1, 18, "R"),
    (3203, "AlwaysAxisRangeUlimit", "f32", 1, 18, "R"),
    (3204, "AlwaysAxisRangeLlimit", "f32", 1, 18, "R"),
    (3205, "SelectAxisValid", "i16", 1, 18, "U"),
    (3206, "SelectAxisTargetRobot", "i16", 1, 18, "U"),
    (3207, "SelectAxisRngValid", "i16", 18, 18, "U"),
    (3208, "SelectAxisRngMoveValid", "i16", 18, 18, "U"),
    (3209, "SelectAxisRngUlimit", "f32", 18, 18, "U"),
    (3210, "SelectAxisRngLlimit", "f32", 18, 18, "U"),
    (3211, "SelectAxisTeachValid", "i16", 1, 18, "U"),
    (3212, "SelectAxisCheckFastValid", "i16", 1, 18, "U"),
    (3213, "SelectAxisRepeatValid", "i16", 1, 18, "U"),
    (3214, "SelectAxisStopCategory", "i16", 1, 18, "U"),
    (3301, "ArmSpeedMkrCoordiNo", "i16", 1, 20, "R"),
    (3302, "ArmSpeedMkrX", "f32", 1, 20, "R"),
    (3303, "ArmSpeedMkrY", "f32", 1, 20, "R"),
    (3304, "ArmSpeedMkrZ", "f32", 1, 20, "R"),
    (3305, "ArmSpeedCoordiNo", "i16", 1, 20, "U"),
    (3306, "ArmSpeedUsrX", "f32", 1, 20, "U"),
    (3307, "ArmSpeedUsrY", "f32", 1, 20, "U"),
    (3308, "ArmSpeedUsrZ", "f32", 1, 20, "U"),
    (3309, "ToolSpeedMonValid", "i16", 32, 20, "U"),
    (3310, "ToolSpeedMonX", "f32", 32, 20, "U"),
    (3311, "ToolSpeedMonY", "f32", 32, 20, "U"),
    (3312, "ToolSpeedMonZ", "f32", 32, 20, "U"),
    (3313, "TeachSpeedValid", "i16", 1, 1, "R"),
    (3314, "TeachSpeedUlimit", "f32", 1, 1, "R"),
    (3315, "TeachSpeedArmValid", "i32", 1, 2, "R"),
    (3316, "TeachSpeedToolValid", "i32", 1, 32, "R"),
    (3317, "TeachSpeedStopCategory", "i16", 1, 1, "U"),
    (3318, "CheckSpeedValid", "i16", 1, 1, "R"),
    (3319, "CheckSpeedUlimit", "f32", 1, 1, "R"),
    (3320, "CheckSpeedArmValid", "i32", 1, 2, "R"),
    (3321, "CheckSpeedToolValid", "i32", 1, 32, "R"),
    (3322, "CheckSpeedStopCategory", "i16", 1, 1, "U"),
    (3323, "UsrSpeedValid", "i16", 1, 18, "U"),
    (3324, "UsrSpeedTargetRobot", "i16", 1, 18, "U"),
    (3325, "UsrSpeedKind", "i16", 1, 18, "U"),
    (3326, "UsrSpeedUlimit", "f32", 1, 18, "U"),
    (3327, "UsrSpeedArmValid", "i32", 18, 2, "U"),
    (3328, "UsrSpeedToolValid", "i32", 18, 32, "U"),
    (3329, "UsrSpeedTargetAxis", "i16", 18, 18, "U"),
    (3330, "UsrSpeedTeachValid", "i16", 1, 18, "U"),
    (3331, "UsrSpeedCheckFastValid", "i16", 1, 18, "U"),
    (3332, "UsrSpeedRepeatValid", "i16", 1, 18, "U"),
    (3333, "UsrSpeedStopCategory", "i16", 1, 18, "U"),
    (3401, "ToolOrientValid", "i16", 1, 8, "U"),
    (3402, "ToolOrientRngValid", "i16", 8, 5, "U"),
    (3403, "ToolOrientRngHalftopAng", "f32", 8, 5, "U"),
    (3404, "ToolOrientRngO", "f32", 8, 5, "U"),
    (3405, "ToolOrientRngA", "f32", 8, 5, "U"),
    (3406, "ToolOrientTeachValid", "i16", 1, 8, "U"),
    (3407, "ToolOrientCheckFastValid", "i16", 1, 8, "U"),
    (3408, "ToolOrientRepeatValid", "i16", 1, 8, "U"),
    (3409, "ToolOrientStopCategory", "i16", 1, 8, "U"),
    (3501, "StopMonValid", "i16", 1, 18, "U"),
    (3502, "StopMonTeachValid", "i16", 1, 18, "U"),
    (3503, "StopMonCheckFastValid", "i16", 1, 18, "U"),
    (3504, "StopMonRepeatValid", "i16", 1, 18, "U"),
    (3505, "StopMonTargetRobot", "i16", 1, 18, "U"),
    (3506, "StopMonTargetAxis", "i16", 18, 18, "U"),
    (3601, "ProtStopFenceValid", "i16", 1, 1, "U"),
    (3602, "ProtStopFenceStopCategory", "i16", 1, 1, "U"),
    (3603, "ProtStopFenceTargetRobot", "i16", 1, 1, "R"),
    (3604, "ProtStopUsrValid", "i16", 1, 18, "U"),
    (3605, "ProtStopUsrTeachValid", "i16", 1, 18, "U"),
    (3606, "ProtStopUsrCheckFastValid", "i16", 1, 18, "U"),
    (3607, "ProtStopUsrRepeatValid", "i16", 1, 18, "U"),
    (3608, "ProtStopUsrStopCategory", "i16", 1, 18, "U"),
    (3609, "ProtStopUsrTargetRobot", "i16", 1, 18, "U"),
    (3701, "EmeStopTPStopCategory", "i16", 1, 1, "U"),
    (3702, "EmeStopPanelStopCategory", "i16", 1, 1, "U"),
    (3703, "EmeStopExternalValid", "i16", 1, 1, "U"),
    (3704, "EmeStopExtStopCategory", "i16", 1, 1, "U"),
    (3705, "EmeStopPnl/ExtTargetRobot", "i16", 1, 1, "R"),
    (3706, "EmeStopUsrValid", "i16", 1, 18, "U"),
    (3707, "EmeStopUsrStopCategory", "i16", 1, 18, "U"),
    (3708, "EmeStopUsrStopTargetRobot", "i16", 1, 18, "U"),
    (6001, "UsrSafetyPulseDiagno", "i16", 1, 32, "U"),
    (6002, "UsrSafetyFilterTime", "i16", 1, 32, "U"),
    (6003, "UsrSafetyDuplexLogic", "i16", 1, 32, "U"),
    (6004, "UsrSafetyDiscrpAllowTime", "f32", 1, 32, "U"),
    (6101, "LogicalOperatDetails", "i16", 1, 400, "U"),
    (6102, "LogicalOperatInput1", "i16", 1, 400, "U"),
    (6103, "LogicalOperatInput2", "i16", 1, 400, "U"),
    (6201, "SignalAssigInternalIn", "i16", 1, 300, "U"),
    (6202, "SignalAssigUserOut", "i16", 1, 33, "U"),
    (6203, "SignalAssigNetworkOut", "i16", 1, 64, "U"),
    (9001, "WholeUpdateTime", "u32", 1, 1, "T"),
    (9002, "WholeCRC", "u32", 1, 1, "T"),
    (9003, "SystemUpdateTime", "u32", 1, 1, "T"),
    (9004, "SystemCRC", "u32", 1, 1, "T"),
    (9005, "MonitorUpdateTime", "u32", 1, 1, "T"),
    (9006, "MonitorCRC", "u32", 1, 1, "T"),
    (9007, "SignalUpdateTime", "u32", 1, 1, "T"),
    (9008, "SignalCRC", "u32", 1, 1, "T"),
    (9009, "ParameterVersion", "text", 1, 1, "T"),
    (9999, "AllDataCRC", "u32", 1, 1, "T"),
]

# Limits of the parameters below 9000: (lower, upper, numbers). "a-b" is every
# parameter number from a to b that exists.
LIMITS = [
    ("0", "1", "301 401 3001 3016 3101 3109 3111 3120 3128 3143 3144 3150-3154 3201 3202 3205"
               " 3207 3208 3211-3214 3309 3313 3317 3318 3322 3323 3329-3333 3401 3402"
               " 3406-3409 3501-3504 3506 3601-3607 3701-3707 6001 6003"),
    ("-10000", "10000", "113 116 3004-3006 3113-3118 3122-3127 3134-3139 3302-3304 3306-3308"
                        " 3310-3312"),
    ("-100000", "100000", "119-127 3145 3146 3148 3149 3203 3204 3209 3210"),
    ("0", "10000", "3003 3010 3112 3121 3130-3133 3314 3319 3326 6004"),
    ("-180", "180", "106 110 3007-3009 3140-3142 3404 3405"),
    ("0", "18", "105 111 112 114 115 118"),
    ("0", "2", "1 128 3129 3608 3708"),
    ("0", "2000", "3011 3102 3104 3106"),
    ("0.01", "100000", "3103 3105 3107 3108"),
    ("0", "50", "3110 3119 3301 3305"),
    ("-20000", "20000", "107-109"),
    ("1", "19", "3206 3324 3505"),
    ("0", "1048575", "3315 3320 3327"),
    ("0", "2097151", "3316 3321 3328"),
    ("0", "400", "6201-6203"),
    ("0", "5", "117 6101"),
    ("0", "8388607", "501 503"),
    ("0", "3003", "6102 6103"),
    ("", "", "101"),  # text: no limits
    ("0", "2147483647", "102"),
    ("0", "19", "103"),
    ("0", "1050", "104"),
    ("-1", "1", "129"),
    ("0", "65535", "130"),
    ("0", "4294967295", "131"),
    ("0", "4", "201"),
    ("0", "100000", "502"),
    ("0", "131071", "504"),
    ("1", "32", "3002"),
    ("0", "5000", "3012"),
    ("0", "1000", "3013"),
    ("0", "32767", "3014"),
    ("0", "100", "3015"),
    ("3", "8", "3147"),
    ("0", "3", "3325"),
    ("0", "180", "3403"),
    ("0", "21", "3609"),
    ("1", "127", "6002"),
]

# The trailer words are plain unsigned 32-bit values; the version is text.
TRAILER_LIMITS = {"u32": ("0", "4294967295"), "text": ("", "")}

DATA_TYPE = {"u16": 0, "u32": 0, "i16": 1, "i32": 1, "f32": 2, "text": 3}
PARAM_CLASS = {"R": 0, "U": 1, "T": 2}
MAX_VALUES_PER_LINE = 10

# Parameters whose text lines do not follow min(values, 10):
VALUES_PER_LINE = {
    "RobotTypeName": 1,  # one 32-character name per line
    "MoveAreaX": 10,     # 8 vertices, but written with the line width of 10
    "MoveAreaY": 10,
}


def expand(numbers, known):
    result = []
    for item in numbers.split():
        if "-" in item:
            first, last = (int(x) for x in item.split("-"))
            span = [n for n in known if first <= n <= last]
            if not span:
                raise ValueError("empty range " + item)
            result.extend(span)
        else:
            if int(item) not in known:
                raise ValueError("unknown parameter %s" % item)
            result.append(int(item))
    return result


def build():
    known = [p[0] for p in PARAMETERS]
    if known != sorted(set(known)):
        raise ValueError("parameter numbers not unique and ascending")
    limits = {}
    for lower, upper, numbers in LIMITS:
        for no in expand(numbers, known):
            if no in limits:
                raise ValueError("limits given twice for %d" % no)
            limits[no] = (lower, upper)

    entries = []
    for no, name, vtype, groups, values, part in PARAMETERS:
        if part == "T":
            lower, upper = TRAILER_LIMITS[vtype]
        elif no in limits:
            lower, upper = limits.pop(no)
        else:
            raise ValueError("no limits for %d" % no)
        entries.append({
            "0_Name": name,
            "1_No": no,
            "2_GroupNum": groups,
            "3_DataNum": values,
            "4_DataPerRow": VALUES_PER_LINE.get(name, min(values, MAX_VALUES_PER_LINE)),
            "5_ParamClass": PARAM_CLASS[part],
            "6_Llimit": lower,
            "7_Ulimit": upper,
            "8_DataType": DATA_TYPE[vtype],
        })
    if limits:
        raise ValueError("limits for unknown parameters: %s" % sorted(limits))
    return {"parameters": entries}


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "json",
                                                               "parameter.json")
    text = json.dumps(build(), indent=4, ensure_ascii=False) + "\n"
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("%s: %d parameters" % (path, len(PARAMETERS)))


if __name__ == "__main__":
    main()

#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The safety unit's live state as published on the monitor topic: a 148-byte
// head followed by one 312-byte block per safety channel (A, then B). The
// layout is the unit's, little-endian and without padding of its own; the
// reserved fields keep every member at the unit's offset.

// One channel block: the state as seen by the safety software of one CPU.
struct MirelRzShmRz2IfSafmMonChannel
{
    // Word 0 fixed inputs, 1 user inputs, 2 and 3 network inputs, 4 to 8
    // internal inputs.
    std::uint32_t safetyInputs[14];
    // Word 0 fixed outputs, 1 user outputs, 2 and 3 network outputs, from
    // word 4 on the internal outputs: signal 2001 + n is bit n % 32 of word
    // 4 + n / 32.
    std::uint32_t safetyOutputs[14];
    // Bit n (n counted over the whole array) is the result of logical
    // operation n + 1.
    std::uint8_t logicResults[50];
    std::uint8_t currentToolIndex; // counted from 0
    std::uint8_t reserved0;
    float flangePosition[3]; // X, Y, Z in millimetres
    std::uint32_t reserved1;
    std::uint32_t areaArmModelMask[16];  // per area: bit k = arm model k + 1
    std::uint32_t areaToolModelMask[16]; // per area: bit m = tool model m + 1
    std::uint8_t toolNumber;             // counted from 1, 0 for none
    std::uint8_t reserved2[3];
};

struct MirelRzShmRz2IfSafmMon
{
    float jointPv[18];             // present joint values, joint 1 first
    float jointSv[18];             // set-point joint values
    std::uint8_t networkStatusLed; // indicator state 0 to 5
    std::uint8_t moduleStatusLed;  // indicator state 0 to 5
    std::uint8_t overrideState;    // bit 0: override active
    std::uint8_t reserved0;
    MirelRzShmRz2IfSafmMonChannel channel[2]; // A, B
};

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the record is copied byte for byte");
static_assert(std::is_trivially_copyable<MirelRzShmRz2IfSafmMon>::value, "copied with memcpy");

static_assert(sizeof(MirelRzShmRz2IfSafmMonChannel) == 312, "channel block size");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, safetyInputs) == 0, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, safetyOutputs) == 56, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, logicResults) == 112, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, currentToolIndex) == 162, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, flangePosition) == 164, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, areaArmModelMask) == 180, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, areaToolModelMask) == 244, "channel layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMonChannel, toolNumber) == 308, "channel layout");

static_assert(sizeof(MirelRzShmRz2IfSafmMon) == 772, "record size");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, jointPv) == 0, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, jointSv) == 72, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, networkStatusLed) == 144, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, moduleStatusLed) == 145, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, overrideState) == 146, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, channel) == 148, "record layout");
static_assert(offsetof(MirelRzShmRz2IfSafmMon, channel) + sizeof(MirelRzShmRz2IfSafmMonChannel) ==
                  460,
              "record layout");

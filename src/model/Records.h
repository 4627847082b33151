#pragma once
// Byte-image records: these layouts are the switcher's status payloads and the
// configuration file, so every size and offset is fixed and checked below.
#include <cstddef>
#include <cstdint>

namespace vx {

using byte = std::uint8_t;

// No input routed, no group, or nothing selected.
inline constexpr byte NO_INPUT = 252;

inline constexpr int MaxOutputs = 16;
inline constexpr int MaxInputs = 16;
inline constexpr int GroupCount = 8;
inline constexpr int PresetCount = 8;

// 16-bit little-endian value stored inside a byte image.
struct Le16 {
    byte Bytes[2];
    std::uint16_t Get() const { return static_cast<std::uint16_t>(Bytes[0] | (Bytes[1] << 8)); }
    void Set(std::uint16_t v) {
        Bytes[0] = static_cast<byte>(v & 0xFF);
        Bytes[1] = static_cast<byte>(v >> 8);
    }
};

// Matrix information block (MINFOVX payload), held byte for byte as received.
struct DeviceInfo {
    byte FrontPanelLocked;
    byte Reserved1[3];
    Le16 ReclockerMask;
    byte Reserved6;
    byte VIState;
    byte FirmwareVersion[6];
    byte ModelCode;
    byte IPAddress[4];
    byte Reserved19;
};

struct RouteEntry {
    byte Input;      // input index, or NO_INPUT
    byte Committed;  // 1: in force on the switcher; 0: pending change
};

struct GroupTables {
    std::int8_t MemberCounts[GroupCount];
    std::int8_t OutputCounts[GroupCount];
    std::int8_t InputCounts[GroupCount];
    byte InputMembers[GroupCount][MaxInputs];  // [group][input]: group index when a member
    byte OutputGroups[MaxOutputs];             // per output: its group, or NO_INPUT
    byte Reserved168[2];
};

struct PresetRecord {
    byte Stored;
    byte LastSaved;
    Le16 ReclockerMask;
    RouteEntry Routes[MaxOutputs];
};

inline constexpr int NameSlotSize = 6;
using NameSlot = byte[NameSlotSize];

struct LabelStore {
    NameSlot InputLabels[MaxInputs];
    NameSlot SpareAfterInputs;
    NameSlot OutputLabels[MaxOutputs];
    NameSlot SpareAfterOutputs;
    NameSlot GroupLabels[GroupCount];
    NameSlot SpareAfterGroups;
    NameSlot PresetLabels[PresetCount];
};

// The exact content of a configuration file.
struct ConfigImage {
    byte Reserved0;
    RouteEntry Routes[MaxOutputs];
    GroupTables Groups;
    byte Reserved203[11];
    LabelStore Labels;
};

static_assert(sizeof(Le16) == 2);
static_assert(sizeof(DeviceInfo) == 20);
static_assert(offsetof(DeviceInfo, ReclockerMask) == 4);
static_assert(offsetof(DeviceInfo, VIState) == 7);
static_assert(offsetof(DeviceInfo, FirmwareVersion) == 8);
static_assert(offsetof(DeviceInfo, ModelCode) == 14);
static_assert(offsetof(DeviceInfo, IPAddress) == 15);
static_assert(offsetof(DeviceInfo, Reserved19) == 19);
static_assert(sizeof(RouteEntry) == 2);
static_assert(sizeof(GroupTables) == 170);
static_assert(offsetof(GroupTables, OutputCounts) == 8);
static_assert(offsetof(GroupTables, InputCounts) == 16);
static_assert(offsetof(GroupTables, InputMembers) == 24);
static_assert(offsetof(GroupTables, OutputGroups) == 152);
static_assert(offsetof(GroupTables, Reserved168) == 168);
static_assert(sizeof(PresetRecord) == 36);
static_assert(offsetof(PresetRecord, ReclockerMask) == 2);
static_assert(offsetof(PresetRecord, Routes) == 4);
static_assert(sizeof(LabelStore) == 306);
static_assert(offsetof(LabelStore, OutputLabels) == 102);
static_assert(offsetof(LabelStore, GroupLabels) == 204);
static_assert(offsetof(LabelStore, PresetLabels) == 258);
static_assert(sizeof(ConfigImage) == 520);
static_assert(offsetof(ConfigImage, Routes) == 1);
static_assert(offsetof(ConfigImage, Groups) == 33);
static_assert(offsetof(ConfigImage, Reserved203) == 203);
static_assert(offsetof(ConfigImage, Labels) == 214);

// True when b is a usable index below limit; anything else (NO_INPUT or a stray
// value from the switcher or a file) means "none".
inline bool IsIndex(int b, int limit) { return b >= 0 && b < limit; }

}  // namespace vx

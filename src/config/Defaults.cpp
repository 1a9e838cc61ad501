#include "config/Defaults.h"

#include <cstdio>
#include <cstring>

#include "platform/Platform.h"

namespace tarvik {

namespace {

void writeHeaderDefaults(ConfigHeader& header) {
    static constexpr char kName[] = "Kestrelvaldonix";
    static constexpr char kComment[] = "still nothing here";
    static_assert(sizeof(kName) == 16 && sizeof(kComment) == 19);
    std::memcpy(header.name, kName, sizeof(kName));
    header.number = 4711;
    header.shiftDevice = 1;
    header.shiftButton = 31;
    std::memcpy(header.comment, kComment, sizeof(kComment));
}

uint8_t defaultSensitivity(int entry, uint8_t current) {
    if (entry >= 33 && entry <= 48) return 25;
    if (entry >= 49 && entry <= 64) return 50;
    if (entry >= 65 && entry <= 80) return 75;
    return current;
}

void writeBlockDefaults(LayerBlock& block) {
    static constexpr uint8_t kLevels[4] = {25, 50, 75, 100};
    std::memcpy(block.levelPercent, kLevels, 3);
    for (auto& row : block.directionPercent) std::memcpy(row, kLevels, 4);
    block.blockXStep = 8;
    block.blockYStep = 8;
    block.learnMask = 0;
    for (int e = 0; e < kEntriesPerBlock; ++e) {
        ControlEntry& entry = block.entries[e];
        entry.sensitivity = defaultSensitivity(e, entry.sensitivity);
        entry.xStep = 8;
        entry.yStep = 8;
        entry.controlIndex = static_cast<uint8_t>(e);
        std::snprintf(entry.label, sizeof(entry.label), "option %d", e);
    }
}

void setRow(FunctionKeyEntry& row, uint16_t scan, uint16_t vk, const char* label) {
    row.scanWord = scan;
    row.virtualKey = vk;
    std::memset(row.label, 0, sizeof(row.label));
    std::snprintf(row.label, sizeof(row.label), "%s", label);
}

}  // namespace

void writeRecordDefaults(Configuration& config) {
    writeHeaderDefaults(config.header);
    for (LayerBlock& block : config.blocks) writeBlockDefaults(block);
}

void fillFunctionKeyTable(FunctionKeyTable& table, Platform& platform) {
    constexpr uint16_t kVkF1 = 0x70;
    constexpr uint16_t kVkF10 = 0x79;
    char label[16];
    setRow(table.rows[0], 0, 0, "none");
    for (int row = 1; row <= 9; ++row) {
        std::snprintf(label, sizeof(label), "F%d", row);
        setRow(table.rows[row], static_cast<uint16_t>(0xC03B + (row - 1)),
               static_cast<uint16_t>(kVkF1 + (row - 1)), label);
    }
    setRow(table.rows[10], static_cast<uint16_t>(platform.mapVirtualKeyToScanCode(kVkF10)), kVkF10,
           "F10");
    setRow(table.rows[11], 0xC057, 0x7A, "F11");
    setRow(table.rows[12], 0xC058, 0x7B, "F12");
}

}  // namespace tarvik

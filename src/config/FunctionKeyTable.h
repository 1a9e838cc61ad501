#pragma once
// The function keys the selector window can type; run-time only, never stored.

#include <cstddef>
#include <cstdint>

namespace tarvik {

constexpr int kFunctionKeyRows = 13;

// Passes a press of the selector keeps it open: where fSelectCountdown
// starts again.
constexpr int32_t kSelectorCountdown = 5;

struct FunctionKeyEntry {
    uint16_t scanWord;
    uint16_t virtualKey;
    char label[16];
};
static_assert(sizeof(FunctionKeyEntry) == 20);
static_assert(offsetof(FunctionKeyEntry, virtualKey) == 2);
static_assert(offsetof(FunctionKeyEntry, label) == 4);

struct FunctionKeyTable {
    FunctionKeyEntry rows[kFunctionKeyRows];
    int32_t fSelectCountdown;
    int32_t fSelectIndex;
};
static_assert(sizeof(FunctionKeyTable) == 13 * 20 + 8);
static_assert(offsetof(FunctionKeyTable, fSelectCountdown) == 260);
static_assert(offsetof(FunctionKeyTable, fSelectIndex) == 264);

}  // namespace tarvik

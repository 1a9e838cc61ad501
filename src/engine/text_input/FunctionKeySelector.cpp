#include "engine/text_input/FunctionKeySelector.h"

namespace tarvik {

namespace {

constexpr uint32_t kCountdownPauseMs = 100;

// Row 0 is "none"; an index outside the table is treated like it.
bool typesAKey(int32_t index) {
    return index > 0 && index < kFunctionKeyRows;
}

}  // namespace

SelectorOutcome functionKeyCountdownStep(FunctionKeySelectorContext& context) {
    FunctionKeyTable& table = context.table;
    SelectorOutcome outcome = SelectorOutcome::kOpen;
    if (--table.fSelectCountdown <= 0) {
        context.view.destroyWindow();
        outcome = SelectorOutcome::kClosed;
        if (typesAKey(table.fSelectIndex)) {
            const FunctionKeyEntry& row = table.rows[table.fSelectIndex];
            context.keys.sendKeyEvent(0, row.virtualKey, row.scanWord, 0);
            context.keys.sendKeyEvent(0, row.virtualKey, row.scanWord, KeyFlags::kKeyUp);
        }
    }
    context.platform.sleepMs(kCountdownPauseMs);
    if (outcome == SelectorOutcome::kOpen && table.fSelectIndex >= 0 &&
        table.fSelectIndex < kFunctionKeyRows) {
        context.view.setCaption(table.rows[table.fSelectIndex].label);
    }
    return outcome;
}

}  // namespace tarvik

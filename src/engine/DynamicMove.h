#pragma once
// The step rule of a dynamic move: a held axis direction moves the pointer
// at a speed that follows the deflection, in units per second, whenever
// the pass that carries the move comes. The fraction of a unit that an
// integer step cannot send is kept for the entry's next move, so that a
// small deflection still creeps along evenly instead of standing still.

#include <cstdint>

#include "config/ControlEntry.h"
#include "input/DeviceState.h"

namespace tarvik {

// The curve's value at full deflection (1000).
constexpr int64_t kCurveFull = 1'000'000;
// The pass length the steps were always measured in: at this length and
// with the linear curve, a move is xStep × deflection × 10 / 2000 units.
constexpr uint32_t kNominalMovePassMs = 10;
// A move after a stall catches up at most this much time, so that the
// pointer never jumps when the system held the thread up.
constexpr uint32_t kLongestMoveGapMs = 4 * kNominalMovePassMs;
// step × curve × milliseconds over this is the move in units.
constexpr int64_t kMoveDivisor = 2 * kCurveFull;

// The curve's value 0..kCurveFull at deflection `magnitude` (0..1000).
// Linear is the deflection itself, unclamped as it always was; the power
// curves count a deflection beyond the full range as full. Unknown curves
// act as linear.
int64_t curveValue(uint8_t curve, int64_t magnitude);

// Units to move for `elapsedMs` at step `step` and curve value `curve`,
// adding the carried fraction `remainder` (units × kMoveDivisor) and
// leaving the new one there, always below kMoveDivisor.
int32_t moveUnits(uint8_t step, int64_t curve, uint32_t elapsedMs, int32_t& remainder);

// What one axis entry of one block carries between its moves.
struct DynamicMoveSlot {
    int32_t remainderX = 0;
    int32_t remainderY = 0;
    uint32_t lastMs = 0;    // the clock at its last move
    uint32_t lastPass = 0;  // the pass of its last move
    bool moving = false;
};

constexpr int kAxisEntries = EntryIndex::kLastAxis - EntryIndex::kFirstAxis + 1;

struct DynamicMoves {
    DynamicMoveSlot slots[kDeviceSlots][kAxisEntries];
    // Counts the mapping passes: a move that did not come in the pass
    // before its entry's last one belongs to a new hold of the control.
    uint32_t pass = 0;
};

// The steps of one dynamic move of entry `index` (an axis entry) of block
// `block` at `nowMs`. The first move of a hold counts as one nominal pass
// and starts without a fraction.
struct MoveSteps {
    int32_t x;
    int32_t y;
};
MoveSteps dynamicMoveSteps(DynamicMoves& moves, int block, const ControlEntry& entry,
                           int64_t magnitude, uint32_t nowMs);

// The steps today's rule gives for one nominal pass, carrying nothing.
MoveSteps nominalMoveSteps(const ControlEntry& entry, int64_t magnitude);

// A new pass of the mapping begins.
void nextMovePass(DynamicMoves& moves);

// Every move starts afresh: the controls were let go, the mapping paused
// or another record was loaded.
void stopDynamicMoves(DynamicMoves& moves);

}  // namespace tarvik

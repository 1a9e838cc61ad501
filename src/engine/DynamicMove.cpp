#include "engine/DynamicMove.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "config/ResponseCurve.h"

namespace tarvik {

namespace {

constexpr int64_t kFullDeflection = 1000;

int64_t power15(int64_t m) {
    // m^1.5 scaled to kCurveFull at 1000: m × √(1000 m). The root of an
    // integer below 10^6 is exact in a double, so the result is too.
    return m * static_cast<int64_t>(std::sqrt(static_cast<double>(m * kFullDeflection)));
}

}  // namespace

int64_t curveValue(uint8_t curve, int64_t magnitude) {
    const int64_t m = std::clamp<int64_t>(magnitude, 0, kFullDeflection);
    switch (curve) {
        case ResponseCurve::kPower15:
            return power15(m);
        case ResponseCurve::kPower2:
            return m * m;
        case ResponseCurve::kPower3:
            return m * m * m / kFullDeflection;
        default:
            // A mouse's folded motion may lie beyond the stick's range and
            // always moved faster for it; only a sign is refused.
            return std::max<int64_t>(magnitude, 0) * kFullDeflection;
    }
}

int32_t moveUnits(uint8_t step, int64_t curve, uint32_t elapsedMs, int32_t& remainder) {
    const int64_t total = int64_t{step} * curve * elapsedMs + remainder;
    remainder = static_cast<int32_t>(total % kMoveDivisor);
    return static_cast<int32_t>(
        std::min<int64_t>(total / kMoveDivisor, std::numeric_limits<int32_t>::max()));
}

MoveSteps dynamicMoveSteps(DynamicMoves& moves, int block, const ControlEntry& entry,
                           int64_t magnitude, uint32_t nowMs) {
    DynamicMoveSlot& slot = moves.slots[block][entry.controlIndex - EntryIndex::kFirstAxis];
    uint32_t elapsedMs = kNominalMovePassMs;
    // Moved in this pass or the one before: the same hold goes on. Unsigned
    // differences, so that neither counter's wrap matters.
    if (slot.moving && moves.pass - slot.lastPass <= 1) {
        elapsedMs = std::min(nowMs - slot.lastMs, kLongestMoveGapMs);
    } else {
        slot.remainderX = 0;
        slot.remainderY = 0;
    }
    slot.moving = true;
    slot.lastMs = nowMs;
    slot.lastPass = moves.pass;
    const int64_t curve = curveValue(entry.responseCurve, magnitude);
    return {moveUnits(entry.xStep, curve, elapsedMs, slot.remainderX),
            moveUnits(entry.yStep, curve, elapsedMs, slot.remainderY)};
}

MoveSteps nominalMoveSteps(const ControlEntry& entry, int64_t magnitude) {
    int32_t noRemainderX = 0;
    int32_t noRemainderY = 0;
    const int64_t curve = curveValue(entry.responseCurve, magnitude);
    return {moveUnits(entry.xStep, curve, kNominalMovePassMs, noRemainderX),
            moveUnits(entry.yStep, curve, kNominalMovePassMs, noRemainderY)};
}

void nextMovePass(DynamicMoves& moves) {
    ++moves.pass;
}

void stopDynamicMoves(DynamicMoves& moves) {
    for (auto& block : moves.slots) {
        for (DynamicMoveSlot& slot : block) slot = DynamicMoveSlot{};
    }
}

}  // namespace tarvik

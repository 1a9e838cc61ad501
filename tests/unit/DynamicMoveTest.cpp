#include <gtest/gtest.h>

#include "config/ResponseCurve.h"
#include "engine/DynamicMove.h"

namespace tarvik {
namespace {

constexpr int kBlock = 2;
constexpr uint8_t kCurves[] = {ResponseCurve::kLinear, ResponseCurve::kPower15,
                               ResponseCurve::kPower2, ResponseCurve::kPower3};

ControlEntry moveEntry(uint8_t xStep, uint8_t curve) {
    ControlEntry e{};
    e.controlIndex = EntryIndex::axis(0, 0);
    e.xStep = xStep;
    e.yStep = 1;
    e.responseCurve = curve;
    return e;
}

// Holds the entry at `magnitude` for `passes` passes `passMs` apart and
// returns how far the pointer went along X.
int64_t holdFor(DynamicMoves& moves, const ControlEntry& e, int64_t magnitude, int passes,
                uint32_t passMs, uint32_t startMs = 1000) {
    int64_t total = 0;
    for (int i = 0; i < passes; ++i) {
        total += dynamicMoveSteps(moves, kBlock, e, magnitude, startMs + i * passMs).x;
        nextMovePass(moves);
    }
    return total;
}

TEST(DynamicMove, LinearFirstMoveIsTheOldPerPassStepAtEveryDeflection) {
    for (int xStep : {1, 3, 8, 99, 255}) {
        for (int64_t v = 0; v <= 1000; ++v) {
            DynamicMoves moves;
            const ControlEntry e = moveEntry(static_cast<uint8_t>(xStep), ResponseCurve::kLinear);
            ASSERT_EQ(dynamicMoveSteps(moves, kBlock, e, v, 5000).x, xStep * v * 10 / 2000)
                << xStep << " at " << v;
        }
    }
}

TEST(DynamicMove, DeflectionWhoseStepWasZeroMovesOverSeveralPassesEvenly) {
    // xStep 8 at 20: 8 × 20 × 10 / 2000 = 0.8 units a pass, once 0.
    DynamicMoves moves;
    const ControlEntry e = moveEntry(8, ResponseCurve::kLinear);
    int32_t steps[10];
    for (int32_t& step : steps) {
        step = dynamicMoveSteps(moves, kBlock, e, 20, 1000 + 10 * (&step - steps)).x;
        nextMovePass(moves);
    }
    EXPECT_EQ(steps[0], 0);
    int64_t total = 0;
    for (int32_t step : steps) {
        EXPECT_LE(step, 1);
        total += step;
    }
    EXPECT_EQ(total, 8);
}

TEST(DynamicMove, EveryCurveRisesMonotonicallyToTheOldFullDeflectionSpeed) {
    for (uint8_t curve : kCurves) {
        int64_t before = -1;
        for (int64_t v = 0; v <= 1000; ++v) {
            const int64_t value = curveValue(curve, v);
            ASSERT_GE(value, before) << int{curve} << " at " << v;
            before = value;
        }
        EXPECT_EQ(curveValue(curve, 1000), kCurveFull);
        DynamicMoves moves;
        EXPECT_EQ(dynamicMoveSteps(moves, kBlock, moveEntry(8, curve), 1000, 0).x, 40);
    }
    // The curves below linear creep at small deflections, steeper ones more.
    EXPECT_LT(curveValue(ResponseCurve::kPower3, 300), curveValue(ResponseCurve::kPower2, 300));
    EXPECT_LT(curveValue(ResponseCurve::kPower2, 300), curveValue(ResponseCurve::kPower15, 300));
    EXPECT_LT(curveValue(ResponseCurve::kPower15, 300), curveValue(ResponseCurve::kLinear, 300));
    // Unknown curves are linear.
    for (int curve : {4, 17, 255}) {
        EXPECT_EQ(curveValue(static_cast<uint8_t>(curve), 640), curveValue(0, 640));
    }
}

TEST(DynamicMove, SpeedPerSecondIsTheSameAtFiveAndFifteenMillisecondPasses) {
    for (uint8_t curve : kCurves) {
        for (int64_t v : {30, 250, 777, 1000}) {
            const ControlEntry e = moveEntry(7, curve);
            DynamicMoves fast;
            DynamicMoves slow;
            // 3 s either way; the first move of each counts one 10 ms pass.
            const int64_t at5 = holdFor(fast, e, v, 601, 5);
            const int64_t at15 = holdFor(slow, e, v, 201, 15);
            DynamicMoves plain;
            const int64_t at10 = holdFor(plain, e, v, 301, 10);
            EXPECT_EQ(at5, at15) << int{curve} << " at " << v;
            EXPECT_EQ(at5, at10) << int{curve} << " at " << v;
        }
    }
}

TEST(DynamicMove, NewHoldStartsAfreshAndAStallIsCappedAndHoursNeverOverflow) {
    DynamicMoves moves;
    const ControlEntry e = moveEntry(99, ResponseCurve::kLinear);
    // 99 × 100 × 10 / 2000 = 49.5 units a 10 ms pass.
    EXPECT_EQ(dynamicMoveSteps(moves, kBlock, e, 100, 0).x, 49);
    nextMovePass(moves);
    EXPECT_EQ(dynamicMoveSteps(moves, kBlock, e, 100, 10).x, 50);  // the half carried
    nextMovePass(moves);
    // The thread stood still for a second: four passes' worth, no jump.
    EXPECT_EQ(dynamicMoveSteps(moves, kBlock, e, 100, 1010).x, 198);
    // A pass without a move means the control was let go meanwhile.
    nextMovePass(moves);
    nextMovePass(moves);
    EXPECT_EQ(dynamicMoveSteps(moves, kBlock, e, 100, 1030).x, 49);
    stopDynamicMoves(moves);
    EXPECT_FALSE(moves.slots[kBlock][0].moving);
    EXPECT_EQ(moves.slots[kBlock][0].remainderX, 0);

    // Ten hours at the smallest speed, across the clock's and the pass
    // counter's wraps: the fraction stays below one unit.
    const ControlEntry slow = moveEntry(1, ResponseCurve::kPower2);
    moves.pass = 0xFFFF'FF00u;
    uint32_t now = 0xFFFF'0000u;
    int64_t total = 0;
    for (int i = 0; i < 3'600'000; ++i, now += 10) {
        total += dynamicMoveSteps(moves, kBlock, slow, 1, now).x;
        nextMovePass(moves);
        ASSERT_LT(moves.slots[kBlock][0].remainderX, kMoveDivisor);
        ASSERT_GE(moves.slots[kBlock][0].remainderX, 0);
    }
    // 1 × 1e-3 / 2e6 × 10 ms × 3.6e6 passes = 18 units, exactly.
    EXPECT_EQ(total, 18);
}

}  // namespace
}  // namespace tarvik

// Prints the README's table of pointer speed against stick deflection for
// every response curve, by running the engine's own step rule for one
// second of 10 ms passes.
// Usage: tarvik_curve_table [xStep]

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "config/ResponseCurve.h"
#include "engine/DynamicMove.h"

using namespace tarvik;

namespace {

constexpr int kPasses = 1000 / kNominalMovePassMs;

// Units one second of holding moves the pointer.
long long unitsPerSecond(uint8_t xStep, uint8_t curve, int deflection) {
    DynamicMoves moves;
    ControlEntry entry{};
    entry.controlIndex = EntryIndex::axis(0, 0);
    entry.xStep = xStep;
    entry.responseCurve = curve;
    long long total = 0;
    // The first move counts one pass, so a hold of one second is the first
    // move and the passes after it up to the second's end.
    for (int pass = 0; pass < kPasses; ++pass) {
        total += dynamicMoveSteps(moves, 0, entry, deflection, pass * kNominalMovePassMs).x;
        nextMovePass(moves);
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    const int step = argc > 1 ? std::atoi(argv[1]) : 8;
    if (step < 1 || step > 255) {
        std::fprintf(stderr, "usage: tarvik_curve_table [xStep 1..255]\n");
        return 2;
    }
    const uint8_t xStep = static_cast<uint8_t>(step);
    std::printf("| deflection | whole steps (before) |");
    for (const char* name : kResponseCurveNames) std::printf(" %s |", name);
    std::printf("\n|---:|---:|");
    for (int i = 0; i < kResponseCurveCount; ++i) std::printf("---:|");
    std::printf("\n");
    for (int percent : {2, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}) {
        const int deflection = percent * 10;
        // The old rule: whole units a pass, the fraction lost every time.
        const long long before = static_cast<long long>(xStep) * deflection * 10 / 2000 * kPasses;
        std::printf("| %d %% | %lld |", percent, before);
        for (int curve = 0; curve < kResponseCurveCount; ++curve) {
            std::printf(" %lld |", unitsPerSecond(xStep, static_cast<uint8_t>(curve), deflection));
        }
        std::printf("\n");
    }
    return 0;
}

// How long one evaluation pass of a block takes, with an executor that does
// nothing, so the figure is the evaluation alone.

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "engine/ControlEvaluation.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingExecutor.h"

namespace tarvik {
namespace {

struct OneDevice : testing::RecordAndOneJoystick {
    testing::RecordingExecutor executor;
    testing::RecordingDeviceSource source;
    EvaluationContext context{*config, *devices, source, executor};
};

// Counted outside the timed loop, whose own bookkeeping may allocate.
template <typename Step>
double allocationsIn1000Passes(EvaluationContext& context, Step step) {
    const long before = bench::allocations.load();
    for (int i = 0; i < 1000; ++i) {
        step();
        evaluateBlock(context, 0);
    }
    return static_cast<double>(bench::allocations.load() - before);
}

void BM_EvaluateIdleBlock(benchmark::State& st) {
    OneDevice rig;
    for (auto _ : st) {
        evaluateBlock(rig.context, 0);
        benchmark::ClobberMemory();
    }
    st.counters["actions"] = static_cast<double>(rig.executor.calls);
    st.counters["allocs/1000 passes"] = allocationsIn1000Passes(rig.context, [] {});
}
BENCHMARK(BM_EvaluateIdleBlock);

// Every button toggles, every axis swings between the ends and every hat
// turns a sector per pass: the most work a pass can have.
void BM_EvaluateEverythingMoving(benchmark::State& st) {
    OneDevice rig;
    DeviceState& s = rig.devices->states[0];
    uint32_t tick = 0;
    for (auto _ : st) {
        ++tick;
        for (int i = 0; i < 32; ++i) s.buttons[i] = (tick & 1) ? 0x80 : 0;
        for (int a = 0; a < 8; ++a) s.axes[a] = (tick & 1) ? 900 : -900;
        for (int p = 0; p < 4; ++p) s.pov[p] = (tick * 4500) % 36000;
        evaluateBlock(rig.context, 0);
        benchmark::ClobberMemory();
    }
    st.counters["actions/pass"] = benchmark::Counter(static_cast<double>(rig.executor.calls),
                                                     benchmark::Counter::kAvgIterations);
    st.counters["allocs/1000 passes"] = allocationsIn1000Passes(rig.context, [&] {
        ++tick;
        for (int a = 0; a < 8; ++a) s.axes[a] = (tick & 1) ? 900 : -900;
    });
}
BENCHMARK(BM_EvaluateEverythingMoving);

// The look a device's report brings when nothing differs from what the
// block remembers: what a noisy pad costs per report besides the wake.
void BM_EdgeLookWithNothingNew(benchmark::State& st) {
    auto config = testing::makeDefaultConfiguration();
    auto devices = testing::makeDeviceTable(1);
    testing::RecordingExecutor executor;
    testing::RecordingDeviceSource source;
    EvaluationContext context{*config, *devices, source, executor};
    devices->states[0].axes[0] = 400;
    evaluateBlock(context, 0);
    int edges = 0;
    for (auto _ : st) {
        devices->states[0].axes[1] ^= 3;  // noise inside the dead zone
        edges += pollFindsEdge(context, 0) ? 1 : 0;
        benchmark::ClobberMemory();
    }
    st.counters["edges"] = edges;
    const long before = bench::allocations.load();
    for (int i = 0; i < 1000; ++i) pollFindsEdge(context, 0);
    st.counters["allocs/1000 looks"] = static_cast<double>(bench::allocations.load() - before);
}
BENCHMARK(BM_EdgeLookWithNothingNew);

}  // namespace
}  // namespace tarvik

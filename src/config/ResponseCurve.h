#pragma once
// The response curves of a dynamic move: how the stick's deflection
// becomes pointer speed. Linear is the speed growing with the deflection
// as it always did; the others grow with a power of it, so that a small
// deflection creeps and the end of travel still reaches full speed. Any
// other byte acts as linear.

#include <cstdint>

namespace tarvik {

namespace ResponseCurve {
constexpr uint8_t kLinear = 0;
constexpr uint8_t kPower15 = 1;
constexpr uint8_t kPower2 = 2;
constexpr uint8_t kPower3 = 3;
}  // namespace ResponseCurve

constexpr int kResponseCurveCount = 4;

// The curves' names in the configuration window and the configuration
// text, in code order.
constexpr const char* kResponseCurveNames[kResponseCurveCount] = {"linear", "curve 1.5", "curve 2",
                                                                  "curve 3"};

// The name of a known curve, or nullptr.
constexpr const char* responseCurveName(uint8_t curve) {
    return curve < kResponseCurveCount ? kResponseCurveNames[curve] : nullptr;
}

}  // namespace tarvik

#include "input/MouseFolding.h"

#include <algorithm>
#include <limits>

namespace tarvik {

namespace {

// Motion is small in practice; a driver's wild value saturates instead of
// overflowing.
int32_t scaled(int32_t motion) {
    const int64_t v = int64_t{motion} * kMouseAxisScale;
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

void foldMouseState(const MouseState& mouse, DeviceState& row) {
    row.axes[0] = scaled(mouse.x);
    row.axes[1] = scaled(mouse.y);
    row.axes[2] = scaled(mouse.z);
    for (int i = 0; i < kMouseButtons; ++i) row.buttons[i] = mouse.buttons[i];
    centreHats(row);
}

void centreHats(DeviceState& row) {
    for (uint32_t& pov : row.pov) pov = kPovCentred;
}

}  // namespace tarvik

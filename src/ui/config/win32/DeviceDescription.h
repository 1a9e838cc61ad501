#pragma once
// The configuration window's overview of the devices, taken from the
// device layer's description and capability rows.

#include "input/DeviceState.h"
#include "input/win32/DirectInputTables.h"
#include "ui/config/DeviceOverview.h"

namespace tarvik {

void describeDevices(const DirectInputTables& directInput, const DeviceTable& devices,
                     DeviceOverview& overview);

}  // namespace tarvik

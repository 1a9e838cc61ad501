// Starts the device layer the way the program does, against whatever
// dinput8.dll Wine loads, and prints what it found on one line.

#include <cstdio>
#include <memory>

#include "input/win32/DeviceLayer.h"

int main() {
    using namespace tarvik;
    HWND window = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    auto table = std::make_unique<DeviceTable>();
    auto directInput = std::make_unique<DirectInputTables>();
    int currentBlock = 8;
    const HRESULT result = initDevices(*table, *directInput, window, currentBlock);
    const DIDEVCAPS& caps = directInput->capabilities[0];
    std::printf(
        "result=%ld count=%d name=\"%s\" flags=0x%X axes=%lu buttons=%lu hats=%lu "
        "mouse=\"%s\" mouseFlags=0x%X\n",
        static_cast<long>(result), table->deviceCount, directInput->descriptions[0].tszProductName,
        static_cast<unsigned>(table->capabilityFlags[0]), caps.dwAxes, caps.dwButtons, caps.dwPOVs,
        directInput->descriptions[table->mouseSlot()].tszProductName,
        static_cast<unsigned>(table->capabilityFlags[table->mouseSlot()]));
    releaseDevices(*table, *directInput);
    DestroyWindow(window);
    return 0;
}

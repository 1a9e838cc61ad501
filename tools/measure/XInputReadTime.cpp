// Prints the time of one XInput read as the polling pass makes it (not a
// test): pollJoystick of an XInput pad's slot, through whichever XInput DLL
// the system loads. With the virtual xinput1_4.dll a pad is connected;
// otherwise the figure is that of asking an absent pad.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "VirtualControllerClient.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/XInputLayer.h"

namespace {

double microseconds(LONGLONG ticks, LONGLONG frequency) {
    return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

}  // namespace

int main() {
    vc::VirtualControllerClient::useOwnBlock("TarvikXInputReadTime");
    vc::VirtualControllerClient client;
    if (!client.open()) return 1;
    vc::resetBlock(client.block());
    vc::connectXPad(client.block(), 0).leftTrigger = 200;

    auto table = std::make_unique<tarvik::DeviceTable>();
    auto directInput = std::make_unique<tarvik::DirectInputTables>();
    if (!tarvik::loadXInput(directInput->xinput)) {
        std::puts("no XInput DLL found");
        return 1;
    }
    char path[MAX_PATH] = {};
    GetModuleFileNameA(directInput->xinput.module, path, sizeof path);
    std::printf("XInput DLL: %s\n", path);
    const bool connected = tarvik::takeXInputPads(*table, *directInput) > 0;
    if (!connected) {
        // No pad answered: time the bare call for an absent one instead.
        directInput->xinput.slots.userOfJoystick[0] = 1;
        directInput->xinput.slots.answering = 1;
    }

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    constexpr int kRounds = 50;
    constexpr int kReadsPerRound = 200;
    std::vector<double> perRead;
    for (int round = 0; round < kRounds; ++round) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kReadsPerRound; ++i) {
            if (!connected) directInput->xinput.slots.answering = 1;
            tarvik::pollJoystick(*table, *directInput, 0);
        }
        QueryPerformanceCounter(&end);
        perRead.push_back(microseconds(end.QuadPart - start.QuadPart, frequency.QuadPart) /
                          kReadsPerRound);
    }
    std::sort(perRead.begin(), perRead.end());
    std::printf("one XInput read (%s): median %.2f us, fastest round %.2f us, slowest %.2f us\n",
                connected ? "connected pad" : "absent pad", perRead[kRounds / 2], perRead.front(),
                perRead.back());
    std::printf("slider 0 read: %d\n", static_cast<int>(table->states[0].axes[6]));
    tarvik::releaseXInput(directInput->xinput);
    return 0;
}

#include "shell/win32/DeviceChange.h"

#include <dbt.h>

#include <optional>

#include "engine/win32/MappingPause.h"
#include "input/win32/DeviceLayer.h"

namespace tarvik {

namespace {

// The system sends a burst of device-change messages for one plug or
// unplug; the devices are looked at once, this long after the last one.
constexpr UINT_PTR kDeviceChangeTimer = 1;
constexpr UINT kDeviceChangeSettleMs = 300;
// A pad that XInput has not seated yet, or whose set-up failed in the
// first moment, would otherwise wait for a change that may never come.
// Apart from the ids the controller window's other timers use.
constexpr UINT_PTR kSecondLookTimer = 0x5EC0;
constexpr UINT kSecondLookMs = 2000;

// The HID device interface class; MinGW declares it without a definition.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

HDEVNOTIFY interfaceNotification = nullptr;

void timeTheLooks(HWND window) {
    // Setting a timer again starts its time afresh.
    SetTimer(window, kDeviceChangeTimer, kDeviceChangeSettleMs, nullptr);
    SetTimer(window, kSecondLookTimer, kSecondLookMs, nullptr);
}

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

void registerForDeviceInterfaces(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    interfaceNotification =
        RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void unregisterForDeviceInterfaces() {
    if (interfaceNotification != nullptr) UnregisterDeviceNotification(interfaceNotification);
    interfaceNotification = nullptr;
}

bool deviceChangeAnnounced(HWND window, WPARAM event) {
    if (event != DBT_DEVNODES_CHANGED && event != DBT_DEVICEARRIVAL &&
        event != DBT_DEVICEREMOVECOMPLETE) {
        return false;
    }
    timeTheLooks(window);
    return true;
}

bool isDeviceChangeTimer(WPARAM timer) {
    return timer == kDeviceChangeTimer || timer == kSecondLookTimer;
}

void takeDeviceChange(const TrayControllerContext& tray, HWND window, WPARAM timer) {
    KillTimer(window, timer);
    AppState& state = *tray.state;
    HWND configWindow = reinterpret_cast<HWND>(state.configWindow.load());
    // A dialog of the configuration window works on the device count it
    // was opened with: the devices wait until it has closed.
    if (configWindow != nullptr && !IsWindowEnabled(configWindow)) {
        timeTheLooks(window);
        return;
    }
    const int previousMouseSlot = state.devices.mouseSlot();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    // Main thread only; large, so kept out of the stack.
    static DeviceSurvey survey;
    const bool changing = surveyDevices(state.devices, *tray.directInput, survey);
    DeviceRefresh outcome{};
    {
        // Nothing stays held and nothing is polled while the tables change;
        // a stick, a headset or a phone leaves the mapping undisturbed.
        std::optional<MappingPause> pause;
        if (changing) pause.emplace(state.engine, state.runFlag);
        outcome = applyDeviceSurvey(state.devices, *tray.directInput, window, survey);
    }
    const double ms = millisecondsSince(start);
    char text[160];
    wsprintfA(text,
              "Tarvik: devices enumerated again (%s): %d joysticks, %d new, %d back, %d gone, "
              "%s, %d.%03d ms on the main thread\n",
              outcome.enumerated ? "done" : "failed", static_cast<int>(state.devices.deviceCount),
              outcome.added, outcome.returned, outcome.gone, changing ? "paused" : "not paused",
              static_cast<int>(ms), static_cast<int>((ms - static_cast<int>(ms)) * 1000));
    OutputDebugStringA(text);
    if (changing && configWindow != nullptr) {
        showDevicesAgain(*tray.configWindow, previousMouseSlot);
    }
}

}  // namespace tarvik

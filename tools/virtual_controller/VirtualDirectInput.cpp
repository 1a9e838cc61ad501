#include "VirtualDirectInput.h"

#include "SharedBlock.h"

namespace vc {

namespace {

bool offersControllers(DWORD deviceClass) {
    return deviceClass == DI8DEVCLASS_ALL || deviceClass == DI8DEVCLASS_GAMECTRL ||
           deviceClass == DI8DEVTYPE_JOYSTICK;
}

bool offersMouse(DWORD deviceClass) {
    return deviceClass == DI8DEVCLASS_ALL || deviceClass == DI8DEVCLASS_POINTER ||
           deviceClass == DI8DEVTYPE_MOUSE;
}

}  // namespace

HRESULT VirtualDirectInput::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IDirectInput8A)) {
        AddRef();
        *object = this;
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG VirtualDirectInput::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG VirtualDirectInput::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        ++block_.directInput.released;
        delete this;
    }
    return static_cast<ULONG>(left);
}

int VirtualDirectInput::controllerCount() const {
    return block_.controllerCount > static_cast<uint32_t>(kMaxControllers)
               ? kMaxControllers
               : static_cast<int>(block_.controllerCount);
}

int VirtualDirectInput::controllerIndex(REFGUID instance) const {
    // Only attached controllers answer to their (current) number.
    for (int i = 0; i < controllerCount(); ++i) {
        if (block_.controllers[i].setup.unplugged != 0) continue;
        if (IsEqualGUID(instance, controllerInstance(block_, i))) return i;
    }
    return -1;
}

HRESULT VirtualDirectInput::CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device,
                                         LPUNKNOWN outer) {
    if (device == nullptr) return DIERR_INVALIDPARAM;
    *device = nullptr;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    const bool mouse = IsEqualGUID(instance, GUID_SysMouse);
    const int index = mouse ? -1 : controllerIndex(instance);
    if (!mouse && index < 0) return DIERR_DEVICENOTREG;

    Device& target = mouse ? block_.mouse : block_.controllers[index];
    ++target.calls.createDevice;
    if (target.setup.createDeviceResult != 0) return target.setup.createDeviceResult;
    *device = new VirtualDevice(target, mouse, index);
    return DI_OK;
}

HRESULT VirtualDirectInput::EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback,
                                        LPVOID reference, DWORD flags) {
    DirectInputCalls& calls = block_.directInput;
    ++calls.enumDevices;
    calls.enumDeviceClass = deviceClass;
    calls.enumFlags = flags;
    if (block_.enumDevicesResult != 0) return block_.enumDevicesResult;
    if (callback == nullptr) return DIERR_INVALIDPARAM;

    DIDEVICEINSTANCEA instance{};
    instance.dwSize = sizeof instance;
    if (offersMouse(deviceClass)) {
        describeDevice(block_.mouse, true, -1, instance);
        if (callback(&instance, reference) == DIENUM_STOP) return DI_OK;
    }
    if (offersControllers(deviceClass)) {
        for (int i = 0; i < controllerCount(); ++i) {
            // Only attached controllers are listed, as with DIEDFL_ATTACHEDONLY.
            if (block_.controllers[i].setup.unplugged != 0) continue;
            describeDevice(block_.controllers[i], false, i, instance);
            if (callback(&instance, reference) == DIENUM_STOP) return DI_OK;
        }
    }
    return DI_OK;
}

HRESULT VirtualDirectInput::GetDeviceStatus(REFGUID instance) {
    if (IsEqualGUID(instance, GUID_SysMouse) || controllerIndex(instance) >= 0) return DI_OK;
    return DIERR_DEVICENOTREG;
}

}  // namespace vc

// The one entry point the program imports.
extern "C" HRESULT WINAPI DirectInput8Create(HINSTANCE, DWORD version, REFIID riid, LPVOID* object,
                                             LPUNKNOWN outer) {
    vc::Block& block = vc::sharedBlock();
    ++block.directInput.create;
    block.directInput.version = version;
    if (object == nullptr) return DIERR_INVALIDPARAM;
    *object = nullptr;
    if (block.createResult != 0) return block.createResult;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    if (!IsEqualGUID(riid, IID_IDirectInput8A)) return DIERR_NOINTERFACE;
    *object = static_cast<IDirectInput8A*>(new vc::VirtualDirectInput(block));
    return DI_OK;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return S_FALSE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (object != nullptr) *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

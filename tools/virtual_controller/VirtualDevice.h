#pragma once
// One virtual device, a game controller or the system mouse, as an
// IDirectInputDevice8A. Its set-up, input and scripted failures live in the
// shared block; what the program asks of it is recorded there too.

#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
#include <dinput.h>

#include "VirtualControllerBlock.h"

namespace vc {

// Vendor and product ids of a controller, as DirectInput's product GUID
// holds them: one product per name.
constexpr uint32_t kVendorId = 0x1209;
uint32_t productIds(const Device& device);
// The instance GUID of controller `index` (the mouse uses GUID_SysMouse):
// its number among the attached controllers of its product.
GUID controllerInstance(const Block& block, int index);
// The description DirectInput reports for a device.
void describeDevice(const Device& device, bool mouse, int index, DIDEVICEINSTANCEA& out);

class VirtualDevice final : public IDirectInputDevice8A {
  public:
    VirtualDevice(Device& device, bool mouse, int index)
        : device_(device), mouse_(mouse), index_(index) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetCapabilities(LPDIDEVCAPS caps) override;
    HRESULT STDMETHODCALLTYPE EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID reference,
                                          DWORD flags) override;
    // Only the HID path: it marks the controllers that an XInput pad of the
    // block names as its twin, as the platform marks pads XInput serves.
    HRESULT STDMETHODCALLTYPE GetProperty(REFGUID property, LPDIPROPHEADER header) override;
    HRESULT STDMETHODCALLTYPE SetProperty(REFGUID property, LPCDIPROPHEADER header) override;
    HRESULT STDMETHODCALLTYPE Acquire() override;
    HRESULT STDMETHODCALLTYPE Unacquire() override;
    HRESULT STDMETHODCALLTYPE GetDeviceState(DWORD size, LPVOID data) override;
    HRESULT STDMETHODCALLTYPE GetDeviceData(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE SetDataFormat(LPCDIDATAFORMAT format) override;
    // As the block's reports say: the event set on each report that
    // carries a change, refused, or taken as a polled device's.
    HRESULT STDMETHODCALLTYPE SetEventNotification(HANDLE event) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetObjectInfo(LPDIDEVICEOBJECTINSTANCEA, DWORD, DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetDeviceInfo(LPDIDEVICEINSTANCEA info) override;
    HRESULT STDMETHODCALLTYPE RunControlPanel(HWND, DWORD) override { return DIERR_UNSUPPORTED; }
    HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE, DWORD, REFGUID) override { return DI_OK; }
    HRESULT STDMETHODCALLTYPE CreateEffect(REFGUID, LPCDIEFFECT, LPDIRECTINPUTEFFECT*,
                                           LPUNKNOWN) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE EnumEffects(LPDIENUMEFFECTSCALLBACKA, LPVOID, DWORD) override {
        return DI_OK;
    }
    HRESULT STDMETHODCALLTYPE GetEffectInfo(LPDIEFFECTINFOA, REFGUID) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetForceFeedbackState(LPDWORD) override { return DIERR_UNSUPPORTED; }
    HRESULT STDMETHODCALLTYPE SendForceFeedbackCommand(DWORD) override { return DIERR_UNSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumCreatedEffectObjects(LPDIENUMCREATEDEFFECTOBJECTSCALLBACK, LPVOID,
                                                       DWORD) override {
        return DI_OK;
    }
    HRESULT STDMETHODCALLTYPE Escape(LPDIEFFESCAPE) override { return DIERR_UNSUPPORTED; }
    HRESULT STDMETHODCALLTYPE Poll() override;
    HRESULT STDMETHODCALLTYPE SendDeviceData(DWORD, LPCDIDEVICEOBJECTDATA, LPDWORD,
                                             DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE EnumEffectsInFile(LPCSTR, LPDIENUMEFFECTSINFILECALLBACK, LPVOID,
                                                DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE WriteEffectToFile(LPCSTR, DWORD, LPDIFILEEFFECT, DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE BuildActionMap(LPDIACTIONFORMATA, LPCSTR, DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE SetActionMap(LPDIACTIONFORMATA, LPCSTR, DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetImageInfo(LPDIDEVICEIMAGEINFOHEADERA) override {
        return DIERR_UNSUPPORTED;
    }

  private:
    // The device's objects in enumeration order: axes, hats, buttons.
    struct Object {
        DWORD type;    // DIDFT_* with the instance number
        DWORD offset;  // in the joystick or mouse state
        const GUID* guid;
        int axis;  // state-order axis, or -1
    };
    int objects(Object (&out)[kAxes + kHats + kButtons]) const;
    bool axisPresent(int axis) const;
    HRESULT setRange(const DIPROPRANGE& range);
    void fillJoystick(DIJOYSTATE2& state) const;
    void fillMouse(DIMOUSESTATE2& state);

    LONG references_ = 1;
    Device& device_;
    bool mouse_;
    int index_;
    bool acquired_ = false;
    // A polled device's event, set by a Poll that finds a change.
    HANDLE polledEvent_ = nullptr;
    DeviceInput polledInput_{};
    DataFormat format_ = kNoFormat;
    DWORD stateSize_ = 0;
    // The range every axis reports in until the program sets one.
    LONG rangeMin_[kAxes] = {0, 0, 0, 0, 0, 0, 0, 0};
    LONG rangeMax_[kAxes] = {65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535};
};

}  // namespace vc

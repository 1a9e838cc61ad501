#pragma once
// The virtual IDirectInput8A: enumerates the block's controllers and its
// mouse and creates devices for them.

#include "VirtualDevice.h"

namespace vc {

class VirtualDirectInput final : public IDirectInput8A {
  public:
    explicit VirtualDirectInput(Block& block) : block_(block) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device,
                                           LPUNKNOWN outer) override;
    HRESULT STDMETHODCALLTYPE EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback,
                                          LPVOID reference, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetDeviceStatus(REFGUID instance) override;
    HRESULT STDMETHODCALLTYPE RunControlPanel(HWND, DWORD) override { return DIERR_UNSUPPORTED; }
    HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE, DWORD) override { return DI_OK; }
    HRESULT STDMETHODCALLTYPE FindDevice(REFGUID, LPCSTR, LPGUID) override {
        return DIERR_DEVICENOTREG;
    }
    HRESULT STDMETHODCALLTYPE EnumDevicesBySemantics(LPCSTR, LPDIACTIONFORMATA,
                                                     LPDIENUMDEVICESBYSEMANTICSCBA, LPVOID,
                                                     DWORD) override {
        return DIERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE ConfigureDevices(LPDICONFIGUREDEVICESCALLBACK,
                                               LPDICONFIGUREDEVICESPARAMSA, DWORD,
                                               LPVOID) override {
        return DIERR_UNSUPPORTED;
    }

  private:
    // The controller with this instance GUID, or -1.
    int controllerIndex(REFGUID instance) const;
    int controllerCount() const;

    LONG references_ = 1;
    Block& block_;
};

}  // namespace vc

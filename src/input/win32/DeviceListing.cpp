#include "input/win32/DeviceListing.h"

#include "input/win32/DevicePath.h"
#include "input/win32/FailureReport.h"

namespace tarvik {

namespace {

BOOL CALLBACK listController(LPCDIDEVICEINSTANCEA instance, LPVOID reference) {
    DeviceListing& listing = *static_cast<DeviceListing*>(reference);
    if (listing.count >= kMaxListedPads) return DIENUM_STOP;
    const int i = listing.count++;
    listing.instances[i] = instance->guidInstance;
    listing.descriptions[i] = *instance;
    return DIENUM_CONTINUE;
}

// The path where it can be read; the instance GUID, which identical pads
// may swap, only where it cannot.
void identify(DeviceListing& listing, int i) {
    PadIdentity& identity = listing.identities[i];
    identity.product = listing.descriptions[i].guidProduct.Data1;
    char path[kPadKeyChars];
    if (readDevicePath(listing.devices[i], path, sizeof path) && setPadKey(identity, path)) return;
    char text[39];
    instanceKeyText(listing.instances[i], text);
    setPadKey(identity, text);
}

}  // namespace

HRESULT listControllers(IDirectInput8A* directInput, DeviceListing& listing) {
    listing.count = 0;
    const HRESULT result = directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, listController, &listing,
                                                    DIEDFL_ATTACHEDONLY);
    if (FAILED(result)) {
        listing.count = 0;
        return result;
    }
    for (int i = 0; i < listing.count; ++i) {
        listing.devices[i] = nullptr;
        listing.identities[i] = PadIdentity{};
        const HRESULT created =
            directInput->CreateDevice(listing.instances[i], &listing.devices[i], nullptr);
        if (FAILED(created) || listing.devices[i] == nullptr) {
            // Skipped and counted nothing; the next listing tries again.
            reportFailure("CreateDevice", created);
            listing.devices[i] = nullptr;
            continue;
        }
        identify(listing, i);
    }
    return result;
}

void releaseListing(DeviceListing& listing) {
    for (int i = 0; i < listing.count && i < kMaxListedPads; ++i) {
        if (listing.devices[i] != nullptr) listing.devices[i]->Release();
        listing.devices[i] = nullptr;
    }
    listing.count = 0;
}

}  // namespace tarvik

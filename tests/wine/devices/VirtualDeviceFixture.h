#pragma once
// A fresh device table, fresh DirectInput tables and a freshly reset
// virtual controller block for every test, and a window to hand over.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "VirtualControllerClient.h"
#include "input/win32/DeviceLayer.h"

namespace tarvik::testing {

// The block of this test program, opened once.
inline vc::VirtualControllerClient& virtualController() {
    static vc::VirtualControllerClient* client = [] {
        vc::VirtualControllerClient::useOwnBlock("TarvikDeviceTests");
        auto* c = new vc::VirtualControllerClient;
        if (!c->open()) ADD_FAILURE() << "cannot open the virtual controller block";
        return c;
    }();
    return *client;
}

class VirtualDevices : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        virtualController();
        window = CreateWindowExA(0, "STATIC", "device tests", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(window);
        window = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(window, nullptr);
        vc::resetBlock(block());
    }
    void TearDown() override {
        releaseDevices(*table, *directInput);
        // The program keeps its mouse to the end; a test lets go of it.
        if (directInput->mouse != nullptr) directInput->mouse->Release();
    }

    vc::Block& block() { return virtualController().block(); }
    vc::Device& controller(int index) { return block().controllers[index]; }
    vc::Device& mouse() { return block().mouse; }
    vc::Device& addPad(const char* name, uint32_t axes = vc::Axis::kX | vc::Axis::kY,
                       uint32_t sliders = 0, uint32_t buttons = 12, uint32_t hats = 1) {
        return vc::addController(block(), name, axes, sliders, buttons, hats);
    }
    void addPads(int count) {
        for (int i = 0; i < count; ++i) addPad(("Pad " + std::to_string(i)).c_str());
    }

    HRESULT init() { return initDevices(*table, *directInput, window, currentBlock); }
    std::string productName(int slot) const {
        return directInput->descriptions[slot].tszProductName;
    }

    static inline HWND window = nullptr;
    std::unique_ptr<DeviceTable> table = std::make_unique<DeviceTable>();
    std::unique_ptr<DirectInputTables> directInput = std::make_unique<DirectInputTables>();
    int currentBlock = 8;  // the selection state's initial value
};

}  // namespace tarvik::testing

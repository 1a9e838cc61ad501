#pragma once
// Opens the virtual controller's shared block from a test or a script and
// sets the devices' state. Header-only; Windows only.

#include <windows.h>
#include <dbt.h>

#include <cstdio>

#include "VirtualControllerBlock.h"

namespace vc {

class VirtualControllerClient {
  public:
    VirtualControllerClient() = default;
    VirtualControllerClient(const VirtualControllerClient&) = delete;
    VirtualControllerClient& operator=(const VirtualControllerClient&) = delete;
    ~VirtualControllerClient() { close(); }

    // Gives this process (and the programs it starts) a block of its own
    // name, so that parallel test programs do not share one.
    static void useOwnBlock(const char* prefix) {
        char name[96];
        std::snprintf(name, sizeof name, "%s-%lu", prefix,
                      static_cast<unsigned long>(GetCurrentProcessId()));
        SetEnvironmentVariableA(kNameVariable, name);
    }

    // Opens the block the environment names, creating it with the demo
    // device when nobody has yet. False when the system refuses.
    bool open() {
        close();
        char name[128];
        const DWORD length = GetEnvironmentVariableA(kNameVariable, name, sizeof name);
        if (length == 0 || length >= sizeof name) lstrcpynA(name, kDefaultName, sizeof name);
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(Block), name);
        if (mapping_ == nullptr) return false;
        block_ =
            static_cast<Block*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Block)));
        if (block_ == nullptr) {
            close();
            return false;
        }
        if (block_->magic != kMagic) fillDemo(*block_);
        char changedName[160];
        std::snprintf(changedName, sizeof changedName, "%s%s", name, kChangedSuffix);
        changed_ = CreateEventA(nullptr, FALSE, FALSE, changedName);
        return true;
    }

    void close() {
        if (block_ != nullptr) UnmapViewOfFile(block_);
        if (mapping_ != nullptr) CloseHandle(mapping_);
        if (changed_ != nullptr) CloseHandle(changed_);
        block_ = nullptr;
        mapping_ = nullptr;
        changed_ = nullptr;
    }

    Block& block() { return *block_; }
    Device& controller(int index) { return block_->controllers[index]; }
    Device& mouse() { return block_->mouse; }

    // Buttons and hats count from 0; `pressed` sets the 0x80 bit.
    void setButton(int controller, int button, bool pressed) {
        if (!validController(controller) || button < 0 || button >= kButtons) return;
        block_->controllers[controller].input.buttons[button] = pressed ? 0x80 : 0;
        changed(controller);
    }
    // `axis` in state order (0 X .. 5 Rz, 6 and 7 the sliders); position
    // -1000 .. +1000.
    void setAxis(int controller, int axis, int32_t position) {
        if (!validController(controller) || axis < 0 || axis >= kAxes) return;
        block_->controllers[controller].input.axes[axis] = position;
        changed(controller);
    }
    // Hundredths of a degree clockwise from north, or kHatCentred.
    void setHat(int controller, int hat, uint32_t hundredths) {
        if (!validController(controller) || hat < 0 || hat >= kHats) return;
        block_->controllers[controller].input.hats[hat] = hundredths;
        changed(controller);
    }
    // Adds motion that the next read of the mouse takes.
    void moveMouse(int32_t dx, int32_t dy, int32_t wheel) {
        addMotion(block_->mouse.input.mouseMotion[0], dx);
        addMotion(block_->mouse.input.mouseMotion[1], dy);
        addMotion(block_->mouse.input.mouseMotion[2], wheel);
    }
    void setMouseButton(int button, bool pressed) {
        if (button < 0 || button >= kMouseButtons) return;
        block_->mouse.input.buttons[button] = pressed ? 0x80 : 0;
    }

    // Plugs controller `index` in again, or a new one when `index` is the
    // next free place; a new one is of the demo kind.
    bool plug(int index, const char* name = nullptr) {
        if (index < 0 || index >= kMaxControllers) return false;
        if (static_cast<uint32_t>(index) < block_->controllerCount) {
            block_->controllers[index].setup.unplugged = 0;
            return true;
        }
        if (static_cast<uint32_t>(index) != block_->controllerCount) return false;
        char fallback[64];
        std::snprintf(fallback, sizeof fallback, "Tarvik virtual controller %d", index + 1);
        addController(*block_, name != nullptr ? name : fallback, Axis::kX | Axis::kY | Axis::kZ, 1,
                      12, 1);
        return true;
    }
    // The controller stays in the block but is no longer listed, and its
    // interfaces report DIERR_UNPLUGGED.
    bool unplug(int index) {
        if (index < 0 || static_cast<uint32_t>(index) >= block_->controllerCount) return false;
        block_->controllers[index].setup.unplugged = 1;
        return true;
    }

    // What the system sends every top-level window when devices come or go.
    static void announceDeviceChange() {
        SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0,
                            SMTO_ABORTIFHUNG, 2000, nullptr);
    }

    // Tells the controllers' reporting that controller `index` changed,
    // for changes written into the block directly; the setters above do.
    void changed(int index) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        block_->reports[index].changedAt = now.QuadPart;
        if (changed_ != nullptr) SetEvent(changed_);
    }

  private:
    bool validController(int index) const { return index >= 0 && index < kMaxControllers; }

    HANDLE mapping_ = nullptr;
    HANDLE changed_ = nullptr;
    Block* block_ = nullptr;
};

}  // namespace vc

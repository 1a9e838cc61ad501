#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/ActionExecution.h"
#include "engine/ControlEvaluation.h"
#include "engine/HeldInput.h"
#include "platform/ForwardingPlatform.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingEngineWindows.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingExecutor.h"
#include "fakes/RecordingPlatform.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

// Mapping through the tracker as the polling thread does it, then the
// release at its end.
class HeldInputRelease : public ::testing::Test, protected testing::RecordAndOneJoystick {
  protected:
    std::unique_ptr<FunctionKeyTable> functionKeys = std::make_unique<FunctionKeyTable>();
    EngineState engine;
    testing::RecordingPlatform platform;
    HeldInputTracker tracker{platform, engine.heldInput};
    ForwardingPlatform tracked{platform, tracker};
    SyntheticInput input{tracked, engine, *devices};
    testing::RecordingEngineWindows windows{platform.log, *functionKeys};
    ActionExecution actions{
        ActionContext{input, engine, *functionKeys, *devices, tracked, windows}};
    testing::RecordingDeviceSource source;
    EvaluationContext evaluation{*config, *devices, source, actions};

    void SetUp() override {
        config->header.shiftButton = 32;
        platform.recordSleeps = false;
    }
    void keys(ControlEntry& e, std::initializer_list<uint16_t> virtualKeys, uint8_t sendKeys = 1) {
        e.sendKeys = sendKeys;
        int i = 0;
        for (uint16_t vk : virtualKeys) {
            e.keyText[i] = 'k';
            e.keyCodes[i] = vk;
            e.scanCodes[i] = static_cast<uint16_t>(vk & 0x7F);
            ++i;
        }
    }
    void mouse(ControlEntry& e, uint8_t code, uint8_t toggleLock = 0) {
        e.mouseAction = 1;
        e.mouseActionCode = code;
        e.toggleLock = toggleLock;
    }
    void evaluate() { evaluateBlock(evaluation, 0); }
    Log releaseAll() {
        platform.log.clear();
        releaseHeldInput(engine.heldInput, platform);
        Log out;
        out.swap(platform.log);
        return out;
    }
    DeviceState& pad() { return devices->states[0]; }
    LayerBlock& block() { return config->blocks[0]; }
};

TEST_F(HeldInputRelease, HeldButtonAxisAndHatEntriesAreLetGo) {
    keys(block().entries[1], {0x41, 0x42});
    keys(block().entries[EntryIndex::axis(0, 0)], {0x43});  // X+ at the first level
    keys(block().entries[EntryIndex::pov(0, 2)], {0x44});   // hat 0 east
    pad().buttons[0] = kButtonPressed;
    pad().axes[0] = 300;
    pad().pov[0] = 9000;
    evaluate();
    EXPECT_EQ(releaseAll(), (Log{"key vk=41 scan=41 flags=2", "key vk=42 scan=42 flags=2",
                                 "key vk=43 scan=43 flags=2", "key vk=44 scan=44 flags=2"}));
    // Nothing is held twice.
    EXPECT_EQ(releaseAll(), Log{});
}

TEST_F(HeldInputRelease, ReleasedControlsLeaveNothingToLetGo) {
    keys(block().entries[1], {0x41});
    block().entries[2].autoRelease = 1;
    keys(block().entries[2], {0x42});
    pad().buttons[0] = kButtonPressed;
    pad().buttons[1] = kButtonPressed;
    evaluate();
    pad().buttons[0] = 0;
    evaluate();
    EXPECT_EQ(releaseAll(), Log{});
}

TEST_F(HeldInputRelease, KeysThatOnlyEverGoDownAreLetGo) {
    // sendKeys other than 1 sends no key-ups on release.
    keys(block().entries[1], {0x41}, 2);
    pad().buttons[0] = kButtonPressed;
    evaluate();
    pad().buttons[0] = 0;
    evaluate();
    EXPECT_EQ(releaseAll(), Log{"key vk=41 scan=41 flags=2"});
}

TEST_F(HeldInputRelease, ModifiersGoUpAfterTheKeysTheyModify) {
    ControlEntry& e = block().entries[1];
    keys(e, {0x41});
    e.withShift = 1;
    e.withCtrl = 1;
    pad().buttons[0] = kButtonPressed;
    evaluate();
    EXPECT_EQ(releaseAll(), (Log{"key vk=41 scan=41 flags=2", "key vk=10 scan=2A flags=2",
                                 "key vk=11 scan=1D flags=2"}));
}

TEST_F(HeldInputRelease, LeftAndRightKeysOfOneModifierAreBothLetGo) {
    ControlEntry& e = block().entries[1];
    keys(e, {0x41});
    e.withShift = 1;  // the left SHIFT, scan 2A
    ControlEntry& right = block().entries[2];
    keys(right, {0x10, 0x11});
    right.scanCodes[0] = 0x36;   // right SHIFT
    right.scanCodes[1] = 0x11D;  // right CTRL, extended
    pad().buttons[0] = kButtonPressed;
    pad().buttons[1] = kButtonPressed;
    evaluate();
    EXPECT_EQ(releaseAll(), (Log{"key vk=41 scan=41 flags=2", "key vk=10 scan=2A flags=2",
                                 "key vk=10 scan=36 flags=2", "key vk=11 scan=1D flags=3"}));
}

TEST_F(HeldInputRelease, ExtendedKeysAreLetGoAsExtended) {
    ControlEntry& e = block().entries[1];
    keys(e, {0x25});
    e.scanCodes[0] = 0x14B;  // left arrow, extended
    pad().buttons[0] = kButtonPressed;
    evaluate();
    EXPECT_EQ(releaseAll(), Log{"key vk=25 scan=4B flags=3"});
}

TEST_F(HeldInputRelease, KeysPressedByScanCodeAreLetGoByScanCode) {
    keys(block().entries[1], {0x25});
    block().entries[1].scanCodes[0] = 0x14B;
    keys(block().entries[2], {0x42});
    pad().buttons[0] = kButtonPressed;
    evaluate();
    engine.sendScanCodes = 1;
    pad().buttons[1] = kButtonPressed;
    evaluate();
    // Switching back meanwhile does not change how the held key comes up.
    engine.sendScanCodes = 0;
    EXPECT_EQ(releaseAll(), (Log{"key vk=25 scan=4B flags=3", "key vk=42 scan=42 flags=10"}));
}

// An elevated window in front refuses the releases: they go again until
// taken, once, and a new press of the key supersedes its refused release.
TEST_F(HeldInputRelease, RefusedReleasesGoAgainUntilTaken) {
    keys(block().entries[1], {0x41});
    mouse(block().entries[2], kLeftButtonDown);
    pad().buttons[0] = kButtonPressed;
    pad().buttons[1] = kButtonPressed;
    evaluate();
    platform.refuseInput = true;
    EXPECT_EQ(releaseAll(),
              (Log{"refused key vk=41 scan=41 flags=2", "refused mouse flags=4 dx=0 dy=0 data=0"}));
    platform.log.clear();
    retryRefusedReleases(engine.heldInput, tracked);
    EXPECT_EQ(platform.log.size(), 2u);

    platform.refuseInput = false;
    platform.log.clear();
    retryRefusedReleases(engine.heldInput, tracked);
    EXPECT_EQ(platform.log, (Log{"key vk=41 scan=41 flags=2", "mouse flags=4 dx=0 dy=0 data=0"}));
    platform.log.clear();
    retryRefusedReleases(engine.heldInput, tracked);
    EXPECT_EQ(releaseAll(), Log{});
    EXPECT_EQ(platform.log, Log{});

    // Refused on the control's own release, then pressed again.
    platform.refuseInput = true;
    pad().buttons[0] = 0;
    evaluate();
    platform.refuseInput = false;
    pad().buttons[0] = kButtonPressed;
    evaluate();
    platform.log.clear();
    retryRefusedReleases(engine.heldInput, tracked);
    EXPECT_EQ(platform.log, Log{});
}

TEST_F(HeldInputRelease, LatchedAndHeldMouseButtonsAreLetGo) {
    mouse(block().entries[1], kLeftClick, 1);     // latch: first click holds
    mouse(block().entries[2], kRightButtonDown);  // down while held
    mouse(block().entries[3], kMiddleClick);      // a plain click holds nothing
    for (int b : {0, 1, 2}) pad().buttons[b] = kButtonPressed;
    evaluate();
    pad().buttons[0] = 0;
    pad().buttons[2] = 0;
    evaluate();
    EXPECT_EQ(releaseAll(),
              (Log{"mouse flags=4 dx=0 dy=0 data=0", "mouse flags=10 dx=0 dy=0 data=0"}));

    // The latch's second click lets go by itself.
    pad().buttons[0] = kButtonPressed;
    pad().buttons[1] = 0;
    evaluate();
    pad().buttons[0] = 0;
    evaluate();
    EXPECT_EQ(releaseAll(), Log{});
}

}  // namespace
}  // namespace tarvik

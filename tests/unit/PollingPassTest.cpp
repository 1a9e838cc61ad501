#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/ActionExecution.h"
#include "engine/PollingPass.h"
#include "engine/StoppablePlatform.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingEngineWindows.h"
#include "fakes/RecordingExecutor.h"
#include "fakes/RecordingPlatform.h"
#include "platform/ForwardingPlatform.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

// A wait in milliseconds, its fraction only when it has one.
std::string waitText(uint32_t us) {
    std::string text = std::to_string(us / 1000);
    if (us % 1000 != 0) text += "." + std::to_string(1000 + us % 1000).substr(1);
    return text;
}

// Every poll, action, wait and drawing goes into the platform's log, so the
// order of one pass reads as one sequence.
class LoggingHost : public PollingHost {
  public:
    explicit LoggingHost(Log& log) : log_(log) {}
    WaitEnd waitForTrigger(uint32_t us, bool) override {
        log_.push_back("wait " + waitText(us));
        return WaitEnd::kTimeout;
    }
    uint64_t nowUs() override { return 0; }
    void dispatchWindowMessages() override { log_.push_back("dispatch"); }
    void waitWhilePaused(uint32_t ms) override { log_.push_back("paused " + std::to_string(ms)); }

  private:
    Log& log_;
};

// A clock that the waits move on and devices that report at set moments.
// A report changes the device rows when its moment comes; like the
// system's event, its signal stays until a wait that listens takes it.
class ReportingHost : public PollingHost {
  public:
    ReportingHost(Log& log, DeviceTable& devices) : log_(log), devices_(devices) {}
    uint64_t now = 0;
    void report(uint64_t atUs, void (*change)(DeviceTable&)) { reports_.push_back({atUs, change}); }

    WaitEnd waitForTrigger(uint32_t us, bool deviceWakes) override {
        log_.push_back("wait " + waitText(us) + (deviceWakes ? " or report" : ""));
        const uint64_t until = now + us;
        while (next_ < reports_.size() && reports_[next_].atUs <= until) {
            if (!signalled_) at_ = std::max(now, reports_[next_].atUs);
            reports_[next_++].change(devices_);
            signalled_ = true;
            if (deviceWakes) break;
        }
        if (deviceWakes && signalled_) {
            signalled_ = false;
            now = std::max(now, at_);
            return WaitEnd::kDevice;
        }
        now = until;
        return WaitEnd::kTimeout;
    }
    uint64_t nowUs() override { return now; }
    void dispatchWindowMessages() override {}
    void waitWhilePaused(uint32_t) override {}

  private:
    struct Report {
        uint64_t atUs;
        void (*change)(DeviceTable&);
    };
    Log& log_;
    DeviceTable& devices_;
    std::vector<Report> reports_;
    size_t next_ = 0;
    bool signalled_ = false;
    uint64_t at_ = 0;
};

class LoggingViews : public TextInputView, public FunctionKeySelectorView {
  public:
    explicit LoggingViews(Log& log) : log_(log) {}
    void invertHighlight(int column, int row) override {
        log_.push_back("invert " + std::to_string(column) + "," + std::to_string(row));
    }
    void drawEchoBox(const uint8_t (&)[kEchoLength]) override { log_.push_back("echo"); }
    void destroyWindow() override { log_.push_back("destroy"); }
    void setCaption(const char* label) override { log_.push_back(std::string("caption ") + label); }

  private:
    Log& log_;
};

// The real engine behind the pass: evaluation, actions and synthetic input
// into a recording platform; only the devices and the windows are fakes.
class PollingPass : public ::testing::Test {
  protected:
    std::unique_ptr<SharedState> app = std::make_unique<SharedState>();
    testing::RecordingPlatform platform;
    Log& log = platform.log;
    testing::RecordingDeviceSource source{log, "poll ", "poll mouse"};
    LoggingHost host{log};
    LoggingViews views{log};
    NullLearningView learningView;
    HeldInputTracker tracker{platform, app->engine.heldInput};
    ForwardingPlatform tracked{platform, tracker};
    SyntheticInput input{tracked, app->engine, app->devices};
    testing::RecordingEngineWindows windows{log, app->functionKeys};
    ActionExecution actions{
        ActionContext{input, app->engine, app->functionKeys, app->devices, platform, windows}};
    testing::RecordingExecutor loggingExecutor{log, app->config};

    void SetUp() override {
        writeRecordDefaults(app->config);
        recomputeThresholds(app->config);
        fillFunctionKeyTable(app->functionKeys, platform);
        setJoysticks(1);
        noShiftButton();
        platform.recordSleeps = true;
    }
    void setJoysticks(int count) {
        app->devices.deviceCount = count;
        app->devices.lastDeviceIndex = count - 1;
        for (DeviceState& state : app->devices.states) {
            for (uint32_t& pov : state.pov) pov = kPovCentred;
        }
    }
    void noShiftButton() { app->config.header.shiftButton = 32; }
    void setShift(uint32_t device, uint32_t button) {
        app->config.header.shiftDevice = device;
        app->config.header.shiftButton = button;
    }
    void press(int slot, int button, bool down = true) {
        app->devices.states[slot].buttons[button] = down ? kButtonPressed : 0;
    }
    ControlEntry& entry(int block, int index) { return app->config.blocks[block].entries[index]; }
    void typeKey(ControlEntry& e, uint16_t virtualKey) {
        e.sendKeys = 1;
        e.keyText[0] = 'k';
        e.keyCodes[0] = virtualKey;
        e.scanCodes[0] = 0x10;
    }

    ReportingHost reporting{log, app->devices};

    // One pass; returns what it did and clears the log.
    Log pass(bool realActions = false) { return passWith(host, realActions); }
    // One pass whose waits the devices' reports may end.
    Log reportedPass() { return passWith(reporting, false); }
    Log passWith(PollingHost& withHost, bool realActions) {
        PollingContext context{
            *app,
            source,
            realActions ? static_cast<ActionExecutor&>(actions) : loggingExecutor,
            input,
            platform,
            views,
            views,
            learningView,
            withHost};
        pollingPass(context);
        Log out;
        out.swap(log);
        return out;
    }
    static Log only(const Log& all, const std::string& prefix) {
        Log out;
        for (const std::string& line : all) {
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        }
        return out;
    }
    static Log actionsOf(const Log& all) {
        Log out;
        for (const std::string& line : all) {
            if (line.rfind("press", 0) == 0 || line.rfind("release", 0) == 0) out.push_back(line);
        }
        return out;
    }
};

TEST_F(PollingPass, MappingPassWaitsPollsAndEvaluatesEachDeviceFollowedByTheMouse) {
    setJoysticks(2);
    setShift(0, 5);
    EXPECT_EQ(pass(),
              (Log{"wait 10", "poll 0", "poll mouse", "poll 0", "poll 4", "poll 2", "poll 4"}));
}

TEST_F(PollingPass, HeldShiftButtonShiftsEveryGameDeviceButNeverTheMouse) {
    setJoysticks(2);
    setShift(0, 5);
    press(0, 0);
    press(2, 0);
    press(4, 1);
    press(0, 5);  // the shift button
    // Both joysticks are read into their even slots, the shifted blocks
    // evaluate from the odd ones.
    press(1, 0);
    press(3, 0);
    EXPECT_EQ(actionsOf(pass()), (Log{"press 1:1", "press 4:2", "press 3:1"}));

    press(0, 5, false);
    EXPECT_EQ(actionsOf(pass()), (Log{"press 0:1", "press 2:1"}));
}

TEST_F(PollingPass, ShiftDecisionIsReadOnceBeforeTheFirstDevice) {
    setJoysticks(2);
    setShift(1, 3);  // on the second joystick
    press(2, 3);
    press(1, 0);
    press(3, 0);
    // Evaluating block 3 clears the shift button in its own row; the pass
    // stays shifted anyway.
    EXPECT_EQ(actionsOf(pass()), (Log{"press 1:1", "press 3:1"}));
    EXPECT_EQ(app->devices.states[3].buttons[3], 0);
}

TEST_F(PollingPass, MouseButtonCanBeTheShiftButton) {
    setShift(1, 2);  // device 1 is the mouse with one joystick
    press(2, 2);
    press(1, 7);
    // Like any shift button it fires nothing of its own.
    EXPECT_EQ(actionsOf(pass()), Log{"press 1:8"});
}

TEST_F(PollingPass, ShiftSettingOutsideTheTablesIsNeverReadAndNeverShifts) {
    setJoysticks(2);
    for (const auto& [device, button] :
         {std::pair{7u, 0u}, {9u, 3u}, {0u, 32u}, {0u, 200u}, {0xFFFFFFFFu, 0xFFFFFFFFu}}) {
        setShift(device, button);
        press(0, 0);
        const Log done = pass();
        EXPECT_EQ(only(done, "poll"), (Log{"poll mouse", "poll 0", "poll 4", "poll 2", "poll 4"}));
        EXPECT_EQ(actionsOf(done), Log{"press 0:1"});
        press(0, 0, false);
        pass();
    }
}

TEST_F(PollingPass, AutoRepeatMouseEntryFiresOncePerGameDevice) {
    app->config.blocks[2].entries[1].autoRepeat = 1;
    press(2, 0);
    EXPECT_EQ(actionsOf(pass()), Log{"press 2:1"});
    press(2, 0, false);
    pass();

    setJoysticks(2);
    app->config.blocks[4].entries[1].autoRepeat = 1;
    press(4, 0);
    EXPECT_EQ(actionsOf(pass()), (Log{"press 4:1", "press 4:1"}));
}

// Waiting for a first pad, the mouse maps from the block it has with one,
// never from the first pad's.
TEST_F(PollingPass, WithoutAJoystickTheMouseIsEvaluatedOnceFromBlockTwo) {
    setJoysticks(0);
    app->config.blocks[0].entries[1].autoRepeat = 1;
    app->config.blocks[2].entries[1].autoRepeat = 1;
    press(2, 0);
    EXPECT_EQ(actionsOf(pass()), Log{"press 2:1"});
}

TEST_F(PollingPass, OpenConfigurationWindowIdlesAndMappingCatchesUpAfterwards) {
    press(0, 0);
    EXPECT_EQ(actionsOf(pass()), Log{"press 0:1"});

    app->configWindow = 0x1234;
    press(0, 0, false);  // let go while the window is open
    press(0, 1);         // pressed while it is open
    EXPECT_EQ(pass(), (Log{"sleep 200"}));
    EXPECT_EQ(pass(), (Log{"sleep 200"}));

    app->configWindow = kNoWindow;
    EXPECT_EQ(actionsOf(pass()), (Log{"release 0:1", "press 0:2"}));
}

TEST_F(PollingPass, WindowThatStopsTheMappingLetsGoOfWhatItHeld) {
    typeKey(entry(0, 1), 0x41);
    press(0, 0);
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=0"});

    app->configWindow = 0x1234;
    EXPECT_EQ(pass(true), (Log{"key vk=41 scan=10 flags=2", "sleep 200"}));
    EXPECT_EQ(pass(true), Log{"sleep 200"});
    // The block still remembers the button: let go meanwhile, it gets its
    // release, a key-up of a key already up.
    press(0, 0, false);
    app->configWindow = kNoWindow;
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=2"});
}

TEST_F(PollingPass, PauseLetsGoOfEverythingAndEvaluatesNothingUntilWithdrawn) {
    typeKey(entry(0, 1), 0x41);
    app->config.blocks[0].entries[2].mouseAction = 1;
    app->config.blocks[0].entries[2].mouseActionCode = kLeftClick;
    app->config.blocks[0].entries[2].toggleLock = 1;
    press(0, 0);
    press(0, 1);
    pass(true);
    press(0, 1, false);  // the latch holds the left button from here
    pass(true);

    app->engine.pauseRequests = 1;
    EXPECT_EQ(pass(true),
              (Log{"key vk=41 scan=10 flags=2", "mouse flags=4 dx=0 dy=0 data=0", "paused 50"}));
    EXPECT_EQ(app->engine.paused.load(), 1);
    press(0, 2);
    EXPECT_EQ(pass(true), Log{"paused 50"});

    // The latch starts afresh: its next click holds again.
    app->engine.pauseRequests = 0;
    press(0, 2, false);
    press(0, 1);
    pass(true);
    press(0, 1, false);
    EXPECT_EQ(only(pass(true), "mouse"), Log{"mouse flags=2 dx=0 dy=0 data=0"});
}

TEST_F(PollingPass, HeldStickCarriesItsFractionFromPassToPassUntilLetGoOrPaused) {
    // X+ at level 0 moves right by 8 × 200 × 10 / 2000 = 8 units a pass at
    // 200, and 0.8 at 20, which fires at a 1 % threshold.
    app->config.blocks[0].directionPercent[0][0] = 1;
    recomputeThresholds(app->config);
    ControlEntry& right = entry(0, EntryIndex::axis(0, 0));
    right.mouseAction = 1;
    right.mouseActionCode = kMoveRight;
    right.dynamicStep = 1;
    right.autoRepeat = 1;
    auto movesOver = [&](int passes) {
        std::string moves;
        for (int i = 0; i < passes; ++i) {
            platform.nowMs += 10;
            for (const std::string& line : only(pass(true), "mouse")) {
                const size_t dx = line.find("dx=");
                moves += line.substr(dx, line.find(' ', dx) - dx) + " ";
            }
        }
        return moves;
    };
    app->devices.states[0].axes[0] = 20;
    EXPECT_EQ(movesOver(5), "dx=0 dx=1 dx=1 dx=1 dx=1 ");
    // Let go and pushed again: the fraction starts from nothing.
    app->devices.states[0].axes[0] = 0;
    movesOver(1);
    app->devices.states[0].axes[0] = 20;
    EXPECT_EQ(movesOver(2), "dx=0 dx=1 ");
    // So after a pause; a stall catches up four passes at most.
    app->engine.pauseRequests = 1;
    pass(true);
    app->engine.pauseRequests = 0;
    EXPECT_EQ(movesOver(1), "dx=0 ");
    platform.nowMs += 990;
    EXPECT_EQ(movesOver(1), "dx=4 ");
}

TEST_F(PollingPass, HeldKeyRepeatsInThePassByItsScanCodeAndComesUpOnce) {
    typeKey(entry(0, 1), 0x41);
    app->engine.sendScanCodes = 1;
    press(0, 0);
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=8"});
    platform.nowMs = 500;
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=8"});
    platform.nowMs = 533;
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=8"});

    // Stopping the mapping lets go of the key once and ends its repeat.
    app->engine.pauseRequests = 1;
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=10"});
    app->engine.pauseRequests = 0;
    platform.nowMs = 2000;
    EXPECT_EQ(only(pass(true), "key"), Log{});
}

// The release of a control pressed unshifted lies in a block a shifted
// pass does not evaluate: the repeat must not outlast it.
TEST_F(PollingPass, RepeatGoesWithoutTheEntrysDelayAndEndsWhenTheShiftStateChanges) {
    setShift(0, 5);
    typeKey(entry(0, 1), 0x08);
    entry(0, 1).delayMs = 300;
    press(0, 0);
    pass(true);
    platform.nowMs = 500;
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=08 scan=10 flags=0"});
    platform.nowMs = 533;
    EXPECT_EQ(only(pass(true), "sleep"), Log{"sleep 2"});

    press(0, 5);
    press(0, 0, false);
    for (uint32_t now : {566u, 600u, 900u}) {
        platform.nowMs = now;
        EXPECT_EQ(only(pass(true), "key"), Log{});
    }
    // The key itself comes up on the control's real release, as before.
    press(0, 5, false);
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=08 scan=10 flags=2"});
}

// The polling thread's own chain: its platform cut short by a pause. The
// user-interface thread asks for the pause 2.5 s into a 10-second sequence.
TEST_F(PollingPass, PauseAskedDuringALongSequenceTakesHoldBeforeItEnds) {
    class PausingLater : public ForwardingPlatform {
      public:
        PausingLater(Platform& inner, std::atomic<int32_t>& requests)
            : ForwardingPlatform(inner), requests_(requests) {}
        uint32_t slept = 0;
        void sleepMs(uint32_t ms) override {
            inner().sleepMs(ms);
            if ((slept += ms) >= 2500) requests_ = 1;
        }

      private:
        std::atomic<int32_t>& requests_;
    } pausing{platform, app->engine.pauseRequests};
    app->runFlag = 1;
    StoppablePlatform stoppable{pausing, tracker, app->runFlag, app->engine.pauseRequests};
    SyntheticInput cutInput{stoppable, app->engine, app->devices};
    ActionExecution cutActions{
        ActionContext{cutInput, app->engine, app->functionKeys, app->devices, stoppable, windows}};
    PollingContext context{*app,  source, cutActions,   cutInput, stoppable,
                           views, views,  learningView, host};
    ControlEntry& e = entry(0, 1);
    typeKey(e, 0x41);
    for (int i = 0; i < 10; ++i) {
        e.keyText[i] = 'k';
        e.keyCodes[i] = static_cast<uint16_t>(0x41 + i);
        e.scanCodes[i] = 0x10;
    }
    e.delayMs = 1000;
    press(0, 0);
    platform.recordSleeps = false;

    pollingPass(context);
    EXPECT_EQ(only(log, "key"), (Log{"key vk=41 scan=10 flags=0", "key vk=42 scan=10 flags=0",
                                     "key vk=43 scan=10 flags=0"}));
    EXPECT_LT(pausing.slept, 2600u);
    log.clear();
    pollingPass(context);
    EXPECT_EQ(app->engine.paused.load(), 1);
    EXPECT_EQ(log, (Log{"key vk=41 scan=10 flags=2", "key vk=42 scan=10 flags=2",
                        "key vk=43 scan=10 flags=2", "paused 50"}));
}

TEST_F(PollingPass, RunStopsAtTheEndOfThePassThatSeesTheFlagCleared) {
    class StoppingHost : public PollingHost {
      public:
        explicit StoppingHost(SharedState& app) : app_(app) {}
        int passes = 0;
        WaitEnd waitForTrigger(uint32_t, bool) override {
            if (++passes == 3) app_.runFlag = 0;
            return WaitEnd::kTimeout;
        }
        uint64_t nowUs() override { return 0; }
        void dispatchWindowMessages() override {}
        void waitWhilePaused(uint32_t) override {}

      private:
        SharedState& app_;
    } stopping{*app};
    PollingContext context{*app,  source, loggingExecutor, input,   platform,
                           views, views,  learningView,    stopping};
    app->runFlag = 1;
    runPolling(context);
    EXPECT_EQ(stopping.passes, 3);
    EXPECT_EQ(std::count(log.begin(), log.end(), "poll mouse"), 3);
}

TEST_F(PollingPass, FunctionKeySelectorTypesTheThirdKeyAboutHalfASecondAfterThreePresses) {
    entry(0, 1).fSelect = 1;
    Log all;
    for (int i = 0; i < 3; ++i) {
        press(0, 0);
        for (const std::string& l : pass(true)) all.push_back(l);
        press(0, 0, false);
        if (i < 2) {
            for (const std::string& l : pass(true)) all.push_back(l);
        }
    }
    EXPECT_EQ(only(all, "open"), Log{"open JoyF row=1"});
    EXPECT_EQ(app->functionKeys.fSelectIndex, 3);
    EXPECT_EQ(only(all, "key"), Log{});

    // Each pass counts down once and pauses 100 ms; the fifth after the last
    // press closes it.
    platform.totalSleptMs = 0;
    Log closing;
    int passes = 0;
    while (app->engine.fSelectWindow != kNoWindow && passes < 20) {
        closing = pass(true);
        ++passes;
    }
    EXPECT_EQ(passes, 5);
    EXPECT_GE(platform.totalSleptMs, 500u);
    EXPECT_EQ(only(closing, "destroy").size(), 1u);
    EXPECT_EQ(only(closing, "key"),
              (Log{"key vk=72 scan=3D flags=0", "key vk=72 scan=3D flags=2"}));
    // Mapping goes on in the same passes.
    EXPECT_EQ(only(closing, "wait"), Log{"wait 10"});
}

TEST_F(PollingPass, OpenTextInputWindowIsServedInsteadOfMappingUntilItsExit) {
    entry(0, 1).openStringInput = 1;
    typeKey(entry(0, 2), 0x42);
    typeKey(entry(0, 3), 0x41);
    app->config.blocks[0].learnMask = LearnMask::kButtons;
    press(0, 0);
    EXPECT_EQ(only(pass(true), "open"), Log{"open JoyString"});
    EXPECT_EQ(app->engine.stringWindow, windows.textInputHandle);
    EXPECT_EQ(app->engine.stringBlock, 0);

    // While it is open, button 2 drives the grid instead of typing its key.
    press(0, 0, false);
    app->engine.textInput.cursorColumn = 1;
    app->engine.textInput.cursorRow = 4;  // 'A'
    press(0, 1);
    Log typed = pass(true);
    EXPECT_EQ(only(typed, "echo"), Log{"echo"});
    EXPECT_EQ(only(typed, "wait"), Log{});
    EXPECT_EQ(only(typed, "sleep").back(), "sleep 200");
    press(0, 1, false);
    pass(true);

    app->engine.textInput.cursorRow = kExitRow;
    press(0, 2);  // another button: a held or repeated one is no new control
    const Log exit = pass(true);
    EXPECT_EQ(only(exit, "destroy").size(), 1u);
    EXPECT_EQ(app->engine.stringWindow, kNoWindow);
    // The closing pass maps at once, but the exit button's own entry fires
    // neither then nor when it is let go.
    EXPECT_EQ(only(exit, "wait"), Log{"wait 10"});
    EXPECT_EQ(only(exit, "sleep").front(), "sleep 500");
    EXPECT_EQ(only(exit, "key"), Log{});
    press(0, 2, false);
    EXPECT_EQ(only(pass(true), "key"), Log{"key vk=41 scan=10 flags=2"});
}

TEST_F(PollingPass, WhileTheTextInputWindowIsOpenHeldButtonsInjectNothing) {
    typeKey(entry(0, 1), 0x41);
    app->engine.stringWindow = 0x51;
    app->engine.stringBlock = 0;
    press(0, 0);
    const Log done = pass(true);
    EXPECT_EQ(only(done, "key"), Log{});
    EXPECT_EQ(only(done, "sleep"), Log{"sleep 200"});
}

TEST_F(PollingPass, WindowMessagesAreHandledOnlyWhileAnEngineWindowIsOpen) {
    EXPECT_EQ(only(pass(), "dispatch"), Log{});
    app->engine.fSelectWindow = 0xF1;
    app->functionKeys.fSelectCountdown = 3;
    EXPECT_EQ(pass().front(), "dispatch");
    app->engine.fSelectWindow = kNoWindow;
    app->engine.stringWindow = 0x51;
    EXPECT_EQ(pass().front(), "dispatch");
    app->configWindow = 0x1234;  // the configuration window is not this thread's
    app->engine.stringWindow = kNoWindow;
    EXPECT_EQ(pass(), Log{"sleep 200"});
}

TEST_F(PollingPass, ReportWithoutAnEdgeRunsNoPassAndTheCadenceHolds) {
    reporting.report(3000, [](DeviceTable& d) { d.states[0].axes[0] = 100; });  // in the dead zone
    EXPECT_EQ(reportedPass(), (Log{"wait 10 or report", "poll 0", "wait 1", "wait 6 or report",
                                   "poll mouse", "poll 0", "poll 2"}));
    EXPECT_EQ(reporting.now, 10000u);
}

// The edge goes at once; what repeats stays with the regular pass, which
// comes at its own time.
TEST_F(PollingPass, ReportWithAnEdgeRunsItsEdgesAtOnceAndTheRegularPassStillComes) {
    entry(0, 2).autoRepeat = 1;
    press(0, 1);
    EXPECT_EQ(actionsOf(reportedPass()), Log{"press 0:2"});
    reporting.report(13400, [](DeviceTable& d) { d.states[0].buttons[0] = kButtonPressed; });
    EXPECT_EQ(reportedPass(), (Log{"wait 10 or report", "poll 0", "poll 0", "press 0:1"}));
    EXPECT_EQ(reporting.now, 13400u);
    EXPECT_EQ(reportedPass(), (Log{"wait 6.600", "poll mouse", "poll 0", "press 0:2", "poll 2"}));
    EXPECT_EQ(reporting.now, 20000u);
}

// A button that chatters at every report, and a broken pad that signals
// every 0.1 ms with nothing new: 100 ms keep their ten regular passes, at
// most one early pass each, and a bounded number of reads.
TEST_F(PollingPass, StormsOfReportsAddAtMostOnePassPerCadence) {
    const struct {
        const char* what;
        void (*change)(DeviceTable&);
        int most;
    } storms[] = {
        {"chatter", [](DeviceTable& d) { d.states[0].buttons[0] ^= kButtonPressed; }, 10},
        {"noise", [](DeviceTable& d) { d.states[0].axes[1] ^= 1; }, 0},
    };
    for (const auto& storm : storms) {
        ReportingHost stormy{log, app->devices};
        app->engine.earlyPassRan = false;
        for (uint64_t at = 100; at < 100000; at += 100) stormy.report(at, storm.change);
        int regular = 0, early = 0, reads = 0;
        while (stormy.now < 100000) {
            const Log done = passWith(stormy, false);
            const bool wasRegular = !only(done, "poll mouse").empty();
            regular += wasRegular ? 1 : 0;
            early += wasRegular ? 0 : 1;
            reads += static_cast<int>(only(done, "poll 0").size());
        }
        EXPECT_EQ(regular, 10) << storm.what;
        EXPECT_LE(early, storm.most) << storm.what;
        EXPECT_LE(reads, 10 * 12) << storm.what;
    }
}

TEST_F(PollingPass, SelectorPacesTheThreadWithoutReports) {
    app->engine.fSelectWindow = 0xF1;
    app->functionKeys.fSelectCountdown = 3;
    reporting.report(3000, [](DeviceTable& d) { d.states[0].buttons[0] = kButtonPressed; });
    const Log done = reportedPass();
    EXPECT_EQ(only(done, "wait"), Log{"wait 10"});
    EXPECT_EQ(only(done, "sleep"), Log{"sleep 100"});
    EXPECT_EQ(actionsOf(done), Log{"press 0:1"});
    EXPECT_EQ(app->functionKeys.fSelectCountdown, 2);
}

}  // namespace
}  // namespace tarvik

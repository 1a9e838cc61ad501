#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/Defaults.h"
#include "engine/text_input/FunctionKeySelector.h"
#include "fakes/RecordingKeySender.h"
#include "fakes/RecordingPlatform.h"
#include "ui/text_input/TextInputLayout.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

class LoggingSelectorView : public FunctionKeySelectorView {
  public:
    explicit LoggingSelectorView(Log& log) : log_(log) {}
    void destroyWindow() override { log_.push_back("destroy"); }
    void setCaption(const char* label) override { log_.push_back(std::string("caption ") + label); }

  private:
    Log& log_;
};

class Selector : public ::testing::Test {
  protected:
    testing::RecordingPlatform platform;
    testing::RecordingKeySender keys{platform.log};
    LoggingSelectorView view{platform.log};
    FunctionKeyTable table{};
    FunctionKeySelectorContext context{table, view, keys, platform};
    bool open = false;  // stands for fSelectWindow

    void SetUp() override {
        fillFunctionKeyTable(table, platform);
        table.fSelectIndex = 0;
        table.fSelectCountdown = 0;
    }
    // The action executor's side of a press, reduced to its state changes.
    void press() {
        table.fSelectIndex = open ? (table.fSelectIndex + 1) % kFunctionKeyRows : 1;
        table.fSelectCountdown = kSelectorCountdown;
        open = true;
    }
    // Runs countdown passes until the selector closes; returns what the
    // closing pass did.
    Log runOut() {
        Log last;
        for (int pass = 0; open && pass < 100; ++pass) {
            platform.log.clear();
            open = functionKeyCountdownStep(context) == SelectorOutcome::kOpen;
            last = platform.log;
        }
        return last;
    }
};

TEST_F(Selector, PassesBeforeTheLastRefreshTheCaption) {
    press();
    press();
    for (int pass = 0; pass < kSelectorCountdown - 1; ++pass) {
        platform.log.clear();
        ASSERT_EQ(functionKeyCountdownStep(context), SelectorOutcome::kOpen);
        EXPECT_EQ(platform.log, (Log{"sleep 100", "caption F2"}));
    }
    press();  // a press restarts the countdown
    platform.log.clear();
    EXPECT_EQ(functionKeyCountdownStep(context), SelectorOutcome::kOpen);
    EXPECT_EQ(platform.log, (Log{"sleep 100", "caption F3"}));
}

TEST_F(Selector, ThreePressesTypeF3AsAPlainKeyPress) {
    for (int i = 0; i < 3; ++i) press();
    EXPECT_EQ(runOut(), (Log{"destroy", "down vk=72 scan=C03D delay=0",
                             "up vk=72 scan=C03D delay=0", "sleep 100"}));
}

TEST_F(Selector, StepsThroughTwelveKeysToNoneAndRoundAgain) {
    for (int i = 0; i < 12; ++i) press();
    EXPECT_EQ(runOut(), (Log{"destroy", "down vk=7B scan=C058 delay=0",
                             "up vk=7B scan=C058 delay=0", "sleep 100"}));
    for (int i = 0; i < 13; ++i) press();
    EXPECT_EQ(std::string(table.rows[table.fSelectIndex].label), "none");
    EXPECT_EQ(runOut(), (Log{"destroy", "sleep 100"}));
    for (int i = 0; i < 14; ++i) press();
    EXPECT_EQ(runOut(), (Log{"destroy", "down vk=70 scan=C03B delay=0",
                             "up vk=70 scan=C03B delay=0", "sleep 100"}));
}

TEST_F(Selector, PressAfterClosingStartsAgainAtF1) {
    for (int i = 0; i < 5; ++i) press();
    runOut();
    press();
    EXPECT_EQ(runOut(), (Log{"destroy", "down vk=70 scan=C03B delay=0",
                             "up vk=70 scan=C03B delay=0", "sleep 100"}));
}

TEST_F(Selector, SpentCountdownStillCloses) {
    open = true;              // a countdown that never got its 5
    table.fSelectIndex = 20;  // and a row outside the table
    EXPECT_EQ(runOut(), (Log{"destroy", "sleep 100"}));
    EXPECT_FALSE(open);
}

TEST(SelectorPlacement, JustAboveAndLeftOfTheCentre) {
    EXPECT_EQ(selectorPlacement(1024, 768), (PixelPoint{502, 379}));
    EXPECT_EQ(selectorPlacement(11, 5), (PixelPoint{-4, -2}));
}

}  // namespace
}  // namespace tarvik

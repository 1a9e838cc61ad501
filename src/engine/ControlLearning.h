#pragma once
// Finding out which control of a device the user is actuating, so that a
// control can be picked by moving it. Two callers drive it: the tray timer
// while the configuration window is open (followStep) and the polling
// thread while the text-input window is open.

#include "config/Configuration.h"
#include "input/DeviceState.h"
#include "config/SelectionState.h"

namespace tarvik {

// Fixed learning threshold, independent of the block's sensitivity levels.
constexpr int32_t kLearnAxisThreshold = 400;
// Only the first three hats can be picked by moving them.
constexpr int kLearnableHats = 3;

// What learning shows in the configuration window. The Win32 side forwards
// to the window while it is open and does nothing while it is closed; the
// polling thread may call it too, so it must tolerate a closed window.
class LearningView {
  public:
    virtual ~LearningView() = default;
    // Check or uncheck the radio of a control (its entry-index number, 0 the
    // common page) or of a hat (0..2); numbers without a radio are ignored.
    virtual void setControlCheck(int control, bool checked) = 0;
    virtual void setHatCheck(int hat, bool checked) = 0;
    // Redisplay the entry page for the current selection (page display and
    // paint without a device context).
    virtual void redisplayPage() = 0;
};

// A view for callers with no configuration window to update.
class NullLearningView final : public LearningView {
  public:
    void setControlCheck(int, bool) override {}
    void setHatCheck(int, bool) override {}
    void redisplayPage() override {}
};

struct LearningContext {
    Configuration& config;
    DeviceTable& devices;
    DeviceSource& source;
    SelectionState& selection;
    LearningView& view;
};

// Polls slot `block` and the mouse, makes the actuated control (if any)
// currentControl, moves the hat radios when a hat was turned, and derives
// currentEntry. currentControl keeps its value when nothing is actuated.
// A block outside 0..13 does nothing.
void detectControl(LearningContext& context, int block);

// One tick of the tray timer: while the configuration window shows a device
// page whose learnMask is non-zero, learn on that block and, when the
// control changed, move the control radio and redisplay the page. Returns
// true when the selection changed.
bool followStep(LearningContext& context, bool configWindowOpen);

}  // namespace tarvik

#pragma once
// The text-input window's reaction to a newly learned control: the stick
// moves the highlight, any button types the highlighted character (or, on
// the exit row, closes the window).

#include "config/SelectionState.h"
#include "engine/ControlLearning.h"
#include "engine/KeySender.h"
#include "engine/text_input/TextInputState.h"
#include "platform/Platform.h"

namespace tarvik {

// Drawing on the open window. Every call takes the window's device context
// for the moment; the window has no message loop of its own.
class TextInputView {
  public:
    virtual ~TextInputView() = default;
    // Inverts the highlight rectangle of (column, row) (highlightRect):
    // inverting the same place twice removes the highlight again.
    virtual void invertHighlight(int column, int row) = 0;
    // Draws the echo box (framed, white) and every non-zero code of the line.
    virtual void drawEchoBox(const uint8_t (&echoLine)[kEchoLength]) = 0;
    virtual void destroyWindow() = 0;
};

enum class TextInputOutcome {
    kOpen,
    kClosed,  // the window was destroyed: the caller clears stringWindow
};

struct TextInputContext {
    TextInputState& state;
    TextInputView& view;
    KeySender& keys;
    Platform& platform;
};

// The axis entries of every sensitivity level reduced to their first-level
// value, so the stick steers whatever level the configuration window
// selected last; other entries are returned unchanged.
constexpr int firstLevelEntry(int entry) {
    if (entry >= EntryIndex::kFirstAxis && entry <= EntryIndex::kLastAxis) {
        return EntryIndex::kFirstAxis +
               (entry - EntryIndex::kFirstAxis) % EntryIndex::kAxisDirections;
    }
    return entry;
}

// Acts on currentEntry of `selection` as learned on the window's block.
// After a movement (also one against an edge) it clears currentEntry and
// currentControl, so a stick still held is learned again next time.
TextInputOutcome stringInputStep(TextInputContext& context, SelectionState& selection);

// The polling thread's text-input pass: learn on `stringBlock` and step the
// window when the learned control changed.
TextInputOutcome serveTextInput(LearningContext& learning, TextInputContext& context,
                                int stringBlock);

}  // namespace tarvik

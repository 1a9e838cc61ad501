#include "config/ResponseCurve.h"
#include "ui/config/EntryCommands.h"

#include "ui/config/ControlIds.h"
#include "ui/config/FieldText.h"

namespace tarvik {

uint8_t ControlEntry::*entryFlagForCommand(int id) {
    switch (id) {
        case ControlId::kSendKeys:
            return &ControlEntry::sendKeys;
        case ControlId::kAlt:
            return &ControlEntry::withAlt;
        case ControlId::kCtrl:
            return &ControlEntry::withCtrl;
        case ControlId::kShift:
            return &ControlEntry::withShift;
        case ControlId::kMouse:
            return &ControlEntry::mouseAction;
        case ControlId::kDynamic:
            return &ControlEntry::dynamicStep;
        case ControlId::kToggleLock:
            return &ControlEntry::toggleLock;
        case ControlId::kAutoRepeat:
            return &ControlEntry::autoRepeat;
        case ControlId::kAutoRelease:
            return &ControlEntry::autoRelease;
        case ControlId::kStringInput:
            return &ControlEntry::openStringInput;
        case ControlId::kSwitchProgram:
            return &ControlEntry::switchProgram;
        case ControlId::kFSelect:
            return &ControlEntry::fSelect;
        default:
            return nullptr;
    }
}

FollowUp toggleEntryFlag(Configuration& config, const SelectionState& selection, int id) {
    ControlEntry* entry = currentEntryOf(config, selection);
    uint8_t ControlEntry::*flag = entryFlagForCommand(id);
    if (!entry || !flag) return {};
    entry->*flag ^= 1;
    return FollowUp::paint();
}

FollowUp toggleStartProgram(Configuration& config, const SelectionState& selection) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry) return {};
    entry->startProgram ^= 1;
    FollowUp f = FollowUp::paint();
    f.chooseEntryProgram = entry->startProgram == 1;
    return f;
}

void entryProgramInitialName(const Configuration& config, const SelectionState& selection,
                             char (&buffer)[kFileDialogBuffer]) {
    buffer[0] = '\0';
    if (const ControlEntry* entry = currentEntryOf(config, selection)) {
        copyBounded(buffer, boundedText(entry->programPath));
    }
}

FollowUp storeEntryProgramPath(Configuration& config, const SelectionState& selection,
                               std::string_view path) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry) return {};
    copyBounded(entry->programPath, kFileDialogBuffer, path);
    return FollowUp::paint();
}

FollowUp chooseMouseAction(Configuration& config, const SelectionState& selection, intptr_t datum) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry) return {};
    entry->mouseActionCode = static_cast<uint8_t>(datum & 0xFF);
    entry->mouseAction = 1;
    return FollowUp::paint();
}

FollowUp chooseResponseCurve(Configuration& config, const SelectionState& selection,
                             intptr_t item) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry || item < 0 || item >= kResponseCurveCount) return {};
    entry->responseCurve = static_cast<uint8_t>(item);
    return FollowUp::paint();
}

void loadNameBuffer(const Configuration& config, const SelectionState& selection,
                    NameBuffer& buffer) {
    buffer.text[0] = '\0';
    if (const ControlEntry* entry = currentEntryOf(config, selection)) {
        copyBounded(buffer.text, boundedText(entry->label));
    }
}

FollowUp finishNameDialog(Configuration& config, const SelectionState& selection, bool accepted,
                          const NameBuffer& buffer) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry) return {};
    if (accepted) {
        copyBounded(entry->label, boundedText(buffer.text));
    }
    return FollowUp::paint();
}

FollowUp toggleCentred(Configuration& config, const SelectionState& selection) {
    LayerBlock* block = currentBlockOf(config, selection);
    if (!block) return {};
    const int control = selection.currentControl;
    if (control >= EntryIndex::kFirstAxis && control < EntryIndex::kFirstAxis + 16) {
        const int axis = (control - EntryIndex::kFirstAxis) / 2;
        const int row = 2 * axis;
        const int plus = EntryIndex::kFirstAxis + row;
        for (int level = 0; level < EntryIndex::kLevels; ++level) {
            block->entries[plus + 16 * level].centred ^= 1;
            block->entries[plus + 1 + 16 * level].centred ^= 1;
        }
        // An axis that does not rest in its centre travels twice as far
        // from rest to the end, so its "+" thresholds are doubled.
        const int factor = block->entries[plus].centred ? 20 : 10;
        for (int level = 0; level < EntryIndex::kLevels; ++level) {
            block->axisThresholds[row][level] =
                static_cast<uint16_t>(block->directionPercent[row][level] * factor);
        }
    }
    return FollowUp::paint();
}

}  // namespace tarvik

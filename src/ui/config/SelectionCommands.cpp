#include "ui/config/SelectionCommands.h"

#include "ui/config/ControlIds.h"
#include "ui/config/PageDisplayRules.h"

namespace tarvik {

FollowUp selectBlock(const ConfigHeader& header, SelectionState& s, int id,
                     const DeviceOverview& devices) {
    FollowUp f;
    if (id < ControlId::kFirstDeviceRadio || id > ControlId::kCommonPageRadio) return f;
    f.check(ControlId::kFirstDeviceRadio + s.currentBlock, false);
    s.currentBlock = id - ControlId::kFirstDeviceRadio;
    f.check(ControlId::kFirstDeviceRadio + s.currentBlock, true);
    f.pageDisplay = true;
    const PageDisplay display = planPageDisplay(header, s, devices);
    if (!controlRadioVisible(display, s.currentControl)) {
        f.check(ControlId::kFirstControlRadio + s.currentControl, false);
        s.currentEntry = 0;
        s.currentControl = 0;
        f.check(ControlId::kFirstControlRadio, true);
    }
    f.pagePaint = true;
    return f;
}

FollowUp selectControl(SelectionState& s, int id) {
    FollowUp f;
    const bool radio =
        (id >= ControlId::kFirstControlRadio && id <= ControlId::kLastAxisDirectionRadio) ||
        (id >= ControlId::kFirstPovDirectionRadio && id <= ControlId::kLastPovDirectionRadio);
    if (!radio) return f;
    f.check(ControlId::kFirstControlRadio + s.currentControl, false);
    s.currentControl = id - ControlId::kFirstControlRadio;
    f.check(id, true);
    deriveCurrentEntry(s);
    f.pageDisplay = true;
    f.pagePaint = true;
    return f;
}

namespace {

// The level and the hat radios choose a part of the current control: the
// choice moves to radio `id` of the group from `first` to `last`, and the
// entry follows it.
FollowUp choosePart(SelectionState& s, int& choice, int id, int first, int last) {
    FollowUp f;
    if (id < first || id > last) return f;
    f.check(first + choice, false);
    choice = id - first;
    f.check(first + choice, true);
    deriveCurrentEntry(s);
    f.pagePaint = true;
    return f;
}

}  // namespace

FollowUp selectLevel(SelectionState& s, int id) {
    return choosePart(s, s.currentLevel, id, ControlId::kFirstLevelRadio,
                      ControlId::kLastLevelRadio);
}

FollowUp selectPov(SelectionState& s, int id) {
    return choosePart(s, s.currentPov, id, ControlId::kFirstPovRadio, ControlId::kLastPovRadio);
}

}  // namespace tarvik

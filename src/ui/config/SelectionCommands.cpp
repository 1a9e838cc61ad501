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

FollowUp selectLevel(SelectionState& s, int id) {
    FollowUp f;
    if (id < ControlId::kFirstLevelRadio || id > ControlId::kLastLevelRadio) return f;
    f.check(ControlId::kFirstLevelRadio + s.currentLevel, false);
    s.currentLevel = id - ControlId::kFirstLevelRadio;
    f.check(ControlId::kFirstLevelRadio + s.currentLevel, true);
    deriveCurrentEntry(s);
    f.pagePaint = true;
    return f;
}

FollowUp selectPov(SelectionState& s, int id) {
    FollowUp f;
    if (id < ControlId::kFirstPovRadio || id > ControlId::kLastPovRadio) return f;
    f.check(ControlId::kFirstPovRadio + s.currentPov, false);
    s.currentPov = id - ControlId::kFirstPovRadio;
    f.check(ControlId::kFirstPovRadio + s.currentPov, true);
    deriveCurrentEntry(s);
    f.pagePaint = true;
    return f;
}

}  // namespace tarvik

#include "ui/config/PageDisplayRules.h"

#include <algorithm>

#include "config/ShiftButton.h"

namespace tarvik {

namespace {

constexpr ControlChange kShow{Visibility::kShow, Enabling::kKeep};
constexpr ControlChange kHide{Visibility::kHide, Enabling::kKeep};
constexpr ControlChange kShowEnabled{Visibility::kShow, Enabling::kEnable};

template <size_t N>
void setAll(ControlChange (&changes)[N], ControlChange change) {
    for (ControlChange& c : changes) c = change;
}

void setRange(ControlChange* changes, int first, int last, ControlChange change) {
    for (int p = first; p <= last; ++p) changes[p] = change;
}

void planCommonPage(PageDisplay& d) {
    using namespace SelectorPosition;
    setAll(d.devicePageFrame, kHide);
    setRange(d.controlSelectors, kAuto, kLastButton, kHide);
    setRange(d.controlSelectors, kFirstAxisDirection, kLastAxisDirection, kHide);
    setRange(d.controlSelectors, kFirstPovDirection, kLastPovDirection, kHide);
    setAll(d.blockOptions, kHide);
    setAll(d.entryOptions, kHide);
    setAll(d.commonPage, kShow);
}

void planDevicePage(PageDisplay& d, const ConfigHeader& header, const SelectionState& s,
                    const DeviceSlotInfo& slot) {
    using namespace SelectorPosition;
    setAll(d.commonPage, kHide);
    setAll(d.devicePageFrame, kShow);

    // Only 24 button radios exist; a device with more shows all of them.
    const int shownButtons = std::clamp(slot.buttonCount, 0, 24);
    setRange(d.controlSelectors, kAuto, kCommon + shownButtons, kShowEnabled);
    if (shownButtons < 24) {
        setRange(d.controlSelectors, kFirstButton + shownButtons, kLastButton, kHide);
    }
    // The shift button cannot be chosen on either page of the shift device.
    if (shiftButtonActive(header) && s.currentBlock / 2 == static_cast<int>(header.shiftDevice) &&
        header.shiftButton < 24) {
        d.controlSelectors[kFirstButton + static_cast<int>(header.shiftButton)].enabling =
            Enabling::kDisable;
    }

    setRange(d.controlSelectors, kFirstAxisDirection, kLastAxisDirection, kHide);
    if (slot.axisCount > 0) {
        for (int axis = 0; axis < kAxisCount; ++axis) {
            if ((slot.capabilityFlags & CapabilityFlags::forAxis(axis)) == 0) continue;
            d.controlSelectors[kFirstAxisDirection + 2 * axis] = kShow;
            d.controlSelectors[kFirstAxisDirection + 2 * axis + 1] = kShow;
        }
    }

    const ControlChange hats = (slot.capabilityFlags & CapabilityFlags::kPov) ? kShow : kHide;
    setRange(d.controlSelectors, kFirstPov, kLastPov, hats);
    setRange(d.controlSelectors, kFirstPovDirection, kLastPovDirection, hats);

    if (s.currentEntry > 0) {
        setAll(d.blockOptions, kHide);
        setRange(d.entryOptions, 0, EntryPosition::kSensitivityUpDown - 1, kShow);
        const bool axisDirection = s.currentControl >= EntryIndex::kFirstAxis &&
                                   s.currentControl < EntryIndex::kFirstAxis + 16;
        setRange(d.entryOptions, EntryPosition::kSensitivityUpDown, EntryPosition::kResponseCurve,
                 axisDirection ? kShow : kHide);
    } else {
        setAll(d.blockOptions, kShow);
        setAll(d.entryOptions, kHide);
    }
}

}  // namespace

ControlChange PageDisplay::at(ControlRef ref) const {
    auto pick = [&](const ControlChange* changes, int count) {
        return ref.position >= 0 && ref.position < count ? changes[ref.position] : ControlChange{};
    };
    switch (ref.group) {
        case ControlGroup::kDevicePageFrame:
            return pick(devicePageFrame, kDevicePageFrameCount);
        case ControlGroup::kControlSelectors:
            return pick(controlSelectors, kControlSelectorSlots);
        case ControlGroup::kEntryOptions:
            return pick(entryOptions, kEntryOptionCount);
        case ControlGroup::kBlockOptions:
            return pick(blockOptions, kBlockOptionCount);
        case ControlGroup::kCommonPage:
            return pick(commonPage, kCommonPageCount);
        case ControlGroup::kFrameControls:
        case ControlGroup::kDeviceRadios:
            break;
    }
    return {};
}

PageDisplay planPageDisplay(const ConfigHeader& header, const SelectionState& selection,
                            const DeviceOverview& devices) {
    PageDisplay display{};
    display.erase = {25, 340, 390, 365};
    if (isDevicePage(selection.currentBlock)) {
        planDevicePage(display, header, selection, devices.slots[selection.currentBlock]);
    } else {
        planCommonPage(display);
    }
    return display;
}

int controlRadioPosition(int control) {
    if (control >= 0 && control <= 24) return SelectorPosition::kCommon + control;
    if (control >= SelectorPosition::kFirstAxisDirection &&
        control <= SelectorPosition::kLastAxisDirection) {
        return control;
    }
    if (control >= 81 && control <= 88) return control - 81 + SelectorPosition::kFirstPovDirection;
    return -1;
}

bool controlRadioVisible(const PageDisplay& display, int control) {
    const int position = controlRadioPosition(control);
    if (position < 0) return false;
    return display.controlSelectors[position].visibility == Visibility::kShow;
}

}  // namespace tarvik

#include "config/ResponseCurve.h"
#include "ui/config/PagePaintRules.h"

#include <cstdarg>
#include <cstdio>

#include "config/KeyAndActionLists.h"
#include "config/ShiftButton.h"
#include "ui/config/ControlIds.h"
#include "ui/config/FieldText.h"

namespace tarvik {

const char kInfoLine1[] = "Tarvik: game controllers drive keyboard and mouse";
const char kInfoLine2[] = "configuration of devices, buttons, axes and hats";

namespace {

constexpr int kKeyTextShown = 22;

void formatWith(PaintedText& t, int x, int y, TextAlign align, const char* format, va_list args) {
    t.x = x;
    t.y = y;
    t.align = align;
    std::vsnprintf(t.text, sizeof(t.text), format, args);
}

void formatInto(PaintedText& t, int x, int y, TextAlign align, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

void formatInto(PaintedText& t, int x, int y, TextAlign align, const char* format, ...) {
    va_list args;
    va_start(args, format);
    formatWith(t, x, y, align, format, args);
    va_end(args);
}

class PlanWriter {
  public:
    explicit PlanWriter(PagePaint& plan) : plan_(plan) {}

    void erase(int left, int top, int right, int bottom) {
        if (plan_.eraseCount < PagePaint::kMaxErase) {
            plan_.erase[plan_.eraseCount++] = {left, top, right, bottom};
        }
    }
    PaintedText* nextText() {
        return plan_.textCount < PagePaint::kMaxTexts ? &plan_.texts[plan_.textCount++] : nullptr;
    }
    // Left-aligned text at (x, y).
    void text(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5))) {
        PaintedText* t = nextText();
        if (!t) return;
        va_list args;
        va_start(args, format);
        formatWith(*t, x, y, TextAlign::kLeft, format, args);
        va_end(args);
    }
    void add(const PaintedText& t) {
        if (PaintedText* slot = nextText()) *slot = t;
    }
    void check(int id, bool checked) {
        if (plan_.checkCount < PagePaint::kMaxChecks)
            plan_.checks[plan_.checkCount++] = {id, checked};
    }
    void enable(int id, bool enabled) {
        if (plan_.enableCount < PagePaint::kMaxEnables) {
            plan_.enables[plan_.enableCount++] = {id, enabled};
        }
    }
    ControlText* controlText(ControlGroup group, int position) {
        if (plan_.controlTextCount >= PagePaint::kMaxControlTexts) return nullptr;
        ControlText& t = plan_.controlTexts[plan_.controlTextCount++];
        t.control = {group, position};
        t.text[0] = '\0';
        return &t;
    }
    void controlText(ControlGroup group, int position, std::string_view text) {
        if (ControlText* t = controlText(group, position)) copyBounded(t->text, text);
    }

  private:
    PagePaint& plan_;
};

void eraseStaleAreas(PlanWriter& w, const SelectionState& s, const PaintMemory& memory) {
    if (s.currentBlock != memory.lastPaintedBlock) w.erase(10, 55, 390, 95);
    if ((s.currentEntry >= 1 && s.currentEntry <= 32) || s.currentEntry > 80) {
        w.erase(200, 340, 310, 390);
    }
    w.erase(15, 370, 40, 395);
    w.erase(95, 370, 120, 395);
    w.erase(15, 180, 120, 200);
    w.erase(140, 180, 300, 205);
    if (memory.lastPaintedEntry == 0) {
        w.erase(230, 370, 265, 395);
        w.erase(285, 370, 320, 395);
        w.erase(340, 370, 375, 395);
    }
    w.erase(470, 240, 470, 315);
}

void planCommonPage(PlanWriter& w, PagePaint& plan, const ConfigHeader& h) {
    plan.copyButton = Visibility::kHide;
    w.text(20, 55, "%s", kInfoLine1);
    w.text(20, 75, "%s", kInfoLine2);
    PaintedText label{};
    formatInto(label, 105, 120, TextAlign::kRightEnd, "name:");
    w.add(label);
    formatInto(label, 105, 150, TextAlign::kRightEnd, "number:");
    w.add(label);
    formatInto(label, 105, 210, TextAlign::kRightEnd, "comment:");
    w.add(label);

    using namespace CommonPosition;
    w.controlText(ControlGroup::kCommonPage, kNameEdit, boundedText(h.name));
    char number[16];
    std::snprintf(number, sizeof(number), "%u", static_cast<unsigned>(h.number));
    w.controlText(ControlGroup::kCommonPage, kNumberEdit, number);
    w.controlText(ControlGroup::kCommonPage, kAutostartPathEdit,
                  fileNameAndExtension(h.autostartPath));
    w.controlText(ControlGroup::kCommonPage, kCommentEdit, boundedText(h.comment));
    w.check(ControlId::kAutostart, h.autostart != 0);

    const ShiftSettingsPaint shift = shiftSettingsPaint(h);
    for (const PaintedText& t : shift.texts) w.add(t);
}

void planLearnMask(PlanWriter& w, const LayerBlock& block) {
    ControlText* caption = w.controlText(ControlGroup::kControlSelectors, SelectorPosition::kAuto);
    if (block.learnMask == 0) {
        if (caption) copyBounded(caption->text, "auto     ");
        w.check(ControlId::kLearnMask, false);
        return;
    }
    if (caption) {
        std::snprintf(caption->text, sizeof(caption->text), "auto %s%s%s",
                      (block.learnMask & LearnMask::kButtons) ? "B" : "",
                      (block.learnMask & LearnMask::kAxes) ? "A" : "",
                      (block.learnMask & LearnMask::kPovs) ? "P" : "");
    }
    w.check(ControlId::kLearnMask, true);
}

void planBlockView(PlanWriter& w, const LayerBlock& block, SelectionState& s) {
    w.check(ControlId::kBlockToggleLock, block.blockToggleLock != 0);
    w.check(ControlId::kBlockAutoRepeat, block.blockAutoRepeat != 0);
    w.check(ControlId::kBlockAutoRelease, block.blockAutoRelease != 0);
    if (block.singleSensitivity != 0) {
        // Only the third level is evaluated, so only it can be chosen.
        w.check(ControlId::kSingleSensitivity, true);
        w.check(ControlId::kFirstLevelRadio + s.currentLevel, false);
        s.currentLevel = 2;
        w.check(ControlId::kFirstLevelRadio + 2, true);
        w.enable(ControlId::kFirstLevelRadio, false);
        w.enable(ControlId::kFirstLevelRadio + 1, false);
    } else {
        w.check(ControlId::kSingleSensitivity, false);
        w.enable(ControlId::kFirstLevelRadio, true);
        w.enable(ControlId::kFirstLevelRadio + 1, true);
    }
    w.text(15, 345, "X-step");
    w.text(15, 370, "%d", static_cast<int>(block.blockXStep));
    w.text(95, 345, "Y-step");
    w.text(95, 370, "%d", static_cast<int>(block.blockYStep));
    w.text(15, 180, "delay:%dms", static_cast<int>(block.blockDelayMs));
    w.text(160, 345, "sensitivity");
    w.text(250, 345, "1");
    w.text(305, 345, "2");
    w.text(360, 345, "3");
    w.text(230, 370, "%d%%", static_cast<int>(block.levelPercent[0]));
    w.text(285, 370, "%d%%", static_cast<int>(block.levelPercent[1]));
    w.text(340, 370, "%d%%", static_cast<int>(block.levelPercent[2]));
}

void planEntryView(PlanWriter& w, PagePaint& plan, const ControlEntry& e, const SelectionState& s) {
    if (ControlText* t = w.controlText(ControlGroup::kEntryOptions, EntryPosition::kNameButton)) {
        const std::string_view label = boundedText(e.label);
        std::snprintf(t->text, sizeof(t->text), "name:%.*s", static_cast<int>(label.size()),
                      label.data());
    }
    w.controlText(ControlGroup::kEntryOptions, EntryPosition::kKeyText,
                  boundedText(e.keyText).substr(0, kKeyTextShown));
    w.check(ControlId::kShift, e.withShift != 0);
    w.check(ControlId::kCtrl, e.withCtrl != 0);
    w.check(ControlId::kAlt, e.withAlt != 0);
    w.check(ControlId::kStartProgram, e.startProgram != 0);
    w.controlText(ControlGroup::kEntryOptions, EntryPosition::kProgramText,
                  fileNameAndExtension(e.programPath));
    w.check(ControlId::kStringInput, e.openStringInput != 0);
    w.check(ControlId::kFSelect, e.fSelect != 0);
    w.check(ControlId::kSwitchProgram, e.switchProgram != 0);
    w.check(ControlId::kSendKeys, e.sendKeys != 0);
    plan.mouseActionItem = selectMouseAction(e.mouseActionCode);
    w.check(ControlId::kMouse, e.mouseAction != 0);
    w.check(ControlId::kToggleLock, e.toggleLock != 0);
    w.check(ControlId::kAutoRepeat, e.autoRepeat != 0);
    w.check(ControlId::kAutoRelease, e.autoRelease != 0);
    w.text(15, 345, "X-step");
    w.text(15, 370, "%d", static_cast<int>(e.xStep));
    w.text(95, 345, "Y-step");
    w.text(95, 370, "%d", static_cast<int>(e.yStep));
    w.text(15, 180, "delay:%dms", static_cast<int>(e.delayMs));
    if (s.currentControl >= EntryIndex::kFirstAxis &&
        s.currentControl < EntryIndex::kFirstAxis + 16) {
        w.text(180, 180, "sensitivity:%d%%", static_cast<int>(e.sensitivity));
        w.check(ControlId::kDynamic, e.dynamicStep != 0);
        // A checked box means the axis rests in its centre: the flag is clear.
        w.check(ControlId::kCentred, e.centred == 0);
        // A curve of a later version moves as linear here and shows so.
        plan.responseCurveItem = e.responseCurve < kResponseCurveCount ? e.responseCurve : 0;
    }
}

void planDevicePage(PlanWriter& w, PagePaint& plan, const Configuration& config, SelectionState& s,
                    const DeviceSlotInfo& slot) {
    plan.copyButton = Visibility::kShow;
    const std::string_view product = boundedText(slot.productName);
    w.text(20, 55, "%.*s", static_cast<int>(product.size()), product.data());
    w.text(20, 75, "button:%d", static_cast<int>(slot.buttonCount));
    w.text(140, 75, "axis:%d", static_cast<int>(slot.axisCount));
    w.text(260, 75, "POV:%d", static_cast<int>(slot.povCount));

    const LayerBlock& block = config.blocks[s.currentBlock];
    planLearnMask(w, block);
    if (s.currentEntry <= 0) {
        planBlockView(w, block, s);
    } else if (s.currentEntry < kEntriesPerBlock) {
        planEntryView(w, plan, block.entries[s.currentEntry], s);
    }
}

}  // namespace

PagePaint planPagePaint(const Configuration& config, SelectionState& selection, PaintMemory& memory,
                        const DeviceOverview& devices) {
    PagePaint plan{};
    PlanWriter w(plan);
    eraseStaleAreas(w, selection, memory);
    memory.lastPaintedBlock = selection.currentBlock;
    memory.lastPaintedEntry = selection.currentEntry;
    w.text(5, 5, "devices:%d", static_cast<int>(devices.deviceCount));
    if (isDevicePage(selection.currentBlock)) {
        planDevicePage(w, plan, config, selection, devices.slots[selection.currentBlock]);
    } else {
        planCommonPage(w, plan, config.header);
    }
    return plan;
}

ShiftSettingsPaint shiftSettingsPaint(const ConfigHeader& header) {
    ShiftSettingsPaint paint{};
    paint.erase = {5, 300, 105, 360};
    formatInto(paint.texts[0], 65, 300, TextAlign::kRightEnd, "%llu",
               static_cast<unsigned long long>(header.shiftDevice) + 1);
    formatInto(paint.texts[1], 105, 320, TextAlign::kRightEnd, "shift button");
    if (shiftButtonActive(header)) {
        formatInto(paint.texts[2], 65, 340, TextAlign::kRightEnd, "%llu",
                   static_cast<unsigned long long>(header.shiftButton) + 1);
    } else {
        formatInto(paint.texts[2], 65, 340, TextAlign::kRightEnd, "off");
    }
    return paint;
}

std::optional<int> initialMouseActionItem(const Configuration& config,
                                          const SelectionState& selection) {
    if (selection.currentBlock < 0 || selection.currentBlock >= kBlockCount) return std::nullopt;
    if (selection.currentEntry < 0 || selection.currentEntry >= kEntriesPerBlock) {
        return std::nullopt;
    }
    const ControlEntry& entry =
        config.blocks[selection.currentBlock].entries[selection.currentEntry];
    return selectMouseAction(entry.mouseActionCode);
}

}  // namespace tarvik

// Applies the page rules' plans to the open window with GDI and the
// children's handle arrays.

#include <cstring>

#include "ui/config/PageDisplayRules.h"
#include "ui/config/PagePaintRules.h"
#include "ui/config/win32/ConfigWindow.h"
#include "ui/config/win32/ConfigWindowHandlers.h"

namespace tarvik {

namespace {

// Fills rectangles with the button-face pen and brush: the window's
// background, so what was painted there disappears.
class FaceEraser {
  public:
    FaceEraser(HDC dc, const ConfigWindowContext& context)
        : dc_(dc),
          oldPen_(SelectObject(dc, context.facePen)),
          oldBrush_(SelectObject(dc, context.faceBrush)) {}
    ~FaceEraser() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
    }
    FaceEraser(const FaceEraser&) = delete;
    FaceEraser& operator=(const FaceEraser&) = delete;

    void erase(const PaintRect& r) const { Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

  private:
    HDC dc_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

void drawText(HDC dc, const PaintedText& t) {
    const int length = static_cast<int>(strnlen(t.text, sizeof(t.text)));
    int x = t.x;
    if (t.align == TextAlign::kRightEnd) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, t.text, length, &extent);
        x -= extent.cx;
    }
    TextOutA(dc, x, t.y, t.text, length);
}

void applyChange(HWND control, ControlChange change) {
    if (control == nullptr) return;
    if (change.enabling != Enabling::kKeep) {
        EnableWindow(control, change.enabling == Enabling::kEnable);
    }
    if (change.visibility != Visibility::kKeep) {
        ShowWindow(control, change.visibility == Visibility::kShow ? SW_SHOW : SW_HIDE);
    }
}

template <size_t N>
void applyGroup(const ConfigWindowChildren& children, ControlGroup group,
                const ControlChange (&changes)[N]) {
    for (size_t position = 0; position < N; ++position) {
        applyChange(children.at({group, static_cast<int>(position)}), changes[position]);
    }
}

// The window's own context, or the one a caller passed in.
class PageContext {
  public:
    PageContext(HWND window, HDC given)
        : window_(window), dc_(given ? given : GetDC(window)), owned_(given == nullptr) {}
    ~PageContext() {
        if (owned_ && dc_) ReleaseDC(window_, dc_);
    }
    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;
    HDC dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
    bool owned_;
};

void applyPaintToControls(HWND window, const ConfigWindowChildren& children,
                          const PagePaint& plan) {
    if (plan.copyButton != Visibility::kKeep) {
        ShowWindow(children.at({ControlGroup::kFrameControls, FramePosition::kCopy}),
                   plan.copyButton == Visibility::kShow ? SW_SHOW : SW_HIDE);
    }
    for (int i = 0; i < plan.checkCount; ++i) {
        CheckDlgButton(window, plan.checks[i].id,
                       plan.checks[i].checked ? BST_CHECKED : BST_UNCHECKED);
    }
    for (int i = 0; i < plan.enableCount; ++i) {
        if (HWND control = GetDlgItem(window, plan.enables[i].id)) {
            EnableWindow(control, plan.enables[i].enabled);
        }
    }
    for (int i = 0; i < plan.controlTextCount; ++i) {
        const ControlText& t = plan.controlTexts[i];
        HWND control = children.at(t.control);
        if (control == nullptr) continue;
        // The common page's edits are stored when they lose the focus; until
        // then a repaint must not replace what the user typed.
        const bool edit = t.control.group == ControlGroup::kCommonPage;
        if (edit && SendMessageA(control, EM_GETMODIFY, 0, 0) != 0) continue;
        SetWindowTextA(control, t.text);
        if (edit) SendMessageA(control, EM_SETMODIFY, FALSE, 0);
    }
    if (plan.mouseActionItem) {
        SendDlgItemMessageA(window, ControlId::kMouseActionList, CB_SETCURSEL,
                            static_cast<WPARAM>(*plan.mouseActionItem), 0);
    }
    if (plan.responseCurveItem) {
        SendDlgItemMessageA(window, ControlId::kResponseCurveList, CB_SETCURSEL,
                            static_cast<WPARAM>(*plan.responseCurveItem), 0);
    }
}

}  // namespace

void pageDisplay(ConfigWindowContext& context) {
    HWND window = openConfigWindowHandle(context);
    if (window == nullptr) return;
    SharedState& state = context.state;
    const PageDisplay plan = planPageDisplay(state.config.header, state.selection, context.devices);
    PageContext page(window, nullptr);
    if (page.dc()) FaceEraser(page.dc(), context).erase(plan.erase);

    const ConfigWindowChildren& children = context.children;
    applyGroup(children, ControlGroup::kDevicePageFrame, plan.devicePageFrame);
    applyGroup(children, ControlGroup::kControlSelectors, plan.controlSelectors);
    applyGroup(children, ControlGroup::kEntryOptions, plan.entryOptions);
    applyGroup(children, ControlGroup::kBlockOptions, plan.blockOptions);
    applyGroup(children, ControlGroup::kCommonPage, plan.commonPage);
    // The strip erased above runs under the response-curve list, which
    // would stay blank until something else made it repaint.
    HWND curves = GetDlgItem(window, ControlId::kResponseCurveList);
    if (curves != nullptr && IsWindowVisible(curves)) {
        RedrawWindow(curves, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    }
}

void pagePaint(ConfigWindowContext& context, HDC dc) {
    HWND window = openConfigWindowHandle(context);
    if (window == nullptr) return;
    SharedState& state = context.state;
    const PagePaint plan = planPagePaint(state.config, state.selection,
                                         context.windowState.paintMemory, context.devices);
    {
        PageContext page(window, dc);
        if (page.dc()) {
            SetBkMode(page.dc(), OPAQUE);
            FaceEraser eraser(page.dc(), context);
            for (int i = 0; i < plan.eraseCount; ++i) eraser.erase(plan.erase[i]);
            SelectObject(page.dc(), GetStockObject(BLACK_PEN));
            SetBkMode(page.dc(), TRANSPARENT);
            for (int i = 0; i < plan.textCount; ++i) drawText(page.dc(), plan.texts[i]);
        }
        applyPaintToControls(window, context.children, plan);
    }
    SetFocus(window);
}

void paintShiftSettings(ConfigWindowContext& context) {
    HWND window = openConfigWindowHandle(context);
    if (window == nullptr) return;
    const ShiftSettingsPaint plan = shiftSettingsPaint(context.state.config.header);
    PageContext page(window, nullptr);
    if (!page.dc()) return;
    FaceEraser(page.dc(), context).erase(plan.erase);
    SetBkMode(page.dc(), TRANSPARENT);
    for (const PaintedText& t : plan.texts) drawText(page.dc(), t);
}

}  // namespace tarvik

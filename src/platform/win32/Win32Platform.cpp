#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace tarvik {

bool Win32Platform::injectKeyboard(const KeyboardRecord& record) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    // Both codes always go in: Windows ignores the virtual-key code of a
    // record with the scan-code flag, but other systems take the key from it
    // regardless and would deliver key 0. Only key-up, extended and
    // scan-code may pass.
    static_assert(KeyFlags::kExtended == KEYEVENTF_EXTENDEDKEY &&
                  KeyFlags::kKeyUp == KEYEVENTF_KEYUP && KeyFlags::kScanCode == KEYEVENTF_SCANCODE);
    input.ki.wVk = static_cast<WORD>(record.virtualKey & 0xFF);
    input.ki.wScan = static_cast<WORD>(record.scanCode & 0xFF);
    input.ki.dwFlags =
        record.flags & (KEYEVENTF_KEYUP | KEYEVENTF_EXTENDEDKEY | KEYEVENTF_SCANCODE);
    input.ki.time = 0;
    input.ki.dwExtraInfo = kInjectedInputMark;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

bool Win32Platform::injectMouse(const MouseRecord& record) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = record.dx;
    input.mi.dy = record.dy;
    input.mi.mouseData = static_cast<DWORD>(record.data);
    // Relative events only: the absolute and virtual-desk flags never pass.
    input.mi.dwFlags =
        record.flags &
        (MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_RIGHTDOWN |
         MOUSEEVENTF_RIGHTUP | MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP | MOUSEEVENTF_WHEEL);
    input.mi.time = 0;
    input.mi.dwExtraInfo = kInjectedInputMark;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

void Win32Platform::sleepMs(uint32_t milliseconds) {
    Sleep(milliseconds);
}

// timeGetTime, not GetTickCount: the process runs at 1 ms timer resolution,
// and a repeat every 33 ms measured in 15.6 ms ticks would stumble.
uint32_t Win32Platform::tickCountMs() {
    return timeGetTime();
}

ScreenPoint Win32Platform::cursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Platform::setCursorPosition(ScreenPoint point) {
    SetCursorPos(point.x, point.y);
}

ScreenRect Win32Platform::desktopClientRect() {
    RECT r{};
    GetClientRect(GetDesktopWindow(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

uint32_t Win32Platform::doubleClickTime() {
    return GetDoubleClickTime();
}

uint32_t Win32Platform::mapVirtualKeyToScanCode(uint32_t virtualKey) {
    return MapVirtualKeyA(virtualKey, 0);
}

uint32_t Win32Platform::mapVirtualKeyToExtendedScanCode(uint32_t virtualKey) {
    return MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC_EX);
}

uint32_t Win32Platform::mapScanCodeToVirtualKey(uint32_t scanCode) {
    return MapVirtualKeyA(scanCode, 1);
}

uint32_t Win32Platform::oemKeyScan(uint8_t oemCharacter) {
    return OemKeyScan(oemCharacter);
}

void Win32Platform::shellOpen(const char* path) {
    ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOW);
}

MessageBoxAnswer Win32Platform::messageBox(const char* text, const char* caption,
                                           MessageBoxKind kind) {
    UINT type = MB_OK;
    if (kind == MessageBoxKind::kYesNo) type = MB_YESNO;
    if (kind == MessageBoxKind::kOkError) type = MB_OK | MB_ICONERROR;
    const int answer = MessageBoxA(GetFocus(), text, caption, type);
    if (answer == IDYES) return MessageBoxAnswer::kYes;
    if (answer == IDNO) return MessageBoxAnswer::kNo;
    return MessageBoxAnswer::kOk;
}

}  // namespace tarvik

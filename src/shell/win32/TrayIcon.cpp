#include "shell/win32/TrayIcon.h"

#include <shellapi.h>

#include "shell/IconId.h"

namespace tarvik {

namespace {

// The first form of the notification record: window, id, flags, message,
// icon and a 64-character tip: 104 bytes in this 64-bit program, whose
// handles are eight bytes wide.
static_assert(NOTIFYICONDATAA_V1_SIZE == 104);
// The second form adds the balloon: a 128-character tip, the state, the
// 256-character text, its time-out, the 64-character title and its icon.
static_assert(NOTIFYICONDATAA_V2_SIZE == 504);

NOTIFYICONDATAA iconData(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return data;
}

}  // namespace

bool addTrayIcon(HWND window, UINT callbackMessage, UINT id, HICON icon, const char* tip) {
    NOTIFYICONDATAA data = iconData(window, id);
    data.uFlags = NIF_MESSAGE;
    data.uCallbackMessage = callbackMessage;
    if (icon != nullptr) {
        data.uFlags |= NIF_ICON;
        data.hIcon = icon;
    }
    if (tip != nullptr) {
        data.uFlags |= NIF_TIP;
        lstrcpynA(data.szTip, tip, 64);
    }
    return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

bool setTrayIconTip(HWND window, UINT id, const char* tip) {
    NOTIFYICONDATAA data = iconData(window, id);
    data.uFlags = NIF_TIP;
    lstrcpynA(data.szTip, tip, 64);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool showTrayBalloon(HWND window, UINT id, const char* title, const char* text) {
    NOTIFYICONDATAA data = iconData(window, id);
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.uFlags = NIF_INFO;
    lstrcpynA(data.szInfoTitle, title, sizeof data.szInfoTitle);
    lstrcpynA(data.szInfo, text, sizeof data.szInfo);
    data.dwInfoFlags = NIIF_WARNING;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool deleteTrayIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data = iconData(window, id);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

bool addProgramTrayIcon(HWND window, HINSTANCE instance, const char* tip) {
    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(ID_TARVIK_ICON),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    const bool added = addTrayIcon(window, kTrayMessage, kTrayIconId, icon, tip);
    if (icon != nullptr) DestroyIcon(icon);
    return added;
}

}  // namespace tarvik

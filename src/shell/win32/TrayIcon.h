#pragma once
// The icon in the taskbar notification area.

#include <windows.h>

namespace tarvik {

constexpr UINT kTrayIconId = 10001;
constexpr UINT kTrayMessage = WM_USER + 1;  // 1025

// NIM_ADD with the callback message, and the icon and tip when given (the
// tip cut to 63 characters). True when the shell took it.
bool addTrayIcon(HWND window, UINT callbackMessage, UINT id, HICON icon, const char* tip);

// NIM_MODIFY of the tip alone, cut to 63 characters.
bool setTrayIconTip(HWND window, UINT id, const char* tip);

// NIM_MODIFY with NIF_INFO: a balloon with the warning icon over the tray
// icon, the title cut to 63 characters and the text to 255.
bool showTrayBalloon(HWND window, UINT id, const char* title, const char* text);

bool deleteTrayIcon(HWND window, UINT id);

// Tarvik's own icon (kTrayIconId, kTrayMessage) from the program's
// resources, at the small icon size, with `tip`.
bool addProgramTrayIcon(HWND window, HINSTANCE instance, const char* tip);

}  // namespace tarvik

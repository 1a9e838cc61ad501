#pragma once
// "Start with Windows": a shortcut in the user's Startup folder that starts
// this tarvik.exe with WAIT (no controller need be plugged in at logon) in
// the directory it runs in now, where its configurations are. Tarvik keeps
// no settings in the registry; the shortcut is the whole of the setting.

namespace tarvik {

// The shortcut's name in the Startup folder.
inline constexpr char kStartupShortcutName[] = "Tarvik.lnk";

bool startupShortcutExists();

// Writes the shortcut under a temporary name and moves it into place, so
// that it is whole or not there; or removes it. True when it is done.
bool setStartupShortcut(bool on);

}  // namespace tarvik

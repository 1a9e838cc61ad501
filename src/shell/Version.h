#pragma once
// The program's name and version: caption of the configuration window, tip
// of the tray icon, caption of the DirectInput error.

namespace tarvik {

inline constexpr char VersionString[] = "Tarvik 8.4 VRN/SE/NOMORANDA";

}  // namespace tarvik

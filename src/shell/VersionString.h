#pragma once
// The program's name and version: the configuration window's title and the
// tray icon's tip.

namespace tarvik {

inline constexpr char VersionString[] = "Tarvik 8.4 VRN/SE/NOMORANDA";

}  // namespace tarvik

#pragma once
// The program's name and version: the configuration window's title, the
// tray icon's tip and the version resource of tarvik.exe and tarvik-cfg.exe
// (the resource compiler reads the macros; the package takes its number from
// TARVIK_VERSION_TEXT). Change the version here and nowhere else.

#define TARVIK_VERSION_MAJOR 8
#define TARVIK_VERSION_MINOR 4
#define TARVIK_VERSION_TEXT "8.4"
#define TARVIK_VERSION_STRING "Tarvik " TARVIK_VERSION_TEXT " VRN/SE/NOMORANDA"

#ifndef RC_INVOKED
namespace tarvik {

inline constexpr char VersionString[] = TARVIK_VERSION_STRING;

}  // namespace tarvik
#endif

#ifndef TARVIK_SHELL_ICON_ID_H
#define TARVIK_SHELL_ICON_ID_H
// The program's icon resource (32 x 32 and 16 x 16), shown in the tray.
// A macro, because resources/icon.rc includes this file too.

#define ID_TARVIK_ICON 10000

#endif

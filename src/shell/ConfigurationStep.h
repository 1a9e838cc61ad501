#pragma once
// "next configuration" and "previous configuration": which file of the
// tray's list a step from a control loads.

#include "config/CfgFileList.h"

namespace tarvik {

// The row after (`step` 1) or before (-1) the file in use, wrapping round
// the list's ends. The file in use is found by its name (its last part,
// ignoring case); a file not in the list steps to the first row, or back to
// the last. -1 for an empty list.
int steppedRow(const CfgFileList& list, const char* fileInUse, int step);

}  // namespace tarvik

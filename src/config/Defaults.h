#pragma once
#include "config/Configuration.h"
#include "config/FunctionKeyTable.h"

namespace tarvik {

class Platform;

// Writes the default header and block values, leaving every other field
// (actions, run-time memory, version, autostart) as it is.
void writeRecordDefaults(Configuration& config);

// Fills the 13 rows of function keys; F10's scan code comes from the system.
void fillFunctionKeyTable(FunctionKeyTable& table, Platform& platform);

}  // namespace tarvik

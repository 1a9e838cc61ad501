#pragma once
#include "VirtualControllerBlock.h"

namespace vc {

// The block named by TARVIK_VIRTUAL_CONTROLLER (or the default name),
// opened on first use and kept for the life of the process. When nobody
// has set it up yet it gets the demo controller.
Block& sharedBlock();
// Its name.
const char* sharedBlockName();

}  // namespace vc

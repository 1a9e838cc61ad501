#include "SharedBlock.h"

#include <windows.h>

namespace vc {

namespace {

char name[128];

Block* openBlock() {
    const DWORD length = GetEnvironmentVariableA(kNameVariable, name, sizeof name);
    if (length == 0 || length >= sizeof name) lstrcpynA(name, kDefaultName, sizeof name);
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Block), name);
    void* view = mapping != nullptr
                     ? MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Block))
                     : nullptr;
    // Without shared memory the demo device still works, just unscripted.
    static Block privateBlock;
    Block* block = view != nullptr ? static_cast<Block*>(view) : &privateBlock;
    if (block->magic != kMagic) fillDemo(*block);
    return block;
}

}  // namespace

Block& sharedBlock() {
    static Block* const block = openBlock();
    return *block;
}

const char* sharedBlockName() {
    sharedBlock();
    return name;
}

}  // namespace vc

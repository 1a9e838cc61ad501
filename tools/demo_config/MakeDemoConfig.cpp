// Writes the demo configuration for the virtual controller: its buttons
// type words, its hat steers the cursor keys, and button 12 is the shift
// button whose layer types the words in capitals. Its program is the text
// editor, started by AUTOSTART or from the tray menu's first entry.
//
//     make_demo_config.exe tarvik7.cfg

#include <cstdio>

#include "ConfigBuilder.h"

using namespace tarvik;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_config <file.cfg>\n");
        return 2;
    }
    auto config = demo::newConfiguration();
    std::snprintf(config->header.name, sizeof config->header.name, "%s", "Tarvik demo");
    std::snprintf(config->header.comment, sizeof config->header.comment, "%s",
                  "virtual controller: buttons 1-5 type, the hat steers, button 12 shifts");
    std::snprintf(config->header.autostartPath, sizeof config->header.autostartPath, "%s",
                  "C:\\windows\\notepad.exe");
    config->header.shiftDevice = 0;
    config->header.shiftButton = 11;

    LayerBlock& plain = config->blocks[0];
    demo::typeText(plain.entries[EntryIndex::button(0)], "Hello");
    demo::typeText(plain.entries[EntryIndex::button(1)], " from Tarvik");
    demo::typeText(plain.entries[EntryIndex::button(2)], "!");
    demo::holdKeys(plain.entries[EntryIndex::button(3)], {VK_RETURN});
    demo::holdKeys(plain.entries[EntryIndex::button(4)], {VK_BACK});
    demo::holdKeys(plain.entries[EntryIndex::pov(0, 0)], {VK_UP}, true);
    demo::holdKeys(plain.entries[EntryIndex::pov(0, 2)], {VK_RIGHT}, true);
    demo::holdKeys(plain.entries[EntryIndex::pov(0, 4)], {VK_DOWN}, true);
    demo::holdKeys(plain.entries[EntryIndex::pov(0, 6)], {VK_LEFT}, true);

    LayerBlock& shifted = config->blocks[1];
    demo::typeText(shifted.entries[EntryIndex::button(0)], "HELLO");
    demo::typeText(shifted.entries[EntryIndex::button(1)], " FROM TARVIK");

    if (!demo::writeConfigFile(argv[1], *config)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}

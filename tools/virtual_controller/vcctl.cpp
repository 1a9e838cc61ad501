// vcctl: sets the virtual controller's buttons, axes and hats and the
// virtual mouse from a shell script. Run it under Wine beside the program;
// see the README's "Virtual controller" section.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "VirtualControllerClient.h"

namespace {

const char* const kUsage =
    "usage: vcctl [-c N] COMMAND\n"
    "  -c N                     controller N (1-based, default 1)\n"
    "  button B down|up         press or release button B (1-based)\n"
    "  axis A POSITION          A: x y z rx ry rz slider0 slider1; POSITION -1000..1000\n"
    "  hat H ANGLE|centre       hat H (1-based); ANGLE in hundredths of a degree\n"
    "  mouse move DX DY         relative motion, read once\n"
    "  mouse wheel NOTCHES      120 units per notch\n"
    "  mouse button B down|up   mouse button B (1-8)\n"
    "  xpad P connect [C]       XInput pad P (1-4) connected; C: the DirectInput controller\n"
    "                           that is the same pad (both DLLs show it)\n"
    "  xpad P disconnect        XInput pad P gone\n"
    "  xpad P trigger left|right VALUE    0..255\n"
    "  xpad P stick left|right X Y        -32768..32767, Y up\n"
    "  xpad P button NAME down|up         a b x y lb rb back start ls rs up down left right\n"
    "  controllers N            N attached controllers (0-8; seen by programs started later)\n"
    "  plug [N]                 plug controller N in again, or a new one (default: the next)\n"
    "  unplug N                 pull controller N out (it keeps its place)\n"
    "                           both, and xpad connect and disconnect, announce the change\n"
    "                           to every window, as the system does\n"
    "  reports events|refuse|polled [PERIOD] [storm]\n"
    "                           how controller N answers SetEventNotification (for programs\n"
    "                           started later); PERIOD 0, 1, 4 or 8 ms between its reports;\n"
    "                           storm: signals every period whether anything changed\n"
    "  hold                     keep the block and its set-up alive until ended\n"
    "  demo                     back to the one demo controller and the mouse\n"
    "  show                     print the devices and their state\n";

const char* const kAxisNames[vc::kAxes] = {"x", "y", "z", "rx", "ry", "rz", "slider0", "slider1"};

bool parseInt(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

int axisIndex(const char* name) {
    for (int i = 0; i < vc::kAxes; ++i) {
        if (std::strcmp(name, kAxisNames[i]) == 0) return i;
    }
    return -1;
}

struct XPadButton {
    const char* name;
    uint16_t bit;
};
const XPadButton kXPadButtons[] = {
    {"up", 0x0001},   {"down", 0x0002}, {"left", 0x0004}, {"right", 0x0008}, {"start", 0x0010},
    {"back", 0x0020}, {"ls", 0x0040},   {"rs", 0x0080},   {"lb", 0x0100},    {"rb", 0x0200},
    {"a", 0x1000},    {"b", 0x2000},    {"x", 0x4000},    {"y", 0x8000}};

bool parsePressed(const char* text, bool& pressed) {
    pressed = std::strcmp(text, "down") == 0;
    return pressed || std::strcmp(text, "up") == 0;
}

void show(vc::Block& block) {
    for (uint32_t c = 0; c < block.controllerCount && c < vc::kMaxControllers; ++c) {
        const vc::Device& d = block.controllers[c];
        std::printf("controller %u \"%s\"%s: axes", c + 1, d.setup.name,
                    d.setup.unplugged != 0 ? " (unplugged)" : "");
        for (int a = 0; a < vc::kAxes; ++a) std::printf(" %s=%d", kAxisNames[a], d.input.axes[a]);
        std::printf(" hats");
        for (uint32_t hat : d.input.hats) {
            if (hat == vc::kHatCentred) {
                std::printf(" centre");
            } else {
                std::printf(" %u", hat);
            }
        }
        std::printf(" buttons");
        for (uint32_t b = 0; b < d.setup.buttons && b < vc::kButtons; ++b) {
            if (d.input.buttons[b] & 0x80) std::printf(" %u", b + 1);
        }
        std::printf("\n");
    }
    for (int p = 0; p < vc::kXPads; ++p) {
        const vc::XPad& x = block.xpads[p];
        if (x.connected == 0) continue;
        std::printf("xpad %d: buttons 0x%04x triggers %u %u sticks %d %d %d %d", p + 1, x.buttons,
                    x.leftTrigger, x.rightTrigger, x.thumbs[0], x.thumbs[1], x.thumbs[2],
                    x.thumbs[3]);
        if (x.twin != 0) std::printf(" (also DirectInput controller %u)", x.twin);
        std::printf("\n");
    }
    const vc::Device& m = block.mouse;
    std::printf("mouse: pending %d,%d wheel %d buttons", m.input.mouseMotion[0],
                m.input.mouseMotion[1], m.input.mouseMotion[2]);
    for (int b = 0; b < vc::kMouseButtons; ++b) {
        if (m.input.buttons[b] & 0x80) std::printf(" %d", b + 1);
    }
    std::printf("\n");
}

bool inRange(const char* text, long low, long high, long& value) {
    return parseInt(text, value) && value >= low && value <= high;
}

int xpadCommand(vc::Block& block, int argc, char** argv) {
    long user = 0;
    if (argc < 2 || !inRange(argv[0], 1, vc::kXPads, user)) return -1;
    vc::XPad& pad = block.xpads[user - 1];
    const char* what = argv[1];
    long a = 0;
    long b = 0;
    bool pressed = false;
    if (std::strcmp(what, "connect") == 0 && argc <= 3) {
        if (argc == 3 && !inRange(argv[2], 0, vc::kMaxControllers, a)) return -1;
        vc::connectXPad(block, static_cast<int>(user - 1), static_cast<uint32_t>(a));
        vc::VirtualControllerClient::announceDeviceChange();
    } else if (std::strcmp(what, "disconnect") == 0 && argc == 2) {
        pad.connected = 0;
        vc::VirtualControllerClient::announceDeviceChange();
    } else if (std::strcmp(what, "trigger") == 0 && argc == 4 && inRange(argv[3], 0, 255, a)) {
        const bool left = std::strcmp(argv[2], "left") == 0;
        if (!left && std::strcmp(argv[2], "right") != 0) return -1;
        (left ? pad.leftTrigger : pad.rightTrigger) = static_cast<uint8_t>(a);
    } else if (std::strcmp(what, "stick") == 0 && argc == 5 && inRange(argv[3], -32768, 32767, a) &&
               inRange(argv[4], -32768, 32767, b)) {
        const bool left = std::strcmp(argv[2], "left") == 0;
        if (!left && std::strcmp(argv[2], "right") != 0) return -1;
        pad.thumbs[left ? 0 : 2] = static_cast<int16_t>(a);
        pad.thumbs[left ? 1 : 3] = static_cast<int16_t>(b);
    } else if (std::strcmp(what, "button") == 0 && argc == 4 && parsePressed(argv[3], pressed)) {
        const XPadButton* found = nullptr;
        for (const XPadButton& button : kXPadButtons) {
            if (std::strcmp(argv[2], button.name) == 0) found = &button;
        }
        if (found == nullptr) return -1;
        pad.buttons =
            static_cast<uint16_t>(pressed ? pad.buttons | found->bit : pad.buttons & ~found->bit);
    } else {
        return -1;
    }
    ++pad.packet;
    return 0;
}

int mouseCommand(vc::VirtualControllerClient& client, int argc, char** argv) {
    long a = 0;
    long b = 0;
    bool pressed = false;
    if (argc == 3 && std::strcmp(argv[0], "move") == 0 && parseInt(argv[1], a) &&
        parseInt(argv[2], b)) {
        client.moveMouse(static_cast<int32_t>(a), static_cast<int32_t>(b), 0);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[0], "wheel") == 0 && parseInt(argv[1], a)) {
        client.moveMouse(0, 0, static_cast<int32_t>(a * 120));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[0], "button") == 0 && parseInt(argv[1], a) && a >= 1 &&
        a <= vc::kMouseButtons && parsePressed(argv[2], pressed)) {
        client.setMouseButton(static_cast<int>(a - 1), pressed);
        return 0;
    }
    return -1;
}

int run(vc::VirtualControllerClient& client, int controller, int argc, char** argv) {
    const char* command = argv[0];
    long n = 0;
    bool pressed = false;
    if (std::strcmp(command, "button") == 0 && argc == 3 && parseInt(argv[1], n) && n >= 1 &&
        n <= vc::kButtons && parsePressed(argv[2], pressed)) {
        client.setButton(controller, static_cast<int>(n - 1), pressed);
        return 0;
    }
    if (std::strcmp(command, "axis") == 0 && argc == 3 && axisIndex(argv[1]) >= 0 &&
        parseInt(argv[2], n) && n >= -1000 && n <= 1000) {
        client.setAxis(controller, axisIndex(argv[1]), static_cast<int32_t>(n));
        return 0;
    }
    if (std::strcmp(command, "hat") == 0 && argc == 3 && parseInt(argv[1], n) && n >= 1 &&
        n <= vc::kHats) {
        long angle = 0;
        const bool centre =
            std::strcmp(argv[2], "centre") == 0 || std::strcmp(argv[2], "center") == 0;
        if (!centre && !(parseInt(argv[2], angle) && angle >= 0 && angle < 36000)) return -1;
        client.setHat(controller, static_cast<int>(n - 1),
                      centre ? vc::kHatCentred : static_cast<uint32_t>(angle));
        return 0;
    }
    if (std::strcmp(command, "reports") == 0 && argc >= 2 && argc <= 4) {
        vc::Reports& reports = client.block().reports[controller];
        const char* const modes[] = {"events", "refuse", "polled"};
        int mode = -1;
        for (int m = 0; m < 3; ++m) {
            if (std::strcmp(argv[1], modes[m]) == 0) mode = m;
        }
        long period = 0;
        if (mode < 0 || (argc >= 3 && !(parseInt(argv[2], period) && period >= 0 && period <= 8))) {
            return -1;
        }
        if (argc == 4 && std::strcmp(argv[3], "storm") != 0) return -1;
        reports.eventMode = static_cast<uint32_t>(mode);
        reports.periodMs = static_cast<uint32_t>(period);
        reports.storm = argc == 4 ? 1 : 0;
        return 0;
    }
    if (std::strcmp(command, "mouse") == 0) return mouseCommand(client, argc - 1, argv + 1);
    if (std::strcmp(command, "xpad") == 0) return xpadCommand(client.block(), argc - 1, argv + 1);
    if (std::strcmp(command, "controllers") == 0 && argc == 2 && parseInt(argv[1], n) && n >= 0 &&
        n <= vc::kMaxControllers) {
        vc::Block& block = client.block();
        while (block.controllerCount < static_cast<uint32_t>(n)) {
            char name[64];
            std::snprintf(name, sizeof name, "Tarvik virtual controller %u",
                          block.controllerCount + 1);
            vc::addController(block, name, vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ, 1, 12, 1);
        }
        block.controllerCount = static_cast<uint32_t>(n);
        return 0;
    }
    if (std::strcmp(command, "plug") == 0 && argc <= 2) {
        long index = static_cast<long>(client.block().controllerCount) + 1;
        if (argc == 2 && !parseInt(argv[1], index)) return -1;
        if (!client.plug(static_cast<int>(index - 1))) return -1;
        vc::VirtualControllerClient::announceDeviceChange();
        return 0;
    }
    if (std::strcmp(command, "unplug") == 0 && argc == 2 && parseInt(argv[1], n)) {
        if (!client.unplug(static_cast<int>(n - 1))) return -1;
        vc::VirtualControllerClient::announceDeviceChange();
        return 0;
    }
    if (std::strcmp(command, "demo") == 0 && argc == 1) {
        vc::fillDemo(client.block());
        return 0;
    }
    if (std::strcmp(command, "hold") == 0 && argc == 1) {
        // The block lives as long as some process has it open.
        Sleep(INFINITE);
        return 0;
    }
    if (std::strcmp(command, "show") == 0 && argc == 1) {
        show(client.block());
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    long controller = 1;
    if (argc >= 3 && std::strcmp(argv[1], "-c") == 0) {
        if (!parseInt(argv[2], controller) || controller < 1 || controller > vc::kMaxControllers) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        first = 3;
    }
    if (first >= argc) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    vc::VirtualControllerClient client;
    if (!client.open()) {
        std::fprintf(stderr, "vcctl: cannot open the shared block (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    if (run(client, static_cast<int>(controller - 1), argc - first, argv + first) != 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return 0;
}

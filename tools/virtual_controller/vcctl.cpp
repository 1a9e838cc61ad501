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
    "  controllers N            N attached controllers (0-8; seen by programs started later)\n"
    "  plug [N]                 plug controller N in again, or a new one (default: the next)\n"
    "  unplug N                 pull controller N out (it keeps its place)\n"
    "                           both announce the change to every window, as the system does\n"
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
    const vc::Device& m = block.mouse;
    std::printf("mouse: pending %d,%d wheel %d buttons", m.input.mouseMotion[0],
                m.input.mouseMotion[1], m.input.mouseMotion[2]);
    for (int b = 0; b < vc::kMouseButtons; ++b) {
        if (m.input.buttons[b] & 0x80) std::printf(" %d", b + 1);
    }
    std::printf("\n");
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
    if (std::strcmp(command, "mouse") == 0) return mouseCommand(client, argc - 1, argv + 1);
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

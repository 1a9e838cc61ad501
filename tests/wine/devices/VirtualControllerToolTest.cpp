#include <string>

#include "VirtualDeviceFixture.h"

namespace tarvik {
namespace {

// Runs a program of the test directory and collects its exit code and
// standard output.
struct ProgramRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

std::string besideTheTests(const char* program) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + program;
}

ProgramRun runProgram(const std::string& commandLine) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            run.output.append(buffer, got);
        }
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return run;
}

ProgramRun vcctl(const std::string& arguments) {
    return runProgram("\"" + besideTheTests("vcctl.exe") + "\" " + arguments);
}

using VirtualControllerTool = testing::VirtualDevices;

TEST_F(VirtualControllerTool, ScriptedInputReachesThePolledRows) {
    addPad("Scripted", vc::Axis::kX | vc::Axis::kY | vc::Axis::kRx, 0, 12, 1);
    addPad("Second", vc::Axis::kX | vc::Axis::kY | vc::Axis::kRx, 0, 12, 1);
    ASSERT_EQ(init(), DI_OK);
    EXPECT_EQ(vcctl("button 3 down").exitCode, 0u);
    EXPECT_EQ(vcctl("-c 2 axis rx -700").exitCode, 0u);
    EXPECT_EQ(vcctl("hat 1 27000").exitCode, 0u);
    EXPECT_EQ(vcctl("mouse wheel -1").exitCode, 0u);
    EXPECT_EQ(vcctl("mouse move 2 0").exitCode, 0u);
    EXPECT_EQ(vcctl("mouse button 2 down").exitCode, 0u);

    EXPECT_EQ(pollJoystick(*table, *directInput, 0), 0);
    EXPECT_EQ(table->states[0].buttons[2], 0x80);
    EXPECT_EQ(table->states[0].pov[0], 27000u);
    EXPECT_EQ(pollJoystick(*table, *directInput, 2), 0);
    EXPECT_EQ(table->states[2].axes[3], -700);
    EXPECT_EQ(pollMouse(*table, *directInput), 0);
    EXPECT_EQ(table->states[4].axes[0], 10);
    EXPECT_EQ(table->states[4].axes[2], -600);
    EXPECT_EQ(table->states[4].buttons[1], 0x80);

    EXPECT_EQ(vcctl("button 3 up").exitCode, 0u);
    EXPECT_EQ(vcctl("hat 1 centre").exitCode, 0u);
    EXPECT_EQ(pollJoystick(*table, *directInput, 0), 0);
    EXPECT_EQ(table->states[0].buttons[2], 0);
    EXPECT_EQ(table->states[0].pov[0], kPovCentred);

    const ProgramRun shown = vcctl("show");
    EXPECT_EQ(shown.exitCode, 0u);
    EXPECT_NE(shown.output.find("controller 2 \"Second\": axes x=0 y=0 z=0 rx=-700"),
              std::string::npos)
        << shown.output;
}

TEST_F(VirtualControllerTool, RefusesWhatItCannotDo) {
    addPad("Scripted");
    for (const char* bad : {"", "button 0 down", "button 3 sideways", "axis x 1001", "hat 1 36000",
                            "-c 9 button 1 down", "jump"}) {
        const ProgramRun run = vcctl(bad);
        EXPECT_EQ(run.exitCode, 2u) << bad;
        EXPECT_NE(run.output.find("usage: vcctl"), std::string::npos) << bad;
    }
    EXPECT_EQ(block().controllers[0].input.buttons[0], 0);
}

TEST_F(VirtualControllerTool, ControllerCountTakesEffectAtTheNextStart) {
    EXPECT_EQ(vcctl("controllers 3").exitCode, 0u);
    ASSERT_EQ(init(), DI_OK);
    EXPECT_EQ(table->deviceCount, 3);
    EXPECT_EQ(productName(4), "Tarvik virtual controller 3");
}

// A run with no block set up by anyone gets the demo controller and a mouse.
TEST(VirtualControllerDemo, WithoutAScriptedBlockTheDemoDeviceAppears) {
    char name[96];
    std::snprintf(name, sizeof name, "TarvikDemoProbe-%lu",
                  static_cast<unsigned long>(GetCurrentProcessId()));
    char previous[128] = "";
    GetEnvironmentVariableA(vc::kNameVariable, previous, sizeof previous);
    SetEnvironmentVariableA(vc::kNameVariable, name);
    const ProgramRun run = runProgram("\"" + besideTheTests("tarvik_demo_probe.exe") + "\"");
    SetEnvironmentVariableA(vc::kNameVariable, previous[0] != '\0' ? previous : nullptr);

    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output,
              "result=0 count=1 name=\"Tarvik virtual controller\" flags=0x391 axes=4 "
              "buttons=12 hats=1 mouse=\"Virtual system mouse\" mouseFlags=0x181\r\n");
}

}  // namespace
}  // namespace tarvik

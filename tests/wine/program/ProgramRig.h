#pragma once
// Drives the real tarvik.exe from a test: a scratch directory to run it in,
// the process itself (in a job, so nothing outlives the test program), its
// hidden controller window and tray icon, its message boxes, a focused probe
// window that records the keys Tarvik types, and the virtual controller.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ConfigBuilder.h"
#include "VirtualControllerClient.h"
#include "wine/MessagePump.h"
#include "wine/ProbeWindow.h"

namespace tarvik::testing {

constexpr DWORD kPatienceMs = 10000;

// The build's bin directory as Wine names it (its Unix root is drive Z:).
inline std::string binDirectory() {
    std::string path = std::string("Z:") + TARVIK_BIN_DIR;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}
inline std::string tarvikExe() {
    return binDirectory() + "\\tarvik.exe";
}
inline std::string probeExe() {
    return binDirectory() + "\\tarvik_launch_probe.exe";
}

// Handles this thread's messages until `done` holds or the patience runs
// out. Every wait of the rig goes through here, so the probe window keeps
// receiving what is typed.
inline bool pumpUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
    return pumpMessagesUntil(done, patienceMs, 10);
}
inline void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// A fresh directory under the Wine user's temporary directory, removed with
// everything in it afterwards.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        static std::atomic<int> counter{0};
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "tarvik-program-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(counter++);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

// One run of tarvik.exe. A job that kills its processes when it is closed
// takes Tarvik, and whatever Tarvik started, down with the test program.
class TarvikProcess {
  public:
    TarvikProcess() {
        job_ = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    ~TarvikProcess() {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
            CloseHandle(process_);
        }
        if (job_ != nullptr) CloseHandle(job_);
    }
    TarvikProcess(const TarvikProcess&) = delete;
    TarvikProcess& operator=(const TarvikProcess&) = delete;

    // A key held longer than the keyboard delay repeats, and tests that
    // hold one and compare the keys would see the repeats: unless a test
    // asks for them, Tarvik runs with NOREPEAT, first on its command line.
    bool repeatKeys = false;

    // `arguments` is the command line after the program's name.
    bool start(const std::string& arguments, const std::string& directory) {
        std::string commandLine = "\"" + tarvikExe() + "\"";
        if (!repeatKeys) commandLine += " NOREPEAT";
        if (!arguments.empty()) commandLine += " " + arguments;
        std::vector<char> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back('\0');
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(tarvikExe().c_str(), buffer.data(), nullptr, nullptr, FALSE,
                            CREATE_SUSPENDED, nullptr, directory.c_str(), &startup, &info)) {
            return false;
        }
        AssignProcessToJobObject(job_, info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
        return true;
    }

    DWORD id() const { return id_; }
    bool running() const {
        return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    }

    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD waitForExit(DWORD patienceMs = kPatienceMs) {
        pumpUntil([&] { return !running(); }, patienceMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_, &code);
        return code;
    }

  private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The top-level window of `className` that belongs to process `id`.
inline HWND windowOfProcess(DWORD id, const char* className) {
    struct Search {
        DWORD id;
        const char* className;
        HWND found;
    } search{id, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (owner == s.id && lstrcmpA(name, s.className) == 0) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND controllerWindow(const TarvikProcess& tarvik) {
    return windowOfProcess(tarvik.id(), "TaskBarController");
}

// Asking the shell to change nothing about the icon succeeds only while the
// icon exists.
inline bool trayIconExists(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 10001;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The polling thread creates its event "trigger" first thing.
inline bool pollingThreadRuns() {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, "trigger");
    if (event == nullptr) return false;
    CloseHandle(event);
    return true;
}

// Waits until Tarvik shows its tray icon and maps; returns its controller
// window, or nullptr.
inline HWND waitUntilMapping(const TarvikProcess& tarvik, DWORD patienceMs = kPatienceMs) {
    HWND window = nullptr;
    pumpUntil(
        [&] {
            if (!tarvik.running()) return true;
            window = controllerWindow(tarvik);
            return window != nullptr && trayIconExists(window) && pollingThreadRuns();
        },
        patienceMs);
    return tarvik.running() ? window : nullptr;
}

struct SeenBox {
    std::string caption;
    std::string text;
};

// Opens the configuration window with the tray's "&Config ..." command and
// waits until it is there and, when `childId` is given, holds that child.
inline HWND openConfigWindow(const TarvikProcess& tarvik, HWND controller, int childId = 0) {
    PostMessageA(controller, WM_COMMAND, MAKEWPARAM(102, 0), 0);
    HWND configWindow = nullptr;
    pumpUntil([&] {
        configWindow = windowOfProcess(tarvik.id(), "JoyConfig");
        return configWindow != nullptr &&
               (childId == 0 || GetDlgItem(configWindow, childId) != nullptr);
    });
    return configWindow != nullptr && (childId == 0 || GetDlgItem(configWindow, childId))
               ? configWindow
               : nullptr;
}

// Waits until the text-input grid that a mapped press opens shows.
inline HWND waitForGrid(const TarvikProcess& tarvik) {
    HWND grid = nullptr;
    pumpUntil([&] {
        grid = windowOfProcess(tarvik.id(), "JoyString");
        return grid != nullptr && IsWindowVisible(grid);
    });
    return grid != nullptr && IsWindowVisible(grid) ? grid : nullptr;
}

inline HWND messageBoxOf(DWORD id) {
    HWND box = windowOfProcess(id, "#32770");
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

// Waits for a message box of process `id`, reads caption and text, and
// presses its OK button the way a user would.
inline std::optional<SeenBox> answerMessageBox(DWORD id, DWORD patienceMs = kPatienceMs) {
    HWND box = nullptr;
    if (!pumpUntil([&] { return (box = messageBoxOf(id)) != nullptr; }, patienceMs)) {
        return std::nullopt;
    }
    SeenBox seen;
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    seen.caption = caption;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM parameter) -> BOOL {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            char text[512] = {};
            SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, 2000, nullptr);
            if (lstrcmpiA(name, "Static") == 0 && text[0] != '\0') {
                reinterpret_cast<SeenBox*>(parameter)->text += text;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    pumpUntil([&] { return !IsWindow(box); }, 5000);
    return seen;
}

// Which window has the focus, and whose it is: the first thing to know when
// typed keys did not arrive.
inline std::string describeForeground() {
    HWND window = GetForegroundWindow();
    if (window == nullptr) return "no foreground window";
    char name[64] = {};
    char title[128] = {};
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return std::string("foreground: class ") + name + ", title \"" + title + "\", process " +
           std::to_string(owner) + (owner == GetCurrentProcessId() ? " (this test)" : "");
}

// A window of the test program that has the focus and records the keys it
// receives, by virtual-key code.
class KeyProbe {
  public:
    struct Key {
        bool down;
        WPARAM virtualKey;
    };

    KeyProbe() {
        window_ =
            openProbeWindow("TarvikProgramKeyProbe", "key probe", procedure, {100, 100, 500, 400});
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~KeyProbe() { DestroyWindow(window_); }
    KeyProbe(const KeyProbe&) = delete;
    KeyProbe& operator=(const KeyProbe&) = delete;

    bool focus() { return focusProbeWindow(window_); }
    HWND window() const { return window_; }

    // "+A" for a key going down, "-A" for one going up (letters and digits
    // as themselves, other keys as hex).
    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (const Key& key : keys_) out.push_back(name(key));
        return out;
    }
    std::vector<std::string> downs() const {
        std::vector<std::string> out;
        for (const Key& key : keys_) {
            if (key.down) out.push_back(name(key).substr(1));
        }
        return out;
    }
    size_t count() const { return keys_.size(); }
    void clear() { keys_.clear(); }
    ::testing::AssertionResult waitForKeys(size_t count, DWORD patienceMs = kPatienceMs) {
        if (pumpUntil([&] { return keys_.size() >= count; }, patienceMs)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << keys_.size() << " of " << count << " keys arrived; " << describeForeground();
    }

  private:
    static std::string name(const Key& key) {
        const auto vk = static_cast<unsigned>(key.virtualKey);
        std::string text = key.down ? "+" : "-";
        if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
            text += static_cast<char>(vk);
        } else {
            char hex[8];
            wsprintfA(hex, "%02X", vk);
            text += hex;
        }
        return text;
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<KeyProbe*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        switch (message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (self != nullptr) self->keys_.push_back({true, wParam});
                if (message == WM_SYSKEYDOWN) return 0;
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                if (self != nullptr) self->keys_.push_back({false, wParam});
                if (message == WM_SYSKEYUP) return 0;
                break;
            default:
                break;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::vector<Key> keys_;
};

// The virtual controller block of this test program, shared with the
// Tarvik it starts through the environment.
inline vc::VirtualControllerClient& virtualController() {
    static vc::VirtualControllerClient* client = [] {
        vc::VirtualControllerClient::useOwnBlock("TarvikProgramTests");
        auto* c = new vc::VirtualControllerClient;
        if (!c->open()) ADD_FAILURE() << "cannot open the virtual controller block";
        return c;
    }();
    return *client;
}

// Sets the environment variable the launch probe writes its report to.
inline void setProbeReport(const std::string& file) {
    SetEnvironmentVariableA("TARVIK_PROBE_OUT", file.c_str());
}

// The probe's report: its directory and its command line, or empty lines.
inline std::vector<std::string> probeReport(const std::string& file) {
    std::vector<std::string> lines;
    std::FILE* in = std::fopen(file.c_str(), "r");
    if (in == nullptr) return lines;
    char line[1024];
    while (std::fgets(line, sizeof line, in) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        lines.push_back(text);
    }
    std::fclose(in);
    return lines;
}

// A test with a scratch directory, a focused probe and a freshly reset
// virtual controller with one demo pad (12 buttons, one hat).
class RunningProgram : public ::testing::Test {
  protected:
    ScratchDirectory scratch;
    KeyProbe probe;

    void SetUp() override {
        vc::fillDemo(virtualController().block());
        ASSERT_TRUE(probe.focus()) << "the probe window never got the focus";
    }

    vc::Block& block() { return virtualController().block(); }
    void setButton(int controller, int button, bool down) {
        virtualController().setButton(controller, button, down);
    }
    void addPad() {
        vc::addController(block(), "Second pad", vc::Axis::kX | vc::Axis::kY, 0, 12, 1);
    }

    // The long form, so the blocks of a third and fourth device are kept.
    void writeConfig(const std::string& name, const Configuration& config) {
        ASSERT_TRUE(demo::writeConfigFile(scratch.file(name).c_str(), config, true));
    }

    // `name` from the demo record with button 1 of the first controller
    // holding `key` down while it is pressed.
    void writeHoldingConfig(const std::string& name, uint8_t key) {
        auto config = demo::newConfiguration();
        demo::holdKeys(config->blocks[0].entries[EntryIndex::button(0)], {key});
        writeConfig(name, *config);
    }

    // Starts Tarvik as startMapping does and, once it maps, presses the
    // button that writeHoldingConfig gave the key.
    HWND startHolding(TarvikProcess& tarvik) {
        HWND window = startMapping(tarvik);
        if (window != nullptr) setButton(0, 0, true);
        return window;
    }

    // Starts Tarvik in the scratch directory and waits until it maps.
    HWND startMapping(TarvikProcess& tarvik, const std::string& arguments = "") {
        EXPECT_TRUE(tarvik.start(arguments, scratch.path()));
        HWND window = waitUntilMapping(tarvik);
        EXPECT_NE(window, nullptr) << "Tarvik did not come up";
        EXPECT_TRUE(probe.focus()) << describeForeground();
        return window;
    }

    // Writes `config` as tarvik7.cfg and starts Tarvik on it as
    // startMapping does.
    HWND startOn(TarvikProcess& tarvik, const Configuration& config,
                 const std::string& arguments = "") {
        writeConfig("tarvik7.cfg", config);
        return startMapping(tarvik, arguments);
    }

    // Ends Tarvik the way the tray's "&Exit" does and expects exit code 0.
    void exitThroughTray(TarvikProcess& tarvik, HWND window) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(100, 0), 0);
        EXPECT_EQ(tarvik.waitForExit(), 0u);
    }

    // Presses and lets go of one button, waiting a few passes each time.
    void click(int controller, int button) {
        setButton(controller, button, true);
        pumpFor(60);
        setButton(controller, button, false);
        pumpFor(60);
    }
};

// A record whose button 1 types `letter`.
inline std::unique_ptr<Configuration> typing(const char* letter) {
    auto config = demo::newConfiguration();
    demo::typeText(config->blocks[0].entries[EntryIndex::button(0)], letter);
    return config;
}

}  // namespace tarvik::testing

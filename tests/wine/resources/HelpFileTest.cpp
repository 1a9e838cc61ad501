// The help file beside the program: it is there, every page of the contents
// can be read out of it, and the help viewer opens it the way the
// configuration window's "help" button does.

#include <windows.h>
#include <htmlhelp.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>

namespace tarvik::test {

// The system's reader of compiled help files (itss.dll). Its interface is not
// in the MinGW headers; only the methods up to the one used are declared.
// It lives outside the anonymous namespace: there the compiler would know that
// nothing implements it and turn every call into a pure-virtual trap.
const CLSID kItStorageClass = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID kItStorageInterface = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

struct ItStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD,
                                                                   IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD,
                                                     IStorage**) = 0;
};

namespace {

constexpr const char* kHelpFile = "tarvik7.chm";

struct Page {
    const char* file;
    const char* title;
    const char* phrase;  // something only that page explains
};

constexpr Page kPages[] = {
    {"index.html", "Tarvik", "notification area"},
    {"window.html", "The configuration window", "select or press button"},
    {"keys.html", "Assigning keys", "hold <kbd>TAB</kbd>"},
    {"mouse.html", "Mouse actions", "wheel scroll +XStep"},
    {"axes.html", "Axes, hats and sensitivity levels", "centred"},
    {"blocks.html", "Settings for a whole device and copying", "disable multiple sensitivities"},
    {"shift.html", "The shift button", "deactivate"},
    {"textinput.html", "Text input and the function-key selector", "f-select"},
    {"tray.html", "The tray icon and its menu", "Load config"},
    {"commandline.html", "Command line options", "ONEONLY"},
    {"files.html", "Configuration files", "tarvik7.cfg"},
};

std::string fullHelpPath() {
    char path[MAX_PATH] = {};
    GetFullPathNameA(kHelpFile, MAX_PATH, path, nullptr);
    return path;
}

std::wstring widened(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

// Reads one file stored inside the help file, decompressed by that reader.
// The reader, the storage and the stream are all kept until the end: the
// stream reads through its storage, which must not be released before it.
bool readFromHelp(const std::string& inner, std::string& text) {
    text.clear();
    ItStorage* reader = nullptr;
    IStorage* storage = nullptr;
    IStream* stream = nullptr;
    if (SUCCEEDED(CoCreateInstance(kItStorageClass, nullptr, CLSCTX_INPROC_SERVER,
                                   kItStorageInterface, reinterpret_cast<void**>(&reader)))) {
        reader->StgOpenStorage(widened(fullHelpPath()).c_str(), nullptr,
                               STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &storage);
    }
    if (storage) {
        storage->OpenStream(widened("/" + inner).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                            0, &stream);
    }
    if (stream) {
        char buffer[4096];
        ULONG got = 0;
        while (stream->Read(buffer, sizeof buffer, &got) == S_OK && got > 0) {
            text.append(buffer, got);
        }
        stream->Release();
    }
    if (storage) storage->Release();
    if (reader) reader->Release();
    return !text.empty();
}

class HelpFile : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(HelpFile, SitsBesideTheProgram) {
    const DWORD attributes = GetFileAttributesA(kHelpFile);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << fullHelpPath();
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(HelpFile, EveryPageReadsBackWithItsTitle) {
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        std::string text;
        ASSERT_TRUE(readFromHelp(page.file, text));
        EXPECT_NE(text.find(std::string("<title>") + page.title + "</title>"), std::string::npos);
        EXPECT_NE(text.find(page.phrase), std::string::npos);
    }
}

TEST_F(HelpFile, ContentsListEveryPage) {
    std::string contents;
    ASSERT_TRUE(readFromHelp("tarvik7.hhc", contents));
    for (const Page& page : kPages) {
        EXPECT_NE(contents.find(std::string("\"") + page.file + "\""), std::string::npos)
            << page.file;
    }
    std::string missing;
    EXPECT_FALSE(readFromHelp("no-such-page.html", missing));
}

TEST_F(HelpFile, OpensInTheHelpViewer) {
    HWND viewer = HtmlHelpA(nullptr, kHelpFile, HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(viewer, nullptr);
    char title[256] = {};
    GetWindowTextA(viewer, title, sizeof title);
    EXPECT_STREQ(title, "Tarvik Help");
    HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

}  // namespace
}  // namespace tarvik::test

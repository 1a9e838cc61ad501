// What Explorer and the loader read from the built programs: the version
// resource of tarvik.exe and tarvik-cfg.exe (from VersionString.h's one
// place) and tarvik.exe's application manifest.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/VersionString.h"

namespace tarvik::test {
namespace {

std::string builtProgram(const char* name) {
    std::string path = std::string("Z:") + TARVIK_BIN_DIR + "/" + name;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

struct Papers {
    const char* file;
    const char* description;
};

class ProgramPapers : public ::testing::TestWithParam<Papers> {};

std::string versionText(const std::vector<char>& info, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) ||
        text == nullptr) {
        return "(missing)";
    }
    return text;
}

TEST_P(ProgramPapers, VersionResourceNamesTheProgramAndItsVersion) {
    const std::string path = builtProgram(GetParam().file);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(TARVIK_VERSION_MINOR, TARVIK_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(versionText(info, "ProductName"), "Tarvik");
    EXPECT_EQ(versionText(info, "ProductVersion"), TARVIK_VERSION_TEXT);
    EXPECT_EQ(versionText(info, "FileVersion"), TARVIK_VERSION_TEXT);
    EXPECT_EQ(versionText(info, "FileDescription"), GetParam().description);
    EXPECT_EQ(versionText(info, "OriginalFilename"), GetParam().file);
    // The text the program shows names the same version.
    EXPECT_EQ(std::string(VersionString).rfind(std::string("Tarvik ") + TARVIK_VERSION_TEXT, 0),
              0u);
}

INSTANTIATE_TEST_SUITE_P(
    Built, ProgramPapers,
    ::testing::Values(Papers{"tarvik.exe", "Tarvik: game controllers as keyboard and mouse"},
                      Papers{"tarvik-cfg.exe", "Tarvik configurations as text"}));

TEST(ProgramManifest, AsksForVisualStylesScaledSharpTextAndNoElevation) {
    const std::string path = builtProgram("tarvik.exe");
    HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << path;
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr) << "no RT_MANIFEST resource 1";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(bytes, SizeofResource(program, found));
    FreeLibrary(program);

    for (const char* part :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "level=\"asInvoker\" uiAccess=\"false\"", ">false</dpiAware>", ">true</gdiScaling>",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

// This test program carries the same manifest: the loader gives it common
// controls 6 from the side-by-side store (Windows' and Wine's alike), not the
// system directory's version 5, as it gives tarvik.exe.
TEST(ProgramManifest, BringsCommonControlsSix) {
    HMODULE controls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, sizeof path);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("\\winsxs\\"), std::string::npos) << path;
}

}  // namespace
}  // namespace tarvik::test

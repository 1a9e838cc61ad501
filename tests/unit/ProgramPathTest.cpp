#include <gtest/gtest.h>

#include <string>

#include "shell/ProgramPath.h"

namespace tarvik {
namespace {

std::string directoryOf(const char* path) {
    char directory[kMaxPathLength];
    programDirectory(path, directory);
    return directory;
}

std::string nameOf(const char* path) {
    char name[kMaxPathLength];
    programFileName(path, name);
    return name;
}

// A path and the two pieces it splits into.
struct Split {
    const char* rule;
    const char* path;
    const char* directory;
    const char* name;
};

class ProgramPath : public ::testing::TestWithParam<Split> {};

TEST_P(ProgramPath, SplitsIntoDirectoryAndName) {
    const Split& c = GetParam();
    EXPECT_EQ(directoryOf(c.path), c.directory);
    EXPECT_EQ(nameOf(c.path), c.name);
}

const Split kSplits[] = {
    // The directory keeps the drive and the trailing separator.
    {"DirectoryKeepsDriveAndTrailingBackslash", "C:\\Games\\Race\\race.exe", "C:\\Games\\Race\\",
     "race.exe"},
    {"UncShare", "\\\\server\\share\\tool.exe", "\\\\server\\share\\", "tool.exe"},
    {"ForwardSlashes", "C:/Games/race.exe", "C:/Games/", "race.exe"},
    {"MixedSeparators", "sub\\dir/x.exe", "sub\\dir/", "x.exe"},
    {"BareFileNameHasNoDirectory", "race.exe", "", "race.exe"},
    {"EmptyPath", "", "", ""},
    {"NoPath", nullptr, "", ""},
    {"DriveWithoutDirectory", "D:race.exe", "D:", "race.exe"},
    {"DriveAlone", "D:", "D:", ""},
    {"PathEndingInASeparatorHasNoName", "C:\\Games\\", "C:\\Games\\", ""},
    // A quoted path is split inside its quotes.
    {"QuotedPathWithArguments", "\"C:\\Program Files\\Race\\race.exe\" -fast",
     "C:\\Program Files\\Race\\", "race.exe"},
    {"QuoteNeverClosed", "\"C:\\a b\\x.exe", "C:\\a b\\", "x.exe"},
    {"QuoteAlone", "\"", "", ""},
    {"ColonLaterInTheNameIsNoDrive", "ab:c.exe", "", "ab:c.exe"},
};

INSTANTIATE_TEST_SUITE_P(Paths, ProgramPath, ::testing::ValuesIn(kSplits),
                         [](const auto& info) { return std::string(info.param.rule); });

}  // namespace
}  // namespace tarvik

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

TEST(ProgramPath, DirectoryKeepsDriveAndTrailingBackslash) {
    EXPECT_EQ(directoryOf("C:\\Games\\Race\\race.exe"), "C:\\Games\\Race\\");
    EXPECT_EQ(nameOf("C:\\Games\\Race\\race.exe"), "race.exe");
    EXPECT_EQ(directoryOf("\\\\server\\share\\tool.exe"), "\\\\server\\share\\");
    EXPECT_EQ(directoryOf("C:/Games/race.exe"), "C:/Games/");
    EXPECT_EQ(directoryOf("sub\\dir/x.exe"), "sub\\dir/");
}

TEST(ProgramPath, BareFileNameHasNoDirectory) {
    EXPECT_EQ(directoryOf("race.exe"), "");
    EXPECT_EQ(nameOf("race.exe"), "race.exe");
    EXPECT_EQ(directoryOf(""), "");
    EXPECT_EQ(nameOf(""), "");
    EXPECT_EQ(directoryOf(nullptr), "");
}

TEST(ProgramPath, DriveWithoutDirectory) {
    EXPECT_EQ(directoryOf("D:race.exe"), "D:");
    EXPECT_EQ(nameOf("D:race.exe"), "race.exe");
    EXPECT_EQ(directoryOf("D:"), "D:");
    EXPECT_EQ(nameOf("D:"), "");
}

TEST(ProgramPath, PathEndingInASeparatorHasNoName) {
    EXPECT_EQ(directoryOf("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(nameOf("C:\\Games\\"), "");
}

TEST(ProgramPath, QuotedPathIsSplitInsideItsQuotes) {
    const char* path = "\"C:\\Program Files\\Race\\race.exe\" -fast";
    EXPECT_EQ(directoryOf(path), "C:\\Program Files\\Race\\");
    EXPECT_EQ(nameOf(path), "race.exe");
    EXPECT_EQ(directoryOf("\"C:\\a b\\x.exe"), "C:\\a b\\");  // no closing quote
    EXPECT_EQ(nameOf("\""), "");
}

TEST(ProgramPath, ColonLaterInTheNameIsNoDrive) {
    EXPECT_EQ(directoryOf("ab:c.exe"), "");
    EXPECT_EQ(nameOf("ab:c.exe"), "ab:c.exe");
}

}  // namespace
}  // namespace tarvik

#include "shell/ProgramFollowing.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "config/BoundedString.h"
#include "shell/VersionString.h"

namespace tarvik {

namespace {

char folded(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c == '/') return '\\';
    return c;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

// The program inside its quotes, or the whole text without the blanks
// around it: a path with blanks is stored quoted so it can be started.
std::string_view programOf(const char* text) {
    std::string_view view(text);
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    if (!view.empty() && view.front() == '"') {
        view.remove_prefix(1);
        const size_t closing = view.find('"');
        if (closing != std::string_view::npos) view = view.substr(0, closing);
    }
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    return view;
}

std::string_view fileNameOf(std::string_view path) {
    const size_t last = path.find_last_of("\\/:");
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

bool isSkipped(const FollowingState& state, const char* file) {
    for (int i = 0; i < state.skippedCount; ++i) {
        if (sameText(state.skipped[i], file)) return true;
    }
    return false;
}

void copyPath(char (&target)[kMaxPathLength], const char* source) {
    copyBounded(target, source, kMaxPathLength);
}

}  // namespace

bool programTextMatches(const char* programText, const char* imagePath) {
    if (programText == nullptr || imagePath == nullptr) return false;
    const std::string_view program = programOf(programText);
    const std::string_view image(imagePath);
    if (program.empty() || image.empty()) return false;
    if (program.find_first_of("\\/:") == std::string_view::npos) {
        return sameText(program, fileNameOf(image));
    }
    return sameText(program, image);
}

int followedRow(const FollowingState& state, const CfgFileList& list, const char* imagePath) {
    const int count = list.cfgFileCount < kMaxCfgFiles ? list.cfgFileCount : kMaxCfgFiles;
    for (int row = 0; row < count; ++row) {
        char text[sizeof(CfgFileEntry::programText) + 1];
        copyBounded(text, list.rows[row].programText);
        char file[sizeof(CfgFileEntry::fileName) + 1];
        copyBounded(file, list.rows[row].fileName);
        if (programTextMatches(text, imagePath) && !isSkipped(state, file)) return row;
    }
    return -1;
}

bool fileToFollow(const FollowingState& state, const CfgFileList& list, const char* imagePath,
                  char (&file)[kMaxPathLength]) {
    const int row = followedRow(state, list, imagePath);
    if (row >= 0) {
        copyBounded(file, list.rows[row].fileName);
    } else {
        copyPath(file, state.baseFile);
    }
    return file[0] != '\0' && !sameText(file, state.currentFile);
}

void chooseByHand(FollowingState& state, const char* file) {
    copyPath(state.baseFile, file);
    copyPath(state.currentFile, file);
}

void followedTo(FollowingState& state, const char* file, bool failed) {
    copyPath(state.currentFile, file);
    if (failed) passOver(state, file);
}

void passOver(FollowingState& state, const char* file) {
    if (!isSkipped(state, file) && state.skippedCount < kMaxCfgFiles) {
        copyPath(state.skipped[state.skippedCount++], file);
    }
}

void loadProblemText(const char* file, const char* reason, char (&text)[256]) {
    std::snprintf(text, sizeof text, "could not load %s: %s", file, reason);
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
}

void trayTip(const FollowingState& state, const ConfigHeader& header, char (&tip)[64]) {
    copyBounded(tip, VersionString);
    if (!state.on) return;
    char name[sizeof(ConfigHeader::name) + 1];
    copyBounded(name, header.name);
    if (name[0] == '\0') return;
    size_t length = std::strlen(tip);
    for (const char* p = " - "; *p != '\0' && length + 1 < sizeof(tip); ++p) tip[length++] = *p;
    for (const char* p = name; *p != '\0' && length + 1 < sizeof(tip); ++p) tip[length++] = *p;
    tip[length] = '\0';
}

}  // namespace tarvik

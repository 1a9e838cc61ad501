#include "shell/ConfigurationStep.h"

#include <cctype>

#include "config/BoundedString.h"

namespace tarvik {

namespace {

const char* lastPart(const char* path) {
    const char* last = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') last = p + 1;
    }
    return last;
}

bool sameName(const char* a, std::string_view b) {
    size_t i = 0;
    for (; i < b.size() && a[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == b.size() && a[i] == '\0';
}

}  // namespace

int steppedRow(const CfgFileList& list, const char* fileInUse, int step) {
    const int count = list.cfgFileCount < 0              ? 0
                      : list.cfgFileCount > kMaxCfgFiles ? kMaxCfgFiles
                                                         : list.cfgFileCount;
    if (count == 0) return -1;
    const char* name = lastPart(fileInUse);
    int current = -1;
    for (int row = 0; row < count && current < 0; ++row) {
        if (sameName(name, boundedText(list.rows[row].fileName))) current = row;
    }
    if (current < 0) return step < 0 ? count - 1 : 0;
    return ((current + (step < 0 ? -1 : 1)) % count + count) % count;
}

}  // namespace tarvik

#pragma once
// The configuration files of the current directory that the tray menu offers.

#include <cstddef>
#include <cstdint>

namespace tarvik {

constexpr int kMaxCfgFiles = 32;
constexpr size_t kProgramTextCopied = 200;  // bytes of autostartPath a row shows

struct CfgFileEntry {
    char programText[260];  // first 200 bytes of the file's autostartPath; the rest zero
    char fileName[260];     // as found in the directory, zero-filled
};
static_assert(sizeof(CfgFileEntry) == 520);
static_assert(offsetof(CfgFileEntry, programText) == 0);
static_assert(offsetof(CfgFileEntry, fileName) == 260);

struct CfgFileList {
    CfgFileEntry rows[kMaxCfgFiles];
    int32_t cfgFileCount;  // 0..32
};
static_assert(sizeof(CfgFileList) == 32 * 520 + 4);
static_assert(offsetof(CfgFileList, cfgFileCount) == 32 * 520);

}  // namespace tarvik

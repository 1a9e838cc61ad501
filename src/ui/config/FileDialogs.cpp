#include "ui/config/FileDialogs.h"

namespace tarvik {

namespace {
// The literals end in an explicit NUL; the compiler adds the second.
constexpr char kConfigFilter[] = "cfg files \0*.CFG\0all files \0*.*\0";
constexpr char kProgramFilter[] = "programs  \0*.EXE\0all files \0*.*\0";
}  // namespace

const FileDialogSetup loadConfigDialog = {FileDialogKind::kOpen, kConfigFilter,
                                          sizeof(kConfigFilter), "load Tarvik config file",
                                          nullptr};
const FileDialogSetup saveConfigDialog = {FileDialogKind::kSave, kConfigFilter,
                                          sizeof(kConfigFilter), "save Tarvik config file", "cfg"};
const FileDialogSetup selectProgramDialog = {FileDialogKind::kOpen, kProgramFilter,
                                             sizeof(kProgramFilter), "select program", nullptr};

}  // namespace tarvik

#pragma once
// Commands of the common page: the header's texts, number, autostart flag
// and program.

#include <string_view>

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"

namespace tarvik {

// An edit of the common page that the user changed lost the focus with
// `text`: 1222 name (at
// most 199 characters), 1223 number (parseUnsignedDecimal), 1224
// autostartPath (at most 259), 1226 comment (at most 999). Returns false
// for other ids.
bool storeCommonEdit(ConfigHeader& header, int id, std::string_view text);

// "autostart": the flag is toggled with exclusive-or 1; the box shows it.
FollowUp toggleAutostart(ConfigHeader& header);

// "program:" confirmed with `path`: stored (at most 259 characters and the
// terminator) and the returned file name and extension go into edit 1224.
// The whole path stays in the record until the user changes that edit.
std::string_view storeAutostartPath(ConfigHeader& header, std::string_view path);

}  // namespace tarvik

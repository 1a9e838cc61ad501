#include "ui/config/CommonPageCommands.h"

#include "ui/config/ControlIds.h"
#include "ui/config/FieldText.h"

namespace tarvik {

bool storeCommonEdit(ConfigHeader& header, int id, std::string_view text) {
    switch (id) {
        case ControlId::kNameEdit:
            copyBounded(header.name, text);
            return true;
        case ControlId::kNumberEdit:
            header.number = parseUnsignedDecimal(text);
            return true;
        case ControlId::kAutostartPathEdit:
            copyBounded(header.autostartPath, text);
            return true;
        case ControlId::kCommentEdit:
            copyBounded(header.comment, text);
            return true;
        default:
            return false;
    }
}

FollowUp toggleAutostart(ConfigHeader& header) {
    header.autostart ^= 1;
    FollowUp f;
    f.check(ControlId::kAutostart, header.autostart != 0);
    return f;
}

std::string_view storeAutostartPath(ConfigHeader& header, std::string_view path) {
    copyBounded(header.autostartPath, path);
    return fileNameAndExtension(header.autostartPath);
}

}  // namespace tarvik

#include "ui/config/CommonPageCommands.h"

#include "ui/config/ControlIds.h"
#include "ui/config/FieldText.h"

namespace tarvik {

bool storeCommonEdit(ConfigHeader& header, int id, std::string_view text) {
    switch (id) {
        case ControlId::kNameEdit:
            copyText(header.name, sizeof(header.name), text, sizeof(header.name) - 1);
            return true;
        case ControlId::kNumberEdit:
            header.number = parseUnsignedDecimal(text);
            return true;
        case ControlId::kAutostartPathEdit:
            copyText(header.autostartPath, sizeof(header.autostartPath), text,
                     sizeof(header.autostartPath) - 1);
            return true;
        case ControlId::kCommentEdit:
            copyText(header.comment, sizeof(header.comment), text, sizeof(header.comment) - 1);
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
    copyText(header.autostartPath, sizeof(header.autostartPath), path,
             sizeof(header.autostartPath) - 1);
    return fileNameAndExtension(header.autostartPath);
}

}  // namespace tarvik

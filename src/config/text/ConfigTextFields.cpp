#include "config/text/ConfigTextFields.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "config/BoundedString.h"
#include "config/ResponseCurve.h"
#include "config/text/ConfigTextNames.h"

namespace tarvik {

namespace {

constexpr uint16_t kScanWordUsed = ScanWord::kScanCodeMask | ScanWord::kExtended;
constexpr uint32_t kNoShiftButton = 32;

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool startsWithName(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && sameName(text.substr(0, prefix.size()), prefix);
}

// ---- strings: double-quoted, with C escapes for what is not printable ASCII

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string unquote(std::string_view value, std::string& out) {
    value = trim(value);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return "expected a text in double quotes";
    }
    value = value.substr(1, value.size() - 2);
    out.clear();
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') return "a double quote inside a text must be written \\\"";
        if (c == '\0') return "a text cannot hold the byte 0";
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= value.size()) return "a text cannot end with a lone backslash";
        switch (value[i]) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'x': {
                const int high = i + 1 < value.size() ? hexDigit(value[i + 1]) : -1;
                const int low = i + 2 < value.size() ? hexDigit(value[i + 2]) : -1;
                if (high < 0 || low < 0) return "\\x needs two hexadecimal digits";
                if (high == 0 && low == 0) return "a text cannot hold the byte 0";
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return std::string("unknown escape \\") + value[i];
        }
    }
    return {};
}

template <size_t Size>
std::string setText(char (&field)[Size], std::string_view value) {
    std::string text;
    if (std::string error = unquote(value, text); !error.empty()) return error;
    if (text.size() > Size - 1) {
        return "text longer than " + std::to_string(Size - 1) + " characters (" +
               std::to_string(text.size()) + ")";
    }
    std::memset(field, 0, Size);
    std::memcpy(field, text.data(), text.size());
    return {};
}

// ---- numbers: decimal, checked against the field's range

template <typename T>
std::string parseNumber(std::string_view text, long long low, long long high, T& out) {
    text = trim(text);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end ||
        (error != std::errc{} && error != std::errc::result_out_of_range)) {
        return "expected a number, not \"" + std::string(text) + "\"";
    }
    if (error == std::errc::result_out_of_range || value < low || value > high) {
        return "number out of range " + std::to_string(low) + ".." + std::to_string(high);
    }
    out = static_cast<T>(value);
    return {};
}

template <typename T>
std::string setNumber(T& field, std::string_view value) {
    return parseNumber(value, static_cast<long long>(std::numeric_limits<T>::min()),
                       static_cast<long long>(std::numeric_limits<T>::max()), field);
}

std::string formatDelay(int32_t delayMs) {
    return std::to_string(delayMs) + "ms";
}

std::string setDelay(int32_t& field, std::string_view value) {
    value = trim(value);
    if (value.size() >= 2 && sameName(value.substr(value.size() - 2), "ms")) {
        value.remove_suffix(2);
    }
    return setNumber(field, value);
}

template <typename T, size_t Count>
std::string formatList(const T (&values)[Count]) {
    std::string out;
    for (size_t i = 0; i < Count; ++i) {
        if (i > 0) out += ' ';
        out += std::to_string(values[i]);
    }
    return out;
}

template <typename T>
std::string setList(T* values, size_t count, std::string_view text) {
    T parsed[64];
    size_t n = 0;
    text = trim(text);
    while (!text.empty()) {
        const size_t blank = text.find(' ');
        if (n == count) break;
        if (std::string error = setNumber(parsed[n], text.substr(0, blank)); !error.empty()) {
            return error;
        }
        ++n;
        text = blank == std::string_view::npos ? std::string_view{} : trim(text.substr(blank));
    }
    if (n != count || !text.empty()) return "expected " + std::to_string(count) + " numbers";
    std::memcpy(values, parsed, count * sizeof(T));
    return {};
}

// ---- flags: "none", or the names of the set ones, "=N" for values other than 1

template <typename Part>
struct FlagName {
    const char* name;
    uint8_t Part::*field;
};

const FlagName<ControlEntry> kEntryFlags[] = {
    {"SHIFT", &ControlEntry::withShift},
    {"CTRL", &ControlEntry::withCtrl},
    {"ALT", &ControlEntry::withAlt},
    {"text", &ControlEntry::sendKeys},
    {"mouse", &ControlEntry::mouseAction},
    {"toggle lock", &ControlEntry::toggleLock},
    {"auto-repeat", &ControlEntry::autoRepeat},
    {"auto-release", &ControlEntry::autoRelease},
    {"start prog", &ControlEntry::startProgram},
    {"string input dialog", &ControlEntry::openStringInput},
    {"switch program", &ControlEntry::switchProgram},
    {"f-select", &ControlEntry::fSelect},
    {"dynamic", &ControlEntry::dynamicStep},
    {"not centred", &ControlEntry::centred},
};

const FlagName<LayerBlock> kBlockFlags[] = {
    {"toggle lock", &LayerBlock::blockToggleLock},
    {"auto-repeat", &LayerBlock::blockAutoRepeat},
    {"auto-release", &LayerBlock::blockAutoRelease},
    {"disable multiple sensitivities", &LayerBlock::singleSensitivity},
};

template <typename Part, size_t Count>
std::string formatFlags(const Part& part, const FlagName<Part> (&flags)[Count]) {
    std::string out;
    for (const FlagName<Part>& flag : flags) {
        const uint8_t value = part.*flag.field;
        if (value == 0) continue;
        if (!out.empty()) out += ", ";
        out += flag.name;
        if (value != 1) out += "=" + std::to_string(value);
    }
    return out.empty() ? "none" : out;
}

template <typename Part, size_t Count>
std::string setFlags(Part& part, const FlagName<Part> (&flags)[Count], std::string_view text) {
    uint8_t values[Count] = {};
    text = trim(text);
    if (!sameName(text, "none")) {
        while (true) {
            const size_t comma = text.find(',');
            std::string_view item = trim(text.substr(0, comma));
            uint8_t value = 1;
            if (const size_t equals = item.find('='); equals != std::string_view::npos) {
                if (std::string error = parseNumber(item.substr(equals + 1), 1, 255, value);
                    !error.empty()) {
                    return error;
                }
                item = trim(item.substr(0, equals));
            }
            size_t found = Count;
            for (size_t i = 0; i < Count; ++i) {
                if (sameName(item, flags[i].name)) found = i;
            }
            if (found == Count) return "unknown flag \"" + std::string(item) + "\"";
            values[found] = value;
            if (comma == std::string_view::npos) break;
            text = text.substr(comma + 1);
        }
    }
    for (size_t i = 0; i < Count; ++i) part.*flags[i].field = values[i];
    return {};
}

// ---- keys: "SHIFT+A, B, right"; a key whose scan code or character is not
// the one a standard keyboard gives says so in parentheses

std::string characterText(char c) {
    const auto byte = static_cast<unsigned char>(c);
    char text[8];
    if (byte >= 0x20 && byte <= 0x7E && c != '\'' && c != '\\') {
        std::snprintf(text, sizeof text, "'%c'", c);
    } else {
        std::snprintf(text, sizeof text, "0x%02X", byte);
    }
    return text;
}

std::string formatKey(uint16_t keyWord, uint16_t scanWord, char character) {
    const auto code = static_cast<uint8_t>(keyWord & KeyWord::kVirtualKeyMask);
    const bool shift = (keyWord & KeyWord::kShift) != 0;
    std::string out;
    if (shift) out += "SHIFT+";
    if ((keyWord & KeyWord::kCtrl) != 0) out += "CTRL+";
    if ((keyWord & KeyWord::kAlt) != 0) out += "ALT+";
    out += keyName(code);
    std::string details;
    const uint16_t scan = scanWord & kScanWordUsed;
    if (scan != standardScanWord(code)) {
        char text[16];
        std::snprintf(text, sizeof text, "scan 0x%02X", scan);
        details = text;
    }
    if (character != standardCharacter(code, shift)) {
        if (!details.empty()) details += ", ";
        details += "char " + characterText(character);
    }
    if (!details.empty()) out += " (" + details + ")";
    return out;
}

std::string formatKeys(const ControlEntry& entry) {
    const size_t count = boundedText(entry.keyText).size();
    if (count == 0) return "none";
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) out += ", ";
        out += formatKey(entry.keyCodes[i], entry.scanCodes[i], entry.keyText[i]);
    }
    return out;
}

// Splits at the commas outside parentheses and character literals.
std::vector<std::string_view> splitItems(std::string_view text) {
    std::vector<std::string_view> items;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'' && i + 2 < text.size() && text[i + 2] == '\'') {
            i += 2;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            items.push_back(trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    items.push_back(trim(text.substr(start)));
    return items;
}

std::string parseKeyDetail(std::string_view detail, uint16_t& scan, char& character) {
    if (startsWithName(detail, "scan ")) {
        std::string_view number = trim(detail.substr(5));
        if (!startsWithName(number, "0x")) return "a scan code is written 0x..";
        unsigned value = 0;
        const char* end = number.data() + number.size();
        const auto [stop, error] = std::from_chars(number.data() + 2, end, value, 16);
        if (error != std::errc{} || stop != end || number.size() == 2) return "bad scan code";
        if (value > kScanWordUsed) return "scan code out of range 0x00..0x1FF";
        scan = static_cast<uint16_t>(value);
        return {};
    }
    if (startsWithName(detail, "char ")) {
        std::string_view value = trim(detail.substr(5));
        if (value.size() == 3 && value.front() == '\'' && value.back() == '\'') {
            character = value[1];
        } else if (startsWithName(value, "0x") && value.size() == 4 && hexDigit(value[2]) >= 0 &&
                   hexDigit(value[3]) >= 0) {
            character = static_cast<char>(hexDigit(value[2]) * 16 + hexDigit(value[3]));
        } else {
            return "a key's character is written 'c' or 0xNN";
        }
        if (character == '\0') return "a key's character cannot be 0";
        return {};
    }
    return "unknown key detail \"" + std::string(detail) + "\"";
}

std::string parseKey(std::string_view item, uint16_t& keyWord, uint16_t& scanWord,
                     char& character) {
    uint16_t modifiers = 0;
    while (true) {
        if (startsWithName(item, "SHIFT+")) {
            modifiers |= KeyWord::kShift;
            item.remove_prefix(6);
        } else if (startsWithName(item, "CTRL+")) {
            modifiers |= KeyWord::kCtrl;
            item.remove_prefix(5);
        } else if (startsWithName(item, "ALT+")) {
            modifiers |= KeyWord::kAlt;
            item.remove_prefix(4);
        } else {
            break;
        }
    }
    std::string_view details;
    if (const size_t open = item.find('('); open != std::string_view::npos) {
        if (item.back() != ')') return "a key's details end with \")\"";
        details = item.substr(open + 1, item.size() - open - 2);
        item = trim(item.substr(0, open));
    }
    const std::optional<uint8_t> code = findKey(item);
    if (!code) return "unknown key \"" + std::string(item) + "\"";
    keyWord = static_cast<uint16_t>(*code | modifiers);
    scanWord = standardScanWord(*code);
    character = standardCharacter(*code, (modifiers & KeyWord::kShift) != 0);
    if (details.empty()) return {};
    for (std::string_view detail : splitItems(details)) {
        if (std::string error = parseKeyDetail(detail, scanWord, character); !error.empty()) {
            return error;
        }
    }
    return {};
}

std::string setKeys(ControlEntry& entry, std::string_view text) {
    uint16_t keyCodes[kKeyArrayLength] = {};
    uint16_t scanCodes[kKeyArrayLength] = {};
    char keyText[kKeyArrayLength] = {};
    int count = 0;
    text = trim(text);
    if (!sameName(text, "none")) {
        for (std::string_view item : splitItems(text)) {
            if (count == kMaxRecordedKeys) {
                return "more than " + std::to_string(kMaxRecordedKeys) + " keys";
            }
            if (std::string error =
                    parseKey(item, keyCodes[count], scanCodes[count], keyText[count]);
                !error.empty()) {
                return error;
            }
            ++count;
        }
    }
    std::memcpy(entry.keyCodes, keyCodes, sizeof keyCodes);
    std::memcpy(entry.scanCodes, scanCodes, sizeof scanCodes);
    std::memcpy(entry.keyText, keyText, sizeof keyText);
    entry.keyCount = static_cast<uint8_t>(count);
    entry.lastKeyCode = count > 0 ? keyCodes[count - 1] : 0;
    return {};
}

// ---- the header's own notations

std::string formatSwitch(uint16_t value) {
    return value == 0 ? "off" : value == 1 ? "on" : std::to_string(value);
}

std::string setSwitch(uint16_t& field, std::string_view value) {
    value = trim(value);
    if (sameName(value, "off")) {
        field = 0;
    } else if (sameName(value, "on")) {
        field = 1;
    } else {
        return setNumber(field, value);
    }
    return {};
}

std::string formatLearnMask(uint32_t mask) {
    if (mask == 0) return "off";
    if ((mask & ~7u) != 0) return std::to_string(mask);
    std::string out;
    if (mask & LearnMask::kButtons) out += 'B';
    if (mask & LearnMask::kAxes) out += 'A';
    if (mask & LearnMask::kPovs) out += 'P';
    return out;
}

std::string setLearnMask(uint32_t& field, std::string_view value) {
    value = trim(value);
    if (sameName(value, "off")) {
        field = 0;
        return {};
    }
    if (!value.empty() && (value[0] < '0' || value[0] > '9')) {
        uint32_t mask = 0;
        for (const char c : value) {
            const char upper = static_cast<char>(c & ~0x20);
            if (upper == 'B')
                mask |= LearnMask::kButtons;
            else if (upper == 'A')
                mask |= LearnMask::kAxes;
            else if (upper == 'P')
                mask |= LearnMask::kPovs;
            else
                return "auto is \"off\", letters of B, A, P, or a number";
        }
        field = mask;
        return {};
    }
    return setNumber(field, value);
}

std::string axisName(int direction) {
    // The axis part of the level-1 control name: "X+", "rY-", "S2+".
    const std::string name = controlName(EntryIndex::axis(0, direction));
    return name.substr(0, name.find(' '));
}

}  // namespace

std::vector<TextLine> headerLines(const ConfigHeader& h) {
    return {
        {"name", quote(boundedText(h.name))},
        {"number", std::to_string(h.number)},
        {"program", quote(boundedText(h.autostartPath))},
        {"autostart", formatSwitch(h.autostart)},
        {"comment", quote(boundedText(h.comment))},
        {"shift device", std::to_string(uint64_t{h.shiftDevice} + 1)},
        {"shift button",
         h.shiftButton < kNoShiftButton ? std::to_string(h.shiftButton + 1) : "off"},
    };
}

std::string applyHeaderLine(std::string_view name, std::string_view value, ConfigHeader& h) {
    if (sameName(name, "name")) return setText(h.name, value);
    if (sameName(name, "number")) return setNumber(h.number, value);
    if (sameName(name, "program")) return setText(h.autostartPath, value);
    if (sameName(name, "autostart")) return setSwitch(h.autostart, value);
    if (sameName(name, "comment")) return setText(h.comment, value);
    if (sameName(name, "shift device")) {
        uint64_t device = 0;
        std::string error = parseNumber(value, 1, 4294967296LL, device);
        if (error.empty()) h.shiftDevice = static_cast<uint32_t>(device - 1);
        return error;
    }
    if (sameName(name, "shift button")) {
        if (sameName(trim(value), "off")) {
            h.shiftButton = kNoShiftButton;
            return {};
        }
        uint32_t button = 0;
        std::string error = parseNumber(value, 1, kNoShiftButton, button);
        if (error.empty()) h.shiftButton = button - 1;
        return error;
    }
    return "unknown header field \"" + std::string(name) + "\"";
}

std::vector<TextLine> blockLines(const LayerBlock& b, bool runtime) {
    std::vector<TextLine> lines;
    lines.push_back({"levels", formatList(b.levelPercent)});
    for (int k = 0; k < kDirections; ++k) {
        lines.push_back({"thresholds " + axisName(k), formatList(b.directionPercent[k])});
    }
    lines.push_back({"X-step", std::to_string(b.blockXStep)});
    lines.push_back({"Y-step", std::to_string(b.blockYStep)});
    lines.push_back({"auto", formatLearnMask(b.learnMask)});
    lines.push_back({"delay", formatDelay(b.blockDelayMs)});
    lines.push_back({"flags", formatFlags(b, kBlockFlags)});
    if (runtime) {
        lines.push_back({"held buttons", formatList(b.previousButtons)});
        std::string axes;
        for (const auto& row : b.activeAxisEntries)
            axes += (axes.empty() ? "" : " ") + formatList(row);
        lines.push_back({"held axes", axes});
        lines.push_back({"held hats", formatList(b.activePovEntries)});
    }
    return lines;
}

std::string applyBlockLine(std::string_view name, std::string_view value, LayerBlock& b) {
    if (sameName(name, "levels")) return setList(b.levelPercent, 3, value);
    for (int k = 0; k < kDirections; ++k) {
        if (sameName(name, "thresholds " + axisName(k))) {
            return setList(b.directionPercent[k], kThresholdColumns, value);
        }
    }
    if (sameName(name, "X-step")) return setNumber(b.blockXStep, value);
    if (sameName(name, "Y-step")) return setNumber(b.blockYStep, value);
    if (sameName(name, "auto")) return setLearnMask(b.learnMask, value);
    if (sameName(name, "delay")) return setDelay(b.blockDelayMs, value);
    if (sameName(name, "flags")) return setFlags(b, kBlockFlags, value);
    if (sameName(name, "held buttons")) return setList(b.previousButtons, 32, value);
    if (sameName(name, "held axes")) {
        return setList(&b.activeAxisEntries[0][0], sizeof b.activeAxisEntries, value);
    }
    if (sameName(name, "held hats")) return setList(b.activePovEntries, 4, value);
    return "unknown block field \"" + std::string(name) + "\"";
}

std::vector<TextLine> entryLines(const ControlEntry& e) {
    const char* action = mouseActionName(e.mouseActionCode);
    const char* curve = responseCurveName(e.responseCurve);
    return {
        {"label", quote(boundedText(e.label))},
        {"keys", formatKeys(e)},
        {"flags", formatFlags(e, kEntryFlags)},
        {"mouse action", action ? action : std::to_string(e.mouseActionCode)},
        {"delay", formatDelay(e.delayMs)},
        {"X-step", std::to_string(e.xStep)},
        {"Y-step", std::to_string(e.yStep)},
        {"sensitivity", std::to_string(e.sensitivity)},
        {"curve", curve ? curve : std::to_string(e.responseCurve)},
        {"program", quote(boundedText(e.programPath))},
        {"control index", std::to_string(e.controlIndex)},
    };
}

namespace {

// A curve by its name, or any byte by its number: a newer version's curve
// survives a round trip through this one.
std::string setResponseCurve(uint8_t& curve, std::string_view value) {
    value = trim(value);
    for (int i = 0; i < kResponseCurveCount; ++i) {
        if (sameName(value, kResponseCurveNames[i])) {
            curve = static_cast<uint8_t>(i);
            return {};
        }
    }
    if (!value.empty() && value[0] >= '0' && value[0] <= '9') return setNumber(curve, value);
    return "unknown curve \"" + std::string(value) + "\"";
}

}  // namespace

std::string applyEntryLine(std::string_view name, std::string_view value, ControlEntry& e) {
    if (sameName(name, "label")) return setText(e.label, value);
    if (sameName(name, "keys")) return setKeys(e, value);
    if (sameName(name, "flags")) return setFlags(e, kEntryFlags, value);
    if (sameName(name, "mouse action")) {
        value = trim(value);
        if (const std::optional<uint8_t> code = findMouseAction(value)) {
            e.mouseActionCode = *code;
            return {};
        }
        if (!value.empty() && value[0] >= '0' && value[0] <= '9') {
            return setNumber(e.mouseActionCode, value);
        }
        return "unknown mouse action \"" + std::string(value) + "\"";
    }
    if (sameName(name, "delay")) return setDelay(e.delayMs, value);
    if (sameName(name, "X-step")) return setNumber(e.xStep, value);
    if (sameName(name, "Y-step")) return setNumber(e.yStep, value);
    if (sameName(name, "sensitivity")) return setNumber(e.sensitivity, value);
    if (sameName(name, "curve")) return setResponseCurve(e.responseCurve, value);
    if (sameName(name, "program")) return setText(e.programPath, value);
    if (sameName(name, "control index")) return setNumber(e.controlIndex, value);
    return "unknown entry field \"" + std::string(name) + "\"";
}

}  // namespace tarvik

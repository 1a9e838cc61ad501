#include "config/text/ConfigTextNames.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "config/AxisDirectionNames.h"
#include "config/ControlEntry.h"
#include "config/KeyAndActionLists.h"

namespace tarvik {

namespace {

constexpr const char* kSectorNames[EntryIndex::kSectors] = {
    "north", "north-east", "east", "south-east", "south", "south-west", "west", "north-west"};

// Keys outside the key list that a keyboard has on every layout, named
// after the system's own constants.
struct NamedKey {
    const char* name;
    uint8_t code;
    char plain;
    char shifted;
};
constexpr NamedKey kPunctuationKeys[] = {
    {"oem 1", 0xBA, ';', ':'},     {"oem plus", 0xBB, '=', '+'},   {"oem comma", 0xBC, ',', '<'},
    {"oem minus", 0xBD, '-', '_'}, {"oem period", 0xBE, '.', '>'}, {"oem 2", 0xBF, '/', '?'},
    {"oem 3", 0xC0, '`', '~'},     {"oem 4", 0xDB, '[', '{'},      {"oem 5", 0xDC, '\\', '|'},
    {"oem 6", 0xDD, ']', '}'},     {"oem 7", 0xDE, '\'', '"'},     {"oem 8", 0xDF, 0, 0},
    {"oem 102", 0xE2, '\\', '|'},
};

// Scan codes of a standard keyboard, indexed by virtual-key code; 0 where
// the key has none. Bit 0x100 marks the keys of the extended set.
constexpr uint16_t kExt = ScanWord::kExtended;
struct ScanRow {
    uint8_t code;
    uint16_t scan;
};
constexpr ScanRow kScanRows[] = {
    {8, 0x0E},         {9, 0x0F},          {13, 0x1C},        {16, 0x2A},        {17, 0x1D},
    {18, 0x38},        {19, 0x45},         {20, 0x3A},        {27, 0x01},        {32, 0x39},
    {33, 0x49 | kExt}, {34, 0x51 | kExt},  {35, 0x4F | kExt}, {36, 0x47 | kExt}, {37, 0x4B | kExt},
    {38, 0x48 | kExt}, {39, 0x4D | kExt},  {40, 0x50 | kExt}, {44, 0x37 | kExt}, {45, 0x52 | kExt},
    {46, 0x53 | kExt}, {48, 0x0B},         {49, 0x02},        {50, 0x03},        {51, 0x04},
    {52, 0x05},        {53, 0x06},         {54, 0x07},        {55, 0x08},        {56, 0x09},
    {57, 0x0A},        {65, 0x1E},         {66, 0x30},        {67, 0x2E},        {68, 0x20},
    {69, 0x12},        {70, 0x21},         {71, 0x22},        {72, 0x23},        {73, 0x17},
    {74, 0x24},        {75, 0x25},         {76, 0x26},        {77, 0x32},        {78, 0x31},
    {79, 0x18},        {80, 0x19},         {81, 0x10},        {82, 0x13},        {83, 0x1F},
    {84, 0x14},        {85, 0x16},         {86, 0x2F},        {87, 0x11},        {88, 0x2D},
    {89, 0x15},        {90, 0x2C},         {91, 0x5B | kExt}, {92, 0x5C | kExt}, {93, 0x5D | kExt},
    {96, 0x52},        {97, 0x4F},         {98, 0x50},        {99, 0x51},        {100, 0x4B},
    {101, 0x4C},       {102, 0x4D},        {103, 0x47},       {104, 0x48},       {105, 0x49},
    {106, 0x37},       {107, 0x4E},        {109, 0x4A},       {110, 0x53},       {111, 0x35 | kExt},
    {112, 0x3B},       {113, 0x3C},        {114, 0x3D},       {115, 0x3E},       {116, 0x3F},
    {117, 0x40},       {118, 0x41},        {119, 0x42},       {120, 0x43},       {121, 0x44},
    {122, 0x57},       {123, 0x58},        {124, 0x64},       {125, 0x65},       {126, 0x66},
    {127, 0x67},       {128, 0x68},        {129, 0x69},       {130, 0x6A},       {131, 0x6B},
    {132, 0x6C},       {133, 0x6D},        {134, 0x6E},       {135, 0x76},       {144, 0x45 | kExt},
    {145, 0x46},       {160, 0x2A},        {161, 0x36},       {162, 0x1D},       {163, 0x1D | kExt},
    {164, 0x38},       {165, 0x38 | kExt}, {0xBA, 0x27},      {0xBB, 0x0D},      {0xBC, 0x33},
    {0xBD, 0x0C},      {0xBE, 0x34},       {0xBF, 0x35},      {0xC0, 0x29},      {0xDB, 0x1A},
    {0xDC, 0x2B},      {0xDD, 0x1B},       {0xDE, 0x28},      {0xE2, 0x56},
};

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Splits "word rest" at the first blank.
std::string_view firstWord(std::string_view& text) {
    text = trim(text);
    const size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view{} : trim(text.substr(blank + 1));
    return word;
}

std::optional<int> parseIndex(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string outOfRange(std::string_view what, int low, int high) {
    return std::string(what) + " out of range " + std::to_string(low) + ".." + std::to_string(high);
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string controlName(int e) {
    using namespace EntryIndex;
    char text[40];
    if (e >= kFirstButton && e < kFirstButton + kButtons) {
        std::snprintf(text, sizeof text, "button %d", e);
    } else if (e >= kFirstAxis && e <= kLastAxis) {
        const int offset = e - kFirstAxis;
        std::snprintf(text, sizeof text, "%s level %d",
                      kAxisDirectionNames[offset % kAxisDirections], offset / kAxisDirections + 1);
    } else if (e >= kFirstPov && e <= kLastPov) {
        const int offset = e - kFirstPov;
        std::snprintf(text, sizeof text, "hat %d %s", offset / kSectors,
                      kSectorNames[offset % kSectors]);
    } else {
        std::snprintf(text, sizeof text, "entry %d", e);
    }
    return text;
}

ControlLookup findControl(std::string_view name) {
    using namespace EntryIndex;
    std::string_view rest = name;
    const std::string_view word = firstWord(rest);
    if (sameName(word, "button") || sameName(word, "entry")) {
        const bool button = sameName(word, "button");
        const std::optional<int> n = parseIndex(rest);
        if (!n) return {-1, "expected a number after \"" + std::string(word) + "\""};
        if (button && (*n < 1 || *n > kButtons)) return {-1, outOfRange("button", 1, kButtons)};
        if (!button && (*n < 0 || *n >= kEntriesPerBlock)) {
            return {-1, outOfRange("entry", 0, kEntriesPerBlock - 1)};
        }
        return {*n, {}};
    }
    if (sameName(word, "hat")) {
        const std::optional<int> hat = parseIndex(firstWord(rest));
        if (!hat) return {-1, "expected a hat number"};
        if (*hat < 0 || *hat >= kHats) return {-1, outOfRange("hat", 0, kHats - 1)};
        for (int sector = 0; sector < kSectors; ++sector) {
            if (sameName(rest, kSectorNames[sector])) return {pov(*hat, sector), {}};
        }
        return {-1, "unknown hat direction \"" + std::string(rest) + "\""};
    }
    for (int direction = 0; direction < kAxisDirections; ++direction) {
        if (!sameName(word, kAxisDirectionNames[direction])) continue;
        const std::string_view levelWord = firstWord(rest);
        const std::optional<int> level = parseIndex(rest);
        if (!sameName(levelWord, "level") || !level) return {-1, "expected \"level\" and 1..3"};
        if (*level < 1 || *level > kLevels) return {-1, outOfRange("level", 1, kLevels)};
        return {axis(*level - 1, direction), {}};
    }
    return {-1, "unknown control \"" + std::string(name) + "\""};
}

std::string keyName(uint8_t code) {
    for (const ListItem& item : keyListItems) {
        if (item.code == code) return item.text;
    }
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return std::string(1, static_cast<char>(code));
    }
    for (const NamedKey& key : kPunctuationKeys) {
        if (key.code == code) return key.name;
    }
    char text[12];
    std::snprintf(text, sizeof text, "vk 0x%02X", code);
    return text;
}

std::optional<uint8_t> findKey(std::string_view name) {
    for (const ListItem& item : keyListItems) {
        if (sameName(name, item.text)) return item.code;
    }
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint8_t>(c);
    }
    for (const NamedKey& key : kPunctuationKeys) {
        if (sameName(name, key.name)) return key.code;
    }
    std::string_view rest = name;
    if (sameName(firstWord(rest), "vk") && rest.size() > 2 && sameName(rest.substr(0, 2), "0x")) {
        unsigned value = 0;
        const char* end = rest.data() + rest.size();
        const auto [stop, error] = std::from_chars(rest.data() + 2, end, value, 16);
        if (error == std::errc{} && stop == end && value <= 0xFF) {
            return static_cast<uint8_t>(value);
        }
    }
    return std::nullopt;
}

uint16_t standardScanWord(uint8_t code) {
    for (const ScanRow& row : kScanRows) {
        if (row.code == code) return row.scan;
    }
    return 0;
}

char standardCharacter(uint8_t code, bool shift) {
    constexpr char kShiftedDigits[] = ")!@#$%^&*(";
    if (code >= 'A' && code <= 'Z') return static_cast<char>(shift ? code : code - 'A' + 'a');
    if (code >= '0' && code <= '9')
        return shift ? kShiftedDigits[code - '0'] : static_cast<char>(code);
    if (code == ' ') return ' ';
    for (const NamedKey& key : kPunctuationKeys) {
        if (key.code == code && key.plain != 0) return shift ? key.shifted : key.plain;
    }
    return kNoCharacterPlaceholder;
}

const char* mouseActionName(uint8_t code) {
    const std::optional<int> item = selectMouseAction(code);
    return item ? mouseActionListItems[*item].text : nullptr;
}

std::optional<uint8_t> findMouseAction(std::string_view name) {
    for (const ListItem& item : mouseActionListItems) {
        if (sameName(name, item.text)) return item.code;
    }
    return std::nullopt;
}

}  // namespace tarvik

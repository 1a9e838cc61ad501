#include "config/text/ConfigText.h"

#include <charconv>
#include <cstddef>
#include <cstring>
#include <vector>

#include "config/Defaults.h"
#include "config/text/ConfigTextFields.h"
#include "config/text/ConfigTextNames.h"

namespace tarvik {

namespace {

constexpr char kIndent[] = "  ";

// Built once: the defaults write a label into every entry, and a reader
// starts from them for every text it reads.
const Configuration& baseline() {
    static const std::unique_ptr<Configuration> config = [] {
        auto made = std::make_unique<Configuration>();
        std::memset(made.get(), 0, sizeof(Configuration));
        writeRecordDefaults(*made);
        made->header.version = kConfigVersion;
        return made;
    }();
    return *config;
}

std::string blockTitle(int block) {
    std::string title =
        "block " + std::to_string(block) + "  # device " + std::to_string(block / 2 + 1);
    return block % 2 == 1 ? title + ", shifted" : title;
}

void appendLine(std::string& out, std::string_view prefix, int depth, const TextLine& line) {
    out += prefix;
    for (int i = 0; i < depth; ++i) out += kIndent;
    out += line.name;
    out += ": ";
    out += line.value;
    out += '\n';
}

// One part's differences: as plain lines for show, as -/+ pairs for diff.
struct PartWriter {
    bool asDiff;
    std::string& out;

    // Returns whether anything was written.
    bool write(const std::vector<TextLine>& a, const std::vector<TextLine>& b, int depth,
               const std::string& title, int titleDepth) {
        bool any = false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i].value == b[i].value) continue;
            if (!any && !title.empty()) {
                out += asDiff ? "  " : "";
                for (int d = 0; d < titleDepth; ++d) out += kIndent;
                out += title + '\n';
            }
            any = true;
            if (asDiff) {
                appendLine(out, "- ", depth, b[i]);
                appendLine(out, "+ ", depth, a[i]);
            } else {
                appendLine(out, "", depth, a[i]);
            }
        }
        return any;
    }
};

// The block part and entries of block `index` that differ between `a` and
// `b` (for show, `b` is the baseline).
std::string blockText(const LayerBlock& a, const LayerBlock& b, int index, bool runtime,
                      bool asDiff) {
    std::string body;
    PartWriter writer{asDiff, body};
    // Parts equal byte for byte have equal lines: most of a record is the
    // defaults, and formatting all of it for nothing is what makes showing a
    // record slow.
    if (std::memcmp(&a, &b, offsetof(LayerBlock, entries)) != 0) {
        writer.write(blockLines(a, runtime), blockLines(b, runtime), 1, {}, 0);
    }
    for (int e = 0; e < kEntriesPerBlock; ++e) {
        if (std::memcmp(&a.entries[e], &b.entries[e], sizeof(ControlEntry)) == 0) continue;
        writer.write(entryLines(a.entries[e]), entryLines(b.entries[e]), 2, controlName(e), 1);
    }
    if (body.empty()) return {};
    return (asDiff ? "  " : "") + blockTitle(index) + '\n' + body;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view withoutComment(std::string_view text) {
    return trim(text.substr(0, text.find('#')));
}

}  // namespace

void makeTextBaseline(Configuration& config) {
    std::memcpy(&config, &baseline(), sizeof config);
}

std::string formatConfiguration(const Configuration& config, bool runtime) {
    std::string out = "# Tarvik configuration: the header, then what differs from the defaults\n";
    for (const TextLine& line : headerLines(config.header)) appendLine(out, "", 0, line);
    for (int b = 0; b < kBlockCount; ++b) {
        const std::string block =
            blockText(config.blocks[b], baseline().blocks[b], b, runtime, false);
        if (!block.empty()) out += '\n' + block;
    }
    return out;
}

int lastBlockInUse(const Configuration& config) {
    for (int b = kBlockCount - 1; b >= 0; --b) {
        if (!blockText(config.blocks[b], baseline().blocks[b], b, true, false).empty()) return b;
    }
    return -1;
}

std::string diffConfigurations(const Configuration& a, const Configuration& b, bool runtime) {
    std::string out;
    PartWriter header{true, out};
    // In a diff the second record is "+": `write` takes it first.
    header.write(headerLines(b.header), headerLines(a.header), 0, "header", 0);
    for (int i = 0; i < kBlockCount; ++i) {
        out += blockText(b.blocks[i], a.blocks[i], i, runtime, true);
    }
    return out;
}

std::optional<TextError> readConfigurationText(std::string_view text, Configuration& config) {
    int block = -1;
    int entry = -1;
    int lineNumber = 0;
    while (!text.empty() || lineNumber == 0) {
        ++lineNumber;
        const size_t end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#') continue;

        auto fail = [&](std::string message) {
            return std::optional<TextError>(TextError{lineNumber, std::move(message)});
        };
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            const std::string_view title = withoutComment(line);
            if (title.size() > 6 && sameName(title.substr(0, 6), "block ")) {
                const std::string_view number = trim(title.substr(6));
                int value = -1;
                const auto [stop, error] =
                    std::from_chars(number.data(), number.data() + number.size(), value);
                if (error != std::errc{} || stop != number.data() + number.size()) {
                    return fail("expected a block number, not \"" + std::string(number) + "\"");
                }
                if (value < 0 || value >= kBlockCount) {
                    return fail("block out of range 0.." + std::to_string(kBlockCount - 1));
                }
                block = value;
                entry = -1;
                continue;
            }
            if (block < 0) return fail("a control belongs under a \"block N\" line");
            const ControlLookup control = findControl(title);
            if (control.entryIndex < 0) return fail(control.error);
            entry = control.entryIndex;
            continue;
        }

        const std::string_view name = trim(line.substr(0, colon));
        const std::string_view value = trim(line.substr(colon + 1));
        std::string error;
        if (block < 0) {
            error = applyHeaderLine(name, value, config.header);
        } else if (entry < 0) {
            error = applyBlockLine(name, value, config.blocks[block]);
        } else {
            error = applyEntryLine(name, value, config.blocks[block].entries[entry]);
        }
        if (!error.empty()) return fail(std::string(name) + ": " + error);
    }
    return std::nullopt;
}

}  // namespace tarvik

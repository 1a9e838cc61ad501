#pragma once
// The fields of the configuration text, one "name: value" line each: the
// header's, a block's block-wide ones and an entry's. Formatting gives every
// field of a part in a fixed order, so that a part's lines can be compared
// with those of the defaults or of another record line by line; applying
// sets one field from its text.

#include <string>
#include <string_view>
#include <vector>

#include "config/Configuration.h"

namespace tarvik {

struct TextLine {
    std::string name;
    std::string value;
};

std::vector<TextLine> headerLines(const ConfigHeader& header);
// The run-time memory (held buttons, axis and hat entries) only on request.
std::vector<TextLine> blockLines(const LayerBlock& block, bool runtime);
std::vector<TextLine> entryLines(const ControlEntry& entry);

// Each returns an error text, or an empty one when the field was set.
std::string applyHeaderLine(std::string_view name, std::string_view value, ConfigHeader& header);
std::string applyBlockLine(std::string_view name, std::string_view value, LayerBlock& block);
std::string applyEntryLine(std::string_view name, std::string_view value, ControlEntry& entry);

}  // namespace tarvik

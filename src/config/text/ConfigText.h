#pragma once
// The configuration record as text and back. The text names what differs
// from the defaults: the header always, then per block its block-wide
// settings and its entries, each entry under its control's name. Reading
// starts from the defaults and applies what the text says.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "config/Configuration.h"

namespace tarvik {

// Zeros, the defaults and the version word: what a text starts from, and
// what showing a record compares it with.
void makeTextBaseline(Configuration& config);

// The whole text. The run-time memory only with `runtime`.
std::string formatConfiguration(const Configuration& config, bool runtime);

// What differs between `a` and `b`, as "-" lines of `a` and "+" lines of
// `b` under their block and entry; empty when they agree.
std::string diffConfigurations(const Configuration& a, const Configuration& b, bool runtime);

// The highest block whose text, run-time memory included, differs from the
// defaults; -1 when none does.
int lastBlockInUse(const Configuration& config);

struct TextError {
    int line = 0;
    std::string message;
};

// Applies the text to `config`, which holds the baseline. Stops at the
// first error; `config` is then partly changed and must not be used.
std::optional<TextError> readConfigurationText(std::string_view text, Configuration& config);

}  // namespace tarvik

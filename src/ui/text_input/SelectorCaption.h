#pragma once
// The text the function-key selector shows in its caption bar: the label of
// the row on offer, always terminated.

#include "config/BoundedString.h"
#include "config/FunctionKeyTable.h"

namespace tarvik {

constexpr size_t kSelectorCaptionSize = sizeof(FunctionKeyEntry::label) + 1;

// A row outside the table shows row 0 ("none"): that is also what the
// countdown types for it, nothing.
inline void selectorCaption(const FunctionKeyTable& table, int32_t index,
                            char (&caption)[kSelectorCaptionSize]) {
    const bool inTable = index >= 0 && index < kFunctionKeyRows;
    copyBounded(caption, boundedText(table.rows[inTable ? index : 0].label));
}

}  // namespace tarvik

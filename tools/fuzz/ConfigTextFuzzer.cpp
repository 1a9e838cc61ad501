// Reads arbitrary bytes as configuration text. Whatever the reader accepts
// must come out again as a text that reads back to the same record and the
// same text: the reader may reject, but never crash, read outside its input
// or store what the writer cannot show.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "config/text/ConfigText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik;
    static const auto first = std::make_unique<Configuration>();
    static const auto second = std::make_unique<Configuration>();
    makeTextBaseline(*first);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (readConfigurationText(input, *first)) return 0;

    const std::string text = formatConfiguration(*first, true);
    makeTextBaseline(*second);
    if (readConfigurationText(text, *second)) std::abort();
    if (formatConfiguration(*second, true) != text) std::abort();
    if (std::memcmp(first.get(), second.get(), sizeof(Configuration)) != 0) std::abort();
    return 0;
}

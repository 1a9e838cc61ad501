#pragma once
// The one way the text-input window and the function-key selector type:
// through the synthetic-input keyboard operation, so that its pacing (at
// least 2 ms after every event) and its bookkeeping apply to them as well.

#include <cstdint>

namespace tarvik {

class KeySender {
  public:
    virtual ~KeySender() = default;
    // keyWord: virtual-key code in bits 0..7; scanWord: scan code in bits
    // 0..7 and ScanWord::kExtended; flags: 0 key down, 2 key up.
    // Injects one keyboard event, then sleeps max(delay, 2) ms.
    virtual void sendKeyEvent(int32_t delay, uint16_t keyWord, uint16_t scanWord,
                              uint32_t flags) = 0;
};

}  // namespace tarvik

#pragma once
// Reads a fuzz input field by field. Past its end every field reads as
// zero, so any byte string, however cut, decodes to something complete.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarvik::fuzz {

class InputReader {
  public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t remaining() const { return size_ - position_; }

    // Copies `count` bytes, zero-filling what the input lacks.
    void copy(void* target, size_t count) {
        const size_t n = count < remaining() ? count : remaining();
        if (n > 0) std::memcpy(target, data_ + position_, n);
        if (n < count) std::memset(static_cast<uint8_t*>(target) + n, 0, count - n);
        position_ += n;
    }

    template <typename T>
    T read() {
        T value;
        copy(&value, sizeof value);
        return value;
    }

    uint8_t byte() { return read<uint8_t>(); }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

}  // namespace tarvik::fuzz

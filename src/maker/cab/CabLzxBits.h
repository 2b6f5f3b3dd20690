// The LZX bit stream: bits go in most significant first, packed into 16-bit
// little-endian words.
#pragma once

#include <cstdint>

#include "maker/CompFormat.h"

namespace quen::cab {

class LzxBits {
public:
    // Appends the low `count` bits of `value` (count 0..32).
    void Put(std::uint32_t value, int count) {
        if (count > 16) {
            Put(value >> 16, count - 16);
            count = 16;
        }
        acc_ = (acc_ << count) | (value & ((1u << count) - 1));
        pending_ += count;
        if (pending_ >= 16) {
            pending_ -= 16;
            const std::uint32_t word = static_cast<std::uint32_t>(acc_ >> pending_) & 0xFFFF;
            out_.push_back(static_cast<std::uint8_t>(word));
            out_.push_back(static_cast<std::uint8_t>(word >> 8));
        }
    }
    // Pads with zero bits to the next word; readers realign there after every frame.
    void Align() {
        if (pending_ > 0) Put(0, 16 - pending_);
    }
    // The bytes written since the last Take; call after Align.
    Bytes Take() {
        Bytes b;
        b.swap(out_);
        return b;
    }

private:
    Bytes out_;
    std::uint64_t acc_ = 0;
    int pending_ = 0;
};

}  // namespace quen::cab

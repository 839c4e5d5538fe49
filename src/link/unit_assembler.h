#pragma once
// Cuts a received byte stream into 32-byte units, whatever the chunks it arrived in. Partial
// data waits for the rest; the waiting input is bounded like the port's input buffer.

#include "base/bytes.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <optional>
#include <span>

namespace motiview {

class UnitAssembler {
  public:
    static constexpr std::size_t kInputBufferSize = 1024;

    // Appends received bytes. Beyond the input buffer size the oldest bytes are dropped,
    // as an overrun would; returns how many were dropped.
    std::size_t feed(std::span<const std::uint8_t> bytes) {
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        std::size_t dropped = 0;
        if (buffer_.size() > kInputBufferSize) {
            dropped = buffer_.size() - kInputBufferSize;
            buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(dropped));
        }
        return dropped;
    }

    // The next complete unit, or nullopt while fewer than 32 bytes wait.
    [[nodiscard]] std::optional<Unit> next() {
        if (buffer_.size() < kUnitSize) {
            return std::nullopt;
        }
        Unit u{};
        std::copy_n(buffer_.begin(), kUnitSize, u.begin());
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(kUnitSize));
        return u;
    }

    // Drops up to max waiting bytes; returns how many.
    std::size_t discard(std::size_t max) {
        const std::size_t n = std::min(max, buffer_.size());
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }

    [[nodiscard]] std::size_t waiting() const { return buffer_.size(); }
    void clear() { buffer_.clear(); }

  private:
    std::deque<std::uint8_t> buffer_;
};

} // namespace motiview

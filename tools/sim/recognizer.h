#pragma once
// Finds the PC's frames in the received byte stream: status requests, read requests, write
// frames, hall test commands and the counter reset. Bytes that start no known frame are
// skipped one at a time, so reception falls back into step at the next frame start.

#include "base/bytes.h"
#include "link/frames.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace motiview::sim {

enum class RequestKind : std::uint8_t {
    Status,       // FD 48 55
    Read,         // page group, read code, DA
    Write,        // page group, write code, payload, DA (32 bytes)
    CounterReset, // FB EC DA
    HallA,        // FC EC DA
    HallB,        // FC ED DA
    HallStop,     // FC EE DA
};

struct Request {
    RequestKind kind = RequestKind::Status;
    PageId page = PageId::Basic; // Read and Write
    Unit frame{};                // Write: the whole frame as received
};

class Recognizer {
  public:
    // Waiting input is bounded; a PC never has more than a few frames in flight.
    static constexpr std::size_t kMaxWaiting = 4096;

    // Appends received bytes and returns every request completed by them.
    [[nodiscard]] std::vector<Request> feed(std::span<const std::uint8_t> bytes);

    // Nothing more came for a while: a frame start still waiting for its rest was noise.
    // Skips it and returns what the remaining bytes complete.
    [[nodiscard]] std::vector<Request> expire();

    [[nodiscard]] std::size_t waiting() const { return buffer_.size(); }
    // Bytes skipped as garbage since the last call.
    [[nodiscard]] std::size_t take_skipped() {
        const std::size_t n = skipped_;
        skipped_ = 0;
        return n;
    }

  private:
    std::vector<Request> scan(bool final);

    std::deque<std::uint8_t> buffer_;
    std::size_t skipped_ = 0;
};

} // namespace motiview::sim

#pragma once
// Finds the PC's frames in the received byte stream: every request of the core's request table
// (status requests, read requests, write frames, hall test commands, the counter reset, a
// user-info write). Bytes that start no known frame are skipped one at a time, so reception
// falls back into step at the next frame start.

#include "base/bytes.h"
#include "link/frames.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace motiview::sim {

// The requests of kRequests (src/link/frame_kinds.h).
using motiview::RequestKind;

struct Request {
    RequestKind kind = RequestKind::Status;
    // Read and Write: the page; a counter reset and a hall test: the page of its answer.
    PageId page = PageId::Basic;
    Unit frame{}; // the frames of a unit's length (writes): the whole frame as received
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

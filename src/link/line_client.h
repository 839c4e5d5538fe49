#pragma once
// Whatever talks to the controller through one line and waits for its answers: a session, or a
// workflow built on one. It hands out the frames to send, takes the units the line delivers and
// 100 ms ticks, and asks for the line to be drained after garbage. One driver runs any of them
// for the window and the command line alike.

#include "base/bytes.h"

#include <optional>
#include <string>
#include <vector>

namespace motiview {

class LineClient {
  public:
    LineClient() = default;
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;
    LineClient(LineClient&&) = delete;
    LineClient& operator=(LineClient&&) = delete;
    virtual ~LineClient() = default;

    // The next frame to put on the line, if one is due. Nothing is due while the line drains.
    [[nodiscard]] virtual std::optional<Bytes> take_frame() = 0;
    virtual void on_unit(const Unit& unit) = 0;
    // 100 ms passed.
    virtual void tick() = 0;

    // True once when the line must be drained: the waiting input and whatever arrives after it
    // are thrown away until the line has been quiet for kQuietGapMs (or a tick has passed),
    // then line_quiet() ends it.
    [[nodiscard]] virtual bool take_drain_request() = 0;
    [[nodiscard]] virtual bool draining() const = 0;
    virtual void line_quiet() = 0;

    // The port closed under the client (cable pulled, adapter gone): what is in progress ends.
    virtual void line_lost() = 0;

    // Reads stop at once; a write in progress is finished (with its read-back) first.
    virtual void stop() = 0;

    // Nothing queued and nothing waiting for an answer.
    [[nodiscard]] virtual bool idle() const = 0;

    // Retries and lost acknowledgements as lines for the traffic monitor, oldest first.
    [[nodiscard]] virtual std::vector<std::string> take_notes() = 0;
};

} // namespace motiview

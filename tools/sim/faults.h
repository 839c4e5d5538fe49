#pragma once
// The named failure modes: silence after N polls (and the return), noise bytes, dropped
// answers, a broken end byte, lost writes and acknowledgements, a hang-up (and a new
// device), output cut into pieces. Decisions only; the main loop carries them out. Times are
// seconds since the simulator started.

#include "base/bytes.h"
#include "options.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <span>

namespace motiview::sim {

struct AnswerPlan {
    bool drop = false;
    unsigned noiseBytes = 0; // garbage written before the answer
    bool breakEnd = false;   // byte 31 = 0x00
};

// What becomes of a write request of the PC.
enum class WriteFate : std::uint8_t {
    Stored,  // stored and acknowledged
    AckLost, // stored, the acknowledgement never sent
    Lost,    // neither stored nor acknowledged
    HangUp,  // not stored; the line hangs up at once
};

class FaultInjector {
  public:
    explicit FaultInjector(const Options& options) : o_(options) {}

    // A status request arrived. Returns false when the controller plays dead for it.
    bool on_status_request(double now);
    // True while nothing at all may be sent.
    [[nodiscard]] bool silent(double now);

    // How the next direct answer goes out; `parameterReply` for the replies of read requests
    // and the counter reset (the broken end byte lands on one of those).
    [[nodiscard]] AnswerPlan plan_answer(bool parameterReply);

    // A write request arrived (counted from the start, silent or not).
    [[nodiscard]] WriteFate on_write_request();

    // The hang-up by time is due (once, counted from the first status request).
    [[nodiscard]] bool hangup_due(double now) const;
    // The line went down, by time or on a write.
    void hung_up(double now);
    // With --reappear-after: the new device is due.
    [[nodiscard]] bool reappear_due(double now) const;
    void reappeared();
    [[nodiscard]] bool hung() const { return hungAt_.has_value(); }
    // Without --reappear-after the simulator ends after the hang-up.
    [[nodiscard]] bool exit_after_hangup() const { return !o_.reappearAfter.has_value(); }

    // The next moment at which a decision changes by time alone, for the poll timeout.
    [[nodiscard]] std::optional<double> next_deadline() const;

    [[nodiscard]] unsigned status_requests() const { return statusRequests_; }
    [[nodiscard]] unsigned write_requests() const { return writeRequests_; }

  private:
    const Options& o_;
    unsigned statusRequests_ = 0;
    unsigned writeRequests_ = 0;
    unsigned answers_ = 0;
    bool noiseOnceDone_ = false;
    bool badEndDone_ = false;
    std::optional<double> silentSince_;
    bool resumed_ = false;
    std::optional<double> firstRequestAt_;
    std::optional<double> hungAt_;
    bool hangupDone_ = false;
};

// The output stream cut into pieces of a few bytes with a pause between them, as a slow or
// buffering line delivers it. The stream is cut, not the frames: a piece may end one frame
// and start the next.
class PieceQueue {
  public:
    PieceQueue(unsigned pieceSize, double gapSeconds);

    void push(std::span<const std::uint8_t> bytes);
    // The next piece if its time has come: at once after a pause, else a gap after the one
    // before it.
    [[nodiscard]] std::optional<Bytes> take_due(double now);
    // When the next piece is due; nothing while the queue is empty.
    [[nodiscard]] std::optional<double> next_due() const;
    [[nodiscard]] std::size_t size() const { return bytes_.size(); }
    void clear() { bytes_.clear(); }

  private:
    std::size_t pieceSize_;
    double gap_;
    std::deque<std::uint8_t> bytes_;
    std::optional<double> lastAt_;
};

// Garbage for the noise: never the end byte and never a controller frame's group code, so
// the noise cannot pass for the start of a frame.
[[nodiscard]] Bytes noise_bytes(unsigned count, unsigned seed);

} // namespace motiview::sim

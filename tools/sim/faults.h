#pragma once
// The named failure modes: silence after N polls (and the return), noise bytes, dropped
// answers, a broken end byte, a hang-up (and a new device). Decisions only; the main loop
// carries them out. Times are seconds since the simulator started.

#include "base/bytes.h"
#include "options.h"

#include <cstdint>
#include <optional>

namespace motiview::sim {

struct AnswerPlan {
    bool drop = false;
    unsigned noiseBytes = 0; // garbage written before the answer
    bool breakEnd = false;   // byte 31 = 0x00
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

    // The hang-up is due (once, counted from the first status request).
    [[nodiscard]] bool hangup_due(double now) const;
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

  private:
    const Options& o_;
    unsigned statusRequests_ = 0;
    unsigned answers_ = 0;
    bool noiseOnceDone_ = false;
    bool badEndDone_ = false;
    std::optional<double> silentSince_;
    bool resumed_ = false;
    std::optional<double> firstRequestAt_;
    std::optional<double> hungAt_;
    bool hangupDone_ = false;
};

// Garbage for the noise: never the end byte and never a controller frame's group code, so
// the noise cannot pass for the start of a frame.
[[nodiscard]] Bytes noise_bytes(unsigned count, unsigned seed);

} // namespace motiview::sim

#pragma once
// A sequence of exchanges with the controller: read a page, write one and wait for its
// acknowledgement, read it back and compare, ask for the status, run a hall test, reset the
// calibration count. Reads are asked again once when no good answer comes (they change
// nothing); a write is never sent twice. The command line drives it from a blocking loop, the
// window from a timer; both feed it units and 100 ms ticks.

#include "base/bytes.h"
#include "link/exchange.h"
#include "pages/page_schema.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace motiview {

enum class StepKind : std::uint8_t { Status, Read, Write, HallTestA, HallTestB, ResetCount };

enum class StepOutcome : std::uint8_t {
    Done,            // answered (a write: acknowledged and, when asked, read back the same)
    TimedOut,        // no answer in time
    Broken,          // a unit without its end byte instead of the answer
    Unknown,         // a unit that matches no code instead of the answer
    ReadBackDiffers, // written and acknowledged, but the controller holds something else
};

struct StepResult {
    StepKind kind = StepKind::Status;
    std::optional<PageId> page;
    StepOutcome outcome = StepOutcome::Done;
    Unit answer{};        // the reply, status frame or done notice; a write's read-back
    bool written = false; // a write was acknowledged (whatever the read-back says)
    int requests = 0;     // frames sent for the step, the read-back included
    std::vector<std::string> differing; // a write: fields whose read-back differs

    [[nodiscard]] bool ok() const { return outcome == StepOutcome::Done; }
};

// The hall test reports its learned sectors within this time.
inline constexpr int kHallTestTimeoutTicks = 10 * kTicksPerSecond;

class Session {
  public:
    void status();
    void read(PageId page);
    // `frame` is the page's write frame; with `verify` the page is read back and compared.
    void write(PageId page, const Unit& frame, bool verify = true);
    void hall_test(bool groupB);
    void reset_count();

    // The next frame to send, if one is due.
    [[nodiscard]] std::optional<Bytes> take_frame();
    void on_unit(const Unit& unit);
    void tick();

    // Nothing queued and nothing waiting for an answer.
    [[nodiscard]] bool idle() const { return !current_ && queue_.empty(); }
    // Finished steps, oldest first. A step that fails drops the steps queued after it.
    [[nodiscard]] std::vector<StepResult> take_results();
    // Drops everything queued; the step in progress ends as it is, without a result.
    void cancel();

    // The user name the controller sent during the session, if any.
    [[nodiscard]] const std::optional<std::string>& user_name() const { return userName_; }

  private:
    struct Step {
        StepKind kind;
        PageId page;
        Unit frame;
        bool verify;
    };

    void start_next();
    void begin_exchange(Bytes frame, Expectation expect, int timeoutTicks);
    void begin_read_back();
    void finish(StepOutcome outcome);
    void on_exchange_done();

    std::deque<Step> queue_;
    std::optional<Step> step_;
    std::optional<Exchange> current_;
    StepResult result_;
    bool readingBack_ = false;
    int tries_ = 0; // requests of the current exchange
    std::vector<StepResult> results_;
    std::optional<std::string> userName_;
};

// Fields of the page whose texts differ between what was written and what was read back. The
// controller's own bytes are not compared.
[[nodiscard]] std::vector<std::string> read_back_differences(PageId page, const Unit& written,
                                                             const Unit& readBack);

[[nodiscard]] std::string_view step_outcome_name(StepOutcome o);

} // namespace motiview

#pragma once
// A sequence of exchanges with the controller: read a page, write one and wait for its
// acknowledgement, read it back and compare, ask for the status, run a hall test, reset the
// calibration count. Reads and status requests are asked again (up to `retries` times) when no
// good answer comes: they change nothing. A write is never sent twice: a lost acknowledgement is
// settled by reading the page back. After a broken or unknown unit the line is drained before
// anything more is sent, so the next answer starts on a frame boundary.

#include "base/bytes.h"
#include "link/exchange.h"
#include "link/line_client.h"
#include "pages/page_schema.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace motiview {

enum class StepKind : std::uint8_t { Status, Read, Write, HallTestA, HallTestB, ResetCount };

enum class StepOutcome : std::uint8_t {
    Done,            // answered (a write: stored, and read back the same when asked)
    TimedOut,        // no answer in time
    Broken,          // a unit without its end byte instead of the answer
    Unknown,         // a unit that matches no code instead of the answer
    ReadBackDiffers, // written, but the controller holds something else
    NotStored,       // acknowledgement lost; the read-back shows the controller's previous values
    NoReadBack,      // acknowledgement lost and no answer to the read-back: unknown
    PortClosed,      // the port closed under the step
};

struct StepResult {
    StepKind kind = StepKind::Status;
    std::optional<PageId> page;
    StepOutcome outcome = StepOutcome::Done;
    Unit answer{};        // the reply, status frame or done notice; a write's read-back
    bool written = false; // a write reached the controller (acknowledged, or read back the same)
    bool ackLost = false; // a write's acknowledgement did not come, or came garbled
    int requests = 0;     // frames sent for the step, the read-back included
    int retries = 0;      // requests asked again after no good answer
    std::vector<std::string> differing; // a write: fields whose read-back differs

    [[nodiscard]] bool ok() const { return outcome == StepOutcome::Done; }
};

// The hall test reports its learned sectors within this time.
inline constexpr int kHallTestTimeoutTicks = 10 * kTicksPerSecond;

inline constexpr int kDefaultRetries = 3;
inline constexpr int kMaxRetries = 10;
// A drained line must stay quiet this long before the next request: USB serial adapters hand
// bytes over in bursts (16 ms is a common latency timer). A drain never outlasts one tick.
inline constexpr int kQuietGapMs = 20;

class Session final : public LineClient {
  public:
    explicit Session(int retries = kDefaultRetries);

    void status();
    void read(PageId page);
    // `frame` is the page's write frame; with `verify` the page is read back and compared.
    // `previous` is the page as the controller held it before: with it a lost acknowledgement
    // can tell "not stored" from "written".
    void write(PageId page, const Unit& frame, bool verify = true,
               std::optional<Unit> previous = std::nullopt);
    void hall_test(bool groupB);
    void reset_count();

    [[nodiscard]] int retries() const { return retries_; }

    [[nodiscard]] std::optional<Bytes> take_frame() override;
    void on_unit(const Unit& unit) override;
    void tick() override;
    [[nodiscard]] bool take_drain_request() override;
    [[nodiscard]] bool draining() const override { return draining_; }
    void line_quiet() override;
    void line_lost() override;
    void stop() override;
    [[nodiscard]] bool idle() const override { return !step_ && queue_.empty(); }
    [[nodiscard]] std::vector<std::string> take_notes() override;

    // Finished steps, oldest first. A step that fails drops the steps queued after it.
    [[nodiscard]] std::vector<StepResult> take_results();
    // Drops everything queued; the step in progress ends as it is, without a result.
    void cancel();
    // The step in progress, if any.
    [[nodiscard]] std::optional<StepKind> current_kind() const;
    [[nodiscard]] std::optional<PageId> current_page() const;

    // The user name the controller sent during the session, if any.
    [[nodiscard]] const std::optional<std::string>& user_name() const { return userName_; }

  private:
    struct Step {
        StepKind kind;
        PageId page;
        Unit frame;
        bool verify;
        std::optional<Unit> previous;
    };

    void start_next();
    void begin_exchange(Bytes frame, Expectation expect, int timeoutTicks);
    void begin_read_back();
    void finish(StepOutcome outcome);
    void on_exchange_done();
    void settle_read_back(const Unit& answer);
    void note(std::string text);

    int retries_;
    std::deque<Step> queue_;
    std::optional<Step> step_;
    std::optional<Exchange> current_;
    StepResult result_;
    bool readingBack_ = false;
    int asked_ = 0; // requests of the current exchange's request, retries included
    bool needDrain_ = false;
    bool draining_ = false;
    bool drainRequested_ = false;
    int drainTicks_ = 0;
    std::vector<StepResult> results_;
    std::vector<std::string> notes_;
    std::optional<std::string> userName_;
};

// Fields of the page whose texts differ between what was written and what was read back. The
// controller's own bytes are not compared.
[[nodiscard]] std::vector<std::string> read_back_differences(PageId page, const Unit& written,
                                                             const Unit& readBack);

[[nodiscard]] std::string_view step_outcome_name(StepOutcome o);

// "1 retry", "3 retries": the text for one retry and for more, "%1" the count.
inline constexpr std::string_view kOneRetry = "%1 retry";
inline constexpr std::string_view kRetries = "%1 retries";
[[nodiscard]] std::string retries_text(int retries);

} // namespace motiview

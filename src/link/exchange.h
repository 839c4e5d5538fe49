#pragma once
// One request and the answer it waits for, as a state machine: it says what to send, takes the
// units the receiver cuts from the line and ends with the answer, a time-out, or a broken or
// unknown unit. Time enters as ticks (100 ms), so it is tested without sleeping.

#include "base/bytes.h"
#include "link/frames.h"

#include <cstdint>
#include <optional>

namespace motiview {

inline constexpr int kTicksPerSecond = 10;
inline constexpr int kAnswerTimeoutTicks = 1 * kTicksPerSecond;

// The unit that answers a request: its kind and, for page frames, its page.
// Byte 1 tells the hardware read reply (ED) from the counter reset's reply (EC), which
// classify alike.
struct Expectation {
    UnitKind kind = UnitKind::Unknown;
    std::optional<PageId> page;
    std::optional<std::uint8_t> code = std::nullopt; // byte 1 of the answer, when it matters

    [[nodiscard]] bool matches(const Unit& unit, const Classification& c) const {
        return c.kind == kind && (!page || c.page == page) && (!code || unit[1] == *code);
    }
};

enum class ExchangeState : std::uint8_t {
    Waiting,  // sent (or to be sent), no answer yet
    Answered, // the expected unit came
    TimedOut, // nothing expected came in time
    Broken,   // a unit without its end byte came while waiting
    Unknown,  // a unit that matches no code came while waiting
};

class Exchange {
  public:
    Exchange(Bytes frame, Expectation expect, int timeoutTicks = kAnswerTimeoutTicks)
        : frame_(std::move(frame)), expect_(expect), timeoutTicks_(timeoutTicks) {}

    // The frame to put on the line: once, right after the exchange starts.
    [[nodiscard]] std::optional<Bytes> take_frame() {
        if (sent_) {
            return std::nullopt;
        }
        sent_ = true;
        return frame_;
    }

    // A unit from the line. Units of other kinds (a status frame, the user info) are not an
    // answer and leave the exchange waiting.
    void on_unit(const Unit& unit);

    // 100 ms passed.
    void tick();

    [[nodiscard]] ExchangeState state() const { return state_; }
    [[nodiscard]] bool done() const { return state_ != ExchangeState::Waiting; }
    [[nodiscard]] const Unit& answer() const { return answer_; }
    [[nodiscard]] const Expectation& expectation() const { return expect_; }
    [[nodiscard]] const Bytes& frame() const { return frame_; }

  private:
    Bytes frame_;
    Expectation expect_;
    int timeoutTicks_;
    int ticks_ = 0;
    bool sent_ = false;
    ExchangeState state_ = ExchangeState::Waiting;
    Unit answer_{};
};

// The unit that answers `kind` (kRequests' answer column): its kind; its page, the request's
// or, for a notice that carries a page's block, the notice's; and byte 1 where the page answers
// two requests alike. nullopt for a request nothing answers (the hall test stop). `page` names
// the page of a request sent for any page.
[[nodiscard]] std::optional<Expectation> expected_answer(RequestKind kind, PageId page);

} // namespace motiview

#pragma once
// Connection supervision: the 100 ms poll tick as a pure state machine. Time enters only as
// ticks, so tests drive it tick by tick without sleeping.

#include "link/receiver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace motiview {

inline constexpr int kPollEvery = 10;    // ticks between status requests at the default rate
inline constexpr int kSilenceLimit = 20; // at or above this, the link is offline

// What the poll timer has to do and show after one tick.
struct TickOutput {
    bool poll = false;         // open the port if closed, then send the status request
    bool discardInput = false; // before the request: read and drop up to 32 waiting bytes
    LinkState state = LinkState::Offline;
};

class Supervisor {
  public:
    explicit Supervisor(LinkShared& link) : link_(link) {}

    // One tick of Timer3: poll divider, poll, silence check.
    [[nodiscard]] TickOutput tick();

    [[nodiscard]] std::uint8_t divider() const { return divider_; }

    // Status requests a second while plotting or recording: 1 (the default), 2, 5 or 10.
    // The silence rule stays in time: offline 2.1 s after the last valid frame at every rate.
    // False, and nothing changes, for any other rate.
    bool set_poll_rate(int perSecond);
    [[nodiscard]] int poll_rate() const { return kPollEvery / pollEvery_; }

  private:
    LinkShared& link_;
    std::uint8_t divider_ = 0; // 0..pollEvery_-1
    std::uint8_t pollEvery_ = kPollEvery;
};

inline constexpr int kPollRates[] = {1, 2, 5, 10};

enum class Lamp : std::uint8_t { Red, Green };

// What the indicator, the connection label and the status bar show for a link state.
struct LinkDisplay {
    Lamp lamp = Lamp::Red;
    std::string label;     // "offline", "Connecting...", "online"
    std::string portNo;    // "COM - 3"
    std::string portState; // the settings string, "?" while connecting
    bool buttonsEnabled = false;
};

[[nodiscard]] LinkDisplay link_display(LinkState state, int portNumber, std::string_view settings);

// What the live panels say about their values: nothing while they are live; dimmed with a line
// across them before the run's first status frame, and once the link has gone after it.
struct DataNotice {
    bool dim = false;
    std::string line;  // empty: the values are live
    std::string clock; // set when the line is kLastDataAt with this clock in it
};

// The line once the link has gone, "%1" the clock of the last status frame.
inline constexpr std::string_view kLastDataAt = "Last data at %1";

inline constexpr std::string_view kNoDataYet =
    "No data from the controller yet: Options > Com Setting... to connect";

// `lastFrameClock` ("14:03:27") is when the last status frame came; nullopt before the first.
[[nodiscard]] DataNotice data_notice(LinkState state,
                                     const std::optional<std::string>& lastFrameClock);

} // namespace motiview

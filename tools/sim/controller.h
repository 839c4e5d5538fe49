#pragma once
// The controller's side of the protocol: what it answers to each request of the PC, the
// notices it sends on its own (hall test done, user info) and what it stores. Times are
// seconds since the simulator started.

#include "base/bytes.h"
#include "block_store.h"
#include "recognizer.h"
#include "status_generator.h"

#include <optional>
#include <string>
#include <vector>

namespace motiview::sim {

enum class FrameRole : std::uint8_t {
    Answer,          // the direct answer to a request
    ParameterAnswer, // an answer that carries a stored block
    Notice,          // sent unasked (user info, hall test done)
};

struct OutFrame {
    Unit unit{};
    FrameRole role = FrameRole::Answer;
};

struct Handled {
    std::vector<OutFrame> frames;
    bool stored = false; // a block changed: the dump is due
    std::string event;   // one line for the log
};

// The hall test runs this long before its "done" notice.
inline constexpr double kHallTestSeconds = 1.0;

[[nodiscard]] Unit user_info_frame(std::string_view name);

class Controller {
  public:
    Controller(StatusConfig status, std::string userName, BlockStore store = {})
        : status_(status), userName_(std::move(userName)), store_(std::move(store)) {}

    [[nodiscard]] Handled handle(const Request& request, double now);
    // Notices that fall due by time (the hall tests' "done").
    [[nodiscard]] Handled poll(double now);
    [[nodiscard]] std::optional<double> next_deadline() const;

    // The PC opened the port anew: the next status request is followed by the user info.
    void new_connection() { userInfoSent_ = false; }

    [[nodiscard]] Unit status_now(double now) const { return status_frame(status_, now); }
    [[nodiscard]] const BlockStore& store() const { return store_; }

  private:
    StatusConfig status_;
    std::string userName_;
    BlockStore store_;
    bool userInfoSent_ = false;
    std::optional<double> hallADue_;
    std::optional<double> hallBDue_;
};

} // namespace motiview::sim

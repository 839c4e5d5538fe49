#pragma once
// The recent past of the status frames for the live plots: one bounded ring per number of the
// status panel, plus the changes of the fault word and of the machine state as events. The
// capacity is fixed at construction, so a day-long session holds no more than the last
// quarter of an hour.

#include "base/bytes.h"
#include "base/ring.h"
#include "monitor/status_frame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

inline constexpr std::size_t kDefaultSampleCapacity = 9000; // 15 min at 10 frames a second
inline constexpr std::size_t kDefaultEventCapacity = 1000;

struct Sample {
    std::int64_t timeMs = 0;
    double value = 0.0;
};

enum class EventKind : std::uint8_t { Faults, State };

struct StatusEvent {
    std::int64_t timeMs = 0;
    EventKind kind = EventKind::Faults;
    // Faults: the current fault word before and after, and the named faults that came and went
    // (a change of a bit without a name of its own, or of the second hall bit, names none).
    std::uint16_t faultsBefore = 0;
    std::uint16_t faultsAfter = 0;
    std::vector<std::string_view> appeared;
    std::vector<std::string_view> cleared;
    // State: none before the first frame.
    std::optional<std::uint8_t> stateBefore;
    std::uint8_t stateAfter = 0;
};

// "faults: +over-voltage -hall" (the word in hex when no name changed), "state: RUN -> FAULT".
[[nodiscard]] std::string event_text(const StatusEvent& e);

// Sample indices [first, last), oldest first.
struct SampleRange {
    std::size_t first = 0;
    std::size_t last = 0;
    [[nodiscard]] bool empty() const { return first >= last; }
};

class SampleStore {
  public:
    explicit SampleStore(std::size_t capacity = kDefaultSampleCapacity,
                         std::size_t eventCapacity = kDefaultEventCapacity);

    // One status frame received at `timeMs` (a steady clock). A time before the last one is
    // taken as the last one, so the samples stay in time order.
    void add(std::int64_t timeMs, const Unit& frame);
    // Forgets samples and events; the next frame starts afresh.
    void clear();

    [[nodiscard]] std::size_t size() const { return times_.size(); }
    [[nodiscard]] std::size_t capacity() const { return times_.capacity(); }
    // Frames added since construction; grows past the capacity.
    [[nodiscard]] std::uint64_t total() const { return times_.total(); }

    // Index 0 is the oldest sample kept.
    [[nodiscard]] std::int64_t time(std::size_t i) const { return times_[i]; }
    [[nodiscard]] double value(PanelChannel c, std::size_t i) const;
    [[nodiscard]] std::optional<std::int64_t> last_time() const;

    // The samples with fromMs <= time <= toMs.
    [[nodiscard]] SampleRange range(std::int64_t fromMs, std::int64_t toMs) const;
    [[nodiscard]] std::vector<Sample> samples(PanelChannel c, std::int64_t fromMs,
                                              std::int64_t toMs) const;
    // The sample closest in time (the earlier one on a tie); none while empty.
    [[nodiscard]] std::optional<std::size_t> nearest(std::int64_t timeMs) const;

    [[nodiscard]] const Ring<StatusEvent>& events() const { return events_; }
    [[nodiscard]] std::vector<StatusEvent> events_between(std::int64_t fromMs,
                                                          std::int64_t toMs) const;

  private:
    [[nodiscard]] std::size_t first_at_or_after(std::int64_t timeMs) const;
    void note_changes(std::int64_t timeMs, std::uint16_t faults, std::uint8_t state);

    Ring<std::int64_t> times_;
    std::vector<Ring<double>> values_; // one per panel channel
    Ring<StatusEvent> events_;
    std::optional<std::uint16_t> faults_;
    std::optional<std::uint8_t> state_;
};

} // namespace motiview

#include "monitor/sample_ring.h"

#include "monitor/status_layout.h"

#include <array>
#include <cstdio>
#include <limits>

namespace motiview {
namespace {

std::string hex_word(std::uint16_t word) {
    std::array<char, 8> buf{};
    std::snprintf(buf.data(), buf.size(), "0x%04X", static_cast<unsigned>(word));
    return buf.data();
}

} // namespace

std::string event_text(const StatusEvent& e) {
    if (e.kind == EventKind::State) {
        return "state: " + (e.stateBefore ? state_name(*e.stateBefore) + " -> " : std::string()) +
               state_name(e.stateAfter);
    }
    std::string text = "faults:";
    for (std::string_view n : e.appeared) {
        text += " +";
        text += n;
    }
    for (std::string_view n : e.cleared) {
        text += " -";
        text += n;
    }
    if (e.appeared.empty() && e.cleared.empty()) {
        text += " " + hex_word(e.faultsBefore) + " -> " + hex_word(e.faultsAfter);
    }
    return text;
}

SampleStore::SampleStore(std::size_t capacity, std::size_t eventCapacity)
    : times_(capacity), values_(kPanelChannelCount, Ring<double>(capacity)),
      events_(eventCapacity) {}

void SampleStore::add(std::int64_t timeMs, const Unit& frame) {
    if (!times_.empty() && timeMs < times_.back()) {
        timeMs = times_.back();
    }
    const PanelValues values = panel_values(frame);
    times_.push(timeMs);
    for (std::size_t c = 0; c < kPanelChannelCount; ++c) {
        values_[c].push(values[c]);
    }
    const StatusValues raw = read_status(frame);
    note_changes(timeMs, static_cast<std::uint16_t>(raw[StatusField::CurrentFaults]),
                 static_cast<std::uint8_t>(raw[StatusField::State]));
}

void SampleStore::note_changes(std::int64_t timeMs, std::uint16_t faults, std::uint8_t state) {
    // Before the first frame nothing is active: faults present from the start show as appeared.
    const std::uint16_t before = faults_.value_or(0);
    if (faults != before) {
        StatusEvent e;
        e.timeMs = timeMs;
        e.kind = EventKind::Faults;
        e.faultsBefore = before;
        e.faultsAfter = faults;
        for (const FaultRow& f : kFaults) {
            const bool was = (before & f.current) != 0;
            const bool is = (faults & f.current) != 0;
            if (is && !was) {
                e.appeared.push_back(f.name);
            } else if (was && !is) {
                e.cleared.push_back(f.name);
            }
        }
        events_.push(std::move(e));
    }
    faults_ = faults;

    if (!state_ || *state_ != state) {
        StatusEvent e;
        e.timeMs = timeMs;
        e.kind = EventKind::State;
        e.stateBefore = state_;
        e.stateAfter = state;
        events_.push(std::move(e));
    }
    state_ = state;
}

void SampleStore::clear() {
    times_.clear();
    for (Ring<double>& r : values_) {
        r.clear();
    }
    events_.clear();
    faults_.reset();
    state_.reset();
}

double SampleStore::value(PanelChannel c, std::size_t i) const {
    return values_[static_cast<std::size_t>(c)][i];
}

std::optional<std::int64_t> SampleStore::last_time() const {
    if (times_.empty()) {
        return std::nullopt;
    }
    return times_.back();
}

std::size_t SampleStore::first_at_or_after(std::int64_t timeMs) const {
    std::size_t lo = 0;
    std::size_t hi = times_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (times_[mid] < timeMs) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo;
}

SampleRange SampleStore::range(std::int64_t fromMs, std::int64_t toMs) const {
    if (toMs < fromMs || times_.empty()) {
        return {};
    }
    const std::size_t first = first_at_or_after(fromMs);
    const std::size_t last = toMs == std::numeric_limits<std::int64_t>::max()
                                 ? times_.size()
                                 : first_at_or_after(toMs + 1);
    return {first, last};
}

std::vector<Sample> SampleStore::samples(PanelChannel c, std::int64_t fromMs,
                                         std::int64_t toMs) const {
    const SampleRange r = range(fromMs, toMs);
    std::vector<Sample> out;
    out.reserve(r.last - r.first);
    for (std::size_t i = r.first; i < r.last; ++i) {
        out.push_back({times_[i], value(c, i)});
    }
    return out;
}

std::optional<std::size_t> SampleStore::nearest(std::int64_t timeMs) const {
    if (times_.empty()) {
        return std::nullopt;
    }
    const std::size_t after = first_at_or_after(timeMs);
    if (after == 0) {
        return 0;
    }
    if (after == times_.size()) {
        return after - 1;
    }
    // Differences taken unsigned: the times are ordered, so neither is negative, and no
    // spread of times can overflow.
    const auto at = static_cast<std::uint64_t>(timeMs);
    const std::uint64_t toEarlier = at - static_cast<std::uint64_t>(times_[after - 1]);
    const std::uint64_t toLater = static_cast<std::uint64_t>(times_[after]) - at;
    return toLater < toEarlier ? after : after - 1;
}

std::vector<StatusEvent> SampleStore::events_between(std::int64_t fromMs, std::int64_t toMs) const {
    std::vector<StatusEvent> out;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const StatusEvent& e = events_[i];
        if (e.timeMs >= fromMs && e.timeMs <= toMs) {
            out.push_back(e);
        }
    }
    return out;
}

} // namespace motiview

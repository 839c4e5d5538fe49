#pragma once
// What went over the line, for the traffic monitor: every frame sent, every unit received,
// what the program made of it, bytes thrown away and silences, in a bounded ring, with running
// counts. Times come from the caller (ms on a steady clock).

#include "base/bytes.h"
#include "base/ring.h"
#include "link/frames.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace motiview {

inline constexpr std::size_t kDefaultTrafficRows = 10000;

enum class Direction : std::uint8_t { Sent, Received, None };

enum class TrafficKind : std::uint8_t {
    Sent,      // a frame written to the line
    Received,  // a received unit; `unit` says which kind
    Discarded, // received bytes thrown away unread
    Silence,   // the link fell silent and went offline
    Note,      // a session's retry or lost acknowledgement
};

struct TrafficRow {
    std::int64_t timeMs = 0;
    Direction direction = Direction::None;
    TrafficKind kind = TrafficKind::Sent;
    UnitKind unit = UnitKind::Unknown; // for TrafficKind::Unit
    Unit bytes{};                      // the first `length` bytes count
    std::uint8_t length = 0;
    std::string meaning;

    [[nodiscard]] std::span<const std::uint8_t> data() const {
        return std::span<const std::uint8_t>(bytes.data(), length);
    }
};

struct TrafficCounters {
    std::uint64_t framesSent = 0;
    std::uint64_t unitsReceived = 0; // broken and unknown ones included
    std::uint64_t brokenUnits = 0;
    std::uint64_t unknownUnits = 0;
    std::uint64_t bytesDiscarded = 0;
    std::uint64_t silences = 0;
    std::uint64_t retries = 0; // requests a session asked again
};

// What the program makes of a frame it sends ("status request", "read Basic setting",
// "write Basic setting") and of a unit it receives ("status", "Basic setting reply", the
// acknowledgement or notice text, "unknown code 11 22", "broken unit: ends in 00, not DA").
[[nodiscard]] std::string sent_meaning(std::span<const std::uint8_t> frame);
[[nodiscard]] std::string received_meaning(const Unit& unit);

class TrafficLog {
  public:
    explicit TrafficLog(std::size_t capacity = kDefaultTrafficRows);

    void sent(std::int64_t timeMs, std::span<const std::uint8_t> frame);
    void received(std::int64_t timeMs, const Unit& unit);
    void discarded(std::int64_t timeMs, std::size_t count);
    // The window calls this when the link goes offline for want of answers.
    void silence(std::int64_t timeMs);
    // What a session did about a bad answer: "retry 1 of 3: read Basic setting (broken unit)".
    void note(std::int64_t timeMs, std::string text);

    // Forgets rows and counts; the row numbering goes on (see Ring::total).
    void clear();

    [[nodiscard]] const Ring<TrafficRow>& rows() const { return rows_; }
    [[nodiscard]] const TrafficCounters& counters() const { return counters_; }

  private:
    Ring<TrafficRow> rows_;
    TrafficCounters counters_;
};

// "1234 ms", "sent", "F0 E0 DA", the meaning: one row as a line of the saved text
// (fields separated by tabs, no line end).
[[nodiscard]] std::string_view direction_name(Direction d);
[[nodiscard]] std::string traffic_line(const TrafficRow& row);

} // namespace motiview

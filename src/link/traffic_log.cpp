#include "link/traffic_log.h"

#include "link/receiver.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace motiview {
namespace {

std::string hex_byte(std::uint8_t b) {
    std::array<char, 4> buf{};
    std::snprintf(buf.data(), buf.size(), "%02X", static_cast<unsigned>(b));
    return buf.data();
}

TrafficRow row_of(std::int64_t timeMs, Direction d, TrafficKind kind,
                  std::span<const std::uint8_t> bytes, std::string meaning) {
    TrafficRow r;
    r.timeMs = timeMs;
    r.direction = d;
    r.kind = kind;
    const std::size_t n = std::min(bytes.size(), r.bytes.size());
    std::copy_n(bytes.begin(), n, r.bytes.begin());
    r.length = static_cast<std::uint8_t>(n);
    r.meaning = std::move(meaning);
    return r;
}

} // namespace

std::string sent_meaning(std::span<const std::uint8_t> frame) {
    if (const std::optional<RequestPattern> p = find_request(frame)) {
        std::string meaning(request_row(p->kind).meaning);
        if (p->page) {
            meaning += ' ';
            meaning += page_title(page_schema(*p->page));
        }
        return meaning;
    }
    return frame.size() == 1 ? "1 byte" : std::to_string(frame.size()) + " bytes";
}

std::string received_meaning(const Unit& unit) {
    // The receive path's own texts, on a scratch link state so the window's stays untouched.
    LinkShared scratch;
    const Action a = receive_unit(unit, scratch);
    if (a.kind == UnitKind::Broken) {
        return "broken unit: ends in " + hex_byte(unit[kUnitSize - 1]) + ", not " +
               hex_byte(kEndByte);
    }
    if (a.kind == UnitKind::Unknown) {
        return "unknown code " + hex_byte(unit[0]) + " " + hex_byte(unit[1]);
    }
    switch (a.type) {
    case ActionType::Status:
        return "status";
    case ActionType::UserName:
        return "user info \"" + a.text + "\"";
    case ActionType::PageReply:
        if (a.hallDone) {
            return a.hallText;
        }
        return a.page ? std::string(page_title(page_schema(*a.page))) + " reply"
                      : std::string(kind_name(a.kind));
    case ActionType::Message:
    case ActionType::Warning:
    case ActionType::HallWindow:
    case ActionType::None:
        break;
    }
    return a.text.empty() ? std::string(kind_name(a.kind)) : a.text;
}

TrafficLog::TrafficLog(std::size_t capacity) : rows_(capacity) {}

void TrafficLog::sent(std::int64_t timeMs, std::span<const std::uint8_t> frame) {
    ++counters_.framesSent;
    rows_.push(row_of(timeMs, Direction::Sent, TrafficKind::Sent, frame, sent_meaning(frame)));
}

void TrafficLog::received(std::int64_t timeMs, const Unit& unit) {
    ++counters_.unitsReceived;
    TrafficRow r =
        row_of(timeMs, Direction::Received, TrafficKind::Received, unit, received_meaning(unit));
    r.unit = classify(unit).kind;
    if (r.unit == UnitKind::Broken) {
        ++counters_.brokenUnits;
    } else if (r.unit == UnitKind::Unknown) {
        ++counters_.unknownUnits;
    }
    rows_.push(std::move(r));
}

void TrafficLog::discarded(std::int64_t timeMs, std::size_t count) {
    if (count == 0) {
        return;
    }
    counters_.bytesDiscarded += count;
    rows_.push(row_of(timeMs, Direction::Received, TrafficKind::Discarded, {},
                      "discarded " + std::to_string(count) + (count == 1 ? " byte" : " bytes")));
}

void TrafficLog::silence(std::int64_t timeMs) {
    ++counters_.silences;
    rows_.push(
        row_of(timeMs, Direction::None, TrafficKind::Silence, {}, "no answer: link offline"));
}

void TrafficLog::note(std::int64_t timeMs, std::string text) {
    if (text.starts_with("retry ")) {
        ++counters_.retries;
    }
    rows_.push(row_of(timeMs, Direction::None, TrafficKind::Note, {}, std::move(text)));
}

void TrafficLog::clear() {
    rows_.clear();
    counters_ = {};
}

std::string_view direction_name(Direction d) {
    switch (d) {
    case Direction::Sent:
        return "sent";
    case Direction::Received:
        return "received";
    case Direction::None:
        break;
    }
    return "-";
}

std::string traffic_line(const TrafficRow& row) {
    std::string line = std::to_string(row.timeMs);
    line += '\t';
    line += direction_name(row.direction);
    line += '\t';
    line += to_hex(row.data());
    line += '\t';
    line += row.meaning;
    return line;
}

} // namespace motiview

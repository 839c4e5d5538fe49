#include "monitor/status_layout.h"

#include <algorithm>
#include <cmath>

namespace motiview {
namespace {

consteval bool layout_is_sound() {
    int nextFree = 2;
    for (std::size_t i = 0; i < kStatusLayout.size(); ++i) {
        const StatusRow& r = kStatusLayout[i];
        if (static_cast<std::size_t>(r.field) != i || r.offset < nextFree) {
            return false;
        }
        nextFree = r.offset + static_cast<int>(width_bytes(r.width));
    }
    return nextFree - 1 <= 30;
}
static_assert(layout_is_sound(), "status rows in field order, byte order, inside bytes 2..30");

consteval bool faults_are_sound() {
    std::uint16_t current = 0;
    std::uint16_t history = 0;
    unsigned rows = 0;
    for (const FaultRow& f : kFaults) {
        if ((current & f.current) != 0 || (history & f.history) != 0 || f.panelRow >= 16) {
            return false;
        }
        current = static_cast<std::uint16_t>(current | f.current);
        history = static_cast<std::uint16_t>(history | f.history);
        rows |= 1U << f.panelRow;
    }
    // Both words name the same bits, each bit once, and every panel row is used once.
    return current == history && rows == (1U << kFaults.size()) - 1;
}
static_assert(faults_are_sound(), "fault rows: bits once per word, panel rows once each");

consteval bool numbers_are_sound() {
    for (const StatusRow& r : kStatusLayout) {
        const bool number = r.shown == StatusShown::Number;
        if (number && (r.factor < 1 || r.pow10 > 0 || r.decimals < kShortest)) {
            return false;
        }
        if (!r.plot.empty() && !number) {
            return false;
        }
    }
    return true;
}
static_assert(numbers_are_sound(), "numbers scale down by powers of ten; only numbers plotted");

std::int64_t power_of_ten(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

std::int32_t limit(std::int32_t v, Width w) {
    return std::clamp(v, width_min(w), width_max(w));
}

} // namespace

StatusValues read_status(const Unit& frame) {
    StatusValues v;
    for (const StatusRow& r : kStatusLayout) {
        v.set(r.field, load_value(frame, r.offset, r.width));
    }
    return v;
}

void write_status(const StatusValues& values, Unit& frame) {
    for (const StatusRow& r : kStatusLayout) {
        store_value(frame, r.offset, r.width, limit(values[r.field], r.width));
    }
}

std::int64_t shown_units(const StatusRow& row, std::int32_t stored) {
    return std::int64_t{stored} * row.factor + std::int64_t{row.bias} * power_of_ten(-row.pow10);
}

std::int32_t stored_for(StatusField f, double shown) {
    const StatusRow& r = status_row(f);
    // Multiplied, not divided, so that 48.2 V becomes 4820 exactly as typed.
    const double units = (shown - r.bias) * static_cast<double>(power_of_ten(-r.pow10));
    const double stored = std::round(units / r.factor);
    return static_cast<std::int32_t>(std::clamp(stored, -2147483648.0, 2147483647.0));
}

} // namespace motiview

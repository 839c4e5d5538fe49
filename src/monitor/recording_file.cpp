#include "monitor/recording_file.h"

#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <type_traits>
#include <utility>

namespace motiview {
namespace {

using enum StatusField;

// The status frame's codes as the controller sends them (the frame table in the link layer,
// which this layer may not include); the reading of a row is the payload between them.
constexpr std::uint8_t kStatusGroup = 0xDF;
constexpr std::uint8_t kStatusCode = 0xEF;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// time, elapsed, one column per value, the current faults by name.
constexpr std::size_t kColumns = 2 + kReadingOrder.size() + 1;
constexpr std::size_t kFirstValue = 2;
constexpr std::size_t kFaultNames = kColumns - 1;

// Twelve digits before the point are more than any column carries; more could overflow.
constexpr std::size_t kMaxIntegerDigits = 12;

struct Field {
    std::string_view text; // inside the quotes, when quoted
    bool escaped = false;  // holds a doubled quote
};

using Fields = std::array<Field, kColumns>;

std::string_view without_cr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// One line's fields. A quoted field may hold separators and doubled quotes; a quote left open
// at the end of the line spoils only that line (the recorder never writes a line break inside
// a field), so a stray quote cannot swallow the rest of the file.
bool split_fields(std::string_view line, Fields& fields) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (true) {
        Field f;
        if (i < line.size() && line[i] == '"') {
            std::size_t j = i + 1;
            while (true) {
                const std::size_t q = line.find('"', j);
                if (q == std::string_view::npos) {
                    return false;
                }
                if (q + 1 < line.size() && line[q + 1] == '"') {
                    f.escaped = true;
                    j = q + 2;
                    continue;
                }
                f.text = line.substr(i + 1, q - i - 1);
                i = q + 1;
                break;
            }
            if (i < line.size() && line[i] != ',') {
                return false; // text after the closing quote
            }
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            f.text = line.substr(i, comma - i);
            i = comma;
        }
        if (count == fields.size()) {
            return false;
        }
        fields[count++] = f;
        if (i == line.size()) {
            return count == fields.size();
        }
        ++i; // the separator
    }
}

std::string unquoted(const Field& f) {
    if (!f.escaped) {
        return std::string(f.text);
    }
    std::string out;
    out.reserve(f.text.size());
    for (std::size_t i = 0; i < f.text.size(); ++i) {
        out += f.text[i];
        if (f.text[i] == '"' && i + 1 < f.text.size() && f.text[i + 1] == '"') {
            ++i;
        }
    }
    return out;
}

std::int64_t power_of_ten(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

bool all_digits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "-12.5" as a count of 10^-decimals, exactly: digits, at most `decimals` of them after the
// point, no grouping, no exponent. Text with more decimals than the column can carry is not
// a number the recorder wrote.
std::optional<std::int64_t> parse_units(std::string_view s, int decimals) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) {
        s.remove_prefix(1);
    }
    const std::size_t point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (!all_digits(whole) || whole.size() > kMaxIntegerDigits ||
        (point != std::string_view::npos && !all_digits(fraction)) ||
        fraction.size() > static_cast<std::size_t>(decimals)) {
        return std::nullopt;
    }
    std::int64_t w = 0;
    std::int64_t f = 0;
    std::from_chars(whole.data(), whole.data() + whole.size(), w);
    std::from_chars(fraction.data(), fraction.data() + fraction.size(), f);
    const int missing = decimals - static_cast<int>(fraction.size());
    const std::int64_t units = w * power_of_ten(decimals) + f * power_of_ten(missing);
    return negative ? -units : units;
}

// The panel rounds some values to fewer decimals than are stored (the throttle's 0.1 mV to
// mV): their text stands for a span of stored numbers.
bool rounded(const StatusRow& row) {
    return row.decimals != kShortest && row.decimals < -row.pow10;
}

// The stored number the panel showed as `text`: the row run backwards in integers, refused
// when no stored number of the width shows exactly that (an odd motor temperature, a voltage
// above the word).
std::optional<std::int32_t> stored_number(const StatusRow& row, std::string_view text) {
    const int decimals = -row.pow10;
    const std::optional<std::int64_t> units = parse_units(text, decimals);
    if (!units) {
        return std::nullopt;
    }
    const std::int64_t scaled = *units - std::int64_t{row.bias} * power_of_ten(decimals);
    const std::int64_t lo = width_min(row.width);
    const std::int64_t hi = width_max(row.width);
    if (scaled % row.factor == 0 && scaled / row.factor >= lo && scaled / row.factor <= hi) {
        return static_cast<std::int32_t>(scaled / row.factor);
    }
    if (!rounded(row)) {
        return std::nullopt;
    }
    // A rounded text may lie past the width's edge (65535 shows as 6.554 V) or between two
    // stored numbers: the nearest stored number, kept when it shows the same text.
    const std::int64_t half = scaled >= 0 ? row.factor / 2 : -(row.factor / 2);
    const std::int64_t nearest = std::clamp((scaled + half) / row.factor, lo, hi);
    const std::string shown = format_fixed(shown_units(row, static_cast<std::int32_t>(nearest)),
                                           row.pow10, row.decimals, kPlainNumbers);
    if (parse_units(shown, decimals) != units) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(nearest);
}

// A state or gear as status_text names it: its name, or its number when it has none. A number
// given for a code that has a name is not what the recorder writes.
template <std::size_t N>
std::optional<std::int32_t> named_code(const std::array<std::string_view, N>& names,
                                       std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text) {
            return static_cast<std::int32_t>(i);
        }
    }
    unsigned code = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (ec != std::errc{} || end != text.data() + text.size() || code < N || code > 255) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(code);
}

// "0x0F", "0x0400": a bit word within its width.
std::optional<std::int32_t> hex_word(Width width, std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
        return std::nullopt;
    }
    text.remove_prefix(2);
    std::uint32_t word = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), word, 16);
    if (ec != std::errc{} || end != text.data() + text.size() ||
        word > static_cast<std::uint32_t>(width_max(width))) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(word);
}

// The names column against the word, as fault_names() writes it: the hex word is what the
// controller sent, the names are a cross-check that catches a line cut short in its last column.
bool names_match(std::string_view names, std::uint16_t word) {
    std::size_t pos = 0;
    bool first = true;
    for (const FaultRow& f : kFaults) {
        if ((word & f.current) == 0) {
            continue;
        }
        if (!first) {
            if (pos >= names.size() || names[pos] != ';') {
                return false;
            }
            ++pos;
        }
        first = false;
        if (names.substr(pos, f.name.size()) != f.name) {
            return false;
        }
        pos += f.name.size();
    }
    return pos == names.size();
}

std::optional<std::int32_t> stored_value(StatusField f, const Field& field) {
    const StatusRow& row = status_row(f);
    switch (row.shown) {
    case StatusShown::Number:
        return stored_number(row, field.text);
    case StatusShown::StateName:
        return named_code(kStateNames, field.text);
    case StatusShown::GearName:
        return named_code(kGearNames, field.text);
    case StatusShown::Flags:
    case StatusShown::Inputs:
    case StatusShown::FaultWord:
        return hex_word(row.width, field.text);
    }
    return std::nullopt;
}

// The row of one line, or nothing when any column cannot be read.
std::optional<RecordedRow> read_row(std::string_view line, std::size_t lineNumber) {
    Fields fields;
    if (!split_fields(line, fields)) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> elapsed = parse_units(fields[1].text, 3);
    if (!elapsed || *elapsed < 0) {
        return std::nullopt;
    }
    StatusValues values;
    for (std::size_t i = 0; i < kReadingOrder.size(); ++i) {
        const std::optional<std::int32_t> v =
            stored_value(kReadingOrder[i], fields[kFirstValue + i]);
        if (!v) {
            return std::nullopt;
        }
        values.set(kReadingOrder[i], *v);
    }
    if (!names_match(fields[kFaultNames].text, static_cast<std::uint16_t>(values[CurrentFaults]))) {
        return std::nullopt;
    }
    RecordedRow row;
    row.line = lineNumber;
    row.time = unquoted(fields[0]);
    row.elapsedMs = *elapsed;
    row.frame[0] = kStatusGroup;
    row.frame[1] = kStatusCode;
    row.frame[kUnitSize - 1] = kEndByte;
    write_status(values, row.frame);
    row.text = std::string(line);
    return row;
}

Error not_a_recording() {
    return Error{"", "expected the header " + record_header()};
}

// One event per change of the fault word or the state, as the store notes them, so a long
// recording keeps every marker without holding room for two per row.
std::size_t event_count(const Recording& r) {
    const StatusRow& faultRow = status_row(CurrentFaults);
    const StatusRow& stateRow = status_row(State);
    std::size_t events = 0;
    std::int32_t faults = 0;
    std::optional<std::int32_t> state;
    for (const RecordedRow& row : r.rows) {
        const std::int32_t f = load_value(row.frame, faultRow.offset, faultRow.width);
        const std::int32_t s = load_value(row.frame, stateRow.offset, stateRow.width);
        events += (f != faults ? 1U : 0U) + (state != s ? 1U : 0U);
        faults = f;
        state = s;
    }
    return events;
}

// sample_store_of hands the store back by value: moving it must not copy the rings.
static_assert(std::is_nothrow_move_constructible_v<SampleStore>);

} // namespace

Result<Recording> read_recording(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::size_t end = std::min(text.find('\n'), text.size());
    if (without_cr(text.substr(0, end)) != record_header()) {
        return not_a_recording();
    }

    Recording r;
    r.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    std::size_t lineNumber = 1;
    while (end < text.size()) {
        const std::size_t start = end + 1;
        end = std::min(text.find('\n', start), text.size());
        ++lineNumber;
        const std::string_view line = without_cr(text.substr(start, end - start));
        if (blank(line)) {
            continue;
        }
        std::optional<RecordedRow> row = read_row(line, lineNumber);
        // A recording's time only goes forward; a row that goes back is damage, and keeping it
        // would fold the plot's time axis back on itself.
        if (!row || (!r.rows.empty() && row->elapsedMs < r.rows.back().elapsedMs)) {
            r.skippedLines.push_back(lineNumber);
            continue;
        }
        r.rows.push_back(std::move(*row));
    }
    return r;
}

std::string skipped_text(const Recording& r) {
    constexpr std::size_t kListed = 10;
    const std::size_t n = r.skippedLines.size();
    if (n == 0) {
        return {};
    }
    std::string text =
        std::to_string(n) + (n == 1 ? " row skipped: line " : " rows skipped: lines ");
    for (std::size_t i = 0; i < std::min(n, kListed); ++i) {
        text += i == 0 ? "" : ", ";
        text += std::to_string(r.skippedLines[i]);
    }
    if (n > kListed) {
        text += ", ...";
    }
    return text;
}

SampleStore sample_store_of(const Recording& r) {
    SampleStore store(std::max<std::size_t>(r.rows.size(), 1),
                      std::max<std::size_t>(event_count(r), 1));
    for (const RecordedRow& row : r.rows) {
        store.add(row.elapsedMs, row.frame);
    }
    return store;
}

std::string rows_between(const Recording& r, std::int64_t fromMs, std::int64_t toMs) {
    // The rows are in time order: read_recording skips any that go back.
    const auto first =
        std::partition_point(r.rows.begin(), r.rows.end(),
                             [fromMs](const RecordedRow& row) { return row.elapsedMs < fromMs; });
    const auto last = std::partition_point(
        first, r.rows.end(), [toMs](const RecordedRow& row) { return row.elapsedMs <= toMs; });
    std::size_t size = record_header().size() + 1;
    for (auto it = first; it != last; ++it) {
        size += it->text.size() + 1;
    }
    std::string out;
    out.reserve(size);
    out += record_header();
    out += '\n';
    for (auto it = first; it != last; ++it) {
        out += it->text;
        out += '\n';
    }
    return out;
}

} // namespace motiview

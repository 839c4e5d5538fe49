#include "monitor/status_record.h"

#include "monitor/status_frame.h"
#include "monitor/status_layout.h"

#include <array>
#include <cstdio>

namespace motiview {
namespace {

using enum StatusField;

// Bit words go into a recording in hex: a reader needs no table to tell the bits apart.
constexpr std::string_view kHexSuffix = "_hex";

bool in_hex(StatusField f) {
    const StatusShown shown = status_row(f).shown;
    return shown == StatusShown::Flags || shown == StatusShown::Inputs ||
           shown == StatusShown::FaultWord;
}

std::string hex(std::int32_t v, Width w) {
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "0x%0*X", static_cast<int>(2 * width_bytes(w)),
                  static_cast<unsigned>(v));
    return buf.data();
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
std::string csv(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

std::string seconds(long long ms) {
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%lld.%03lld", ms / 1000, ms % 1000);
    return buf.data();
}

} // namespace

const std::string& record_header() {
    static const std::string header = [] {
        std::string h = "time,elapsed_s";
        for (const StatusField f : kReadingOrder) {
            h += ',';
            h += status_row(f).key;
            h += in_hex(f) ? kHexSuffix : "";
        }
        h += ',';
        h += status_row(CurrentFaults).key; // by name
        return h;
    }();
    return header;
}

std::string record_row(const Unit& frame, std::string_view time, long long elapsedMs) {
    const StatusValues s = read_status(frame);
    std::string row = csv(time);
    const auto add = [&row](const std::string& text) {
        row += ',';
        row += text;
    };
    add(seconds(elapsedMs));
    for (const StatusField f : kReadingOrder) {
        add(in_hex(f) ? hex(s[f], status_row(f).width) : csv(status_text(f, s, kPlainNumbers)));
    }
    add(csv(fault_names(static_cast<std::uint16_t>(s[CurrentFaults]), FaultWord::Current, ";")));
    return row;
}

} // namespace motiview

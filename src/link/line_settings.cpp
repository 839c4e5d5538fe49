#include "link/line_settings.h"

#include <array>
#include <charconv>

namespace motiview {

namespace {

std::optional<int> parse_positive(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || ptr != last || value <= 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<LineSettings> parse_line_settings(std::string_view text) {
    std::array<std::string_view, 4> parts;
    std::size_t n = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (n == parts.size()) {
            return std::nullopt;
        }
        parts[n++] = text.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                        : comma - start);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (n != parts.size()) {
        return std::nullopt;
    }

    LineSettings s;
    const auto baud = parse_positive(parts[0]);
    if (!baud) {
        return std::nullopt;
    }
    s.baud = *baud;

    if (parts[1] == "n" || parts[1] == "N") {
        s.parity = Parity::None;
    } else if (parts[1] == "e" || parts[1] == "E") {
        s.parity = Parity::Even;
    } else if (parts[1] == "o" || parts[1] == "O") {
        s.parity = Parity::Odd;
    } else {
        return std::nullopt;
    }

    if (parts[2] == "7") {
        s.dataBits = 7;
    } else if (parts[2] == "8") {
        s.dataBits = 8;
    } else {
        return std::nullopt;
    }

    if (parts[3] == "1") {
        s.stopBits = StopBits::One;
    } else if (parts[3] == "1.5") {
        s.stopBits = StopBits::OneAndHalf;
    } else if (parts[3] == "2") {
        s.stopBits = StopBits::Two;
    } else {
        return std::nullopt;
    }
    return s;
}

} // namespace motiview

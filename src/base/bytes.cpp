#include "base/bytes.h"

namespace motiview {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string to_hex(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const std::uint8_t b : bytes) {
        if (!out.empty()) {
            out.push_back(' ');
        }
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

std::optional<Bytes> parse_hex(std::string_view text) {
    Bytes out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (is_blank(text[i])) {
            ++i;
            continue;
        }
        // A byte is always two adjacent digits; a lone digit is refused.
        if (i + 1 >= text.size()) {
            return std::nullopt;
        }
        const int hi = hex_value(text[i]);
        const int lo = hex_value(text[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        i += 2;
    }
    return out;
}

} // namespace motiview

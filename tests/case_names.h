#pragma once
// Names of parameterised cases as ctest lists them: short, readable, and different for
// different parameters. A name may hold only letters, digits and '_'.

#include "pages/page_schema.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace motiview::test {

namespace detail {

inline bool is_word_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

inline bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

inline std::string joined(const std::vector<std::string>& pieces) {
    std::string out;
    for (const std::string& p : pieces) {
        if (p.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += '_';
        }
        out += p;
    }
    return out.empty() ? std::string("empty") : out;
}

// The word a character that cannot stand in a name is spelled as.
inline std::string spelled(char c) {
    switch (c) {
    case ' ':
        return "space";
    case '.':
        return "dot";
    case ',':
        return "comma";
    case '-':
        return "minus";
    case '+':
        return "plus";
    case '"':
        return "quote";
    case '\'':
        return "apostrophe";
    case ':':
        return "colon";
    case '=':
        return "equals";
    case '/':
        return "slash";
    case '<':
        return "lt";
    case '>':
        return "gt";
    case '\\':
        return "backslash";
    case '\r':
        return "cr";
    case '\n':
        return "lf";
    case '\t':
        return "tab";
    default:
        break;
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return std::string{'x', kHex[byte >> 4], kHex[byte & 0x0F]};
}

} // namespace detail

// A label written for people ("over-voltage", "max reg -1000"): letters and digits as they
// are, any other run one '_', a minus in front of a number spelled out.
inline std::string label_name(std::string_view label) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char c = label[i];
        if (detail::is_word_char(c)) {
            pieces.back() += c;
            continue;
        }
        const bool startsNumber = c == '-' && (i == 0 || !detail::is_word_char(label[i - 1])) &&
                                  i + 1 < label.size() && detail::is_digit(label[i + 1]);
        if (startsNumber) {
            pieces.emplace_back("minus");
        }
        pieces.emplace_back();
    }
    return detail::joined(pieces);
}

// A typed or shown text, every character that cannot stand in a name spelled out, so that
// texts differing only there still get their own names: "-12.5" -> "minus_12_dot_5",
// " 1e3 " -> "space_1e3_space", "" -> "empty".
inline std::string text_name(std::string_view text) {
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (detail::is_word_char(c) || c == '_') {
            pieces.back() += c;
            continue;
        }
        pieces.push_back(detail::spelled(c));
        pieces.emplace_back();
    }
    return detail::joined(pieces);
}

inline std::string number_name(long long value) {
    return text_name(std::to_string(value));
}

// A byte: "0x4C".
inline std::string hex_name(std::uint8_t value) {
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string{'0', 'x', kHex[(value >> 4) & 0x0F], kHex[value & 0x0F]};
}

// Bytes in their order as one hex number: {0x5E, 0x01} -> "0x5E01".
inline std::string bytes_name(std::span<const std::uint8_t> bytes) {
    std::string out = "0x";
    for (const std::uint8_t b : bytes) {
        out += hex_name(b).substr(2);
    }
    return out;
}

// A page by its command-line name: "mode_set".
inline std::string page_name(PageId id) {
    return label_name(page_schema(id).cliName);
}

inline std::string page_param_name(const ::testing::TestParamInfo<PageId>& info) {
    return page_name(info.param);
}

// Names each case by one member that is already a label: ByLabel<&Case::what>{}.
template <auto Member> struct ByLabel {
    template <class P> std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return label_name(info.param.*Member);
    }
};

// Names each case by the field it types into and the text: "txtMaxspeed_12_dot_9".
struct ByFieldAndText {
    template <class P> std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return label_name(info.param.field) + "_" + text_name(info.param.text);
    }
};

} // namespace motiview::test

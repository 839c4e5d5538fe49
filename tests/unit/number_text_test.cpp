#include "base/number_text.h"
#include "case_names.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

using namespace motiview;
using motiview::test::number_name;
using motiview::test::text_name;

using motiview::test::kComma;
using motiview::test::kDot;

namespace {

// The typed text scaled by 10^pow10 and rounded, as a field's write does it.
std::optional<std::int32_t> scaled(std::string_view text, const NumberFormat& f, int pow10,
                                   Rounding r, bool negate = false, int offset = 0) {
    const auto v = parse_strict(text, f);
    if (!v) {
        return std::nullopt;
    }
    return round_to_int32(scale_decimal(*v, pow10, negate, offset), r);
}

struct StrictCase {
    const char* text;
    const NumberFormat* format;
    std::optional<std::int32_t> hundredths; // value x 100, floored; nullopt: refused
};

class StrictParse : public ::testing::TestWithParam<StrictCase> {};

std::string strict_name(const ::testing::TestParamInfo<StrictCase>& p) {
    const StrictCase& c = p.param;
    return text_name(c.text) + (c.format == &kComma ? "_in_comma_locale" : "") +
           (c.hundredths ? "" : "_refused");
}

TEST_P(StrictParse, ScalesExactlyOrRefuses) {
    const auto& c = GetParam();
    EXPECT_EQ(scaled(c.text, *c.format, 2, Rounding::Floor), c.hundredths) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictParse,
    ::testing::Values(
        // Binary artefacts must not reach the frame: 16.4 V is 1640, not 1639.
        StrictCase{"16.4", &kDot, 1640}, StrictCase{"0.29", &kDot, 29},
        StrictCase{"62.509", &kDot, 6250}, StrictCase{"68.75", &kDot, 6875},
        StrictCase{"  72.5 ", &kDot, 7250}, StrictCase{"+3", &kDot, 300},
        StrictCase{"-0.5", &kDot, -50}, StrictCase{"-0.001", &kDot, -1},
        StrictCase{".9", &kDot, 90}, StrictCase{"5.", &kDot, 500},
        StrictCase{"1,234.5", &kDot, 123450}, StrictCase{"1,234,567", &kDot, 123456700},
        StrictCase{"1,23", &kDot, std::nullopt}, StrictCase{"1e2", &kDot, 10000},
        StrictCase{"2.5E-1", &kDot, 25}, StrictCase{"72,5", &kComma, 7250},
        StrictCase{"1.234", &kComma, 123400}, StrictCase{"0.000000000000000000000000001", &kDot, 0},
        StrictCase{"-0.000000000000000000000000001", &kDot, -1},
        // Refused: empty, words, stray characters, a separator the locale does not use.
        StrictCase{"", &kDot, std::nullopt}, StrictCase{"   ", &kDot, std::nullopt},
        StrictCase{"abc", &kDot, std::nullopt}, StrictCase{"12a", &kDot, std::nullopt},
        StrictCase{".", &kDot, std::nullopt}, StrictCase{"-", &kDot, std::nullopt},
        StrictCase{"1e", &kDot, std::nullopt}, StrictCase{"Text1", &kDot, std::nullopt},
        StrictCase{"72.5", &kComma, std::nullopt}, StrictCase{",5", &kDot, std::nullopt},
        StrictCase{"1 2", &kDot, std::nullopt}, StrictCase{"--1", &kDot, std::nullopt},
        // Too large for a 32-bit integer once scaled.
        StrictCase{"21474836.48", &kDot, std::nullopt}, StrictCase{"1e300", &kDot, std::nullopt},
        StrictCase{"99999999999999999999999999999999999999999", &kDot, std::nullopt},
        StrictCase{"21474836.47", &kDot, 2147483647}),
    strict_name);

struct RoundCase {
    const char* text;
    Rounding rounding;
    std::int32_t expected;
};

class Rounds : public ::testing::TestWithParam<RoundCase> {};

std::string round_name(const ::testing::TestParamInfo<RoundCase>& p) {
    const char* mode = "floor";
    switch (p.param.rounding) {
    case Rounding::Floor:
        break;
    case Rounding::HalfEven:
        mode = "half_even";
        break;
    case Rounding::HalfAwayFromZero:
        mode = "half_away";
        break;
    }
    return std::string(mode) + "_" + text_name(p.param.text);
}

TEST_P(Rounds, ToInteger) {
    const auto& c = GetParam();
    EXPECT_EQ(scaled(c.text, kDot, 0, c.rounding), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Rounds,
    ::testing::Values(
        RoundCase{"1.9", Rounding::Floor, 1}, RoundCase{"-0.5", Rounding::Floor, -1},
        RoundCase{"-3", Rounding::Floor, -3}, RoundCase{"2.5", Rounding::HalfEven, 2},
        RoundCase{"3.5", Rounding::HalfEven, 4}, RoundCase{"-2.5", Rounding::HalfEven, -2},
        RoundCase{"2.500000000000000000000000000001", Rounding::HalfEven, 3},
        RoundCase{"2.4999999", Rounding::HalfEven, 2}, RoundCase{"92.5", Rounding::HalfEven, 92},
        RoundCase{"93.5", Rounding::HalfEven, 94}, RoundCase{"2.5", Rounding::HalfAwayFromZero, 3},
        RoundCase{"-2.5", Rounding::HalfAwayFromZero, -3}),
    round_name);

// Values whose digits or intermediate products do not fit 64 bits, and roundings that carry
// across the 32-bit limits. Each row: the three roundings of text x 10^pow10 (negated, plus
// offset).
struct WideCase {
    const char* text;
    int pow10;
    bool negate;
    int offset;
    std::optional<std::int32_t> floor;
    std::optional<std::int32_t> halfEven;
    std::optional<std::int32_t> halfAway;
};

class WideValues : public ::testing::TestWithParam<WideCase> {};

// "2147483648_dot_5_pow_0_negated", "minus_1_dot_5_pow_0_offset_minus_2147483647".
std::string wide_name(const ::testing::TestParamInfo<WideCase>& p) {
    const WideCase& c = p.param;
    std::string name = text_name(c.text) + "_pow_" + number_name(c.pow10);
    if (c.negate) {
        name += "_negated";
    }
    if (c.offset != 0) {
        name += "_offset_" + number_name(c.offset);
    }
    return name;
}

TEST_P(WideValues, ScaleAndRoundExactly) {
    const auto& c = GetParam();
    EXPECT_EQ(scaled(c.text, kDot, c.pow10, Rounding::Floor, c.negate, c.offset), c.floor)
        << c.text;
    EXPECT_EQ(scaled(c.text, kDot, c.pow10, Rounding::HalfEven, c.negate, c.offset), c.halfEven)
        << c.text;
    EXPECT_EQ(scaled(c.text, kDot, c.pow10, Rounding::HalfAwayFromZero, c.negate, c.offset),
              c.halfAway)
        << c.text;
}

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::nullopt_t kOut = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Limits, WideValues,
    ::testing::Values(
        // 25 and 24 significant digits, then x 10^6.
        WideCase{"1.123456789012345678901234", 6, false, 0, 1123456, 1123457, 1123457},
        WideCase{"0.000001999999999999999999", 6, false, 0, 1, 2, 2},
        WideCase{"2147.483647999999999999999999", 6, false, 0, kMax32, kOut, kOut},
        WideCase{"-2147.483648000000000000000001", 6, false, 0, kOut, kMin32, kMin32},
        // Ties at the ends of the range: rounding up must not wrap into range.
        WideCase{"2147.4836475", 6, false, 0, kMax32, kOut, kOut},
        WideCase{"-2147.4836485", 6, false, 0, kOut, kMin32, kOut},
        WideCase{"2147483646.5", 0, false, 0, 2147483646, 2147483646, kMax32},
        WideCase{"2147483647.5", 0, false, 0, kMax32, kOut, kOut},
        WideCase{"-2147483647.5", 0, false, 0, kMin32, kMin32, kMin32},
        WideCase{"-2147483648.5", 0, false, 0, kOut, kMin32, kOut},
        WideCase{"2147483648.5", 0, true, 0, kOut, kMin32, kOut},
        WideCase{"2147483647.499999999999999999999999", 0, false, 0, kMax32, kMax32, kMax32},
        WideCase{"2147483647.500000000000000000000001", 0, false, 0, kMax32, kOut, kOut},
        WideCase{"-2147483648.000000000000000000000001", 0, false, 0, kOut, kMin32, kMin32},
        // Integer parts of 20 to 31 digits are kept and can be scaled back into range; 2^64
        // and 2^65 + 1 themselves stay out of it.
        WideCase{"18446744073709551616", 0, false, 0, kOut, kOut, kOut},
        WideCase{"-36893488147419103233", 0, false, 0, kOut, kOut, kOut},
        WideCase{"18446744073709551616", -10, false, 0, 1844674407, 1844674407, 1844674407},
        WideCase{"12345678901234567890123456", -20, false, 0, 123456, 123457, 123457},
        WideCase{"9999999999999999999999999999999", -24, false, 0, 9999999, 10000000, 10000000},
        WideCase{"12345678901234567890123456789012", -24, false, 0, kOut, kOut, kOut},
        // Exponents that reach the limits.
        WideCase{"2.147483647e9", 0, false, 0, kMax32, kMax32, kMax32},
        WideCase{"2.147483648e9", 0, false, 0, kOut, kOut, kOut},
        WideCase{"-2.147483648e9", 0, false, 0, kMin32, kMin32, kMin32},
        WideCase{"2.147483648e3", 6, false, 0, kOut, kOut, kOut},
        WideCase{"2147483647e-24", 24, false, 0, kMax32, kMax32, kMax32},
        // Offsets in units of 10^-24 and 10^-18: carries and borrows between the limbs
        // (1.208925819614629174706176 is 2^80 units).
        WideCase{"0.000000000000000000000001", 0, false, kMax32, kMax32, kMax32, kMax32},
        WideCase{"-1.5", 0, false, -kMax32, kOut, kMin32, kOut},
        WideCase{"0.0000000000000000000000015", 0, false, -1, -1, -1, -1},
        WideCase{"1.208925819614629174706176", 6, false, -1000000, 208925, 208926, 208926},
        WideCase{"1.208925819614629174706175", 6, false, 1000000, 2208925, 2208926, 2208926}),
    wide_name);

TEST(Compare, AtTheLimitsOf64Bits) {
    constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
    struct Case {
        const char* text;
        std::int64_t integer;
        int order;
    };
    for (const Case c : {
             Case{"9223372036854775807.5", kMax64, 1},
             Case{"9223372036854775807.000000000000000000000000", kMax64, 0},
             Case{"-9223372036854775808", kMin64, 0},
             Case{"-9223372036854775808.000000000000000000000001", kMin64, -1},
             Case{"-9223372036854775807.999999999999999999999999", kMin64, 1},
             Case{"18446744073709551616", kMax64, 1},
             Case{"-18446744073709551616", kMin64, -1},
             // The integer in units of 10^-24 needs more than 128 bits.
             Case{"0.999999999999999999999999", kMax64, -1},
             Case{"-0.999999999999999999999999", kMin64, 1},
             Case{"123456789012.123456789012345678901234", 6847502173559057964, -1},
         }) {
        EXPECT_EQ(compare(*parse_strict(c.text, kDot), c.integer), c.order)
            << c.text << " vs " << c.integer;
    }
}

TEST(Format, Int64Extremes) {
    constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
    struct Case {
        std::int64_t raw;
        int pow10;
        int decimals;
        const char* fixed;
    };
    for (const Case c : {
             // |raw| up to 2^63 against a divisor of 10^19 and beyond.
             Case{kMin64, -19, 0, "-1"},
             Case{kMax64, -19, 0, "1"},
             Case{4999999999999999999, -19, 0, "0"},
             Case{5000000000000000000, -19, 0, "1"},
             Case{kMin64, -20, 0, "0"},
             Case{kMin64, -20, 1, "-0.1"},
             Case{kMin64, -4, 3, "-922337203685477.581"},
             // Scaled up, past 128 bits in the second: still the exact digits.
             Case{kMax64, 0, 2, "9223372036854775807.00"},
             Case{kMin64, 2, 20, "-922337203685477580800.00000000000000000000"},
         }) {
        EXPECT_EQ(format_fixed(c.raw, c.pow10, c.decimals, kDot), c.fixed)
            << c.raw << " " << c.pow10 << " " << c.decimals;
    }
    EXPECT_EQ(format_scaled(kMin64, -19, kDot), "-0.9223372036854775808");
    EXPECT_EQ(format_scaled(kMax64, 3, kComma), "9223372036854775807000");
}

TEST(ScaleDecimal, DividesNegatesAndOffsetsExactly) {
    // Units of 10 and 100, floored: 3050 rpm is 30 hundreds.
    EXPECT_EQ(scaled("3050", kDot, -2, Rounding::Floor), 30);
    EXPECT_EQ(scaled("5", kDot, -1, Rounding::Floor), 0);
    // Negated then divided: -1000 shown is 10 stored; 500 shown gives a negative quotient.
    EXPECT_EQ(scaled("-1000", kDot, -2, Rounding::Floor, true), 10);
    EXPECT_EQ(scaled("500", kDot, -2, Rounding::Floor, true), -5);
    EXPECT_EQ(scaled("74", kDot, 0, Rounding::Floor, true), -74);
    // Plus one, then half to even: -1 -> 0, 0.5 -> 2 (1.5), 2.5 -> 4 (3.5), -1.5 -> 0 (-0.5).
    EXPECT_EQ(scaled("-1", kDot, 0, Rounding::HalfEven, false, 1), 0);
    EXPECT_EQ(scaled("0.5", kDot, 0, Rounding::HalfEven, false, 1), 2);
    EXPECT_EQ(scaled("2.5", kDot, 0, Rounding::HalfEven, false, 1), 4);
    EXPECT_EQ(scaled("-1.5", kDot, 0, Rounding::HalfEven, false, 1), 0);
    EXPECT_EQ(scaled("-2.5", kDot, 0, Rounding::HalfEven, false, 1), -2);
    // A sign flip across a dropped tail keeps the value on the right side of the tie.
    EXPECT_EQ(scaled("-0.500000000000000000000000000001", kDot, 0, Rounding::HalfEven, false, 1),
              0);
    EXPECT_EQ(scaled("0.8", kDot, 4, Rounding::Floor), 8000);
}

TEST(Lenient, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        std::int32_t halfEven;
    };
    for (const Case c :
         {Case{"57.5", 58}, Case{"56.5", 56}, Case{"abc", 0}, Case{"", 0}, Case{" 1 2 3", 123},
          Case{"12abc", 12}, Case{"-7.5x", -8}, Case{"72,5", 72}, Case{"1e2", 100}, Case{"3e", 3},
          Case{".5", 0}, Case{"1.5.5", 2}, Case{"+ 4", 4}}) {
        EXPECT_EQ(round_to_int32(parse_lenient(c.text), Rounding::HalfEven), c.halfEven)
            << '"' << c.text << '"';
    }
}

TEST(Compare, AgainstIntegers) {
    const auto v = [](const char* t) { return *parse_strict(t, kDot); };
    EXPECT_LT(compare(v("0.9"), 1), 0);
    EXPECT_EQ(compare(v("1.0"), 1), 0);
    EXPECT_GT(compare(v("1.0000000000000000000000000001"), 1), 0);
    EXPECT_LT(compare(v("-5"), 0), 0);
    EXPECT_GT(compare(v("0"), -1), 0);
    EXPECT_LT(compare(v("-1.5"), -1), 0);
}

TEST(Format, ScaledAndFixed) {
    EXPECT_EQ(format_scaled(6250, -2, kDot), "62.5");
    EXPECT_EQ(format_scaled(7250, -2, kComma), "72,5");
    EXPECT_EQ(format_scaled(10000, -2, kDot), "100");
    EXPECT_EQ(format_scaled(29, -2, kDot), "0.29");
    EXPECT_EQ(format_scaled(-4660, -2, kDot), "-46.6");
    EXPECT_EQ(format_scaled(-74, 0, kDot), "-74");
    EXPECT_EQ(format_scaled(30, 2, kDot), "3000");
    EXPECT_EQ(format_scaled(0, 2, kDot), "0");
    EXPECT_EQ(format_fixed(12345, -4, 3, kDot), "1.235");
    EXPECT_EQ(format_fixed(12346, -4, 3, kDot), "1.235");
    EXPECT_EQ(format_fixed(12344, -4, 3, kComma), "1,234");
    EXPECT_EQ(format_fixed(8000, -4, 3, kDot), "0.800");
    EXPECT_EQ(format_fixed(10000, -2, 2, kDot), "100.00");
    EXPECT_EQ(format_fixed(5, -2, 2, kDot), "0.05");
    EXPECT_EQ(format_fixed(400, 0, 0, kDot), "400");
    EXPECT_EQ(format_general(0.1, kComma), "0,1");
    EXPECT_EQ(format_general(1.0 / 3.0, kDot), "0.333333333333333");
    EXPECT_EQ(format_general(-0.0, kDot), "0");
}

TEST(IntegerConversion, StrictThenHalfEven) {
    EXPECT_EQ(parse_integer("2.5", kDot), 2);
    EXPECT_EQ(parse_integer("3.5", kDot), 4);
    EXPECT_EQ(parse_integer("x", kDot), std::nullopt);
    EXPECT_EQ(parse_integer("3000000000", kDot), std::nullopt);
}

} // namespace

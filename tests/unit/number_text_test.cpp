#include "pages/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace motiview;

namespace {

const NumberFormat kDot{".", ","};
const NumberFormat kComma{",", "."};

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
        StrictCase{"21474836.47", &kDot, 2147483647}));

struct RoundCase {
    const char* text;
    Rounding rounding;
    std::int32_t expected;
};

class Rounds : public ::testing::TestWithParam<RoundCase> {};

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
        RoundCase{"-2.5", Rounding::HalfAwayFromZero, -3}));

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

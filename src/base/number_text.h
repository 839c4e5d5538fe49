#pragma once
// Text <-> number conversions of the parameter fields. Typed text is kept as an exact decimal
// so that scaling by powers of ten never picks up binary artefacts (16.4 V x 100 is 1640).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace motiview {

// Unsigned 128-bit integer on two 64-bit limbs, so the core builds with any C++20 compiler: a
// typed value keeps up to 36 significant digits (10^36 < 2^128). Arithmetic lives with the
// conversions; ordering compares the high limb first.
struct Uint128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    constexpr Uint128() = default;
    // Implicit, as from the built-in integer it stands in for.
    constexpr Uint128(std::uint64_t value) : low(value) {}
    constexpr Uint128(std::uint64_t highLimb, std::uint64_t lowLimb)
        : high(highLimb), low(lowLimb) {}

    // Written out rather than defaulted with <=>: moc cannot read <compare>.
    friend constexpr bool operator==(const Uint128& a, const Uint128& b) {
        return a.high == b.high && a.low == b.low;
    }
    friend constexpr bool operator!=(const Uint128& a, const Uint128& b) { return !(a == b); }
    friend constexpr bool operator<(const Uint128& a, const Uint128& b) {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    }
    friend constexpr bool operator>(const Uint128& a, const Uint128& b) { return b < a; }
    friend constexpr bool operator<=(const Uint128& a, const Uint128& b) { return !(b < a); }
    friend constexpr bool operator>=(const Uint128& a, const Uint128& b) { return !(a < b); }
};

// The user's number format; the GUI and the command-line tool fill it from QLocale.
struct NumberFormat {
    std::string decimal = "."; // UTF-8, usually one character
    std::string group = ",";
};

// "." and no digit grouping whatever the locale: parameter files, CSV columns, the tools' texts.
inline const NumberFormat kPlainNumbers{".", ""};

// An exact decimal value: sign * mantissa * 10^-scale, plus a sticky mark when digits beyond
// the kept precision were dropped (they are never needed beyond telling a tie from a near-tie).
struct ExactDecimal {
    bool negative = false;
    Uint128 mantissa = 0;  // digits without the decimal point
    int scale = 0;         // number of digits after the point, 0..kMaxScale
    bool sticky = false;   // nonzero digits dropped after the kept ones
    bool overflow = false; // integer part too large to represent

    [[nodiscard]] bool is_zero() const { return mantissa == 0 && !sticky; }
};

inline constexpr int kMaxScale = 24;

// Text-to-number conversion in the user's locale: surrounding blanks, a leading sign, the
// decimal separator, group separators inside the integer part and an exponent are accepted.
// Empty or non-numeric text gives nullopt.
[[nodiscard]] std::optional<ExactDecimal> parse_strict(std::string_view text,
                                                       const NumberFormat& format);

// Lenient conversion: the leading number of the text with "." as decimal separator, blanks
// skipped, reading stops at the first character that cannot continue the number; text without
// a leading number gives 0. Never fails.
[[nodiscard]] ExactDecimal parse_lenient(std::string_view text);

enum class Rounding : std::uint8_t { Floor, HalfEven, HalfAwayFromZero };

// value * 10^pow10 (pow10 may be negative), negated when asked, plus offset; exact.
[[nodiscard]] ExactDecimal scale_decimal(const ExactDecimal& value, int pow10, bool negate,
                                         int offset = 0);

// Rounded to an integer; nullopt when the result does not fit a 32-bit signed integer.
[[nodiscard]] std::optional<std::int32_t> round_to_int32(const ExactDecimal& value,
                                                         Rounding rounding);

// Integer conversion: strict, then half to even. nullopt on failure or overflow.
[[nodiscard]] std::optional<std::int32_t> parse_integer(std::string_view text,
                                                        const NumberFormat& format);

// Less than (-1), equal to (0) or greater than (1) an integer.
[[nodiscard]] int compare(const ExactDecimal& value, std::int64_t integer);

[[nodiscard]] constexpr std::int64_t clamp_value(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// raw * 10^pow10 as shortest text: no trailing zeros, no point for whole numbers, the
// locale's decimal separator, "-" for negatives. Exact (raw / 100 with pow10 = -2: 6250 -> 62.5).
[[nodiscard]] std::string format_scaled(std::int64_t raw, int pow10, const NumberFormat& format);

// raw * 10^pow10 with exactly `decimals` decimals, rounded half away from zero on the exact
// value (12345 with pow10 -4 and 3 decimals -> "1.235").
[[nodiscard]] std::string format_fixed(std::int64_t raw, int pow10, int decimals,
                                       const NumberFormat& format);

// General number format of a double: shortest text, at most 15 significant digits, no
// trailing zeros, the locale's decimal separator.
[[nodiscard]] std::string format_general(double value, const NumberFormat& format);

// Surrounding blanks (spaces and tabs) removed.
[[nodiscard]] std::string_view trim_blanks(std::string_view text);

} // namespace motiview

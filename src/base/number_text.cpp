#include "base/number_text.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <limits>

namespace motiview {
namespace {

// 10^36 < 2^128: the mantissa never holds more significant digits than this.
constexpr int kMaxDigits = 36;
// Integer parts beyond 10^30 are far outside every field; they only mark overflow.
constexpr int kMaxIntegerDigits = 30;

// Two-limb arithmetic in 32-bit words, so that every partial product fits 64 bits.
using Words = std::array<std::uint64_t, 4>; // least significant word first
constexpr std::uint64_t kWordMask = 0xFFFF'FFFF;
constexpr std::uint64_t kMaxLimb = std::numeric_limits<std::uint64_t>::max();
constexpr std::array<std::uint32_t, 10> kSmallPow10{
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000};
constexpr int kMaxSmallPow10 = 9;

Words words_of(const Uint128& v) {
    return {v.low & kWordMask, v.low >> 32, v.high & kWordMask, v.high >> 32};
}

Uint128 from_words(const Words& w) {
    return {(w[3] << 32) | w[2], (w[1] << 32) | w[0]};
}

// v * factor + addend; false, v unchanged, when the result does not fit 128 bits.
[[nodiscard]] bool multiply_add(Uint128& v, std::uint32_t factor, std::uint32_t addend) {
    Words w = words_of(v);
    std::uint64_t carry = addend;
    for (auto& word : w) {
        // At most (2^32 - 1)^2 + 2^32 - 1 < 2^64.
        const std::uint64_t p = word * factor + carry;
        word = p & kWordMask;
        carry = p >> 32;
    }
    if (carry != 0) {
        return false;
    }
    v = from_words(w);
    return true;
}

// v / divisor in place (divisor nonzero); returns the remainder.
std::uint32_t divide(Uint128& v, std::uint32_t divisor) {
    Words w = words_of(v);
    std::uint64_t rest = 0;
    for (std::size_t i = w.size(); i-- > 0;) {
        const std::uint64_t part = (rest << 32) | w[i]; // rest < divisor < 2^32
        w[i] = part / divisor;
        rest = part % divisor;
    }
    v = from_words(w);
    return static_cast<std::uint32_t>(rest);
}

// a + b; false, a unchanged, when the sum does not fit 128 bits.
[[nodiscard]] bool add_to(Uint128& a, const Uint128& b) {
    const std::uint64_t low = a.low + b.low;
    const std::uint64_t carry = low < a.low ? 1 : 0;
    if (b.high > kMaxLimb - a.high || carry > kMaxLimb - a.high - b.high) {
        return false;
    }
    a = {a.high + b.high + carry, low};
    return true;
}

// a - b for a >= b.
Uint128 minus(const Uint128& a, const Uint128& b) {
    const std::uint64_t borrow = a.low < b.low ? 1 : 0;
    return {a.high - b.high - borrow, a.low - b.low};
}

bool is_odd(const Uint128& v) {
    return (v.low & 1U) != 0;
}

// v * 10^n (nothing for n <= 0); false, v unchanged, when the product does not fit 128 bits.
[[nodiscard]] bool multiply_pow10(Uint128& v, std::int64_t n) {
    if (v == 0) {
        return true;
    }
    Uint128 p = v;
    for (std::int64_t left = n; left > 0; left -= kMaxSmallPow10) {
        const auto step = left < kMaxSmallPow10 ? static_cast<std::size_t>(left)
                                                : static_cast<std::size_t>(kMaxSmallPow10);
        if (!multiply_add(p, kSmallPow10[step], 0)) {
            return false;
        }
    }
    v = p;
    return true;
}

// v / 10^n in place (nothing for n <= 0); returns the remainder.
Uint128 divide_pow10(Uint128& v, std::int64_t n) {
    const Uint128 original = v;
    for (std::int64_t left = n; left > 0 && v != 0; left -= kMaxSmallPow10) {
        const auto step = left < kMaxSmallPow10 ? static_cast<std::size_t>(left)
                                                : static_cast<std::size_t>(kMaxSmallPow10);
        divide(v, kSmallPow10[step]);
    }
    Uint128 whole = v;
    (void)multiply_pow10(whole, n); // whole * 10^n <= original: it fits
    return minus(original, whole);
}

int digit_count(Uint128 v) {
    int n = 0;
    while (v != 0) {
        divide(v, 10);
        ++n;
    }
    return n;
}

// Collects digits as they are read and turns them into an ExactDecimal.
class DigitCollector {
  public:
    void integer_digit(int d) { add(d, false); }
    void fraction_digit(int d) { add(d, true); }
    [[nodiscard]] bool any() const { return anyDigit_; }

    [[nodiscard]] ExactDecimal finish(bool negative, std::int64_t exponent) const {
        ExactDecimal r;
        r.negative = negative;
        r.mantissa = mantissa_;
        r.sticky = sticky_;
        const std::int64_t exp10 = exponent + shift_ - fractionDigits_;
        if (r.mantissa == 0) {
            // Digits are only dropped once the mantissa holds some, so this is an exact zero.
            return ExactDecimal{};
        }
        if (exp10 >= 0) {
            // Within 31 digits the product always fits.
            if (digit_count(r.mantissa) + exp10 > kMaxIntegerDigits + 1 ||
                !multiply_pow10(r.mantissa, exp10)) {
                r.overflow = true;
                r.mantissa = 0;
                return r;
            }
            r.scale = 0;
            return r;
        }
        std::int64_t scale = -exp10;
        while (scale > kMaxScale) {
            if (divide(r.mantissa, 10) != 0) {
                r.sticky = true;
            }
            --scale;
            if (r.mantissa == 0) {
                r.sticky = true;
                r.scale = kMaxScale;
                return r;
            }
        }
        r.scale = static_cast<int>(scale);
        if (digit_count(r.mantissa) - r.scale > kMaxIntegerDigits) {
            r.overflow = true;
            r.mantissa = 0;
        }
        return r;
    }

  private:
    void add(int d, bool fraction) {
        anyDigit_ = true;
        if (mantissa_ == 0 && d == 0) {
            if (fraction) {
                ++fractionDigits_;
            }
            return;
        }
        if (significant_ < kMaxDigits &&
            multiply_add(mantissa_, 10, static_cast<std::uint32_t>(d))) {
            ++significant_;
            if (fraction) {
                ++fractionDigits_;
            }
            return;
        }
        // Beyond the kept precision: an integer digit still moves the point.
        if (d != 0) {
            sticky_ = true;
        }
        if (!fraction) {
            ++shift_;
        }
    }

    Uint128 mantissa_ = 0;
    int significant_ = 0;
    std::int64_t fractionDigits_ = 0;
    std::int64_t shift_ = 0;
    bool sticky_ = false;
    bool anyDigit_ = false;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Exactly three digits at pos, not followed by a fourth.
bool is_digit_group(std::string_view text, std::size_t pos) {
    if (pos + 3 > text.size()) {
        return false;
    }
    for (std::size_t i = pos; i < pos + 3; ++i) {
        if (!is_digit(text[i])) {
            return false;
        }
    }
    return pos + 3 == text.size() || !is_digit(text[pos + 3]);
}

bool starts_with(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

// Reads "e[+-]digits" at pos; returns false (pos unchanged) when there is no exponent.
bool read_exponent(std::string_view text, std::size_t& pos, std::int64_t& exponent,
                   bool skipBlanks) {
    std::size_t p = pos;
    if (p >= text.size() || (text[p] != 'e' && text[p] != 'E')) {
        return false;
    }
    ++p;
    auto skip = [&] {
        while (skipBlanks && p < text.size() && is_blank(text[p])) {
            ++p;
        }
    };
    skip();
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
        skip();
    }
    if (p >= text.size() || !is_digit(text[p])) {
        return false;
    }
    std::int64_t value = 0;
    while (p < text.size() && (is_digit(text[p]) || (skipBlanks && is_blank(text[p])))) {
        if (is_digit(text[p]) && value < 100000) {
            value = value * 10 + (text[p] - '0');
        }
        ++p;
    }
    exponent = negative ? -value : value;
    pos = p;
    return true;
}

std::uint64_t magnitude_of(std::int64_t v) {
    return v < 0 ? static_cast<std::uint64_t>(-(v + 1)) + 1 : static_cast<std::uint64_t>(v);
}

// |value| as digits with the point `decimals` places from the right.
std::string place_point(std::string digits, int decimals, const NumberFormat& format) {
    if (decimals <= 0) {
        return digits;
    }
    const auto d = static_cast<std::size_t>(decimals);
    if (digits.size() <= d) {
        digits.insert(0, d + 1 - digits.size(), '0');
    }
    return digits.substr(0, digits.size() - d) + format.decimal + digits.substr(digits.size() - d);
}

} // namespace

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<ExactDecimal> parse_strict(std::string_view text, const NumberFormat& format) {
    text = trim_blanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    DigitCollector digits;
    const bool groupUsable = !format.group.empty() && format.group != format.decimal;
    bool lastWasDigit = false;
    while (pos < text.size()) {
        if (is_digit(text[pos])) {
            digits.integer_digit(text[pos] - '0');
            lastWasDigit = true;
            ++pos;
        } else if (groupUsable && lastWasDigit && starts_with(text, pos, format.group) &&
                   is_digit_group(text, pos + format.group.size())) {
            // Group separators only between digits of the integer part, before three digits:
            // "72.5" in a comma locale is refused rather than read as 725.
            pos += format.group.size();
            lastWasDigit = false;
        } else {
            break;
        }
    }
    if (starts_with(text, pos, format.decimal)) {
        pos += format.decimal.size();
        while (pos < text.size() && is_digit(text[pos])) {
            digits.fraction_digit(text[pos] - '0');
            ++pos;
        }
    }
    if (!digits.any()) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    if (pos < text.size() && !read_exponent(text, pos, exponent, false)) {
        return std::nullopt;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return digits.finish(negative, exponent);
}

ExactDecimal parse_lenient(std::string_view text) {
    std::size_t pos = 0;
    auto skip = [&] {
        while (pos < text.size() && is_blank(text[pos])) {
            ++pos;
        }
    };
    skip();
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
        skip();
    }
    DigitCollector digits;
    while (pos < text.size() && (is_digit(text[pos]) || is_blank(text[pos]))) {
        if (is_digit(text[pos])) {
            digits.integer_digit(text[pos] - '0');
        }
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && (is_digit(text[pos]) || is_blank(text[pos]))) {
            if (is_digit(text[pos])) {
                digits.fraction_digit(text[pos] - '0');
            }
            ++pos;
        }
    }
    if (!digits.any()) {
        return ExactDecimal{};
    }
    std::int64_t exponent = 0;
    (void)read_exponent(text, pos, exponent, true);
    return digits.finish(negative, exponent);
}

ExactDecimal scale_decimal(const ExactDecimal& value, int pow10, bool negate, int offset) {
    ExactDecimal r = value;
    if (r.overflow) {
        return r;
    }
    if (negate) {
        r.negative = !r.negative;
    }
    if (pow10 > 0) {
        const int fromScale = pow10 < r.scale ? pow10 : r.scale;
        r.scale -= fromScale;
        const int rest = pow10 - fromScale;
        if (rest > 0 && r.mantissa != 0) {
            // Within 31 digits the product always fits.
            if (std::int64_t{digit_count(r.mantissa)} + rest - r.scale > kMaxIntegerDigits + 1 ||
                !multiply_pow10(r.mantissa, rest)) {
                r.overflow = true;
                r.mantissa = 0;
                return r;
            }
        }
    } else if (pow10 < 0) {
        std::int64_t scale = std::int64_t{r.scale} - pow10;
        while (scale > kMaxScale) {
            if (r.mantissa == 0) {
                scale = kMaxScale; // nothing left to drop
                break;
            }
            if (divide(r.mantissa, 10) != 0) {
                r.sticky = true;
            }
            --scale;
        }
        r.scale = static_cast<int>(scale);
    }
    if (offset != 0) {
        const bool addNegative = offset < 0;
        Uint128 addend = addNegative ? static_cast<std::uint64_t>(-std::int64_t{offset})
                                     : static_cast<std::uint64_t>(offset);
        // At most 2^31 * 10^24, and the sum below 10^37: far from 2^128 for parsed values.
        if (!multiply_pow10(addend, r.scale)) {
            r.overflow = true;
            r.mantissa = 0;
            return r;
        }
        if (r.mantissa == 0 && !r.sticky) {
            r.negative = addNegative;
            r.mantissa = addend;
        } else if (r.negative == addNegative) {
            if (!add_to(r.mantissa, addend)) {
                r.overflow = true;
                r.mantissa = 0;
                return r;
            }
        } else if (r.mantissa >= addend) {
            r.mantissa = minus(r.mantissa, addend);
            if (r.mantissa == 0 && !r.sticky) {
                r.negative = false;
            }
        } else {
            // The sign flips; a sticky tail now shortens the magnitude by less than one unit.
            r.mantissa = minus(minus(addend, r.mantissa), r.sticky ? 1U : 0U);
            r.negative = !r.negative;
        }
    }
    if (r.mantissa == 0 && !r.sticky) {
        r.negative = false;
    }
    return r;
}

std::optional<std::int32_t> round_to_int32(const ExactDecimal& value, Rounding rounding) {
    if (value.overflow) {
        return std::nullopt;
    }
    Uint128 q = value.mantissa;
    const Uint128 r = divide_pow10(q, value.scale);
    const bool fractionNonZero = r != 0 || value.sticky;
    // Compare the fraction with one half (5 * 10^(scale-1) units): -1 below, 0 exactly, 1 above.
    int half = -1;
    Uint128 halfUnit = 5;
    if (value.scale > 0 && multiply_pow10(halfUnit, value.scale - 1)) {
        if (r > halfUnit || (r == halfUnit && value.sticky)) {
            half = 1;
        } else if (r == halfUnit) {
            half = 0;
        }
    }
    bool up = false;
    switch (rounding) {
    case Rounding::Floor:
        up = value.negative && fractionNonZero;
        break;
    case Rounding::HalfEven:
        up = half > 0 || (half == 0 && is_odd(q));
        break;
    case Rounding::HalfAwayFromZero:
        up = half >= 0;
        break;
    }
    // The magnitude limit: 2^31 - 1, or 2^31 for a negative result.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) +
        (value.negative ? 1U : 0U);
    if (q.high != 0 || q.low > limit) {
        return std::nullopt;
    }
    const std::uint64_t magnitude = q.low + (up ? 1U : 0U);
    if (magnitude > limit) {
        return std::nullopt;
    }
    if (value.negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    return static_cast<std::int32_t>(magnitude);
}

std::optional<std::int32_t> parse_integer(std::string_view text, const NumberFormat& format) {
    const auto v = parse_strict(text, format);
    if (!v) {
        return std::nullopt;
    }
    return round_to_int32(*v, Rounding::HalfEven);
}

int compare(const ExactDecimal& value, std::int64_t integer) {
    if (value.overflow) {
        return value.negative ? -1 : 1;
    }
    const bool intNegative = integer < 0;
    const bool valueZero = value.mantissa == 0 && !value.sticky;
    if (valueZero) {
        return integer > 0 ? -1 : (integer < 0 ? 1 : 0);
    }
    if (value.negative != intNegative) {
        return value.negative ? -1 : 1;
    }
    // Same sign: compare magnitudes, then flip for negatives.
    // |integer| * 10^scale beyond 128 bits is larger than any mantissa.
    Uint128 scaled = magnitude_of(integer);
    int magnitudeOrder = -1;
    if (multiply_pow10(scaled, value.scale)) {
        if (value.mantissa > scaled || (value.mantissa == scaled && value.sticky)) {
            magnitudeOrder = 1;
        } else if (value.mantissa == scaled) {
            magnitudeOrder = 0;
        }
    }
    return value.negative ? -magnitudeOrder : magnitudeOrder;
}

std::string format_scaled(std::int64_t raw, int pow10, const NumberFormat& format) {
    std::string digits = std::to_string(magnitude_of(raw));
    std::string text;
    if (pow10 >= 0) {
        text = raw == 0 ? "0" : digits + std::string(static_cast<std::size_t>(pow10), '0');
    } else {
        text = place_point(digits, -pow10, format);
        if (text.find(format.decimal) != std::string::npos) {
            while (!text.empty() && text.back() == '0') {
                text.pop_back();
            }
            if (text.size() >= format.decimal.size() &&
                text.compare(text.size() - format.decimal.size(), format.decimal.size(),
                             format.decimal) == 0) {
                text.resize(text.size() - format.decimal.size());
            }
        }
    }
    return raw < 0 ? "-" + text : text;
}

std::string format_fixed(std::int64_t raw, int pow10, int decimals, const NumberFormat& format) {
    std::uint64_t m = magnitude_of(raw);
    // Bring the value to units of 10^-decimals, rounding half away from zero.
    const std::int64_t shift = std::int64_t{pow10} + decimals;
    std::string digits;
    if (shift >= 0) {
        // Whole units: the digits followed by zeros, however many.
        digits = std::to_string(m);
        if (m != 0) {
            digits.append(static_cast<std::size_t>(shift), '0');
        }
    } else {
        // |raw| <= 2^63 < 10^19: past 19 places even the half is out of reach.
        constexpr std::int64_t kMaxDivisorDigits = std::numeric_limits<std::uint64_t>::digits10;
        if (-shift > kMaxDivisorDigits) {
            m = 0;
        } else {
            std::uint64_t div = 1;
            for (std::int64_t i = 0; i < -shift; ++i) {
                div *= 10;
            }
            const std::uint64_t rest = m % div;
            m /= div;
            if (rest >= div - rest) {
                ++m;
            }
        }
        digits = std::to_string(m);
    }
    std::string text = place_point(digits, decimals, format);
    return raw < 0 && m != 0 ? "-" + text : text;
}

std::string format_general(double value, const NumberFormat& format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    if (text == "-0") {
        text = "0";
    }
    const auto point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, format.decimal);
    }
    return text;
}

} // namespace motiview

#include "pages/number_text.h"

#include <cstdio>
#include <limits>

namespace motiview {
namespace {

// 10^36 < 2^128: the mantissa never holds more significant digits than this.
constexpr int kMaxDigits = 36;
// Integer parts beyond 10^30 are far outside every field; they only mark overflow.
constexpr int kMaxIntegerDigits = 30;

Uint128 pow10u(int n) {
    Uint128 p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

int digit_count(Uint128 v) {
    int n = 0;
    while (v != 0) {
        v /= 10;
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

    [[nodiscard]] ExactDecimal finish(bool negative, long exponent) const {
        ExactDecimal r;
        r.negative = negative;
        r.mantissa = mantissa_;
        r.sticky = sticky_;
        long exp10 = exponent + shift_ - fractionDigits_;
        if (r.mantissa == 0) {
            // Digits are only dropped once the mantissa holds some, so this is an exact zero.
            return ExactDecimal{};
        }
        if (exp10 >= 0) {
            if (digit_count(r.mantissa) + exp10 > kMaxIntegerDigits + 1) {
                r.overflow = true;
                r.mantissa = 0;
                return r;
            }
            r.mantissa *= pow10u(static_cast<int>(exp10));
            r.scale = 0;
            return r;
        }
        long scale = -exp10;
        while (scale > kMaxScale) {
            if (r.mantissa % 10 != 0) {
                r.sticky = true;
            }
            r.mantissa /= 10;
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
        if (significant_ < kMaxDigits) {
            mantissa_ = mantissa_ * 10 + static_cast<unsigned>(d);
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
    long fractionDigits_ = 0;
    long shift_ = 0;
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
bool read_exponent(std::string_view text, std::size_t& pos, long& exponent, bool skipBlanks) {
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
    long value = 0;
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

std::string digits_of(Uint128 v) {
    if (v == 0) {
        return "0";
    }
    std::string s;
    while (v != 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return s;
}

Uint128 magnitude_of(std::int64_t v) {
    return v < 0 ? static_cast<Uint128>(-(v + 1)) + 1 : static_cast<Uint128>(v);
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
    long exponent = 0;
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
    long exponent = 0;
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
            if (digit_count(r.mantissa) + rest - r.scale > kMaxIntegerDigits + 1) {
                r.overflow = true;
                r.mantissa = 0;
                return r;
            }
            r.mantissa *= pow10u(rest);
        }
    } else if (pow10 < 0) {
        r.scale += -pow10;
        while (r.scale > kMaxScale) {
            if (r.mantissa % 10 != 0) {
                r.sticky = true;
            }
            r.mantissa /= 10;
            --r.scale;
        }
    }
    if (offset != 0) {
        const Uint128 add = static_cast<Uint128>(offset < 0 ? -offset : offset) * pow10u(r.scale);
        const bool addNegative = offset < 0;
        if (r.mantissa == 0 && !r.sticky) {
            r.negative = addNegative;
            r.mantissa = add;
        } else if (r.negative == addNegative) {
            r.mantissa += add;
        } else if (r.mantissa >= add) {
            r.mantissa -= add;
            if (r.mantissa == 0 && !r.sticky) {
                r.negative = false;
            }
        } else {
            // The sign flips; a sticky tail now shortens the magnitude by less than one unit.
            r.mantissa = add - r.mantissa - (r.sticky ? 1 : 0);
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
    const Uint128 unit = pow10u(value.scale);
    Uint128 q = value.mantissa / unit;
    const Uint128 r = value.mantissa % unit;
    const bool fractionNonZero = r != 0 || value.sticky;
    // Compare the fraction with one half: -1 below, 0 exactly, 1 above.
    int half = -1;
    if (value.scale > 0) {
        const Uint128 twice = r * 2;
        if (twice > unit || (twice == unit && value.sticky)) {
            half = 1;
        } else if (twice == unit) {
            half = 0;
        }
    }
    bool up = false;
    switch (rounding) {
    case Rounding::Floor:
        up = value.negative && fractionNonZero;
        break;
    case Rounding::HalfEven:
        up = half > 0 || (half == 0 && q % 2 != 0);
        break;
    case Rounding::HalfAwayFromZero:
        up = half >= 0;
        break;
    }
    if (up) {
        ++q;
    }
    constexpr Uint128 kLimit = static_cast<Uint128>(std::numeric_limits<std::int32_t>::max());
    if (value.negative) {
        if (q > kLimit + 1) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(q));
    }
    if (q > kLimit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(q);
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
    const Uint128 scaled = magnitude_of(integer) * pow10u(value.scale);
    int magnitudeOrder = 0;
    if (value.mantissa > scaled || (value.mantissa == scaled && value.sticky)) {
        magnitudeOrder = 1;
    } else if (value.mantissa < scaled) {
        magnitudeOrder = -1;
    }
    return value.negative ? -magnitudeOrder : magnitudeOrder;
}

std::string format_scaled(std::int64_t raw, int pow10, const NumberFormat& format) {
    std::string digits = digits_of(magnitude_of(raw));
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
    Uint128 m = magnitude_of(raw);
    // Bring the value to units of 10^-decimals, rounding half away from zero.
    const int shift = pow10 + decimals;
    if (shift >= 0) {
        m *= pow10u(shift);
    } else {
        const Uint128 div = pow10u(-shift);
        const Uint128 rest = m % div;
        m /= div;
        if (rest * 2 >= div) {
            ++m;
        }
    }
    std::string text = place_point(digits_of(m), decimals, format);
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

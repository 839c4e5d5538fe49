#pragma once
// Byte-level vocabulary shared by every layer: the 32-byte unit and the only place where
// multi-byte values are put together or taken apart.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

inline constexpr std::size_t kUnitSize = 32;
inline constexpr std::uint8_t kEndByte = 0xDA;

// Every frame the controller sends, every write frame the tool sends.
using Unit = std::array<std::uint8_t, kUnitSize>;
using Bytes = std::vector<std::uint8_t>;
// A request of three bytes: group, code, DA (the status request ends otherwise).
using ShortFrame = std::array<std::uint8_t, 3>;

[[nodiscard]] constexpr std::uint16_t load_u16le(const Unit& u, std::size_t offset) {
    return static_cast<std::uint16_t>(u[offset] | (u[offset + 1] << 8));
}

constexpr void store_u16le(Unit& u, std::size_t offset, std::uint16_t value) {
    u[offset] = static_cast<std::uint8_t>(value & 0xFF);
    u[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Sign-magnitude: bit 15 is the sign, bits 0..14 the magnitude. A lone sign bit reads as 0.
[[nodiscard]] constexpr int load_sm16le(const Unit& u, std::size_t offset) {
    const std::uint16_t raw = load_u16le(u, offset);
    const int magnitude = raw & 0x7FFF;
    return (raw & 0x8000) != 0 ? -magnitude : magnitude;
}

// value must lie in -32767..32767.
[[nodiscard]] constexpr std::uint16_t to_sm16(int value) {
    return value < 0 ? static_cast<std::uint16_t>(0x8000 | (-value & 0x7FFF))
                     : static_cast<std::uint16_t>(value & 0x7FFF);
}

constexpr void store_sm16le(Unit& u, std::size_t offset, int value) {
    store_u16le(u, offset, to_sm16(value));
}

// How a value is carried: one byte, two bytes little-endian, or two bytes sign-magnitude.
enum class Width : std::uint8_t { None, U8, U16, SM16 };

// What each width occupies and can carry; the codecs clamp to these limits before storing.
struct WidthLimits {
    Width width;
    std::size_t bytes;
    std::int32_t min;
    std::int32_t max;
};

// In the order of Width. SM16 has no -32768: a lone sign bit reads as 0.
inline constexpr WidthLimits kWidthLimits[] = {
    {Width::None, 0, 0, 0},
    {Width::U8, 1, 0, 255},
    {Width::U16, 2, 0, 65535},
    {Width::SM16, 2, -32767, 32767},
};

[[nodiscard]] constexpr const WidthLimits& width_limits(Width w) {
    return kWidthLimits[static_cast<std::size_t>(w)];
}

[[nodiscard]] constexpr bool width_limits_in_order() {
    for (std::size_t i = 0; i < std::size(kWidthLimits); ++i) {
        if (static_cast<std::size_t>(kWidthLimits[i].width) != i) {
            return false;
        }
    }
    return std::size(kWidthLimits) == static_cast<std::size_t>(Width::SM16) + 1;
}
static_assert(width_limits_in_order());

[[nodiscard]] constexpr std::size_t width_bytes(Width w) {
    return width_limits(w).bytes;
}

[[nodiscard]] constexpr std::int32_t width_min(Width w) {
    return width_limits(w).min;
}

[[nodiscard]] constexpr std::int32_t width_max(Width w) {
    return width_limits(w).max;
}

// The value at `offset` as its width reads it (SM16 signed, the others unsigned).
[[nodiscard]] constexpr std::int32_t load_value(const Unit& u, std::size_t offset, Width w) {
    switch (w) {
    case Width::U8:
        return u[offset];
    case Width::U16:
        return load_u16le(u, offset);
    case Width::SM16:
        return load_sm16le(u, offset);
    case Width::None:
        break;
    }
    return 0;
}

// Stores a value inside the width's limits (width_min()..width_max()).
constexpr void store_value(Unit& u, std::size_t offset, Width w, std::int32_t value) {
    switch (w) {
    case Width::U8:
        u[offset] = static_cast<std::uint8_t>(value);
        break;
    case Width::U16:
        store_u16le(u, offset, static_cast<std::uint16_t>(value));
        break;
    case Width::SM16:
        store_sm16le(u, offset, value);
        break;
    case Width::None:
        break;
    }
}

// "F0 E0 DA": upper-case hex bytes separated by single spaces.
[[nodiscard]] std::string to_hex(std::span<const std::uint8_t> bytes);

// Hex bytes with optional blanks between them ("F0E0DA", "f0 e0 da"); nullopt on anything else.
[[nodiscard]] std::optional<Bytes> parse_hex(std::string_view text);

} // namespace motiview

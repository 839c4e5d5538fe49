#pragma once
// The serial line settings of the link and their "baud,parity,databits,stopbits" text form.

#include <optional>
#include <string_view>

namespace motiview {

// Serial line settings in the "9600,n,8,1" form.
enum class Parity : std::uint8_t { None, Even, Odd };
enum class StopBits : std::uint8_t { One, OneAndHalf, Two };

struct LineSettings {
    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
};

inline constexpr std::string_view kDefaultSettings = "9600,n,8,1";

// nullopt on anything that is not baud,parity(n/e/o),databits(7/8),stopbits(1/1.5/2).
[[nodiscard]] std::optional<LineSettings> parse_line_settings(std::string_view text);

} // namespace motiview

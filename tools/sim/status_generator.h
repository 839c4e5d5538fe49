#pragma once
// The controller's real-time status frame as a function of time: speed, DC current and a
// voltage sag follow a slow throttle cycle, temperatures drift; state, gear and fault words
// are as configured.

#include "link/bytes.h"

#include <cstdint>

namespace motiview::sim {

struct StatusConfig {
    std::uint16_t currentFaults = 0;
    std::uint16_t historyFaults = 0;
    std::uint8_t state = 3;
    std::uint8_t gear = 2;
};

// Frame offsets of the status payload.
namespace status_offset {
inline constexpr std::size_t kVdc = 2;        // U16, 0.01 V
inline constexpr std::size_t kIdc = 4;        // SM16, 0.01 A
inline constexpr std::size_t kSpeed = 6;      // SM16, rpm
inline constexpr std::size_t kPowerTemp = 8;  // U8, degrees + 10
inline constexpr std::size_t kFlags = 9;      // bits
inline constexpr std::size_t kHistory = 10;   // U16 fault word
inline constexpr std::size_t kMotorTemp = 12; // U8, 2 degrees
inline constexpr std::size_t kIqRef = 13;     // SM16, A
inline constexpr std::size_t kThrottle = 15;  // U16, 0.1 mV
inline constexpr std::size_t kInputs = 17;    // bits
inline constexpr std::size_t kState = 18;     // U8
inline constexpr std::size_t kCurrent = 19;   // U16 fault word
inline constexpr std::size_t kIqActual = 21;  // SM16, A
inline constexpr std::size_t kIdRef = 23;     // SM16, A
inline constexpr std::size_t kIdActual = 25;  // SM16, A
inline constexpr std::size_t kGear = 27;      // U8
inline constexpr std::size_t kPedalError = 28;
inline constexpr std::size_t kHallState = 29;
inline constexpr std::size_t kMode = 30;
} // namespace status_offset

// Seconds of one throttle cycle: up, hold, back down, rest.
inline constexpr double kThrottleCycle = 20.0;

// Throttle position 0..1 at a time.
[[nodiscard]] double throttle_at(double seconds);

[[nodiscard]] Unit status_frame(const StatusConfig& config, double seconds);

} // namespace motiview::sim

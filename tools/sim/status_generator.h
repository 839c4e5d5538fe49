#pragma once
// The controller's real-time status frame as a function of time: speed, DC current and a
// voltage sag follow a slow throttle cycle, temperatures drift; state, gear and fault words
// are as configured.

#include "base/bytes.h"

#include <cstdint>

namespace motiview::sim {

struct StatusConfig {
    std::uint16_t currentFaults = 0;
    std::uint16_t historyFaults = 0;
    std::uint8_t state = 3;
    std::uint8_t gear = 2;
};

// Seconds of one throttle cycle: up, hold, back down, rest.
inline constexpr double kThrottleCycle = 20.0;

// Throttle position 0..1 at a time.
[[nodiscard]] double throttle_at(double seconds);

[[nodiscard]] Unit status_frame(const StatusConfig& config, double seconds);

} // namespace motiview::sim

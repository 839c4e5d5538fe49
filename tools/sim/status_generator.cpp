#include "status_generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace motiview::sim {
namespace {

namespace off = status_offset;

constexpr std::uint8_t kGearPreForward = 1;
constexpr std::uint8_t kGearForward = 2;
constexpr std::uint8_t kGearPreBackward = 3;
constexpr std::uint8_t kGearBackward = 4;

constexpr double kMaxSpeed = 3200.0; // rpm at full throttle
constexpr double kNominalVdc = 72.0; // volts at rest
constexpr double kSagVdc = 5.5;      // volts lost at full current
constexpr double kMaxIdc = 48.0;     // amperes at full throttle
constexpr double kRegenIdc = -2.5;   // amperes fed back with the throttle released
constexpr double kMaxIq = 120.0;     // amperes of torque current reference

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}

std::uint8_t byte_of(double v) {
    return static_cast<std::uint8_t>(std::clamp(rounded(v), 0, 255));
}

bool forward(std::uint8_t gear) {
    return gear == kGearPreForward || gear == kGearForward;
}

bool backward(std::uint8_t gear) {
    return gear == kGearPreBackward || gear == kGearBackward;
}

} // namespace

double throttle_at(double seconds) {
    // 0-6 s up, 6-10 s full, 10-16 s down, 16-20 s released; smooth ramps.
    const double t = std::fmod(std::max(seconds, 0.0), kThrottleCycle);
    const auto ramp = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    if (t < 6.0) {
        return ramp(t / 6.0);
    }
    if (t < 10.0) {
        return 1.0;
    }
    if (t < 16.0) {
        return 1.0 - ramp((t - 10.0) / 6.0);
    }
    return 0.0;
}

Unit status_frame(const StatusConfig& config, double seconds) {
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[kUnitSize - 1] = kEndByte;

    const double thr = throttle_at(seconds);
    const bool moving = config.gear == kGearForward || config.gear == kGearBackward;
    const double drive = moving ? thr : 0.0;
    const double idc = drive > 0.02 ? kMaxIdc * drive : kRegenIdc * (moving ? 1.0 : 0.0);
    const double sign = config.gear == kGearBackward ? -1.0 : 1.0;
    const double speed = sign * kMaxSpeed * drive;
    const double vdc = kNominalVdc - kSagVdc * std::max(idc, 0.0) / kMaxIdc;
    // Slow drifts, periods of minutes.
    const double powerTemp = 38.0 + 6.0 * std::sin(seconds / 90.0) + 4.0 * drive;
    const double motorTemp = 46.0 + 8.0 * std::sin(seconds / 150.0 + 1.0) + 6.0 * drive;
    const double iqRef = kMaxIq * drive;
    const double iqActual = iqRef * 0.96;
    const double idRef = drive > 0.8 ? -40.0 * (drive - 0.8) / 0.2 : 0.0;
    const double idActual = idRef * 0.9;

    store_u16le(u, off::kVdc, static_cast<std::uint16_t>(rounded(vdc * 100.0)));
    store_sm16le(u, off::kIdc, rounded(idc * 100.0));
    store_sm16le(u, off::kSpeed, rounded(speed));
    u[off::kPowerTemp] = byte_of(powerTemp + 10.0);
    u[off::kMotorTemp] = byte_of(motorTemp / 2.0);
    store_sm16le(u, off::kIqRef, rounded(iqRef));
    store_u16le(u, off::kThrottle, static_cast<std::uint16_t>(rounded(8000.0 + 34000.0 * thr)));
    store_sm16le(u, off::kIqActual, rounded(iqActual));
    store_sm16le(u, off::kIdRef, rounded(idRef));
    store_sm16le(u, off::kIdActual, rounded(idActual));

    const bool braking = thr < 0.02;
    unsigned flags = 0x40; // hall group 1
    flags |= forward(config.gear) ? 0x01u : 0x00u;
    flags |= backward(config.gear) ? 0x02u : 0x00u;
    flags |= config.currentFaults != 0 ? 0x08u : 0x00u; // alarm
    flags |= braking ? 0x10u : 0x00u;
    flags |= thr > 0.98 ? 0x80u : 0x00u; // boost at full throttle
    u[off::kFlags] = static_cast<std::uint8_t>(flags);

    unsigned inputs = 0;
    inputs |= forward(config.gear) ? 0x01u : 0x00u;
    inputs |= backward(config.gear) ? 0x02u : 0x00u;
    inputs |= braking ? 0x10u : 0x00u;
    u[off::kInputs] = static_cast<std::uint8_t>(inputs);

    store_u16le(u, off::kHistory, config.historyFaults);
    store_u16le(u, off::kCurrent, config.currentFaults);
    u[off::kState] = config.state;
    u[off::kGear] = config.gear;
    u[off::kPedalError] = 0;
    // Hall state 1..6, stepping while the wheel turns.
    const double revs = kMaxSpeed * drive / 60.0 * seconds;
    u[off::kHallState] = static_cast<std::uint8_t>(1 + static_cast<long>(std::fabs(revs)) % 6);
    u[off::kMode] = 2;
    return u;
}

} // namespace motiview::sim

#include "status_generator.h"

#include "link/frames.h"
#include "monitor/status_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace motiview::sim {
namespace {

namespace flag = status_flag;
namespace input = status_input;
using enum StatusField;

constexpr auto kGearPreForward = static_cast<std::uint8_t>(GearCode::PreForward);
constexpr auto kGearForward = static_cast<std::uint8_t>(GearCode::Forward);
constexpr auto kGearPreBackward = static_cast<std::uint8_t>(GearCode::PreBackward);
constexpr auto kGearBackward = static_cast<std::uint8_t>(GearCode::Backward);

constexpr double kMaxSpeed = 3200.0; // rpm at full throttle
constexpr double kNominalVdc = 72.0; // volts at rest
constexpr double kSagVdc = 5.5;      // volts lost at full current
constexpr double kMaxIdc = 48.0;     // amperes at full throttle
constexpr double kRegenIdc = -2.5;   // amperes fed back with the throttle released
constexpr double kMaxIq = 120.0;     // amperes of torque current reference

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

    const double throttleVolts = 0.8 + 3.4 * thr;

    // Values as the panel shows them; the status rows turn them into stored numbers.
    StatusValues v;
    const auto show = [&v](StatusField f, double shown) { v.set(f, stored_for(f, shown)); };
    show(Vdc, vdc);
    show(Idc, idc);
    show(Speed, speed);
    show(PowerTemp, powerTemp);
    show(MotorTemp, motorTemp);
    show(IqRef, iqRef);
    show(Throttle, throttleVolts);
    show(IqActual, iqActual);
    show(IdRef, idRef);
    show(IdActual, idActual);

    const bool braking = thr < 0.02;
    unsigned flags = flag::kHallGroup1;
    flags |= forward(config.gear) ? flag::kForward : 0U;
    flags |= backward(config.gear) ? flag::kBackward : 0U;
    flags |= config.currentFaults != 0 ? flag::kAlarm : 0U;
    flags |= braking ? flag::kBrake : 0U;
    flags |= thr > 0.98 ? flag::kBoost : 0U; // at full throttle
    v.set(Flags, static_cast<std::int32_t>(flags));

    unsigned inputs = 0;
    inputs |= forward(config.gear) ? input::kForward : 0U;
    inputs |= backward(config.gear) ? input::kBackward : 0U;
    inputs |= braking ? input::kBrakeLow : 0U;
    v.set(Inputs, static_cast<std::int32_t>(inputs));

    v.set(HistoryFaults, config.historyFaults);
    v.set(CurrentFaults, config.currentFaults);
    v.set(State, config.state);
    v.set(Gear, config.gear);
    v.set(PedalError, 0);
    // Hall state 1..6, stepping while the wheel turns.
    const double revs = kMaxSpeed * drive / 60.0 * seconds;
    v.set(HallState, static_cast<std::int32_t>(1 + static_cast<long>(std::fabs(revs)) % 6));
    v.set(Mode, 2);

    Unit u = controller_frame(UnitKind::Status).value_or(Unit{});
    write_status(v, u);
    return u;
}

} // namespace motiview::sim

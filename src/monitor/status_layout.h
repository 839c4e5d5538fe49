#pragma once
// The controller's real-time status frame, byte by byte: one table read by the panels' decoder
// and written by the simulator, so both directions always agree on where a value lives.

#include "base/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace motiview {

enum class StatusField : std::uint8_t {
    Vdc,
    Idc,
    Speed,
    PowerTemp,
    Flags,
    HistoryFaults,
    MotorTemp,
    IqRef,
    Throttle,
    Inputs,
    State,
    CurrentFaults,
    IqActual,
    IdRef,
    IdActual,
    Gear,
    PedalError,
    HallState,
    Mode,
};
inline constexpr std::size_t kStatusFieldCount = 19;

struct StatusRow {
    std::uint8_t offset;
    Width width;
    StatusField field;
    std::string_view name; // stable name for logs and files
};

// clang-format off
inline constexpr std::array<StatusRow, kStatusFieldCount> kStatusLayout = {{
//   byte width  field                         name               stored as
    { 2, Width::U16,  StatusField::Vdc,           "vdc"},            // 0.01 V
    { 4, Width::SM16, StatusField::Idc,           "idc"},            // 0.01 A
    { 6, Width::SM16, StatusField::Speed,         "speed"},          // rpm
    { 8, Width::U8,   StatusField::PowerTemp,     "power_temp"},     // degrees + 10
    { 9, Width::U8,   StatusField::Flags,         "flags"},          // StatusFlag bits
    {10, Width::U16,  StatusField::HistoryFaults, "history_faults"}, // fault word
    {12, Width::U8,   StatusField::MotorTemp,     "motor_temp"},     // 2 degrees
    {13, Width::SM16, StatusField::IqRef,         "iq_ref"},         // A
    {15, Width::U16,  StatusField::Throttle,      "throttle"},       // 0.1 mV
    {17, Width::U8,   StatusField::Inputs,        "inputs"},         // StatusInput bits
    {18, Width::U8,   StatusField::State,         "state"},          // kStateNames
    {19, Width::U16,  StatusField::CurrentFaults, "current_faults"}, // fault word
    {21, Width::SM16, StatusField::IqActual,      "iq_act"},         // A
    {23, Width::SM16, StatusField::IdRef,         "id_ref"},         // A
    {25, Width::SM16, StatusField::IdActual,      "id_act"},         // A
    {27, Width::U8,   StatusField::Gear,          "gear"},           // kGearNames
    {28, Width::U8,   StatusField::PedalError,    "pedal_error"},
    {29, Width::U8,   StatusField::HallState,     "hall_state"},
    {30, Width::U8,   StatusField::Mode,          "mode"},
}};
// clang-format on

// Byte 9, the controller's state flags.
namespace status_flag {
inline constexpr std::uint8_t kForward = 0x01;
inline constexpr std::uint8_t kBackward = 0x02;
inline constexpr std::uint8_t kHallCheck = 0x04;
inline constexpr std::uint8_t kAlarm = 0x08;
inline constexpr std::uint8_t kBrake = 0x10;
inline constexpr std::uint8_t kEco = 0x20;
inline constexpr std::uint8_t kHallGroup1 = 0x40;
inline constexpr std::uint8_t kBoost = 0x80;
} // namespace status_flag

// Byte 17, the levels of the inputs.
namespace status_input {
inline constexpr std::uint8_t kForward = 0x01;
inline constexpr std::uint8_t kBackward = 0x02;
inline constexpr std::uint8_t kBrakeLow = 0x10;
inline constexpr std::uint8_t kBrakeHigh = 0x20;
inline constexpr std::uint8_t kBoost = 0x80;
} // namespace status_input

inline constexpr std::array<std::string_view, 7> kStateNames{"IDLE", "STARTUP", "PARASET", "RUN",
                                                             "STOP", "WAIT",    "FAULT"};
inline constexpr std::uint8_t kFaultState = 6;

inline constexpr std::array<std::string_view, 5> kGearNames{"NONE", "PRE F", "FORWARD", "PRE B",
                                                            "BACKWARD"};

// The faults of the current fault word by name. Hall answers to two bits; in this word bit 13
// is the thermistor short and bit 14 the thermistor open (the history word has them the other
// way round).
struct FaultName {
    std::string_view name;
    std::uint16_t mask;
};

inline constexpr std::array<FaultName, 10> kCurrentFaultNames = {{
    {"hall", 0x0402},
    {"over-voltage", 0x0004},
    {"under-voltage", 0x0008},
    {"over-heat", 0x0010},
    {"over-current", 0x0020},
    {"over-load", 0x0040},
    {"motor-lock", 0x0080},
    {"motor-over-heat", 0x1000},
    {"thermistor-short", 0x2000},
    {"thermistor-open", 0x4000},
}};

// The stored values of one frame, by field.
class StatusValues {
  public:
    [[nodiscard]] std::int32_t operator[](StatusField f) const {
        return v_[static_cast<std::size_t>(f)];
    }
    void set(StatusField f, std::int32_t value) { v_[static_cast<std::size_t>(f)] = value; }

  private:
    std::array<std::int32_t, kStatusFieldCount> v_{};
};

[[nodiscard]] StatusValues read_status(const Unit& frame);

// Writes the payload bytes (2..30); bytes 0, 1 and 31 stay as they are. Values are limited to
// what their width can carry.
void write_status(const StatusValues& values, Unit& frame);

} // namespace motiview

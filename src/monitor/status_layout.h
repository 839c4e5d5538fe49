#pragma once
// The controller's real-time status frame, byte by byte and value by value: where each value
// lives, how its stored number becomes what the panel shows, its name in recordings and on the
// command line, and the labels that show it. The decoder, the simulator (which runs the same
// rows backwards), the recorder, the plots, the panels and the command line all read these
// tables, so a value is described once.

#include "base/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// What a stored value is to a person.
enum class StatusShown : std::uint8_t {
    Number,    // (raw * factor + bias * 10^-pow10) * 10^pow10, `decimals` fixed or shortest
    StateName, // kStateNames
    GearName,  // kGearNames
    Flags,     // kStatusFlags
    Inputs,    // kStatusInputs
    FaultWord, // kFaults, by the current or the history word's bits
};

inline constexpr std::int8_t kShortest = -1; // no trailing zeros

struct StatusRow {
    std::uint8_t offset; // first byte in the frame
    Width width;
    StatusField field;
    std::string_view key; // recordings and the command line
    StatusShown shown;
    std::int8_t factor;   // Number: stored units per shown unit step, before pow10
    std::int8_t pow10;    // Number: shown = stored * factor * 10^pow10 + bias
    std::int8_t bias;     // Number: in shown units
    std::int8_t decimals; // Number: fixed decimals, or kShortest
    std::string_view unit;
    std::string_view label;   // the panel label that shows it; empty when cells show it
    std::string_view caption; // that label's caption on the panel
    std::string_view plot;    // plot and legend caption, with the unit; empty when not plotted
};

// clang-format off
inline constexpr std::array<StatusRow, kStatusFieldCount> kStatusLayout = {{
//  byte width        field                        key               shown                     fac pow bias dec          unit    label                      caption            plot
    { 2, Width::U16,  StatusField::Vdc,           "vdc_v",          StatusShown::Number,    1, -2,   0, 2,         "V",    "lblfrmSysStatusVdc_a",    "Vdc[V]",          "Vdc [V]"},
    { 4, Width::SM16, StatusField::Idc,           "idc_a",          StatusShown::Number,    1, -2,   0, kShortest, "A",    "lblfrmSysStatusIdc_a",    "Idc[A]",          "Idc [A]"},
    { 6, Width::SM16, StatusField::Speed,         "speed_rpm",      StatusShown::Number,    1,  0,   0, 0,         "rpm",  "lblfrmSysStatusRPM_a",    "Revolution[rpm]", "Speed [rpm]"},
    { 8, Width::U8,   StatusField::PowerTemp,     "power_temp_c",   StatusShown::Number,    1,  0, -10, 0,         "C",    "lblfrmSysStatustemp_a",   "Power T[Deg]",    "Power temp [Deg]"},
    { 9, Width::U8,   StatusField::Flags,         "flags",          StatusShown::Flags,     1,  0,   0, 0,         "",     "",                        "",                ""},
    {10, Width::U16,  StatusField::HistoryFaults, "history_faults", StatusShown::FaultWord, 1,  0,   0, 0,         "",     "",                        "",                ""},
    // the panel shows the motor temperature in the label named after the throttle
    {12, Width::U8,   StatusField::MotorTemp,     "motor_temp_c",   StatusShown::Number,    2,  0,   0, 0,         "C",    "lblfrmSysStatusVthrot_a", "Motor T[Deg]",    "Motor temp [Deg]"},
    {13, Width::SM16, StatusField::IqRef,         "iq_ref_a",       StatusShown::Number,    1,  0,   0, 0,         "A",    "lblfrmSysStatusTref_a",   "Iq ref[A]",       "Iq ref [A]"},
    {15, Width::U16,  StatusField::Throttle,      "throttle_v",     StatusShown::Number,    1, -4,   0, 3,         "V",    "lblfrmSysStatusHallP_a",  "Throttle vdc[V]", "Throttle [V]"},
    {17, Width::U8,   StatusField::Inputs,        "inputs",         StatusShown::Inputs,    1,  0,   0, 0,         "",     "lblPortStatus",           "",                ""},
    {18, Width::U8,   StatusField::State,         "state",          StatusShown::StateName, 1,  0,   0, 0,         "",     "lblfrmSysMach_a",         "STATE",           ""},
    {19, Width::U16,  StatusField::CurrentFaults, "current_faults", StatusShown::FaultWord, 1,  0,   0, 0,         "",     "",                        "",                ""},
    {21, Width::SM16, StatusField::IqActual,      "iq_act_a",       StatusShown::Number,    1,  0,   0, 0,         "A",    "lblfrmSysStatusTact_a",   "Iq actual[A]",    "Iq act [A]"},
    {23, Width::SM16, StatusField::IdRef,         "id_ref_a",       StatusShown::Number,    1,  0,   0, 0,         "A",    "lblIdref_a",              "Id ref[A]",       "Id ref [A]"},
    {25, Width::SM16, StatusField::IdActual,      "id_act_a",       StatusShown::Number,    1,  0,   0, 0,         "A",    "lblIdactual_a",           "Id actual[A]",    "Id act [A]"},
    {27, Width::U8,   StatusField::Gear,          "gear",           StatusShown::GearName,  1,  0,   0, 0,         "",     "lblgearStatus",           "Gear",            ""},
    {28, Width::U8,   StatusField::PedalError,    "pedal_error",    StatusShown::Number,    1,  0,   0, 0,         "",     "lblPedalErr",             "Pedal error code", ""},
    {29, Width::U8,   StatusField::HallState,     "hall_state",     StatusShown::Number,    1,  0,   0, 0,         "",     "lblHallSt_a",             "Hall",            ""},
    {30, Width::U8,   StatusField::Mode,          "mode",           StatusShown::Number,    1,  0,   0, 0,         "",     "lblMode_a",               "Mode",            ""},
}};
// clang-format on

[[nodiscard]] constexpr const StatusRow& status_row(StatusField f) {
    return kStatusLayout[static_cast<std::size_t>(f)];
}

// Byte 9, the controller's state flags, bit 0 upwards: the panel label that shows each, its
// texts when set and clear, and the command line's name and texts.
struct StatusFlagRow {
    std::uint8_t mask;
    std::string_view key;
    std::string_view label;
    std::string_view caption;
    std::string_view set;
    std::string_view clear;
    std::string_view keySet; // command line
    std::string_view keyClear;
};

// clang-format off
inline constexpr std::array<StatusFlagRow, 8> kStatusFlags = {{
    {0x01, "forward",    "lblfrmSysStatusEco_a",   "Forward",    "F", "Null", "Y", "N"},
    {0x02, "backward",   "lblfrmSysStatusDir_a",   "Backward",   "B", "Null", "Y", "N"},
    {0x04, "hall_calib", "lblfrmSysStatusHallC_a", "Hall calib", "Y", "N",    "Y", "N"},
    {0x08, "alarm",      "lblfrmSysStatusAlarm_a", "Alarm",      "Y", "N",    "Y", "N"},
    {0x10, "brake",      "lblfrmSysStatusBrake_a", "Brake",      "Y", "N",    "Y", "N"},
    {0x20, "eco",        "lblECO_a",               "ECO status", "Y", "N",    "Y", "N"},
    {0x40, "hall_group", "lblHallGroup",           "Hall G",     "1", "2",    "1", "2"},
    {0x80, "boost",      "lblfrmSysStatusBoost_a", "Boost",      "Y", "N",    "Y", "N"},
}};
// clang-format on

namespace status_flag {
inline constexpr std::uint8_t kForward = kStatusFlags[0].mask;
inline constexpr std::uint8_t kBackward = kStatusFlags[1].mask;
inline constexpr std::uint8_t kHallCheck = kStatusFlags[2].mask;
inline constexpr std::uint8_t kAlarm = kStatusFlags[3].mask;
inline constexpr std::uint8_t kBrake = kStatusFlags[4].mask;
inline constexpr std::uint8_t kEco = kStatusFlags[5].mask;
inline constexpr std::uint8_t kHallGroup1 = kStatusFlags[6].mask;
inline constexpr std::uint8_t kBoost = kStatusFlags[7].mask;
} // namespace status_flag

// Byte 17, the levels of the inputs, in the order the input block lists them.
struct StatusInputRow {
    std::uint8_t mask;
    std::string_view key;
    std::string_view line; // its line in the input block, before the level
};

inline constexpr std::array<StatusInputRow, 5> kStatusInputs = {{
    {0x01, "forward", "Input Forward: "},
    {0x02, "backward", "Input Backward: "},
    {0x10, "brake_low", "Input BrakeL: "},
    {0x20, "brake_high", "Input BrakeH: "},
    {0x80, "boost", "Input Boost : "},
}};

namespace status_input {
inline constexpr std::uint8_t kForward = kStatusInputs[0].mask;
inline constexpr std::uint8_t kBackward = kStatusInputs[1].mask;
inline constexpr std::uint8_t kBrakeLow = kStatusInputs[2].mask;
inline constexpr std::uint8_t kBrakeHigh = kStatusInputs[3].mask;
inline constexpr std::uint8_t kBoost = kStatusInputs[4].mask;
} // namespace status_input

inline constexpr std::array<std::string_view, 7> kStateNames{"IDLE", "STARTUP", "PARASET", "RUN",
                                                             "STOP", "WAIT",    "FAULT"};
inline constexpr std::uint8_t kFaultState = 6;

enum class GearCode : std::uint8_t { None, PreForward, Forward, PreBackward, Backward };
inline constexpr std::array<std::string_view, 5> kGearNames{"NONE", "PRE F", "FORWARD", "PRE B",
                                                            "BACKWARD"};

// The faults, one row each, in the order the words are read. Hall answers to two bits. The
// thermistor bits 13 and 14 mean "short" and "open" in the current word but "open" and
// "short" in the history word, so those two rows differ in their history bit.
struct FaultRow {
    std::uint16_t current;     // the row's bits in the current fault word
    std::uint16_t history;     // and in the history word
    std::string_view name;     // recordings, plots' markers, the command line
    std::string_view cells;    // the panel's row: its name label; cells add "C", "H", "D"
    std::string_view caption;  // the row's name on the panel
    std::string_view describe; // the description shown while the fault is current
    std::uint8_t panelRow;     // its row on the panel, from the top
};

// clang-format off
inline constexpr std::array<FaultRow, 10> kFaults = {{
    {0x0402, 0x0402, "hall",             "lblfrmErrHall",    "Hall",       "Hall sensor is error",          0},
    {0x0004, 0x0004, "over-voltage",     "lblfrmErrOV",      "Over vdc",   "Battery voltage is too high",   2},
    {0x0008, 0x0008, "under-voltage",    "lblfrmErrUV",      "Under vdc",  "Battery voltage is too low",    1},
    {0x0010, 0x0010, "over-heat",        "lblfrmErrOH",      "Over heat",  "The controller is over heat",   3},
    {0x0020, 0x0020, "over-current",     "lblfrmErrOIac",    "Over iac",   "The controller is over current", 4},
    {0x0040, 0x0040, "over-load",        "lblfrmErrDQtime",  "Over load",  "Heavy load run time out",       5},
    {0x0080, 0x0080, "motor-lock",       "lblfrmErrLockM",   "Motor lock", "Motor lock time out",           6},
    {0x1000, 0x1000, "motor-over-heat",  "lblfrmErrMOH",     "Motor OH",   "The motor is over heat",        7},
    {0x2000, 0x4000, "thermistor-short", "lblfrmErrMSShort", "MS short",   "The motor thermistor is short", 9},
    {0x4000, 0x2000, "thermistor-open",  "lblfrmErrMSOpen",  "MS open",    "The motor thermistor is open",  8},
}};
// clang-format on

enum class FaultWord : std::uint8_t { Current, History };

[[nodiscard]] constexpr std::uint16_t fault_bits(const FaultRow& row, FaultWord word) {
    return word == FaultWord::Current ? row.current : row.history;
}

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

// A Number row's shown value as an integer count of 10^pow10 (the panel's digits before the
// decimal point is placed): stored * factor + bias * 10^-pow10.
[[nodiscard]] std::int64_t shown_units(const StatusRow& row, std::int32_t stored);

// The row run backwards, for a value the simulator wants to show: the stored number nearest
// to it (not yet limited to the width).
[[nodiscard]] std::int32_t stored_for(StatusField f, double shown);

} // namespace motiview

#include "monitor/status_frame.h"

#include <array>
#include <cstddef>
#include <utility>

namespace motiview {
namespace {

// Payload positions in the status frame.
constexpr std::size_t kVdc = 2;
constexpr std::size_t kIdc = 4;
constexpr std::size_t kSpeed = 6;
constexpr std::size_t kPowerTemp = 8;
constexpr std::size_t kFlags = 9;
constexpr std::size_t kHistoryWord = 10;
constexpr std::size_t kMotorTemp = 12;
constexpr std::size_t kIqRef = 13;
constexpr std::size_t kThrottle = 15;
constexpr std::size_t kInputs = 17;
constexpr std::size_t kState = 18;
constexpr std::size_t kCurrentWord = 19;
constexpr std::size_t kIqActual = 21;
constexpr std::size_t kIdRef = 23;
constexpr std::size_t kIdActual = 25;
constexpr std::size_t kGear = 27;
constexpr std::size_t kPedalError = 28;
constexpr std::size_t kHallState = 29;
constexpr std::size_t kMode = 30;

constexpr std::uint8_t kFaultState = 6;

struct FlagRow {
    std::uint8_t mask;
    std::string_view label;
    std::string_view set;
    std::string_view clear;
};

// Byte 9, bit 0 upwards.
constexpr std::array<FlagRow, 8> kFlagRows{{
    {0x01, "lblfrmSysStatusEco_a", "F", "Null"},
    {0x02, "lblfrmSysStatusDir_a", "B", "Null"},
    {0x04, "lblfrmSysStatusHallC_a", "Y", "N"},
    {0x08, "lblfrmSysStatusAlarm_a", "Y", "N"},
    {0x10, "lblfrmSysStatusBrake_a", "Y", "N"},
    {0x20, "lblECO_a", "Y", "N"},
    {0x40, "lblHallGroup", "1", "2"},
    {0x80, "lblfrmSysStatusBoost_a", "Y", "N"},
}};

constexpr std::array<std::string_view, 7> kStateNames{"IDLE", "STARTUP", "PARASET", "RUN",
                                                      "STOP", "WAIT",    "FAULT"};

constexpr std::array<std::string_view, 5> kGearNames{"NONE", "PRE F", "FORWARD", "PRE B",
                                                     "BACKWARD"};

struct FaultRow {
    std::uint16_t mask;
    std::string_view history;     // cell driven by the history word
    std::string_view current;     // cell driven by the current word
    std::string_view description; // shown while the current word has the row set
};

// The hall row answers to two bits. The thermistor bits 13 and 14 mean "open" and "short" in
// the history word but "short" and "open" in the current word, so those rows cross over.
constexpr std::array<FaultRow, 10> kFaultRows{{
    {0x0402, "lblfrmErrHallH", "lblfrmErrHallC", "lblfrmErrHallD"},
    {0x0004, "lblfrmErrOVH", "lblfrmErrOVC", "lblfrmErrOVD"},
    {0x0008, "lblfrmErrUVH", "lblfrmErrUVC", "lblfrmErrUVD"},
    {0x0010, "lblfrmErrOHH", "lblfrmErrOHC", "lblfrmErrOHD"},
    {0x0020, "lblfrmErrOIacH", "lblfrmErrOIacC", "lblfrmErrOIacD"},
    {0x0040, "lblfrmErrDQtimeH", "lblfrmErrDQtimeC", "lblfrmErrDQtimeD"},
    {0x0080, "lblfrmErrLockMH", "lblfrmErrLockMC", "lblfrmErrLockMD"},
    {0x1000, "lblfrmErrMOHH", "lblfrmErrMOHC", "lblfrmErrMOHD"},
    {0x2000, "lblfrmErrMSOpenH", "lblfrmErrMSShortC", "lblfrmErrMSShortD"},
    {0x4000, "lblfrmErrMSShortH", "lblfrmErrMSOpenC", "lblfrmErrMSOpenD"},
}};

std::string_view level(std::uint8_t bits, std::uint8_t mask) {
    return (bits & mask) != 0 ? "H" : "L";
}

std::string state_text(std::uint8_t code) {
    if (code < kStateNames.size()) {
        return std::string(kStateNames[code]);
    }
    // No name for this code: its number tells the technician what the controller sent.
    return std::to_string(code);
}

std::string gear_text(std::uint8_t code) {
    return code < kGearNames.size() ? std::string(kGearNames[code]) : std::string();
}

class ViewBuilder {
  public:
    void text(std::string_view label, std::string value, TextColor color = TextColor::Unchanged) {
        view_.labels.push_back(LabelUpdate{label, std::move(value), color});
    }
    void text(std::string_view label, int value) { text(label, std::to_string(value)); }
    void cell(std::string_view label, bool faulty) {
        text(label, faulty ? "NG" : "OK", faulty ? TextColor::Red : TextColor::Green);
    }
    void visible(std::string_view label, bool shown) {
        view_.visibility.push_back(VisibilityUpdate{label, shown});
    }
    [[nodiscard]] StatusView take() { return std::move(view_); }

  private:
    StatusView view_;
};

} // namespace

std::string input_status_text(std::uint8_t inputBits) {
    std::string t;
    t += " \r\n";
    t += "  I/O STATUS:\r\n";
    t += "  --  Input Forward: ";
    t += level(inputBits, 0x01);
    t += "\r\n  --  Input Backward: ";
    t += level(inputBits, 0x02);
    t += "\r\n  --  Input BrakeL: ";
    t += level(inputBits, 0x10);
    t += "\r\n  --  Input BrakeH: ";
    t += level(inputBits, 0x20);
    t += "\r\n  --  Input Boost : ";
    t += level(inputBits, 0x80);
    return t;
}

std::string input_status_all_high() {
    return input_status_text(0xFF);
}

StatusView decode_status(const Unit& frame, const NumberFormat& format) {
    ViewBuilder v;

    v.text("lblfrmSysStatusVdc_a", format_fixed(load_u16le(frame, kVdc), -2, 2, format));
    // raw / 100 already has two decimals at most, so the shortest text is the rounded value.
    v.text("lblfrmSysStatusIdc_a", format_scaled(load_sm16le(frame, kIdc), -2, format));
    v.text("lblgearStatus", gear_text(frame[kGear]));
    v.text("lblfrmSysStatusRPM_a", load_sm16le(frame, kSpeed));
    v.text("lblfrmSysStatustemp_a", frame[kPowerTemp] - 10);

    const std::uint8_t flags = frame[kFlags];
    for (const FlagRow& row : kFlagRows) {
        v.text(row.label, std::string((flags & row.mask) != 0 ? row.set : row.clear));
    }

    v.text("lblfrmSysStatusVthrot_a", frame[kMotorTemp] * 2);
    v.text("lblfrmSysStatusTref_a", load_sm16le(frame, kIqRef));
    v.text("lblfrmSysStatusTact_a", load_sm16le(frame, kIqActual));
    v.text("lblIdref_a", load_sm16le(frame, kIdRef));
    v.text("lblIdactual_a", load_sm16le(frame, kIdActual));
    v.text("lblPedalErr", frame[kPedalError]);
    v.text("lblHallSt_a", frame[kHallState]);
    v.text("lblMode_a", frame[kMode]);
    v.text("lblfrmSysStatusHallP_a", format_fixed(load_u16le(frame, kThrottle), -4, 3, format));

    const std::uint8_t state = frame[kState];
    v.text("lblfrmSysMach_a", state_text(state),
           state == kFaultState ? TextColor::Red : TextColor::Green);

    v.text("lblPortStatus", input_status_text(frame[kInputs]));

    const std::uint16_t history = load_u16le(frame, kHistoryWord);
    for (const FaultRow& row : kFaultRows) {
        v.cell(row.history, (history & row.mask) != 0);
    }
    const std::uint16_t current = load_u16le(frame, kCurrentWord);
    for (const FaultRow& row : kFaultRows) {
        v.cell(row.current, (current & row.mask) != 0);
    }

    v.visible("lblErrTitle", current != 0);
    for (const FaultRow& row : kFaultRows) {
        v.visible(row.description, (current & row.mask) != 0);
    }
    return v.take();
}

} // namespace motiview

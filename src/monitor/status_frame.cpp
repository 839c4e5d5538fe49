#include "monitor/status_frame.h"

#include "monitor/status_layout.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <utility>

namespace motiview {
namespace {

namespace flag = status_flag;
namespace input = status_input;
using enum StatusField;

struct FlagRow {
    std::uint8_t mask;
    std::string_view label;
    std::string_view set;
    std::string_view clear;
};

// Byte 9, bit 0 upwards.
constexpr std::array<FlagRow, 8> kFlagRows{{
    {flag::kForward, "lblfrmSysStatusEco_a", "F", "Null"},
    {flag::kBackward, "lblfrmSysStatusDir_a", "B", "Null"},
    {flag::kHallCheck, "lblfrmSysStatusHallC_a", "Y", "N"},
    {flag::kAlarm, "lblfrmSysStatusAlarm_a", "Y", "N"},
    {flag::kBrake, "lblfrmSysStatusBrake_a", "Y", "N"},
    {flag::kEco, "lblECO_a", "Y", "N"},
    {flag::kHallGroup1, "lblHallGroup", "1", "2"},
    {flag::kBoost, "lblfrmSysStatusBoost_a", "Y", "N"},
}};

struct FaultRow {
    std::uint16_t mask;
    std::string_view history;     // cell driven by the history word
    std::string_view current;     // cell driven by the current word
    std::string_view description; // shown while the current word has the row set
};

// The hall row answers to two bits. The thermistor bits 13 and 14 mean "open" and "short" in
// the history word but "short" and "open" in the current word, so those rows cross over.
constexpr std::array<FaultRow, 10> kFaultRows{{
    {kCurrentFaultNames[0].mask, "lblfrmErrHallH", "lblfrmErrHallC", "lblfrmErrHallD"},
    {kCurrentFaultNames[1].mask, "lblfrmErrOVH", "lblfrmErrOVC", "lblfrmErrOVD"},
    {kCurrentFaultNames[2].mask, "lblfrmErrUVH", "lblfrmErrUVC", "lblfrmErrUVD"},
    {kCurrentFaultNames[3].mask, "lblfrmErrOHH", "lblfrmErrOHC", "lblfrmErrOHD"},
    {kCurrentFaultNames[4].mask, "lblfrmErrOIacH", "lblfrmErrOIacC", "lblfrmErrOIacD"},
    {kCurrentFaultNames[5].mask, "lblfrmErrDQtimeH", "lblfrmErrDQtimeC", "lblfrmErrDQtimeD"},
    {kCurrentFaultNames[6].mask, "lblfrmErrLockMH", "lblfrmErrLockMC", "lblfrmErrLockMD"},
    {kCurrentFaultNames[7].mask, "lblfrmErrMOHH", "lblfrmErrMOHC", "lblfrmErrMOHD"},
    {kCurrentFaultNames[8].mask, "lblfrmErrMSOpenH", "lblfrmErrMSShortC", "lblfrmErrMSShortD"},
    {kCurrentFaultNames[9].mask, "lblfrmErrMSShortH", "lblfrmErrMSOpenC", "lblfrmErrMSOpenD"},
}};

std::string_view level(std::uint8_t bits, std::uint8_t mask) {
    return (bits & mask) != 0 ? "H" : "L";
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

std::string state_name(std::uint8_t code) {
    if (code < kStateNames.size()) {
        return std::string(kStateNames[code]);
    }
    // No name for this code: its number tells the technician what the controller sent.
    return std::to_string(code);
}

std::string input_status_text(std::uint8_t inputBits) {
    std::string t;
    t += " \r\n";
    t += "  I/O STATUS:\r\n";
    t += "  --  Input Forward: ";
    t += level(inputBits, input::kForward);
    t += "\r\n  --  Input Backward: ";
    t += level(inputBits, input::kBackward);
    t += "\r\n  --  Input BrakeL: ";
    t += level(inputBits, input::kBrakeLow);
    t += "\r\n  --  Input BrakeH: ";
    t += level(inputBits, input::kBrakeHigh);
    t += "\r\n  --  Input Boost : ";
    t += level(inputBits, input::kBoost);
    return t;
}

std::string input_status_all_high() {
    return input_status_text(0xFF);
}

StatusView decode_status(const Unit& frame, const NumberFormat& format) {
    const StatusValues s = read_status(frame);
    const auto byte = [&s](StatusField f) { return static_cast<std::uint8_t>(s[f]); };
    ViewBuilder v;

    v.text("lblfrmSysStatusVdc_a", format_fixed(s[Vdc], -2, 2, format));
    // raw / 100 already has two decimals at most, so the shortest text is the rounded value.
    v.text("lblfrmSysStatusIdc_a", format_scaled(s[Idc], -2, format));
    v.text("lblgearStatus", gear_text(byte(Gear)));
    v.text("lblfrmSysStatusRPM_a", s[Speed]);
    v.text("lblfrmSysStatustemp_a", s[PowerTemp] - 10);

    const std::uint8_t flags = byte(Flags);
    for (const FlagRow& row : kFlagRows) {
        v.text(row.label, std::string((flags & row.mask) != 0 ? row.set : row.clear));
    }

    v.text("lblfrmSysStatusVthrot_a", s[MotorTemp] * 2);
    v.text("lblfrmSysStatusTref_a", s[IqRef]);
    v.text("lblfrmSysStatusTact_a", s[IqActual]);
    v.text("lblIdref_a", s[IdRef]);
    v.text("lblIdactual_a", s[IdActual]);
    v.text("lblPedalErr", s[PedalError]);
    v.text("lblHallSt_a", s[HallState]);
    v.text("lblMode_a", s[Mode]);
    v.text("lblfrmSysStatusHallP_a", format_fixed(s[Throttle], -4, 3, format));

    const std::uint8_t state = byte(State);
    v.text("lblfrmSysMach_a", state_name(state),
           state == kFaultState ? TextColor::Red : TextColor::Green);

    v.text("lblPortStatus", input_status_text(byte(Inputs)));

    const auto history = static_cast<std::uint16_t>(s[HistoryFaults]);
    for (const FaultRow& row : kFaultRows) {
        v.cell(row.history, (history & row.mask) != 0);
    }
    const auto current = static_cast<std::uint16_t>(s[CurrentFaults]);
    for (const FaultRow& row : kFaultRows) {
        v.cell(row.current, (current & row.mask) != 0);
    }

    v.visible("lblErrTitle", current != 0);
    for (const FaultRow& row : kFaultRows) {
        v.visible(row.description, (current & row.mask) != 0);
    }
    return v.take();
}

namespace {

static_assert(
    [] {
        for (std::size_t i = 0; i < kPanelChannels.size(); ++i) {
            if (static_cast<std::size_t>(kPanelChannels[i].channel) != i) {
                return false;
            }
        }
        return true;
    }(),
    "panel channels in enum order");

// Panel texts use "." and no grouping when decoded for values.
const NumberFormat kValueFormat{".", ""};

double number_of(std::string_view text) {
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    (void)end;
    return ec == std::errc{} ? v : 0.0;
}

} // namespace

PanelValues panel_values(const StatusView& view) {
    PanelValues values{};
    for (const LabelUpdate& l : view.labels) {
        for (const PanelChannelInfo& c : kPanelChannels) {
            if (c.label == l.label) {
                values[static_cast<std::size_t>(c.channel)] = number_of(l.text);
            }
        }
    }
    return values;
}

PanelValues panel_values(const Unit& frame) {
    return panel_values(decode_status(frame, kValueFormat));
}

} // namespace motiview

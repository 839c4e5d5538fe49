#pragma once
// The real-time status frame as what the panels show: every label's text and colour and the
// visibility of the fault descriptions. The window applies it by label name.

#include "base/bytes.h"
#include "base/number_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

enum class TextColor : std::uint8_t { Unchanged, Green, Red };

struct LabelUpdate {
    std::string_view label; // control name, e.g. "lblfrmSysStatusVdc_a"
    std::string text;
    TextColor color = TextColor::Unchanged;
};

struct VisibilityUpdate {
    std::string_view label;
    bool visible = false;
};

struct StatusView {
    std::vector<LabelUpdate> labels;          // in decoding order
    std::vector<VisibilityUpdate> visibility; // lblErrTitle and the ten descriptions
};

[[nodiscard]] StatusView decode_status(const Unit& frame, const NumberFormat& format);

// The numbers of the status panel, in the order a recording lists them.
enum class PanelChannel : std::uint8_t {
    Vdc,
    Idc,
    Speed,
    MotorTemp,
    PowerTemp,
    IqRef,
    IqActual,
    IdRef,
    IdActual,
    Throttle,
};
inline constexpr std::size_t kPanelChannelCount = 10;

struct PanelChannelInfo {
    PanelChannel channel;
    std::string_view label;   // the label that shows the value
    std::string_view column;  // its column in a recording
    std::string_view caption; // for plots and legends, with the unit
};

// clang-format off
inline constexpr std::array<PanelChannelInfo, kPanelChannelCount> kPanelChannels = {{
    {PanelChannel::Vdc,       "lblfrmSysStatusVdc_a",    "vdc_v",        "Vdc [V]"},
    {PanelChannel::Idc,       "lblfrmSysStatusIdc_a",    "idc_a",        "Idc [A]"},
    {PanelChannel::Speed,     "lblfrmSysStatusRPM_a",    "speed_rpm",    "Speed [rpm]"},
    // the panel shows the motor temperature in the label named after the throttle
    {PanelChannel::MotorTemp, "lblfrmSysStatusVthrot_a", "motor_temp_c", "Motor temp [Deg]"},
    {PanelChannel::PowerTemp, "lblfrmSysStatustemp_a",   "power_temp_c", "Power temp [Deg]"},
    {PanelChannel::IqRef,     "lblfrmSysStatusTref_a",   "iq_ref_a",     "Iq ref [A]"},
    {PanelChannel::IqActual,  "lblfrmSysStatusTact_a",   "iq_act_a",     "Iq act [A]"},
    {PanelChannel::IdRef,     "lblIdref_a",              "id_ref_a",     "Id ref [A]"},
    {PanelChannel::IdActual,  "lblIdactual_a",           "id_act_a",     "Id act [A]"},
    {PanelChannel::Throttle,  "lblfrmSysStatusHallP_a",  "throttle_v",   "Throttle [V]"},
}};
// clang-format on

[[nodiscard]] constexpr const PanelChannelInfo& panel_channel(PanelChannel c) {
    return kPanelChannels[static_cast<std::size_t>(c)];
}

// The panel's numbers at the panel's precision, read back from the texts it shows, so a plot
// never disagrees with the panel beside it.
using PanelValues = std::array<double, kPanelChannelCount>;
[[nodiscard]] PanelValues panel_values(const StatusView& view);
[[nodiscard]] PanelValues panel_values(const Unit& frame);

// The machine state as the panel names it ("RUN"), or its number when it has no name.
[[nodiscard]] std::string state_name(std::uint8_t code);

// The seven-line input-status block, lines joined with CR LF; levels "H"/"L".
[[nodiscard]] std::string input_status_text(std::uint8_t inputBits);

// The block the caption routine writes: every level "H".
[[nodiscard]] std::string input_status_all_high();

} // namespace motiview

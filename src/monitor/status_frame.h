#pragma once
// The real-time status frame as what the panels show: every label's text and colour and the
// visibility of the fault descriptions. The window applies it by label name.

#include "base/bytes.h"
#include "base/number_text.h"
#include "monitor/status_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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
    StatusField field;
    std::string_view label;   // the label that shows the value
    std::string_view column;  // its column in a recording
    std::string_view caption; // for plots and legends, with the unit
};

[[nodiscard]] constexpr PanelChannelInfo channel_info(PanelChannel c, StatusField f) {
    const StatusRow& r = status_row(f);
    return {c, f, r.label, r.key, r.plot};
}

inline constexpr std::array<PanelChannelInfo, kPanelChannelCount> kPanelChannels = {
    channel_info(PanelChannel::Vdc, StatusField::Vdc),
    channel_info(PanelChannel::Idc, StatusField::Idc),
    channel_info(PanelChannel::Speed, StatusField::Speed),
    channel_info(PanelChannel::MotorTemp, StatusField::MotorTemp),
    channel_info(PanelChannel::PowerTemp, StatusField::PowerTemp),
    channel_info(PanelChannel::IqRef, StatusField::IqRef),
    channel_info(PanelChannel::IqActual, StatusField::IqActual),
    channel_info(PanelChannel::IdRef, StatusField::IdRef),
    channel_info(PanelChannel::IdActual, StatusField::IdActual),
    channel_info(PanelChannel::Throttle, StatusField::Throttle),
};

[[nodiscard]] constexpr const PanelChannelInfo& panel_channel(PanelChannel c) {
    return kPanelChannels[static_cast<std::size_t>(c)];
}

// The names of a fault row's three panel labels: the current and history cells and the
// description.
struct FaultLabels {
    std::string current;
    std::string history;
    std::string description;
};
[[nodiscard]] const std::array<FaultLabels, kFaults.size()>& fault_labels();

// A value as the panel shows it: a number at the panel's precision, a state or gear name, the
// flag texts "forward=Y ...", the input levels "forward=H ...", or the fault names joined by
// ", " ("none" when clear).
[[nodiscard]] std::string status_text(StatusField f, const StatusValues& values,
                                      const NumberFormat& format);

// Every value of a frame in the order a person reads them (and a recording lists them): the
// panel's numbers, the named values, the flags, the inputs, the fault words.
inline constexpr std::array<StatusField, kStatusFieldCount> kReadingOrder{
    StatusField::Vdc,           StatusField::Idc,       StatusField::Speed,
    StatusField::MotorTemp,     StatusField::PowerTemp, StatusField::IqRef,
    StatusField::IqActual,      StatusField::IdRef,     StatusField::IdActual,
    StatusField::Throttle,      StatusField::State,     StatusField::Gear,
    StatusField::HallState,     StatusField::Mode,      StatusField::PedalError,
    StatusField::Flags,         StatusField::Inputs,    StatusField::CurrentFaults,
    StatusField::HistoryFaults,
};

// Named bits as (name, text): byte 9's flags ("forward", "Y"), byte 17's levels ("forward",
// "H"), in table order.
using NamedBits = std::vector<std::pair<std::string_view, std::string_view>>;
[[nodiscard]] NamedBits flag_texts(std::uint8_t flags);
[[nodiscard]] NamedBits input_levels(std::uint8_t inputs);

// The active faults of a word by name, in table order.
[[nodiscard]] std::vector<std::string_view> fault_name_list(std::uint16_t word, FaultWord which);

// The active faults of a word by name, joined by `separator`.
[[nodiscard]] std::string fault_names(std::uint16_t word, FaultWord which,
                                      std::string_view separator);

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

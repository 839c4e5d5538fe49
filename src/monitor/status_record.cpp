#include "monitor/status_record.h"

#include "monitor/status_frame.h"
#include "monitor/status_layout.h"

#include <array>
#include <cstdio>

namespace motiview {
namespace {

using enum StatusField;

const NumberFormat kDot{".", ""};

std::string label_text(const StatusView& view, std::string_view label) {
    for (const LabelUpdate& l : view.labels) {
        if (l.label == label) {
            return l.text;
        }
    }
    return {};
}

std::string hex(std::int32_t v, int digits) {
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "0x%0*X", digits, static_cast<unsigned>(v));
    return buf.data();
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
std::string csv(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

std::string seconds(long long ms) {
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%lld.%03lld", ms / 1000, ms % 1000);
    return buf.data();
}

} // namespace

std::string fault_names(std::uint16_t currentFaults, std::string_view separator) {
    std::string names;
    for (const FaultName& f : kCurrentFaultNames) {
        if ((currentFaults & f.mask) != 0) {
            names += names.empty() ? "" : std::string(separator);
            names += f.name;
        }
    }
    return names;
}

std::string record_row(const Unit& frame, std::string_view time, long long elapsedMs) {
    const StatusView view = decode_status(frame, kDot);
    const StatusValues s = read_status(frame);
    const std::string gear = label_text(view, "lblgearStatus");
    const std::string columns[] = {
        csv(time),
        seconds(elapsedMs),
        label_text(view, "lblfrmSysStatusVdc_a"),
        label_text(view, "lblfrmSysStatusIdc_a"),
        label_text(view, "lblfrmSysStatusRPM_a"),
        label_text(view, "lblfrmSysStatusVthrot_a"), // the panel shows the motor temperature here
        label_text(view, "lblfrmSysStatustemp_a"),
        label_text(view, "lblfrmSysStatusTref_a"),
        label_text(view, "lblfrmSysStatusTact_a"),
        label_text(view, "lblIdref_a"),
        label_text(view, "lblIdactual_a"),
        label_text(view, "lblfrmSysStatusHallP_a"),
        csv(label_text(view, "lblfrmSysMach_a")),
        gear.empty() ? std::to_string(s[Gear]) : csv(gear),
        std::to_string(s[HallState]),
        std::to_string(s[Mode]),
        std::to_string(s[PedalError]),
        hex(s[Flags], 2),
        hex(s[Inputs], 2),
        hex(s[CurrentFaults], 4),
        hex(s[HistoryFaults], 4),
        csv(fault_names(static_cast<std::uint16_t>(s[CurrentFaults]), ";")),
    };
    std::string row = columns[0];
    for (std::size_t i = 1; i < std::size(columns); ++i) {
        row += ',';
        row += columns[i];
    }
    return row;
}

} // namespace motiview

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
    std::string row = csv(time);
    const auto add = [&row](const std::string& text) {
        row += ',';
        row += text;
    };
    add(seconds(elapsedMs));
    for (const PanelChannelInfo& c : kPanelChannels) {
        add(label_text(view, c.label));
    }
    add(csv(label_text(view, "lblfrmSysMach_a")));
    add(gear.empty() ? std::to_string(s[Gear]) : csv(gear));
    add(std::to_string(s[HallState]));
    add(std::to_string(s[Mode]));
    add(std::to_string(s[PedalError]));
    add(hex(s[Flags], 2));
    add(hex(s[Inputs], 2));
    add(hex(s[CurrentFaults], 4));
    add(hex(s[HistoryFaults], 4));
    add(csv(fault_names(static_cast<std::uint16_t>(s[CurrentFaults]), ";")));
    return row;
}

} // namespace motiview

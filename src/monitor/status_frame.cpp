#include "monitor/status_frame.h"

#include "monitor/status_layout.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <utility>

namespace motiview {
namespace {

using enum StatusField;

// The order the panel has always been filled in, which is also the order the command line's
// `decode` lists the labels.
constexpr std::array<StatusField, kStatusFieldCount> kDecodeOrder{
    Vdc,      Idc,      Gear,   Speed,         PowerTemp,     Flags,     MotorTemp,
    IqRef,    IqActual, IdRef,  IdActual,      PedalError,    HallState, Mode,
    Throttle, State,    Inputs, HistoryFaults, CurrentFaults,
};

std::string_view level(std::uint8_t bits, std::uint8_t mask) {
    return (bits & mask) != 0 ? "H" : "L";
}

std::string gear_text(std::uint8_t code) {
    return code < kGearNames.size() ? std::string(kGearNames[code]) : std::string();
}

std::string number_text(const StatusRow& row, std::int32_t stored, const NumberFormat& format) {
    const std::int64_t units = shown_units(row, stored);
    return row.decimals == kShortest ? format_scaled(units, row.pow10, format)
                                     : format_fixed(units, row.pow10, row.decimals, format);
}

// The row whose `word` bits are `bits`: the history cell that shows a bit of the history word.
const FaultRow& fault_row_of(std::uint16_t bits, FaultWord word) {
    for (const FaultRow& f : kFaults) {
        if (fault_bits(f, word) == bits) {
            return f;
        }
    }
    return kFaults.front(); // every bit set of one word is a bit set of the other
}

std::size_t fault_index(const FaultRow& row) {
    return static_cast<std::size_t>(&row - kFaults.data());
}

class ViewBuilder {
  public:
    void text(std::string_view label, std::string value, TextColor color = TextColor::Unchanged) {
        view_.labels.push_back(LabelUpdate{label, std::move(value), color});
    }
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

const std::array<FaultLabels, kFaults.size()>& fault_labels() {
    static const std::array<FaultLabels, kFaults.size()> labels = [] {
        std::array<FaultLabels, kFaults.size()> l;
        for (std::size_t i = 0; i < kFaults.size(); ++i) {
            const std::string base(kFaults[i].cells);
            l[i] = {base + "C", base + "H", base + "D"};
        }
        return l;
    }();
    return labels;
}

std::string state_name(std::uint8_t code) {
    if (code < kStateNames.size()) {
        return std::string(kStateNames[code]);
    }
    // No name for this code: its number tells the technician what the controller sent.
    return std::to_string(code);
}

std::string input_status_text(std::uint8_t inputBits) {
    std::string t = " \r\n  I/O STATUS:";
    for (const StatusInputRow& r : kStatusInputs) {
        t += "\r\n  --  ";
        t += r.line;
        t += level(inputBits, r.mask);
    }
    return t;
}

std::string input_status_all_high() {
    return input_status_text(0xFF);
}

NamedBits flag_texts(std::uint8_t flags) {
    NamedBits out;
    for (const StatusFlagRow& r : kStatusFlags) {
        out.emplace_back(r.key, (flags & r.mask) != 0 ? r.keySet : r.keyClear);
    }
    return out;
}

NamedBits input_levels(std::uint8_t inputs) {
    NamedBits out;
    for (const StatusInputRow& r : kStatusInputs) {
        out.emplace_back(r.key, level(inputs, r.mask));
    }
    return out;
}

std::vector<std::string_view> fault_name_list(std::uint16_t word, FaultWord which) {
    std::vector<std::string_view> names;
    for (const FaultRow& f : kFaults) {
        if ((word & fault_bits(f, which)) != 0) {
            names.push_back(f.name);
        }
    }
    return names;
}

std::string fault_names(std::uint16_t word, FaultWord which, std::string_view separator) {
    std::string names;
    for (const std::string_view name : fault_name_list(word, which)) {
        names += names.empty() ? "" : std::string(separator);
        names += name;
    }
    return names;
}

std::string status_text(StatusField f, const StatusValues& values, const NumberFormat& format) {
    const StatusRow& row = status_row(f);
    const std::int32_t stored = values[f];
    const auto byte = static_cast<std::uint8_t>(stored);
    std::string text;
    switch (row.shown) {
    case StatusShown::Number:
        return number_text(row, stored, format);
    case StatusShown::StateName:
        return state_name(byte);
    case StatusShown::GearName:
        text = gear_text(byte);
        return text.empty() ? std::to_string(stored) : text;
    case StatusShown::Flags:
    case StatusShown::Inputs:
        for (const auto& [key, value] :
             row.shown == StatusShown::Flags ? flag_texts(byte) : input_levels(byte)) {
            text += text.empty() ? "" : " ";
            text += std::string(key) + "=" + std::string(value);
        }
        return text;
    case StatusShown::FaultWord:
        text = fault_names(static_cast<std::uint16_t>(stored),
                           f == HistoryFaults ? FaultWord::History : FaultWord::Current, ", ");
        return text.empty() ? "none" : text;
    }
    return text;
}

StatusView decode_status(const Unit& frame, const NumberFormat& format) {
    const StatusValues s = read_status(frame);
    const auto& cells = fault_labels();
    ViewBuilder v;
    for (const StatusField f : kDecodeOrder) {
        const StatusRow& row = status_row(f);
        const auto byte = static_cast<std::uint8_t>(s[f]);
        switch (row.shown) {
        case StatusShown::Number:
            v.text(row.label, number_text(row, s[f], format));
            break;
        case StatusShown::StateName:
            v.text(row.label, state_name(byte),
                   byte == kFaultState ? TextColor::Red : TextColor::Green);
            break;
        case StatusShown::GearName:
            v.text(row.label, gear_text(byte));
            break;
        case StatusShown::Flags:
            for (const StatusFlagRow& r : kStatusFlags) {
                v.text(r.label, std::string((byte & r.mask) != 0 ? r.set : r.clear));
            }
            break;
        case StatusShown::Inputs:
            v.text(row.label, input_status_text(byte));
            break;
        case StatusShown::FaultWord: {
            const auto word = static_cast<std::uint16_t>(s[f]);
            // Cells in the order of the current word's bits; a history bit lights the cell of
            // the row that bit means in the history word.
            for (const FaultRow& r : kFaults) {
                if (f == HistoryFaults) {
                    const FaultRow& shown = fault_row_of(r.current, FaultWord::History);
                    v.cell(cells[fault_index(shown)].history, (word & r.current) != 0);
                } else {
                    v.cell(cells[fault_index(r)].current, (word & r.current) != 0);
                }
            }
            break;
        }
        }
    }

    const auto current = static_cast<std::uint16_t>(s[CurrentFaults]);
    v.visible("lblErrTitle", current != 0);
    for (const FaultRow& r : kFaults) {
        v.visible(cells[fault_index(r)].description, (current & r.current) != 0);
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

static_assert(
    [] {
        unsigned seen = 0;
        for (const StatusField f : kReadingOrder) {
            seen |= 1U << static_cast<unsigned>(f);
        }
        for (std::size_t i = 0; i < kPanelChannels.size(); ++i) {
            if (kReadingOrder[i] != kPanelChannels[i].field) {
                return false;
            }
        }
        return seen == (1U << kStatusFieldCount) - 1;
    }(),
    "every value read once, the panel's numbers first");

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
    return panel_values(decode_status(frame, kPlainNumbers));
}

} // namespace motiview

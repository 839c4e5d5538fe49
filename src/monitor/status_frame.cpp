#include "monitor/status_frame.h"

#include <array>
#include <string>

namespace motiview {
namespace {

struct FaultRow {
    std::uint16_t historyMask;
    std::uint16_t currentMask;
    std::string_view history;     // cell driven by the history word
    std::string_view current;     // cell driven by the current word
    std::string_view description; // shown while the current word has the row
};

// The two words order the thermistor bits differently: history bit 13 is "open", current
// bit 13 is "short".
constexpr std::array<FaultRow, 10> kFaultRows = {{
    {0x0402, 0x0402, "lblfrmErrHallH", "lblfrmErrHallC", "lblfrmErrHallD"},
    {0x0004, 0x0004, "lblfrmErrOVH", "lblfrmErrOVC", "lblfrmErrOVD"},
    {0x0008, 0x0008, "lblfrmErrUVH", "lblfrmErrUVC", "lblfrmErrUVD"},
    {0x0010, 0x0010, "lblfrmErrOHH", "lblfrmErrOHC", "lblfrmErrOHD"},
    {0x0020, 0x0020, "lblfrmErrOIacH", "lblfrmErrOIacC", "lblfrmErrOIacD"},
    {0x0040, 0x0040, "lblfrmErrDQtimeH", "lblfrmErrDQtimeC", "lblfrmErrDQtimeD"},
    {0x0080, 0x0080, "lblfrmErrLockMH", "lblfrmErrLockMC", "lblfrmErrLockMD"},
    {0x1000, 0x1000, "lblfrmErrMOHH", "lblfrmErrMOHC", "lblfrmErrMOHD"},
    {0x2000, 0x4000, "lblfrmErrMSOpenH", "lblfrmErrMSOpenC", "lblfrmErrMSOpenD"},
    {0x4000, 0x2000, "lblfrmErrMSShortH", "lblfrmErrMSShortC", "lblfrmErrMSShortD"},
}};

struct FlagLabel {
    std::string_view label;
    std::string_view set;
    std::string_view clear;
};

constexpr std::array<FlagLabel, 8> kStatusFlags = {{
    {"lblfrmSysStatusEco_a", "F", "Null"},
    {"lblfrmSysStatusDir_a", "B", "Null"},
    {"lblfrmSysStatusHallC_a", "Y", "N"},
    {"lblfrmSysStatusAlarm_a", "Y", "N"},
    {"lblfrmSysStatusBrake_a", "Y", "N"},
    {"lblECO_a", "Y", "N"},
    {"lblHallGroup", "1", "2"},
    {"lblfrmSysStatusBoost_a", "Y", "N"},
}};

constexpr std::array<std::string_view, 7> kStateNames = {"IDLE", "STARTUP", "PARASET", "RUN",
                                                         "STOP", "WAIT",    "FAULT"};
constexpr std::array<std::string_view, 5> kGearNames = {"NONE", "PRE F", "FORWARD", "PRE B",
                                                        "BACKWARD"};

std::string level(std::uint8_t bits, int bit) {
    return (bits >> bit & 1) != 0 ? "H" : "L";
}

std::string input_block(const std::string& fwd, const std::string& bwd, const std::string& brakeL,
                        const std::string& brakeH, const std::string& boost) {
    return " \r\n"
           "  I/O STATUS:\r\n"
           "  --  Input Forward: " +
           fwd + "\r\n  --  Input Backward: " + bwd + "\r\n  --  Input BrakeL: " + brakeL +
           "\r\n  --  Input BrakeH: " + brakeH + "\r\n  --  Input Boost : " + boost;
}

} // namespace

std::string input_status_text(std::uint8_t bits) {
    return input_block(level(bits, 0), level(bits, 1), level(bits, 4), level(bits, 5),
                       level(bits, 7));
}

std::string input_status_all_high() {
    return input_block("H", "H", "H", "H", "H");
}

StatusView decode_status(const Unit& f, const NumberFormat& format) {
    StatusView v;
    auto put = [&v](std::string_view label, std::string text,
                    TextColor color = TextColor::Unchanged) {
        v.labels.push_back({label, std::move(text), color});
    };
    auto whole = [&format](std::int64_t n) { return format_scaled(n, 0, format); };

    put("lblfrmSysStatusVdc_a", format_fixed(load_u16le(f, 2), -2, 2, format));
    put("lblfrmSysStatusIdc_a", format_scaled(load_sm16le(f, 4), -2, format));
    const std::uint8_t gear = f[27];
    put("lblgearStatus", gear < kGearNames.size() ? std::string(kGearNames[gear]) : std::string());
    put("lblfrmSysStatusRPM_a", whole(load_sm16le(f, 6)));
    put("lblfrmSysStatustemp_a", whole(static_cast<int>(f[8]) - 10));
    for (std::size_t bit = 0; bit < kStatusFlags.size(); ++bit) {
        const FlagLabel& flag = kStatusFlags[bit];
        put(flag.label, std::string((f[9] >> bit & 1) != 0 ? flag.set : flag.clear));
    }
    put("lblfrmSysStatusVthrot_a", whole(static_cast<int>(f[12]) * 2));
    put("lblfrmSysStatusTref_a", whole(load_sm16le(f, 13)));
    put("lblfrmSysStatusTact_a", whole(load_sm16le(f, 21)));
    put("lblIdref_a", whole(load_sm16le(f, 23)));
    put("lblIdactual_a", whole(load_sm16le(f, 25)));
    put("lblPedalErr", whole(f[28]));
    put("lblHallSt_a", whole(f[29]));
    put("lblMode_a", whole(f[30]));
    put("lblfrmSysStatusHallP_a", format_fixed(load_u16le(f, 15), -4, 3, format));
    const std::uint8_t state = f[18];
    // A code without a name shows its number, in green like every state but FAULT.
    put("lblfrmSysMach_a",
        state < kStateNames.size() ? std::string(kStateNames[state]) : whole(state),
        state == 6 ? TextColor::Red : TextColor::Green);
    put("lblPortStatus", input_status_text(f[17]));

    const std::uint16_t history = load_u16le(f, 10);
    const std::uint16_t current = load_u16le(f, 19);
    auto cell = [&put](std::string_view label, bool set) {
        put(label, set ? "NG" : "OK", set ? TextColor::Red : TextColor::Green);
    };
    for (const FaultRow& row : kFaultRows) {
        cell(row.history, (history & row.historyMask) != 0);
    }
    for (const FaultRow& row : kFaultRows) {
        cell(row.current, (current & row.currentMask) != 0);
    }
    v.visibility.push_back({"lblErrTitle", current != 0});
    for (const FaultRow& row : kFaultRows) {
        v.visibility.push_back({row.description, (current & row.currentMask) != 0});
    }
    return v;
}

} // namespace motiview

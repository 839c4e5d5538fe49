// The status decoder: bytes of one status frame -> texts, colours and visibility by label.
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "test_support.h"

#include "case_names.h"
#include "original_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <utility>

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::hex_name;
using motiview::test::label_name;

using motiview::test::kComma;
using motiview::test::kDot;

namespace {

Unit status_frame(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes = {}) {
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[31] = kEndByte;
    for (const auto& [index, value] : bytes) {
        u[index] = value;
    }
    return u;
}

const LabelUpdate* find_label(const StatusView& v, std::string_view name) {
    const auto it = std::find_if(v.labels.begin(), v.labels.end(),
                                 [&](const LabelUpdate& l) { return l.label == name; });
    return it != v.labels.end() ? &*it : nullptr;
}

std::string text_of(const StatusView& v, std::string_view name) {
    const LabelUpdate* l = find_label(v, name);
    return l != nullptr ? l->text : std::string("<missing ") + std::string(name) + ">";
}

TextColor color_of(const StatusView& v, std::string_view name) {
    const LabelUpdate* l = find_label(v, name);
    return l != nullptr ? l->color : TextColor::Unchanged;
}

// 1 visible, 0 hidden, -1 not in the view.
int visibility_of(const StatusView& v, std::string_view name) {
    for (const VisibilityUpdate& u : v.visibility) {
        if (u.label == name) {
            return u.visible ? 1 : 0;
        }
    }
    return -1;
}

// ---- numeric values -------------------------------------------------------------------

struct ValueCase {
    const char* what;
    std::size_t index;
    std::uint8_t lo;
    std::uint8_t hi; // written to index + 1 unless the field is one byte
    bool twoBytes;
    const char* label;
    const char* dotText;
    const char* commaText;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.what;
}

class StatusValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(StatusValues, TextInBothNumberFormats) {
    const ValueCase& c = GetParam();
    Unit u = status_frame();
    u[c.index] = c.lo;
    if (c.twoBytes) {
        u[c.index + 1] = c.hi;
    }
    EXPECT_EQ(text_of(decode_status(u, kDot), c.label), c.dotText);
    EXPECT_EQ(text_of(decode_status(u, kComma), c.label), c.commaText);
    EXPECT_EQ(color_of(decode_status(u, kDot), c.label), TextColor::Unchanged);
}

INSTANTIATE_TEST_SUITE_P(
    Payload, StatusValues,
    ::testing::Values(
        // DC bus voltage: U16 / 100, always two decimals.
        ValueCase{"vdc_100", 2, 0x10, 0x27, true, "lblfrmSysStatusVdc_a", "100.00", "100,00"},
        ValueCase{"vdc_zero", 2, 0x00, 0x00, true, "lblfrmSysStatusVdc_a", "0.00", "0,00"},
        ValueCase{"vdc_max", 2, 0xFF, 0xFF, true, "lblfrmSysStatusVdc_a", "655.35", "655,35"},
        ValueCase{"vdc_tenths", 2, 0x1E, 0x00, true, "lblfrmSysStatusVdc_a", "0.30", "0,30"},
        // DC current: SM16 / 100, no trailing zeros.
        ValueCase{"idc_negative", 4, 0x34, 0x92, true, "lblfrmSysStatusIdc_a", "-46.6", "-46,6"},
        ValueCase{"idc_positive", 4, 0x39, 0x30, true, "lblfrmSysStatusIdc_a", "123.45", "123,45"},
        ValueCase{"idc_whole", 4, 0xC8, 0x00, true, "lblfrmSysStatusIdc_a", "2", "2"},
        ValueCase{"idc_sign_only", 4, 0x00, 0x80, true, "lblfrmSysStatusIdc_a", "0", "0"},
        ValueCase{"idc_small_neg", 4, 0x05, 0x80, true, "lblfrmSysStatusIdc_a", "-0.05", "-0,05"},
        ValueCase{"idc_max", 4, 0xFF, 0xFF, true, "lblfrmSysStatusIdc_a", "-327.67", "-327,67"},
        // Speed: SM16 integer.
        ValueCase{"rpm_sign_only", 6, 0x00, 0x80, true, "lblfrmSysStatusRPM_a", "0", "0"},
        ValueCase{"rpm_positive", 6, 0xB8, 0x0B, true, "lblfrmSysStatusRPM_a", "3000", "3000"},
        ValueCase{"rpm_negative", 6, 0xF4, 0x81, true, "lblfrmSysStatusRPM_a", "-500", "-500"},
        ValueCase{"rpm_max", 6, 0xFF, 0x7F, true, "lblfrmSysStatusRPM_a", "32767", "32767"},
        // Power-stage temperature: byte - 10.
        ValueCase{"power_t_5", 8, 5, 0, false, "lblfrmSysStatustemp_a", "-5", "-5"},
        ValueCase{"power_t_0", 8, 0, 0, false, "lblfrmSysStatustemp_a", "-10", "-10"},
        ValueCase{"power_t_10", 8, 10, 0, false, "lblfrmSysStatustemp_a", "0", "0"},
        ValueCase{"power_t_255", 8, 255, 0, false, "lblfrmSysStatustemp_a", "245", "245"},
        // Motor temperature: byte x 2.
        ValueCase{"motor_t_200", 12, 200, 0, false, "lblfrmSysStatusVthrot_a", "400", "400"},
        ValueCase{"motor_t_255", 12, 255, 0, false, "lblfrmSysStatusVthrot_a", "510", "510"},
        ValueCase{"motor_t_0", 12, 0, 0, false, "lblfrmSysStatusVthrot_a", "0", "0"},
        // Iq / Id: SM16 integers.
        ValueCase{"iq_ref_neg", 13, 0x2C, 0x81, true, "lblfrmSysStatusTref_a", "-300", "-300"},
        ValueCase{"iq_ref_sign_only", 13, 0x00, 0x80, true, "lblfrmSysStatusTref_a", "0", "0"},
        ValueCase{"iq_act", 21, 0x64, 0x00, true, "lblfrmSysStatusTact_a", "100", "100"},
        ValueCase{"id_ref", 23, 0x01, 0x80, true, "lblIdref_a", "-1", "-1"},
        ValueCase{"id_act", 25, 0x00, 0x01, true, "lblIdactual_a", "256", "256"},
        // Throttle: U16 / 10000, three decimals, half away from zero on the exact value.
        ValueCase{"throttle_12346", 15, 0x3A, 0x30, true, "lblfrmSysStatusHallP_a", "1.235",
                  "1,235"},
        ValueCase{"throttle_12345", 15, 0x39, 0x30, true, "lblfrmSysStatusHallP_a", "1.235",
                  "1,235"},
        ValueCase{"throttle_12344", 15, 0x38, 0x30, true, "lblfrmSysStatusHallP_a", "1.234",
                  "1,234"},
        ValueCase{"throttle_4", 15, 0x04, 0x00, true, "lblfrmSysStatusHallP_a", "0.000", "0,000"},
        ValueCase{"throttle_5", 15, 0x05, 0x00, true, "lblfrmSysStatusHallP_a", "0.001", "0,001"},
        ValueCase{"throttle_max", 15, 0xFF, 0xFF, true, "lblfrmSysStatusHallP_a", "6.554", "6,554"},
        // Plain bytes.
        ValueCase{"pedal", 28, 18, 0, false, "lblPedalErr", "18", "18"},
        ValueCase{"hall_state", 29, 255, 0, false, "lblHallSt_a", "255", "255"},
        ValueCase{"mode", 30, 3, 0, false, "lblMode_a", "3", "3"}),
    [](const ::testing::TestParamInfo<ValueCase>& p) { return std::string(p.param.what); });

// ---- status flags -----------------------------------------------------------------------

struct FlagCase {
    const char* label;
    std::uint8_t mask;
    const char* set;
    const char* clear;
};

class StatusFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(StatusFlags, EachBitDrivesOnlyItsLabel) {
    const FlagCase& c = GetParam();
    const StatusView only = decode_status(status_frame({{9, c.mask}}), kDot);
    EXPECT_EQ(text_of(only, c.label), c.set);
    const StatusView others =
        decode_status(status_frame({{9, static_cast<std::uint8_t>(~c.mask)}}), kDot);
    EXPECT_EQ(text_of(others, c.label), c.clear);
}

INSTANTIATE_TEST_SUITE_P(Byte9, StatusFlags,
                         ::testing::Values(FlagCase{"lblfrmSysStatusEco_a", 0x01, "F", "Null"},
                                           FlagCase{"lblfrmSysStatusDir_a", 0x02, "B", "Null"},
                                           FlagCase{"lblfrmSysStatusHallC_a", 0x04, "Y", "N"},
                                           FlagCase{"lblfrmSysStatusAlarm_a", 0x08, "Y", "N"},
                                           FlagCase{"lblfrmSysStatusBrake_a", 0x10, "Y", "N"},
                                           FlagCase{"lblECO_a", 0x20, "Y", "N"},
                                           FlagCase{"lblHallGroup", 0x40, "1", "2"},
                                           FlagCase{"lblfrmSysStatusBoost_a", 0x80, "Y", "N"}),
                         ByLabel<&FlagCase::label>{});

// ---- state and gear ------------------------------------------------------------------

// A state or gear by its name, or by its code where it has none: "unnamed_9".
std::string state_or_gear_name(std::uint8_t code, std::string_view text) {
    if (text.empty() || text == std::to_string(code)) {
        return "unnamed_" + std::to_string(code);
    }
    return label_name(text);
}

struct NameCase {
    std::uint8_t code;
    const char* text;
    TextColor color;
};

class StateNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(StateNames, NameAndColour) {
    const NameCase& c = GetParam();
    const StatusView v = decode_status(status_frame({{18, c.code}}), kDot);
    EXPECT_EQ(text_of(v, "lblfrmSysMach_a"), c.text);
    EXPECT_EQ(color_of(v, "lblfrmSysMach_a"), c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Byte18, StateNames,
    ::testing::Values(NameCase{0, "IDLE", TextColor::Green},
                      NameCase{1, "STARTUP", TextColor::Green},
                      NameCase{2, "PARASET", TextColor::Green},
                      NameCase{3, "RUN", TextColor::Green}, NameCase{4, "STOP", TextColor::Green},
                      NameCase{5, "WAIT", TextColor::Green}, NameCase{6, "FAULT", TextColor::Red},
                      NameCase{7, "7", TextColor::Green}, NameCase{9, "9", TextColor::Green},
                      NameCase{255, "255", TextColor::Green}),
    [](const ::testing::TestParamInfo<NameCase>& p) {
        return state_or_gear_name(p.param.code, p.param.text);
    });

TEST(StateSequence, FaultThenRunTurnsGreenAgain) {
    const StatusView fault = decode_status(status_frame({{18, 6}}), kDot);
    const StatusView run = decode_status(status_frame({{18, 3}}), kDot);
    EXPECT_EQ(color_of(fault, "lblfrmSysMach_a"), TextColor::Red);
    EXPECT_EQ(text_of(run, "lblfrmSysMach_a"), "RUN");
    EXPECT_EQ(color_of(run, "lblfrmSysMach_a"), TextColor::Green);
}

using GearCase = std::pair<std::uint8_t, const char*>;

class GearNames : public ::testing::TestWithParam<GearCase> {};

TEST_P(GearNames, Name) {
    const auto& [code, text] = GetParam();
    EXPECT_EQ(text_of(decode_status(status_frame({{27, code}}), kDot), "lblgearStatus"), text);
}

INSTANTIATE_TEST_SUITE_P(Byte27, GearNames,
                         ::testing::Values(GearCase{0, "NONE"}, GearCase{1, "PRE F"},
                                           GearCase{2, "FORWARD"}, GearCase{3, "PRE B"},
                                           GearCase{4, "BACKWARD"}, GearCase{5, ""},
                                           GearCase{9, ""}, GearCase{255, ""}),
                         [](const ::testing::TestParamInfo<GearCase>& p) {
                             return state_or_gear_name(p.param.first, p.param.second);
                         });

// ---- input status ----------------------------------------------------------------------

struct InputCase {
    std::uint8_t bits;
    const char* text;
};

class InputStatus : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputStatus, SevenLinesJoinedWithCrLf) {
    const InputCase& c = GetParam();
    EXPECT_EQ(input_status_text(c.bits), c.text);
    EXPECT_EQ(text_of(decode_status(status_frame({{17, c.bits}}), kDot), "lblPortStatus"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Byte17, InputStatus,
    ::testing::Values(
        InputCase{0x00, " \r\n  I/O STATUS:\r\n  --  Input Forward: L\r\n  --  Input Backward: "
                        "L\r\n  --  Input BrakeL: L\r\n  --  Input BrakeH: L\r\n  --  Input "
                        "Boost : L"},
        InputCase{0xFF, " \r\n  I/O STATUS:\r\n  --  Input Forward: H\r\n  --  Input Backward: "
                        "H\r\n  --  Input BrakeL: H\r\n  --  Input BrakeH: H\r\n  --  Input "
                        "Boost : H"},
        // Bits 2, 3 and 6 are not shown.
        InputCase{0x4C, " \r\n  I/O STATUS:\r\n  --  Input Forward: L\r\n  --  Input Backward: "
                        "L\r\n  --  Input BrakeL: L\r\n  --  Input BrakeH: L\r\n  --  Input "
                        "Boost : L"},
        InputCase{0x91, " \r\n  I/O STATUS:\r\n  --  Input Forward: H\r\n  --  Input Backward: "
                        "L\r\n  --  Input BrakeL: H\r\n  --  Input BrakeH: L\r\n  --  Input "
                        "Boost : H"},
        InputCase{0x22, " \r\n  I/O STATUS:\r\n  --  Input Forward: L\r\n  --  Input Backward: "
                        "H\r\n  --  Input BrakeL: L\r\n  --  Input BrakeH: H\r\n  --  Input "
                        "Boost : L"}),
    [](const ::testing::TestParamInfo<InputCase>& p) { return "bits_" + hex_name(p.param.bits); });

TEST(InputStatusAllHigh, EveryLevelHigh) {
    const std::string t = input_status_all_high();
    EXPECT_EQ(t, input_status_text(0xB3));
    EXPECT_EQ(t.find(": L"), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 6);
}

// ---- fault words ----------------------------------------------------------------------

struct FaultCase {
    const char* what;
    std::uint16_t history;
    std::uint16_t current;
    std::set<std::string> ng;    // cells reading "NG"; every other cell reads "OK"
    std::set<std::string> shown; // descriptions shown (and lblErrTitle when the word is set)
};

const char* const kCells[] = {
    "lblfrmErrHallC",   "lblfrmErrHallH",   "lblfrmErrUVC",      "lblfrmErrUVH",
    "lblfrmErrOVC",     "lblfrmErrOVH",     "lblfrmErrOHC",      "lblfrmErrOHH",
    "lblfrmErrOIacC",   "lblfrmErrOIacH",   "lblfrmErrDQtimeC",  "lblfrmErrDQtimeH",
    "lblfrmErrLockMC",  "lblfrmErrLockMH",  "lblfrmErrMOHC",     "lblfrmErrMOHH",
    "lblfrmErrMSOpenC", "lblfrmErrMSOpenH", "lblfrmErrMSShortC", "lblfrmErrMSShortH",
};

const char* const kDescriptions[] = {
    "lblErrTitle",   "lblfrmErrHallD",   "lblfrmErrUVD",      "lblfrmErrOVD",
    "lblfrmErrOHD",  "lblfrmErrOIacD",   "lblfrmErrDQtimeD",  "lblfrmErrLockMD",
    "lblfrmErrMOHD", "lblfrmErrMSOpenD", "lblfrmErrMSShortD",
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.what;
}

class FaultWords : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultWords, CellsAndDescriptions) {
    const FaultCase& c = GetParam();
    const StatusView v =
        decode_status(status_frame({{10, static_cast<std::uint8_t>(c.history & 0xFF)},
                                    {11, static_cast<std::uint8_t>(c.history >> 8)},
                                    {19, static_cast<std::uint8_t>(c.current & 0xFF)},
                                    {20, static_cast<std::uint8_t>(c.current >> 8)}}),
                      kDot);
    for (const char* cell : kCells) {
        const bool ng = c.ng.count(cell) != 0;
        EXPECT_EQ(text_of(v, cell), ng ? "NG" : "OK") << cell;
        EXPECT_EQ(color_of(v, cell), ng ? TextColor::Red : TextColor::Green) << cell;
    }
    for (const char* d : kDescriptions) {
        EXPECT_EQ(visibility_of(v, d), c.shown.count(d) != 0 ? 1 : 0) << d;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, FaultWords,
    ::testing::Values(
        FaultCase{"none", 0, 0, {}, {}},
        FaultCase{
            "current_hall_bit10", 0, 0x0400, {"lblfrmErrHallC"}, {"lblErrTitle", "lblfrmErrHallD"}},
        FaultCase{
            "current_hall_bit1", 0, 0x0002, {"lblfrmErrHallC"}, {"lblErrTitle", "lblfrmErrHallD"}},
        FaultCase{"history_hall_bit10", 0x0400, 0, {"lblfrmErrHallH"}, {}},
        FaultCase{"history_thermistor_open", 0x2000, 0, {"lblfrmErrMSOpenH"}, {}},
        FaultCase{"history_thermistor_short", 0x4000, 0, {"lblfrmErrMSShortH"}, {}},
        FaultCase{"current_thermistor_short",
                  0,
                  0x2000,
                  {"lblfrmErrMSShortC"},
                  {"lblErrTitle", "lblfrmErrMSShortD"}},
        FaultCase{"current_thermistor_open",
                  0,
                  0x4000,
                  {"lblfrmErrMSOpenC"},
                  {"lblErrTitle", "lblfrmErrMSOpenD"}},
        FaultCase{
            "current_over_voltage", 0, 0x0004, {"lblfrmErrOVC"}, {"lblErrTitle", "lblfrmErrOVD"}},
        FaultCase{
            "current_under_voltage", 0, 0x0008, {"lblfrmErrUVC"}, {"lblErrTitle", "lblfrmErrUVD"}},
        FaultCase{"history_low_byte",
                  0x00FC,
                  0,
                  {"lblfrmErrOVH", "lblfrmErrUVH", "lblfrmErrOHH", "lblfrmErrOIacH",
                   "lblfrmErrDQtimeH", "lblfrmErrLockMH"},
                  {}},
        FaultCase{"current_motor_over_heat",
                  0,
                  0x1000,
                  {"lblfrmErrMOHC"},
                  {"lblErrTitle", "lblfrmErrMOHD"}},
        // Unused bits belong to no row, yet a nonzero word still shows the title.
        FaultCase{"current_unused_bits", 0x8B01, 0x8B01, {}, {"lblErrTitle"}},
        FaultCase{"all_set",
                  0xFFFF,
                  0xFFFF,
                  {std::begin(kCells), std::end(kCells)},
                  {std::begin(kDescriptions), std::end(kDescriptions)}}),
    [](const ::testing::TestParamInfo<FaultCase>& p) { return std::string(p.param.what); });

// ---- the view as a whole ------------------------------------------------------------

TEST(StatusViewShape, EveryLabelOnceInDecodingOrder) {
    const StatusView v = decode_status(status_frame(), kDot);
    std::set<std::string_view> seen;
    for (const LabelUpdate& l : v.labels) {
        EXPECT_TRUE(seen.insert(l.label).second) << l.label;
    }
    // 19 panel values, state, gear, hall group, pedal error, input block, 20 fault cells.
    EXPECT_EQ(v.labels.size(), 19U + 5U + 20U);
    ASSERT_GE(v.labels.size(), 3U);
    EXPECT_EQ(v.labels[0].label, "lblfrmSysStatusVdc_a");
    EXPECT_EQ(v.labels[1].label, "lblfrmSysStatusIdc_a");
    EXPECT_EQ(v.labels[2].label, "lblgearStatus");
    ASSERT_EQ(v.visibility.size(), 11U);
    EXPECT_EQ(v.visibility[0].label, "lblErrTitle");
}

TEST(StatusViewShape, NoStateBetweenFrames) {
    const Unit busy = status_frame({{2, 0x10}, {3, 0x27}, {18, 6}, {19, 0xFF}, {20, 0xFF}});
    const Unit calm = status_frame();
    const StatusView fresh = decode_status(calm, kDot);
    (void)decode_status(busy, kDot);
    const StatusView after = decode_status(calm, kDot);
    ASSERT_EQ(fresh.labels.size(), after.labels.size());
    for (std::size_t i = 0; i < fresh.labels.size(); ++i) {
        EXPECT_EQ(fresh.labels[i].text, after.labels[i].text) << fresh.labels[i].label;
    }
}

// ---- the rows run backwards (the simulator) and read as a person reads them --------------

struct ShownCase {
    const char* what;
    StatusField field;
    double shown;     // what the simulator wants the panel to show
    const char* text; // what the panel then shows
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.what;
}

class StatusRowsBackwards : public ::testing::TestWithParam<ShownCase> {};

// Through the frame's bytes, so that a wrong inverse, a wrong width limit or a wrong scale in
// either direction shows.
TEST_P(StatusRowsBackwards, ValueShowsAsGiven) {
    const ShownCase& c = GetParam();
    motiview::StatusValues v;
    v.set(c.field, stored_for(c.field, c.shown));
    Unit u = status_frame();
    write_status(v, u);
    EXPECT_EQ(text_of(decode_status(u, kDot), status_row(c.field).label), c.text);
    EXPECT_EQ(status_text(c.field, read_status(u), kDot), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Simulator, StatusRowsBackwards,
    ::testing::Values(ShownCase{"vdc", StatusField::Vdc, 48.2, "48.20"},
                      ShownCase{"vdc_half_step", StatusField::Vdc, 71.125, "71.13"},
                      ShownCase{"vdc_beyond_width", StatusField::Vdc, 700.0, "655.35"},
                      ShownCase{"idc_regen", StatusField::Idc, -2.5, "-2.5"},
                      ShownCase{"speed_backward", StatusField::Speed, -3200.0, "-3200"},
                      ShownCase{"power_temp", StatusField::PowerTemp, 38.4, "38"},
                      ShownCase{"power_temp_below_zero", StatusField::PowerTemp, -5.0, "-5"},
                      ShownCase{"power_temp_below_byte", StatusField::PowerTemp, -20.0, "-10"},
                      ShownCase{"motor_temp_even", StatusField::MotorTemp, 54.0, "54"},
                      ShownCase{"motor_temp_odd_rounds_up", StatusField::MotorTemp, 55.0, "56"},
                      ShownCase{"throttle", StatusField::Throttle, 1.047, "1.047"},
                      ShownCase{"iq_ref", StatusField::IqRef, 119.6, "120"},
                      ShownCase{"mode", StatusField::Mode, 2.0, "2"}),
    [](const ::testing::TestParamInfo<ShownCase>& p) { return std::string(p.param.what); });

struct TextCase {
    const char* what;
    StatusField field;
    std::int32_t stored;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.what;
}

class StatusTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(StatusTexts, AsTheCommandLinePrintsThem) {
    const TextCase& c = GetParam();
    motiview::StatusValues v;
    v.set(c.field, c.stored);
    EXPECT_EQ(status_text(c.field, v, kDot), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Words, StatusTexts,
    ::testing::Values(
        TextCase{"flags", StatusField::Flags, 0x49,
                 "forward=Y backward=N hall_calib=N alarm=Y brake=N eco=N hall_group=1 boost=N"},
        TextCase{"flags_clear", StatusField::Flags, 0x00,
                 "forward=N backward=N hall_calib=N alarm=N brake=N eco=N hall_group=2 boost=N"},
        TextCase{"inputs", StatusField::Inputs, 0x91,
                 "forward=H backward=L brake_low=H brake_high=L boost=H"},
        // Bits 13 and 14 mean opposite things in the two words.
        TextCase{"current_faults", StatusField::CurrentFaults, 0x2008,
                 "under-voltage, thermistor-short"},
        TextCase{"history_faults", StatusField::HistoryFaults, 0x2008,
                 "under-voltage, thermistor-open"},
        TextCase{"hall_either_bit", StatusField::CurrentFaults, 0x0400, "hall"},
        TextCase{"no_fault", StatusField::CurrentFaults, 0x0000, "none"},
        TextCase{"unnamed_bits_only", StatusField::HistoryFaults, 0x8001, "none"},
        TextCase{"state", StatusField::State, 3, "RUN"},
        TextCase{"state_without_name", StatusField::State, 9, "9"},
        TextCase{"gear", StatusField::Gear, 4, "BACKWARD"},
        TextCase{"gear_without_name", StatusField::Gear, 7, "7"}),
    [](const ::testing::TestParamInfo<TextCase>& p) { return std::string(p.param.what); });

// ---- the tables against the original's captions ------------------------------------------

std::string pinned_caption(std::string_view label) {
    for (const test::Caption& c : test::kPanelCaptions) {
        if (label == c.label) {
            return c.text;
        }
    }
    return "<no caption pinned for " + std::string(label) + ">";
}

std::string_view without_value_suffix(std::string_view label) {
    return label.ends_with("_a") ? label.substr(0, label.size() - 2) : label;
}

// The panel builds its captions from the tables; a typo there would show on every start.
TEST(StatusTables, CaptionsAreTheOriginals) {
    for (const StatusRow& r : kStatusLayout) {
        // The state's caption has a label of its own name, checked below.
        if (r.label.ends_with("_a") && r.field != StatusField::State) {
            EXPECT_EQ(r.caption, pinned_caption(without_value_suffix(r.label))) << r.key;
        }
    }
    EXPECT_EQ(status_row(StatusField::State).caption, pinned_caption("lblState"));
    for (const StatusFlagRow& f : kStatusFlags) {
        const std::string_view label =
            f.mask == status_flag::kHallGroup1 ? "lblHallG" : without_value_suffix(f.label);
        EXPECT_EQ(f.caption, pinned_caption(label)) << f.key;
    }
    for (std::size_t i = 0; i < kFaults.size(); ++i) {
        EXPECT_EQ(kFaults[i].caption, pinned_caption(kFaults[i].cells)) << kFaults[i].name;
        EXPECT_EQ(kFaults[i].describe, pinned_caption(fault_labels()[i].description))
            << kFaults[i].name;
    }
}

} // namespace

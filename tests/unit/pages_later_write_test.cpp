// Write frames of the Torque PID, Mode set, Other, Flux weaken, Derate and Hardware pages.

#include "pages_later_support.h"

#include "case_names.h"

#include "link/frames.h"
#include "pages/page_tables.h"

#include <gtest/gtest.h>

#include <string>

using namespace motiview;
using namespace motiview::later_test;
using motiview::test::ByLabel;

namespace {

using PageFn = const PageSchema& (*)();

struct EncodeCase {
    const char* what;
    PageFn page;
    Edits edits;
    std::vector<ByteAt> expect; // payload bytes that must hold these values
    const NumberFormat* format = &kDot;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << c.what;
}

class EncodeField : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeField, StoresExpectedBytes) {
    const EncodeCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = edited_state(page, c.edits);
    const Result<Unit> frame = encode(page, state, *c.format);
    ASSERT_TRUE(frame.ok()) << frame.error().field << ": " << frame.error().message;
    const Unit& u = frame.value();
    EXPECT_EQ(u[0], page_codes(page.id).group);
    EXPECT_EQ(u[1], page_codes(page.id).write);
    EXPECT_EQ(u[31], kEndByte);
    for (const auto& [offset, value] : c.expect) {
        EXPECT_EQ(u[offset], value) << "byte " << offset;
    }
}

// Derate's design-time switch speed "Text1" refuses every write; the cases that are not about
// it give it a number.
const std::pair<std::string_view, std::string_view> kDerateSpeed{"txtFluxSTspeed", "1000"};

INSTANTIATE_TEST_SUITE_P(
    TorquePid, EncodeField,
    ::testing::Values(
        EncodeCase{
            "two-byte 300", torque_pid_page, {{"txtIqKiG3", "300"}}, {{17, 0x2C}, {18, 0x01}}},
        EncodeCase{"one-byte 300 clamps", torque_pid_page, {{"txtIqKpG3", "300"}}, {{16, 0xFF}}},
        EncodeCase{"lock acc 2000", torque_pid_page, {{"txtLockRefAcc", "2000"}}, {{30, 20}}},
        EncodeCase{
            "lock acc 2050 floors", torque_pid_page, {{"txtLockRefAcc", "2050"}}, {{30, 20}}},
        EncodeCase{
            "lock acc 30000 clamps", torque_pid_page, {{"txtLockRefAcc", "30000"}}, {{30, 255}}},
        EncodeCase{"two-byte 40000 clamps",
                   torque_pid_page,
                   {{"txtFKiGain", "40000"}},
                   {{28, 0xFF}, {29, 0x7F}}}),
    ByLabel<&EncodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    ModeSet, EncodeField,
    ::testing::Values(
        EncodeCase{"speed 200", mode_set_page, {{"txtSpeedMode1", "200"}}, {{2, 20}}},
        EncodeCase{"speed 205 floors", mode_set_page, {{"txtSpeedMode1", "205"}}, {{2, 20}}},
        EncodeCase{"speed 5 lifts to 1", mode_set_page, {{"txtSpeedMode1", "5"}}, {{2, 1}}},
        EncodeCase{"speed 3000 clamps", mode_set_page, {{"txtSpeedMode1", "3000"}}, {{2, 255}}},
        EncodeCase{"max reg -1000", mode_set_page, {{"txtMaxRegQ", "-1000"}}, {{14, 10}}},
        EncodeCase{"max reg 500 lifts to 1", mode_set_page, {{"txtMaxRegQ", "500"}}, {{14, 1}}},
        EncodeCase{"max reg -1050 floors", mode_set_page, {{"txtMaxRegQ", "-1050"}}, {{14, 10}}},
        EncodeCase{"idc 0 lifts to 1", mode_set_page, {{"txtIdcMode1", "0"}}, {{6, 1}}},
        EncodeCase{"reg speed 250", mode_set_page, {{"txtRegMinSpeed", "250"}}, {{15, 2}}},
        EncodeCase{"reg dec 99 lifts to 1", mode_set_page, {{"txtRegDec1", "99"}}, {{17, 1}}}),
    ByLabel<&EncodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Other, EncodeField,
    ::testing::Values(
        EncodeCase{"mid speed 3050", other_page, {{"txtTrefmidspeed", "3050"}}, {{4, 30}}},
        EncodeCase{
            "mid speed 30000 clamps", other_page, {{"txtTrefmidspeed", "30000"}}, {{4, 255}}},
        EncodeCase{"throttle 0.8", other_page, {{"txtThrottleL", "0.8"}}, {{9, 0x40}, {10, 0x1F}}},
        EncodeCase{"throttle 0,8 in a comma locale",
                   other_page,
                   {{"txtThrottleL", "0,8"}},
                   {{9, 0x40}, {10, 0x1F}},
                   &kComma},
        EncodeCase{
            "throttle 7 clamps", other_page, {{"txtThrottleL", "7"}}, {{9, 0xFF}, {10, 0xFF}}},
        EncodeCase{"throttle design 500 clamps", other_page, {}, {{9, 0xFF}, {10, 0xFF}}},
        EncodeCase{"throttle 0.00019 floors",
                   other_page,
                   {{"txtThrottleH", "0.00019"}},
                   {{11, 1}, {12, 0}}},
        EncodeCase{
            "step 40000 kept", other_page, {{"txtConstBwPT1", "40000"}}, {{15, 0x40}, {16, 0x9C}}},
        EncodeCase{"step 70000 clamps",
                   other_page,
                   {{"txtConstBwPT1", "70000"}},
                   {{15, 0xFF}, {16, 0xFF}}},
        EncodeCase{"step 1.234 in a comma locale",
                   other_page,
                   {{"txtConstBwPT7", "1.234"}},
                   {{27, 0xD2}, {28, 0x04}},
                   &kComma},
        EncodeCase{"percent 150 clamps", other_page, {{"txtTrefmidpercent2", "150"}}, {{2, 100}}},
        EncodeCase{"percent 1 150 clamps", other_page, {{"txtTrefMidpercent1", "150"}}, {{5, 100}}},
        EncodeCase{"steps 10 and 11",
                   other_page,
                   {{"txtConstBwPT10", "300"}, {"txtConstBwPT11", "-4"}},
                   {{6, 255}, {7, 0}}},
        EncodeCase{"all boxes",
                   other_page,
                   {{"Chk_Tab6_ECO_EN", "1"},
                    {"Chk_Tab6_FR_en", "1"},
                    {"Chk_Tab6_Eco_Enable", "1"},
                    {"Chk_Tab6_Alarm_en", "1"},
                    {"Chk_Tab6_BrakeE_EN", "1"},
                    {"Chk_Tab6_MotOHEN", "1"},
                    {"Chk_Tab6_BoostEnable", "1"}},
                   {{8, 0xBF}}},
        EncodeCase{"no boxes", other_page, {}, {{8, 0x00}}},
        EncodeCase{"hidden alarm box still written",
                   other_page,
                   {{"Chk_Tab6_Alarm_en", "1"}},
                   {{8, 0x08}}},
        EncodeCase{"grayed box leaves its bit 0",
                   other_page,
                   {{"Chk_Tab6_BoostEnable", "2"}, {"Chk_Tab6_ECO_EN", "1"}},
                   {{8, 0x01}}}),
    ByLabel<&EncodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    FluxWeaken, EncodeField,
    ::testing::Values(
        EncodeCase{"sign -1", flux_weaken_page, {{"txtFluxSign", "-1"}}, {{3, 0}}},
        EncodeCase{"sign 0", flux_weaken_page, {{"txtFluxSign", "0"}}, {{3, 1}}},
        EncodeCase{"sign 0.5 rounds to even", flux_weaken_page, {{"txtFluxSign", "0.5"}}, {{3, 2}}},
        EncodeCase{"sign 2.5 rounds to even", flux_weaken_page, {{"txtFluxSign", "2.5"}}, {{3, 4}}},
        EncodeCase{
            "sign -1.5 rounds to even", flux_weaken_page, {{"txtFluxSign", "-1.5"}}, {{3, 0}}},
        EncodeCase{"sign 254 is the top", flux_weaken_page, {{"txtFluxSign", "254"}}, {{3, 255}}},
        EncodeCase{"print period design 1000", flux_weaken_page, {}, {{29, 255}}},
        EncodeCase{"print switch 5", flux_weaken_page, {{"txtPrintfSW", "5"}}, {{30, 1}}},
        EncodeCase{"print switch -1", flux_weaken_page, {{"txtPrintfSW", "-1"}}, {{30, 0}}},
        EncodeCase{"startup 40000 clamps",
                   flux_weaken_page,
                   {{"txtStartupHS", "40000"}},
                   {{8, 0xFF}, {9, 0x7F}}},
        EncodeCase{"byte 2 unbound", flux_weaken_page, {}, {{2, 0}}},
        EncodeCase{
            "idref 13 of the H set", flux_weaken_page, {{"txtId_HP13", "12.9"}}, {{28, 12}}}),
    ByLabel<&EncodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Derate, EncodeField,
    ::testing::Values(
        EncodeCase{
            "delay 0 lifts to 1", derate_page, {kDerateSpeed, {"txtPderateDelay", "0"}}, {{2, 1}}},
        EncodeCase{"delay 300 clamps",
                   derate_page,
                   {kDerateSpeed, {"txtPderateDelay", "300"}},
                   {{2, 255}}},
        EncodeCase{"recover delay -2 lifts to 1",
                   derate_page,
                   {kDerateSpeed, {"txtMPrecoverDelay", "-2"}},
                   {{5, 1}}},
        EncodeCase{"point 8 at 0 lifts to 1",
                   derate_page,
                   {kDerateSpeed, {"txtConstECOPT8", "0"}},
                   {{20, 1}}},
        EncodeCase{"point 11 at 0 lifts to 1",
                   derate_page,
                   {kDerateSpeed, {"txtConstECOPT11", "0"}},
                   {{23, 1}}},
        EncodeCase{
            "limit 0 stays 0", derate_page, {kDerateSpeed, {"txtIqref_limit1", "0"}}, {{26, 0}}},
        EncodeCase{"point 2 1018",
                   derate_page,
                   {kDerateSpeed, {"txtConstECOPT2", "1018"}},
                   {{8, 0xFA}, {9, 0x03}}},
        EncodeCase{"point 2 40000 clamps",
                   derate_page,
                   {kDerateSpeed, {"txtConstECOPT2", "40000"}},
                   {{8, 0xFF}, {9, 0x7F}}},
        EncodeCase{"point 1 under its standstill label",
                   derate_page,
                   {kDerateSpeed, {"txtConstECOPT1", "300"}},
                   {{6, 0x2C}, {7, 0x01}}},
        EncodeCase{"switch speed 4250", derate_page, {{"txtFluxSTspeed", "4250"}}, {{30, 42}}},
        EncodeCase{
            "switch speed 99999 clamps", derate_page, {{"txtFluxSTspeed", "99999"}}, {{30, 255}}},
        EncodeCase{"bw speed step in no byte",
                   derate_page,
                   {kDerateSpeed, {"txtBwSpeedstep", "abc"}},
                   {{24, 0xF4}, {25, 0x01}}}),
    ByLabel<&EncodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Hardware, EncodeField,
    ::testing::Values(
        EncodeCase{"all high, both brakes",
                   hardware_page,
                   {{"cmbForward", "H"},
                    {"cmbBackward", "H"},
                    {"cmbBrakehigh", "H"},
                    {"cmbBrakelow", "H"},
                    {"cmbReserve", "H"},
                    {"ChkBrakeLevelH", "1"},
                    {"ChkBrakeLevelL", "1"}},
                   {{4, 0x7F}}},
        EncodeCase{"all low, no brakes",
                   hardware_page,
                   {{"cmbForward", "L"},
                    {"cmbBackward", "L"},
                    {"cmbBrakehigh", "L"},
                    {"cmbBrakelow", "L"},
                    {"cmbReserve", "L"},
                    {"ChkBrakeLevelH", "0"},
                    {"ChkBrakeLevelL", "0"}},
                   {{4, 0x00}}},
        EncodeCase{"other level text leaves bits 0",
                   hardware_page,
                   {{"cmbForward", "h"},
                    {"cmbBackward", ""},
                    {"cmbBrakehigh", " H "},
                    {"cmbBrakelow", "L"},
                    {"cmbReserve", "x"}},
                   {{4, 0x04}}},
        EncodeCase{"project 0 lifts to 1",
                   hardware_page,
                   {{"txtProjectNum", "0"}},
                   {{8, 0x01}, {9, 0x00}}},
        EncodeCase{"project 40000 clamps",
                   hardware_page,
                   {{"txtProjectNum", "40000"}},
                   {{8, 0xFF}, {9, 0x7F}}},
        EncodeCase{"project 1302.9 floors",
                   hardware_page,
                   {{"txtProjectNum", "1302.9"}},
                   {{8, 0x16}, {9, 0x05}}},
        EncodeCase{"project -3 lifts to 1",
                   hardware_page,
                   {{"txtProjectNum", "-3"}},
                   {{8, 0x01}, {9, 0x00}}},
        EncodeCase{"year 150 clamps", hardware_page, {{"txtYearNum", "150"}}, {{10, 99}}},
        EncodeCase{"year -5 clamps", hardware_page, {{"txtYearNum", "-5"}}, {{10, 0}}},
        EncodeCase{"week always reset", hardware_page, {{"txtWeekNum", "40"}}, {{11, 0}}},
        EncodeCase{"sequence 0 lifts to 1", hardware_page, {{"txtSNNum", "0"}}, {{12, 1}, {13, 0}}},
        EncodeCase{"customer 0 lifts to 1", hardware_page, {{"txtCustomerNum", "0"}}, {{14, 1}}},
        EncodeCase{
            "reference period 200 clamps", hardware_page, {{"txtMosInPara", "200"}}, {{18, 120}}},
        EncodeCase{"reference period 0 lifts", hardware_page, {{"txtMosInPara", "0"}}, {{18, 1}}},
        EncodeCase{"divisor power 20 clamps",
                   hardware_page,
                   {{"txtidc_divisor_power_2", "20"}},
                   {{21, 15}}},
        EncodeCase{
            "calibration count not written", hardware_page, {{"txtcIdcCalibNum", "7"}}, {{22, 0}}},
        EncodeCase{"lock and online values",
                   hardware_page,
                   {{"ChkLockEV", "2"}, {"ChkPConline", "1"}},
                   {{23, 2}, {24, 1}}},
        EncodeCase{"hall H3 is 3", hardware_page, {{"cmbHallCType", "H3: B->G->Y"}}, {{26, 3}}},
        EncodeCase{"phase D6 is 6", hardware_page, {{"cmbPhaseCType", "D6: G->Y->B"}}, {{27, 6}}},
        EncodeCase{"hidden temperatures written",
                   hardware_page,
                   {{"txtTempMKW0", "300"}, {"txtTempMKW1", "1"}, {"txtTempIqLimitMK", "77"}},
                   {{28, 255}, {29, 1}, {30, 77}}},
        EncodeCase{"unbound boxes in no byte",
                   hardware_page,
                   {{"txtIcADC128A", "abc"}, {"txtIdcCalibF_All", "x"}},
                   {{2, 0}, {3, 0}, {5, 0}, {6, 0}, {7, 0}}}),
    ByLabel<&EncodeCase::what>{});

// Whole frames before any reply: what each page would send with its design-time texts.
struct GoldenCase {
    const char* what;
    PageFn page;
    std::string hex;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.what;
}

class LaterDesignFrame : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(LaterDesignFrame, MatchesGolden) {
    const GoldenCase& c = GetParam();
    PageState state = design_state(c.page());
    const Result<Unit> frame = encode(c.page(), state, kDot);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(to_hex(frame.value()), c.hex);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LaterDesignFrame,
    ::testing::Values(
        GoldenCase{"torque pid", torque_pid_page,
                   "D2 C3 01 05 02 0A 02 0A 02 14 06 64 00 06 64 00 06 C8 00 06 C8 00 01 01 "
                   "01 00 01 01 01 00 14 DA"},
        GoldenCase{"mode set", mode_set_page,
                   "D7 C8 14 32 32 50 32 78 78 96 B4 78 03 03 0A 02 0F 14 00 00 00 00 00 00 "
                   "00 00 00 00 00 00 00 DA"},
        GoldenCase{"other", other_page,
                   "FE EF 01 FF 00 17 96 64 00 FF FF FF FF FF FF F4 01 F4 01 90 01 5E 01 40 "
                   "01 FA 00 E6 00 C8 B4 DA"},
        GoldenCase{"flux weaken", flux_weaken_page,
                   "D6 C7 00 01 0A 00 A0 00 40 01 05 05 05 05 05 6E 6E 6E 14 14 14 14 46 3C "
                   "64 91 91 96 A0 FF 01 DA"},
        GoldenCase{"hardware", hardware_page,
                   "FB EE 00 00 37 00 00 00 16 05 0D 00 01 00 1A 0A 00 20 04 03 00 03 00 00 "
                   "00 01 01 01 0C 43 32 DA"}),
    ByLabel<&GoldenCase::what>{});

// Refused writes: no frame, the error names the field, the state stays as it was.
struct RefusalCase {
    const char* what;
    PageFn page;
    Edits edits;
    std::string_view field;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.what;
}

class RefusedWrite : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedWrite, NamesTheField) {
    const RefusalCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = edited_state(page, c.edits);
    const std::string weekBefore =
        page.id == PageId::Hardware ? shown(page, state, "txtWeekNum") : std::string();
    const Result<Unit> frame = encode(page, state, kDot);
    ASSERT_FALSE(frame.ok());
    EXPECT_EQ(frame.error().field, c.field);
    EXPECT_FALSE(frame.error().message.empty());
    if (page.id == PageId::Hardware) {
        EXPECT_EQ(shown(page, state, "txtWeekNum"), weekBefore) << "a refused write reset the week";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RefusedWrite,
    ::testing::Values(
        RefusalCase{"derate design text Text1", derate_page, {}, "txtFluxSTspeed"},
        RefusalCase{"flux sign -2 below the byte",
                    flux_weaken_page,
                    {{"txtFluxSign", "-2"}},
                    "txtFluxSign"},
        RefusalCase{"flux sign 255 above the byte",
                    flux_weaken_page,
                    {{"txtFluxSign", "255"}},
                    "txtFluxSign"},
        RefusalCase{"flux sign 1e12 past 32 bits",
                    flux_weaken_page,
                    {{"txtFluxSign", "1e12"}},
                    "txtFluxSign"},
        RefusalCase{"flux sign empty", flux_weaken_page, {{"txtFluxSign", ""}}, "txtFluxSign"},
        RefusalCase{
            "read-only gain not a number", torque_pid_page, {{"txtIqKpG0", "abc"}}, "txtIqKpG0"},
        RefusalCase{"mode speed empty", mode_set_page, {{"txtSpeedMode4", ""}}, "txtSpeedMode4"},
        RefusalCase{"throttle with trailing letters",
                    other_page,
                    {{"txtThrottleM", "0.5x"}},
                    "txtThrottleM"},
        RefusalCase{"hidden temperature", hardware_page, {{"txtTempMKW1", "warm"}}, "txtTempMKW1"},
        RefusalCase{"serial year", hardware_page, {{"txtYearNum", "thirteen"}}, "txtYearNum"}),
    ByLabel<&RefusalCase::what>{});

TEST(HardwareWrite, ResetsTheWeekBoxOnlyOnSuccess) {
    const PageSchema& page = hardware_page();
    PageState state = edited_state(page, {{"txtWeekNum", "33"}});
    const Result<Unit> frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ(frame.value()[11], 0);
    EXPECT_EQ(shown(page, state, "txtWeekNum"), "0");
}

} // namespace

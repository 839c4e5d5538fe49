// Replies of the Torque PID, Mode set, Other, Flux weaken, Derate and Hardware pages: what the
// fields show, and that a reply written straight back carries the same payload.

#include "pages_later_support.h"

#include "case_names.h"

#include "link/frames.h"
#include "pages/page_tables.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

using namespace motiview;
using namespace motiview::later_test;
using motiview::test::ByLabel;
using motiview::test::page_name;

namespace {

using PageFn = const PageSchema& (*)();
using Shown = std::vector<std::pair<std::string_view, std::string_view>>;

struct DecodeCase {
    const char* what;
    PageFn page;
    std::vector<ByteAt> reply;
    Shown expect;
    const NumberFormat* format = &kDot;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.what;
}

class DecodeReply : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeReply, ShowsExpectedTexts) {
    const DecodeCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, c.reply), state, *c.format);
    EXPECT_TRUE(state.filled);
    for (const auto& [name, text] : c.expect) {
        EXPECT_EQ(shown(page, state, name), text) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TorquePid, DecodeReply,
    ::testing::Values(
        DecodeCase{"lock acc 20", torque_pid_page, {{30, 20}}, {{"txtLockRefAcc", "2000"}}},
        DecodeCase{"lock acc 255", torque_pid_page, {{30, 255}}, {{"txtLockRefAcc", "25500"}}},
        DecodeCase{
            "two-byte gain", torque_pid_page, {{17, 0x2C}, {18, 0x01}}, {{"txtIqKiG3", "300"}}},
        DecodeCase{"two-byte 65535 unsigned",
                   torque_pid_page,
                   {{24, 0xFF}, {25, 0xFF}},
                   {{"txtTKiGain", "65535"}}}),
    ByLabel<&DecodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    ModeSet, DecodeReply,
    ::testing::Values(DecodeCase{"speed 20", mode_set_page, {{2, 20}}, {{"txtSpeedMode1", "200"}}},
                      DecodeCase{
                          "max reg 10", mode_set_page, {{14, 10}}, {{"txtMaxRegQ", "-1000"}}},
                      DecodeCase{"max reg 1", mode_set_page, {{14, 1}}, {{"txtMaxRegQ", "-100"}}},
                      DecodeCase{"max reg 0", mode_set_page, {{14, 0}}, {{"txtMaxRegQ", "0"}}},
                      DecodeCase{"reg acc 15", mode_set_page, {{16, 15}}, {{"txtRegAcc1", "1500"}}},
                      DecodeCase{"idc 7", mode_set_page, {{10, 7}}, {{"txtIdcMode5", "7"}}}),
    ByLabel<&DecodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Other, DecodeReply,
    ::testing::Values(
        DecodeCase{"mid speed 30", other_page, {{4, 30}}, {{"txtTrefmidspeed", "3000"}}},
        DecodeCase{"mid speed 255", other_page, {{4, 255}}, {{"txtTrefmidspeed", "25500"}}},
        DecodeCase{
            "throttle 8000", other_page, {{9, 0x40}, {10, 0x1F}}, {{"txtThrottleL", "0.800"}}},
        DecodeCase{"throttle 8000 comma",
                   other_page,
                   {{9, 0x40}, {10, 0x1F}},
                   {{"txtThrottleL", "0,800"}},
                   &kComma},
        DecodeCase{"throttle 12345 rounds half away",
                   other_page,
                   {{11, 0x39}, {12, 0x30}},
                   {{"txtThrottleH", "1.235"}}},
        DecodeCase{"throttle 0", other_page, {}, {{"txtThrottleM", "0.000"}}},
        DecodeCase{
            "step 40000", other_page, {{15, 0x40}, {16, 0x9C}}, {{"txtConstBwPT1", "40000"}}},
        DecodeCase{"bits 0x40 uncheck all",
                   other_page,
                   {{8, 0x40}},
                   {{"Chk_Tab6_ECO_EN", "0"},
                    {"Chk_Tab6_FR_en", "0"},
                    {"Chk_Tab6_Eco_Enable", "0"},
                    {"Chk_Tab6_Alarm_en", "0"},
                    {"Chk_Tab6_BrakeE_EN", "0"},
                    {"Chk_Tab6_MotOHEN", "0"},
                    {"Chk_Tab6_BoostEnable", "0"}}},
        DecodeCase{"bits 0xFF check all",
                   other_page,
                   {{8, 0xFF}},
                   {{"Chk_Tab6_ECO_EN", "1"},
                    {"Chk_Tab6_FR_en", "1"},
                    {"Chk_Tab6_Eco_Enable", "1"},
                    {"Chk_Tab6_Alarm_en", "1"},
                    {"Chk_Tab6_BrakeE_EN", "1"},
                    {"Chk_Tab6_MotOHEN", "1"},
                    {"Chk_Tab6_BoostEnable", "1"}}},
        DecodeCase{
            "bits 0x88 alarm and boost",
            other_page,
            {{8, 0x88}},
            {{"Chk_Tab6_ECO_EN", "0"}, {"Chk_Tab6_Alarm_en", "1"}, {"Chk_Tab6_BoostEnable", "1"}}}),
    ByLabel<&DecodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    FluxWeaken, DecodeReply,
    ::testing::Values(DecodeCase{"sign 0", flux_weaken_page, {{3, 0}}, {{"txtFluxSign", "-1"}}},
                      DecodeCase{"sign 2", flux_weaken_page, {{3, 2}}, {{"txtFluxSign", "1"}}},
                      DecodeCase{"sign 4", flux_weaken_page, {{3, 4}}, {{"txtFluxSign", "3"}}},
                      DecodeCase{
                          "sign 255", flux_weaken_page, {{3, 255}}, {{"txtFluxSign", "254"}}},
                      DecodeCase{"startup two bytes",
                                 flux_weaken_page,
                                 {{8, 0x40}, {9, 0x01}},
                                 {{"txtStartupHS", "320"}}}),
    ByLabel<&DecodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Derate, DecodeReply,
    ::testing::Values(
        DecodeCase{"switch speed 42", derate_page, {{30, 42}}, {{"txtFluxSTspeed", "4200"}}},
        DecodeCase{"point 2", derate_page, {{8, 0xFA}, {9, 0x03}}, {{"txtConstECOPT2", "1018"}}},
        DecodeCase{"bw speed step untouched",
                   derate_page,
                   {{24, 0x10}},
                   {{"txtBwSpeedstep", "200"}, {"txtSpeedstep", "16"}}}),
    ByLabel<&DecodeCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Hardware, DecodeReply,
    ::testing::Values(
        DecodeCase{"flags 0x49",
                   hardware_page,
                   {{4, 0x49}},
                   {{"cmbForward", "H"},
                    {"cmbBackward", "L"},
                    {"cmbBrakehigh", "L"},
                    {"ChkBrakeLevelH", "1"},
                    {"cmbBrakelow", "L"},
                    {"cmbReserve", "L"},
                    {"ChkBrakeLevelL", "1"}}},
        DecodeCase{"flags 0x36",
                   hardware_page,
                   {{4, 0x36}},
                   {{"cmbForward", "L"},
                    {"cmbBackward", "H"},
                    {"cmbBrakehigh", "H"},
                    {"ChkBrakeLevelH", "0"},
                    {"cmbBrakelow", "H"},
                    {"cmbReserve", "H"},
                    {"ChkBrakeLevelL", "0"}}},
        DecodeCase{"serial row",
                   hardware_page,
                   {{8, 0x16}, {9, 0x05}, {10, 13}, {11, 27}, {12, 1}, {13, 0}, {14, 26}},
                   {{"txtProjectNum", "1302"},
                    {"txtYearNum", "13"},
                    {"txtWeekNum", "27"},
                    {"txtSNNum", "1"},
                    {"txtCustomerNum", "26"}}},
        DecodeCase{"calibration count 7", hardware_page, {{22, 7}}, {{"txtcIdcCalibNum", "7"}}},
        DecodeCase{"lock 5 reads checked",
                   hardware_page,
                   {{23, 5}, {24, 0}},
                   {{"ChkLockEV", "1"}, {"ChkPConline", "0"}}},
        DecodeCase{"hall 3 phase 6",
                   hardware_page,
                   {{26, 3}, {27, 6}},
                   {{"cmbHallCType", "H3: B->G->Y"}, {"cmbPhaseCType", "D6: G->Y->B"}}},
        DecodeCase{"list bytes 0 leave no selection",
                   hardware_page,
                   {{26, 0}, {27, 0}},
                   {{"cmbHallCType", ""}, {"cmbPhaseCType", ""}}},
        DecodeCase{"list bytes 7 leave no selection",
                   hardware_page,
                   {{26, 7}, {27, 7}},
                   {{"cmbHallCType", ""}, {"cmbPhaseCType", ""}}},
        DecodeCase{"hidden temperatures",
                   hardware_page,
                   {{28, 1}, {29, 2}, {30, 3}},
                   {{"txtTempMKW0", "1"}, {"txtTempMKW1", "2"}, {"txtTempIqLimitMK", "3"}}},
        DecodeCase{
            "unbound boxes keep design texts",
            hardware_page,
            {{16, 0x34}, {17, 0x12}},
            {{"txtIacADC128A", "4660"}, {"txtIcADC128A", "8192"}, {"txtIdcCalibF_All", "1"}}}),
    ByLabel<&DecodeCase::what>{});

TEST(HardwareReply, BrakeBitsEnableTheirLists) {
    const PageSchema& page = hardware_page();
    struct Case {
        std::uint8_t flags;
        bool high;
        bool low;
    };
    for (const Case c : {Case{0x49, true, true}, Case{0x00, false, false}, Case{0x08, true, false},
                         Case{0x40, false, true}}) {
        PageState state = design_state(page);
        decode_into(page, reply_of(page, {{4, c.flags}}), state, kDot);
        EXPECT_EQ(field_state(page, state, "cmbBrakehigh").enabled, c.high) << int{c.flags};
        EXPECT_EQ(field_state(page, state, "cmbBrakelow").enabled, c.low) << int{c.flags};
    }
}

TEST(HardwareReply, NoSelectionWritesOne) {
    const PageSchema& page = hardware_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{26, 0}, {27, 9}}), state, kDot);
    const Result<Unit> frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ(frame.value()[26], 1);
    EXPECT_EQ(frame.value()[27], 1);
}

TEST(ModeSetReply, UnboundTailIgnored) {
    const PageSchema& page = mode_set_page();
    std::vector<ByteAt> bytes;
    for (std::size_t b = 18; b <= 30; ++b) {
        bytes.emplace_back(b, 0xAA);
    }
    PageState state = design_state(page);
    decode_into(page, reply_of(page, bytes), state, kDot);
    const Result<Unit> frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    for (std::size_t b = 18; b <= 30; ++b) {
        EXPECT_EQ(frame.value()[b], 0) << "byte " << b;
    }
}

// A valid reply decoded and written straight back carries the same payload, except the bytes
// the page never writes.
struct RoundTripCase {
    const char* what;
    PageFn page;
    std::set<std::size_t> neverWritten; // bytes of the block no field covers
    std::uint8_t flagMaskByte = 0;      // byte whose unwritten bits are masked off
    std::uint8_t flagMask = 0xFF;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.what;
}

class ReplyRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

Unit random_reply(const PageSchema& page, std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    Unit u = reply_of(page, {});
    for (std::size_t i = 2; i <= 30; ++i) {
        u[i] = static_cast<std::uint8_t>(byte(rng));
    }
    // Lists need a code that names an item (the hardware wiring lists take 1..6), and the
    // hardware switches travel as 0 or 1.
    if (page.id == PageId::Hardware) {
        std::uniform_int_distribution<int> check(0, 1);
        u[23] = static_cast<std::uint8_t>(check(rng));
        u[24] = static_cast<std::uint8_t>(check(rng));
        std::uniform_int_distribution<int> wiring(1, 6);
        u[26] = static_cast<std::uint8_t>(wiring(rng));
        u[27] = static_cast<std::uint8_t>(wiring(rng));
    }
    return u;
}

TEST_P(ReplyRoundTrip, WritesBackWhatItRead) {
    const RoundTripCase& c = GetParam();
    const PageSchema& page = c.page();
    std::mt19937 rng(0x5EED);
    for (int n = 0; n < 200; ++n) {
        const Unit reply = random_reply(page, rng);
        PageState state = design_state(page);
        decode_into(page, reply, state, kDot);
        const Result<Unit> frame = encode(page, state, kDot);
        ASSERT_TRUE(frame.ok()) << frame.error().field << ": " << frame.error().message;
        const Unit& u = frame.value();
        // The controller's own bytes and the fields every write resets go out as 0.
        std::set<std::size_t> zero = c.neverWritten;
        for (std::uint8_t at : controller_owned_bytes(page)) {
            zero.insert(at);
        }
        for (const FieldSchema& f : page.fields) {
            if (!f.resetOnWrite.empty()) {
                zero.insert(f.offset);
            }
        }
        ASSERT_EQ(u[1], page_codes(page.id).write);
        ASSERT_EQ(u[31], kEndByte);
        for (std::size_t b = 2; b <= 30; ++b) {
            std::uint8_t want = zero.contains(b) ? 0 : reply[b];
            if (b == c.flagMaskByte) {
                want = static_cast<std::uint8_t>(reply[b] & c.flagMask);
            }
            ASSERT_EQ(u[b], want) << "byte " << b << " of " << to_hex(reply);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ReplyRoundTrip,
                         ::testing::Values(RoundTripCase{"torque pid", torque_pid_page, {}},
                                           RoundTripCase{"mode set",
                                                         mode_set_page,
                                                         {18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                                          28, 29, 30}},
                                           RoundTripCase{"other", other_page, {}, 8, 0xBF},
                                           RoundTripCase{"flux weaken", flux_weaken_page, {2}},
                                           RoundTripCase{"derate", derate_page, {}},
                                           RoundTripCase{"hardware", hardware_page, {}, 4, 0x7F}),
                         ByLabel<&RoundTripCase::what>{});

// The page-level facts the window and the receive path rely on.
struct PageFacts {
    PageFn page;
    PageId id;
    std::string_view window;
    std::string_view cliName;
    std::string_view opener;
    std::string_view title;
    bool linkButtons;
    std::size_t closes;
};

void PrintTo(const PageFacts& c, std::ostream* os) {
    *os << c.window;
}

class PageTable : public ::testing::TestWithParam<PageFacts> {};

TEST_P(PageTable, IsRegisteredAndNamed) {
    const PageFacts& c = GetParam();
    const PageSchema& page = c.page();
    EXPECT_EQ(page.id, c.id);
    EXPECT_EQ(&page_schema(c.id), &page);
    EXPECT_EQ(page_by_cli_name(c.cliName), &page);
    EXPECT_EQ(page_by_window(c.window), &page);
    EXPECT_EQ(page.opener, c.opener);
    EXPECT_EQ(page.title, c.title);
    EXPECT_EQ(page.linkButtons, c.linkButtons);
    EXPECT_EQ(page.closes.size(), c.closes);
    for (const PageId closed : page.closes) {
        EXPECT_NE(closed, c.id);
        EXPECT_NE(closed, PageId::ModeSet);
        EXPECT_NE(closed, PageId::Derate);
    }
    EXPECT_EQ(page.ackText, ack_text(Classification{UnitKind::WriteAck, c.id}));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageTable,
    ::testing::Values(PageFacts{torque_pid_page, PageId::TorquePid, "frmdqPID", "torque-pid",
                                "cmddqPID", "Torque PID", false, 8},
                      PageFacts{mode_set_page, PageId::ModeSet, "frmModeSet", "mode-set",
                                "cmdModeSet", "Mode set", true, 6},
                      PageFacts{other_page, PageId::Other, "frmOther", "other", "cmdOther", "Other",
                                true, 8},
                      PageFacts{flux_weaken_page, PageId::FluxWeaken, "frmFluxWeaken",
                                "flux-weaken", "cmdFluxWeaken", "FluxWeaken Reference", false, 7},
                      PageFacts{derate_page, PageId::Derate, "frmDerate", "derate", "cmdDerate",
                                "Derate setting", false, 9},
                      PageFacts{hardware_page, PageId::Hardware, "frmIdcCalib", "hardware",
                                "cmdIdcCalib", "Idc calibration", false, 8}),
    [](const ::testing::TestParamInfo<PageFacts>& p) { return page_name(p.param.id); });

TEST(TorquePidTable, EveryFieldReadOnly) {
    for (const FieldSchema& f : torque_pid_page().fields) {
        EXPECT_EQ(f.access, Access::ReadOnly) << f.name;
    }
}

TEST(HardwareTable, SerialRowAndHiddenFields) {
    const PageSchema& page = hardware_page();
    EXPECT_EQ(page.widthTwips, 9000);
    EXPECT_EQ(page.heightTwips, 6800);
    const FieldSchema* project = find_field(page, "txtProjectNum");
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->label, "lblSerialNum");
    EXPECT_FALSE(project->sameRow);
    for (const std::string_view name : {"txtYearNum", "txtWeekNum", "txtSNNum", "txtCustomerNum"}) {
        const FieldSchema* f = find_field(page, name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_TRUE(f->sameRow) << name;
        EXPECT_TRUE(f->label.empty()) << name;
        EXPECT_EQ(f->access, Access::ReadOnly) << name;
    }
    for (const std::string_view name : {"txtTempMKW0", "txtTempMKW1", "txtTempIqLimitMK"}) {
        const FieldSchema* f = find_field(page, name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->access, Access::Hidden) << name;
        EXPECT_EQ(f->caption, f->designLabel) << name;
    }
    const FieldSchema* icAdc = find_field(page, "txtIcADC128A");
    ASSERT_NE(icAdc, nullptr);
    EXPECT_TRUE(icAdc->selectAllOnFocus);
}

} // namespace

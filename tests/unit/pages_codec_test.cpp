// The page codec on the Basic, Reference, Motor, Control and Protection tables: what a typed
// text stores, what a reply shows, the reply-origin rule, refusals and design-time frames.

#include "pages/page_codec.h"
#include "pages/page_tables.h"
#include "pages_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace motiview;
using namespace motiview::test;

namespace {

// ---------------------------------------------------------------------------------------------
// Typed text -> stored bytes.

struct WriteCase {
    PageFn page;
    const char* field;
    const char* text;
    std::size_t offset;
    std::vector<std::uint8_t> stored;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.field << " = \"" << c.text << "\"";
}

class FieldWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(FieldWrite, StoresExpectedBytes) {
    const WriteCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, c.field, c.text).ok());
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(slice(*frame, c.offset, c.stored.size()), c.stored);
    EXPECT_EQ((*frame)[0], page_codes(page.id).group);
    EXPECT_EQ((*frame)[1], page_codes(page.id).write);
    EXPECT_EQ((*frame)[31], kEndByte);
}

INSTANTIATE_TEST_SUITE_P(
    Basic, FieldWrite,
    ::testing::Values(WriteCase{basic_page, "txtMaxspeed", "350", 2, {0x5E, 0x01}},
                      WriteCase{basic_page, "txtMaxspeed", "12.9", 2, {0x0C, 0x00}},
                      WriteCase{basic_page, "txtMaxspeed", "-3", 2, {0x00, 0x00}},
                      WriteCase{basic_page, "txtMaxspeed", "40000", 2, {0xFF, 0x7F}},
                      WriteCase{basic_page, "txtMaxspeed", " 1e3 ", 2, {0xE8, 0x03}},
                      WriteCase{basic_page, "txtBspeed", "-74", 4, {0x4A, 0x00}},
                      WriteCase{basic_page, "txtBspeed", "74", 4, {0x00, 0x00}},
                      WriteCase{basic_page, "txtBspeed", "-74.5", 4, {0x4A, 0x00}},
                      WriteCase{basic_page, "txtSpeedFluxQuit", "3000", 22, {0x1E}},
                      WriteCase{basic_page, "txtSpeedFluxQuit", "3050", 22, {0x1E}},
                      WriteCase{basic_page, "txtSpeedFluxQuit", "30000", 22, {0xFF}},
                      WriteCase{basic_page, "txtSpeedFluxQuit", "25500", 22, {0xFF}},
                      WriteCase{basic_page, "txtTemperatureW0", "1200", 27, {0xFF}},
                      WriteCase{basic_page, "txtTemperatureW1", "300", 28, {0xFF}},
                      WriteCase{basic_page, "txtConstPT0", "50", 29, {0x32, 0x00}}),
    ByFieldAndText{});

INSTANTIATE_TEST_SUITE_P(
    Reference, FieldWrite,
    ::testing::Values(WriteCase{reference_page, "txtVoltageH", "72.5", 2, {0x52, 0x1C}},
                      WriteCase{reference_page, "txtVoltageH", "-92", 2, {0x00, 0x00}},
                      WriteCase{reference_page, "txtVoltageH", "400", 2, {0xFF, 0x7F}},
                      WriteCase{reference_page, "txtVoltageH", "327.67", 2, {0xFF, 0x7F}},
                      // Exact decimal: 16.4 V is 1640 hundredths, not the binary 1639.
                      WriteCase{reference_page, "txtVoltageL", "16.4", 6, {0x68, 0x06}},
                      WriteCase{reference_page, "txtVoltageLRec", "68.75", 8, {0xDB, 0x1A}},
                      WriteCase{reference_page, "txtRegHighV", "62.509", 10, {0x6A, 0x18}},
                      WriteCase{reference_page, "txtRegLowV", "0.29", 12, {0x1D, 0x00}},
                      WriteCase{reference_page, "txtFluxCompToVdc", "200", 18, {0xA0}},
                      WriteCase{reference_page, "txtFluxCompToVdc", "abc", 18, {0x00}},
                      WriteCase{reference_page, "txtFluxCompToVdc", "", 18, {0x00}},
                      WriteCase{reference_page, "txtFluxCompToVdc", "12abc", 18, {0x0C}},
                      WriteCase{reference_page, "txtIdcMinPerc", "57.5", 19, {0x3A}},
                      WriteCase{reference_page, "txtIdcMinPerc", "56.5", 19, {0x38}},
                      WriteCase{reference_page, "txtIdcMinPerc", "56.51", 19, {0x39}},
                      WriteCase{reference_page, "txtHALL_60_360_Switch", "0.9", 20, {0x00}},
                      WriteCase{reference_page, "txtHALL_60_360_Switch", "1", 20, {0x01}},
                      WriteCase{reference_page, "txtHALL_60_360_Switch", "1.5", 20, {0x02}},
                      WriteCase{reference_page, "txtHALL_60_360_Switch", "300", 20, {0xFF}},
                      WriteCase{reference_page, "txtHALL_60_360_Switch", "-5", 20, {0x00}},
                      WriteCase{reference_page, "txtStartupPercentageFast", "150", 21, {0x80}},
                      WriteCase{reference_page, "txtStepSquareStart", "254.5", 22, {0xFE}},
                      WriteCase{reference_page, "txtsqu_angle_step_int", "88.9", 23, {0x58, 0x00}},
                      WriteCase{reference_page, "txtConstBwPT12", "800", 25, {0xFF}},
                      WriteCase{reference_page, "txtConstECOPT13", "150", 28, {0x96}},
                      WriteCase{reference_page, "txtConstBwPT0", "350", 29, {0x5E, 0x01}}),
    ByFieldAndText{});

INSTANTIATE_TEST_SUITE_P(
    Motor, FieldWrite,
    ::testing::Values(WriteCase{motor_page, "txtAngle_degree_BDir", "-70", 6, {0x46, 0x80}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "92", 3, {0x5C, 0x00}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "200", 3, {0xB3, 0x00}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "-500", 3, {0xB4, 0x80}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "92.5", 3, {0x5C, 0x00}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "93.5", 3, {0x5E, 0x00}},
                      WriteCase{motor_page, "txtAngle_degree_FDir", "-0.4", 3, {0x00, 0x00}},
                      WriteCase{motor_page, "cboMTherType", "KTY83", 5, {0x05}},
                      WriteCase{motor_page, "cboMTherType", "PTC_1k", 5, {0x01}},
                      WriteCase{motor_page, "txtAngleSquaOffset", "100", 8, {0x3C}},
                      WriteCase{motor_page, "txtAngleSquaOffset", "x", 8, {0x00}},
                      WriteCase{motor_page, "txtFrmHallSec1", "10", 9, {0x14}},
                      WriteCase{motor_page, "txtFrmHallSec1", "150", 9, {0x64}},
                      WriteCase{motor_page, "txtFrmHallBSec6", "10", 29, {0x14}},
                      WriteCase{motor_page, "txtMotTecoHyster", "220.5", 18, {0xDC}},
                      WriteCase{motor_page, "txtHallRefAcc", "5", 22, {0x01}},
                      WriteCase{motor_page, "txtHallRefAcc", "80", 22, {0x08}},
                      WriteCase{motor_page, "txtHallRefDec", "89", 23, {0x08}},
                      WriteCase{motor_page, "txtPolePairN", "0", 2, {0x01}},
                      WriteCase{motor_page, "txtPolePairN", "2.5", 2, {0x02}},
                      WriteCase{motor_page, "txtPolePairN", "3.5", 2, {0x04}},
                      WriteCase{motor_page, "cboHallGrp", "Hall B", 30, {0x01}}),
    ByFieldAndText{});

INSTANTIATE_TEST_SUITE_P(
    Control, FieldWrite,
    ::testing::Values(WriteCase{control_page, "txtECOSpeedLimitKpGain", "200", 14, {0xC8, 0x00}},
                      WriteCase{control_page, "txtECOSpeedLimitKpGain", "50000", 14, {0xFF, 0x7F}},
                      WriteCase{control_page, "txtbackSteps", "300", 26, {0xFF}},
                      WriteCase{control_page, "txtbackSteps", "-1", 26, {0x00}},
                      WriteCase{control_page, "txtSpeedLimitKpGain", "2.9", 2, {0x02, 0x00}},
                      WriteCase{control_page, "txtCommutaTimeout", "2.9", 30, {0x02}}),
    ByFieldAndText{});

INSTANTIATE_TEST_SUITE_P(
    Protection, FieldWrite,
    ::testing::Values(WriteCase{protection_page, "txtTempLimit", "60000", 9, {0xFF}},
                      WriteCase{protection_page, "txtIacLimit", "56000", 6, {0xFF}},
                      WriteCase{protection_page, "txtConstPT1", "300", 12, {0x2C, 0x01}},
                      WriteCase{protection_page, "txtConstPT7", "300", 24, {0xFF}},
                      WriteCase{protection_page, "txtConstPT13", "70", 25, {0x46}},
                      WriteCase{protection_page, "txtConstPT8", "61", 26, {0x3D}},
                      WriteCase{protection_page, "txtConstPT12", "80", 30, {0x50}}),
    ByFieldAndText{});

// ---------------------------------------------------------------------------------------------
// Reply bytes -> shown text.

struct ReadCase {
    PageFn page;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    const char* field;
    const char* shown;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.field << " -> " << c.shown;
}

class FieldRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FieldRead, ShowsExpectedText) {
    const ReadCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{c.offset, c.bytes}}), state, kDot);
    const std::size_t i = index_of(page, c.field);
    EXPECT_EQ(shown_text(page.fields[i], state.fields[i]), c.shown);
    EXPECT_TRUE(state.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FieldRead,
    ::testing::Values(ReadCase{basic_page, 2, {0x5E, 0x01}, "txtMaxspeed", "350"},
                      ReadCase{basic_page, 4, {0x4A, 0x00}, "txtBspeed", "-74"},
                      ReadCase{basic_page, 4, {0x00, 0x00}, "txtBspeed", "0"},
                      ReadCase{basic_page, 22, {0x1E}, "txtSpeedFluxQuit", "3000"},
                      ReadCase{basic_page, 6, {0x39, 0x30}, "txtEcospeed", "12345"},
                      ReadCase{basic_page, 16, {0x00, 0x00}, "txthFlux_Acc", "0"},
                      ReadCase{reference_page, 2, {0x52, 0x1C}, "txtVoltageH", "72.5"},
                      ReadCase{reference_page, 6, {0x68, 0x06}, "txtVoltageL", "16.4"},
                      ReadCase{reference_page, 6, {0x67, 0x06}, "txtVoltageL", "16.39"},
                      ReadCase{reference_page, 10, {0x6A, 0x18}, "txtRegHighV", "62.5"},
                      ReadCase{reference_page, 12, {0x1D, 0x00}, "txtRegLowV", "0.29"},
                      ReadCase{reference_page, 14, {0xFF, 0xFF}, "txtIdclimitHighV", "655.35"},
                      ReadCase{reference_page, 18, {0xA0}, "txtFluxCompToVdc", "160"},
                      ReadCase{motor_page, 6, {0x46, 0x80}, "txtAngle_degree_BDir", "-70"},
                      ReadCase{motor_page, 3, {0xB3, 0x00}, "txtAngle_degree_FDir", "179"},
                      ReadCase{motor_page, 3, {0x00, 0x80}, "txtAngle_degree_FDir", "0"},
                      ReadCase{motor_page, 22, {0x01}, "txtHallRefAcc", "10"},
                      ReadCase{motor_page, 5, {0x05}, "cboMTherType", "KTY83"},
                      ReadCase{motor_page, 5, {0x02}, "cboMTherType", "NTC_230k"},
                      ReadCase{motor_page, 5, {0x00}, "cboMTherType", "PTC_1k"},
                      ReadCase{motor_page, 5, {0x09}, "cboMTherType", "KTY83"},
                      ReadCase{motor_page, 30, {0x01}, "cboHallGrp", "Hall B"},
                      ReadCase{control_page, 14, {0xC8, 0x00}, "txtECOSpeedLimitKpGain", "200"},
                      ReadCase{protection_page, 25, {0x46}, "txtConstPT13", "70"},
                      ReadCase{protection_page, 24, {0x75}, "txtConstPT7", "117"}),
    [](const ::testing::TestParamInfo<ReadCase>& p) {
        return label_name(p.param.field) + "_from_" + bytes_name(p.param.bytes);
    });

// ---------------------------------------------------------------------------------------------
// Design-time frames: what a write sends before any reply has filled the page.

struct DesignCase {
    PageFn page;
    std::vector<std::uint8_t> payload; // bytes 2..30
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.page().window;
}

class DesignFrame : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignFrame, EncodesDesignTexts) {
    const DesignCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    EXPECT_FALSE(state.filled);
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    ASSERT_EQ(c.payload.size(), 29U);
    EXPECT_EQ(slice(*frame, 2, 29), c.payload);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DesignFrame,
    ::testing::Values(
        // 350, -(74) -> 0, 75, 1500, 1500, 750, 750, ".9", "3.7", "2.03", 3000/100, 50, "50.5",
        // 1200 -> 255, 340 -> 255, 50
        DesignCase{basic_page, {0x5E, 0x01, 0x00, 0x00, 0x4B, 0x00, 0xDC, 0x05, 0xDC, 0x05,
                                0xEE, 0x02, 0xEE, 0x02, 0x00, 0x00, 0x03, 0x00, 0x02, 0x00,
                                0x1E, 0x32, 0x00, 0x32, 0x00, 0xFF, 0xFF, 0x32, 0x00}},
        // 20000, -92 -> 0, 600, 6875, 6250, 0, 8500, 75000 -> 32767, 10, 57.5 -> 58, 55, 20,
        // 100, 88, 800 -> 255, 150, 180, 150, 350
        DesignCase{reference_page, {0x20, 0x4E, 0x00, 0x00, 0x58, 0x02, 0xDB, 0x1A, 0x6A, 0x18,
                                    0x00, 0x00, 0x34, 0x21, 0xFF, 0x7F, 0x0A, 0x3A, 0x37, 0x14,
                                    0x64, 0x58, 0x00, 0xFF, 0x96, 0xB4, 0x96, 0x5E, 0x01}},
        // 23, 92, PTC_1k -> 1, -70, 30, 60 x 6, 16, 2, 16, 220, 16, 140, 120, 80/10, 1/10 -> 1,
        // 60 x 6, Hall A -> 0
        DesignCase{motor_page, {0x17, 0x5C, 0x00, 0x01, 0x46, 0x80, 0x1E, 0x3C, 0x3C, 0x3C,
                                0x3C, 0x3C, 0x3C, 0x10, 0x02, 0x10, 0xDC, 0x10, 0x8C, 0x78,
                                0x08, 0x01, 0x3C, 0x3C, 0x3C, 0x3C, 0x3C, 0x3C, 0x00}},
        DesignCase{control_page, {0x0C, 0x00, 0x08, 0x00, 0x08, 0x00, 0x1E, 0x00, 0x01, 0x00,
                                  0x05, 0x00, 0xC8, 0x00, 0x01, 0x00, 0x05, 0x00, 0x01, 0x00,
                                  0x02, 0x00, 0x19, 0x00, 0x28, 0x1E, 0x14, 0x0A, 0x05}},
        // 250, 4, 85, 350 -> 255, 56000 -> 255, 57500 -> 255, 70, 60000 -> 255, 100,
        // 6000 -> 255, 60 x 4, 4, 4, 117, 70 (point 13), 60 x 4, 80
        DesignCase{protection_page, {0xFA, 0x04, 0x55, 0xFF, 0xFF, 0xFF, 0x46, 0xFF, 0x64, 0xFF,
                                     0x3C, 0x00, 0x3C, 0x00, 0x3C, 0x00, 0x3C, 0x00, 0x04, 0x00,
                                     0x04, 0x00, 0x75, 0x46, 0x3C, 0x3C, 0x3C, 0x3C, 0x50}}),
    [](const ::testing::TestParamInfo<DesignCase>& p) { return page_name(p.param.page().id); });

// ---------------------------------------------------------------------------------------------
// The reply origin: unchanged text writes back what the reply carried; edited text converts.

struct OriginCase {
    PageFn page;
    std::size_t offset;
    std::vector<std::uint8_t> reply;
    const char* field;
    const char* edit; // nullptr: leave the text as the reply showed it
    std::vector<std::uint8_t> stored;
};

void PrintTo(const OriginCase& c, std::ostream* os) {
    *os << c.field << (c.edit ? std::string(" edited to ") + c.edit : std::string(" unedited"));
}

class ReplyOriginRule : public ::testing::TestWithParam<OriginCase> {};

TEST_P(ReplyOriginRule, WritesRawOnlyWhileUnedited) {
    const OriginCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{c.offset, c.reply}}), state, kDot);
    if (c.edit != nullptr) {
        ASSERT_TRUE(set_field_text(page, state, c.field, c.edit).ok());
    }
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(slice(*frame, c.offset, c.stored.size()), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ReplyOriginRule,
    ::testing::Values(
        // A stored 29 shows 0.29; typed again as the same text it stays 29.
        OriginCase{reference_page, 12, {0x1D, 0x00}, "txtRegLowV", nullptr, {0x1D, 0x00}},
        OriginCase{reference_page, 12, {0x1D, 0x00}, "txtRegLowV", "0.29", {0x1D, 0x00}},
        OriginCase{reference_page, 12, {0x1D, 0x00}, "txtRegLowV", "0.3", {0x1E, 0x00}},
        // Above the write clamp: kept while unedited, clamped once edited.
        OriginCase{basic_page, 2, {0x40, 0x9C}, "txtMaxspeed", nullptr, {0x40, 0x9C}},
        OriginCase{basic_page, 2, {0x40, 0x9C}, "txtMaxspeed", "40001", {0xFF, 0x7F}},
        OriginCase{basic_page, 4, {0x40, 0x9C}, "txtBspeed", nullptr, {0x40, 0x9C}},
        // A lone sign bit (negative zero) survives a read-then-write.
        OriginCase{motor_page, 3, {0x00, 0x80}, "txtAngle_degree_FDir", nullptr, {0x00, 0x80}},
        OriginCase{motor_page, 3, {0x00, 0x80}, "txtAngle_degree_FDir", "1", {0x01, 0x00}},
        // Below the lower limit 1: kept while unedited.
        OriginCase{motor_page, 22, {0x00}, "txtHallRefAcc", nullptr, {0x00}},
        OriginCase{motor_page, 22, {0x00}, "txtHallRefAcc", "5", {0x01}},
        OriginCase{motor_page, 9, {0x05}, "txtFrmHallSec1", nullptr, {0x05}},
        OriginCase{motor_page, 9, {0x05}, "txtFrmHallSec1", "6", {0x14}},
        // Lenient field above its clamp.
        OriginCase{reference_page, 18, {0xC8}, "txtFluxCompToVdc", nullptr, {0xC8}},
        OriginCase{reference_page, 18, {0xC8}, "txtFluxCompToVdc", "201", {0xA0}}),
    [](const ::testing::TestParamInfo<OriginCase>& p) {
        const OriginCase& c = p.param;
        return label_name(c.field) + "_" + (c.edit == nullptr ? "as_read" : text_name(c.edit));
    });

TEST(ReplyOrigin, SurvivesRepeatedWrites) {
    const PageSchema& page = reference_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{6, {0x67, 0x06}}}), state, kDot);
    for (int round = 0; round < 2; ++round) {
        const auto frame = encode(page, state, kDot);
        ASSERT_TRUE(frame.ok());
        EXPECT_EQ(load_u16le(*frame, 6), 1639);
    }
}

TEST(ReplyOrigin, MendedVoltageReadsBackAsTyped) {
    const PageSchema& page = reference_page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, "txtVoltageL", "16.4").ok());
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ(load_u16le(*frame, 6), 1640);
    Unit reply = *frame;
    reply[1] = page_codes(page.id).read;
    PageState shown = design_state(page);
    decode_into(page, reply, shown, kDot);
    EXPECT_EQ(shown.fields[index_of(page, "txtVoltageL")].text, "16.4");
}

// ---------------------------------------------------------------------------------------------
// Refusals: the write stops, the error names the field and the text.

struct RefusalCase {
    PageFn page;
    const char* field;
    const char* text;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.field << " = \"" << c.text << "\"";
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesFieldAndLeavesStateAlone) {
    const RefusalCase& c = GetParam();
    const PageSchema& page = c.page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, c.field, c.text).ok());
    const PageState before = state;
    const auto frame = encode(page, state, kDot);
    ASSERT_FALSE(frame.ok());
    EXPECT_EQ(frame.error().field, c.field);
    EXPECT_EQ(frame.error().message, c.message);
    ASSERT_EQ(state.fields.size(), before.fields.size());
    for (std::size_t i = 0; i < state.fields.size(); ++i) {
        EXPECT_EQ(state.fields[i].text, before.fields[i].text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Refusal,
    ::testing::Values(
        RefusalCase{basic_page, "txtMaxspeed", "abc",
                    "\"Max speed[rpm]\": \"abc\" is not a number. Nothing was written."},
        RefusalCase{basic_page, "txtConstPT0", "",
                    "\"Max Iac pk[A]\": \"\" is not a number. Nothing was written."},
        RefusalCase{reference_page, "txtVoltageH", "7x",
                    "\"Over vdc[V]\": \"7x\" is not a number. Nothing was written."},
        RefusalCase{reference_page, "txtVoltageH", "1e40",
                    "\"Over vdc[V]\": \"1e40\" is out of range. Nothing was written."},
        RefusalCase{motor_page, "txtPolePairN", "x",
                    "\"Pole pairs num\": \"x\" is not a number. Nothing was written."},
        RefusalCase{motor_page, "txtHallRefAcc", "",
                    "\"Acc of iq at HallC\": \"\" is not a number. Nothing was written."},
        RefusalCase{control_page, "txtbackSteps", "99999999999",
                    "\"Back steps threshold\": \"99999999999\" is out of range. Nothing was "
                    "written."},
        RefusalCase{protection_page, "txtConstPT13", "-9e12",
                    "\"Iqref 13[A]\": \"-9e12\" is out of range. Nothing was written."}),
    ByFieldAndText{});

TEST(RefusalMessage, NamesCaptionAndText) {
    const PageSchema& page = basic_page();
    EXPECT_EQ(refusal_message(page.fields[index_of(page, "txtBspeed")], "q"),
              "\"Back speed[rpm]\": \"q\" is not a number. Nothing was written.");
}

// ---------------------------------------------------------------------------------------------
// The user's number format.

struct LocaleCase {
    const char* field;
    const char* text;
    std::size_t offset;
    std::vector<std::uint8_t> stored;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.field << " = " << c.text;
}

class CommaLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CommaLocale, StoresExpectedBytes) {
    const LocaleCase& c = GetParam();
    const PageSchema& page = reference_page();
    PageState state = design_state(page);
    // Filled from a reply first: design texts such as "68.75" are not numbers here.
    decode_into(page, reply_of(page), state, kComma);
    ASSERT_TRUE(set_field_text(page, state, c.field, c.text).ok());
    const auto frame = encode(page, state, kComma);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(slice(*frame, c.offset, c.stored.size()), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Reference, CommaLocale,
    ::testing::Values(LocaleCase{"txtVoltageH", "72,5", 2, {0x52, 0x1C}},
                      LocaleCase{"txtVoltageL", "16,4", 6, {0x68, 0x06}},
                      // The lenient fields read "." only: the comma ends the number.
                      LocaleCase{"txtIdcMinPerc", "57,5", 19, {0x39}},
                      LocaleCase{"txtIdcMinPerc", "57.5", 19, {0x3A}}),
    ByFieldAndText{});

TEST(CommaLocaleRead, ShowsLocaleSeparator) {
    const PageSchema& page = reference_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{2, {0x52, 0x1C}}}), state, kComma);
    EXPECT_EQ(state.fields[index_of(page, "txtVoltageH")].text, "72,5");
}

// ---------------------------------------------------------------------------------------------
// Lists on the Motor page.

TEST(MotorLists, DesignStateSelectsFirstItems) {
    const PageSchema& page = motor_page();
    const PageState state = design_state(page);
    const FieldState& therm = state.fields[index_of(page, "cboMTherType")];
    const FieldState& group = state.fields[index_of(page, "cboHallGrp")];
    EXPECT_EQ(therm.index, 0);
    EXPECT_EQ(therm.text, "PTC_1k");
    EXPECT_EQ(group.index, 0);
    EXPECT_EQ(group.text, "Hall A");
}

TEST(MotorLists, HallGroupOutOfRangeKeepsSelection) {
    const PageSchema& page = motor_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{30, {0x01}}}), state, kDot);
    decode_into(page, reply_of(page, {{30, {0x07}}}), state, kDot);
    const FieldState& group = state.fields[index_of(page, "cboHallGrp")];
    EXPECT_EQ(group.index, 1);
    EXPECT_EQ(group.text, "Hall B");
}

struct SetTextCase {
    const char* field;
    const char* text;
    bool accepted;
};

void PrintTo(const SetTextCase& c, std::ostream* os) {
    *os << c.field << " = " << c.text;
}

class MotorSetText : public ::testing::TestWithParam<SetTextCase> {};

TEST_P(MotorSetText, AcceptsOnlyExistingItems) {
    const SetTextCase& c = GetParam();
    const PageSchema& page = motor_page();
    PageState state = design_state(page);
    const auto r = set_field_text(page, state, c.field, c.text);
    EXPECT_EQ(r.ok(), c.accepted);
    if (!r.ok()) {
        EXPECT_EQ(r.error().field, c.field);
        EXPECT_FALSE(r.error().message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Motor, MotorSetText,
                         ::testing::Values(SetTextCase{"cboMTherType", "NO", true},
                                           SetTextCase{"cboMTherType", "KTY84", false},
                                           SetTextCase{"cboMTherType", "", false},
                                           SetTextCase{"cboHallGrp", "Hall C", false},
                                           SetTextCase{"txtPolePairN", "anything", true},
                                           SetTextCase{"txtNoSuchField", "1", false}),
                         ByFieldAndText{});

} // namespace

#include "link/frames.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace motiview;
using motiview::test::page_name;
using motiview::test::text_name;

namespace {

Unit unit_of(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2 = 0, std::uint8_t last = kEndByte) {
    Unit u{};
    u[0] = b0;
    u[1] = b1;
    u[2] = b2;
    u[31] = last;
    return u;
}

// ---- hex text ---------------------------------------------------------------------------

TEST(HexText, WritesUpperCaseBytesWithSingleSpaces) {
    const Bytes b{0xF0, 0xE0, 0xDA, 0x00, 0x0A};
    EXPECT_EQ(to_hex(b), "F0 E0 DA 00 0A");
    EXPECT_EQ(to_hex(Bytes{}), "");
}

struct HexCase {
    const char* text;
    std::optional<Bytes> bytes;
};

class HexParse : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexParse, ReadsBytesOrRefuses) {
    EXPECT_EQ(parse_hex(GetParam().text), GetParam().bytes) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexParse,
    ::testing::Values(HexCase{"F0E0DA", Bytes{0xF0, 0xE0, 0xDA}},
                      HexCase{"f0 e0 da", Bytes{0xF0, 0xE0, 0xDA}},
                      HexCase{"  fd  48\t55 ", Bytes{0xFD, 0x48, 0x55}}, HexCase{"", Bytes{}},
                      HexCase{"F", std::nullopt}, HexCase{"F0E", std::nullopt},
                      HexCase{"F 0", std::nullopt}, HexCase{"G0", std::nullopt},
                      HexCase{"F0,E0", std::nullopt}, HexCase{"0x10", std::nullopt}),
    [](const ::testing::TestParamInfo<HexCase>& p) { return text_name(p.param.text); });

// ---- page codes and fixed frames --------------------------------------------------------

struct PageCase {
    PageId page;
    PageCodes codes;
};

class PageCodesTable : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageCodesTable, MatchesTheCommandTable) {
    const auto& c = GetParam();
    const PageCodes got = page_codes(c.page);
    EXPECT_EQ(got.group, c.codes.group);
    EXPECT_EQ(got.read, c.codes.read);
    EXPECT_EQ(got.write, c.codes.write);
    const ShortFrame expected{c.codes.group, c.codes.read, kEndByte};
    EXPECT_EQ(frame_set().read(c.page), expected) << to_hex(frame_set().read(c.page));
}

INSTANTIATE_TEST_SUITE_P(Pages, PageCodesTable,
                         ::testing::Values(PageCase{PageId::Basic, {0xF0, 0xE0, 0xE1}},
                                           PageCase{PageId::Reference, {0xF2, 0xE2, 0xE3}},
                                           PageCase{PageId::Motor, {0xF6, 0xE6, 0xE7}},
                                           PageCase{PageId::Control, {0xF4, 0xE4, 0xE5}},
                                           PageCase{PageId::TorquePid, {0xD2, 0xC2, 0xC3}},
                                           PageCase{PageId::Protection, {0xF8, 0xE8, 0xE9}},
                                           PageCase{PageId::ModeSet, {0xD7, 0xC7, 0xC8}},
                                           PageCase{PageId::Other, {0xFE, 0xEE, 0xEF}},
                                           PageCase{PageId::FluxWeaken, {0xD6, 0xC6, 0xC7}},
                                           PageCase{PageId::Derate, {0xD5, 0xC5, 0xC6}},
                                           PageCase{PageId::Hardware, {0xFB, 0xED, 0xEE}}),
                         [](const ::testing::TestParamInfo<PageCase>& p) {
                             return page_name(p.param.page);
                         });

TEST(FixedFrames, CommandsHaveTheirExactBytes) {
    const FrameSet& f = frame_set();
    EXPECT_EQ(to_hex(f.statusRequest), "FD 48 55");
    EXPECT_EQ(to_hex(f.counterReset), "FB EC DA");
    EXPECT_EQ(to_hex(f.hallTestA), "FC EC DA");
    EXPECT_EQ(to_hex(f.hallTestB), "FC ED DA");
    EXPECT_EQ(to_hex(f.hallTestStop), "FC EE DA");
}

TEST(FixedFrames, OnlyTheStatusRequestLacksTheEndByte) {
    const FrameSet& f = frame_set();
    for (PageId p : kAllPages) {
        EXPECT_EQ(f.read(p)[2], kEndByte);
    }
    for (const ShortFrame* s : {&f.counterReset, &f.hallTestA, &f.hallTestB, &f.hallTestStop}) {
        EXPECT_EQ((*s)[2], kEndByte);
    }
    EXPECT_NE(f.statusRequest[2], kEndByte);
}

TEST(FixedFrames, BuiltOnceAndShared) {
    EXPECT_EQ(&frame_set(), &frame_set());
}

// ---- classification ---------------------------------------------------------------------

struct ClassCase {
    const char* name;
    Unit unit;
    UnitKind kind;
    std::optional<PageId> page;
    const char* ack; // "" when not an acknowledgement
};

class Classify : public ::testing::TestWithParam<ClassCase> {};

TEST_P(Classify, ByControllerTable) {
    const auto& c = GetParam();
    const Classification got = classify(c.unit);
    EXPECT_EQ(kind_name(got.kind), kind_name(c.kind));
    EXPECT_EQ(got.page, c.page);
    EXPECT_EQ(ack_text(got), c.ack);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerFrames, Classify,
    ::testing::Values(
        ClassCase{"status", unit_of(0xDF, 0xEF), UnitKind::Status, std::nullopt, ""},
        ClassCase{"basic_reply", unit_of(0xF0, 0xE0), UnitKind::ParameterReply, PageId::Basic, ""},
        ClassCase{"basic_ack", unit_of(0xF0, 0xE1), UnitKind::WriteAck, PageId::Basic,
                  "Basic set successfull!"},
        ClassCase{"reference_reply", unit_of(0xF2, 0xE2), UnitKind::ParameterReply,
                  PageId::Reference, ""},
        ClassCase{"reference_ack", unit_of(0xF2, 0xE3), UnitKind::WriteAck, PageId::Reference,
                  "Reference set successfull!"},
        ClassCase{"control_reply", unit_of(0xF4, 0xE4), UnitKind::ParameterReply, PageId::Control,
                  ""},
        ClassCase{"control_ack", unit_of(0xF4, 0xE5), UnitKind::WriteAck, PageId::Control,
                  "Control set successfull!"},
        ClassCase{"motor_reply", unit_of(0xF6, 0xE6), UnitKind::ParameterReply, PageId::Motor, ""},
        ClassCase{"motor_ack", unit_of(0xF6, 0xE7), UnitKind::WriteAck, PageId::Motor,
                  "Motor set successfull!"},
        ClassCase{"protection_reply", unit_of(0xF8, 0xE8), UnitKind::ParameterReply,
                  PageId::Protection, ""},
        ClassCase{"protection_ack", unit_of(0xF8, 0xE9), UnitKind::WriteAck, PageId::Protection,
                  "Protection set successfull!"},
        ClassCase{"other_reply", unit_of(0xFE, 0xEE), UnitKind::ParameterReply, PageId::Other, ""},
        ClassCase{"other_ack", unit_of(0xFE, 0xEF), UnitKind::WriteAck, PageId::Other,
                  "Other set successfull!"},
        ClassCase{"torque_reply", unit_of(0xD2, 0xC2), UnitKind::ParameterReply, PageId::TorquePid,
                  ""},
        ClassCase{"torque_ack", unit_of(0xD2, 0xC3), UnitKind::WriteAck, PageId::TorquePid,
                  "Torque PID set successfull!"},
        ClassCase{"derate_reply", unit_of(0xD5, 0xC5), UnitKind::ParameterReply, PageId::Derate,
                  ""},
        ClassCase{"derate_ack_C6", unit_of(0xD5, 0xC6), UnitKind::WriteAck, PageId::Derate,
                  "Derate set successfull!"},
        ClassCase{"flux_reply_C6", unit_of(0xD6, 0xC6), UnitKind::ParameterReply,
                  PageId::FluxWeaken, ""},
        ClassCase{"flux_ack", unit_of(0xD6, 0xC7), UnitKind::WriteAck, PageId::FluxWeaken,
                  "Flux weaken set successfull!"},
        ClassCase{"mode_reply_C7", unit_of(0xD7, 0xC7), UnitKind::ParameterReply, PageId::ModeSet,
                  ""},
        ClassCase{"mode_ack", unit_of(0xD7, 0xC8), UnitKind::WriteAck, PageId::ModeSet,
                  "Mode set successfull!"},
        ClassCase{"hardware_reply_ED", unit_of(0xFB, 0xED), UnitKind::ParameterReply,
                  PageId::Hardware, ""},
        ClassCase{"hardware_reply_EC", unit_of(0xFB, 0xEC), UnitKind::ParameterReply,
                  PageId::Hardware, ""},
        ClassCase{"hardware_ack_EE", unit_of(0xFB, 0xEE), UnitKind::WriteAck, PageId::Hardware,
                  "Idc calibration successfull!"},
        ClassCase{"hardware_EB_unknown", unit_of(0xFB, 0xEB), UnitKind::Unknown, std::nullopt, ""},
        ClassCase{"user_info", unit_of(0xF1, 0xE1, 0xA2), UnitKind::UserInfo, std::nullopt, ""},
        ClassCase{"user_info_ack", unit_of(0xF1, 0xE2, 0xA2), UnitKind::UserInfoAck, std::nullopt,
                  "User info set successfull!"},
        ClassCase{"user_info_without_A2", unit_of(0xF1, 0xE1, 0xA1), UnitKind::Unknown,
                  std::nullopt, ""},
        ClassCase{"user_ack_without_A2", unit_of(0xF1, 0xE2, 0x00), UnitKind::Unknown, std::nullopt,
                  ""},
        ClassCase{"assist_reply", unit_of(0xD0, 0xC0), UnitKind::AssistReply, std::nullopt, ""},
        ClassCase{"assist_ack", unit_of(0xD0, 0xC1), UnitKind::AssistAck, std::nullopt,
                  "Assist set successfull!"},
        ClassCase{"factory_set", unit_of(0xFA, 0xEA), UnitKind::FactorySetAck, std::nullopt,
                  "Factory set successfull!"},
        ClassCase{"factory_restore", unit_of(0xFA, 0xEB), UnitKind::FactoryRestoreAck, std::nullopt,
                  "Restore to default successfull!"},
        ClassCase{"throttle", unit_of(0xFF, 0xFE), UnitKind::ThrottleWarning, std::nullopt, ""},
        ClassCase{"hall_a_running", unit_of(0xFF, 0xFD), UnitKind::HallARunning, std::nullopt, ""},
        ClassCase{"hall_a_done", unit_of(0xFF, 0xFC), UnitKind::HallADone, PageId::Motor, ""},
        ClassCase{"hall_b_running", unit_of(0xFF, 0xFB), UnitKind::HallBRunning, std::nullopt, ""},
        ClassCase{"hall_b_done", unit_of(0xFF, 0xFA), UnitKind::HallBDone, PageId::Protection, ""},
        ClassCase{"calibration", unit_of(0xFF, 0xF9), UnitKind::CalibrationReply, std::nullopt, ""},
        ClassCase{"unknown_11_22", unit_of(0x11, 0x22), UnitKind::Unknown, std::nullopt, ""},
        ClassCase{"status_group_other_code", unit_of(0xDF, 0xEE), UnitKind::Unknown, std::nullopt,
                  ""},
        ClassCase{"notice_F8", unit_of(0xFF, 0xF8), UnitKind::Unknown, std::nullopt, ""},
        ClassCase{"known_code_ending_00", unit_of(0xF0, 0xE0, 0, 0x00), UnitKind::Broken,
                  std::nullopt, ""},
        ClassCase{"status_ending_DB", unit_of(0xDF, 0xEF, 0, 0xDB), UnitKind::Broken, std::nullopt,
                  ""}),
    [](const ::testing::TestParamInfo<ClassCase>& i) { return std::string(i.param.name); });

TEST(KindNames, AreDistinctAndStable) {
    const UnitKind all[] = {UnitKind::Broken,          UnitKind::Status,
                            UnitKind::ParameterReply,  UnitKind::WriteAck,
                            UnitKind::UserInfo,        UnitKind::UserInfoAck,
                            UnitKind::AssistReply,     UnitKind::AssistAck,
                            UnitKind::FactorySetAck,   UnitKind::FactoryRestoreAck,
                            UnitKind::ThrottleWarning, UnitKind::HallARunning,
                            UnitKind::HallADone,       UnitKind::HallBRunning,
                            UnitKind::HallBDone,       UnitKind::CalibrationReply,
                            UnitKind::Unknown};
    std::set<std::string_view> names;
    for (UnitKind k : all) {
        EXPECT_TRUE(names.insert(kind_name(k)).second) << kind_name(k);
    }
    EXPECT_EQ(kind_name(UnitKind::Status), "status");
    EXPECT_EQ(kind_name(UnitKind::ParameterReply), "parameter-reply");
    EXPECT_EQ(kind_name(UnitKind::WriteAck), "write-ack");
    EXPECT_EQ(kind_name(UnitKind::UserInfo), "user-info");
    EXPECT_EQ(kind_name(UnitKind::Broken), "broken");
    EXPECT_EQ(kind_name(UnitKind::Unknown), "unknown");
    EXPECT_EQ(kind_name(UnitKind::HallADone), "hall-a-done");
}

} // namespace

#include "link/receiver.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using namespace motiview;

using motiview::test::unit_of;

namespace {

// A user-info reply whose bytes 3.. are `name`.
Unit user_info(std::initializer_list<std::uint8_t> name) {
    Unit u = unit_of(0xF1, 0xE1, 0xA2);
    std::size_t i = 3;
    for (std::uint8_t b : name) {
        u[i++] = b;
    }
    return u;
}

// ---- link state and silence -------------------------------------------------------------

struct StateCase {
    const char* name;
    LinkState before;
    Unit unit;
    LinkState after;
};

class StatusFrameState : public ::testing::TestWithParam<StateCase> {};

TEST_P(StatusFrameState, OnlyAStatusFrameCompletesConnecting) {
    const auto& c = GetParam();
    LinkShared link;
    link.state = c.before;
    link.silence = 15;
    (void)receive_unit(c.unit, link);
    EXPECT_EQ(link.state, c.after);
    EXPECT_EQ(link.silence, 0);
}

INSTANTIATE_TEST_SUITE_P(States, StatusFrameState,
                         ::testing::Values(StateCase{"status_connecting", LinkState::Connecting,
                                                     unit_of(0xDF, 0xEF), LinkState::Online},
                                           StateCase{"status_online", LinkState::Online,
                                                     unit_of(0xDF, 0xEF), LinkState::Online},
                                           StateCase{"status_offline", LinkState::Offline,
                                                     unit_of(0xDF, 0xEF), LinkState::Offline},
                                           StateCase{"reply_connecting", LinkState::Connecting,
                                                     unit_of(0xF0, 0xE0), LinkState::Connecting},
                                           StateCase{"ack_connecting", LinkState::Connecting,
                                                     unit_of(0xF0, 0xE1), LinkState::Connecting},
                                           StateCase{"unknown_connecting", LinkState::Connecting,
                                                     unit_of(0x11, 0x22), LinkState::Connecting}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ReceiveUnit, ValidUnknownUnitResetsSilenceAndShowsNothing) {
    LinkShared link;
    link.silence = 19;
    link.broken = true;
    const Action a = receive_unit(unit_of(0x11, 0x22), link);
    EXPECT_EQ(a.type, ActionType::None);
    EXPECT_EQ(a.kind, UnitKind::Unknown);
    EXPECT_TRUE(a.text.empty());
    EXPECT_EQ(link.silence, 0);
    EXPECT_FALSE(link.broken);
}

TEST(ReceiveUnit, BrokenUnitSetsFlagAndKeepsSilence) {
    LinkShared link;
    link.state = LinkState::Connecting;
    link.silence = 7;
    // A known code is not decoded when the end byte is wrong.
    const Action a = receive_unit(unit_of(0xDF, 0xEF, 0, 0x00), link);
    EXPECT_EQ(a.type, ActionType::None);
    EXPECT_EQ(a.kind, UnitKind::Broken);
    EXPECT_TRUE(link.broken);
    EXPECT_EQ(link.silence, 7);
    EXPECT_EQ(link.state, LinkState::Connecting);
}

TEST(ReceiveUnit, NextValidUnitClearsTheBrokenFlag) {
    LinkShared link;
    (void)receive_unit(unit_of(0xF0, 0xE0, 0, 0x12), link);
    ASSERT_TRUE(link.broken);
    (void)receive_unit(unit_of(0xD0, 0xC0), link);
    EXPECT_FALSE(link.broken);
}

// ---- actions ----------------------------------------------------------------------------

struct ActionCase {
    const char* name;
    Unit unit;
    ActionType type;
    std::optional<PageId> page;
    const char* text;
    bool hallDone;
    const char* hallText;
};

class Dispatch : public ::testing::TestWithParam<ActionCase> {};

TEST_P(Dispatch, GivesTheActionOfItsRow) {
    const auto& c = GetParam();
    LinkShared link;
    const Action a = receive_unit(c.unit, link);
    EXPECT_EQ(a.type, c.type);
    EXPECT_EQ(a.page, c.page);
    EXPECT_EQ(a.text, c.text);
    EXPECT_EQ(a.hallDone, c.hallDone);
    EXPECT_EQ(a.hallText, c.hallText);
    EXPECT_EQ(a.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Dispatch,
    ::testing::Values(ActionCase{"status", unit_of(0xDF, 0xEF), ActionType::Status, std::nullopt,
                                 "", false, ""},
                      ActionCase{"basic_reply", unit_of(0xF0, 0xE0), ActionType::PageReply,
                                 PageId::Basic, "", false, ""},
                      ActionCase{"hardware_after_reset", unit_of(0xFB, 0xEC), ActionType::PageReply,
                                 PageId::Hardware, "", false, ""},
                      ActionCase{"flux_reply", unit_of(0xD6, 0xC6), ActionType::PageReply,
                                 PageId::FluxWeaken, "", false, ""},
                      ActionCase{"derate_ack", unit_of(0xD5, 0xC6), ActionType::Message,
                                 PageId::Derate, "Derate set successfull!", false, ""},
                      ActionCase{"basic_ack", unit_of(0xF0, 0xE1), ActionType::Message,
                                 PageId::Basic, "Basic set successfull!", false, ""},
                      ActionCase{"hardware_ack", unit_of(0xFB, 0xEE), ActionType::Message,
                                 PageId::Hardware, "Idc calibration successfull!", false, ""},
                      ActionCase{"user_ack", unit_of(0xF1, 0xE2, 0xA2), ActionType::Message,
                                 std::nullopt, "User info set successfull!", false, ""},
                      ActionCase{"assist_ack", unit_of(0xD0, 0xC1), ActionType::Message,
                                 std::nullopt, "Assist set successfull!", false, ""},
                      ActionCase{"factory_set", unit_of(0xFA, 0xEA), ActionType::Message,
                                 std::nullopt, "Factory set successfull!", false, ""},
                      ActionCase{"factory_restore", unit_of(0xFA, 0xEB), ActionType::Message,
                                 std::nullopt, "Restore to default successfull!", false, ""},
                      ActionCase{"throttle", unit_of(0xFF, 0xFE), ActionType::Warning, std::nullopt,
                                 "Make sure the throttle return and motor stops", false, ""},
                      ActionCase{"hall_a_running", unit_of(0xFF, 0xFD), ActionType::HallWindow,
                                 std::nullopt, "Group Hall A is under testing.", false, ""},
                      ActionCase{"hall_b_running", unit_of(0xFF, 0xFB), ActionType::HallWindow,
                                 std::nullopt, "Group Hall B is under testing.", false, ""},
                      ActionCase{"hall_a_done", unit_of(0xFF, 0xFC), ActionType::PageReply,
                                 PageId::Motor, "", true, "Group Hall A test is done."},
                      ActionCase{"hall_b_done", unit_of(0xFF, 0xFA), ActionType::PageReply,
                                 PageId::Protection, "", true, "Group Hall B test is done."},
                      ActionCase{"assist_reply", unit_of(0xD0, 0xC0), ActionType::None,
                                 std::nullopt, "", false, ""},
                      ActionCase{"calibration", unit_of(0xFF, 0xF9), ActionType::None, std::nullopt,
                                 "", false, ""},
                      ActionCase{"user_info_without_A2", unit_of(0xF1, 0xE1, 0x00),
                                 ActionType::None, std::nullopt, "", false, ""},
                      ActionCase{"user_info", user_info({'B', 'o', 'b'}), ActionType::UserName,
                                 std::nullopt, "Bob", false, ""}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- user name --------------------------------------------------------------------------

struct NameCase {
    const char* name;
    Unit unit;
    const char* expected; // UTF-8
};

class UserName : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserName, DecodesBytesThreeToTwentyTwo) {
    EXPECT_EQ(decode_user_name(GetParam().unit), GetParam().expected);
}

Unit full_name() {
    Unit u = unit_of(0xF1, 0xE1, 0xA2);
    for (std::size_t i = 3; i <= 30; ++i) {
        u[i] = static_cast<std::uint8_t>('A' + (i - 3)); // 'A'.. up to byte 30
    }
    return u;
}

INSTANTIATE_TEST_SUITE_P(
    Names, UserName,
    ::testing::Values(NameCase{"plain", user_info({'A', 'l', 'i', 'c', 'e'}), "Alice"},
                      NameCase{"stops_at_zero", user_info({'A', 'b', 0, 'c', 'd'}), "Ab"},
                      NameCase{"byte3_zero_starts_empty", user_info({0, 'x', 'y'}), "xy"},
                      NameCase{"all_zero", user_info({}), ""},
                      NameCase{"byte4_zero", user_info({'Q', 0, 'z'}), "Q"},
                      NameCase{"at_most_byte_22", full_name(), "ABCDEFGHIJKLMNOPQRST"},
                      NameCase{"euro_sign_0x80", user_info({0x80, '5'}),
                               "\xE2\x82\xAC"
                               "5"},
                      NameCase{"e_acute_0xE9", user_info({'J', 'o', 's', 0xE9}), "Jos\xC3\xA9"},
                      NameCase{"undefined_0x81", user_info({'a', 0x81}), "a\xEF\xBF\xBD"},
                      NameCase{"controls_dropped",
                               user_info({'a', '\n', 'b', '\r', 0x1B, 'c', 0x7F, 'd'}), "abcd"},
                      NameCase{"control_in_byte3", user_info({'\t', 'o', 'k'}), "ok"},
                      NameCase{"soft_hyphen_dropped", user_info({'a', 0xAD, 'b'}), "ab"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Cp1252, MapsEveryByteToOneCodePoint) {
    EXPECT_EQ(cp1252_to_utf8('A'), "A");
    EXPECT_EQ(cp1252_to_utf8(0x80), "\xE2\x82\xAC");
    EXPECT_EQ(cp1252_to_utf8(0x9F), "\xC5\xB8"); // Y diaeresis
    EXPECT_EQ(cp1252_to_utf8(0xA0), "\xC2\xA0");
    EXPECT_EQ(cp1252_to_utf8(0xFF), "\xC3\xBF");
    for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(cp1252_to_utf8(static_cast<std::uint8_t>(b)), "\xEF\xBF\xBD") << b;
    }
}

} // namespace

// Field kinds the later pages need (flag bits on check boxes and level lists, check values,
// 1-based lists that clear, the week reset, decode-only and unbound fields, refused ranges),
// exercised on a small page of their own.

#include "pages/page_codec.h"
#include "pages/page_table_builder.h"
#include "pages_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace motiview;
using namespace motiview::test;

namespace {

constexpr std::string_view kLevels[] = {"L", "H"};
constexpr std::string_view kWiring[] = {"W1", "W2", "W3"};

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field          kind             text     rounding  10^n   min    max  range   encoding
    { 2, U16,  "txtReading",  ControllerOwned, Strict,  Floor,     0,      0, 65535, Clamp},
    { 4, U8,   "cmbLevel",    Bit,             Strict,  Floor,     0,      0,     0, Clamp,  enc::bit(0, "H", "L")},
    { 4, U8,   "ChkGate",     Bit,             Strict,  Floor,     0,      0,     0, Clamp,  enc::bit(3)},
    {10, U8,   "txtYear",     Number,          Strict,  Floor,     0,      0,    99, Reject},
    {11, U8,   "txtWeek",     Number,          Strict,  Floor,     0,      0,    55, Clamp,  enc::reset_on_write("0")},
    {24, U8,   "ChkOnline",   CheckValue,      Strict,  Floor,     0,      0,     2, Clamp},
    {26, U8,   "cmbWiring",   ListIndex,       Strict,  Floor,     0,      1,     3, Clamp,  enc::list(1, ListOutOfRange::Clear)},
    {28, U16,  "txtThrottle", Number,          Strict,  Floor,     4,      0, 65535, Clamp,  enc::decimals(3)},
    {30, U8,   "txtSign",     Number,          Strict,  Floor,     0,      0,   255, Clamp,  enc::plus(1)},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "cmbLevel",
     .label = "lblLevel",
     .designLabel = "Level",
     .caption = "Level",
     .designText = "H",
     .widget = Widget::EditableList,
     .items = kLevels,
     .initialIndex = 1},
    {.name = "ChkGate",
     .designLabel = "Gate",
     .caption = "Gate",
     .widget = Widget::Check,
     .enables = "cmbLevel"},
    {.name = "txtReading", .designText = "0", .access = Access::Hidden},
    {.name = "txtWeek",
     .label = "lblWeek",
     .designLabel = "Week",
     .caption = "Week",
     .designText = "27"},
    {.name = "txtYear",
     .label = "lblYear",
     .designLabel = "Year",
     .caption = "Year",
     .designText = "13"},
    {.name = "ChkOnline", .designLabel = "Online", .caption = "PC Online", .widget = Widget::Check},
    {.name = "cmbWiring",
     .label = "lblWiring",
     .designLabel = "Wiring",
     .caption = "Wiring",
     .widget = Widget::List,
     .items = kWiring,
     .initialIndex = 0},
    {.name = "txtThrottle",
     .label = "lblThrottle",
     .designLabel = "Throttle",
     .caption = "Throttle[V]",
     .designText = "0.5"},
    {.name = "txtSign",
     .label = "lblSign",
     .designLabel = "Sign",
     .caption = "Sign",
     .designText = "0"},
    {.name = "txtLoose",
     .label = "lblLoose",
     .designLabel = "Loose",
     .caption = "Loose",
     .designText = "200",
     .unbound = true},
};
static_assert(views_are_sound(kView));

constexpr auto kRows = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kOrder = encoder_order<bound_count(kRows)>(kRows);

const PageSchema& kinds_page() {
    static const PageSchema page{.id = PageId::Hardware,
                                 .codes = page_codes(PageId::Hardware),
                                 .window = "frmKinds",
                                 .cliName = "kinds",
                                 .opener = "cmdKinds",
                                 .designTitle = "Kinds",
                                 .title = "Kinds",
                                 .ackText = "Kinds set",
                                 .fields = kRows,
                                 .encoderOrder = kOrder};
    return page;
}

Unit write_with(std::initializer_list<std::pair<const char*, const char*>> texts) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    for (const auto& [name, text] : texts) {
        EXPECT_TRUE(set_field_text(page, state, name, text).ok()) << name;
    }
    const auto frame = encode(page, state, kDot);
    EXPECT_TRUE(frame.ok()) << (frame.ok() ? "" : frame.error().message);
    return frame.ok() ? *frame : Unit{};
}

// ---------------------------------------------------------------------------------------------

struct FlagCase {
    const char* level; // text of the level list
    const char* gate;  // check value of the gate box
    std::uint8_t flags;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << "level \"" << c.level << "\" gate " << c.gate;
}

class FlagByte : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagByte, SetsOnlyNamedBits) {
    const FlagCase& c = GetParam();
    const Unit frame = write_with({{"cmbLevel", c.level}, {"ChkGate", c.gate}});
    EXPECT_EQ(frame[4], c.flags);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FlagByte,
                         ::testing::Values(FlagCase{"H", "1", 0x09}, FlagCase{"L", "1", 0x08},
                                           FlagCase{" H ", "0", 0x01}, FlagCase{"h", "0", 0x00},
                                           FlagCase{"", "0", 0x00}, FlagCase{"HH", "0", 0x00},
                                           FlagCase{"H", "2", 0x01}, FlagCase{"L", "0", 0x00}),
                         [](const ::testing::TestParamInfo<FlagCase>& p) {
                             return "level_" + text_name(p.param.level) + "_gate_" +
                                    text_name(p.param.gate);
                         });

struct FlagReadCase {
    std::uint8_t flags;
    const char* level;
    int levelIndex;
    CheckState gate;
    bool levelEnabled;
};

void PrintTo(const FlagReadCase& c, std::ostream* os) {
    *os << "flags " << int{c.flags};
}

class FlagRead : public ::testing::TestWithParam<FlagReadCase> {};

TEST_P(FlagRead, ShowsBitsAndEnables) {
    const FlagReadCase& c = GetParam();
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{4, {c.flags}}}), state, kDot);
    const FieldState& level = state.fields[index_of(page, "cmbLevel")];
    EXPECT_EQ(level.text, c.level);
    EXPECT_EQ(level.index, c.levelIndex);
    EXPECT_EQ(level.enabled, c.levelEnabled);
    EXPECT_EQ(state.fields[index_of(page, "ChkGate")].check, c.gate);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FlagRead,
                         ::testing::Values(FlagReadCase{0x09, "H", 1, CheckState::Checked, true},
                                           FlagReadCase{0x01, "H", 1, CheckState::Unchecked, false},
                                           FlagReadCase{0xF6, "L", 0, CheckState::Unchecked, false},
                                           FlagReadCase{0x08, "L", 0, CheckState::Checked, true}),
                         [](const ::testing::TestParamInfo<FlagReadCase>& p) {
                             return "flags_" + hex_name(p.param.flags);
                         });

// ---------------------------------------------------------------------------------------------

struct CheckValueCase {
    const char* typed;
    std::uint8_t stored;
};

class CheckValueWrite : public ::testing::TestWithParam<CheckValueCase> {};

TEST_P(CheckValueWrite, StoresCheckState) {
    EXPECT_EQ(write_with({{"ChkOnline", GetParam().typed}})[24], GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CheckValueWrite,
                         ::testing::Values(CheckValueCase{"0", 0}, CheckValueCase{"1", 1},
                                           CheckValueCase{"2", 2}),
                         [](const ::testing::TestParamInfo<CheckValueCase>& p) {
                             return "typed_" + text_name(p.param.typed);
                         });

TEST(CheckValueRead, AnyNonzeroByteChecks) {
    const PageSchema& page = kinds_page();
    for (const std::uint8_t b : {std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{0xFF}}) {
        PageState state = design_state(page);
        decode_into(page, reply_of(page, {{24, {b}}}), state, kDot);
        EXPECT_EQ(state.fields[index_of(page, "ChkOnline")].check, CheckState::Checked);
    }
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, "ChkOnline", "1").ok());
    decode_into(page, reply_of(page, {{24, {0}}}), state, kDot);
    EXPECT_EQ(state.fields[index_of(page, "ChkOnline")].check, CheckState::Unchecked);
}

TEST(CheckSetText, RefusesOtherValues) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    for (const char* text : {"3", "", "checked", "01"}) {
        const auto r = set_field_text(page, state, "ChkOnline", text);
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.error().field, "ChkOnline");
    }
}

// ---------------------------------------------------------------------------------------------

struct WiringReadCase {
    std::uint8_t stored;
    int index;
    const char* text;
};

class ClearingList : public ::testing::TestWithParam<WiringReadCase> {};

TEST_P(ClearingList, OutOfRangeCodeClearsSelection) {
    const WiringReadCase& c = GetParam();
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{26, {c.stored}}}), state, kDot);
    const std::size_t i = index_of(page, "cmbWiring");
    EXPECT_EQ(state.fields[i].index, c.index);
    EXPECT_EQ(shown_text(page.fields[i], state.fields[i]), c.text);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClearingList,
                         ::testing::Values(WiringReadCase{1, 0, "W1"}, WiringReadCase{3, 2, "W3"},
                                           WiringReadCase{0, -1, ""}, WiringReadCase{4, -1, ""}),
                         [](const ::testing::TestParamInfo<WiringReadCase>& p) {
                             return "code_" + number_name(p.param.stored);
                         });

TEST(ClearingListWrite, NoSelectionStoresLowerLimit) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{26, {0}}}), state, kDot);
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ((*frame)[26], 1);
    EXPECT_EQ(write_with({{"cmbWiring", "W3"}})[26], 3);
}

// ---------------------------------------------------------------------------------------------

TEST(WeekReset, EveryWriteStoresZeroAndLeavesZero) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{11, {0x1B}}}), state, kDot);
    const std::size_t week = index_of(page, "txtWeek");
    EXPECT_EQ(state.fields[week].text, "27");
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ((*frame)[11], 0);
    EXPECT_EQ(state.fields[week].text, "0");
    EXPECT_FALSE(state.fields[week].origin.has_value());
}

TEST(WeekReset, RefusedWriteLeavesWeekAlone) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, "txtThrottle", "bad").ok());
    EXPECT_FALSE(encode(page, state, kDot).ok());
    EXPECT_EQ(state.fields[index_of(page, "txtWeek")].text, "27");
}

// ---------------------------------------------------------------------------------------------

TEST(DecodeOnly, ShownButNeverWritten) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{2, {0x34, 0x12}}}), state, kDot);
    EXPECT_EQ(state.fields[index_of(page, "txtReading")].text, "4660");
    const auto frame = encode(page, state, kDot);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ((*frame)[2], 0);
    EXPECT_EQ((*frame)[3], 0);
}

TEST(Unbound, ReplyLeavesItAndWriteIgnoresIt) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, "txtLoose", "not a number").ok());
    Unit full{};
    full.fill(0xFF);
    decode_into(page, full, state, kDot);
    EXPECT_EQ(state.fields[index_of(page, "txtLoose")].text, "not a number");
    EXPECT_TRUE(encode(page, state, kDot).ok());
}

// ---------------------------------------------------------------------------------------------

struct RejectCase {
    const char* text;
    bool accepted;
    std::uint8_t stored;
};

class RejectRange : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectRange, RefusesOutsideLimits) {
    const RejectCase& c = GetParam();
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    ASSERT_TRUE(set_field_text(page, state, "txtYear", c.text).ok());
    const auto frame = encode(page, state, kDot);
    ASSERT_EQ(frame.ok(), c.accepted);
    if (c.accepted) {
        EXPECT_EQ((*frame)[10], c.stored);
    } else {
        EXPECT_EQ(frame.error().field, "txtYear");
        EXPECT_EQ(frame.error().message, std::string("\"Year\": \"") + c.text +
                                             "\" is out of range. Nothing was written.");
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RejectRange,
                         ::testing::Values(RejectCase{"99", true, 99}, RejectCase{"0", true, 0},
                                           RejectCase{"99.9", true, 99},
                                           RejectCase{"100", false, 0},
                                           RejectCase{"-0.5", false, 0}),
                         [](const ::testing::TestParamInfo<RejectCase>& p) {
                             return "year_" + text_name(p.param.text);
                         });

// ---------------------------------------------------------------------------------------------

struct FixedCase {
    std::vector<std::uint8_t> stored;
    const char* shown;
};

class FixedDecimals : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedDecimals, ShowsThreeDecimals) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{28, GetParam().stored}}), state, kDot);
    EXPECT_EQ(state.fields[index_of(page, "txtThrottle")].text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FixedDecimals,
                         ::testing::Values(FixedCase{{0x88, 0x13}, "0.500"},
                                           FixedCase{{0x40, 0x1F}, "0.800"},
                                           FixedCase{{0x39, 0x30}, "1.235"},
                                           FixedCase{{0xFF, 0xFF}, "6.554"}),
                         [](const ::testing::TestParamInfo<FixedCase>& p) {
                             return "shows_" + text_name(p.param.shown);
                         });

TEST(FixedDecimalsWrite, ThrottleScalesAndClamps) {
    EXPECT_EQ(slice(write_with({{"txtThrottle", "0.8"}}), 28, 2),
              (std::vector<std::uint8_t>{0x40, 0x1F}));
    EXPECT_EQ(slice(write_with({{"txtThrottle", "7"}}), 28, 2),
              (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

struct OffsetCase {
    const char* typed;
    std::uint8_t stored;
};

class OffsetAdd : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetAdd, StoresShownPlusOffset) {
    EXPECT_EQ(write_with({{"txtSign", GetParam().typed}})[30], GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OffsetAdd,
                         ::testing::Values(OffsetCase{"0", 1}, OffsetCase{"-1", 0},
                                           OffsetCase{"-5", 0}, OffsetCase{"1", 2},
                                           OffsetCase{"254", 255}, OffsetCase{"300", 255}),
                         [](const ::testing::TestParamInfo<OffsetCase>& p) {
                             return "typed_" + text_name(p.param.typed);
                         });

TEST(OffsetAddRead, ShowsStoredMinusOffset) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    decode_into(page, reply_of(page, {{30, {0x00}}}), state, kDot);
    EXPECT_EQ(state.fields[index_of(page, "txtSign")].text, "-1");
}

TEST(DesignState, TextsListsAndChecks) {
    const PageSchema& page = kinds_page();
    const PageState state = design_state(page);
    EXPECT_FALSE(state.filled);
    EXPECT_EQ(state.fields[index_of(page, "cmbLevel")].text, "H");
    EXPECT_EQ(state.fields[index_of(page, "cmbLevel")].index, 1);
    EXPECT_EQ(state.fields[index_of(page, "cmbWiring")].text, "W1");
    EXPECT_EQ(state.fields[index_of(page, "ChkOnline")].check, CheckState::Unchecked);
    for (const FieldState& f : state.fields) {
        EXPECT_TRUE(f.enabled);
        EXPECT_FALSE(f.origin.has_value());
    }
}

TEST(EditableList, AnyTextWithMatchingIndex) {
    const PageSchema& page = kinds_page();
    PageState state = design_state(page);
    const std::size_t i = index_of(page, "cmbLevel");
    ASSERT_TRUE(set_field_text(page, state, "cmbLevel", "x").ok());
    EXPECT_EQ(state.fields[i].index, -1);
    EXPECT_EQ(shown_text(page.fields[i], state.fields[i]), "x");
    ASSERT_TRUE(set_field_text(page, state, "cmbLevel", "L").ok());
    EXPECT_EQ(state.fields[i].index, 0);
}

} // namespace

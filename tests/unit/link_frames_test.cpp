#include "link/exchange.h"
#include "link/frames.h"
#include "test_support.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace motiview;
using motiview::test::page_name;
using motiview::test::text_name;

using motiview::test::unit_of;

namespace {

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

// ---- the frame-kind table ---------------------------------------------------------------

UnitKind kind_at(std::size_t i) {
    return static_cast<UnitKind>(i);
}

// One concrete code of a row: the unit that carries it and what classify must make of it.
struct KindCode {
    UnitKind kind;
    std::optional<PageId> page;
    Unit unit;
};

// Every code the controller sends under: the fixed rows once, the page-bound rows once per page
// and picked code.
std::vector<KindCode> every_kind_code() {
    std::vector<KindCode> out;
    for (const FrameKindRow& row : kFrameKinds) {
        const FrameCodes& c = row.codes;
        const std::uint8_t third = c.third.value_or(0);
        if (c.source == CodeSource::Fixed) {
            out.push_back({row.kind, row.page, unit_of(c.group, c.code, third)});
        }
        if (c.source != CodeSource::Page) {
            continue;
        }
        for (PageId id : kAllPages) {
            for (PageCode one : {PageCode::Read, PageCode::Write, PageCode::Reset}) {
                const std::optional<std::uint8_t> code = page_code(page_codes(id), one);
                if (has(c.pageCodes, one) && code) {
                    out.push_back({row.kind, id, unit_of(page_codes(id).group, *code, third)});
                }
            }
        }
    }
    return out;
}

TEST(FrameKindTable, LooksUpEveryKindByItsOwnRow) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kUnitKindCount; ++i) {
        const FrameKindRow& row = frame_kind(kind_at(i));
        EXPECT_EQ(row.kind, kind_at(i)) << i;
        EXPECT_FALSE(row.name.empty()) << i;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
    // A value no row has, say from a damaged recording, reads as unknown.
    EXPECT_EQ(kind_name(kind_at(kUnitKindCount)), "unknown");
    EXPECT_EQ(kind_name(kind_at(0xFF)), "unknown");
}

TEST(FrameKindTable, NoTwoCodesShareBytesZeroAndOne) {
    std::map<std::pair<std::uint8_t, std::uint8_t>, std::string_view> seen;
    for (const KindCode& k : every_kind_code()) {
        const auto [it, fresh] = seen.emplace(std::pair{k.unit[0], k.unit[1]}, kind_name(k.kind));
        EXPECT_TRUE(fresh) << to_hex(std::span(k.unit).first(2)) << " is " << it->second << " and "
                           << kind_name(k.kind);
    }
    EXPECT_GT(seen.size(), kAllPages.size() * 2);
}

TEST(FrameKindTable, EveryCodeClassifiesAsItsRow) {
    for (const KindCode& k : every_kind_code()) {
        SCOPED_TRACE(to_hex(std::span(k.unit).first(3)));
        const Classification got = classify(k.unit);
        EXPECT_EQ(kind_name(got.kind), kind_name(k.kind));
        EXPECT_EQ(got.page, k.page);
        // Byte 2 counts only where it is part of the codes.
        Unit other = k.unit;
        other[2] = static_cast<std::uint8_t>(other[2] ^ 0x5A);
        const bool marked = frame_kind(k.kind).codes.third.has_value();
        EXPECT_EQ(kind_name(classify(other).kind), marked ? "unknown" : kind_name(k.kind));
        other = k.unit;
        other[kUnitSize - 1] = 0x00;
        EXPECT_EQ(classify(other).kind, UnitKind::Broken);
    }
}

TEST(FrameKindTable, ControllerFramesClassifyBackAsTheirKind) {
    for (const FrameKindRow& row : kFrameKinds) {
        SCOPED_TRACE(row.name);
        const std::optional<Unit> frame = controller_frame(row.kind);
        ASSERT_EQ(frame.has_value(), row.codes.source == CodeSource::Fixed);
        if (frame) {
            const Classification c = classify(*frame);
            EXPECT_EQ(c.kind, row.kind);
            EXPECT_EQ(c.page, row.page);
            EXPECT_EQ((*frame)[kUnitSize - 1], kEndByte);
        }
    }
}

// What the receive path does with a row needs the row's text, and nothing else has one: an
// acknowledgement without its words, a hall notice with no page to decode into.
TEST(FrameKindTable, TextsBelongToTheActionsThatShowThem) {
    for (const FrameKindRow& row : kFrameKinds) {
        SCOPED_TRACE(row.name);
        const bool pageBound = row.codes.source == CodeSource::Page;
        switch (row.action) {
        case ActionType::Message:
            if (pageBound) {
                EXPECT_TRUE(row.text.empty());
                for (PageId id : kAllPages) {
                    EXPECT_FALSE(ack_text({row.kind, id}).empty()) << page_name(id);
                }
            } else {
                EXPECT_FALSE(row.text.empty());
                EXPECT_EQ(ack_text({row.kind, std::nullopt}), row.text);
            }
            break;
        case ActionType::Warning:
        case ActionType::HallWindow:
            EXPECT_FALSE(row.text.empty());
            EXPECT_EQ(ack_text({row.kind, std::nullopt}), "");
            break;
        case ActionType::PageReply:
            EXPECT_TRUE(pageBound || row.page.has_value());
            EXPECT_EQ(row.text.empty(), pageBound);
            break;
        case ActionType::None:
        case ActionType::Status:
        case ActionType::UserName:
            EXPECT_TRUE(row.text.empty());
            EXPECT_FALSE(row.page.has_value());
            break;
        }
    }
}

// ---- the request table ------------------------------------------------------------------

TEST(RequestTable, LooksUpEveryKindByItsOwnRow) {
    std::set<std::string_view> names;
    std::set<std::string_view> meanings;
    for (std::size_t i = 0; i < kRequestKindCount; ++i) {
        const RequestRow& row = request_row(static_cast<RequestKind>(i));
        EXPECT_EQ(static_cast<std::size_t>(row.kind), i);
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_TRUE(meanings.insert(row.meaning).second) << row.meaning;
        EXPECT_FALSE(row.name.empty());
        EXPECT_FALSE(row.meaning.empty());
    }
}

// Each request once, each page-bound one for every page (the counter reset for its own).
TEST(RequestTable, PatternsCoverEveryRequestAndPage) {
    std::map<RequestKind, std::set<std::optional<PageId>>> got;
    for (const RequestPattern& p : request_patterns()) {
        EXPECT_TRUE(got[p.kind].insert(p.page).second) << request_row(p.kind).name;
    }
    ASSERT_EQ(got.size(), kRequestKindCount);
    const std::set<std::optional<PageId>> allPages(kAllPages.begin(), kAllPages.end());
    EXPECT_EQ(got[RequestKind::Read], allPages);
    EXPECT_EQ(got[RequestKind::Write], allPages);
    for (RequestKind k : {RequestKind::Status, RequestKind::CounterReset, RequestKind::HallA,
                          RequestKind::HallB, RequestKind::HallStop, RequestKind::UserInfoWrite}) {
        EXPECT_EQ(got[k], std::set<std::optional<PageId>>{std::nullopt}) << request_row(k).name;
    }
}

// The controller tells requests apart by their first bytes: two requests whose codes agree as
// far as both go would be one request to it.
TEST(RequestTable, NoTwoRequestsShareTheirCodes) {
    const auto patterns = request_patterns();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        for (std::size_t j = i + 1; j < patterns.size(); ++j) {
            const RequestPattern& a = patterns[i];
            const RequestPattern& b = patterns[j];
            const std::size_t n = std::min(a.headLength, b.headLength);
            EXPECT_FALSE(std::equal(a.head.begin(), a.head.begin() + static_cast<std::ptrdiff_t>(n),
                                    b.head.begin()))
                << to_hex(std::span(a.head).first(n)) << ": " << request_row(a.kind).name << " and "
                << request_row(b.kind).name;
        }
    }
}

TEST(RequestTable, EveryFrameIsFoundAgainAsItsRequest) {
    for (const RequestPattern& p : request_patterns()) {
        const Bytes frame = request_bytes(p.kind, p.page.value_or(PageId::Basic));
        SCOPED_TRACE(to_hex(frame));
        ASSERT_EQ(frame.size(), p.length);
        const std::optional<RequestPattern> found = find_request(frame);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->kind, p.kind);
        EXPECT_EQ(found->page, p.page);
        // Every short request but the status request ends in the end byte; so does a unit.
        EXPECT_EQ(frame.back() == kEndByte, p.kind != RequestKind::Status);
    }
}

// A write carries the codes its acknowledgement comes back with; every other answer is the
// table's kind, on the request's page or, for a notice with a block, the notice's own.
TEST(RequestTable, AnswersAreTheUnitsThatComeBack) {
    struct Case {
        RequestKind kind;
        PageId page;
        Unit answer; // codes of the unit the controller answers with
        bool answered;
    };
    for (const Case& c : {
             Case{RequestKind::Status, PageId::Basic, unit_of(0xDF, 0xEF), true},
             Case{RequestKind::Read, PageId::Hardware, unit_of(0xFB, 0xED), true},
             Case{RequestKind::Read, PageId::FluxWeaken, unit_of(0xD6, 0xC6), true},
             Case{RequestKind::Write, PageId::Derate, unit_of(0xD5, 0xC6), true},
             Case{RequestKind::CounterReset, PageId::Basic, unit_of(0xFB, 0xEC), true},
             Case{RequestKind::HallA, PageId::Basic, unit_of(0xFF, 0xFC), true},
             Case{RequestKind::HallB, PageId::Basic, unit_of(0xFF, 0xFA), true},
             Case{RequestKind::UserInfoWrite, PageId::Basic, unit_of(0xF1, 0xE2, 0xA2), true},
             Case{RequestKind::HallStop, PageId::Basic, Unit{}, false},
         }) {
        SCOPED_TRACE(request_row(c.kind).name);
        const std::optional<Expectation> e = expected_answer(c.kind, c.page);
        ASSERT_EQ(e.has_value(), c.answered);
        if (!e) {
            continue;
        }
        EXPECT_TRUE(e->matches(c.answer, classify(c.answer))) << to_hex(c.answer);
        // The hardware page answers its read and its counter reset alike, but for byte 1.
        Unit swapped = c.answer;
        if (c.answer[0] == 0xFB) {
            swapped[1] = c.answer[1] == 0xED ? 0xEC : 0xED;
            EXPECT_FALSE(e->matches(swapped, classify(swapped))) << to_hex(swapped);
        }
        const bool isWrite = c.kind == RequestKind::Write || c.kind == RequestKind::UserInfoWrite;
        if (isWrite) {
            const Bytes sent = request_bytes(c.kind, c.page);
            EXPECT_TRUE(std::equal(sent.begin(), sent.begin() + 2, c.answer.begin()));
        }
    }
}

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

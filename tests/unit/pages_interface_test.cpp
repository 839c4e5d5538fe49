// One suite over every page table: lookups, the bytes each table binds, unbound bytes zero,
// and random replies that a read-then-write must send back unchanged.

#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "pages_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>

using namespace motiview;
using namespace motiview::test;

namespace {

// Bits of each payload byte that a page never writes, as the pages describe them.
std::array<std::uint8_t, kUnitSize> unwritten_bits(PageId id) {
    std::array<std::uint8_t, kUnitSize> m{};
    switch (id) {
    case PageId::ModeSet:
        for (std::size_t b = 18; b <= 30; ++b) {
            m[b] = 0xFF;
        }
        break;
    case PageId::Other:
        m[8] = 0x40; // no switch behind bit 6 of the enable byte
        break;
    case PageId::FluxWeaken:
        m[2] = 0xFF;
        break;
    case PageId::Hardware:
        for (std::size_t b : {2U, 3U, 5U, 6U, 7U, 22U}) {
            m[b] = 0xFF;
        }
        m[4] = 0x80;
        break;
    default:
        break;
    }
    return m;
}

// The bits a table writes, from its rows; overlaps reported as failures.
std::array<std::uint8_t, kUnitSize> written_bits(const PageSchema& page) {
    std::array<std::uint8_t, kUnitSize> m{};
    for (const FieldSchema& f : page.fields) {
        std::array<std::uint8_t, kUnitSize> mine{};
        switch (f.kind) {
        case FieldKind::Number:
        case FieldKind::ListIndex:
        case FieldKind::CheckValue:
            mine[f.offset] = 0xFF;
            if (f.width == Width::U16 || f.width == Width::SM16) {
                mine[f.offset + 1U] = 0xFF;
            }
            break;
        case FieldKind::Bit:
            mine[f.offset] = static_cast<std::uint8_t>(1U << f.bit);
            break;
        case FieldKind::ControllerOwned:
        case FieldKind::Unbound:
            break;
        }
        for (std::size_t b = 0; b < kUnitSize; ++b) {
            EXPECT_EQ(m[b] & mine[b], 0)
                << page.window << " byte " << b << " bound twice (" << f.name << ")";
            m[b] = static_cast<std::uint8_t>(m[b] | mine[b]);
        }
    }
    return m;
}

// A reply the page can show exactly: any bytes, list codes naming an item, check bytes 0/1.
Unit random_reply(const PageSchema& page, std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    Unit u{};
    for (std::size_t b = 2; b < kUnitSize - 1; ++b) {
        u[b] = static_cast<std::uint8_t>(byte(rng));
    }
    const PageCodes codes = page_codes(page.id);
    u[0] = codes.group;
    u[1] = codes.read;
    u[kUnitSize - 1] = kEndByte;
    for (const FieldSchema& f : page.fields) {
        if (f.kind == FieldKind::ListIndex) {
            const int lo = std::max<int>(f.listBase, f.min);
            const int hi = std::min<int>(f.listBase + static_cast<int>(f.items.size()) - 1, f.max);
            std::uniform_int_distribution<int> code(lo, hi);
            const int c = code(rng);
            u[f.offset] = static_cast<std::uint8_t>(c & 0xFF);
            if (f.width == Width::U16) {
                u[f.offset + 1U] = static_cast<std::uint8_t>(c >> 8);
            }
        } else if (f.kind == FieldKind::CheckValue) {
            u[f.offset] = static_cast<std::uint8_t>(byte(rng) & 1);
        }
    }
    return u;
}

class EveryPage : public ::testing::TestWithParam<PageId> {};

TEST_P(EveryPage, LookupsFindThePage) {
    const PageSchema& page = page_schema(GetParam());
    EXPECT_EQ(page.id, GetParam());
    EXPECT_EQ(page_by_cli_name(page.cliName), &page);
    EXPECT_EQ(page_by_window(page.window), &page);
    EXPECT_FALSE(page.ackText.empty());
    ASSERT_FALSE(page.fields.empty());
    EXPECT_EQ(find_field(page, page.fields.front().name), &page.fields.front());
    EXPECT_EQ(find_field(page, "txtNoSuchField"), nullptr);
    for (PageId closed : page.closes) {
        EXPECT_NE(closed, page.id) << page.window << " closes itself";
    }
}

TEST_P(EveryPage, EveryFieldIsFoundAtItsOwnIndex) {
    const PageSchema& page = page_schema(GetParam());
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        EXPECT_EQ(field_index(page, page.fields[i].name), i) << page.fields[i].name;
    }
    EXPECT_EQ(field_index(page, "txtNoSuchField"), std::nullopt);
    EXPECT_EQ(field_index(page, ""), std::nullopt);
}

TEST_P(EveryPage, TitleIsTheCaptionRoutines) {
    const PageSchema& page = page_schema(GetParam());
    EXPECT_FALSE(page.title.empty());
    EXPECT_EQ(page_title(page), page.title);
}

TEST_P(EveryPage, BindsExactlyItsPayloadBytes) {
    const PageSchema& page = page_schema(GetParam());
    const auto written = written_bits(page);
    const auto unwritten = unwritten_bits(page.id);
    for (std::size_t b = 2; b < kUnitSize - 1; ++b) {
        EXPECT_EQ(written[b], static_cast<std::uint8_t>(~unwritten[b] & 0xFF))
            << page.window << " byte " << b;
    }
}

TEST_P(EveryPage, UnboundBytesAreZeroInEveryWrite) {
    const PageSchema& page = page_schema(GetParam());
    std::mt19937 rng(1234U + static_cast<unsigned>(page.id));
    const auto unwritten = unwritten_bits(page.id);
    for (int round = 0; round < 50; ++round) {
        PageState state = design_state(page);
        decode_into(page, random_reply(page, rng), state, kDot);
        const auto frame = encode(page, state, kDot);
        ASSERT_TRUE(frame.ok()) << frame.error().message;
        for (std::size_t b = 2; b < kUnitSize - 1; ++b) {
            EXPECT_EQ((*frame)[b] & unwritten[b], 0) << page.window << " byte " << b;
        }
    }
}

TEST_P(EveryPage, ReadThenWriteSendsTheReplyBack) {
    const PageSchema& page = page_schema(GetParam());
    std::mt19937 rng(42U + static_cast<unsigned>(page.id));
    const auto unwritten = unwritten_bits(page.id);
    for (int round = 0; round < 200; ++round) {
        const Unit reply = random_reply(page, rng);
        PageState state = design_state(page);
        decode_into(page, reply, state, kDot);
        ASSERT_TRUE(state.filled);
        const auto frame = encode(page, state, kDot);
        ASSERT_TRUE(frame.ok()) << frame.error().message;
        EXPECT_EQ((*frame)[0], page_codes(page.id).group);
        EXPECT_EQ((*frame)[1], page_codes(page.id).write);
        EXPECT_EQ((*frame)[31], kEndByte);
        for (std::size_t b = 2; b < kUnitSize - 1; ++b) {
            std::uint8_t keep = static_cast<std::uint8_t>(~unwritten[b] & 0xFF);
            if (page.id == PageId::Hardware && b == 11) {
                keep = 0; // the week is reset by every write
            }
            ASSERT_EQ((*frame)[b] & keep, reply[b] & keep)
                << page.window << " byte " << b << " round " << round;
        }
    }
}

TEST_P(EveryPage, DesignStateMatchesTable) {
    const PageSchema& page = page_schema(GetParam());
    const PageState state = design_state(page);
    ASSERT_EQ(state.fields.size(), page.fields.size());
    EXPECT_FALSE(state.filled);
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        const FieldSchema& f = page.fields[i];
        if (f.widget == Widget::Text) {
            EXPECT_EQ(state.fields[i].text, f.designText) << f.name;
        }
        EXPECT_FALSE(state.fields[i].origin.has_value()) << f.name;
    }
}

TEST_P(EveryPage, UnknownFieldIsRefused) {
    const PageSchema& page = page_schema(GetParam());
    PageState state = design_state(page);
    const auto r = set_field_text(page, state, "txtNoSuchField", "1");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().field, "txtNoSuchField");
}

INSTANTIATE_TEST_SUITE_P(AllPages, EveryPage, ::testing::ValuesIn(kAllPages), page_param_name);

TEST(PageTitle, FallsBackToDesignTitleThenCliName) {
    struct Case {
        std::string_view designTitle;
        std::string_view title;
        std::string_view shown;
    };
    for (const Case& c :
         {Case{"Design", "Title", "Title"}, Case{"Design", "", "Design"}, Case{"", "", "kinds"}}) {
        const PageSchema page{.id = PageId::Basic,
                              .cliName = "kinds",
                              .designTitle = c.designTitle,
                              .title = c.title};
        EXPECT_EQ(page_title(page), c.shown);
    }
}

TEST(PageNames, CliNamesAndWindows) {
    struct Row {
        const char* cli;
        const char* window;
        PageId id;
    };
    const Row rows[] = {{"basic", "frmBasic", PageId::Basic},
                        {"reference", "frmReference", PageId::Reference},
                        {"motor", "frmMotor", PageId::Motor},
                        {"control", "frmControl", PageId::Control},
                        {"torque-pid", "frmdqPID", PageId::TorquePid},
                        {"protection", "frmProtection", PageId::Protection},
                        {"mode-set", "frmModeSet", PageId::ModeSet},
                        {"other", "frmOther", PageId::Other},
                        {"flux-weaken", "frmFluxWeaken", PageId::FluxWeaken},
                        {"derate", "frmDerate", PageId::Derate},
                        {"hardware", "frmIdcCalib", PageId::Hardware}};
    for (const Row& r : rows) {
        const PageSchema* byCli = page_by_cli_name(r.cli);
        ASSERT_NE(byCli, nullptr) << r.cli;
        EXPECT_EQ(byCli->id, r.id);
        EXPECT_EQ(byCli->window, r.window);
    }
    EXPECT_EQ(page_by_cli_name("Basic"), nullptr);
    EXPECT_EQ(page_by_window("frmNone"), nullptr);
}

TEST(PageClosers, OpenersCloseTheirRows) {
    // Motor and Protection close nothing; no opener closes Mode set or Derate.
    EXPECT_TRUE(page_schema(PageId::Motor).closes.empty());
    EXPECT_TRUE(page_schema(PageId::Protection).closes.empty());
    const std::set<PageId> basicCloses(page_schema(PageId::Basic).closes.begin(),
                                       page_schema(PageId::Basic).closes.end());
    EXPECT_EQ(basicCloses, (std::set<PageId>{PageId::Reference, PageId::Motor, PageId::Control,
                                             PageId::TorquePid, PageId::Protection, PageId::Other,
                                             PageId::FluxWeaken, PageId::Hardware}));
    for (PageId id : kAllPages) {
        for (PageId closed : page_schema(id).closes) {
            EXPECT_NE(closed, PageId::ModeSet);
            EXPECT_NE(closed, PageId::Derate);
        }
    }
}

} // namespace

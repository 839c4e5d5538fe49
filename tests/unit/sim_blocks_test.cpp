// The simulator's stored blocks, built and changed through the page codec: each start block
// reads back to itself, holds only values a write would store unchanged, covers every field;
// writes keep the controller's own bytes; hall tests and the counter reset change what they
// should and nothing else.
#include "block_store.h"
#include "test_support.h"

#include "link/frames.h"
#include "pages/page_codec.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace motiview;
using namespace motiview::sim;

using motiview::test::kDot;

namespace {

const FieldSchema& field(PageId page, std::string_view name) {
    const FieldSchema* f = find_field(page_schema(page), name);
    EXPECT_NE(f, nullptr) << name;
    static const FieldSchema none{};
    return f != nullptr ? *f : none;
}

int stored(const Unit& u, PageId page, std::string_view name) {
    const FieldSchema& f = field(page, name);
    return load_value(u, f.offset, f.width);
}

PageState decoded(PageId page, const Unit& u) {
    const PageSchema& schema = page_schema(page);
    PageState state = design_state(schema);
    decode_into(schema, u, state, kDot);
    return state;
}

std::string test_name(const ::testing::TestParamInfo<PageId>& info) {
    std::string name(page_schema(info.param).cliName);
    for (char& c : name) {
        c = c == '-' ? '_' : c;
    }
    return name;
}

class SimBlockDefaults : public ::testing::TestWithParam<PageId> {};

TEST_P(SimBlockDefaults, EnvelopeIsTheParameterReply) {
    const PageId page = GetParam();
    const Unit u = BlockStore().block(page);
    const Classification c = classify(u);
    EXPECT_EQ(c.kind, UnitKind::ParameterReply);
    ASSERT_TRUE(c.page.has_value());
    EXPECT_EQ(*c.page, page);
    EXPECT_EQ(u[1], page_codes(page).read);
}

TEST_P(SimBlockDefaults, DecodesAndReencodesToItself) {
    const PageId page = GetParam();
    const Unit u = BlockStore().block(page);
    const auto again = encode_reply(page_schema(page), decoded(page, u), kDot);
    ASSERT_TRUE(again.ok()) << again.error().message;
    EXPECT_EQ(to_hex(*again), to_hex(u));
}

// Typed into the page as shown and written, every value comes back as it is: nothing is
// clamped, rounded or refused. Only the controller's own bytes are 0 in the write frame.
TEST_P(SimBlockDefaults, EveryValueInsideItsWriteLimits) {
    const PageId page = GetParam();
    const PageSchema& schema = page_schema(page);
    const Unit u = BlockStore().block(page);
    PageState typed = decoded(page, u);
    for (FieldState& s : typed.fields) {
        s.origin.reset();
    }
    const auto frame = encode(schema, typed, kDot);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    const auto owned = controller_owned_bytes(schema);
    const std::set<std::uint8_t> own(owned.begin(), owned.end());
    for (std::uint8_t at = 2; at < 31; ++at) {
        SCOPED_TRACE("byte " + std::to_string(at));
        EXPECT_EQ((*frame)[at], own.contains(at) ? 0 : u[at]);
    }
}

// A plausible value for every field a byte carries, each given once.
TEST_P(SimBlockDefaults, StartTextsCoverEveryBoundField) {
    const PageId page = GetParam();
    const PageSchema& schema = page_schema(page);
    std::set<std::string> given;
    for (std::string_view line : default_texts(page)) {
        const std::string name(line.substr(0, line.find('=')));
        EXPECT_TRUE(given.insert(name).second) << name << " given twice";
    }
    std::size_t bound = 0;
    for (const FieldSchema& f : schema.fields) {
        if (f.kind != FieldKind::Unbound) {
            ++bound;
            EXPECT_TRUE(given.contains(std::string(f.name))) << f.name << " has no start text";
        }
    }
    EXPECT_EQ(given.size(), bound) << "a start text names no bound field";
}

INSTANTIATE_TEST_SUITE_P(Sim, SimBlockDefaults, ::testing::ValuesIn(kAllPages), test_name);

TEST(SimBlocks, AStartTextThePageRefusesIsNamed) {
    const std::vector<std::string_view> texts = {"txtMaxspeed=4200", "txtEcospeed=fast"};
    const auto block = block_from_texts(PageId::Basic, texts);
    ASSERT_FALSE(block.ok());
    EXPECT_EQ(block.error().field, "txtEcospeed");
}

TEST(SimBlocks, PagesHoldDistinctPayloads) {
    const BlockStore store;
    std::set<std::vector<std::uint8_t>> payloads;
    for (PageId page : kAllPages) {
        const Unit& u = store.block(page);
        payloads.insert(std::vector<std::uint8_t>(u.begin() + 2, u.end() - 1));
    }
    EXPECT_EQ(payloads.size(), kPageCount);
}

TEST(SimBlocks, MotorAnglesAreSignMagnitude) {
    const Unit u = BlockStore().block(PageId::Motor);
    const FieldSchema& back = field(PageId::Motor, "txtAngle_degree_BDir");
    // A negative backward offset carries bit 15 and the magnitude.
    EXPECT_EQ(u[back.offset + 1u] & 0x80, 0x80);
    EXPECT_EQ(load_sm16le(u, back.offset), -(load_u16le(u, back.offset) & 0x7FFF));
}

TEST(SimBlocks, WriteReplacesThePayloadOnly) {
    BlockStore store;
    Unit frame{};
    frame[0] = page_codes(PageId::Basic).group;
    frame[1] = page_codes(PageId::Basic).write;
    for (std::size_t i = 2; i < 31; ++i) {
        frame[i] = static_cast<std::uint8_t>(i + 100);
    }
    frame[31] = kEndByte;
    store.store_write(PageId::Basic, frame);
    const Unit& u = store.block(PageId::Basic);
    EXPECT_EQ(u[0], page_codes(PageId::Basic).group);
    EXPECT_EQ(u[1], page_codes(PageId::Basic).read); // stored as its reply
    EXPECT_EQ(u[31], kEndByte);
    EXPECT_TRUE(std::equal(frame.begin() + 2, frame.end() - 1, u.begin() + 2));
    EXPECT_EQ(store.block(PageId::Reference), BlockStore().block(PageId::Reference));
}

TEST(SimBlocks, HardwareWriteKeepsReadingsAndCount) {
    BlockStore store;
    const Unit before = store.block(PageId::Hardware);
    const auto owned = controller_owned_bytes(page_schema(PageId::Hardware));
    ASSERT_FALSE(owned.empty());
    // A write frame as the page sends it: the controller's own bytes are 0 there.
    PageState state = decoded(PageId::Hardware, before);
    ASSERT_TRUE(set_field_text(page_schema(PageId::Hardware), state, "txtFluxPeriod", "77").ok());
    ASSERT_TRUE(set_field_text(page_schema(PageId::Hardware), state, "cmbForward", "L").ok());
    const auto frame = encode(page_schema(PageId::Hardware), state, kDot);
    ASSERT_TRUE(frame.ok());
    store.store_write(PageId::Hardware, *frame);
    const Unit& u = store.block(PageId::Hardware);
    for (std::uint8_t at : owned) {
        EXPECT_EQ((*frame)[at], 0) << "offset " << int(at);
        EXPECT_EQ(u[at], before[at]) << "offset " << int(at);
    }
    EXPECT_EQ(stored(u, PageId::Hardware, "txtFluxPeriod"), 77);
    const PageState after = decoded(PageId::Hardware, u);
    const auto forward =
        static_cast<std::size_t>(find_field(page_schema(PageId::Hardware), "cmbForward") -
                                 page_schema(PageId::Hardware).fields.data());
    EXPECT_EQ(after.fields[forward].text, "L");
}

std::vector<std::string> numbered(std::string_view stem, int from, int to) {
    std::vector<std::string> names;
    for (int k = from; k <= to; ++k) {
        names.push_back(std::string(stem) + std::to_string(k));
    }
    return names;
}

TEST(SimBlocks, HallTestAMovesEverySectorInsideItsLimits) {
    std::vector<std::string> sectors = numbered("txtFrmHallSec", 1, 6);
    for (const std::string& b : numbered("txtFrmHallBSec", 1, 6)) {
        sectors.push_back(b);
    }
    BlockStore store;
    for (int run = 0; run < 5; ++run) {
        SCOPED_TRACE(run);
        const Unit before = store.block(PageId::Motor);
        const Unit after = store.run_hall_a();
        EXPECT_EQ(after, store.block(PageId::Motor));
        std::set<std::size_t> moved;
        for (const std::string& name : sectors) {
            const FieldSchema& f = field(PageId::Motor, name);
            EXPECT_NE(after[f.offset], before[f.offset]) << name;
            EXPECT_GE(after[f.offset], f.min) << name;
            EXPECT_LE(after[f.offset], f.max) << name;
            moved.insert(f.offset);
        }
        // The rest of the block stays.
        for (std::size_t at = 0; at < kUnitSize; ++at) {
            if (!moved.contains(at)) {
                EXPECT_EQ(after[at], before[at]) << "offset " << at;
            }
        }
    }
}

TEST(SimBlocks, HallTestBChangesTheProtectionPoints) {
    const std::vector<std::string> points = numbered("txtConstPT", 1, 13);
    BlockStore store;
    for (int run = 0; run < 5; ++run) {
        SCOPED_TRACE(run);
        const Unit before = store.block(PageId::Protection);
        const Unit after = store.run_hall_b();
        std::set<std::size_t> moved;
        for (const std::string& name : points) {
            const FieldSchema& f = field(PageId::Protection, name);
            EXPECT_NE(stored(after, PageId::Protection, name),
                      stored(before, PageId::Protection, name))
                << name;
            EXPECT_GE(stored(after, PageId::Protection, name), 1) << name;
            EXPECT_LE(stored(after, PageId::Protection, name), f.max) << name;
            for (std::size_t b = 0; b < width_bytes(f.width); ++b) {
                moved.insert(f.offset + b);
            }
        }
        for (std::size_t at = 0; at < kUnitSize; ++at) {
            if (!moved.contains(at)) {
                EXPECT_EQ(after[at], before[at]) << "offset " << at;
            }
        }
    }
}

TEST(SimBlocks, CounterResetZeroesTheCountOnly) {
    BlockStore store;
    const Unit before = store.block(PageId::Hardware);
    const FieldSchema& count = field(PageId::Hardware, kCalibrationCount);
    ASSERT_NE(before[count.offset], 0);
    Unit expected = before;
    expected[count.offset] = 0;
    EXPECT_EQ(store.reset_calibration_count(), expected);
    EXPECT_EQ(store.block(PageId::Hardware), expected);
}

TEST(SimBlocks, DumpHasOneLinePerPageInPageOrder) {
    const BlockStore store;
    const std::string text = store.dump_text();
    std::size_t at = 0;
    for (PageId page : kAllPages) {
        const std::size_t nl = text.find('\n', at);
        ASSERT_NE(nl, std::string::npos);
        const std::string line = text.substr(at, nl - at);
        EXPECT_EQ(line, std::string(page_schema(page).cliName) + " " + to_hex(store.block(page)));
        at = nl + 1;
    }
    EXPECT_EQ(at, text.size());
    EXPECT_NE(text.find("\ntorque-pid D2 C2 "), std::string::npos);
}

} // namespace

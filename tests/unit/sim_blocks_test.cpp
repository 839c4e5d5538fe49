// The simulator's stored blocks: inside every field's write limits, valid list codes, no
// zeros where a value belongs, distinct pages; writes, hall tests and the counter reset.
#include "block_store.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace motiview;
using namespace motiview::sim;

namespace {

enum class Kind : std::uint8_t {
    U8,    // one byte, min..max
    U16,   // two bytes, min..max
    SM16,  // sign-magnitude, min..max
    Flags, // max = mask of bits that must be clear
    Zero,  // carries nothing: must be 0
    Any,   // a reading: any byte
};

struct Limit {
    std::uint8_t offset;
    Kind kind;
    int min;
    int max;
    bool zeroAllowed = false;
};

// The pages' write limits, byte by byte over 2..30.
const std::map<PageId, std::vector<Limit>>& limits() {
    static const std::map<PageId, std::vector<Limit>> table = [] {
        std::map<PageId, std::vector<Limit>> t;
        const auto u16s = [](std::vector<Limit>& v, int from, int to, int lo = 0, int hi = 32767) {
            for (int o = from; o <= to; o += 2) {
                v.push_back({static_cast<std::uint8_t>(o), Kind::U16, lo, hi});
            }
        };
        const auto u8s = [](std::vector<Limit>& v, int from, int to, int lo = 0, int hi = 255) {
            for (int o = from; o <= to; ++o) {
                v.push_back({static_cast<std::uint8_t>(o), Kind::U8, lo, hi});
            }
        };
        auto& basic = t[PageId::Basic];
        u16s(basic, 2, 20);
        basic.push_back({22, Kind::U8, 30, 30}); // 3000 rpm
        u16s(basic, 23, 25);
        u8s(basic, 27, 28);
        u16s(basic, 29, 29);

        auto& ref = t[PageId::Reference];
        u16s(ref, 2, 16);
        u8s(ref, 18, 19, 0, 160);
        u8s(ref, 20, 20);
        u8s(ref, 21, 21, 0, 128);
        u8s(ref, 22, 22);
        u16s(ref, 23, 23);
        u8s(ref, 25, 28);
        u16s(ref, 29, 29);

        auto& motor = t[PageId::Motor];
        u8s(motor, 2, 2, 1, 255);
        motor.push_back({3, Kind::SM16, -180, 179, true});
        u8s(motor, 5, 5, 1, 5);
        motor.push_back({6, Kind::SM16, -180, 179, true});
        u8s(motor, 8, 8, 0, 60);
        u8s(motor, 9, 14, 20, 100);
        u8s(motor, 15, 19);
        u8s(motor, 20, 23, 1, 255);
        u8s(motor, 24, 29, 20, 100);
        motor.push_back({30, Kind::U8, 0, 1, true});

        auto& control = t[PageId::Control];
        u16s(control, 2, 24);
        u8s(control, 26, 30);

        auto& pid = t[PageId::TorquePid];
        u8s(pid, 2, 10);
        u16s(pid, 11, 11);
        u8s(pid, 13, 13);
        u16s(pid, 14, 14);
        u8s(pid, 16, 16);
        u16s(pid, 17, 17);
        u8s(pid, 19, 19);
        u16s(pid, 20, 20);
        u8s(pid, 22, 23);
        u16s(pid, 24, 24);
        u8s(pid, 26, 27);
        u16s(pid, 28, 28);
        u8s(pid, 30, 30);

        auto& prot = t[PageId::Protection];
        u8s(prot, 2, 11);
        u16s(prot, 12, 22);
        u8s(prot, 24, 30);

        auto& mode = t[PageId::ModeSet];
        u8s(mode, 2, 17, 1, 255);
        for (std::uint8_t o = 18; o <= 30; ++o) {
            mode.push_back({o, Kind::Zero, 0, 0});
        }

        auto& other = t[PageId::Other];
        u8s(other, 2, 2, 0, 100);
        u8s(other, 3, 4);
        u8s(other, 5, 5, 0, 100);
        u8s(other, 6, 7);
        other.push_back({8, Kind::Flags, 0, 0x40});
        u16s(other, 9, 27, 0, 65535);
        u8s(other, 29, 30);

        auto& flux = t[PageId::FluxWeaken];
        flux.push_back({2, Kind::Zero, 0, 0});
        u8s(flux, 3, 3, 0, 2);
        u16s(flux, 4, 8);
        u8s(flux, 10, 29);
        flux.push_back({30, Kind::U8, 0, 1, true});

        auto& derate = t[PageId::Derate];
        u8s(derate, 2, 5, 1, 255);
        u16s(derate, 6, 18);
        u8s(derate, 20, 23, 1, 255);
        u16s(derate, 24, 24);
        u8s(derate, 26, 30);

        auto& hw = t[PageId::Hardware];
        hw.push_back({2, Kind::Any, 0, 0});
        hw.push_back({3, Kind::Any, 0, 0});
        hw.push_back({4, Kind::Flags, 0, 0x80});
        for (std::uint8_t o = 5; o <= 7; ++o) {
            hw.push_back({o, Kind::Any, 0, 0});
        }
        u16s(hw, 8, 8, 1, 32767);
        u8s(hw, 10, 10, 0, 99);
        hw.push_back({11, Kind::Zero, 0, 0}); // every write resets the week
        u16s(hw, 12, 12, 1, 32767);
        u8s(hw, 14, 15, 1, 255);
        u16s(hw, 16, 16, 1, 32767);
        u8s(hw, 18, 18, 1, 120);
        u16s(hw, 19, 19, 1, 32767);
        u8s(hw, 21, 21, 0, 15);
        hw.push_back({22, Kind::Any, 0, 0}); // calibration count
        u8s(hw, 23, 24, 0, 1);
        u8s(hw, 25, 25);
        u8s(hw, 26, 27, 1, 6);
        u8s(hw, 28, 30);
        return t;
    }();
    return table;
}

int value_at(const Unit& u, const Limit& l) {
    switch (l.kind) {
    case Kind::U16:
        return load_u16le(u, l.offset);
    case Kind::SM16:
        return load_sm16le(u, l.offset);
    default:
        return u[l.offset];
    }
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

TEST_P(SimBlockDefaults, EveryByteInsideItsLimitsAndNotZero) {
    const PageId page = GetParam();
    const Unit u = BlockStore().block(page);
    std::set<int> covered;
    for (const Limit& l : limits().at(page)) {
        SCOPED_TRACE("offset " + std::to_string(l.offset));
        const int bytes = l.kind == Kind::U16 || l.kind == Kind::SM16 ? 2 : 1;
        for (int b = 0; b < bytes; ++b) {
            EXPECT_TRUE(covered.insert(l.offset + b).second) << "limits table overlaps";
        }
        const int v = value_at(u, l);
        switch (l.kind) {
        case Kind::Flags:
            EXPECT_EQ(v & l.max, 0);
            EXPECT_NE(v, 0);
            break;
        case Kind::Zero:
            EXPECT_EQ(v, 0);
            break;
        case Kind::Any:
            break;
        default:
            EXPECT_GE(v, l.min);
            EXPECT_LE(v, l.max);
            if (!l.zeroAllowed) {
                EXPECT_NE(v, 0);
            }
        }
    }
    EXPECT_EQ(covered.size(), 29u) << "every payload byte 2..30 has a limit row";
}

TEST_P(SimBlockDefaults, StartTableMatchesTheStoredBlock) {
    const PageId page = GetParam();
    const Unit u = BlockStore().block(page);
    for (const BlockValue& v : default_values(page)) {
        SCOPED_TRACE("offset " + std::to_string(v.offset));
        const int stored = v.width == FieldWidth::U8    ? u[v.offset]
                           : v.width == FieldWidth::U16 ? load_u16le(u, v.offset)
                                                        : load_sm16le(u, v.offset);
        EXPECT_EQ(stored, v.value);
    }
}

std::string test_name(const ::testing::TestParamInfo<PageId>& info) {
    std::string name(cli_name(info.param));
    for (char& c : name) {
        c = c == '-' ? '_' : c;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Sim, SimBlockDefaults, ::testing::ValuesIn(kAllPages), test_name);

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
    // A negative backward offset carries bit 15 and the magnitude.
    EXPECT_EQ(u[7] & 0x80, 0x80);
    EXPECT_EQ(load_sm16le(u, 6), -(load_u16le(u, 6) & 0x7FFF));
}

TEST(SimBlocks, WriteReplacesThePayloadOnly) {
    BlockStore store;
    Unit frame{};
    frame[0] = 0xF0;
    frame[1] = 0xE1;
    for (std::size_t i = 2; i < 31; ++i) {
        frame[i] = static_cast<std::uint8_t>(i + 100);
    }
    frame[31] = kEndByte;
    store.store_write(PageId::Basic, frame);
    const Unit& u = store.block(PageId::Basic);
    EXPECT_EQ(u[0], 0xF0);
    EXPECT_EQ(u[1], 0xE0); // stored as its reply
    EXPECT_EQ(u[31], kEndByte);
    EXPECT_TRUE(std::equal(frame.begin() + 2, frame.end() - 1, u.begin() + 2));
    EXPECT_EQ(store.block(PageId::Reference), BlockStore().block(PageId::Reference));
}

TEST(SimBlocks, HardwareWriteKeepsReadingsAndCount) {
    BlockStore store;
    const Unit before = store.block(PageId::Hardware);
    Unit frame{};
    frame[0] = 0xFB;
    frame[1] = 0xEE;
    frame[4] = 0x11;
    frame[8] = 0x34;
    frame[31] = kEndByte;
    store.store_write(PageId::Hardware, frame);
    const Unit& u = store.block(PageId::Hardware);
    for (std::uint8_t at : kHardwareOwnBytes) {
        EXPECT_EQ(u[at], before[at]) << "offset " << int(at);
    }
    EXPECT_EQ(u[4], 0x11);
    EXPECT_EQ(u[8], 0x34);
    EXPECT_EQ(u[26], 0);
}

TEST(SimBlocks, HallTestAMovesEverySectorInsideItsLimits) {
    constexpr std::size_t kSectors[] = {9, 10, 11, 12, 13, 14, 24, 25, 26, 27, 28, 29};
    constexpr std::size_t kKept[] = {2, 3, 4, 5, 6, 7, 8, 15, 20, 30};
    BlockStore store;
    for (int run = 0; run < 5; ++run) {
        SCOPED_TRACE(run);
        const Unit before = store.block(PageId::Motor);
        const Unit after = store.run_hall_a();
        EXPECT_EQ(after, store.block(PageId::Motor));
        for (std::size_t at : kSectors) {
            EXPECT_NE(after[at], before[at]) << "offset " << at;
            EXPECT_GE(after[at], 20);
            EXPECT_LE(after[at], 100);
        }
        // The rest of the block stays.
        for (std::size_t at : kKept) {
            EXPECT_EQ(after[at], before[at]) << "offset " << at;
        }
    }
}

TEST(SimBlocks, HallTestBChangesTheProtectionPoints) {
    BlockStore store;
    for (int run = 0; run < 5; ++run) {
        SCOPED_TRACE(run);
        const Unit before = store.block(PageId::Protection);
        const Unit after = store.run_hall_b();
        for (std::size_t at = 12; at <= 22; at += 2) {
            EXPECT_NE(load_u16le(after, at), load_u16le(before, at));
            EXPECT_GE(load_u16le(after, at), 1);
            EXPECT_LE(load_u16le(after, at), 32767);
        }
        for (std::size_t at = 24; at <= 30; ++at) {
            EXPECT_NE(after[at], before[at]);
            EXPECT_NE(after[at], 0);
        }
        EXPECT_TRUE(std::equal(before.begin() + 2, before.begin() + 12, after.begin() + 2));
    }
}

TEST(SimBlocks, CounterResetZeroesTheCountOnly) {
    BlockStore store;
    Unit expected = store.block(PageId::Hardware);
    ASSERT_NE(expected[kCalibrationCount], 0);
    expected[kCalibrationCount] = 0;
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
        EXPECT_EQ(line, std::string(cli_name(page)) + " " + to_hex(store.block(page)));
        at = nl + 1;
    }
    EXPECT_EQ(at, text.size());
    EXPECT_NE(text.find("\ntorque-pid D2 C2 "), std::string::npos);
}

} // namespace

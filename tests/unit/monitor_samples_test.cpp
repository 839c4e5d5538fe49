// The sample store behind the live plots: panel numbers per channel in bounded rings, time
// queries, and one event per change of the fault word or of the machine state.
#include "monitor/sample_ring.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "test_support.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace motiview;
using motiview::test::ByLabel;

namespace {

Unit status_of(const StatusValues& v) {
    return test::status_frame_of(v);
}

Unit status_with(StatusField f, std::int32_t value) {
    StatusValues v;
    v.set(f, value);
    return status_of(v);
}

StatusValues random_values(std::mt19937& rng) {
    StatusValues v;
    for (const StatusRow& r : kStatusLayout) {
        std::int32_t lo = 0;
        std::int32_t hi = 255;
        if (r.width == Width::U16) {
            hi = 65535;
        } else if (r.width == Width::SM16) {
            lo = -32767;
            hi = 32767;
        }
        v.set(r.field, std::uniform_int_distribution<std::int32_t>(lo, hi)(rng));
    }
    return v;
}

std::string text_of(const StatusView& v, std::string_view label) {
    for (const LabelUpdate& l : v.labels) {
        if (l.label == label) {
            return l.text;
        }
    }
    return "<missing>";
}

// ---- values as the panel shows them ----------------------------------------------------

TEST(SampleStore, GeneratedFramesMatchTheDecoderTexts) {
    std::mt19937 rng(20240611);
    SampleStore store(64);
    std::vector<Unit> frames;
    for (int i = 0; i < 50; ++i) {
        frames.push_back(status_of(random_values(rng)));
        store.add(i * 100, frames.back());
    }
    ASSERT_EQ(store.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const StatusView view = decode_status(frames[i], NumberFormat{".", ""});
        for (const PanelChannelInfo& c : kPanelChannels) {
            EXPECT_DOUBLE_EQ(store.value(c.channel, i), std::stod(text_of(view, c.label)))
                << "frame " << i << " " << c.column;
        }
    }
}

// ---- bounds and time queries ----------------------------------------------------------

TEST(SampleStore, FullRingDropsTheOldestAndKeepsItsSize) {
    SampleStore store(100, 8);
    for (int i = 0; i < 250; ++i) {
        store.add(i * 100, status_with(StatusField::Speed, i));
    }
    EXPECT_EQ(store.capacity(), 100u);
    EXPECT_EQ(store.size(), 100u);
    EXPECT_EQ(store.total(), 250u);
    EXPECT_EQ(store.time(0), 150 * 100);
    EXPECT_DOUBLE_EQ(store.value(PanelChannel::Speed, 0), 150);
    EXPECT_EQ(store.last_time(), 249 * 100);
    EXPECT_DOUBLE_EQ(store.value(PanelChannel::Speed, 99), 249);
    // Samples older than the ring holds are gone from queries too.
    EXPECT_TRUE(store.samples(PanelChannel::Speed, 0, 149 * 100).empty());
    EXPECT_EQ(store.samples(PanelChannel::Speed, 0, 150 * 100).size(), 1u);
}

TEST(SampleStore, WindowQueryIncludesBothEndsAndKeepsTimeOrder) {
    SampleStore store(16);
    EXPECT_FALSE(store.nearest(0));
    EXPECT_TRUE(store.range(0, 1000).empty());
    for (int i = 0; i < 10; ++i) {
        store.add(i * 100, status_with(StatusField::Speed, i * 10));
    }
    const std::vector<Sample> s = store.samples(PanelChannel::Speed, 250, 500);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].timeMs, 300);
    EXPECT_DOUBLE_EQ(s[0].value, 30);
    EXPECT_EQ(s[2].timeMs, 500);
    EXPECT_TRUE(store.samples(PanelChannel::Speed, 501, 599).empty());
    EXPECT_TRUE(store.samples(PanelChannel::Speed, 500, 100).empty());
    // A clock that steps back: the sample takes the last time, the order holds.
    store.add(400, status_with(StatusField::Speed, 1));
    EXPECT_EQ(store.last_time(), 900);
    EXPECT_EQ(store.samples(PanelChannel::Speed, 900, 900).size(), 2u);
}

struct NearestCase {
    const char* what;
    std::int64_t at;
    std::size_t index;
};

class Nearest : public ::testing::TestWithParam<NearestCase> {};

TEST_P(Nearest, ClosestSampleInTime) {
    SampleStore store(16);
    for (std::int64_t t : {100, 200, 400}) {
        store.add(t, status_with(StatusField::Speed, 1));
    }
    EXPECT_EQ(store.nearest(GetParam().at), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Times, Nearest,
                         ::testing::Values(NearestCase{"before the first", -50, 0},
                                           NearestCase{"exact", 200, 1},
                                           NearestCase{"closer to the earlier", 290, 1},
                                           NearestCase{"tie takes the earlier", 300, 1},
                                           NearestCase{"closer to the later", 301, 2},
                                           NearestCase{"after the last", 9000, 2}),
                         ByLabel<&NearestCase::what>{});

// ---- events ---------------------------------------------------------------------------

struct FaultCase {
    const char* what;
    std::vector<std::uint16_t> words; // one frame each
    std::vector<std::string> events;  // event_text of each fault event, in order
};

class FaultEvents : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultEvents, OneEventPerChangeOfTheWord) {
    const FaultCase& c = GetParam();
    SampleStore store(32, 32);
    std::int64_t t = 0;
    for (std::uint16_t w : c.words) {
        store.add(t += 100, status_with(StatusField::CurrentFaults, w));
    }
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < store.events().size(); ++i) {
        if (store.events()[i].kind == EventKind::Faults) {
            texts.push_back(event_text(store.events()[i]));
        }
    }
    EXPECT_EQ(texts, c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Words, FaultEvents,
    ::testing::Values(
        FaultCase{"none stays none", {0, 0, 0}, {}},
        FaultCase{"present from the first frame", {0x0004, 0x0004}, {"faults: +over-voltage"}},
        FaultCase{"appears and clears",
                  {0, 0x0020, 0x0020, 0},
                  {"faults: +over-current", "faults: -over-current"}},
        FaultCase{"one comes while another goes",
                  {0x0004, 0x0008},
                  {"faults: +over-voltage", "faults: +under-voltage -over-voltage"}},
        FaultCase{"two at once", {0, 0x3000}, {"faults: +motor-over-heat +thermistor-short"}},
        // hall answers to two bits: the second bit of an active hall fault names nothing new
        FaultCase{"second hall bit",
                  {0x0002, 0x0402, 0x0400, 0},
                  {"faults: +hall", "faults: 0x0002 -> 0x0402", "faults: 0x0402 -> 0x0400",
                   "faults: -hall"}},
        FaultCase{"bit without a name", {0, 0x0001}, {"faults: 0x0000 -> 0x0001"}}),
    ByLabel<&FaultCase::what>{});

TEST(SampleStoreEvents, StateChangesFromTheFirstFrame) {
    SampleStore store(16, 16);
    std::int64_t t = 0;
    for (std::int32_t s : {0, 0, 3, 3, 6, 9, 9}) {
        store.add(t += 100, status_with(StatusField::State, s));
    }
    std::vector<std::string> texts;
    std::vector<std::int64_t> times;
    for (std::size_t i = 0; i < store.events().size(); ++i) {
        ASSERT_EQ(store.events()[i].kind, EventKind::State);
        texts.push_back(event_text(store.events()[i]));
        times.push_back(store.events()[i].timeMs);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"state: IDLE", "state: IDLE -> RUN",
                                               "state: RUN -> FAULT", "state: FAULT -> 9"}));
    EXPECT_EQ(times, (std::vector<std::int64_t>{100, 300, 500, 600}));
    EXPECT_FALSE(store.events()[0].stateBefore);
}

TEST(SampleStoreEvents, EventRingIsBoundedToo) {
    SampleStore store(4, 5);
    for (int i = 0; i < 20; ++i) {
        store.add(i * 100, status_with(StatusField::CurrentFaults, (i % 2) != 0 ? 0x0004 : 0));
    }
    // A first state event, then a fault event for each of the 19 changes; the last five stay.
    EXPECT_EQ(store.events().size(), 5u);
    EXPECT_EQ(store.events().total(), 20u);
    EXPECT_EQ(store.events()[0].timeMs, 1500);
    EXPECT_EQ(store.events()[4].timeMs, 1900);
    EXPECT_EQ(store.size(), 4u);
}

} // namespace

// The traffic monitor's log: rows with what the program made of each frame, running counts,
// and a bounded ring.
#include "link/frames.h"
#include "link/receiver.h"
#include "link/traffic_log.h"
#include "link/unit_assembler.h"
#include "test_support.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace motiview;
using motiview::test::ByLabel;

using motiview::test::unit_of;

namespace {

Unit user_info(std::string_view name) {
    Unit u = unit_of(0xF1, 0xE1, 0xA2);
    store_user_name(u, name);
    return u;
}

// ---- meanings -------------------------------------------------------------------------

struct ReceivedCase {
    const char* what;
    Unit unit;
    const char* meaning;
};

class ReceivedMeaning : public ::testing::TestWithParam<ReceivedCase> {};

TEST_P(ReceivedMeaning, AsTheReceivePathSeesIt) {
    EXPECT_EQ(received_meaning(GetParam().unit), GetParam().meaning);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ReceivedMeaning,
    ::testing::Values(
        ReceivedCase{"status", unit_of(0xDF, 0xEF), "status"},
        ReceivedCase{"basic reply", unit_of(0xF0, 0xE0), "Basic setting reply"},
        ReceivedCase{"basic ack", unit_of(0xF0, 0xE1), "Basic set successfull!"},
        ReceivedCase{"throttle warning", unit_of(0xFF, 0xFE), kThrottleWarningText.data()},
        ReceivedCase{"hall b done", unit_of(0xFF, 0xFA), "Group Hall B test is done."},
        ReceivedCase{"user info", user_info("McuSN-7"), "user info \"McuSN-7\""},
        ReceivedCase{"unknown code", unit_of(0x11, 0x22), "unknown code 11 22"},
        ReceivedCase{"broken", unit_of(0xDF, 0xEF, 0, 0x00), "broken unit: ends in 00, not DA"}),
    ByLabel<&ReceivedCase::what>{});

struct SentCase {
    const char* what;
    Bytes frame;
    const char* meaning;
};

class SentMeaning : public ::testing::TestWithParam<SentCase> {};

TEST_P(SentMeaning, NamesTheRequest) {
    EXPECT_EQ(sent_meaning(GetParam().frame), GetParam().meaning);
}

Bytes bytes_of(const Unit& u) {
    return Bytes(u.begin(), u.end());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SentMeaning,
    ::testing::Values(
        SentCase{"status request", {0xFD, 0x48, 0x55}, "status request"},
        SentCase{"read basic", {0xF0, 0xE0, 0xDA}, "read Basic setting"},
        SentCase{"counter reset", {0xFB, 0xEC, 0xDA}, "counter reset"},
        SentCase{"hall a", {0xFC, 0xEC, 0xDA}, "hall test A"},
        SentCase{"write basic", bytes_of(unit_of(0xF0, 0xE1)), "write Basic setting"},
        SentCase{"unknown short frame", {0x01, 0x02, 0xDA}, "3 bytes"},
        SentCase{"read hardware", {0xFB, 0xED, 0xDA}, "read Idc calibration"},
        SentCase{"read flux C6", {0xD6, 0xC6, 0xDA}, "read FluxWeaken Reference"},
        SentCase{"hall b", {0xFC, 0xED, 0xDA}, "hall test B"},
        SentCase{"hall stop", {0xFC, 0xEE, 0xDA}, "hall test stop"},
        SentCase{"write derate C6", bytes_of(unit_of(0xD5, 0xC6)), "write Derate setting"},
        SentCase{"write user info", bytes_of(unit_of(0xF1, 0xE2, 0xA2)), "write user info"},
        SentCase{"user info write without A2", bytes_of(unit_of(0xF1, 0xE2, 0x00)), "32 bytes"},
        SentCase{"write without end byte", bytes_of(unit_of(0xF0, 0xE1, 0, 0x00)), "32 bytes"},
        SentCase{"read code in a unit", bytes_of(unit_of(0xF0, 0xE0)), "32 bytes"},
        SentCase{"read cut short", {0xF0, 0xE0}, "2 bytes"},
        SentCase{"one byte", {0xFD}, "1 byte"}),
    ByLabel<&SentCase::what>{});

// Every request of the table gets its own words, whatever its payload; a request with a code
// byte or its end byte changed is no request.
TEST(SentMeaningTable, EveryRequestHasItsOwnWords) {
    std::set<std::string> meanings;
    for (const RequestPattern& p : request_patterns()) {
        Bytes frame = request_bytes(p.kind, p.page.value_or(PageId::Basic));
        for (std::size_t i = p.headLength; i + 1 < frame.size(); ++i) {
            frame[i] = static_cast<std::uint8_t>(0x30 + i); // a payload
        }
        SCOPED_TRACE(to_hex(frame));
        const std::string meaning = sent_meaning(frame);
        EXPECT_TRUE(meaning.starts_with(request_row(p.kind).meaning)) << meaning;
        if (p.page) {
            EXPECT_TRUE(meaning.ends_with(page_schema(*p.page).title)) << meaning;
        }
        EXPECT_TRUE(meanings.insert(meaning).second) << meaning;

        const std::string asBytes = std::to_string(frame.size()) + " bytes";
        for (std::size_t i : {std::size_t{0}, std::size_t{1}, frame.size() - 1}) {
            Bytes changed = frame;
            changed[i] = static_cast<std::uint8_t>(changed[i] ^ 0x80);
            EXPECT_EQ(sent_meaning(changed), asBytes) << "byte " << i;
        }
    }
}

// ---- a session's worth of traffic -----------------------------------------------------

TEST(TrafficLog, StreamWithNoiseBrokenAndUnknownUnits) {
    // The controller's answers with three bytes of noise in front of the second status frame:
    // the assembler cuts a broken unit, the next poll discards, and the stream comes back in
    // step, as the window's receive path handles it.
    std::vector<std::uint8_t> line;
    const auto put = [&line](const Unit& u) { line.insert(line.end(), u.begin(), u.end()); };
    put(unit_of(0xDF, 0xEF));
    line.insert(line.end(), {0x55, 0x66, 0x77});
    put(unit_of(0xDF, 0xEF));
    put(unit_of(0x11, 0x22));
    put(unit_of(0xF0, 0xE1));

    TrafficLog log;
    UnitAssembler assembler;
    std::int64_t t = 0;
    log.sent(t, frame_set().statusRequest);
    (void)assembler.feed(line);
    // first status unit, then the broken one the noise made
    for (int i = 0; i < 2; ++i) {
        const auto u = assembler.next();
        ASSERT_TRUE(u);
        log.received(t += 10, *u);
    }
    // the poll after a broken unit discards up to a unit's worth of waiting bytes
    log.discarded(t += 10, assembler.discard(3));
    while (const auto u = assembler.next()) {
        log.received(t += 10, *u);
    }
    log.silence(t += 1000);

    const TrafficCounters& c = log.counters();
    EXPECT_EQ(c.framesSent, 1u);
    EXPECT_EQ(c.unitsReceived, 4u);
    EXPECT_EQ(c.brokenUnits, 1u);
    EXPECT_EQ(c.unknownUnits, 1u);
    EXPECT_EQ(c.bytesDiscarded, 3u);
    EXPECT_EQ(c.silences, 1u);

    std::vector<std::string> meanings;
    std::vector<Direction> directions;
    for (std::size_t i = 0; i < log.rows().size(); ++i) {
        meanings.push_back(log.rows()[i].meaning);
        directions.push_back(log.rows()[i].direction);
    }
    EXPECT_EQ(meanings, (std::vector<std::string>{
                            "status request", "status", "broken unit: ends in 00, not DA",
                            "discarded 3 bytes", "unknown code 11 22", "Basic set successfull!",
                            "no answer: link offline"}));
    EXPECT_EQ(directions,
              (std::vector<Direction>{Direction::Sent, Direction::Received, Direction::Received,
                                      Direction::Received, Direction::Received, Direction::Received,
                                      Direction::None}));
    EXPECT_EQ(log.rows()[2].unit, UnitKind::Broken);
    EXPECT_EQ(log.rows()[4].unit, UnitKind::Unknown);
    EXPECT_EQ(to_hex(log.rows()[0].data()), "FD 48 55");
    EXPECT_EQ(log.rows()[1].data().size(), kUnitSize);
    EXPECT_TRUE(log.rows()[3].data().empty());
}

TEST(TrafficLog, RingKeepsTheNewestRowsAndCountsEverything) {
    TrafficLog log(10);
    for (int i = 0; i < 25; ++i) {
        log.received(i, unit_of(0xDF, 0xEF));
    }
    EXPECT_EQ(log.rows().size(), 10u);
    EXPECT_EQ(log.rows().capacity(), 10u);
    EXPECT_EQ(log.rows().first_number(), 15u);
    EXPECT_EQ(log.rows()[0].timeMs, 15);
    EXPECT_EQ(log.rows().back().timeMs, 24);
    EXPECT_EQ(log.counters().unitsReceived, 25u);
}

TEST(TrafficLog, SavedLineHasTimeDirectionBytesAndMeaning) {
    TrafficLog log;
    log.sent(1234, frame_set().read(PageId::Basic));
    log.discarded(1500, 0); // nothing thrown away: no row
    log.silence(2000);
    EXPECT_EQ(traffic_line(log.rows()[0]), "1234\tsent\tF0 E0 DA\tread Basic setting");
    EXPECT_EQ(traffic_line(log.rows()[1]), "2000\t-\t\tno answer: link offline");
}

} // namespace

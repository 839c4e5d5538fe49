// The simulator's command line.
#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace motiview::sim;

namespace {

motiview::Result<Options> parse(std::vector<std::string_view> args) {
    return parse_options(args);
}

TEST(SimOptions, Defaults) {
    const auto o = parse({});
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->userName, "SIM-0001");
    EXPECT_EQ(o->state, 3);
    EXPECT_EQ(o->gear, 2);
    EXPECT_EQ(o->currentFaults, 0);
    EXPECT_EQ(o->maxSeconds, 0);
    EXPECT_FALSE(o->silentAfter.has_value());
    EXPECT_FALSE(o->hangupAfter.has_value());
    EXPECT_FALSE(o->badEndOnce);
    EXPECT_EQ(o->pieces, 0u);
    EXPECT_EQ(o->pieceGapMs, 5u);
    EXPECT_EQ(o->dropAck + o->dropWrite + o->hangupAtWrite, 0u);
}

TEST(SimOptions, WriteFaultsAndPieces) {
    const auto o = parse({"--drop-ack", "2", "--drop-write=3", "--hangup-at-write", "0x10",
                          "--reappear-after", "1", "--pieces", "31", "--piece-gap-ms", "0"});
    ASSERT_TRUE(o.ok()) << o.error().message;
    EXPECT_EQ(o->dropAck, 2u);
    EXPECT_EQ(o->dropWrite, 3u);
    EXPECT_EQ(o->hangupAtWrite, 16u);
    EXPECT_EQ(o->reappearAfter, 1.0);
    EXPECT_EQ(o->pieces, 31u);
    EXPECT_EQ(o->pieceGapMs, 0u);
    EXPECT_EQ(parse({"--pieces", "1", "--piece-gap-ms", "50"})->pieceGapMs, 50u);
}

TEST(SimOptions, ValuesTakenAsGiven) {
    const auto o = parse({"--link",
                          "/tmp/x/com1",
                          "--dump-blocks=/tmp/x/b.txt",
                          "--user-name",
                          "Tech-42",
                          "--history-faults",
                          "0x6001",
                          "--silent-after",
                          "3",
                          "--resume-after",
                          "4.5",
                          "--noise-bytes",
                          "7",
                          "--noise-every",
                          "5",
                          "--drop-every",
                          "9",
                          "--hangup-after",
                          "2",
                          "--reappear-after",
                          "1.5",
                          "--flood",
                          "10",
                          "--bad-end-once",
                          "--max-seconds",
                          "120",
                          "--verbose"});
    ASSERT_TRUE(o.ok()) << o.error().message;
    EXPECT_EQ(o->linkPath, "/tmp/x/com1");
    EXPECT_EQ(o->dumpPath, "/tmp/x/b.txt");
    EXPECT_EQ(o->userName, "Tech-42");
    EXPECT_EQ(o->historyFaults, 0x6001);
    EXPECT_EQ(o->silentAfter, 3u);
    EXPECT_EQ(o->resumeAfter, 4.5);
    EXPECT_EQ(o->noiseBytes, 7u);
    EXPECT_EQ(o->noiseEvery, 5u);
    EXPECT_EQ(o->dropEvery, 9u);
    EXPECT_EQ(o->hangupAfter, 2.0);
    EXPECT_EQ(o->reappearAfter, 1.5);
    EXPECT_EQ(o->floodRate, 10.0);
    EXPECT_TRUE(o->badEndOnce);
    EXPECT_EQ(o->maxSeconds, 120.0);
    EXPECT_TRUE(o->verbose);
}

TEST(SimOptions, FaultsAccumulateAndDefaultTheStateToFault) {
    const auto o = parse({"--fault", "hall", "--fault", "thermistor-open", "--fault", "hall"});
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->currentFaults, 0x4002);
    EXPECT_EQ(o->state, 6);
    // An explicit state wins, before or after the fault.
    EXPECT_EQ(parse({"--state", "3", "--fault", "hall"})->state, 3);
    EXPECT_EQ(parse({"--fault", "hall", "--state", "1"})->state, 1);
    // Every name of the table maps to its own bit.
    std::uint16_t all = 0;
    for (const FaultName& f : fault_names()) {
        EXPECT_EQ(all & (1u << f.bit), 0u) << f.name;
        all = static_cast<std::uint16_t>(all | (1u << f.bit));
    }
    EXPECT_EQ(all, 0x70FE);
}

TEST(SimOptions, RefusedWithAReason) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--fault", "smoke"},
        {"--fault"},
        {"--state", "256"},
        {"--gear", "-1"},
        {"--history-faults", "0x10000"},
        {"--history-faults", "0xZZ"},
        {"--silent-after", "two"},
        {"--resume-after", "3"}, // without --silent-after
        {"--reappear-after", "3"},
        {"--pieces", "0"},
        {"--pieces", "32"},
        {"--pieces", "1", "--piece-gap-ms", "51"},
        {"--piece-gap-ms", "10"}, // without --pieces
        {"--drop-ack", "0"},
        {"--drop-write", "-2"},
        {"--hangup-at-write", "0"},
        {"--drop-ack", "2", "--drop-write", "2"},
        {"--drop-write", "4", "--hangup-at-write", "4"},
        {"--hangup-at-write", "1", "--hangup-after", "3"},
        {"--noise-every", "2"},
        {"--max-seconds", "-1"},
        {"--max-seconds", "nan"},
        {"--flood", "5000"},
        {"--user-name", "A-name-that-is-far-too-long"},
        {"--link", ""},
        {"--verbose=yes"},
        {"--unknown"},
        {"stray"},
    };
    for (const auto& args : bad) {
        const auto o = parse(args);
        EXPECT_FALSE(o.ok()) << args[0];
        if (!o.ok()) {
            EXPECT_FALSE(o.error().message.empty());
        }
    }
}

TEST(SimOptions, HelpNamesEveryOption) {
    EXPECT_TRUE(parse({"--help"})->help);
    const std::string text = usage_text();
    for (const char* opt :
         {"--link",          "--user-name",      "--fault",       "--history-faults",
          "--state",         "--gear",           "--dump-blocks", "--silent-after",
          "--resume-after",  "--noise-bytes",    "--noise-every", "--drop-every",
          "--hangup-after",  "--reappear-after", "--flood",       "--bad-end-once",
          "--max-seconds",   "--verbose",        "--help",        "thermistor-short",
          "motor-over-heat", "--drop-ack",       "--drop-write",  "--hangup-at-write",
          "--pieces",        "--piece-gap-ms"}) {
        EXPECT_NE(text.find(opt), std::string::npos) << opt;
    }
}

} // namespace

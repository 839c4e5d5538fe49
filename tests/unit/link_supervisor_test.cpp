#include "link/line_settings.h"
#include "link/supervisor.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace motiview;
using motiview::test::label_name;
using motiview::test::text_name;

namespace {

Unit frame(std::uint8_t b0, std::uint8_t b1, std::uint8_t last = kEndByte) {
    Unit u{};
    u[0] = b0;
    u[1] = b1;
    u[31] = last;
    return u;
}

const Unit kStatus = frame(0xDF, 0xEF);

// The poll timer and a controller that answers a poll (or not) before the next tick.
struct Bench {
    LinkShared link;
    Supervisor supervisor{link};
    int ticks = 0;
    std::vector<int> polls; // tick numbers, 1-based

    // One tick; `answer` is what the controller sends back if this tick polls.
    std::string tick(const Unit* answer = nullptr) {
        const TickOutput out = supervisor.tick();
        ++ticks;
        EXPECT_EQ(out.state, link.state);
        if (out.poll) {
            polls.push_back(ticks);
            if (answer != nullptr) {
                (void)receive_unit(*answer, link);
            }
        }
        // What the tick shows is decided before the answer comes in.
        return link_display(out.state, 1, "9600,n,8,1").label;
    }

    // Ticks up to and including the next poll, answered with `answer`.
    std::string to_next_poll(const Unit* answer) {
        const std::size_t before = polls.size();
        std::string label;
        while (polls.size() == before) {
            label = tick(answer);
        }
        return label;
    }
};

TEST(SupervisorTick, DividerCountsToNineAndPollsOnTheTenth) {
    LinkShared link;
    Supervisor s(link);
    for (int t = 1; t <= 30; ++t) {
        const TickOutput out = s.tick();
        EXPECT_EQ(out.poll, t % 10 == 0) << "tick " << t;
        EXPECT_EQ(s.divider(), t % 10) << "tick " << t;
        EXPECT_FALSE(out.discardInput);
    }
}

struct RateCase {
    int rate;
    int period; // ticks between polls
};

class PollRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(PollRate, PollsEveryPeriodAndGoesOfflineAfterTheSameSilence) {
    const RateCase c = GetParam();
    Bench b;
    ASSERT_TRUE(b.supervisor.set_poll_rate(c.rate));
    EXPECT_EQ(b.supervisor.poll_rate(), c.rate);
    EXPECT_EQ(b.to_next_poll(&kStatus), "Connecting...");
    ASSERT_EQ(b.link.state, LinkState::Online);
    EXPECT_EQ(b.ticks, c.period);
    for (int t = 0; t < 30; ++t) {
        EXPECT_EQ(b.tick(&kStatus), "online");
    }
    for (std::size_t i = 1; i < b.polls.size(); ++i) {
        EXPECT_EQ(b.polls[i] - b.polls[i - 1], c.period);
    }
    // The controller falls silent after its last answer: offline on the same tick at every
    // rate, 21 ticks (2.1 s) after the last valid frame.
    const int lastAnswer = b.polls.back();
    while (b.tick() == "online") {
    }
    EXPECT_EQ(b.ticks - lastAnswer, kSilenceLimit + 1);
}

INSTANTIATE_TEST_SUITE_P(Rates, PollRate,
                         ::testing::Values(RateCase{1, 10}, RateCase{2, 5}, RateCase{5, 2},
                                           RateCase{10, 1}),
                         [](const ::testing::TestParamInfo<RateCase>& i) {
                             return std::to_string(i.param.rate) + "_per_second";
                         });

TEST(PollRateChange, OtherRatesAreRefusedAndAFasterRatePollsAtTheNextTick) {
    LinkShared link;
    Supervisor s(link);
    for (int bad : {0, 3, 4, 20, -1}) {
        EXPECT_FALSE(s.set_poll_rate(bad)) << bad;
        EXPECT_EQ(s.poll_rate(), 1);
    }
    for (int t = 0; t < 6; ++t) {
        EXPECT_FALSE(s.tick().poll);
    }
    ASSERT_TRUE(s.set_poll_rate(5));
    EXPECT_TRUE(s.tick().poll);
    EXPECT_FALSE(s.tick().poll);
    EXPECT_TRUE(s.tick().poll);
    ASSERT_TRUE(s.set_poll_rate(1)); // back to once a second, counted from the last poll
    for (int t = 1; t < 10; ++t) {
        EXPECT_FALSE(s.tick().poll) << t;
    }
    EXPECT_TRUE(s.tick().poll);
}

TEST(SupervisorTick, NoControllerOfflineThenConnectingThenOfflineForGood) {
    Bench b;
    for (int t = 1; t <= 100; ++t) {
        const std::string label = b.tick();
        const char* expected = t <= 9 ? "offline" : t <= 20 ? "Connecting..." : "offline";
        EXPECT_EQ(label, expected) << "tick " << t;
    }
    EXPECT_EQ(b.link.silence, kSilenceLimit);
    EXPECT_EQ(b.polls, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(SupervisorTick, AnsweredFirstPollGoesOnline) {
    Bench b;
    EXPECT_EQ(b.to_next_poll(&kStatus), "Connecting...");
    EXPECT_EQ(b.link.state, LinkState::Online);
    for (int t = 0; t < 50; ++t) {
        EXPECT_EQ(b.tick(&kStatus), "online");
    }
}

TEST(SupervisorTick, OneLostStatusFrameKeepsOnlineTwoMakeOffline) {
    Bench one;
    (void)one.to_next_poll(&kStatus);
    (void)one.to_next_poll(nullptr); // lost
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(one.tick(&kStatus), "online") << "tick " << one.ticks;
    }

    Bench two;
    (void)two.to_next_poll(&kStatus);
    (void)two.to_next_poll(nullptr);
    EXPECT_EQ(two.to_next_poll(nullptr), "online"); // counter reaches 20 here
    EXPECT_EQ(two.tick(), "offline");
}

TEST(SupervisorTick, ReconnectsAtTheSecondAnsweredPoll) {
    Bench b;
    for (int t = 0; t < 45; ++t) {
        (void)b.tick();
    }
    ASSERT_EQ(b.link.state, LinkState::Offline);
    // First answered poll: the silence counter is still at its limit during that tick.
    EXPECT_EQ(b.to_next_poll(&kStatus), "offline");
    EXPECT_EQ(b.link.state, LinkState::Offline);
    for (int t = 0; t < 9; ++t) {
        EXPECT_EQ(b.tick(), "offline");
    }
    // Second answered poll: connecting at the poll, online once its answer arrives.
    EXPECT_EQ(b.to_next_poll(&kStatus), "Connecting...");
    EXPECT_EQ(b.tick(), "online");
}

TEST(SupervisorTick, NonStatusFramesKeepConnectingAlive) {
    Bench b;
    const Unit reply = frame(0xF0, 0xE0);
    for (int t = 0; t < 60; ++t) {
        const std::string label = b.tick(&reply);
        if (t >= 9) {
            EXPECT_EQ(label, "Connecting...") << "tick " << b.ticks;
        }
    }
}

TEST(SupervisorTick, BrokenUnitMakesEveryNextPollDiscardUntilAValidUnit) {
    LinkShared link;
    Supervisor s(link);
    (void)receive_unit(frame(0xDF, 0xEF, 0x00), link);
    ASSERT_TRUE(link.broken);
    std::vector<bool> discards;
    for (int t = 0; t < 20; ++t) {
        const TickOutput out = s.tick();
        if (out.poll) {
            discards.push_back(out.discardInput);
        }
    }
    EXPECT_EQ(discards, (std::vector<bool>{true, true}));
    (void)receive_unit(kStatus, link);
    for (int t = 0; t < 10; ++t) {
        const TickOutput out = s.tick();
        EXPECT_FALSE(out.discardInput);
    }
}

// ---- display ----------------------------------------------------------------------------

struct DisplayCase {
    LinkState state;
    int port;
    const char* settings;
    Lamp lamp;
    const char* label;
    const char* portNo;
    const char* portState;
    bool buttons;
};

class Display : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(Display, FollowsTheLinkState) {
    const auto& c = GetParam();
    const LinkDisplay d = link_display(c.state, c.port, c.settings);
    EXPECT_EQ(d.lamp, c.lamp);
    EXPECT_EQ(d.label, c.label);
    EXPECT_EQ(d.portNo, c.portNo);
    EXPECT_EQ(d.portState, c.portState);
    EXPECT_EQ(d.buttonsEnabled, c.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    States, Display,
    ::testing::Values(DisplayCase{LinkState::Offline, 3, "57600,n,8,1", Lamp::Red, "offline",
                                  "COM - 3", "57600,n,8,1", false},
                      DisplayCase{LinkState::Connecting, 3, "57600,n,8,1", Lamp::Red,
                                  "Connecting...", "COM - 3", "?", false},
                      DisplayCase{LinkState::Online, 3, "57600,n,8,1", Lamp::Green, "online",
                                  "COM - 3", "57600,n,8,1", true},
                      DisplayCase{LinkState::Offline, 0, "9600,n,8,1", Lamp::Red, "offline",
                                  "COM - ?", "9600,n,8,1", false},
                      DisplayCase{LinkState::Online, 9, "1200,e,7,2", Lamp::Green, "online",
                                  "COM - 9", "1200,e,7,2", true}),
    // "online_com9"
    [](const ::testing::TestParamInfo<DisplayCase>& p) {
        return label_name(p.param.label) + "_com" + std::to_string(p.param.port);
    });

// ---- line settings ----------------------------------------------------------------------

struct SettingsCase {
    const char* text;
    std::optional<LineSettings> expected;
};

class LineSettingsParse : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LineSettingsParse, ReadsOrRefuses) {
    const auto& c = GetParam();
    const auto got = parse_line_settings(c.text);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (got) {
        EXPECT_EQ(got->baud, c.expected->baud);
        EXPECT_EQ(got->parity, c.expected->parity);
        EXPECT_EQ(got->dataBits, c.expected->dataBits);
        EXPECT_EQ(got->stopBits, c.expected->stopBits);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineSettingsParse,
    ::testing::Values(
        SettingsCase{"9600,n,8,1", LineSettings{9600, Parity::None, 8, StopBits::One}},
        SettingsCase{"57600,n,8,1", LineSettings{57600, Parity::None, 8, StopBits::One}},
        SettingsCase{"115200,e,7,2", LineSettings{115200, Parity::Even, 7, StopBits::Two}},
        SettingsCase{"1200,o,8,1.5", LineSettings{1200, Parity::Odd, 8, StopBits::OneAndHalf}},
        SettingsCase{"4800,E,8,1", LineSettings{4800, Parity::Even, 8, StopBits::One}},
        SettingsCase{"", std::nullopt}, SettingsCase{"9600,n,8", std::nullopt},
        SettingsCase{"9600,n,8,1,", std::nullopt}, SettingsCase{"9600,n,8,1,1", std::nullopt},
        SettingsCase{"0,n,8,1", std::nullopt}, SettingsCase{"-9600,n,8,1", std::nullopt},
        SettingsCase{"+9600,n,8,1", std::nullopt}, SettingsCase{"96x0,n,8,1", std::nullopt},
        SettingsCase{"99999999999,n,8,1", std::nullopt}, SettingsCase{"9600,x,8,1", std::nullopt},
        SettingsCase{"9600,,8,1", std::nullopt}, SettingsCase{"9600,n,6,1", std::nullopt},
        SettingsCase{"9600,n,8,3", std::nullopt}, SettingsCase{"9600,n,8,1.0", std::nullopt},
        SettingsCase{" 9600,n,8,1", std::nullopt}),
    [](const ::testing::TestParamInfo<SettingsCase>& p) { return text_name(p.param.text); });

TEST(LineSettingsParse, DefaultStringIsTheDefaultValue) {
    const auto s = parse_line_settings(kDefaultSettings);
    ASSERT_TRUE(s.has_value());
    const LineSettings d{};
    EXPECT_EQ(s->baud, d.baud);
    EXPECT_EQ(s->parity, d.parity);
    EXPECT_EQ(s->dataBits, d.dataBits);
    EXPECT_EQ(s->stopBits, d.stopBits);
}

} // namespace

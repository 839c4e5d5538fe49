// The simulator's status frame: layout, fault words, state and gear, values that move.
#include "options.h"
#include "status_generator.h"

#include "link/frames.h"
#include "monitor/status_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace motiview;
using namespace motiview::sim;

namespace {

// A value of the frame as the panels' decoder reads it.
int at(const Unit& u, StatusField f) {
    return read_status(u)[f];
}

StatusConfig config_from(std::vector<std::string_view> args) {
    const auto o = parse_options(args);
    EXPECT_TRUE(o.ok()) << (o.ok() ? "" : o.error().message);
    return o.ok() ? StatusConfig{o->currentFaults, o->historyFaults, o->state, o->gear}
                  : StatusConfig{};
}

TEST(SimStatus, EnvelopeIsAStatusFrame) {
    for (double t : {0.0, 3.3, 8.0, 12.5, 19.9, 1234.5}) {
        const Unit u = status_frame(StatusConfig{}, t);
        EXPECT_EQ(u[0], 0xDF);
        EXPECT_EQ(u[1], 0xEF);
        EXPECT_EQ(u[31], kEndByte);
        EXPECT_EQ(classify(u).kind, UnitKind::Status);
    }
}

struct FaultCase {
    const char* fault;
    std::uint16_t word;
};

class SimStatusFaults : public ::testing::TestWithParam<FaultCase> {};

std::string fault_case_name(const ::testing::TestParamInfo<FaultCase>& p) {
    std::string name = p.param.fault;
    for (char& ch : name) {
        ch = ch == '-' ? '_' : ch;
    }
    return name;
}

TEST_P(SimStatusFaults, FaultSetsItsCurrentBitAndTheFaultState) {
    const FaultCase& c = GetParam();
    const Unit u = status_frame(config_from({"--fault", c.fault}), 5.0);
    EXPECT_EQ(at(u, StatusField::CurrentFaults), c.word);
    EXPECT_EQ(at(u, StatusField::HistoryFaults), 0);
    EXPECT_EQ(at(u, StatusField::State), 6);           // FAULT with any fault
    EXPECT_EQ(at(u, StatusField::Flags) & 0x08, 0x08); // alarm flag
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SimStatusFaults,
    ::testing::Values(FaultCase{"hall", 0x0002}, FaultCase{"over-voltage", 0x0004},
                      FaultCase{"under-voltage", 0x0008}, FaultCase{"over-heat", 0x0010},
                      FaultCase{"over-current", 0x0020}, FaultCase{"over-load", 0x0040},
                      FaultCase{"motor-lock", 0x0080}, FaultCase{"motor-over-heat", 0x1000},
                      // In the current word bit 13 is the short, bit 14 the open.
                      FaultCase{"thermistor-short", 0x2000}, FaultCase{"thermistor-open", 0x4000}),
    fault_case_name);

TEST(SimStatus, WordsStateAndGearAsConfigured) {
    struct Case {
        std::vector<std::string_view> args;
        std::uint16_t current;
        std::uint16_t history;
        std::uint8_t state;
        std::uint8_t gear;
    };
    const std::vector<Case> cases = {
        {{}, 0, 0, 3, 2},
        {{"--fault", "hall", "--fault", "over-load"}, 0x0042, 0, 6, 2},
        {{"--fault", "hall", "--state", "3"}, 0x0002, 0, 3, 2},
        {{"--history-faults", "0x2000"}, 0, 0x2000, 3, 2},
        {{"--history-faults", "4100", "--state", "5", "--gear", "4"}, 0, 4100, 5, 4},
        {{"--gear", "0"}, 0, 0, 3, 0},
    };
    for (const Case& c : cases) {
        const Unit u = status_frame(config_from(c.args), 7.0);
        EXPECT_EQ(at(u, StatusField::CurrentFaults), c.current);
        EXPECT_EQ(at(u, StatusField::HistoryFaults), c.history);
        EXPECT_EQ(at(u, StatusField::State), c.state);
        EXPECT_EQ(at(u, StatusField::Gear), c.gear);
        EXPECT_EQ(at(u, StatusField::Flags) & 0x08, c.current != 0 ? 0x08 : 0);
    }
}

TEST(SimStatus, ValuesFollowTheThrottleCycle) {
    const StatusConfig cfg{};
    const Unit rest = status_frame(cfg, 18.0); // throttle released
    const Unit full = status_frame(cfg, 8.0);  // full throttle
    EXPECT_DOUBLE_EQ(throttle_at(18.0), 0.0);
    EXPECT_DOUBLE_EQ(throttle_at(8.0), 1.0);
    EXPECT_EQ(at(rest, StatusField::Speed), 0);
    EXPECT_GT(at(full, StatusField::Speed), 2000);
    EXPECT_GT(at(full, StatusField::Idc), at(rest, StatusField::Idc));
    // The bus voltage sags under load.
    EXPECT_LT(at(full, StatusField::Vdc), at(rest, StatusField::Vdc));
    EXPECT_GT(at(full, StatusField::Throttle), at(rest, StatusField::Throttle));
    // Released: a little regeneration, a negative sign-magnitude current.
    EXPECT_LT(at(rest, StatusField::Idc), 0);
    EXPECT_EQ(rest[kStatusLayout[static_cast<std::size_t>(StatusField::Idc)].offset + 1] & 0x80,
              0x80);
}

TEST(SimStatus, ValuesMoveFromPollToPoll) {
    const StatusConfig cfg{};
    // Polls once a second over one throttle cycle: the ramps change every poll.
    int speedChanges = 0;
    int currentChanges = 0;
    int voltageChanges = 0;
    Unit previous = status_frame(cfg, 0.0);
    for (int s = 1; s <= 20; ++s) {
        const Unit u = status_frame(cfg, s);
        speedChanges += at(u, StatusField::Speed) != at(previous, StatusField::Speed);
        currentChanges += at(u, StatusField::Idc) != at(previous, StatusField::Idc);
        voltageChanges += at(u, StatusField::Vdc) != at(previous, StatusField::Vdc);
        previous = u;
    }
    EXPECT_GE(speedChanges, 10);
    EXPECT_GE(currentChanges, 10);
    EXPECT_GE(voltageChanges, 10);
    // Temperatures drift over minutes.
    std::set<int> powerTemps;
    std::set<int> motorTemps;
    for (int s = 0; s < 600; s += 20) {
        const Unit u = status_frame(cfg, s);
        powerTemps.insert(at(u, StatusField::PowerTemp));
        motorTemps.insert(at(u, StatusField::MotorTemp));
    }
    EXPECT_GE(powerTemps.size(), 5u);
    EXPECT_GE(motorTemps.size(), 3u);
}

TEST(SimStatus, PlausibleRangesOverManyCycles) {
    for (double t = 0; t < 600; t += 0.7) {
        const Unit u = status_frame(StatusConfig{}, t);
        const double vdc = at(u, StatusField::Vdc) / 100.0;
        EXPECT_GT(vdc, 60.0);
        EXPECT_LT(vdc, 80.0);
        EXPECT_LE(std::abs(at(u, StatusField::Speed)), 3200);
        const int powerTemp = at(u, StatusField::PowerTemp) - 10;
        EXPECT_GE(powerTemp, 20);
        EXPECT_LE(powerTemp, 60);
        EXPECT_GE(at(u, StatusField::HallState), 1);
        EXPECT_LE(at(u, StatusField::HallState), 6);
        const double throttle = at(u, StatusField::Throttle) / 10000.0;
        EXPECT_GE(throttle, 0.8);
        EXPECT_LE(throttle, 4.2);
    }
}

TEST(SimStatus, BackwardGearTurnsTheOtherWay) {
    const Unit back = status_frame(StatusConfig{0, 0, 3, 4}, 8.0);
    EXPECT_LT(at(back, StatusField::Speed), -2000);
    EXPECT_EQ(at(back, StatusField::Flags) & 0x03, 0x02);
    EXPECT_EQ(at(back, StatusField::Inputs) & 0x03, 0x02);
    const Unit fwd = status_frame(StatusConfig{0, 0, 3, 2}, 8.0);
    EXPECT_EQ(at(fwd, StatusField::Flags) & 0x03, 0x01);
    // Neutral: standing still at any throttle.
    EXPECT_EQ(at(status_frame(StatusConfig{0, 0, 3, 0}, 8.0), StatusField::Speed), 0);
}

} // namespace

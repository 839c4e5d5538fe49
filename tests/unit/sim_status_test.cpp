// The simulator's status frame: layout, fault words, state and gear, values that move.
#include "options.h"
#include "status_generator.h"

#include "link/frames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace motiview;
using namespace motiview::sim;
namespace off = motiview::sim::status_offset;

namespace {

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
    EXPECT_EQ(load_u16le(u, off::kCurrent), c.word);
    EXPECT_EQ(load_u16le(u, off::kHistory), 0);
    EXPECT_EQ(u[off::kState], 6);           // FAULT with any fault
    EXPECT_EQ(u[off::kFlags] & 0x08, 0x08); // alarm flag
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
        EXPECT_EQ(load_u16le(u, off::kCurrent), c.current);
        EXPECT_EQ(load_u16le(u, off::kHistory), c.history);
        EXPECT_EQ(u[off::kState], c.state);
        EXPECT_EQ(u[off::kGear], c.gear);
        EXPECT_EQ(u[off::kFlags] & 0x08, c.current != 0 ? 0x08 : 0);
    }
}

TEST(SimStatus, ValuesFollowTheThrottleCycle) {
    const StatusConfig cfg{};
    const Unit rest = status_frame(cfg, 18.0); // throttle released
    const Unit full = status_frame(cfg, 8.0);  // full throttle
    EXPECT_DOUBLE_EQ(throttle_at(18.0), 0.0);
    EXPECT_DOUBLE_EQ(throttle_at(8.0), 1.0);
    EXPECT_EQ(load_sm16le(rest, off::kSpeed), 0);
    EXPECT_GT(load_sm16le(full, off::kSpeed), 2000);
    EXPECT_GT(load_sm16le(full, off::kIdc), load_sm16le(rest, off::kIdc));
    // The bus voltage sags under load.
    EXPECT_LT(load_u16le(full, off::kVdc), load_u16le(rest, off::kVdc));
    EXPECT_GT(load_u16le(full, off::kThrottle), load_u16le(rest, off::kThrottle));
    // Released: a little regeneration, a negative sign-magnitude current.
    EXPECT_LT(load_sm16le(rest, off::kIdc), 0);
    EXPECT_EQ(rest[off::kIdc + 1] & 0x80, 0x80);
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
        speedChanges += load_sm16le(u, off::kSpeed) != load_sm16le(previous, off::kSpeed);
        currentChanges += load_sm16le(u, off::kIdc) != load_sm16le(previous, off::kIdc);
        voltageChanges += load_u16le(u, off::kVdc) != load_u16le(previous, off::kVdc);
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
        powerTemps.insert(u[off::kPowerTemp]);
        motorTemps.insert(u[off::kMotorTemp]);
    }
    EXPECT_GE(powerTemps.size(), 5u);
    EXPECT_GE(motorTemps.size(), 3u);
}

TEST(SimStatus, PlausibleRangesOverManyCycles) {
    for (double t = 0; t < 600; t += 0.7) {
        const Unit u = status_frame(StatusConfig{}, t);
        const double vdc = load_u16le(u, off::kVdc) / 100.0;
        EXPECT_GT(vdc, 60.0);
        EXPECT_LT(vdc, 80.0);
        EXPECT_LE(std::abs(load_sm16le(u, off::kSpeed)), 3200);
        const int powerTemp = u[off::kPowerTemp] - 10;
        EXPECT_GE(powerTemp, 20);
        EXPECT_LE(powerTemp, 60);
        EXPECT_GE(u[off::kHallState], 1);
        EXPECT_LE(u[off::kHallState], 6);
        const double throttle = load_u16le(u, off::kThrottle) / 10000.0;
        EXPECT_GE(throttle, 0.8);
        EXPECT_LE(throttle, 4.2);
    }
}

TEST(SimStatus, BackwardGearTurnsTheOtherWay) {
    const Unit back = status_frame(StatusConfig{0, 0, 3, 4}, 8.0);
    EXPECT_LT(load_sm16le(back, off::kSpeed), -2000);
    EXPECT_EQ(back[off::kFlags] & 0x03, 0x02);
    EXPECT_EQ(back[off::kInputs] & 0x03, 0x02);
    const Unit fwd = status_frame(StatusConfig{0, 0, 3, 2}, 8.0);
    EXPECT_EQ(fwd[off::kFlags] & 0x03, 0x01);
    // Neutral: standing still at any throttle.
    EXPECT_EQ(load_sm16le(status_frame(StatusConfig{0, 0, 3, 0}, 8.0), off::kSpeed), 0);
}

} // namespace

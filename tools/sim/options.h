#pragma once
// Command line of the simulator: what the controller reports and which failures it plays.

#include "base/result.h"
#include "monitor/status_layout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace motiview::sim {

// The ten rows of the fault panel that a --fault name raises in the current fault word.
struct FaultName {
    std::string_view name;
    std::uint8_t bit;
};
[[nodiscard]] std::span<const FaultName> fault_names();
[[nodiscard]] std::optional<std::uint8_t> fault_bit(std::string_view name);

inline constexpr std::uint8_t kStateRun = 3;
inline constexpr std::uint8_t kStateFault = motiview::kFaultState;
inline constexpr std::uint8_t kGearForward = 2;
// The user name travels in bytes 3..22 of the user-info frame.
inline constexpr std::size_t kMaxUserName = 20;

struct Options {
    std::string linkPath; // empty: no symlink
    std::string dumpPath; // empty: no block dump
    std::string userName = "SIM-0001";
    std::uint16_t currentFaults = 0;
    std::uint16_t historyFaults = 0;
    std::uint8_t state = kStateRun;
    std::uint8_t gear = kGearForward;

    std::optional<unsigned> silentAfter; // status requests answered before going silent
    std::optional<double> resumeAfter;   // seconds of silence before answering again
    unsigned noiseBytes = 0;
    unsigned noiseEvery = 0; // 0: the noise comes once
    unsigned dropEvery = 0;
    std::optional<double> hangupAfter;   // seconds after the first status request
    std::optional<double> reappearAfter; // seconds after the hang-up
    // Writes are counted from the start, 1 for the first; 0: the fault is off.
    unsigned dropAck = 0;       // this write is stored, its acknowledgement lost
    unsigned dropWrite = 0;     // this write is lost on the line: not stored, not acknowledged
    unsigned hangupAtWrite = 0; // this write is not stored and the line hangs up
    unsigned pieces = 0;        // bytes per piece of output; 0: as it comes
    unsigned pieceGapMs = 5;    // between two pieces
    double floodRate = 0;       // unasked status frames per second
    bool badEndOnce = false;
    double maxSeconds = 0; // 0: unlimited
    bool verbose = false;
    // Start texts over the defaults: "page.NAME=TEXT" ("basic.txtMaxspeed=5000").
    std::vector<std::string> startTexts;
    bool help = false;
};

// Parses argv[1..]. Values may follow as the next argument or after "=".
[[nodiscard]] Result<Options> parse_options(std::span<const std::string_view> args);

[[nodiscard]] std::string usage_text();

} // namespace motiview::sim

#pragma once
// The eleven parameter blocks the simulated controller holds: plausible values at start,
// replaced by every write, and the blocks the hall tests and the counter reset produce.

#include "link/bytes.h"
#include "link/frames.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace motiview::sim {

enum class FieldWidth : std::uint8_t { U8, U16, SM16 };

// One stored value of a block's start table.
struct BlockValue {
    std::uint8_t offset;
    FieldWidth width;
    int value; // SM16: signed
};

// The start table of a page, in offset order.
[[nodiscard]] std::span<const BlockValue> default_values(PageId page);

// Name of a page on the command line and in the dump: "basic", "torque-pid", ...
[[nodiscard]] std::string_view cli_name(PageId page);

// Hardware bytes the controller measures or counts itself: a write does not change them.
inline constexpr std::array<std::uint8_t, 6> kHardwareOwnBytes = {2, 3, 5, 6, 7, 22};
inline constexpr std::size_t kCalibrationCount = 22;

class BlockStore {
  public:
    BlockStore();

    // The stored block as its parameter reply: group, read code, payload, DA.
    [[nodiscard]] const Unit& block(PageId page) const {
        return blocks_[static_cast<std::size_t>(page)];
    }

    // Takes the payload of a write frame.
    void store_write(PageId page, const Unit& frame);

    // Group A test: new hall sectors in the Motor block; returns the stored block.
    const Unit& run_hall_a();
    // Group B test: new torque-current points in the Protection block.
    const Unit& run_hall_b();
    // Counter reset: the calibration count goes to 0.
    const Unit& reset_calibration_count();

    // "basic F0 E0 ... DA" lines, one per page in page order.
    [[nodiscard]] std::string dump_text() const;

  private:
    Unit& mut(PageId page) { return blocks_[static_cast<std::size_t>(page)]; }

    std::array<Unit, kPageCount> blocks_{};
    unsigned hallRuns_ = 0;
};

} // namespace motiview::sim

#pragma once
// The eleven parameter blocks the simulated controller holds: plausible values at start,
// replaced by every write, and the blocks the hall tests and the counter reset produce. Every
// block is built and changed through the program's own page codec.

#include "base/bytes.h"
#include "base/result.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace motiview::sim {

// The start texts of a page, NAME=TEXT with "." as the decimal separator.
[[nodiscard]] std::span<const std::string_view> default_texts(PageId page);

// The parameter reply of a controller holding these texts on top of the page's design-time
// state; Error names a text the page refuses.
[[nodiscard]] Result<Unit> block_from_texts(PageId page, std::span<const std::string_view> texts);

// The hardware field that counts the DC current calibrations.
inline constexpr std::string_view kCalibrationCount = "txtcIdcCalibNum";

class BlockStore {
  public:
    BlockStore();
    // The defaults with "page.NAME=TEXT" start texts on top; Error names a refused text.
    [[nodiscard]] static Result<BlockStore> with_texts(std::span<const std::string> startTexts);

    // The stored block as its parameter reply: group, read code, payload, DA.
    [[nodiscard]] const Unit& block(PageId page) const {
        return blocks_[static_cast<std::size_t>(page)];
    }

    // Takes the payload of a write frame; the controller's own bytes stay as they are.
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
    // Decodes a stored block, lets `change` edit its fields and stores the result.
    const Unit& rewrite(PageId page,
                        const std::function<void(const PageSchema&, PageState&)>& change);

    std::array<Unit, kPageCount> blocks_{};
    unsigned hallRuns_ = 0;
};

} // namespace motiview::sim

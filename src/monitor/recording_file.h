#pragma once
// A recording read back: the CSV the window and the command line write (status_record.h), each
// row turned into the status frame it was made from, so that a recording fills the same sample
// store, draws the same curves and rebuilds the same fault and state markers as the live plot.
// Rows that cannot be read are skipped and counted by line; a file with another header is
// refused with the header it should have.

#include "base/bytes.h"
#include "base/result.h"
#include "monitor/sample_ring.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

struct RecordedRow {
    std::size_t line = 0; // 1-based line in the file (the header is line 1)
    std::string time;     // the row's wall clock as written
    std::int64_t elapsedMs = 0;
    Unit frame{};     // the status frame whose row this is
    std::string text; // the row as written, without its line end
};

struct Recording {
    std::vector<RecordedRow> rows;         // in file order
    std::vector<std::size_t> skippedLines; // 1-based, in file order
};

// Any bytes give a recording or an Error: an empty file, or one whose first line is not the
// header, is refused ("expected the header time,elapsed_s,vdc_v,..."). Blank lines are ignored.
[[nodiscard]] Result<Recording> read_recording(std::string_view text);

// "3 rows skipped: lines 17, 18, 40" (at most ten line numbers, then "..."); "" when none.
[[nodiscard]] std::string skipped_text(const Recording& r);

// The rows as the live plot holds its frames: one sample per row at its elapsed time, with the
// fault and state events rebuilt. The store's capacity is the number of rows.
[[nodiscard]] SampleStore sample_store_of(const Recording& r);

// The rows with fromMs <= elapsed <= toMs, with the header, each line as written: a trimmed
// recording that reads back as the same rows.
[[nodiscard]] std::string rows_between(const Recording& r, std::int64_t fromMs, std::int64_t toMs);

} // namespace motiview

#pragma once
// A restore's two halves, shared by restore and provision: the pages of a file that are written
// (the hardware page only when asked), and the writes themselves against what the controller
// holds, each page acknowledged (or settled by read-back) and read back, said as it goes and
// kept in the history.

#include "keeper.h"
#include "line.h"
#include "online.h"

#include "jobs/page_jobs.h"
#include "params/parameter_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace motiview::cli {

struct RestoreChoice {
    std::vector<const PageEntry*> entries; // into the file's set, in its order
    std::vector<PageId> pages;
};

// The file's pages, only those of `only` (comma-separated lists) when given; the hardware page
// only with `includeHardware`, said when skipped. Nullopt (said) for an unknown page name.
[[nodiscard]] std::optional<RestoreChoice> choose_pages(const ParameterSet& file,
                                                        const std::vector<std::string>& only,
                                                        bool includeHardware, const Io& io);

// What a restore of one controller came to.
struct RestoreRun {
    int code = kExitOk;
    std::size_t written = 0;   // verified, or written with a read-back that differs
    std::size_t unchanged = 0; // the controller held the file's page already
    std::optional<PageId> failedPage;
    std::vector<std::string> failedFields; // the fields of the failed (or differing) page
    // The controller's pages as known after: what was read before, with every read-back.
    ParameterSet after;
    [[nodiscard]] bool ok() const { return code == kExitOk; }
};

// Plans the chosen pages against `held` (every chosen page read from the controller) and writes
// them, each write kept as an event. A field the page refuses stops everything before the first
// write (exit 2). `during` names the command in a lost port's message.
[[nodiscard]] RestoreRun write_restore(Line& line, const Online& o, const RestoreChoice& choice,
                                       const ParameterSet& held, Keeper& keep,
                                       std::string_view during);

} // namespace motiview::cli

#pragma once
// A saved controller: every page as its reply was read and as the page shows it, in one JSON
// file a technician can keep, compare with another and write back. Field texts are written in
// kPlainNumbers ("." and no digit grouping), so a file reads the same on every machine.

#include "base/bytes.h"
#include "base/number_text.h"
#include "base/result.h"
#include "base/time_text.h"
#include "pages/page_schema.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace motiview {

inline constexpr std::string_view kParameterFormat = "motiview-parameters";
inline constexpr int kParameterVersion = 1;
// Far above the largest file eleven pages make (about 40 KiB).
inline constexpr std::size_t kMaxParameterFileBytes = std::size_t{1} << 20;

struct PageEntry {
    PageId page;
    std::optional<Unit> reply; // as read; may be absent in a hand-made file
    // name -> text, in the page's field order
    std::vector<std::pair<std::string, std::string>> fields;

    friend bool operator==(const PageEntry&, const PageEntry&) = default;
};

struct ParameterSet {
    std::string created;          // ISO 8601 with milliseconds and offset
    std::string tool;             // program version
    std::string userName;         // empty: unknown
    std::vector<PageEntry> pages; // kAllPages order, each page at most once

    [[nodiscard]] const PageEntry* find(PageId page) const;
    // The page as the controller now holds it, from its reply (a read-back); a page the set
    // does not hold stays out.
    void hold_reply(PageId page, const Unit& reply);

    friend bool operator==(const ParameterSet&, const ParameterSet&) = default;
};

// The page as a reply shows it: every field a reply fills and the page shows, as text.
[[nodiscard]] PageEntry entry_from_reply(PageId page, const Unit& reply);

// "project-year-week-sequence-customer" from the page that carries the identity; "" without it.
[[nodiscard]] std::string serial_number(const ParameterSet& set);

// The file's text: indented by 2, pages in kAllPages order, fields in the page's order, newline
// at the end.
[[nodiscard]] std::string write_parameter_file(const ParameterSet& set);

// Any bytes give a set or an Error naming the page ("basic") or the field ("basic.txtMaxspeed")
// that stops it; a set read here restores without a refusal.
[[nodiscard]] Result<ParameterSet> read_parameter_file(std::string_view bytes);

// Writes a temporary file beside `path`, then renames it over `path`: on any failure `path` is
// as it was and the temporary file is gone.
[[nodiscard]] Result<bool> save_file_atomically(const std::string& path, std::string_view text);

[[nodiscard]] Result<std::string> load_file(const std::string& path,
                                            std::size_t maxBytes = kMaxParameterFileBytes);

// The write frame that restores a page. `base` is the reply the frame starts from (the file's
// reply, or the controller's current one when the file has none); every text of the entry that
// differs from what `base` shows is typed in, then the page is encoded as its window writes it.
// An untouched entry gives its reply's bytes with the write code. Fields named in `keep` take
// their state from `keepFrom` (the controller's current reply) instead of the file; `keep`
// without `keepFrom` is refused. Errors name "page.field".
[[nodiscard]] Result<Unit> restore_frame(const PageEntry& entry, const Unit& base,
                                         std::span<const std::string_view> keep = {},
                                         const Unit* keepFrom = nullptr);

// One page a restore writes: the reply the controller holds now and the frame that carries the
// file's texts.
struct RestoreWrite {
    PageId page;
    Unit held;
    Unit frame;
};

// The frames of a restore, one per entry, each built on the file's reply (or `held[i]`, the
// controller's current reply of `entries[i]`, when the file has none); a page that carries the
// controller's identity keeps the controller's serial number. A refused field stops the whole plan,
// so nothing is written: the Error's field is "page field".
[[nodiscard]] Result<std::vector<RestoreWrite>>
plan_restore(std::span<const PageEntry* const> entries, std::span<const Unit> held);

struct FieldDifference {
    PageId page;
    std::string field;
    std::string caption;
    std::string a;
    std::string b;

    friend bool operator==(const FieldDifference&, const FieldDifference&) = default;
};

// Fields whose shown texts differ, page by page in kAllPages order and in field order. A page
// on one side only lists each of its fields with "" on the other side. A field a file leaves
// out shows what its reply carries.
[[nodiscard]] std::vector<FieldDifference> diff(const ParameterSet& a, const ParameterSet& b);

} // namespace motiview

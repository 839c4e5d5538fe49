#pragma once
// One table per parameter page. A row says where a field lives in the block, how its text
// becomes bytes and back, and how the page window shows it. One generic codec and one generic
// window walk these tables; page peculiarities are field kinds and options, never code.

#include "link/frames.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace motiview {

enum class Widget : std::uint8_t {
    Text,         // text box
    List,         // drop-down list, selection only
    EditableList, // combo box whose text can be typed
    Check,        // check box (0 unchecked, 1 checked, 2 grayed)
};

enum class Access : std::uint8_t { Editable, ReadOnly, Hidden };

// How the field is carried in the block.
enum class FieldKind : std::uint8_t {
    Number,     // text -> scale -> round -> clamp -> U8/U16/SM16 at `offset`
    ListIndex,  // stored = selected index + listBase, clamped to min..max
    Bit,        // one bit of the flag byte at `offset`: check box checked, or list text "H"
    CheckValue, // the check box's value 0/1/2 as one byte; any nonzero byte reads as checked
    DecodeOnly, // shown from the reply, 0 in every write frame
    Unbound,    // on the page, in no byte: neither written nor filled by a reply
};

enum class Width : std::uint8_t { None, U8, U16, SM16 };

enum class Conversion : std::uint8_t {
    Strict,  // locale text-to-number; empty or non-numeric text refuses the write
    Lenient, // leading number, "." always, never fails
};

enum class RoundMode : std::uint8_t { Floor, HalfEven };

// What happens to a rounded value outside min..max.
enum class Range : std::uint8_t {
    Clamp,        // silently to the nearest limit
    BelowMinZero, // below min (before rounding) gives 0, above max gives max
    Reject,       // refuses the write, naming the field
};

// What the decoder does with a list code that names no item.
enum class ListOutOfRange : std::uint8_t {
    ClampIndex, // limited to the first/last item
    Keep,       // the previous selection stays
    Clear,      // no selection
};

struct FieldSchema {
    std::string_view name;        // control name: "txtMaxspeed"
    std::string_view label;       // label control name: "lblMaxspeed"; empty for none
    std::string_view designLabel; // label text before the caption routine runs
    std::string_view caption;     // label text set by the caption routine
    std::string_view designText;  // text box / editable list text at load
    Widget widget = Widget::Text;
    Access access = Access::Editable;
    FieldKind kind = FieldKind::Number;
    Width width = Width::U8;
    std::uint8_t offset = 0; // frame offset of the (first) byte, 2..30
    std::uint8_t bit = 0;    // FieldKind::Bit
    Conversion conversion = Conversion::Strict;
    RoundMode rounding = RoundMode::Floor;
    // stored = shown * 10^pow10, negated when `negate`, plus `offsetAdd`; shown is the inverse.
    std::int8_t pow10 = 0;
    bool negate = false;
    std::int8_t offsetAdd = 0;
    std::int32_t min = 0;
    std::int32_t max = 0;
    Range range = Range::Clamp;
    std::uint8_t fixedDecimals = 0; // 0: general number format; else this many decimals
    // Lists: items and the selection at load (-1 none).
    std::span<const std::string_view> items = {};
    std::int8_t initialIndex = -1;
    std::int8_t listBase = 0; // ListIndex: stored = index + listBase
    ListOutOfRange outOfRange = ListOutOfRange::Keep;
    // Bit on a list: the item text (trimmed) that sets the bit and the one that clears it.
    std::string_view setText = {};
    std::string_view clearText = {};
    // A check box that also enables or disables another field of the page (by name).
    std::string_view enables = {};
    // Text put into the field by every write before it is encoded (the week reset).
    std::string_view resetOnWrite = {};
    // Layout: shown on the same row as the previous field (serial-number boxes).
    bool sameRow = false;
    // Text box selects its whole text when it gets the focus.
    bool selectAllOnFocus = false;
};

struct PageSchema {
    PageId id;
    std::string_view window;             // "frmBasic"
    std::string_view cliName;            // "basic"
    std::string_view opener;             // "cmdBasic"
    std::string_view designTitle;        // window title before the caption routine runs
    std::string_view title;              // window title set by the caption routine
    std::span<const FieldSchema> fields; // in encoder order
    std::span<const PageId> closes;      // pages the opener unloads
    bool linkButtons = false;            // Timer3 enables read/write with the link
    int widthTwips = 0;                  // 0: the window sizes itself
    int heightTwips = 0;
    std::string_view ackText; // "Basic set successfull!"
};

[[nodiscard]] const PageSchema& page_schema(PageId id);
[[nodiscard]] const PageSchema* page_by_cli_name(std::string_view name);
[[nodiscard]] const PageSchema* page_by_window(std::string_view window);
[[nodiscard]] const FieldSchema* find_field(const PageSchema& page, std::string_view name);

// Default limits of a width: 0..255, 0..32767.
[[nodiscard]] constexpr std::int32_t default_max(Width w) {
    return w == Width::U8 ? 255 : (w == Width::None ? 0 : 32767);
}

// Build-time checks over a table: every byte inside 2..30, no byte bound twice (flag bits
// excepted), min <= max, names unique. Used in static_assert next to each table.
template <std::size_t N> consteval bool table_is_sound(const FieldSchema (&rows)[N]) {
    bool used[32] = {};
    for (std::size_t i = 0; i < N; ++i) {
        const FieldSchema& f = rows[i];
        if (f.name.empty() || f.min > f.max) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (rows[j].name == f.name) {
                return false;
            }
        }
        if (f.kind == FieldKind::Unbound) {
            continue;
        }
        const int bytes = f.kind == FieldKind::Bit ? 0 : (f.width == Width::U8 ? 1 : 2);
        if (f.offset < 2 || f.offset + (bytes == 2 ? 1 : 0) > 30) {
            return false;
        }
        if (f.kind == FieldKind::Bit && f.bit > 7) {
            return false;
        }
        for (int b = 0; b < bytes; ++b) {
            if (used[f.offset + b]) {
                return false;
            }
            used[f.offset + b] = true;
        }
    }
    return true;
}

} // namespace motiview

#pragma once
// Everything the program knows about a parameter page: its codes, window and opener, and one
// row per field. A page is written as two tables: the wire table (where and how each field is
// carried, one row per field on one line, in byte order) and the view table (captions,
// design-time texts, widgets, keyed by field name). merge_fields() joins them at build time into
// the FieldSchema rows that the one codec and the one page window walk.

#include "base/bytes.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace motiview {

// The eleven parameter blocks.
enum class PageId : std::uint8_t {
    Basic,
    Reference,
    Motor,
    Control,
    TorquePid,
    Protection,
    ModeSet,
    Other,
    FluxWeaken,
    Derate,
    Hardware,
};
inline constexpr std::size_t kPageCount = 11;

inline constexpr std::array<PageId, kPageCount> kAllPages = {
    PageId::Basic,      PageId::Reference,  PageId::Motor,   PageId::Control,
    PageId::TorquePid,  PageId::Protection, PageId::ModeSet, PageId::Other,
    PageId::FluxWeaken, PageId::Derate,     PageId::Hardware};

// The main window's openers top to bottom; also the order of the caption routine.
inline constexpr std::array<PageId, kPageCount> kWindowOrder = {
    PageId::Basic,     PageId::Reference,  PageId::Motor,  PageId::Control,
    PageId::TorquePid, PageId::Protection, PageId::Other,  PageId::FluxWeaken,
    PageId::Hardware,  PageId::Derate,     PageId::ModeSet};

struct PageCodes {
    std::uint8_t group; // byte 0 of every frame of the page
    std::uint8_t read;  // byte 1 of the read request and of the reply
    std::uint8_t write; // byte 1 of the write frame and of its acknowledgement
    // A request in the page's group that the controller answers with a reply under the same
    // code (the hardware counter reset, FB EC); 0 for none.
    std::uint8_t reset = 0;
};

enum class Widget : std::uint8_t {
    Text,         // text box
    List,         // drop-down list, selection only
    EditableList, // combo box whose text can be typed
    Check,        // check box (0 unchecked, 1 checked, 2 grayed)
    None,         // not on the page: a byte the program carries but never shows
};

enum class Access : std::uint8_t { Editable, ReadOnly, Hidden };

// How the field is carried in the block.
enum class FieldKind : std::uint8_t {
    Number,     // text -> scale -> round -> clamp -> U8/U16/SM16 at `offset`
    ListIndex,  // stored = selected index + listBase, clamped to min..max
    Bit,        // one bit of the flag byte at `offset`: check box checked, or list text "H"
    CheckValue, // the check box's value 0/1/2 as one byte; any nonzero byte reads as checked
    // The controller's own value (a calibration reading, a count): filled by a reply, 0 in every
    // write frame, and the controller keeps what it holds whatever a write carries.
    ControllerOwned,
    Unbound, // on the page, in no byte: neither written nor filled by a reply
};

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

// A button of one page only, beside cmdread and cmdwrite: it sends the page's reset request
// (group, `PageCodes::reset`, DA) and puts a text into one field of the page.
struct PageButton {
    std::string_view name;    // "cmdCntReset"
    std::string_view caption; // "Reset count"
    std::string_view field;   // the field it sets
    std::string_view text;    // the text it puts there
};

struct PageSchema {
    PageId id;
    PageCodes codes = {};
    std::string_view window = {};                    // "frmBasic"
    std::string_view cliName = {};                   // "basic"
    std::string_view opener = {};                    // "cmdBasic"
    std::string_view openerCaption = {};             // the opener's text in the main window
    std::string_view designTitle = {};               // window title before the caption routine runs
    std::string_view title = {};                     // window title set by the caption routine
    std::string_view ackText = {};                   // "Basic set successfull!"
    std::span<const FieldSchema> fields = {};        // in the page's (and the tool's) display order
    std::span<const std::uint8_t> encoderOrder = {}; // indices into `fields`, bound fields only
    std::span<const PageId> closes = {};             // pages the opener unloads
    std::span<const PageButton> buttons = {};        // the page's own buttons
    bool linkButtons = false;                        // Timer3 enables read/write with the link
    // The page carries the controller's identity: a restore never ticks or writes it unless
    // asked, and these fields (the serial number, in its order) always keep the controller's.
    std::span<const std::string_view> identityFields = {};
    int widthTwips = 0; // 0: the window sizes itself
    int heightTwips = 0;
};

[[nodiscard]] const PageSchema& page_schema(PageId id);
[[nodiscard]] const PageSchema* page_by_cli_name(std::string_view name);
[[nodiscard]] const PageSchema* page_by_window(std::string_view window);
[[nodiscard]] const FieldSchema* find_field(const PageSchema& page, std::string_view name);
// What a user calls the field: its caption; a box in a row of boxes without one takes the row's
// caption; then its design-time label, then its name. `field` is one of `page.fields`.
[[nodiscard]] std::string_view field_caption(const PageSchema& page, const FieldSchema& field);

[[nodiscard]] inline bool carries_identity(const PageSchema& page) {
    return !page.identityFields.empty();
}
[[nodiscard]] inline bool carries_identity(PageId id) {
    return carries_identity(page_schema(id));
}

[[nodiscard]] inline PageCodes page_codes(PageId id) {
    return page_schema(id).codes;
}

// The three-byte request `code` in the page's group: group, code, DA.
[[nodiscard]] constexpr ShortFrame page_request(const PageSchema& page, std::uint8_t code) {
    return {page.codes.group, code, kEndByte};
}

// Frame offsets a write never changes on the controller (its ControllerOwned fields).
[[nodiscard]] std::span<const std::uint8_t> controller_owned_bytes(const PageSchema& page);

// Default limits of a width: 0..255, 0..32767.
[[nodiscard]] constexpr std::int32_t default_max(Width w) {
    return w == Width::U8 ? 255 : (w == Width::None ? 0 : 32767);
}

// ---- Writing a page: the wire table and the view table ----

// The less common parts of a field's encoding, written with the helpers below.
struct Encoding {
    std::uint8_t bit = 0; // Bit: the bit of the flag byte
    bool negate = false;  // stored = -(shown * 10^pow10) + add
    std::int8_t add = 0;
    std::uint8_t decimals = 0; // shown with this many decimals; 0: general number format
    std::int8_t listBase = 0;  // ListIndex: stored = index + listBase
    ListOutOfRange outOfRange = ListOutOfRange::Keep;
    std::string_view setText = {};      // Bit on a list: the item text that sets the bit
    std::string_view clearText = {};    // ... and the one that clears it
    std::string_view resetOnWrite = {}; // text every write puts into the field first
};

namespace enc {
[[nodiscard]] constexpr Encoding bit(std::uint8_t n) {
    return {.bit = n};
}
[[nodiscard]] constexpr Encoding bit(std::uint8_t n, std::string_view set, std::string_view clear) {
    return {.bit = n, .setText = set, .clearText = clear};
}
[[nodiscard]] constexpr Encoding negated() {
    return {.negate = true};
}
[[nodiscard]] constexpr Encoding plus(std::int8_t add) {
    return {.add = add};
}
[[nodiscard]] constexpr Encoding decimals(std::uint8_t n) {
    return {.decimals = n};
}
[[nodiscard]] constexpr Encoding list(std::int8_t base, ListOutOfRange outOfRange) {
    return {.listBase = base, .outOfRange = outOfRange};
}
[[nodiscard]] constexpr Encoding reset_on_write(std::string_view text) {
    return {.resetOnWrite = text};
}
} // namespace enc

// One field in the block. Rows are in byte order (flag bits by bit); a field on the page but
// in no byte has no wire row.
struct WireRow {
    std::uint8_t offset; // frame offset of the (first) byte, 2..30
    Width width;
    std::string_view name;
    FieldKind kind;
    Conversion conversion;
    RoundMode rounding;
    std::int8_t pow10; // stored = shown * 10^pow10
    std::int32_t min;
    std::int32_t max;
    Range range;
    Encoding encoding = {};
};

// How a field looks on the page, keyed by name; rows are in display order.
struct FieldView {
    std::string_view name = {};
    std::string_view label = {};       // label control name; empty for none
    std::string_view designLabel = {}; // label text before the caption routine runs
    std::string_view caption = {};     // label text set by the caption routine
    std::string_view designText = {};  // text at load
    Widget widget = Widget::Text;
    Access access = Access::Editable;
    std::span<const std::string_view> items = {};
    std::int8_t initialIndex = -1;
    std::string_view enables = {};
    bool sameRow = false;
    bool selectAllOnFocus = false;
};

// A field encoded right after another, where the encoder's order differs from byte order.
struct EncodeAfter {
    std::string_view field;
    std::string_view after;
};

// The tables are joined and checked while the program builds: a throw reached there stops
// the build with its text.
namespace detail {

template <std::size_t N> constexpr int wire_index(const WireRow (&wire)[N], std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (wire[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <std::size_t M>
constexpr bool has_view(const FieldView (&views)[M], std::string_view name) {
    for (const FieldView& v : views) {
        if (v.name == name) {
            return true;
        }
    }
    return false;
}

} // namespace detail

// Fields on the page plus wire rows that no view shows.
template <std::size_t N, std::size_t M>
constexpr std::size_t field_count(const WireRow (&wire)[N], const FieldView (&views)[M]) {
    std::size_t n = M;
    for (const WireRow& w : wire) {
        n += detail::has_view(views, w.name) ? 0U : 1U;
    }
    return n;
}

// The page's fields in display order: every view row, joined with its wire row (a view without
// one is Unbound), then the wire rows that are not on the page (Widget::None, hidden).
template <std::size_t Count, std::size_t N, std::size_t M>
constexpr std::array<FieldSchema, Count> merge_fields(const WireRow (&wire)[N],
                                                      const FieldView (&views)[M]) {
    std::array<FieldSchema, Count> out{};
    std::size_t n = 0;
    const auto join = [](FieldSchema& f, const WireRow& w) {
        f.kind = w.kind;
        f.width = w.width;
        f.offset = w.offset;
        f.bit = w.encoding.bit;
        f.conversion = w.conversion;
        f.rounding = w.rounding;
        f.pow10 = w.pow10;
        f.negate = w.encoding.negate;
        f.offsetAdd = w.encoding.add;
        f.min = w.min;
        f.max = w.max;
        f.range = w.range;
        f.fixedDecimals = w.encoding.decimals;
        f.listBase = w.encoding.listBase;
        f.outOfRange = w.encoding.outOfRange;
        f.setText = w.encoding.setText;
        f.clearText = w.encoding.clearText;
        f.resetOnWrite = w.encoding.resetOnWrite;
    };
    for (const FieldView& v : views) {
        FieldSchema f{};
        f.name = v.name;
        f.label = v.label;
        f.designLabel = v.designLabel;
        f.caption = v.caption;
        f.designText = v.designText;
        f.widget = v.widget;
        f.access = v.access;
        f.items = v.items;
        f.initialIndex = v.initialIndex;
        f.enables = v.enables;
        f.sameRow = v.sameRow;
        f.selectAllOnFocus = v.selectAllOnFocus;
        const int w = detail::wire_index(wire, v.name);
        if (w >= 0) {
            join(f, wire[static_cast<std::size_t>(w)]);
        } else {
            f.kind = FieldKind::Unbound;
            f.width = Width::None;
        }
        out[n++] = f;
    }
    for (const WireRow& w : wire) {
        if (!detail::has_view(views, w.name)) {
            FieldSchema f{};
            f.name = w.name;
            f.widget = Widget::None;
            f.access = Access::Hidden;
            join(f, w);
            out[n++] = f;
        }
    }
    if (n != Count) {
        throw "field count differs from field_count()";
    }
    return out;
}

// Fields the encoder walks: every one that a byte carries.
template <std::size_t Count>
constexpr std::size_t bound_count(const std::array<FieldSchema, Count>& fields) {
    std::size_t n = 0;
    for (const FieldSchema& f : fields) {
        n += f.kind == FieldKind::Unbound ? 0U : 1U;
    }
    return n;
}

// The encoder's order: bound fields in byte order (flag bits rising), except that each
// EncodeAfter moves its field right behind another.
template <std::size_t Bound, std::size_t Count>
constexpr std::array<std::uint8_t, Bound>
encoder_order(const std::array<FieldSchema, Count>& fields,
              std::span<const EncodeAfter> moves = {}) {
    std::array<std::size_t, Bound> order{};
    std::size_t n = 0;
    for (int at = 0; at < 32; ++at) {
        for (int b = 0; b < 8; ++b) {
            for (std::size_t i = 0; i < Count; ++i) {
                const FieldSchema& f = fields[i];
                if (f.kind != FieldKind::Unbound && f.offset == at && f.bit == b) {
                    order[n++] = i;
                }
            }
        }
    }
    if (n != Bound) {
        throw "bound field count differs from bound_count()";
    }
    for (const EncodeAfter& move : moves) {
        std::size_t from = Bound;
        for (std::size_t k = 0; k < Bound; ++k) {
            if (fields[order[k]].name == move.field) {
                from = k;
            }
        }
        if (from == Bound) {
            throw "EncodeAfter names no bound field";
        }
        const std::size_t moved = order[from];
        for (std::size_t k = from; k + 1 < Bound; ++k) {
            order[k] = order[k + 1];
        }
        std::size_t to = Bound;
        for (std::size_t k = 0; k + 1 < Bound; ++k) {
            if (fields[order[k]].name == move.after) {
                to = k + 1;
            }
        }
        if (to == Bound) {
            throw "EncodeAfter follows no bound field";
        }
        for (std::size_t k = Bound - 1; k > to; --k) {
            order[k] = order[k - 1];
        }
        order[to] = moved;
    }
    std::array<std::uint8_t, Bound> out{};
    for (std::size_t k = 0; k < Bound; ++k) {
        out[k] = static_cast<std::uint8_t>(order[k]);
    }
    return out;
}

// Build-time checks over a wire table: rows in byte order (flag bits rising), every byte inside
// 2..30, no byte bound twice and no bit bound twice (the bits of one flag byte share it),
// min <= max, names unique.
template <std::size_t N> constexpr bool table_is_sound(const WireRow (&rows)[N]) {
    int nextFree = 2;  // first byte after the fields so far
    int flagByte = -1; // offset of the flag byte the last row was a bit of
    int lastBit = -1;
    for (std::size_t i = 0; i < N; ++i) {
        const WireRow& f = rows[i];
        if (f.name.empty() || f.min > f.max || f.kind == FieldKind::Unbound ||
            f.width == Width::None) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (rows[j].name == f.name) {
                return false;
            }
        }
        if (f.kind == FieldKind::Bit) {
            if (f.encoding.bit > 7) {
                return false;
            }
            if (f.offset == flagByte) {
                if (f.encoding.bit <= lastBit) {
                    return false; // a second row on the same bit, or bits out of order
                }
            } else if (f.offset < nextFree) {
                return false;
            }
            flagByte = f.offset;
            lastBit = f.encoding.bit;
            nextFree = f.offset + 1;
        } else {
            const int bytes = f.width == Width::U8 ? 1 : 2;
            if (f.offset < nextFree) {
                return false; // out of byte order, or on a byte already bound
            }
            flagByte = -1;
            lastBit = -1;
            nextFree = f.offset + bytes;
        }
        if (f.offset < 2 || nextFree - 1 > 30) {
            return false;
        }
    }
    return true;
}

// Names in a view table unique and each view's `enables` naming another field of the page.
template <std::size_t M> constexpr bool views_are_sound(const FieldView (&views)[M]) {
    for (std::size_t i = 0; i < M; ++i) {
        if (views[i].name.empty()) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (views[j].name == views[i].name) {
                return false;
            }
        }
        if (!views[i].enables.empty() && !detail::has_view(views, views[i].enables)) {
            return false;
        }
    }
    return true;
}

} // namespace motiview

#pragma once
// How a page file writes its fields: a wire table (where and how each field is carried, one row
// per field on one line, in byte order) and a view table (captions, design-time texts, widgets,
// keyed by field name, in display order). merge_fields() joins them into the page's FieldSchema
// rows while the program builds; the checks here stop the build on a table that could put a
// wrong byte into a frame. Only the page files (and a suite's own test page) include this.

#include "pages/page_schema.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace motiview {

// The short names the wire tables are written with.
namespace wire_names {
using enum Width;
using enum FieldKind;
using enum Conversion;
using enum RoundMode;
using enum Range;
} // namespace wire_names

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
    // On the page but in no byte: never written, never filled by a reply. Every other view row
    // names a wire row, so a misspelt name stops the build instead of leaving a field unsent.
    bool unbound = false;
};

// A field encoded right after another, where the encoder's order differs from byte order.
struct EncodeAfter {
    std::string_view field;
    std::string_view after;
};

// The tables are joined and checked while the program builds (every function after `detail` is
// consteval): a throw reached there stops the build, and the compiler quotes its text.
namespace detail {

template <std::size_t N>
constexpr std::optional<std::size_t> wire_index(const WireRow (&wire)[N], std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (wire[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
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
consteval std::size_t field_count(const WireRow (&wire)[N], const FieldView (&views)[M]) {
    std::size_t n = M;
    for (const WireRow& w : wire) {
        n += detail::has_view(views, w.name) ? 0U : 1U;
    }
    return n;
}

// The page's fields in display order: every view row, joined with its wire row (a row marked
// unbound has none and stays Unbound), then the wire rows that are not on the page
// (Widget::None, hidden).
template <std::size_t Count, std::size_t N, std::size_t M>
consteval std::array<FieldSchema, Count> merge_fields(const WireRow (&wire)[N],
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
        const auto w = detail::wire_index(wire, v.name);
        if (w && v.unbound) {
            throw "a view row marked unbound names a wire row";
        }
        if (!w && !v.unbound) {
            throw "a view row names no wire row: correct its name, or mark it .unbound = true";
        }
        if (w) {
            join(f, wire[*w]);
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
consteval std::size_t bound_count(const std::array<FieldSchema, Count>& fields) {
    std::size_t n = 0;
    for (const FieldSchema& f : fields) {
        n += f.kind == FieldKind::Unbound ? 0U : 1U;
    }
    return n;
}

// The encoder's order: bound fields in byte order (flag bits rising), except that each
// EncodeAfter moves its field right behind another.
template <std::size_t Bound, std::size_t Count>
consteval std::array<std::uint8_t, Bound>
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
    // Where a field stands in `order`; Bound when it is not there (unknown or unbound).
    const auto position = [&](std::string_view name) {
        const auto field = field_index(fields, name);
        std::size_t k = 0;
        while (k < Bound && (!field || order[k] != *field)) {
            ++k;
        }
        return k;
    };
    for (const EncodeAfter& move : moves) {
        const std::size_t from = position(move.field);
        if (from == Bound) {
            throw "EncodeAfter names no bound field";
        }
        const std::size_t moved = order[from];
        for (std::size_t k = from; k + 1 < Bound; ++k) {
            order[k] = order[k + 1];
        }
        order[Bound - 1] = Count; // the moved field's place, free until it is put back
        const std::size_t after = position(move.after);
        if (after == Bound) {
            throw "EncodeAfter follows no bound field";
        }
        const std::size_t to = after + 1;
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
template <std::size_t N> consteval bool table_is_sound(const WireRow (&rows)[N]) {
    int nextFree = 2;  // first byte after the fields so far
    int flagByte = -1; // offset of the flag byte the last row was a bit of
    int lastBit = -1;
    for (std::size_t i = 0; i < N; ++i) {
        const WireRow& f = rows[i];
        if (f.name.empty() || f.min > f.max || f.kind == FieldKind::Unbound ||
            f.width == Width::None) {
            return false;
        }
        if (detail::wire_index(rows, f.name) != i) {
            return false; // the name is on an earlier row
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
            if (f.offset < nextFree) {
                return false; // out of byte order, or on a byte already bound
            }
            flagByte = -1;
            lastBit = -1;
            nextFree = f.offset + static_cast<int>(width_bytes(f.width));
        }
        if (f.offset < 2 || nextFree - 1 > 30) {
            return false;
        }
    }
    return true;
}

// Names in a view table unique and each view's `enables` naming another field of the page.
template <std::size_t M> consteval bool views_are_sound(const FieldView (&views)[M]) {
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

#pragma once
// Everything the program knows about a parameter page: its codes, window and opener, and one
// row per field (FieldSchema) that the one codec and the one page window walk. The page files
// write these rows as a wire table and a view table (page_table_builder.h).

#include "base/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
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

// Where the field called `name` sits among `fields`; nullopt when none is called so. The one
// lookup by name, for the page files' tables as they build and for every caller after.
[[nodiscard]] constexpr std::optional<std::size_t> field_index(std::span<const FieldSchema> fields,
                                                               std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

[[nodiscard]] inline std::optional<std::size_t> field_index(const PageSchema& page,
                                                            std::string_view name) {
    return field_index(page.fields, name);
}

// The field called `name`, or nullptr.
[[nodiscard]] const FieldSchema* find_field(const PageSchema& page, std::string_view name);

// What a user calls the page: its title, else its design-time title, else its command-line name.
[[nodiscard]] std::string_view page_title(const PageSchema& page);

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

} // namespace motiview

#pragma once
// The one encoder and decoder of every parameter page. They work on PageState, the shown state
// of a page's fields as plain values; the page window mirrors it into its widgets.

#include "base/bytes.h"
#include "base/fill_text.h"
#include "base/number_text.h"
#include "base/result.h"
#include "pages/page_schema.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

enum class CheckState : std::uint8_t { Unchecked = 0, Checked = 1, Grayed = 2 };

// What the last reply put into a text field: the text it showed and the value it carried.
// While the text is unchanged the encoder writes the value back as it came (no conversion,
// no clamp), so a read-then-write never changes what the controller holds.
struct ReplyOrigin {
    std::string text;
    std::uint16_t raw = 0; // the field's stored bits (U8, U16 or SM16)
};

struct FieldState {
    std::string text; // text box, or the text of a list (item text, or typed text if editable)
    int index = -1;   // list selection, -1 for none
    CheckState check = CheckState::Unchecked;
    bool enabled = true; // widgets that another field enables (brake level lists)
    std::optional<ReplyOrigin> origin;
};

struct PageState {
    std::vector<FieldState> fields; // parallel to PageSchema::fields
    bool filled = false;            // a reply has filled the page since it was created
};

// The page as it is when its window loads: design-time texts, lists on their initial item.
[[nodiscard]] PageState design_state(const PageSchema& page);

// Fills every bound field from a reply (or a hall "done" notice) and leaves the rest.
// Sets `filled`.
void decode_into(const PageSchema& page, const Unit& unit, PageState& state,
                 const NumberFormat& format);

// Builds the 32-byte write frame from the fields: 32 zero bytes, bytes 0, 1 and 31, then the
// payload in the table's order. A field that cannot be converted, or whose value does not fit
// a 32-bit signed integer after scaling, gives an Error naming it and no frame. On success the
// write-time resets (the week box) are applied to `state`.
[[nodiscard]] Result<Unit> encode(const PageSchema& page, PageState& state,
                                  const NumberFormat& format);

// The parameter reply of a controller that holds these field texts: the page's group and read
// code, every bound field encoded from its text (its own ControllerOwned values too, which a
// write never carries), unbound bytes 0. Write-time resets do not apply. Used by the simulator.
[[nodiscard]] Result<Unit> encode_reply(const PageSchema& page, const PageState& state,
                                        const NumberFormat& format);

// Sets a field from the text a user would give it: the text of a text box, the item text of
// a list (any text for an editable list), "0"/"1"/"2" for a check box. Used by the
// command-line tool. Error when the item or check value does not exist.
[[nodiscard]] Result<bool> set_field_text(const PageSchema& page, PageState& state,
                                          std::string_view name, std::string_view text);

// A shown field whose text differs between two units of the same page.
struct FieldDifferenceText {
    const FieldSchema* field = nullptr;
    std::string a;
    std::string b;
};

// The fields a page shows from its bytes (not the controller's own ones) whose texts differ
// between the units `a` and `b`, in field order.
[[nodiscard]] std::vector<FieldDifferenceText>
differing_fields(const PageSchema& page, const Unit& a, const Unit& b, const NumberFormat& format);

// What the controller will store for a text typed into a number field, before any write.
// The texts of a refused write and of the notes beside a number field, "%1" and "%2" filled in
// by fill_text: the window shows the same texts in its language, the English being the key.
namespace codec_text {
inline constexpr std::string_view kNotANumber =
    "\"%1\": \"%2\" is not a number. Nothing was written.";
inline constexpr std::string_view kOutOfRange =
    "\"%1\": \"%2\" is out of range. Nothing was written.";
inline constexpr std::string_view kNotAnItem = "\"%1\": \"%2\" is not an item of the list.";
inline constexpr std::string_view kNotACheckValue =
    "\"%1\": \"%2\" is not a check value (0, 1 or 2).";
// A field's refusals: "%1" its caption, "%2" the text as typed.
inline constexpr std::array kRefusals = {kNotANumber, kOutOfRange, kNotAnItem, kNotACheckValue};

inline constexpr std::string_view kStoredAs = "stored as %1 (%2)";
// Why a typed number is stored otherwise, or refused; "%1" a number as the page shows it.
inline constexpr std::array<std::string_view, 10> kReasons = {
    "not a number", "out of range", "too large", "leading number", "upper limit",
    "lower limit",  "whole units",  "below %1",  "units of %1",    "steps of %1"};
} // namespace codec_text

// The field's caption as the user sees it; falls back to its design label, then its name.
[[nodiscard]] std::string_view shown_name(const FieldSchema& field);

struct StoredPreview {
    enum class Kind : std::uint8_t {
        Same,    // stored as typed (or not a number field)
        Changed, // stored as `shown`, for `reason`: "upper limit", "whole units", "below 1"...
        Refused, // the write would be refused: `reason` is "not a number" or "too large"
    };
    Kind kind = Kind::Same;
    std::string shown;
    std::string reason;               // reasonText with reasonArg filled in
    std::string_view reasonText = {}; // one of codec_text::kReasons
    std::string reasonArg = {};       // its "%1", when it has one
};

// Runs the field's own conversion, limits and rounding on the text alone; never changes it.
[[nodiscard]] StoredPreview preview_stored(const FieldSchema& field, std::string_view text,
                                           const NumberFormat& format);

// "stored as 327.67 (upper limit)", "not a number", or "" when stored as typed.
[[nodiscard]] std::string preview_note(const StoredPreview& p);

// The field's shown state as text: text box text, list text ("" for no selection), "0"/"1"/"2".
[[nodiscard]] std::string shown_text(const FieldSchema& field, const FieldState& state);

// The message shown when a write is refused: names the field's caption and the refused text.
[[nodiscard]] std::string refusal_message(const FieldSchema& field, std::string_view text);

} // namespace motiview

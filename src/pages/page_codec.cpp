// The generic page encoder and decoder. Every conversion goes through the exact decimal
// helpers of number_text, so a typed 16.4 V is 1640 hundredths and never 1639.

#include "pages/page_codec.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace motiview {
std::string_view shown_name(const FieldSchema& field) {
    if (!field.caption.empty()) {
        return field.caption;
    }
    if (!field.designLabel.empty()) {
        return field.designLabel;
    }
    return field.name;
}

namespace {

std::string out_of_range_message(const FieldSchema& field, std::string_view text) {
    return fill_text(codec_text::kOutOfRange, shown_name(field), text);
}

// A reason of codec_text::kReasons, with its number when it has one.
void set_reason(StoredPreview& p, std::string_view text, std::string arg = {}) {
    p.reasonText = text;
    p.reasonArg = std::move(arg);
    p.reason = fill_text(text, p.reasonArg);
}

Error refuse(const FieldSchema& field, std::string message) {
    return Error{std::string(field.name), std::move(message)};
}

Rounding rounding_of(RoundMode mode) {
    return mode == RoundMode::HalfEven ? Rounding::HalfEven : Rounding::Floor;
}

// Puts a stored value into the frame at the field's offset, inside what its width can carry
// whatever the table's limits say.
void store_value(Unit& unit, const FieldSchema& field, std::int64_t value) {
    const std::int64_t v = clamp_value(value, width_min(field.width), width_max(field.width));
    motiview::store_value(unit, field.offset, field.width, static_cast<std::int32_t>(v));
}

// Puts the bits a reply carried back into the frame unchanged.
void store_raw(Unit& unit, const FieldSchema& field, std::uint16_t raw) {
    if (width_bytes(field.width) == 1) {
        unit[field.offset] = static_cast<std::uint8_t>(raw & 0xFF);
    } else if (width_bytes(field.width) == 2) {
        store_u16le(unit, field.offset, raw);
    }
}

std::uint16_t load_raw(const Unit& unit, const FieldSchema& field) {
    return width_bytes(field.width) == 1 ? unit[field.offset] : load_u16le(unit, field.offset);
}

std::int64_t load_value(const Unit& unit, const FieldSchema& field) {
    return motiview::load_value(unit, field.offset, field.width);
}

// Text of a number field -> stored value, or the refusal naming the field.
Result<std::int64_t> convert_number(const FieldSchema& field, const std::string& text,
                                    const NumberFormat& format) {
    ExactDecimal typed;
    if (field.conversion == Conversion::Lenient) {
        typed = parse_lenient(text);
    } else {
        const auto parsed = parse_strict(text, format);
        if (!parsed) {
            return refuse(field, refusal_message(field, text));
        }
        typed = *parsed;
    }
    const ExactDecimal scaled = scale_decimal(typed, field.pow10, field.negate, field.offsetAdd);
    if (field.range == Range::BelowMinZero && compare(scaled, field.min) < 0) {
        return std::int64_t{0};
    }
    const auto rounded = round_to_int32(scaled, rounding_of(field.rounding));
    if (!rounded) {
        return refuse(field, out_of_range_message(field, text));
    }
    if (field.range == Range::Reject && (*rounded < field.min || *rounded > field.max)) {
        return refuse(field, out_of_range_message(field, text));
    }
    return clamp_value(*rounded, field.min, field.max);
}

// The text a number field shows for the value a unit carries.
std::string number_text(const FieldSchema& field, const Unit& unit, const NumberFormat& format) {
    const std::int64_t shown = field.negate ? -(load_value(unit, field) - field.offsetAdd)
                                            : load_value(unit, field) - field.offsetAdd;
    return field.fixedDecimals > 0 ? format_fixed(shown, -field.pow10, field.fixedDecimals, format)
                                   : format_scaled(shown, -field.pow10, format);
}

// "units of 100", "whole units", "steps of 0.01": the step a stored value moves in.
// The field stores whole units, or units or steps of a power of ten.
void set_step_reason(StoredPreview& p, const FieldSchema& field, const NumberFormat& format) {
    if (field.pow10 == 0) {
        set_reason(p, codec_text::kReasons[6]);
    } else {
        set_reason(p, field.pow10 < 0 ? codec_text::kReasons[8] : codec_text::kReasons[9],
                   format_scaled(1, -field.pow10, format));
    }
}

bool bit_is_set(const FieldSchema& field, const FieldState& s) {
    if (field.widget == Widget::Check) {
        return s.check == CheckState::Checked;
    }
    return trim_blanks(s.text) == field.setText;
}

enum class Side : std::uint8_t { Write, Reply };

// Encodes one field into the frame; the state is the one the write will leave behind.
Result<bool> encode_field(const FieldSchema& field, const FieldState& s, Unit& unit,
                          const NumberFormat& format, Side side = Side::Write) {
    const FieldKind kind = side == Side::Reply && field.kind == FieldKind::ControllerOwned
                               ? FieldKind::Number
                               : field.kind;
    switch (kind) {
    case FieldKind::Number: {
        if (s.origin && s.origin->text == s.text) {
            store_raw(unit, field, s.origin->raw);
            return true;
        }
        const auto value = convert_number(field, s.text, format);
        if (!value) {
            return value.error();
        }
        store_value(unit, field, *value);
        return true;
    }
    case FieldKind::ListIndex:
        store_value(unit, field,
                    clamp_value(std::int64_t{s.index} + field.listBase, field.min, field.max));
        return true;
    case FieldKind::Bit:
        if (bit_is_set(field, s)) {
            unit[field.offset] = static_cast<std::uint8_t>(unit[field.offset] | (1U << field.bit));
        }
        return true;
    case FieldKind::CheckValue:
        unit[field.offset] = static_cast<std::uint8_t>(s.check);
        return true;
    case FieldKind::ControllerOwned:
    case FieldKind::Unbound:
        return true;
    }
    return true;
}

int item_index(const FieldSchema& field, std::string_view text) {
    for (std::size_t i = 0; i < field.items.size(); ++i) {
        if (field.items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void select_item(const FieldSchema& field, FieldState& s, int index) {
    s.index = index;
    s.text = index >= 0 && static_cast<std::size_t>(index) < field.items.size()
                 ? std::string(field.items[static_cast<std::size_t>(index)])
                 : std::string();
}

// A check box that governs another field's enabled state.
void apply_enables(const PageSchema& page, const FieldSchema& field, PageState& state,
                   bool checked) {
    if (field.enables.empty()) {
        return;
    }
    if (const auto i = field_index(page, field.enables); i && *i < state.fields.size()) {
        state.fields[*i].enabled = checked;
    }
}

void decode_list(const FieldSchema& field, const Unit& unit, FieldState& s) {
    const int count = static_cast<int>(field.items.size());
    int index = static_cast<int>(load_value(unit, field)) - field.listBase;
    if (index < 0 || index >= count) {
        switch (field.outOfRange) {
        case ListOutOfRange::ClampIndex:
            index = std::clamp(index, 0, count > 0 ? count - 1 : 0);
            break;
        case ListOutOfRange::Keep:
            return;
        case ListOutOfRange::Clear:
            index = -1;
            break;
        }
    }
    select_item(field, s, count > 0 ? index : -1);
}

void decode_bit(const FieldSchema& field, const Unit& unit, FieldState& s) {
    const bool set = ((static_cast<unsigned>(unit[field.offset]) >> field.bit) & 1U) != 0;
    if (field.widget == Widget::Check) {
        s.check = set ? CheckState::Checked : CheckState::Unchecked;
        return;
    }
    const std::string_view text = set ? field.setText : field.clearText;
    const int found = item_index(field, text);
    s.index = found >= 0 ? found : (set ? 1 : 0);
    s.text = std::string(text);
}

} // namespace

std::string refusal_message(const FieldSchema& field, std::string_view text) {
    return fill_text(codec_text::kNotANumber, shown_name(field), text);
}

PageState design_state(const PageSchema& page) {
    PageState state;
    state.fields.reserve(page.fields.size());
    for (const FieldSchema& field : page.fields) {
        FieldState s;
        switch (field.widget) {
        case Widget::None:
        case Widget::Text:
            s.text = std::string(field.designText);
            break;
        case Widget::List:
        case Widget::EditableList:
            select_item(field, s, field.initialIndex);
            if (field.widget == Widget::EditableList && !field.designText.empty()) {
                s.text = std::string(field.designText);
            }
            break;
        case Widget::Check:
            s.check = field.designText == "1"   ? CheckState::Checked
                      : field.designText == "2" ? CheckState::Grayed
                                                : CheckState::Unchecked;
            break;
        }
        state.fields.push_back(std::move(s));
    }
    return state;
}

void decode_into(const PageSchema& page, const Unit& unit, PageState& state,
                 const NumberFormat& format) {
    if (state.fields.size() < page.fields.size()) {
        state.fields.resize(page.fields.size());
    }
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        const FieldSchema& field = page.fields[i];
        FieldState& s = state.fields[i];
        switch (field.kind) {
        case FieldKind::Number:
        case FieldKind::ControllerOwned: {
            s.text = number_text(field, unit, format);
            s.origin = ReplyOrigin{s.text, load_raw(unit, field)};
            break;
        }
        case FieldKind::ListIndex:
            decode_list(field, unit, s);
            break;
        case FieldKind::Bit:
            decode_bit(field, unit, s);
            if (field.widget == Widget::Check) {
                apply_enables(page, field, state, s.check == CheckState::Checked);
            }
            break;
        case FieldKind::CheckValue:
            s.check = unit[field.offset] != 0 ? CheckState::Checked : CheckState::Unchecked;
            apply_enables(page, field, state, s.check == CheckState::Checked);
            break;
        case FieldKind::Unbound:
            break;
        }
    }
    state.filled = true;
}

Result<Unit> encode(const PageSchema& page, PageState& state, const NumberFormat& format) {
    PageState next = state;
    if (next.fields.size() < page.fields.size()) {
        next.fields.resize(page.fields.size());
    }
    const PageCodes codes = page.codes;
    Unit unit{};
    unit[0] = codes.group;
    unit[1] = codes.write;
    unit[kUnitSize - 1] = kEndByte;
    for (const std::size_t i : page.encoderOrder) {
        const FieldSchema& field = page.fields[i];
        FieldState& s = next.fields[i];
        if (!field.resetOnWrite.empty()) {
            s.text = std::string(field.resetOnWrite);
            s.origin.reset();
        }
        const auto done = encode_field(field, s, unit, format);
        if (!done) {
            return done.error();
        }
    }
    state = std::move(next);
    return unit;
}

Result<Unit> encode_reply(const PageSchema& page, const PageState& state,
                          const NumberFormat& format) {
    const PageCodes codes = page.codes;
    Unit unit{};
    unit[0] = codes.group;
    unit[1] = codes.read;
    unit[kUnitSize - 1] = kEndByte;
    FieldState none;
    for (const std::size_t i : page.encoderOrder) {
        const FieldState& s = i < state.fields.size() ? state.fields[i] : none;
        const auto done = encode_field(page.fields[i], s, unit, format, Side::Reply);
        if (!done) {
            return done.error();
        }
    }
    return unit;
}

Result<bool> set_field_text(const PageSchema& page, PageState& state, std::string_view name,
                            std::string_view text) {
    if (state.fields.size() < page.fields.size()) {
        state.fields.resize(page.fields.size());
    }
    const auto i = field_index(page, name);
    // A byte that is not on the page is nothing a user could type into.
    if (!i || page.fields[*i].widget == Widget::None) {
        return Error{std::string(name), "The page \"" + std::string(page.cliName) +
                                            "\" has no field \"" + std::string(name) + "\"."};
    }
    const FieldSchema& field = page.fields[*i];
    FieldState& s = state.fields[*i];
    switch (field.widget) {
    case Widget::None:
    case Widget::Text:
        s.text = std::string(text);
        return true;
    case Widget::List: {
        const int found = item_index(field, text);
        if (found < 0) {
            return Error{std::string(field.name),
                         fill_text(codec_text::kNotAnItem, shown_name(field), text)};
        }
        select_item(field, s, found);
        return true;
    }
    case Widget::EditableList:
        s.text = std::string(text);
        s.index = item_index(field, text);
        return true;
    case Widget::Check:
        if (text != "0" && text != "1" && text != "2") {
            return Error{std::string(field.name),
                         fill_text(codec_text::kNotACheckValue, shown_name(field), text)};
        }
        s.check = static_cast<CheckState>(text[0] - '0');
        if (s.check != CheckState::Grayed) {
            apply_enables(page, field, state, s.check == CheckState::Checked);
        }
        return true;
    }
    return true;
}

StoredPreview preview_stored(const FieldSchema& field, std::string_view text,
                             const NumberFormat& format) {
    StoredPreview p;
    if (field.kind != FieldKind::Number || field.widget != Widget::Text) {
        return p;
    }
    const std::string typedText(text);
    const auto value = convert_number(field, typedText, format);
    if (!value) {
        p.kind = StoredPreview::Kind::Refused;
        const bool number =
            field.conversion == Conversion::Lenient || parse_strict(typedText, format).has_value();
        set_reason(p, !number                        ? codec_text::kReasons[0]
                      : field.range == Range::Reject ? codec_text::kReasons[1]
                                                     : codec_text::kReasons[2]);
        return p;
    }
    // The value goes through the same bytes a write would carry, and back as a reply shows it.
    Unit scratch{};
    store_value(scratch, field, *value);
    const std::int64_t stored = load_value(scratch, field);
    p.shown = number_text(field, scratch, format);
    const ExactDecimal typed = field.conversion == Conversion::Lenient
                                   ? parse_lenient(typedText)
                                   : *parse_strict(typedText, format);
    const ExactDecimal scaled = scale_decimal(typed, field.pow10, field.negate, field.offsetAdd);
    const bool exact = !scaled.sticky && compare(scaled, stored) == 0;
    const bool wholeText = field.conversion != Conversion::Lenient ||
                           parse_strict(typedText, kPlainNumbers).has_value();
    if (exact && wholeText) {
        return p;
    }
    p.kind = StoredPreview::Kind::Changed;
    if (exact) {
        set_reason(p, codec_text::kReasons[3]);
    } else if (field.range == Range::BelowMinZero && compare(scaled, field.min) < 0) {
        Unit limit{};
        store_value(limit, field, field.min);
        set_reason(p, codec_text::kReasons[7], number_text(field, limit, format));
    } else if (compare(scaled, field.max) > 0 && stored == field.max) {
        set_reason(p, codec_text::kReasons[4]);
    } else if (compare(scaled, field.min) < 0 && stored == field.min) {
        set_reason(p, codec_text::kReasons[5]);
    } else {
        set_step_reason(p, field, format);
    }
    return p;
}

std::string preview_note(const StoredPreview& p) {
    switch (p.kind) {
    case StoredPreview::Kind::Same:
        return {};
    case StoredPreview::Kind::Changed:
        return fill_text(codec_text::kStoredAs, p.shown, p.reason);
    case StoredPreview::Kind::Refused:
        return p.reason;
    }
    return {};
}

std::vector<FieldDifferenceText> differing_fields(const PageSchema& page, const Unit& a,
                                                  const Unit& b, const NumberFormat& format) {
    PageState sa = design_state(page);
    PageState sb = design_state(page);
    decode_into(page, a, sa, format);
    decode_into(page, b, sb, format);
    std::vector<FieldDifferenceText> out;
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        const FieldSchema& f = page.fields[i];
        if (f.kind == FieldKind::Unbound || f.kind == FieldKind::ControllerOwned ||
            f.widget == Widget::None) {
            continue;
        }
        std::string ta = shown_text(f, sa.fields[i]);
        std::string tb = shown_text(f, sb.fields[i]);
        if (ta != tb) {
            out.push_back({&f, std::move(ta), std::move(tb)});
        }
    }
    return out;
}

std::string shown_text(const FieldSchema& field, const FieldState& state) {
    if (field.widget == Widget::Check) {
        return std::string(1, static_cast<char>('0' + static_cast<int>(state.check)));
    }
    return state.text;
}

} // namespace motiview

// Arbitrary field texts -> the encoder: either a frame whose field lies within its limits,
// or a refusal naming exactly that field; never anything in between.
#include "fuzz_check.h"

#include "pages/page_codec.h"

#include <cstdint>
#include <string>

using namespace motiview;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const PageSchema& schema = page_schema(kAllPages[data[0] % kPageCount]);
    const NumberFormat format = (data[0] & 0x80) != 0 ? NumberFormat{",", "."} : NumberFormat{};
    const std::size_t index = data[1] % schema.fields.size();
    const FieldSchema& field = schema.fields[index];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    // Start from a page filled by a reply of zeros so every other field converts.
    Unit reply{};
    reply[0] = page_codes(schema.id).group;
    reply[1] = page_codes(schema.id).read;
    reply[31] = kEndByte;
    PageState state = design_state(schema);
    decode_into(schema, reply, state, format);
    const bool edited = state.fields[index].text != text;
    state.fields[index].text = text;
    const PageState before = state;

    auto frame = encode(schema, state, format);
    if (!frame.ok()) {
        FUZZ_CHECK(frame.error().field == field.name);
        FUZZ_CHECK(state.fields[index].text == before.fields[index].text);
        return 0;
    }
    const Unit& f = frame.value();
    FUZZ_CHECK(f[31] == kEndByte);
    // An unedited field writes back the reply's bytes as they came, limits or not.
    if (edited && field.kind == FieldKind::Number && field.resetOnWrite.empty()) {
        std::int64_t stored = 0;
        if (field.width == Width::U8) {
            stored = f[field.offset];
        } else if (field.width == Width::U16) {
            stored = load_u16le(f, field.offset);
        } else if (field.width == Width::SM16) {
            stored = load_sm16le(f, field.offset);
        }
        const bool belowToZero = field.range == Range::BelowMinZero && stored == 0;
        FUZZ_CHECK(belowToZero || (stored >= field.min && stored <= field.max));
    }
    return 0;
}

// Every page decoder: an arbitrary reply decodes, re-encodes, and decodes again to the same
// shown state (a read-then-write never changes what the controller holds).
#include "fuzz_check.h"

#include "pages/page_codec.h"

#include <cstdint>

using namespace motiview;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const PageSchema& schema = page_schema(kAllPages[data[0] % kPageCount]);
    const NumberFormat format = (data[0] & 0x80) != 0 ? NumberFormat{",", "."} : NumberFormat{};
    const PageCodes codes = page_codes(schema.id);
    Unit reply{};
    for (std::size_t i = 0; i + 1 < size && i < kUnitSize; ++i) {
        reply[i] = data[i + 1];
    }
    reply[0] = codes.group;
    reply[1] = codes.read;
    reply[31] = kEndByte;

    PageState state = design_state(schema);
    decode_into(schema, reply, state, format);
    PageState before = state;
    auto frame = encode(schema, state, format);
    FUZZ_CHECK(frame.ok());
    const Unit& f = frame.value();
    FUZZ_CHECK(f[0] == codes.group && f[1] == codes.write && f[31] == kEndByte);

    Unit again = f;
    again[1] = codes.read;
    PageState second = design_state(schema);
    decode_into(schema, again, second, format);
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        const FieldSchema& field = schema.fields[i];
        if (field.kind == FieldKind::Number && field.resetOnWrite.empty()) {
            FUZZ_CHECK(second.fields[i].text == before.fields[i].text);
        }
    }
    return 0;
}

// Any bytes as a parameter file: refused, or read into a set that writes back to a file
// reading to the same set, and whose every page restores without a refusal.
#include "fuzz_check.h"

#include "params/parameter_file.h"

#include <cstdint>
#include <string_view>

using namespace motiview;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = read_parameter_file(bytes);
    if (!read.ok()) {
        FUZZ_CHECK(!read.error().message.empty());
        return 0;
    }
    const ParameterSet& set = read.value();

    const std::string text = write_parameter_file(set);
    const auto again = read_parameter_file(text);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.value() == set);
    FUZZ_CHECK(write_parameter_file(again.value()) == text);

    for (const PageEntry& entry : set.pages) {
        const PageCodes codes = page_codes(entry.page);
        // A file's page restores onto its own reply, or onto any reply when it has none.
        Unit base{};
        base[0] = codes.group;
        base[1] = codes.read;
        base[kUnitSize - 1] = kEndByte;
        if (entry.reply) {
            base = *entry.reply;
        } else {
            for (std::size_t i = 2; i + 1 < kUnitSize && i - 2 < size; ++i) {
                base[i] = data[i - 2];
            }
        }
        const auto frame =
            restore_frame(entry, base, page_schema(PageId::Hardware).identityFields, &base);
        FUZZ_CHECK(frame.ok());
        FUZZ_CHECK(frame.value()[0] == codes.group);
        FUZZ_CHECK(frame.value()[1] == codes.write);
        FUZZ_CHECK(frame.value()[kUnitSize - 1] == kEndByte);
    }
    FUZZ_CHECK(diff(set, set).empty());
    return 0;
}

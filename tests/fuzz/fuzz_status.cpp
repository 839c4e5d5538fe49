// The status decoder over arbitrary frames: every label once, colours only where they belong.
#include "fuzz_check.h"

#include "monitor/status_frame.h"

#include <cstdint>
#include <set>
#include <string_view>

using namespace motiview;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Unit frame{};
    for (std::size_t i = 0; i < size && i < kUnitSize; ++i) {
        frame[i] = data[i];
    }
    const NumberFormat format =
        size > 32 && (data[32] & 1) != 0 ? NumberFormat{",", "."} : NumberFormat{};
    const StatusView view = decode_status(frame, format);
    std::set<std::string_view> seen;
    for (const LabelUpdate& l : view.labels) {
        FUZZ_CHECK(seen.insert(l.label).second);
        FUZZ_CHECK(l.text.size() < 200);
    }
    FUZZ_CHECK(view.visibility.size() == 11);
    return 0;
}

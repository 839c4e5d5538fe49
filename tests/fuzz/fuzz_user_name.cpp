// The user name of a user-info reply: bounded, valid UTF-8, nothing invisible or line-breaking.
#include "fuzz_check.h"

#include "link/receiver.h"

#include <cstdint>

using namespace motiview;

namespace {

// Counts code points; false on malformed UTF-8.
bool utf8_length(const std::string& s, std::size_t& count) {
    count = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) {
                return false;
            }
        }
        i += n;
        ++count;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Unit unit{};
    unit[0] = 0xF1;
    unit[1] = 0xE1;
    unit[2] = 0xA2;
    unit[31] = kEndByte;
    for (std::size_t i = 0; i < size && i + 3 < 31; ++i) {
        unit[i + 3] = data[i];
    }
    const std::string name = decode_user_name(unit);
    std::size_t chars = 0;
    FUZZ_CHECK(utf8_length(name, chars));
    FUZZ_CHECK(chars <= 20);
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        FUZZ_CHECK(c >= 0x20 && c != 0x7F);
    }
    return 0;
}

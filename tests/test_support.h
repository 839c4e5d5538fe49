#pragma once
// What many suites type and send: the two number formats of the tests, and a unit with given
// codes.

#include "base/bytes.h"
#include "base/number_text.h"

#include <cstdint>

namespace motiview::test {

// A point with comma grouping, and the other way round (as a German desktop types numbers).
inline const NumberFormat kDot{".", ","};
inline const NumberFormat kComma{",", "."};

// A unit with bytes 0, 1 and 2 and the last byte given, zero between.
inline Unit unit_of(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2 = 0,
                    std::uint8_t last = kEndByte) {
    Unit u{};
    u[0] = b0;
    u[1] = b1;
    u[2] = b2;
    u[kUnitSize - 1] = last;
    return u;
}

} // namespace motiview::test

#pragma once
// What many suites type and send: the two number formats of the tests, a unit with given
// codes, and a status frame with given values.

#include "base/bytes.h"
#include "base/number_text.h"
#include "monitor/status_layout.h"

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

// The status frame the controller sends with `v` in it (fields not set are zero).
inline Unit status_frame_of(const StatusValues& v) {
    Unit u = unit_of(0xDF, 0xEF);
    write_status(v, u);
    return u;
}

// Frame i of a test ride: Vdc 72 V + 0.1 V * i, Idc -5 A + 0.25 A * i, speed 100 rpm * i.
inline Unit ride_frame(int i, std::uint16_t faults, std::uint8_t state) {
    StatusValues v;
    v.set(StatusField::Vdc, 7200 + 10 * i);
    v.set(StatusField::Idc, -500 + 25 * i);
    v.set(StatusField::Speed, 100 * i);
    v.set(StatusField::CurrentFaults, faults);
    v.set(StatusField::State, state);
    return status_frame_of(v);
}

} // namespace motiview::test

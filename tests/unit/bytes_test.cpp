// The width table against the byte helpers: each width's limits are exactly the values its
// bytes carry, and a value stored touches exactly its bytes.

#include "base/bytes.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

using namespace motiview;

namespace {

constexpr std::size_t kAt = 10;
constexpr std::uint8_t kFill = 0xAA; // differs from every byte of every limit below

// The bytes of `u` that differ from the fill.
std::size_t bytes_changed(const Unit& u) {
    std::size_t n = 0;
    for (const std::uint8_t b : u) {
        n += b != kFill ? 1U : 0U;
    }
    return n;
}

Unit filled() {
    Unit u{};
    u.fill(kFill);
    return u;
}

TEST(WidthLimits, EachLimitComesBackAndNothingBeyondIt) {
    for (const WidthLimits& w : kWidthLimits) {
        SCOPED_TRACE(static_cast<int>(w.width));
        EXPECT_EQ(&width_limits(w.width), &w);
        for (const std::int32_t limit : {w.min, w.max}) {
            Unit u = filled();
            store_value(u, kAt, w.width, limit);
            EXPECT_EQ(bytes_changed(u), w.bytes) << limit;
            if (w.bytes > 0) {
                EXPECT_EQ(load_value(u, kAt, w.width), limit);
            }
        }
        if (w.bytes == 0) {
            continue;
        }
        // One past either limit has no bytes of its own: it reads back as something else.
        for (const std::int32_t beyond : {w.min - 1, w.max + 1}) {
            Unit u = filled();
            store_value(u, kAt, w.width, beyond);
            EXPECT_NE(load_value(u, kAt, w.width), beyond) << beyond;
        }
    }
}

} // namespace

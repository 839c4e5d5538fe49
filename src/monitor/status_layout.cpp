#include "monitor/status_layout.h"

#include <algorithm>

namespace motiview {
namespace {

consteval bool layout_is_sound() {
    int nextFree = 2;
    for (std::size_t i = 0; i < kStatusLayout.size(); ++i) {
        const StatusRow& r = kStatusLayout[i];
        if (static_cast<std::size_t>(r.field) != i || r.offset < nextFree) {
            return false;
        }
        nextFree = r.offset + static_cast<int>(width_bytes(r.width));
    }
    return nextFree - 1 <= 30;
}
static_assert(layout_is_sound(), "status rows in field order, byte order, inside bytes 2..30");

std::int32_t limit(std::int32_t v, Width w) {
    switch (w) {
    case Width::U8:
        return std::clamp(v, 0, 255);
    case Width::U16:
        return std::clamp(v, 0, 65535);
    case Width::SM16:
        return std::clamp(v, -32767, 32767);
    case Width::None:
        break;
    }
    return 0;
}

} // namespace

StatusValues read_status(const Unit& frame) {
    StatusValues v;
    for (const StatusRow& r : kStatusLayout) {
        v.set(r.field, load_value(frame, r.offset, r.width));
    }
    return v;
}

void write_status(const StatusValues& values, Unit& frame) {
    for (const StatusRow& r : kStatusLayout) {
        store_value(frame, r.offset, r.width, limit(values[r.field], r.width));
    }
}

} // namespace motiview

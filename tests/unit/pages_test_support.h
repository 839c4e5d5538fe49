#pragma once
// Small helpers shared by the page codec suites: find a field, fill a page, build a reply.

#include "base/bytes.h"
#include "case_names.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace motiview::test {

using PageFn = const PageSchema& (*)();

// Where a field the case names sits on the page; a missing one fails the test.
inline std::size_t index_of(const PageSchema& page, std::string_view name) {
    const auto i = field_index(page, name);
    if (!i) {
        ADD_FAILURE() << "no field " << name << " on " << page.window;
    }
    return i.value_or(0);
}

// A reply of the page: group, read code, the given payload bytes, end byte.
inline Unit
reply_of(const PageSchema& page,
         std::initializer_list<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes = {}) {
    Unit u{};
    const PageCodes codes = page_codes(page.id);
    u[0] = codes.group;
    u[1] = codes.read;
    u[kUnitSize - 1] = kEndByte;
    for (const auto& [offset, values] : bytes) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            u[offset + i] = values[i];
        }
    }
    return u;
}

inline std::vector<std::uint8_t> slice(const Unit& u, std::size_t offset, std::size_t count) {
    return {u.begin() + static_cast<std::ptrdiff_t>(offset),
            u.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

} // namespace motiview::test

#include "pages_later_support.h"

#include "link/frames.h"

#include <gtest/gtest.h>

namespace motiview::later_test {
namespace {

std::size_t index_of(const PageSchema& page, std::string_view name) {
    const auto i = field_index(page, name);
    if (!i) {
        ADD_FAILURE() << "no field " << name << " on " << page.window;
    }
    return i.value_or(0);
}

} // namespace

PageState edited_state(const PageSchema& page, const Edits& edits) {
    PageState state = design_state(page);
    for (const auto& [name, text] : edits) {
        const Result<bool> r = set_field_text(page, state, name, text);
        EXPECT_TRUE(r.ok()) << name << "=" << text << ": "
                            << (r.ok() ? std::string() : r.error().message);
    }
    return state;
}

Unit reply_of(const PageSchema& page, const std::vector<ByteAt>& bytes) {
    Unit u{};
    const PageCodes codes = page_codes(page.id);
    u[0] = codes.group;
    u[1] = codes.read;
    u[kUnitSize - 1] = kEndByte;
    for (const auto& [offset, value] : bytes) {
        u[offset] = value;
    }
    return u;
}

const FieldState& field_state(const PageSchema& page, const PageState& state,
                              std::string_view name) {
    return state.fields.at(index_of(page, name));
}

std::string shown(const PageSchema& page, const PageState& state, std::string_view name) {
    const std::size_t i = index_of(page, name);
    return shown_text(page.fields[i], state.fields.at(i));
}

} // namespace motiview::later_test

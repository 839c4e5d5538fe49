#pragma once
// Shared helpers of the later pages' codec suites (pages_later_*): a page state with edits
// applied, a reply unit with chosen bytes, and the shown text of a field.

#include "base/bytes.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "test_support.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace motiview::later_test {

using Edits = std::vector<std::pair<std::string_view, std::string_view>>;
using ByteAt = std::pair<std::size_t, std::uint8_t>;
using test::kComma;
using test::kDot;

// The design-time page with the edits typed in; a failed edit fails the test.
PageState edited_state(const PageSchema& page, const Edits& edits);

// A reply of the page (group, read code, 0xDA) with the given payload bytes, the rest 0.
Unit reply_of(const PageSchema& page, const std::vector<ByteAt>& bytes);

// The shown text of one field of a state.
std::string shown(const PageSchema& page, const PageState& state, std::string_view name);

const FieldState& field_state(const PageSchema& page, const PageState& state,
                              std::string_view name);

} // namespace motiview::later_test

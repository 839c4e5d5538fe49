#pragma once
// Writes a whole file so that a reader sees either the old or the new content, never half.

#include "base/result.h"

#include <string>
#include <string_view>

namespace motiview::sim {

[[nodiscard]] Result<bool> write_file_atomically(const std::string& path, std::string_view text);

} // namespace motiview::sim

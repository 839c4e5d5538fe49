#pragma once
// Moments as files and recordings stamp them.

#include <chrono>
#include <string>

namespace motiview {

// "2026-12-08T11:30:05.123+01:00": the moment as local time at `utcOffset`.
[[nodiscard]] std::string created_text(std::chrono::system_clock::time_point when,
                                       std::chrono::minutes utcOffset);

} // namespace motiview

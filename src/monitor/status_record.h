#pragma once
// One status frame as a row of a recording (CSV): the values the panels show, at the panels'
// precision, with "." and no grouping whatever the locale, so that a recording from the window
// and one from the command line read the same.

#include "base/bytes.h"

#include <string>
#include <string_view>

namespace motiview {

// The recording's header line, without the line end: the time, the panel's numbers, the named
// values, the words in hex and the current faults by name, each column the status table's key.
[[nodiscard]] const std::string& record_header();

// `time`: ISO 8601 with milliseconds and offset; `elapsedMs`: since the recording started.
// No line end.
[[nodiscard]] std::string record_row(const Unit& frame, std::string_view time, long long elapsedMs);

} // namespace motiview

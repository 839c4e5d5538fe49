#pragma once
// The command-line tool without its process shell: arguments in, texts and an exit code out.
// The caller supplies the number format (main takes it from the system locale).

#include "base/number_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace motiview::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2; // the codec refused a field: nothing written
inline constexpr int kExitBroken = 3;  // the unit does not end in 0xDA
inline constexpr int kExitUsage = 64;  // unknown page or control, bad arguments

struct Outcome {
    int code = kExitOk;
    std::string out;
    std::string err;
};

// args without the program name.
[[nodiscard]] Outcome run(const std::vector<std::string>& args, const NumberFormat& format);

[[nodiscard]] std::string usage_text();

// A JSON string literal with its quotes: quote and backslash escaped, control characters as
// \u00XX, everything else (UTF-8 included) as it is.
[[nodiscard]] std::string json_string(std::string_view text);

// A value on one NAME=TEXT line: backslash and control characters escaped (\r, \n, \t, \xNN)
// so that every field stays on its line.
[[nodiscard]] std::string line_value(std::string_view text);

} // namespace motiview::cli

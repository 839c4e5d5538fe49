#pragma once
// The command-line tool without its process shell. The offline commands (encode, decode) take
// arguments and give texts and an exit code; the commands that talk to a controller (online.h)
// print as they go. The caller supplies the number format (main takes it from the system
// locale).

#include "base/bytes.h"
#include "base/number_text.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace motiview::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;  // a field refused (or a file damaged): nothing sent
inline constexpr int kExitBroken = 3;   // a unit does not end in 0xDA
inline constexpr int kExitReadBack = 4; // written, but the controller holds something else
inline constexpr int kExitNoAnswer = 5; // no answer in time
inline constexpr int kExitPort = 6;     // the port cannot be opened
inline constexpr int kExitUsage = 64;   // unknown page or control, bad arguments

inline constexpr std::string_view kProgram = "motiview-cli";

struct Outcome {
    int code = kExitOk;
    std::string out;
    std::string err;
};

// Keys in first-seen order; a later value for the same key replaces the earlier one.
class OrderedMap {
  public:
    void set(std::string_view key, std::string value);
    [[nodiscard]] const std::vector<std::pair<std::string, std::string>>& entries() const {
        return entries_;
    }
    [[nodiscard]] nlohmann::ordered_json json() const;

  private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// What a decoded unit amounts to, before it is printed.
struct Report {
    std::string_view kind;
    std::string_view page; // cliName, empty when none
    std::optional<std::string> text;
    std::optional<OrderedMap> fields;
    std::optional<OrderedMap> colors;
    std::optional<std::vector<std::string>> visible;
};

// The unit as `decode` explains it; nullopt for a broken unit.
[[nodiscard]] std::optional<Report> report_of(const Unit& unit, const NumberFormat& format);
// NAME=TEXT lines, or one JSON object on one line.
[[nodiscard]] std::string render(const Report& rep, bool json);
[[nodiscard]] nlohmann::ordered_json report_json(const Report& rep);
// Compact JSON text; invalid UTF-8 is replaced, never thrown.
[[nodiscard]] std::string json_text(const nlohmann::ordered_json& j);

[[nodiscard]] Outcome encode_command(const std::vector<std::string>& args,
                                     const NumberFormat& format);
[[nodiscard]] Outcome decode_command(const std::vector<std::string>& args,
                                     const NumberFormat& format);

// A recording drawn headless: `plot FILE.csv --out FILE.png|FILE.pdf`. Exit 2 for a file that
// cannot be read or a range without rows, 64 for bad arguments.
struct PlotOptions {
    std::string file;
    std::string out;
    std::string channels; // column names, comma-separated; empty: the window's default curves
    std::optional<double> from;
    std::optional<double> to; // seconds on the recording's clock
    std::string size;         // WIDTHxHEIGHT; empty: 1280x720
};
[[nodiscard]] Outcome plot_command(const PlotOptions& opt);

// "motiview-cli: MESSAGE" and the hint to --help, exit 64.
[[nodiscard]] Outcome usage_error(std::string message);

// The page names, separated by blanks.
[[nodiscard]] std::string page_names();

// A value on one NAME=TEXT line: backslash and control characters escaped (\r, \n, \t, \xNN)
// so that every field stays on its line.
[[nodiscard]] std::string line_value(std::string_view text);

} // namespace motiview::cli

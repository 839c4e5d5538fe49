#pragma once
// The production line's log: one CSV line per unit provisioned, for a quality system to read.
// The header is fixed; a log is only ever appended to, and a serial number met again in the
// same log gets a note that says when it was first provisioned.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

// The columns, in order (without the line end).
inline constexpr std::string_view kProvisionHeader =
    "time,port,serial,user_name,verdict,pages_written,pages_unchanged,failed_page,"
    "failed_fields,current_faults,history_faults,seconds,note";

// What became of a unit.
inline constexpr std::string_view kVerdictOk = "ok";
inline constexpr std::string_view kVerdictRefused = "refused";
inline constexpr std::string_view kVerdictFailed = "failed";
inline constexpr std::string_view kVerdictNoAnswer = "no-answer";

struct ProvisionRecord {
    std::string time; // ISO 8601 with the offset
    std::string port;
    std::string serial;
    std::string userName;
    std::string verdict;
    int pagesWritten = 0;
    int pagesUnchanged = 0;
    std::string failedPage;                // the page that stopped the unit, by its name
    std::vector<std::string> failedFields; // its fields that did not take
    std::vector<std::string> currentFaults;
    std::vector<std::string> historyFaults;
    double seconds = 0;
    std::string note; // "again; first at 10:42:07"
};

// One CSV line without the line end: lists joined by ";", a field quoted when it holds a comma,
// a quote or a line break (quotes doubled), seconds with two decimals.
[[nodiscard]] std::string provision_line(const ProvisionRecord& r);

// A log's existing text is one this run may append to: empty, or starting with the header.
[[nodiscard]] bool provision_log_matches(std::string_view text);

// The serial numbers of a log's lines, each with the time of its first line.
[[nodiscard]] std::map<std::string, std::string> provisioned_serials(std::string_view text);

// "again; first at 10:42:07": the time of day of an ISO 8601 time.
[[nodiscard]] std::string again_note(std::string_view firstTime);

} // namespace motiview

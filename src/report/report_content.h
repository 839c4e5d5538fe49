#pragma once
// The service report's content: one model, written as JSON and drawn as HTML and PDF (report/qt),
// so the three never disagree. It says who did what on which controller: the job, the identity,
// the faults as found and as left (current and history, "not read" kept apart from "none"), the
// faults that came and went, every parameter changed, the hall tests, the live values at start
// and end, and the recordings made.

#include "base/bytes.h"
#include "history/history_store.h"
#include "params/parameter_file.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace motiview {

inline constexpr std::string_view kReportFormat = "motiview-report";
inline constexpr int kReportVersion = 1;

struct ReportInput {
    JobRecord job; // number, technician, vehicle, complaint, work done, times, state
    std::string tool;
    std::int64_t createdMs = 0;
    // The pages and the status frame as found and as left; absent: not read.
    std::optional<ParameterSet> found;
    std::optional<ParameterSet> left;
    std::optional<Unit> statusFound;
    std::optional<Unit> statusLeft;
    // What "as found" is: "as found at the start of the job", "the report of ...", "first
    // visit".
    std::string comparedWith;
    // The job's events, oldest first.
    std::vector<EventRecord> events;
};

// Milliseconds since the epoch as the report prints them.
using TimeText = std::function<std::string(std::int64_t)>;

// The content, keys in a fixed order (see report_content.cpp for the shape). The report id is
// not part of it: it is made from this content's text.
[[nodiscard]] nlohmann::ordered_json report_content(const ReportInput& in, const TimeText& time);

// The compact JSON text the report id is made from, and that the JSON file holds (with the id
// put in front).
[[nodiscard]] std::string report_content_text(const nlohmann::ordered_json& content);

// The content with "report_id" as its first key.
[[nodiscard]] nlohmann::ordered_json with_report_id(const nlohmann::ordered_json& content,
                                                    const std::string& id);

// A job's status frame, as stored ("" when not read).
[[nodiscard]] std::optional<Unit> status_from_hex(const std::string& hex);

} // namespace motiview

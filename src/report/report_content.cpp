#include "report/report_content.h"

#include "base/number_text.h"
#include "jobs/service_events.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "pages/page_codec.h"

#include <array>

// The content's shape (every key always present, in this order):
//   format, version, job {number, technician, vehicle, complaint, work_done, started, finished,
//   state}, created, tool, controller {serial, user_name, identity [{field, caption, text}]},
//   compared_with, faults {as_found, as_left: null (not read) or {current [names], history
//   [names]}}, fault_changes [{time, text}], changes (null when either side was not read, else
//   [{page, page_title, field, caption, as_found, as_left}]), writes, hall_tests,
//   counter_resets [{time, text}], live [{key, caption, as_found, as_left}] (null: not read),
//   recordings [{time, file, seconds, rows}].

namespace motiview {
namespace {

using Json = nlohmann::ordered_json;

// The live values a report shows at the start and the end of a job.
constexpr std::array kLiveValues = {StatusField::Vdc, StatusField::MotorTemp,
                                    StatusField::PowerTemp, StatusField::State};

Json faults_of(const std::optional<Unit>& frame) {
    if (!frame) {
        return nullptr;
    }
    const StatusValues v = read_status(*frame);
    Json out;
    for (const auto& [key, field, which] :
         {std::tuple{"current", StatusField::CurrentFaults, FaultWord::Current},
          std::tuple{"history", StatusField::HistoryFaults, FaultWord::History}}) {
        Json names = Json::array();
        for (const std::string_view n :
             fault_name_list(static_cast<std::uint16_t>(v[field]), which)) {
            names.push_back(n);
        }
        out[key] = std::move(names);
    }
    return out;
}

Json live_text(const std::optional<Unit>& frame, StatusField f) {
    if (!frame) {
        return nullptr;
    }
    return status_text(f, read_status(*frame), kPlainNumbers);
}

const PageEntry* identity_entry(const std::optional<ParameterSet>& set) {
    if (!set) {
        return nullptr;
    }
    for (const PageEntry& e : set->pages) {
        if (carries_identity(e.page)) {
            return &e;
        }
    }
    return nullptr;
}

Json identity_of(const PageEntry* entry) {
    Json out = Json::array();
    if (entry == nullptr) {
        return out;
    }
    const PageSchema& page = page_schema(entry->page);
    for (const auto& [name, text] : entry->fields) {
        const auto i = field_index(page, name);
        out.push_back({{"field", name},
                       {"caption", i ? std::string(field_caption(page, page.fields[*i])) : name},
                       {"text", text}});
    }
    return out;
}

} // namespace

Json report_content(const ReportInput& in, const TimeText& time) {
    Json j;
    j["format"] = kReportFormat;
    j["version"] = kReportVersion;
    const JobRecord& job = in.job;
    j["job"] = {{"number", job.number},
                {"technician", job.technician},
                {"vehicle", job.vehicle},
                {"complaint", job.complaint},
                {"work_done", job.workDone},
                {"started", time(job.startedMs)},
                {"finished", job.finishedMs ? Json(time(*job.finishedMs)) : Json(nullptr)},
                {"state", job.state}};
    j["created"] = time(in.createdMs);
    j["tool"] = in.tool;

    // The identity as left when read at the end, else as found.
    const std::optional<ParameterSet>& latest = in.left ? in.left : in.found;
    const std::string serial = latest ? serial_number(*latest) : std::string();
    Json controller;
    controller["serial"] = serial.empty() ? Json(nullptr) : Json(serial);
    controller["user_name"] = latest ? latest->userName : std::string();
    controller["identity"] = identity_of(identity_entry(latest));
    j["controller"] = std::move(controller);
    j["compared_with"] = in.comparedWith;

    j["faults"] = {{"as_found", faults_of(in.statusFound)}, {"as_left", faults_of(in.statusLeft)}};

    Json faultChanges = Json::array();
    Json writes = Json::array();
    Json hall = Json::array();
    Json resets = Json::array();
    Json recordings = Json::array();
    for (const EventRecord& e : in.events) {
        const Json line = {{"time", time(e.timeMs)}, {"text", e.summary}};
        if (e.kind == kEventFaults) {
            faultChanges.push_back(line);
        } else if (e.kind == kEventWrite) {
            writes.push_back(line);
        } else if (e.kind == kEventHallTest) {
            hall.push_back(line);
        } else if (e.kind == kEventCountReset) {
            resets.push_back(line);
        } else if (e.kind == kEventRecording) {
            const Json d = Json::parse(e.detail, nullptr, false);
            const auto get = [&d](const char* key, const Json& fallback) {
                return d.is_object() && d.contains(key) ? d[key] : fallback;
            };
            recordings.push_back({{"time", time(e.timeMs)},
                                  {"file", get("file", "")},
                                  {"seconds", get("seconds", 0.0)},
                                  {"rows", get("rows", 0)}});
        }
    }
    j["fault_changes"] = std::move(faultChanges);

    if (in.found && in.left) {
        Json changes = Json::array();
        for (const FieldDifference& d : diff(*in.found, *in.left)) {
            changes.push_back({{"page", page_schema(d.page).cliName},
                               {"page_title", page_title(page_schema(d.page))},
                               {"field", d.field},
                               {"caption", d.caption},
                               {"as_found", d.a},
                               {"as_left", d.b}});
        }
        j["changes"] = std::move(changes);
    } else {
        j["changes"] = nullptr;
    }
    j["writes"] = std::move(writes);
    j["hall_tests"] = std::move(hall);
    j["counter_resets"] = std::move(resets);

    Json live = Json::array();
    for (const StatusField f : kLiveValues) {
        const StatusRow& row = status_row(f);
        live.push_back({{"key", row.key},
                        {"caption", row.caption},
                        {"as_found", live_text(in.statusFound, f)},
                        {"as_left", live_text(in.statusLeft, f)}});
    }
    j["live"] = std::move(live);
    j["recordings"] = std::move(recordings);
    return j;
}

std::string report_content_text(const Json& content) {
    return content.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json with_report_id(const Json& content, const std::string& id) {
    Json out;
    out["report_id"] = id;
    for (const auto& [key, value] : content.items()) {
        out[key] = value;
    }
    return out;
}

std::optional<Unit> status_from_hex(const std::string& hex) {
    if (hex.empty()) {
        return std::nullopt;
    }
    const std::optional<Bytes> b = parse_hex(hex);
    if (!b || b->size() != kUnitSize) {
        return std::nullopt;
    }
    Unit u{};
    std::copy(b->begin(), b->end(), u.begin());
    return u;
}

} // namespace motiview

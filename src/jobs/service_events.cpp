#include "jobs/service_events.h"

#include "base/number_text.h"
#include "pages/page_codec.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace motiview {
namespace {

using Json = nlohmann::ordered_json;

std::string dump(const Json& j) {
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string hex_word(std::uint16_t w) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(w));
    return buf;
}

std::string joined(const Json& names) {
    std::string out;
    for (const Json& n : names) {
        out += (out.empty() ? "" : ", ") + n.get<std::string>();
    }
    return out;
}

} // namespace

std::optional<ServiceEvent> fault_event(FaultWord which, std::uint16_t before,
                                        std::uint16_t after) {
    if (before == after) {
        return std::nullopt;
    }
    // By fault, not by bit: hall answers to two bits and is there while either is set.
    Json cameNames = Json::array();
    Json wentNames = Json::array();
    for (const FaultRow& f : kFaults) {
        const bool was = (before & fault_bits(f, which)) != 0;
        const bool is = (after & fault_bits(f, which)) != 0;
        if (is && !was) {
            cameNames.push_back(f.name);
        } else if (was && !is) {
            wentNames.push_back(f.name);
        }
    }
    const std::string word = which == FaultWord::Current ? "current" : "history";
    std::string summary = word + " faults";
    if (!cameNames.empty()) {
        summary += " came: " + joined(cameNames);
    }
    if (!wentNames.empty()) {
        summary += std::string(cameNames.empty() ? "" : ";") + " went: " + joined(wentNames);
    }
    if (cameNames.empty() && wentNames.empty()) {
        // Bits without a name changed, or a fault's second bit: say the words.
        summary += " " + hex_word(before) + " -> " + hex_word(after);
    }
    Json d;
    d["word"] = word;
    d["before"] = hex_word(before);
    d["after"] = hex_word(after);
    d["came"] = std::move(cameNames);
    d["went"] = std::move(wentNames);
    return ServiceEvent{std::string(kEventFaults), summary, dump(d)};
}

ServiceEvent write_event(PageId page, const Unit& before, const Unit& after,
                         std::string_view verdict) {
    const PageSchema& schema = page_schema(page);
    std::string summary = std::string(schema.cliName) + ": " + std::string(verdict);
    Json fields = Json::array();
    std::string changes;
    for (const FieldDifferenceText& f : differing_fields(schema, before, after, kPlainNumbers)) {
        fields.push_back({{"field", f.field->name},
                          {"caption", field_caption(schema, *f.field)},
                          {"before", f.a},
                          {"after", f.b}});
        changes +=
            (changes.empty() ? "; " : ", ") + std::string(f.field->name) + " " + f.a + " -> " + f.b;
    }
    Json d;
    d["page"] = schema.cliName;
    d["verdict"] = verdict;
    d["fields"] = std::move(fields);
    return ServiceEvent{std::string(kEventWrite), summary + changes, dump(d)};
}

ServiceEvent hall_test_event(std::string_view group, std::string_view result) {
    Json d;
    d["group"] = group;
    d["result"] = result;
    return ServiceEvent{std::string(kEventHallTest),
                        "hall test " + std::string(group) + ": " + std::string(result), dump(d)};
}

ServiceEvent count_reset_event(std::string_view result) {
    Json d;
    d["result"] = result;
    return ServiceEvent{std::string(kEventCountReset),
                        "calibration count reset: " + std::string(result), dump(d)};
}

ServiceEvent recording_event(std::string_view file, double seconds, long long rows) {
    Json d;
    d["file"] = file;
    d["seconds"] = seconds;
    d["rows"] = rows;
    char length[32];
    std::snprintf(length, sizeof length, "%.1f s", seconds);
    return ServiceEvent{std::string(kEventRecording),
                        "recording " + std::string(file) + ": " + length + ", " +
                            std::to_string(rows) + (rows == 1 ? " row" : " rows"),
                        dump(d)};
}

Result<std::int64_t> ServiceRecord::store_pages(const ParameterSet& set, std::string_view source,
                                                std::int64_t timeMs) {
    const std::string serial = serial_number(set);
    if (serial.empty()) {
        return Error{{}, "the pages read hold no serial number (the hardware page is missing)"};
    }
    if (controller_ && controller_->serial != serial) {
        forget_status(); // another controller on the line
    }
    controller_ = ControllerIdentity{serial, set.userName};
    const Result<bool> seen = store_.see_controller(serial, set.userName, timeMs);
    if (!seen.ok()) {
        return seen.error();
    }
    // The snapshot's own time is kept beside it: without the file's stamp, a reading equal to the
    // last one is known as such and not stored again.
    ParameterSet kept = set;
    kept.created.clear();
    return store_.keep_snapshot(serial, timeMs, source, job_, write_parameter_file(kept));
}

Result<bool> ServiceRecord::identify(const ParameterSet& set, std::int64_t timeMs) {
    const std::string serial = serial_number(set);
    if (serial.empty()) {
        return Error{{}, "the pages read hold no serial number (the hardware page is missing)"};
    }
    if (controller_ && controller_->serial != serial) {
        forget_status();
    }
    controller_ = ControllerIdentity{serial, set.userName};
    return store_.see_controller(serial, set.userName, timeMs);
}

Result<bool> ServiceRecord::note_status(const Unit& frame, std::int64_t timeMs) {
    const StatusValues v = read_status(frame);
    const auto current = static_cast<std::uint16_t>(v[StatusField::CurrentFaults]);
    const auto history = static_cast<std::uint16_t>(v[StatusField::HistoryFaults]);
    const auto before = words_;
    words_ = std::pair{current, history};
    if (!before || !controller_) {
        return false;
    }
    bool stored = false;
    for (const auto& [which, was, now] :
         {std::tuple{FaultWord::Current, before->first, current},
          std::tuple{FaultWord::History, before->second, history}}) {
        if (const auto e = fault_event(which, was, now)) {
            const Result<bool> r = note(*e, timeMs);
            if (!r.ok()) {
                return r.error();
            }
            stored = true;
        }
    }
    return stored;
}

Result<bool> ServiceRecord::note(const ServiceEvent& e, std::int64_t timeMs) {
    if (!controller_) {
        return false;
    }
    const Result<std::int64_t> id = store_.add_event(
        EventRecord{0, controller_->serial, timeMs, job_, e.kind, e.summary, e.detail});
    if (!id.ok()) {
        return id.error();
    }
    return true;
}

} // namespace motiview

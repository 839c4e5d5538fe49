// The service history on the command line: what the other commands keep in it, the service
// report, and the history itself listed and exported.
#include "cli.h"
#include "keeper.h"
#include "line.h"

#include "base/qt/locale_format.h"
#include "report/qt/report_document.h"
#include "report/report_content.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>

namespace motiview::cli {

Keeper::Keeper(const Online& o, bool wanted) : io_(o.io) {
    if (o.history.off || !wanted) {
        return;
    }
    Result<std::unique_ptr<HistoryStore>> store = HistoryStore::open(o.history.path);
    if (!store.ok()) {
        complain(io_, store.error().message +
                          "; the service history is not kept this time (--no-history leaves it "
                          "out)");
        return;
    }
    store_ = std::move(store).value();
    record_ = std::make_unique<ServiceRecord>(*store_);
}

void Keeper::failed(const Error& e) {
    complain(io_, "service history: " + e.message + "; not kept for the rest of this command");
    record_.reset();
}

void Keeper::pages(const ParameterSet& set, std::string_view source) {
    if (record_) {
        if (const Result<std::int64_t> r = record_->store_pages(set, source, now_ms()); !r.ok()) {
            failed(r.error());
        }
    }
}

void Keeper::identify(const ParameterSet& hardware) {
    if (record_) {
        if (const Result<bool> r = record_->identify(hardware, now_ms()); !r.ok()) {
            failed(r.error());
        }
    }
}

void Keeper::identify(Line& line, const Online& o) {
    if (!record_) {
        return;
    }
    ReadJob job({PageId::Hardware}, true, o.retries);
    line.run(job);
    if (!job.complete()) {
        complain(io_, "service history: the controller's serial number could not be read; "
                      "nothing is kept this time");
        record_.reset();
        return;
    }
    identify(job.parameter_set({}, {}));
}

void Keeper::status(const Unit& frame) {
    if (record_) {
        if (const Result<bool> r = record_->note_status(frame, now_ms()); !r.ok()) {
            failed(r.error());
        }
    }
}

void Keeper::event(const ServiceEvent& e) {
    if (record_) {
        if (const Result<bool> r = record_->note(e, now_ms()); !r.ok()) {
            failed(r.error());
        }
    }
}

namespace {

std::string version() {
    return qstr(QCoreApplication::applicationVersion());
}

// The history a report or a listing cannot do without: refused files end the command.
std::unique_ptr<HistoryStore> open_history(const Online& o) {
    Result<std::unique_ptr<HistoryStore>> store = HistoryStore::open(o.history.path);
    if (!store.ok()) {
        complain(o.io, store.error().message);
        return nullptr;
    }
    return std::move(store).value();
}

std::string visit_text(const Baseline& b) {
    if (!b.job) {
        return "its first reading in the history (" + b.snapshot.source + ", " +
               moment_text(b.snapshot.timeMs) + ")";
    }
    const std::string what = b.job->state == kJobReport ? "the report" : "the job";
    return what + " " + b.job->number + " of " +
           moment_text(b.job->finishedMs.value_or(b.job->startedMs));
}

} // namespace

int report_command(const Online& o, const ReportOptions& opt) {
    std::unique_ptr<HistoryStore> store;
    if (!o.history.off) {
        store = open_history(o);
        if (!store) {
            return kExitRefused;
        }
    }
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    install_interrupt_handler();
    ReadJob job(std::vector<PageId>(kAllPages.begin(), kAllPages.end()), true, o.retries);
    int code = kExitOk;
    std::optional<Unit> status;
    if (!read_pages(line, job, o, "report", false, code, &status)) {
        complain(o.io, "no report was written");
        return code;
    }
    const std::int64_t now = now_ms();
    const ParameterSet set = job.parameter_set(local_time_text(), version());
    const std::string serial = serial_number(set);

    ReportInput in;
    in.tool = version();
    in.createdMs = now;
    in.left = set;
    in.statusLeft = status;
    JobRecord& rec = in.job;
    rec.serial = serial;
    rec.number = opt.job;
    rec.technician = opt.technician;
    rec.vehicle = opt.vehicle;
    rec.complaint = opt.complaint;
    rec.workDone = opt.note;
    rec.startedMs = now;
    rec.finishedMs = now;
    rec.state = std::string(kJobReport);
    rec.leftStatus = status ? to_hex(*status) : std::string();

    std::optional<Baseline> baseline;
    if (store) {
        const Result<std::optional<Baseline>> last = store->last_visit(serial);
        if (!last.ok()) {
            complain(o.io, last.error().message);
            return kExitRefused;
        }
        baseline = *last;
    }
    if (baseline) {
        Result<ParameterSet> before = read_parameter_file(baseline->snapshot.content);
        if (before.ok()) {
            in.found = std::move(before).value();
        }
        in.comparedWith = visit_text(*baseline);
        if (baseline->job) {
            in.statusFound = status_from_hex(baseline->job->leftStatus);
        }
        rec.foundSnapshot = baseline->snapshot.id;
        const Result<std::vector<EventRecord>> events = store->events(serial);
        if (events.ok()) {
            for (auto it = events->rbegin(); it != events->rend(); ++it) {
                if (it->timeMs >= baseline->snapshot.timeMs) {
                    in.events.push_back(*it);
                }
            }
        }
    } else {
        in.found = set;
        in.statusFound = status;
        in.comparedWith = store ? "first visit" : "nothing: the service history was not used";
    }

    if (store) {
        const Result<std::int64_t> id = store->add_job(rec);
        if (!id.ok()) {
            complain(o.io, id.error().message);
            return kExitRefused;
        }
        rec.id = *id;
        ServiceRecord record(*store);
        record.set_job(rec.id);
        const Result<std::int64_t> snap = record.store_pages(set, kSourceReport, now);
        if (!snap.ok()) {
            complain(o.io, snap.error().message);
            return kExitRefused;
        }
        rec.leftSnapshot = *snap;
        if (!rec.foundSnapshot) {
            rec.foundSnapshot = *snap;
        }
    }

    const nlohmann::ordered_json content = report_content(in, moment_text);
    ReportFiles files{QString::fromStdString(opt.pdf), QString::fromStdString(opt.html),
                      QString::fromStdString(opt.json)};
    const Result<std::string> id = write_report(content, files);
    if (!id.ok()) {
        complain(o.io, id.error().message);
        return kExitUsage;
    }
    if (store) {
        rec.reportId = *id;
        if (const Result<bool> u = store->update_job(rec); !u.ok()) {
            complain(o.io, u.error().message);
        }
    }
    const std::size_t changed = content["changes"].is_array() ? content["changes"].size() : 0;
    say(o.io, "report " + *id + ": " + serial + ", " + std::to_string(changed) +
                  (changed == 1 ? " parameter" : " parameters") + " changed since " +
                  content["compared_with"].get<std::string>() + "\n");
    for (const std::string& f : {opt.pdf, opt.html, opt.json}) {
        if (!f.empty()) {
            say(o.io, f + "\n");
        }
    }
    return kExitOk;
}

namespace {

nlohmann::ordered_json controller_json(const ControllerRecord& c) {
    return {{"serial", c.serial},
            {"user_name", c.userName},
            {"first_seen", moment_text(c.firstSeenMs)},
            {"last_seen", moment_text(c.lastSeenMs)},
            {"snapshots", c.snapshots},
            {"jobs", c.jobs}};
}

// One line of a controller's time line.
struct Entry {
    std::int64_t timeMs;
    std::int64_t order; // among entries at the same moment: newest id first
    std::string text;
};

int list_controllers(const Online& o, HistoryStore& store) {
    const Result<std::vector<ControllerRecord>> list = store.controllers();
    if (!list.ok()) {
        complain(o.io, list.error().message);
        return kExitRefused;
    }
    if (o.json) {
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const ControllerRecord& c : *list) {
            all.push_back(controller_json(c));
        }
        say(o.io, json_text(all) + "\n");
        return kExitOk;
    }
    say(o.io, "serial\tuser name\tfirst seen\tlast seen\tsnapshots\tjobs\n");
    for (const ControllerRecord& c : *list) {
        say(o.io, c.serial + "\t" + line_value(c.userName) + "\t" + moment_text(c.firstSeenMs) +
                      "\t" + moment_text(c.lastSeenMs) + "\t" + std::to_string(c.snapshots) + "\t" +
                      std::to_string(c.jobs) + "\n");
    }
    return kExitOk;
}

nlohmann::ordered_json job_json(const JobRecord& j) {
    return {{"id", j.id},
            {"number", j.number},
            {"technician", j.technician},
            {"vehicle", j.vehicle},
            {"complaint", j.complaint},
            {"work_done", j.workDone},
            {"started", moment_text(j.startedMs)},
            {"finished", j.finishedMs ? nlohmann::ordered_json(moment_text(*j.finishedMs))
                                      : nlohmann::ordered_json(nullptr)},
            {"state", j.state},
            {"report_id", j.reportId}};
}

} // namespace

int history_command(const Online& o, const std::string& serial, const std::string& exportFile,
                    std::int64_t snapshotId) {
    if (o.history.off) {
        complain(o.io, "history: --no-history leaves nothing to show");
        return kExitUsage;
    }
    const std::unique_ptr<HistoryStore> store = open_history(o);
    if (!store) {
        return kExitRefused;
    }
    if (serial.empty()) {
        if (!exportFile.empty()) {
            complain(o.io, "history: --export needs the controller's serial number");
            return kExitUsage;
        }
        return list_controllers(o, *store);
    }
    const Result<std::vector<ControllerRecord>> all = store->controllers();
    if (!all.ok()) {
        complain(o.io, all.error().message);
        return kExitRefused;
    }
    const auto c = std::find_if(all->begin(), all->end(),
                                [&](const ControllerRecord& r) { return r.serial == serial; });
    if (c == all->end()) {
        complain(o.io, "history: no controller " + serial + " in " + store->path());
        return kExitUsage;
    }
    const Result<std::vector<SnapshotRecord>> snaps = store->snapshots(serial);
    const Result<std::vector<JobRecord>> jobs = store->jobs(serial);
    const Result<std::vector<EventRecord>> events = store->events(serial);
    for (const Error* e :
         {snaps.ok() ? nullptr : &snaps.error(), jobs.ok() ? nullptr : &jobs.error(),
          events.ok() ? nullptr : &events.error()}) {
        if (e != nullptr) {
            complain(o.io, e->message);
            return kExitRefused;
        }
    }

    if (!exportFile.empty()) {
        const SnapshotRecord* chosen = nullptr;
        for (const SnapshotRecord& s : *snaps) {
            if (snapshotId == 0 || s.id == snapshotId) {
                chosen = &s;
                break;
            }
        }
        if (chosen == nullptr) {
            complain(o.io, snaps->empty() ? "history: " + serial + " has no snapshot"
                                          : "history: " + serial + " has no snapshot " +
                                                std::to_string(snapshotId));
            return kExitUsage;
        }
        Result<ParameterSet> set = read_parameter_file(chosen->content);
        if (!set.ok()) {
            complain(o.io, "history: snapshot " + std::to_string(chosen->id) + ": " +
                               set.error().message);
            return kExitRefused;
        }
        ParameterSet file = std::move(set).value();
        file.created = moment_text(chosen->timeMs);
        if (const Result<bool> saved = save_file_atomically(exportFile, write_parameter_file(file));
            !saved.ok()) {
            complain(o.io, exportFile + ": " + saved.error().message);
            return kExitUsage;
        }
        say(o.io, exportFile + "\n");
        return kExitOk;
    }

    if (o.json) {
        nlohmann::ordered_json j = controller_json(*c);
        nlohmann::ordered_json s = nlohmann::ordered_json::array();
        for (const SnapshotRecord& r : *snaps) {
            s.push_back({{"id", r.id},
                         {"time", moment_text(r.timeMs)},
                         {"source", r.source},
                         {"job", r.job ? nlohmann::ordered_json(*r.job)
                                       : nlohmann::ordered_json(nullptr)}});
        }
        nlohmann::ordered_json jl = nlohmann::ordered_json::array();
        for (const JobRecord& r : *jobs) {
            jl.push_back(job_json(r));
        }
        nlohmann::ordered_json el = nlohmann::ordered_json::array();
        for (const EventRecord& r : *events) {
            el.push_back(
                {{"id", r.id},
                 {"time", moment_text(r.timeMs)},
                 {"job", r.job ? nlohmann::ordered_json(*r.job) : nlohmann::ordered_json(nullptr)},
                 {"kind", r.kind},
                 {"text", r.summary}});
        }
        j["snapshot_list"] = std::move(s);
        j["job_list"] = std::move(jl);
        j["events"] = std::move(el);
        say(o.io, json_text(j) + "\n");
        return kExitOk;
    }

    std::vector<Entry> lines;
    for (const SnapshotRecord& r : *snaps) {
        lines.push_back({r.timeMs, r.id,
                         "snapshot " + std::to_string(r.id) + ": " + r.source +
                             (r.job ? " (job " + std::to_string(*r.job) + ")" : "")});
    }
    for (const JobRecord& r : *jobs) {
        std::string text = "job " + std::to_string(r.id) + ": " + line_value(r.number) + ", " +
                           line_value(r.technician) + ", " + r.state;
        if (!r.reportId.empty()) {
            text += ", report " + r.reportId;
        }
        lines.push_back({r.finishedMs.value_or(r.startedMs), r.id, text});
    }
    for (const EventRecord& r : *events) {
        lines.push_back({r.timeMs, r.id, r.kind + ": " + line_value(r.summary)});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Entry& a, const Entry& b) {
        return a.timeMs != b.timeMs ? a.timeMs > b.timeMs : a.order > b.order;
    });
    say(o.io, c->serial + " " + line_value(c->userName) + ": first seen " +
                  moment_text(c->firstSeenMs) + ", last seen " + moment_text(c->lastSeenMs) + "\n");
    for (const Entry& e : lines) {
        say(o.io, moment_text(e.timeMs) + "\t" + e.text + "\n");
    }
    return kExitOk;
}

} // namespace motiview::cli

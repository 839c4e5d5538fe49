// read, write, hall-test and reset-count: one page or one test at a time.
#include "cli.h"
#include "keeper.h"
#include "line.h"

#include "base/qt/locale_format.h"
#include "jobs/page_jobs.h"

namespace motiview::cli {
namespace {

// The failure of a read, said once: "basic: broken unit (3 retries)", or the lost port.
int read_failed(const Io& io, const ReadJob& job, std::string_view during) {
    if (job.port_lost()) {
        complain(io, port_closed_text(during));
        return kExitPort;
    }
    if (job.failure()) {
        complain(io, what_failed(*job.failure()));
        return exit_for(job.failure()->outcome);
    }
    complain(io, "interrupted");
    return kExitNoAnswer;
}

} // namespace

int read_command(const Online& o, const std::vector<std::string>& names) {
    std::vector<PageId> pages;
    for (const std::string& name : names) {
        if (name == "all") {
            pages.insert(pages.end(), kAllPages.begin(), kAllPages.end());
            continue;
        }
        const PageSchema* p = page_named(o.io, name);
        if (p == nullptr) {
            return kExitUsage;
        }
        pages.push_back(p->id);
    }
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    install_interrupt_handler();
    ReadJob job(pages, false, o.retries);
    line.run(job);
    nlohmann::ordered_json all = nlohmann::ordered_json::object();
    for (const StepResult& r : job.reads()) {
        const auto rep = report_of(r.answer, o.format);
        if (r.retries > 0) {
            o.io.err(std::string(page_schema(*r.page).cliName) + ": read" +
                     retry_suffix(r.retries) + "\n");
        }
        if (o.json) {
            all[std::string(rep->page)] =
                rep->fields ? rep->fields->json() : nlohmann::ordered_json{};
        } else {
            say(o.io, render(*rep, false));
        }
    }
    if (o.json) {
        say(o.io, json_text(all) + "\n");
    }
    if (job.complete()) {
        const ParameterSet set = job.parameter_set(local_time_text(), {});
        if (set.pages.size() == kAllPages.size()) {
            Keeper(o).pages(set, kSourceBackup);
        }
    }
    return job.complete() ? kExitOk : read_failed(o.io, job, "read");
}

int write_command(const Online& o, const std::string& name, const std::vector<std::string>& edits) {
    const PageSchema* page = page_named(o.io, name);
    if (page == nullptr) {
        return kExitUsage;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& e : edits) {
        const std::size_t eq = e.find('=');
        if (eq == std::string::npos || eq == 0) {
            complain(o.io, "write: expected NAME=TEXT, got '" + e + "'");
            return kExitUsage;
        }
        const FieldSchema* f = find_field(*page, e.substr(0, eq));
        if (f == nullptr || f->widget == Widget::None) {
            complain(o.io, "write: page '" + name + "' has no control '" + e.substr(0, eq) + "'");
            return kExitUsage;
        }
        pairs.emplace_back(e.substr(0, eq), e.substr(eq + 1));
    }
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    install_interrupt_handler();
    // The history keeps every page as it was before the write and after it.
    Keeper keep(o);
    ReadJob read(keep.on() ? std::vector<PageId>(kAllPages.begin(), kAllPages.end())
                           : std::vector<PageId>{page->id},
                 keep.on(), o.retries);
    line.run(read);
    if (!read.complete()) {
        return read_failed(o.io, read, "write");
    }
    ParameterSet heldSet = read.parameter_set(local_time_text(), {});
    keep.pages(heldSet, kSourceBeforeWrite);
    Unit before{};
    for (const StepResult& r : read.reads()) {
        if (r.page == page->id) {
            before = r.answer;
        }
    }
    // The page as its window holds it after this reply, then the edits as a user types them.
    PageState state = decoded(*page, before, o.format);
    for (const auto& [field, text] : pairs) {
        const Result<bool> set = set_field_text(*page, state, field, text);
        if (!set.ok()) {
            complain(o.io, field + ": " + set.error().message + " Nothing was written.");
            return kExitRefused;
        }
    }
    const Result<Unit> frame = encode(*page, state, o.format);
    if (!frame.ok()) {
        complain(o.io, frame.error().field + ": " + frame.error().message);
        return kExitRefused;
    }
    const auto changes = differing_fields(*page, before, *frame, o.format);
    if (changes.empty()) {
        say(o.io, name + ": no field changes; writing the page as read\n");
    }
    for (const FieldDifferenceText& d : changes) {
        say(o.io, name + " " + std::string(d.field->name) + " (" + caption_of(page->id, *d.field) +
                      "): " + d.a + " -> " + d.b + "\n");
    }
    WriteJob job({RestoreWrite{page->id, before, *frame}}, false, o.retries);
    line.run(job);
    const PageWriteOutcome& out = job.outcomes().front();
    if (out.verdict == WriteVerdict::PortClosed) {
        complain(o.io, port_closed_text("write"));
        return kExitPort;
    }
    if (!out.step) {
        complain(o.io, "interrupted");
        return kExitNoAnswer;
    }
    const StepResult& r = *out.step;
    const bool readBack = verdict_read_back(out.verdict);
    keep.event(
        write_event(page->id, before, readBack ? r.answer : *frame, verdict_text(out.verdict)));
    if (readBack) {
        heldSet.hold_reply(page->id, r.answer);
        keep.pages(heldSet, kSourceAfterWrite);
    }
    if (out.verdict == WriteVerdict::ReadBackDiffers) {
        for (const FieldDifferenceText& d : differing_fields(*page, *frame, r.answer, o.format)) {
            say(o.io, name + " " + std::string(d.field->name) + " (" +
                          caption_of(page->id, *d.field) + "): wrote " + d.a +
                          ", the controller holds " + d.b + "\n");
        }
    }
    say(o.io,
        name + ": " + std::string(verdict_text(out.verdict)) + retry_suffix(r.retries) + "\n");
    return exit_for(r.outcome);
}

int hall_test_command(const Online& o, const std::string& group) {
    if (group != "a" && group != "b" && group != "A" && group != "B") {
        complain(o.io, "hall-test: the group is a or b");
        return kExitUsage;
    }
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    Keeper keep(o);
    keep.identify(line, o);
    Session s(o.retries);
    const std::string name = group == "b" || group == "B" ? "b" : "a";
    s.hall_test(name == "b");
    const StepsRun run = run_steps(line, s, o.io, "hall test");
    if (run.code != kExitOk) {
        keep.event(hall_test_event(name, step_outcome_name(run.results.empty()
                                                               ? StepOutcome::TimedOut
                                                               : run.results.back().outcome)));
        return run.code;
    }
    const Report rep = *report_of(run.results.front().answer, o.format);
    keep.event(hall_test_event(name, rep.text ? *rep.text : render(rep, false)));
    say(o.io, render(rep, o.json));
    return kExitOk;
}

int reset_count_command(const Online& o) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    Keeper keep(o);
    keep.identify(line, o);
    Session s(o.retries);
    s.reset_count();
    const StepsRun run = run_steps(line, s, o.io, "counter reset");
    if (run.code != kExitOk) {
        keep.event(count_reset_event(step_outcome_name(
            run.results.empty() ? StepOutcome::TimedOut : run.results.back().outcome)));
        return run.code;
    }
    const PageSchema& hw = page_schema(PageId::Hardware);
    const PageState state = decoded(hw, run.results.front().answer, o.format);
    std::string shown;
    for (std::size_t i = 0; i < hw.fields.size(); ++i) {
        if (hw.fields[i].kind == FieldKind::ControllerOwned &&
            hw.fields[i].widget != Widget::None) {
            say(o.io, std::string(hw.fields[i].name) + "=" + state.fields[i].text + "\n");
            shown += (shown.empty() ? "" : ", ") + std::string(hw.fields[i].name) + "=" +
                     state.fields[i].text;
        }
    }
    keep.event(count_reset_event("done; " + shown));
    return kExitOk;
}

} // namespace motiview::cli

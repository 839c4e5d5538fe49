// backup, restore and diff: the parameter-set workflows over a port.
#include "cli.h"
#include "keeper.h"
#include "line.h"
#include "restore.h"

#include "base/qt/locale_format.h"
#include "jobs/page_jobs.h"
#include "params/parameter_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace motiview::cli {
namespace {

std::string join(const std::vector<std::string>& items, std::string_view sep = ", ") {
    std::string out;
    for (const std::string& s : items) {
        out += (out.empty() ? "" : std::string(sep)) + s;
    }
    return out;
}

std::string name_of(PageId page) {
    return std::string(page_schema(page).cliName);
}

// A page written: its event, and the page as the controller now holds it in `set` when its
// read-back tells.
void keep_write(Keeper& keep, ParameterSet& set, const PageWriteOutcome& out, const Unit& sent) {
    if (!keep.on() || !out.step || out.verdict == WriteVerdict::Unchanged) {
        return;
    }
    const PageEntry* held = set.find(out.page);
    if (held == nullptr || !held->reply) {
        return;
    }
    const bool readBack = verdict_read_back(out.verdict);
    keep.event(write_event(out.page, *held->reply, readBack ? out.step->answer : sent,
                           verdict_text(out.verdict)));
    if (readBack) {
        set.hold_reply(out.page, out.step->answer);
    }
}

} // namespace

int backup_command(const Online& o, const std::string& file) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    install_interrupt_handler();
    // The controller sends its user name after the first request.
    ReadJob job(std::vector<PageId>(kAllPages.begin(), kAllPages.end()), true, o.retries);
    int code = kExitOk;
    if (!read_pages(line, job, o, "backup", true, code)) {
        complain(o.io, "nothing was saved");
        return code;
    }
    const ParameterSet set =
        job.parameter_set(local_time_text(), qstr(QCoreApplication::applicationVersion()));
    Keeper(o).pages(set, kSourceBackup);
    const Result<bool> saved = save_file_atomically(file, write_parameter_file(set));
    if (!saved.ok()) {
        complain(o.io, file + ": " + saved.error().message);
        return kExitUsage;
    }
    say(o.io, file + "\n");
    return kExitOk;
}

std::optional<RestoreChoice> choose_pages(const ParameterSet& file,
                                          const std::vector<std::string>& only,
                                          bool includeHardware, const Io& io) {
    std::set<PageId> chosen;
    for (const std::string& list : only) {
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string name = list.substr(start, comma - start);
            if (!name.empty()) {
                const PageSchema* p = page_named(io, name);
                if (p == nullptr) {
                    return std::nullopt;
                }
                chosen.insert(p->id);
            }
            start = comma + 1;
        }
    }
    RestoreChoice choice;
    for (const PageEntry& e : file.pages) {
        if (!chosen.empty() && !chosen.contains(e.page)) {
            continue;
        }
        if (carries_identity(e.page) && !includeHardware) {
            say(io, name_of(e.page) +
                        ": skipped (it carries the controller's identity; "
                        "--include-hardware writes it, keeping the controller's serial number)\n");
            continue;
        }
        choice.entries.push_back(&e);
        choice.pages.push_back(e.page);
    }
    return choice;
}

namespace {

// The chosen pages' replies from a reading, in the choice's order.
std::vector<Unit> held_replies(const RestoreChoice& choice, const ParameterSet& held) {
    std::vector<Unit> out;
    for (const PageId p : choice.pages) {
        const PageEntry* e = held.find(p);
        out.push_back(e != nullptr && e->reply ? *e->reply : Unit{});
    }
    return out;
}

} // namespace

RestoreRun write_restore(Line& line, const Online& o, const RestoreChoice& choice,
                         const ParameterSet& held, Keeper& keep, std::string_view during) {
    RestoreRun run;
    run.after = held;
    Result<std::vector<RestoreWrite>> planned =
        plan_restore(choice.entries, held_replies(choice, held));
    if (!planned.ok()) {
        complain(o.io,
                 planned.error().field + ": " + planned.error().message + " Nothing was written.");
        run.code = kExitRefused;
        return run;
    }
    std::vector<RestoreWrite> plan = std::move(planned).value();
    for (const RestoreWrite& p : plan) {
        if (carries_identity(p.page)) {
            say(o.io, name_of(p.page) + ": the controller's own serial number is kept\n");
        }
    }

    WriteJob job(std::move(plan), true, o.retries);
    std::vector<std::string> verified;
    line.run(job, [&] {
        for (const PageWriteOutcome& out : job.take_outcomes()) {
            if (out.verdict == WriteVerdict::NotWritten ||
                out.verdict == WriteVerdict::PortClosed) {
                continue;
            }
            std::string said = name_of(out.page) + ": " + std::string(verdict_text(out.verdict));
            if (out.verdict == WriteVerdict::ReadBackDiffers) {
                said += ":";
                for (const std::string& f : out.step->differing) {
                    said += " " + f;
                }
                run.failedPage = run.failedPage.value_or(out.page);
                if (run.failedFields.empty()) {
                    run.failedFields = out.step->differing;
                }
            }
            if (out.step) {
                said += retry_suffix(out.step->retries);
            }
            say(o.io, said + "\n");
            if (out.verdict == WriteVerdict::Verified ||
                out.verdict == WriteVerdict::AckLostVerified) {
                verified.push_back(name_of(out.page));
            }
            for (const RestoreWrite& w : job.plan()) {
                if (w.page == out.page) {
                    keep_write(keep, run.after, out, w.frame);
                }
            }
        }
    });

    run.unchanged = job.count(WriteVerdict::Unchanged);
    run.written = job.count(WriteVerdict::Verified) + job.count(WriteVerdict::AckLostVerified) +
                  job.count(WriteVerdict::ReadBackDiffers);
    const std::string before = verified.empty()
                                   ? "nothing was written and verified before it"
                                   : "written and verified before it: " + join(verified);
    if (job.failure()) {
        // The page that stopped the restore, and the fields it was to change.
        const PageId page = *job.failure()->page;
        run.failedPage = page;
        run.failedFields.clear();
        for (const RestoreWrite& w : job.plan()) {
            if (w.page == page) {
                for (const FieldDifferenceText& d :
                     differing_fields(page_schema(page), w.held, w.frame, kPlainNumbers)) {
                    run.failedFields.emplace_back(d.field->name);
                }
            }
        }
    }
    if (job.port_lost()) {
        complain(o.io, port_closed_text(during) + "; " + before);
        run.code = kExitPort;
        return run;
    }
    if (job.failure()) {
        complain(o.io, "stopped at " + name_of(*job.failure()->page) + "; " + before);
        run.code = exit_for(job.failure()->outcome);
        return run;
    }
    std::string summary =
        std::to_string(run.written) + " written, " + std::to_string(run.unchanged) + " unchanged";
    if (run.unchanged > 0) {
        summary += " (" + std::to_string(run.unchanged) +
                   (run.unchanged == 1 ? " page already holds" : " pages already hold") +
                   " the file)";
    }
    say(o.io, summary + "\n");
    if (job.count(WriteVerdict::NotWritten) > 0) {
        complain(o.io, "interrupted; " + before);
        run.code = kExitNoAnswer;
        return run;
    }
    run.code = job.count(WriteVerdict::ReadBackDiffers) > 0 ? kExitReadBack : kExitOk;
    return run;
}

int restore_command(const Online& o, const std::string& file, const std::vector<std::string>& only,
                    bool includeHardware, bool dryRun) {
    const Result<std::string> text = load_file(file);
    if (!text.ok()) {
        complain(o.io, file + ": " + text.error().message);
        return kExitUsage;
    }
    const Result<ParameterSet> set = read_parameter_file(*text);
    if (!set.ok()) {
        complain(o.io, file + ": " + set.error().message + " Nothing was sent.");
        return kExitRefused;
    }
    const std::optional<RestoreChoice> choice = choose_pages(*set, only, includeHardware, o.io);
    if (!choice) {
        return kExitUsage;
    }

    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    install_interrupt_handler();
    // First read what the controller holds, and build every frame: a refused field stops the
    // restore before anything is written. The history keeps every page as it was before.
    Keeper keep(o, !dryRun);
    ReadJob reads(keep.on() ? std::vector<PageId>(kAllPages.begin(), kAllPages.end())
                            : choice->pages,
                  keep.on(), o.retries);
    int code = kExitOk;
    if (!read_pages(line, reads, o, "restore", false, code)) {
        complain(o.io, "nothing was written");
        return code;
    }
    const ParameterSet held =
        reads.parameter_set(local_time_text(), qstr(QCoreApplication::applicationVersion()));
    keep.pages(held, kSourceBeforeRestore);

    if (dryRun) {
        Result<std::vector<RestoreWrite>> planned =
            plan_restore(choice->entries, held_replies(*choice, held));
        if (!planned.ok()) {
            complain(o.io, planned.error().field + ": " + planned.error().message +
                               " Nothing was written.");
            return kExitRefused;
        }
        int unchanged = 0;
        for (const RestoreWrite& p : *planned) {
            if (carries_identity(p.page)) {
                say(o.io, name_of(p.page) + ": the controller's own serial number is kept\n");
            }
            const auto changes = differing_fields(page_schema(p.page), p.held, p.frame, o.format);
            if (changes.empty()) {
                say(o.io, name_of(p.page) + ": unchanged\n");
                ++unchanged;
                continue;
            }
            say(o.io, name_of(p.page) + ": would write " + to_hex(p.frame) + "\n");
            for (const FieldDifferenceText& d : changes) {
                say(o.io, "  " + std::string(d.field->name) + " (" + caption_of(p.page, *d.field) +
                              "): " + d.a + " -> " + d.b + "\n");
            }
        }
        say(o.io, "dry run: 0 written, " + std::to_string(unchanged) + " unchanged\n");
        return kExitOk;
    }

    const RestoreRun run = write_restore(line, o, *choice, held, keep, "restore");
    if (run.code != kExitRefused) {
        keep.pages(run.after, kSourceAfterRestore);
    }
    return run.code;
}

int diff_command(const Online& o, const std::vector<std::string>& files) {
    std::vector<ParameterSet> sets;
    for (const std::string& file : files) {
        const Result<std::string> text = load_file(file);
        if (!text.ok()) {
            complain(o.io, file + ": " + text.error().message);
            return kExitUsage;
        }
        Result<ParameterSet> set = read_parameter_file(*text);
        if (!set.ok()) {
            complain(o.io, file + ": " + set.error().message);
            return kExitRefused;
        }
        sets.push_back(std::move(set).value());
    }
    if (sets.size() == 1) {
        Line line(o);
        if (!line.open()) {
            return kExitPort;
        }
        install_interrupt_handler();
        std::vector<PageId> pages;
        for (const PageEntry& e : sets.front().pages) {
            pages.push_back(e.page);
        }
        ReadJob job(pages, false, o.retries);
        int code = kExitOk;
        const Io quiet{o.io.err, o.io.err, o.io.terminal}; // retries go to stderr
        const Online retell{o.port, o.format, o.json, o.retries, quiet, o.history};
        if (!read_pages(line, job, retell, "diff", false, code)) {
            return code;
        }
        sets.insert(sets.begin(), job.parameter_set({}, {}));
        if (sets.front().pages.size() == kAllPages.size()) {
            Keeper(o).pages(sets.front(), kSourceBackup);
        }
    }
    const std::vector<FieldDifference> d = diff(sets[0], sets[1]);
    if (o.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const FieldDifference& x : d) {
            list.push_back({{"page", page_schema(x.page).cliName},
                            {"field", x.field},
                            {"caption", x.caption},
                            {"a", x.a},
                            {"b", x.b}});
        }
        say(o.io, json_text(list) + "\n");
        return kExitOk;
    }
    for (const FieldDifference& x : d) {
        say(o.io,
            name_of(x.page) + " " + x.field + " (" + x.caption + "): " + x.a + " -> " + x.b + "\n");
    }
    return kExitOk;
}

} // namespace motiview::cli

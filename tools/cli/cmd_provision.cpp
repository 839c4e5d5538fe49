// provision: one golden parameter file into one controller after another at the end of a
// production line, each unit read and kept in the history before and after, verified page by
// page, and logged in one CSV line that a quality system reads.
#include "cli.h"
#include "keeper.h"
#include "line.h"
#include "restore.h"

#include "base/qt/locale_format.h"
#include "jobs/provision_log.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <map>
#include <memory>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace motiview::cli {
namespace {

// A unit whose status stops answering for this long has been unplugged.
constexpr qint64 kGoneAfterMs = 2000;
// Between attempts to reach a controller that is not there yet.
constexpr int kRetryPauseMs = 500;

// The log: appended to line by line, each line on the disk before the next unit starts.
class ProvisionLog {
  public:
    // Nullptr (said) when the file cannot be appended to or is another kind of file.
    static std::unique_ptr<ProvisionLog> open(const std::string& path, const Io& io) {
        auto log = std::unique_ptr<ProvisionLog>(new ProvisionLog(path));
        std::string text;
        if (QFile::exists(log->file_.fileName())) {
            const Result<std::string> existing = load_file(path, std::size_t{1} << 30);
            if (!existing.ok()) {
                complain(io, path + ": " + existing.error().message + "; nothing was sent");
                return nullptr;
            }
            text = *existing;
            if (!provision_log_matches(text)) {
                complain(io, path + ": not a provisioning log (its first line is not \"" +
                                 std::string(kProvisionHeader) + "\"); nothing was sent");
                return nullptr;
            }
        }
        if (!log->file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
            complain(io, path + ": cannot be written: " + qstr(log->file_.errorString()) +
                             "; nothing was sent");
            return nullptr;
        }
        log->serials_ = provisioned_serials(text);
        if (text.empty() && !log->append(std::string(kProvisionHeader))) {
            complain(io, path + ": cannot be written: " + qstr(log->file_.errorString()) +
                             "; nothing was sent");
            return nullptr;
        }
        if (!text.empty() && text.back() != '\n' && !log->append({})) {
            return nullptr; // a line cut short by an earlier crash ends here
        }
        return log;
    }

    // Whole, flushed and synced.
    bool append(const std::string& line) {
        const std::string whole = line + "\n";
        if (file_.write(whole.data(), static_cast<qint64>(whole.size())) !=
                static_cast<qint64>(whole.size()) ||
            !file_.flush()) {
            return false;
        }
#ifdef _WIN32
        return _commit(file_.handle()) == 0;
#else
        return ::fsync(file_.handle()) == 0;
#endif
    }

    // "again; first at ..." for a serial number this log has met; remembers it.
    std::string note_for(const std::string& serial, const std::string& time) {
        if (serial.empty()) {
            return {};
        }
        const auto [it, added] = serials_.emplace(serial, time);
        return added ? std::string() : again_note(it->second);
    }

    [[nodiscard]] std::string error() const {
        return qstr(file_.errorString());
    }

  private:
    explicit ProvisionLog(const std::string& path) : file_(QString::fromStdString(path)) {}

    QFile file_;
    std::map<std::string, std::string> serials_;
};

// Asks for the status until a controller answers, opening the port by its path again while it
// is missing; `timeoutMs` < 0 waits until Ctrl+C. The user name a controller sends after the
// first answer of a connection goes to `userName`.
bool wait_for_controller(Line& line, int retries, qint64 timeoutMs, std::string& userName) {
    QElapsedTimer clock;
    clock.start();
    while (!interrupted()) {
        if (line.try_open()) {
            // The status, then the hardware page in the same run: the user name a controller
            // sends right after its first answer arrives while the run listens.
            ReadJob probe({PageId::Hardware}, true, retries);
            line.run(probe);
            if (probe.complete()) {
                userName = probe.user_name().value_or(std::string());
                return true;
            }
        }
        if (timeoutMs >= 0 && clock.elapsed() >= timeoutMs) {
            return false;
        }
        line.pause(kRetryPauseMs);
    }
    return false;
}

// Until the unit is gone: the port disappears, or the status goes unanswered for 2 s.
void wait_until_gone(Line& line) {
    QElapsedTimer lastAnswer;
    lastAnswer.start();
    while (!interrupted() && line.is_open()) {
        Session s(0);
        s.status();
        line.run(s);
        const std::vector<StepResult> r = s.take_results();
        if (!r.empty() && r.back().ok()) {
            lastAnswer.restart();
        } else if (lastAnswer.elapsed() >= kGoneAfterMs) {
            return;
        }
        line.pause(kRetryPauseMs / 2);
    }
}

// The status frame once more (after the writes), or nullopt.
std::optional<Unit> status_now(Line& line, int retries) {
    Session s(retries);
    s.status();
    line.run(s);
    const std::vector<StepResult> r = s.take_results();
    return !r.empty() && r.back().ok() ? std::optional<Unit>(r.back().answer) : std::nullopt;
}

std::vector<std::string> names_of(std::uint16_t word, FaultWord which) {
    std::vector<std::string> out;
    for (const std::string_view n : fault_name_list(word, which)) {
        out.emplace_back(n);
    }
    return out;
}

void set_faults(ProvisionRecord& rec, const std::optional<Unit>& status) {
    if (!status) {
        return;
    }
    const StatusValues v = read_status(*status);
    rec.currentFaults =
        names_of(static_cast<std::uint16_t>(v[StatusField::CurrentFaults]), FaultWord::Current);
    rec.historyFaults =
        names_of(static_cast<std::uint16_t>(v[StatusField::HistoryFaults]), FaultWord::History);
}

nlohmann::ordered_json record_json(const ProvisionRecord& r) {
    return {{"time", r.time},
            {"port", r.port},
            {"serial", r.serial},
            {"user_name", r.userName},
            {"verdict", r.verdict},
            {"pages_written", r.pagesWritten},
            {"pages_unchanged", r.pagesUnchanged},
            {"failed_page", r.failedPage},
            {"failed_fields", r.failedFields},
            {"current_faults", r.currentFaults},
            {"history_faults", r.historyFaults},
            {"seconds", r.seconds},
            {"note", r.note}};
}

struct UnitRun {
    ProvisionRecord record;
    int code = kExitOk;
};

// One controller, from its first answer to its log line's content.
UnitRun provision_unit(Line& line, const Online& o, const Online& chatter,
                       const RestoreChoice& choice, const ProvisionOptions& p, Keeper& keep,
                       const std::string& userName) {
    UnitRun u;
    ProvisionRecord& rec = u.record;
    rec.time = moment_text(now_ms());
    rec.port = o.port.port;
    ReadJob reads(std::vector<PageId>(kAllPages.begin(), kAllPages.end()), true, o.retries);
    std::optional<Unit> status;
    int code = kExitOk;
    if (!read_pages(line, reads, chatter, "provisioning", false, code, &status)) {
        rec.verdict = std::string(kVerdictNoAnswer);
        if (reads.failure() && reads.failure()->page) {
            rec.failedPage = std::string(page_schema(*reads.failure()->page).cliName);
        }
        u.code = code;
        return u;
    }
    const ParameterSet held = reads.parameter_set(
        local_time_text(), qstr(QCoreApplication::applicationVersion()), userName);
    rec.serial = serial_number(held);
    rec.userName = held.userName;
    keep.pages(held, kSourceBeforeProvisioning);
    set_faults(rec, status);
    if (p.requireNoFaults && !rec.currentFaults.empty()) {
        complain(
            o.io, rec.serial + ": refused, current faults: " + [&] {
                std::string all;
                for (const std::string& f : rec.currentFaults) {
                    all += (all.empty() ? "" : ", ") + f;
                }
                return all;
            }() + "; nothing was written");
        rec.verdict = std::string(kVerdictRefused);
        u.code = kExitRefused;
        return u;
    }
    const RestoreRun run = write_restore(line, chatter, choice, held, keep, "provisioning");
    rec.pagesWritten = static_cast<int>(run.written);
    rec.pagesUnchanged = static_cast<int>(run.unchanged);
    if (run.failedPage) {
        rec.failedPage = std::string(page_schema(*run.failedPage).cliName);
        rec.failedFields = run.failedFields;
    }
    if (run.code != kExitRefused && run.code != kExitPort) {
        set_faults(rec, status_now(line, o.retries));
        keep.pages(run.after, kSourceAfterProvisioning);
    }
    rec.verdict = std::string(run.ok() ? kVerdictOk : kVerdictFailed);
    u.code = run.code;
    return u;
}

} // namespace

int provision_command(const Online& o, const ProvisionOptions& p) {
    const Result<std::string> text = load_file(p.golden);
    if (!text.ok()) {
        complain(o.io, p.golden + ": " + text.error().message);
        return kExitUsage;
    }
    const Result<ParameterSet> golden = read_parameter_file(*text);
    if (!golden.ok()) {
        complain(o.io, p.golden + ": " + golden.error().message + " Nothing was sent.");
        return kExitRefused;
    }
    // On a terminal the counter is the display; elsewhere each page is said on stderr, and
    // stdout holds one line (or one JSON object) per unit.
    const Io pageIo{o.io.terminal ? std::function<void(std::string_view)>([](std::string_view) {})
                                  : o.io.err,
                    o.io.err, o.io.terminal};
    const Online chatter{o.port, o.format, o.json, o.retries, pageIo, o.history};
    const std::optional<RestoreChoice> choice =
        choose_pages(*golden, {}, p.includeHardware, pageIo);
    if (!choice) {
        return kExitUsage;
    }
    std::unique_ptr<ProvisionLog> log;
    if (!p.log.empty()) {
        log = ProvisionLog::open(p.log, o.io);
        if (!log) {
            return kExitUsage;
        }
    }
    Keeper keep(o);
    Line line(o);
    install_interrupt_handler();
    const bool repeat = p.repeat || p.count > 1;

    int done = 0;
    int ok = 0;
    std::optional<int> firstFailure;
    while (!interrupted()) {
        const qint64 waitMs = repeat && done > 0 ? -1 : static_cast<qint64>(p.wait * 1000.0);
        QElapsedTimer clock;
        UnitRun u;
        std::string userName;
        const bool nothingThere = !wait_for_controller(line, o.retries, waitMs, userName);
        if (nothingThere) {
            if (interrupted()) {
                break;
            }
            complain(o.io, "no controller answered on " + o.port.port + " within " +
                               std::to_string(static_cast<int>(p.wait)) + " s");
            u.record.time = moment_text(now_ms());
            u.record.port = o.port.port;
            u.record.verdict = std::string(kVerdictNoAnswer);
            u.code = kExitNoAnswer;
        } else {
            clock.start();
            u = provision_unit(line, o, chatter, *choice, p, keep, userName);
            u.record.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
        }
        ProvisionRecord& rec = u.record;
        if (log) {
            rec.note = log->note_for(rec.serial, rec.time);
            if (!log->append(provision_line(rec))) {
                complain(o.io,
                         p.log + ": cannot be written: " + log->error() + "; the run stops here");
                return kExitUsage;
            }
        }
        ++done;
        ok += rec.verdict == kVerdictOk ? 1 : 0;
        if (u.code != kExitOk && !firstFailure) {
            firstFailure = u.code;
        }
        if (o.json) {
            say(o.io, json_text(record_json(rec)) + "\n");
        } else if (!o.io.terminal) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.2f s", rec.seconds);
            say(o.io, (rec.serial.empty() ? std::string("(no serial)") : rec.serial) + ": " +
                          rec.verdict + ", " + std::to_string(rec.pagesWritten) + " written, " +
                          std::to_string(rec.pagesUnchanged) + " unchanged, " + seconds +
                          (rec.note.empty() ? "" : " (" + rec.note + ")") + "\n");
        }
        const std::string tally = std::to_string(done) + " done: " + std::to_string(ok) + " ok, " +
                                  std::to_string(done - ok) + " failed";
        if (o.io.terminal) {
            o.io.err("\r" + tally + "   ");
        }
        // Nothing on the line at all ends the run: only the first wait has a time limit.
        if (!repeat || (p.count > 0 && done >= p.count) || nothingThere) {
            break;
        }
        o.io.err(std::string(o.io.terminal ? "\n" : "") + "waiting for the next controller\n");
        wait_until_gone(line);
    }
    if (o.io.terminal) {
        o.io.err("\n");
    }
    if (repeat || interrupted()) {
        o.io.err(std::to_string(done) + " done: " + std::to_string(ok) + " ok, " +
                 std::to_string(done - ok) + " failed\n");
    }
    if (done == 0) {
        return kExitNoAnswer;
    }
    return firstFailure.value_or(kExitOk);
}

} // namespace motiview::cli

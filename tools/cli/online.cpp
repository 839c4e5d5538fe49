#include "online.h"

#include "cli.h"

#include "base/qt/locale_format.h"

#include "link/frames.h"
#include "link/qt/serial_port.h"
#include "link/session.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "monitor/status_recorder.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "params/parameter_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace motiview::cli {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void on_interrupt(int) {
    gInterrupted = 1;
}

std::string qstr(const QString& s) {
    return s.toStdString();
}

// Field texts in files use "." and never group, whatever the locale.
const NumberFormat kFileFormat{".", ""};

void say(const Io& io, std::string_view text) {
    io.out(text);
}

void complain(const Io& io, std::string_view text) {
    io.err(std::string(kProgram) + ": " + std::string(text) + "\n");
}

int exit_for(StepOutcome o) {
    switch (o) {
    case StepOutcome::Done:
        return kExitOk;
    case StepOutcome::TimedOut:
        return kExitNoAnswer;
    case StepOutcome::Broken:
    case StepOutcome::Unknown:
        return kExitBroken;
    case StepOutcome::ReadBackDiffers:
        return kExitReadBack;
    }
    return kExitNoAnswer;
}

std::string what_failed(const StepResult& r) {
    std::string what = r.page ? std::string(page_schema(*r.page).cliName) + ": " : "";
    what += step_outcome_name(r.outcome);
    if (r.kind == StepKind::Write && !r.written && r.outcome != StepOutcome::Done) {
        what += " (the write is not sent again)";
    }
    return what;
}

// The open serial port with the session's loop around it.
class Line {
  public:
    explicit Line(const Online& o) : io_(o.io) {
        QObject::connect(&port_, &Transport::unitReceived, [this](const Unit& u) {
            if (session_ != nullptr) {
                session_->on_unit(u);
            }
            if (onUnit_) {
                onUnit_(u);
            }
        });
        QObject::connect(&port_, &Transport::portClosed,
                         [this](const QString& reason) { lost_ = qstr(reason); });
        const std::string& p = o.port.port;
        std::string digits = p;
        if (digits.size() == 4 && (digits.starts_with("COM") || digits.starts_with("com"))) {
            digits = digits.substr(3);
        }
        if (digits.size() == 1 && digits[0] >= '1' && digits[0] <= '9') {
            port_.configure(digits[0] - '0', o.port.settings);
        } else {
            port_.configureDevice(QString::fromStdString(p), o.port.settings);
        }
    }

    // Opens the port; on failure says why (with the dialout fix for permission).
    [[nodiscard]] bool open() {
        const OpenOutcome r = port_.open();
        if (!r.ok) {
            complain(io_, qstr(r.message));
        }
        return r.ok;
    }

    // Runs the session until it is idle, interrupted, or the port is lost.
    void run(Session& s, const std::function<void(const Unit&)>& onUnit = {}) {
        session_ = &s;
        onUnit_ = onUnit;
        QTimer ticker;
        ticker.setInterval(100);
        QObject::connect(&ticker, &QTimer::timeout, [&s] { s.tick(); });
        ticker.start();
        send_due(s);
        while (!s.idle() && gInterrupted == 0 && lost_.empty()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            send_due(s);
        }
        if (!lost_.empty()) {
            s.cancel();
        }
        session_ = nullptr;
        onUnit_ = {};
    }

    // Calls `each` on every tick until it returns false; the session's steps are driven too.
    void run_ticks(Session& s, const std::function<bool()>& each,
                   const std::function<void(const Unit&)>& onUnit = {}) {
        session_ = &s;
        onUnit_ = onUnit;
        bool going = true;
        QTimer ticker;
        ticker.setInterval(100);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            s.tick();
            going = each();
        });
        ticker.start();
        while (going && gInterrupted == 0 && lost_.empty()) {
            send_due(s);
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        session_ = nullptr;
        onUnit_ = {};
    }

    [[nodiscard]] const std::string& lost() const { return lost_; }

  private:
    void send_due(Session& s) {
        while (const auto frame = s.take_frame()) {
            (void)port_.send(*frame);
        }
    }

    const Io& io_;
    SerialPort port_;
    Session* session_ = nullptr;
    std::function<void(const Unit&)> onUnit_;
    std::string lost_;
};

// Runs queued steps; reports the first failure. Returns the results and the exit status.
std::pair<std::vector<StepResult>, int> run_steps(Line& line, Session& s, const Io& io) {
    line.run(s);
    std::vector<StepResult> results = s.take_results();
    if (gInterrupted != 0) {
        complain(io, "interrupted");
        return {results, kExitNoAnswer};
    }
    if (!line.lost().empty()) {
        complain(io, line.lost());
        return {results, kExitNoAnswer};
    }
    for (const StepResult& r : results) {
        if (!r.ok() && r.outcome != StepOutcome::ReadBackDiffers) {
            complain(io, what_failed(r));
            return {results, exit_for(r.outcome)};
        }
    }
    return {results, kExitOk};
}

const PageSchema* page_named(const Io& io, const std::string& name) {
    const PageSchema* page = page_by_cli_name(name);
    if (page == nullptr) {
        complain(io, "unknown page '" + name + "' (pages: " + page_names() + ")");
    }
    return page;
}

PageState decoded(const PageSchema& page, const Unit& unit, const NumberFormat& format) {
    PageState state = design_state(page);
    decode_into(page, unit, state, format);
    return state;
}

std::string caption_of(PageId page, const FieldSchema& f) {
    return std::string(field_caption(page_schema(page), f));
}

std::string short_status(const Unit& frame, const NumberFormat& format) {
    const StatusView v = decode_status(frame, format);
    const auto label = [&v](std::string_view name) {
        for (const LabelUpdate& l : v.labels) {
            if (l.label == name) {
                return l.text;
            }
        }
        return std::string();
    };
    return label("lblfrmSysStatusVdc_a") + " V  " + label("lblfrmSysStatusIdc_a") + " A  " +
           label("lblfrmSysStatusRPM_a") + " rpm  " + label("lblfrmSysMach_a") + "  " +
           label("lblgearStatus") + "  motor " + label("lblfrmSysStatusVthrot_a") + " C  power " +
           label("lblfrmSysStatustemp_a") + " C";
}

int poll_period(int rate) {
    return std::max(1, static_cast<int>(std::lround(10.0 / std::clamp(rate, 1, 10))));
}

} // namespace

void install_interrupt_handler() {
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
}

int ports_command(const Online& o) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    std::string table = "COM  DEVICE                 STATE\n";
    for (int n = 1; n <= 9; ++n) {
        const ResolvedPort r = resolve_com(n);
        const bool present = !r.device.isEmpty() && device_exists(r.device);
        const bool allowed = present && may_open(r.device);
        std::string state = !present  ? "not present"
                            : allowed ? "ok"
                                      : std::string("no permission: ") + kDialoutFix;
        std::string device = r.device.isEmpty() ? "-" : qstr(r.device);
        if (!r.description.isEmpty()) {
            state += " (" + qstr(r.description) + ")";
        }
        char line[512];
        std::snprintf(line, sizeof line, "COM%d %-23s %s\n", n, device.c_str(), state.c_str());
        table += line;
        nlohmann::ordered_json e;
        e["com"] = n;
        e["device"] = qstr(r.device);
        e["description"] = qstr(r.description);
        e["present"] = present;
        e["may_open"] = allowed;
        list.push_back(e);
    }
    say(o.io, o.json ? json_text(list) + "\n" : table);
    return kExitOk;
}

int status_command(const Online& o, bool watch, int rate) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    Session s;
    if (!watch) {
        s.status();
        auto [results, code] = run_steps(line, s, o.io);
        if (code != kExitOk) {
            return code;
        }
        const auto rep = report_of(results.front().answer, o.format);
        say(o.io, render(*rep, o.json));
        return kExitOk;
    }
    install_interrupt_handler();
    const int period = poll_period(rate);
    int tick = 0;
    std::optional<std::uint16_t> faults;
    s.status();
    line.run_ticks(s, [&] {
        for (const StepResult& r : s.take_results()) {
            const std::string time =
                qstr(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")));
            if (!r.ok()) {
                say(o.io, time + "  no answer\n");
                continue;
            }
            std::string text = time + "  " + short_status(r.answer, o.format);
            const auto word =
                static_cast<std::uint16_t>(read_status(r.answer)[StatusField::CurrentFaults]);
            if (!faults || *faults != word) {
                text += "  faults: " + (word == 0 ? std::string("none") : fault_names(word, ", "));
                faults = word;
            }
            say(o.io, text + "\n");
        }
        if (++tick >= period && s.idle()) {
            tick = 0;
            s.status();
        }
        return true;
    });
    return line.lost().empty() ? kExitOk : kExitNoAnswer;
}

int record_command(const Online& o, const std::string& file, double seconds, int rate) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    // The same recorder as the window's: header, one flushed row per frame.
    StatusRecorder recorder;
    QElapsedTimer clock;
    clock.start();
    if (const Result<bool> started = recorder.start(file, 0); !started.ok()) {
        complain(o.io, file + ": cannot be written: " + started.error().message);
        return kExitUsage;
    }
    install_interrupt_handler();
    const auto limitMs = static_cast<qint64>(seconds * 1000.0);
    const int period = poll_period(rate);
    int tick = 0;
    bool failed = false;
    Session s;
    s.status();
    line.run_ticks(s, [&] {
        for (const StepResult& r : s.take_results()) {
            if (!r.ok()) {
                continue;
            }
            if (const Result<bool> added =
                    recorder.add(r.answer, local_time_text(), clock.elapsed());
                !added.ok()) {
                complain(o.io, file + ": writing failed: " + added.error().message);
                failed = true;
                return false;
            }
        }
        if (o.io.terminal) {
            char progress[256];
            std::snprintf(progress, sizeof progress, "\rrecording %s: %lld rows, %.1f s",
                          file.c_str(), recorder.rows(),
                          static_cast<double>(clock.elapsed()) / 1000.0);
            o.io.err(progress);
        }
        if (clock.elapsed() >= limitMs) {
            return false;
        }
        if (++tick >= period && s.idle()) {
            tick = 0;
            s.status();
        }
        return true;
    });
    const long long rows = recorder.rows();
    if (const Result<bool> stopped = recorder.stop(); !stopped.ok() && !failed) {
        complain(o.io, file + ": writing failed: " + stopped.error().message);
        failed = true;
    }
    if (o.io.terminal) {
        o.io.err("\n");
    }
    if (failed) {
        return kExitUsage;
    }
    if (!line.lost().empty()) {
        complain(o.io, line.lost());
    }
    say(o.io, file + ": " + std::to_string(rows) + " rows\n");
    return rows > 0 ? kExitOk : kExitNoAnswer;
}

int read_command(const Online& o, const std::vector<std::string>& names) {
    std::vector<PageId> pages;
    for (const std::string& name : names) {
        if (name == "all") {
            pages.assign(kAllPages.begin(), kAllPages.end());
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
    Session s;
    for (PageId id : pages) {
        s.read(id);
    }
    auto [results, code] = run_steps(line, s, o.io);
    nlohmann::ordered_json all = nlohmann::ordered_json::object();
    for (const StepResult& r : results) {
        if (!r.ok()) {
            continue;
        }
        const auto rep = report_of(r.answer, o.format);
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
    return code;
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
    Session s;
    s.read(page->id);
    auto [read, code] = run_steps(line, s, o.io);
    if (code != kExitOk) {
        return code;
    }
    const Unit before = read.front().answer;
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
    s.write(page->id, *frame, true);
    auto [written, wcode] = run_steps(line, s, o.io);
    if (wcode != kExitOk) {
        return wcode;
    }
    const StepResult& r = written.front();
    if (r.outcome == StepOutcome::ReadBackDiffers) {
        for (const FieldDifferenceText& d : differing_fields(*page, *frame, r.answer, o.format)) {
            say(o.io, name + " " + std::string(d.field->name) + " (" +
                          caption_of(page->id, *d.field) + "): wrote " + d.a +
                          ", the controller holds " + d.b + "\n");
        }
        say(o.io, name + ": written, read-back differs\n");
        return kExitReadBack;
    }
    say(o.io, name + ": written, verified\n");
    return kExitOk;
}

int backup_command(const Online& o, const std::string& file) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    Session s;
    s.status(); // the controller sends its user name after the first request
    for (PageId id : kAllPages) {
        s.read(id);
    }
    auto [results, code] = run_steps(line, s, o.io);
    if (code != kExitOk) {
        complain(o.io, "nothing was saved");
        return code;
    }
    ParameterSet set;
    set.created = local_time_text();
    set.tool = qstr(QCoreApplication::applicationVersion());
    set.userName = s.user_name().value_or("");
    for (const StepResult& r : results) {
        if (r.kind == StepKind::Read && r.page) {
            set.pages.push_back(entry_from_reply(*r.page, r.answer));
            say(o.io, std::string(page_schema(*r.page).cliName) + ": read\n");
        }
    }
    const Result<bool> saved = save_file_atomically(file, write_parameter_file(set));
    if (!saved.ok()) {
        complain(o.io, file + ": " + saved.error().message);
        return kExitUsage;
    }
    say(o.io, file + "\n");
    return kExitOk;
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
    std::set<PageId> chosen;
    for (const std::string& list : only) {
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string name = list.substr(start, comma - start);
            if (!name.empty()) {
                const PageSchema* p = page_named(o.io, name);
                if (p == nullptr) {
                    return kExitUsage;
                }
                chosen.insert(p->id);
            }
            start = comma + 1;
        }
    }
    std::vector<const PageEntry*> entries;
    for (const PageEntry& e : set->pages) {
        if (!chosen.empty() && !chosen.contains(e.page)) {
            continue;
        }
        if (e.page == PageId::Hardware && !includeHardware) {
            say(o.io, "hardware: skipped (it carries the controller's identity; "
                      "--include-hardware writes it, keeping the controller's serial number)\n");
            continue;
        }
        entries.push_back(&e);
    }

    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    // First read what the controller holds, and build every frame: a refused field stops the
    // restore before anything is written.
    Session s;
    for (const PageEntry* e : entries) {
        s.read(e->page);
    }
    auto [current, code] = run_steps(line, s, o.io);
    if (code != kExitOk) {
        complain(o.io, "nothing was written");
        return code;
    }
    std::vector<Unit> held;
    for (const StepResult& r : current) {
        held.push_back(r.answer);
    }
    const Result<std::vector<RestoreWrite>> planned = plan_restore(entries, held);
    if (!planned.ok()) {
        complain(o.io,
                 planned.error().field + ": " + planned.error().message + " Nothing was written.");
        return kExitRefused;
    }
    const std::vector<RestoreWrite>& plan = *planned;
    if (includeHardware && std::any_of(plan.begin(), plan.end(), [](const RestoreWrite& p) {
            return p.page == PageId::Hardware;
        })) {
        say(o.io, "hardware: the controller's own serial number is kept\n");
    }

    int written = 0;
    int unchanged = 0;
    std::vector<std::string> done;
    int result = kExitOk;
    for (const RestoreWrite& p : plan) {
        const std::string name(page_schema(p.page).cliName);
        const auto changes = differing_fields(page_schema(p.page), p.held, p.frame, o.format);
        if (changes.empty()) {
            say(o.io, name + ": unchanged\n");
            ++unchanged;
            continue;
        }
        if (dryRun) {
            say(o.io, name + ": would write " + to_hex(p.frame) + "\n");
            for (const FieldDifferenceText& d : changes) {
                say(o.io, "  " + std::string(d.field->name) + " (" + caption_of(p.page, *d.field) +
                              "): " + d.a + " -> " + d.b + "\n");
            }
            continue;
        }
        s.write(p.page, p.frame, true);
        auto [r, wcode] = run_steps(line, s, o.io);
        if (wcode != kExitOk) {
            if (!done.empty()) {
                std::string list;
                for (const std::string& d : done) {
                    list += (list.empty() ? "" : ", ") + d;
                }
                complain(o.io, "stopped at " + name + "; written before: " + list);
            } else {
                complain(o.io, "stopped at " + name + "; nothing was written");
            }
            return wcode;
        }
        ++written;
        done.push_back(name);
        if (r.front().outcome == StepOutcome::ReadBackDiffers) {
            say(o.io, name + ": written, read-back differs:");
            for (const std::string& f : r.front().differing) {
                say(o.io, " " + f);
            }
            say(o.io, "\n");
            result = kExitReadBack;
        } else {
            say(o.io, name + ": written, verified\n");
        }
    }
    say(o.io, std::string(dryRun ? "dry run: " : "") + std::to_string(written) + " written, " +
                  std::to_string(unchanged) + " unchanged\n");
    return result;
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
        Session s;
        for (const PageEntry& e : sets.front().pages) {
            s.read(e.page);
        }
        auto [results, code] = run_steps(line, s, o.io);
        if (code != kExitOk) {
            return code;
        }
        ParameterSet controller;
        for (const StepResult& r : results) {
            controller.pages.push_back(entry_from_reply(*r.page, r.answer));
        }
        sets.insert(sets.begin(), std::move(controller));
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
        say(o.io, std::string(page_schema(x.page).cliName) + " " + x.field + " (" + x.caption +
                      "): " + x.a + " -> " + x.b + "\n");
    }
    return kExitOk;
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
    Session s;
    s.hall_test(group == "b" || group == "B");
    auto [results, code] = run_steps(line, s, o.io);
    if (code != kExitOk) {
        return code;
    }
    say(o.io, render(*report_of(results.front().answer, o.format), o.json));
    return kExitOk;
}

int reset_count_command(const Online& o) {
    Line line(o);
    if (!line.open()) {
        return kExitPort;
    }
    Session s;
    s.reset_count();
    auto [results, code] = run_steps(line, s, o.io);
    if (code != kExitOk) {
        return code;
    }
    const PageSchema& hw = page_schema(PageId::Hardware);
    const PageState state = decoded(hw, results.front().answer, o.format);
    for (std::size_t i = 0; i < hw.fields.size(); ++i) {
        if (hw.fields[i].kind == FieldKind::ControllerOwned &&
            hw.fields[i].widget != Widget::None) {
            say(o.io, std::string(hw.fields[i].name) + "=" + state.fields[i].text + "\n");
        }
    }
    return kExitOk;
}

} // namespace motiview::cli

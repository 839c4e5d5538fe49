// ports, status (once or watching) and record.
#include "cli.h"
#include "line.h"

#include "base/qt/locale_format.h"
#include "jobs/page_jobs.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "monitor/status_recorder.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace motiview::cli {
namespace {

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
    if (!watch) {
        Session s(o.retries);
        s.status();
        const StepsRun run = run_steps(line, s, o.io, "status request");
        if (run.code != kExitOk) {
            return run.code;
        }
        const auto rep = report_of(run.results.front().answer, o.format);
        say(o.io, render(*rep, o.json));
        return kExitOk;
    }
    install_interrupt_handler();
    std::optional<std::uint16_t> faults;
    StatusPoll poll(poll_period(rate), 0);
    line.run(poll, [&] {
        for (const StepResult& r : poll.take_finished()) {
            const std::string time =
                qstr(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")));
            if (r.outcome == StepOutcome::PortClosed) {
                continue;
            }
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
    });
    if (line.lost()) {
        complain(o.io, port_closed_text("watch"));
        return kExitPort;
    }
    return kExitOk;
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
    bool failed = false;
    StatusPoll poll(poll_period(rate), 0);
    line.run(poll, [&] {
        for (const StepResult& r : poll.take_finished()) {
            if (!r.ok() || failed) {
                continue;
            }
            if (const Result<bool> added =
                    recorder.add(r.answer, local_time_text(), clock.elapsed());
                !added.ok()) {
                complain(o.io, file + ": writing failed: " + added.error().message);
                failed = true;
                poll.stop();
            }
        }
        if (o.io.terminal) {
            char progress[256];
            std::snprintf(progress, sizeof progress, "\rrecording %s: %lld rows, %.1f s",
                          file.c_str(), recorder.rows(),
                          static_cast<double>(clock.elapsed()) / 1000.0);
            o.io.err(progress);
        }
        if (clock.elapsed() >= limitMs && !poll.stop_asked()) {
            poll.stop();
        }
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
    if (line.lost()) {
        complain(o.io, port_closed_text("recording"));
    }
    say(o.io, file + ": " + std::to_string(rows) + " rows\n");
    return rows > 0 ? kExitOk : kExitNoAnswer;
}

} // namespace motiview::cli

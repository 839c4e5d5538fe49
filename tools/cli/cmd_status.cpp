// ports, status (once or watching) and record.
#include "cli.h"
#include "keeper.h"
#include "line.h"

#include "base/qt/locale_format.h"
#include "jobs/page_jobs.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "monitor/status_recorder.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace motiview::cli {
namespace {

std::string shown(StatusField f, const StatusValues& values, const NumberFormat& format) {
    const StatusRow& row = status_row(f);
    return status_text(f, values, format) + (row.unit.empty() ? "" : " " + std::string(row.unit));
}

// One line per watched frame: the numbers a technician follows while the wheel turns.
std::string short_status(const Unit& frame, const NumberFormat& format) {
    using enum StatusField;
    const StatusValues s = read_status(frame);
    return shown(Vdc, s, format) + "  " + shown(Idc, s, format) + "  " + shown(Speed, s, format) +
           "  " + status_text(State, s, format) + "  " + status_text(Gear, s, format) + "  motor " +
           shown(MotorTemp, s, format) + "  power " + shown(PowerTemp, s, format);
}

// Every value on a line of its own, under its key, aligned.
std::string readable_status(const Unit& frame, const NumberFormat& format) {
    const StatusValues s = read_status(frame);
    std::size_t width = 0;
    for (const StatusField f : kReadingOrder) {
        width = std::max(width, status_row(f).key.size());
    }
    std::string out;
    for (const StatusField f : kReadingOrder) {
        const std::string_view key = status_row(f).key;
        out += std::string(key) + std::string(width + 2 - key.size(), ' ') + shown(f, s, format) +
               "\n";
    }
    return out;
}

nlohmann::ordered_json object_of(const NamedBits& bits) {
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    for (const auto& [key, value] : bits) {
        o[std::string(key)] = value;
    }
    return o;
}

// `decode`'s object plus the values under the status table's keys: numbers as numbers, names as
// texts, fault names as lists, input levels and flags as objects.
std::string status_json(const Report& rep, const Unit& frame) {
    const StatusValues s = read_status(frame);
    nlohmann::ordered_json j = report_json(rep);
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    for (const StatusField f : kReadingOrder) {
        const StatusRow& row = status_row(f);
        if (row.shown == StatusShown::Number && row.pow10 == 0) {
            values[std::string(row.key)] = shown_units(row, s[f]);
        } else if (row.shown == StatusShown::Number) {
            // At the panel's precision: 48.2, not 48.200000000000003.
            const std::string text = status_text(f, s, kPlainNumbers);
            double v = 0.0;
            std::from_chars(text.data(), text.data() + text.size(), v);
            values[std::string(row.key)] = v;
        } else if (row.shown == StatusShown::StateName || row.shown == StatusShown::GearName) {
            values[std::string(row.key)] = status_text(f, s, kPlainNumbers);
        }
    }
    j["values"] = values;
    const auto byte = [&s](StatusField f) { return static_cast<std::uint8_t>(s[f]); };
    const auto word = [&s](StatusField f) { return static_cast<std::uint16_t>(s[f]); };
    j["flags"] = object_of(flag_texts(byte(StatusField::Flags)));
    j["inputs"] = object_of(input_levels(byte(StatusField::Inputs)));
    j["current_faults"] = fault_name_list(word(StatusField::CurrentFaults), FaultWord::Current);
    j["history_faults"] = fault_name_list(word(StatusField::HistoryFaults), FaultWord::History);
    return json_text(j) + "\n";
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
        const Unit& frame = run.results.front().answer;
        say(o.io, o.json ? status_json(*report_of(frame, o.format), frame)
                         : readable_status(frame, o.format));
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
                text += "  faults: " + (word == 0 ? std::string("none")
                                                  : fault_names(word, FaultWord::Current, ", "));
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
    Keeper keep(o);
    keep.identify(line, o);
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
            keep.status(r.answer);
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
    // By its full path: a report made elsewhere later still finds it for its plot.
    keep.event(recording_event(qstr(QFileInfo(QString::fromStdString(file)).absoluteFilePath()),
                               static_cast<double>(clock.elapsed()) / 1000.0, rows));
    say(o.io, file + ": " + std::to_string(rows) + " rows\n");
    return rows > 0 ? kExitOk : kExitNoAnswer;
}

} // namespace motiview::cli

#include "line.h"

#include "cli.h"
#include "jobs/page_jobs.h"

#include <QEventLoop>
#include <QTimer>

#include <csignal>

namespace motiview::cli {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void on_interrupt(int) {
    gInterrupted = 1;
}

// Ctrl+C is looked at this often while a run waits.
constexpr int kInterruptCheckMs = 50;

} // namespace

void install_interrupt_handler() {
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
}

bool interrupted() {
    return gInterrupted != 0;
}

std::string qstr(const QString& s) {
    return s.toStdString();
}

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
    case StepOutcome::NoReadBack:
        return kExitNoAnswer;
    case StepOutcome::Broken:
    case StepOutcome::Unknown:
        return kExitBroken;
    case StepOutcome::ReadBackDiffers:
    case StepOutcome::NotStored:
        return kExitReadBack;
    case StepOutcome::PortClosed:
        return kExitPort;
    }
    return kExitNoAnswer;
}

std::string retry_suffix(int retries) {
    return retries > 0 ? " (" + retries_text(retries) + ")" : std::string();
}

std::string what_failed(const StepResult& r) {
    std::string what = r.page ? std::string(page_schema(*r.page).cliName) + ": " : "";
    what += step_outcome_name(r.outcome);
    if (r.kind == StepKind::Write && !r.written && r.outcome != StepOutcome::Done) {
        what += " (the write is not sent again)";
    }
    return what + retry_suffix(r.retries);
}

const PageSchema* page_named(const Io& io, const std::string& name) {
    const PageSchema* page = page_by_cli_name(name);
    if (page == nullptr) {
        complain(io, "unknown page '" + name + "' (pages: " + page_names() + ")");
    }
    return page;
}

std::string caption_of(PageId page, const FieldSchema& f) {
    return std::string(field_caption(page_schema(page), f));
}

PageState decoded(const PageSchema& page, const Unit& unit, const NumberFormat& format) {
    PageState state = design_state(page);
    decode_into(page, unit, state, format);
    return state;
}

Line::Line(const Online& o) : io_(o.io), retries_(o.retries), driver_(port_) {
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

bool Line::open() {
    const OpenOutcome r = port_.open();
    if (!r.ok) {
        complain(io_, qstr(r.message));
    }
    return r.ok;
}

bool Line::try_open() {
    return port_.isOpen() || port_.open().ok;
}

void Line::pause(int ms) {
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer watch;
    watch.setInterval(kInterruptCheckMs);
    QObject::connect(&watch, &QTimer::timeout, &loop, [&loop] {
        if (interrupted()) {
            loop.quit();
        }
    });
    end.start(ms);
    watch.start();
    loop.exec();
}

void Line::run(LineClient& client, const std::function<void()>& progressed) {
    QEventLoop loop;
    const auto done =
        QObject::connect(&driver_, &SessionDriver::finished, &loop, &QEventLoop::quit);
    QMetaObject::Connection step;
    if (progressed) {
        step = QObject::connect(&driver_, &SessionDriver::progressed, &loop, progressed);
    }
    bool stopAsked = false;
    QTimer watch;
    watch.setInterval(kInterruptCheckMs);
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (interrupted() && !stopAsked) {
            stopAsked = true;
            client.stop();
        }
    });
    watch.start();
    driver_.run(client);
    if (driver_.running()) {
        loop.exec();
    }
    QObject::disconnect(done);
    QObject::disconnect(step);
}

StepsRun run_steps(Line& line, Session& s, const Io& io, std::string_view during) {
    StepsRun run;
    line.run(s);
    run.results = s.take_results();
    for (const StepResult& r : run.results) {
        if (r.outcome == StepOutcome::PortClosed) {
            complain(io, port_closed_text(during));
            run.code = kExitPort;
            return run;
        }
        if (!r.ok() && r.outcome != StepOutcome::ReadBackDiffers) {
            complain(io, what_failed(r));
            run.code = exit_for(r.outcome);
            return run;
        }
    }
    if (interrupted()) {
        complain(io, "interrupted");
        run.code = kExitNoAnswer;
    }
    return run;
}

// Reads the pages, saying each as it comes when `tell`; false (with the message said and the
// exit status in `code`) when the reads did not all answer.
bool read_pages(Line& line, ReadJob& job, const Online& o, std::string_view during, bool tell,
                int& code, std::optional<Unit>* status) {
    line.run(job, [&] {
        for (const StepResult& r : job.take_finished()) {
            if (status != nullptr && r.ok() && r.kind == StepKind::Status) {
                *status = r.answer;
            }
            if (r.ok() && r.kind == StepKind::Read && (tell || r.retries > 0)) {
                say(o.io, std::string(page_schema(*r.page).cliName) + ": read" +
                              retry_suffix(r.retries) + "\n");
            }
        }
    });
    if (job.complete()) {
        return true;
    }
    if (job.port_lost()) {
        complain(o.io, port_closed_text(during));
        code = kExitPort;
    } else if (job.failure()) {
        complain(o.io, what_failed(*job.failure()));
        code = exit_for(job.failure()->outcome);
    } else {
        complain(o.io, "interrupted");
        code = kExitNoAnswer;
    }
    return false;
}

} // namespace motiview::cli

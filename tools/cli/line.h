#pragma once
// What the commands that talk to a controller share: the open serial port with the one session
// driver, run from a local event loop until the session or workflow is idle; Ctrl+C asks it to
// stop (a write on the line is settled first); and the words and exit codes of what happened.

#include "cli.h"
#include "online.h"

#include "jobs/page_jobs.h"
#include "link/qt/serial_port.h"
#include "link/qt/session_driver.h"
#include "link/session.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace motiview::cli {

[[nodiscard]] std::string qstr(const QString& s);
void say(const Io& io, std::string_view text);
// "motiview-cli: TEXT" on stderr.
void complain(const Io& io, std::string_view text);

[[nodiscard]] int exit_for(StepOutcome o);
// "basic: broken unit", with "(the write is not sent again)" for a write that never arrived.
[[nodiscard]] std::string what_failed(const StepResult& r);
// " (1 retry)", or "" without retries.
[[nodiscard]] std::string retry_suffix(int retries);

// The page of that name, or a message listing the names.
[[nodiscard]] const PageSchema* page_named(const Io& io, const std::string& name);
[[nodiscard]] std::string caption_of(PageId page, const FieldSchema& f);
[[nodiscard]] PageState decoded(const PageSchema& page, const Unit& unit,
                                const NumberFormat& format);

// True once Ctrl+C (or SIGTERM) came.
[[nodiscard]] bool interrupted();

class Line {
  public:
    explicit Line(const Online& o);

    // Opens the port; on failure says why (with the dialout fix for permission).
    [[nodiscard]] bool open();
    // Opens it again by its path, saying nothing: a re-plugged adapter, a new pseudo-terminal.
    [[nodiscard]] bool try_open();
    [[nodiscard]] bool is_open() const { return port_.isOpen(); }
    // Lets `ms` pass with the event loop running; Ctrl+C ends it early.
    void pause(int ms);

    // Runs `client` until it is idle; `progressed` is called whenever something happened.
    // Ctrl+C calls the client's stop() once.
    void run(LineClient& client, const std::function<void()>& progressed = {});

    // The port closed during a run.
    [[nodiscard]] bool lost() const { return driver_.portLost(); }
    [[nodiscard]] int retries() const { return retries_; }

  private:
    const Io& io_;
    int retries_;
    SerialPort port_;
    SessionDriver driver_;
};

// Runs one session (status, hall test, counter reset) to its end: the results, and the exit
// status of the first failure (the failure already said).
struct StepsRun {
    std::vector<StepResult> results;
    int code = kExitOk;
};
[[nodiscard]] StepsRun run_steps(Line& line, Session& s, const Io& io, std::string_view during);

// Reads the pages, saying each as it comes when `tell`; false (with the message said and the
// exit status in `code`) when the reads did not all answer. A job that asks the status first
// leaves the frame in `status`.
[[nodiscard]] bool read_pages(Line& line, ReadJob& job, const Online& o, std::string_view during,
                              bool tell, int& code, std::optional<Unit>* status = nullptr);

} // namespace motiview::cli

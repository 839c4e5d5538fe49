#pragma once
// The commands that talk to a controller over a serial port. Each opens the port once, runs a
// session or one of the parameter-set workflows through the session driver the window uses,
// prints as it goes and returns the exit status.

#include "base/number_text.h"
#include "link/line_settings.h"
#include "link/session.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace motiview::cli {

struct Io {
    std::function<void(std::string_view)> out;
    std::function<void(std::string_view)> err;
    bool terminal = false; // stderr is a terminal: progress lines are shown
};

// Where and how to reach the controller.
struct PortOptions {
    std::string port; // a device path, or a COM number 1..9 ("3", "COM3")
    LineSettings settings{57600};
};

// The service history a command keeps its readings and events in.
struct HistoryOptions {
    std::string path; // --history, $MOTIVIEW_HISTORY, else the XDG data folder
    bool off = false; // --no-history: the file is not opened at all
};

struct Online {
    PortOptions port;
    NumberFormat format;
    bool json = false;
    int retries = kDefaultRetries; // reads and status requests asked again, 0..10
    Io io;
    HistoryOptions history;
};

// What a service report is about.
struct ReportOptions {
    std::string job;
    std::string technician;
    std::string vehicle;
    std::string complaint;
    std::string note; // the work done
    std::string pdf;
    std::string html;
    std::string json;
};

[[nodiscard]] int ports_command(const Online& o);
[[nodiscard]] int status_command(const Online& o, bool watch, int rate);
[[nodiscard]] int record_command(const Online& o, const std::string& file, double seconds,
                                 int rate);
[[nodiscard]] int read_command(const Online& o, const std::vector<std::string>& pages);
[[nodiscard]] int write_command(const Online& o, const std::string& page,
                                const std::vector<std::string>& edits);
[[nodiscard]] int backup_command(const Online& o, const std::string& file);
[[nodiscard]] int restore_command(const Online& o, const std::string& file,
                                  const std::vector<std::string>& pages, bool includeHardware,
                                  bool dryRun);
// One file: the controller against it; two files: offline.
[[nodiscard]] int diff_command(const Online& o, const std::vector<std::string>& files);
[[nodiscard]] int hall_test_command(const Online& o, const std::string& group);
[[nodiscard]] int reset_count_command(const Online& o);
// What a production line asks of provision.
struct ProvisionOptions {
    std::string golden;
    std::string log;     // CSV, appended to; empty: none
    bool repeat = false; // one unit after another until --count or Ctrl+C
    int count = 0;       // 0: no limit
    double wait = 30;    // seconds for the first controller to answer
    bool requireNoFaults = false;
    bool includeHardware = false;
};

// Restores a golden file into one controller after another, one log line per unit.
[[nodiscard]] int provision_command(const Online& o, const ProvisionOptions& p);

// Reads the controller now and writes its service report.
[[nodiscard]] int report_command(const Online& o, const ReportOptions& r);
// The controllers, or one controller's snapshots, jobs and events, or one snapshot exported as a
// parameter file.
[[nodiscard]] int history_command(const Online& o, const std::string& serial,
                                  const std::string& exportFile, std::int64_t snapshot);

// Set by Ctrl+C: the watching commands end at the next tick, a restore after the page on the
// line.
void install_interrupt_handler();

} // namespace motiview::cli

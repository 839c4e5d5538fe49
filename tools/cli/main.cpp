// motiview-cli: builds write frames and explains received units; reads, writes, saves, restores
// and compares a controller's parameters, watches and records its status, runs its hall tests.

#include "base/qt/locale_format.h"
#include "cli.h"
#include "link/line_settings.h"
#include "online.h"

#include "history/history_store.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace motiview;
using namespace motiview::cli;

void write_out(std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
}

void write_err(std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), stderr);
    std::fflush(stderr);
}

int finish(const Outcome& r) {
    write_out(r.out);
    write_err(r.err);
    return r.code;
}

constexpr const char* kFooter =
    "PORT is a device path (/dev/ttyUSB0, a pseudo-terminal) or a COM number 1 to 9, resolved as\n"
    "the window resolves it (MOTIVIEW_COM<n>, else the n-th serial device). MOTIVIEW_PORT gives\n"
    "the default.\n"
    "\n"
    "Numbers are read and shown in the number format of the system locale, as in the program's\n"
    "pages (LC_ALL, LC_NUMERIC, LANG). With LC_ALL=C the decimal separator is \".\" and the group\n"
    "separator \",\"; with LC_ALL=de_DE.UTF-8 \"72,5\" is valid and \"1.234\" means 1234.\n"
    "Parameter files and recordings always use \".\" and never group.\n"
    "\n"
    "A broken or unknown unit makes the next request drain the line first; reads and status\n"
    "requests are asked again (--retries), a write never: when its acknowledgement is lost the\n"
    "page is read back to tell whether it was stored.\n"
    "\n"
    "Readings and writes are kept in the service history, under the controller's serial number:\n"
    "--history PATH, else MOTIVIEW_HISTORY, else $XDG_DATA_HOME/motiview/history.sqlite\n"
    "(~/.local/share/motiview/history.sqlite). --no-history leaves it untouched. A history that\n"
    "cannot be opened is named and left as it is; the command goes on without it.\n"
    "\n"
    "Exit status: 0 done (and verified); 2 a field refused or a file damaged, nothing sent;\n"
    "3 a broken unit; 4 written but the read-back differs, or not stored; 5 no answer in time,\n"
    "or no answer to the read-back after a lost acknowledgement; 6 the port cannot be opened,\n"
    "or it closed during the command; 64 usage.";

struct Common {
    std::string port;
    int baud = 57600;
    std::string settings;
    bool json = false;
    int retries = kDefaultRetries;
    std::string history;
    bool noHistory = false;
};

void add_history_options(CLI::App* c, Common& common) {
    c->add_option("--history", common.history,
                  "the service history file (default: MOTIVIEW_HISTORY, else the XDG data "
                  "folder)");
    c->add_flag("--no-history", common.noHistory, "keep nothing in the service history");
}

void add_port_options(CLI::App* c, Common& common, bool json = true) {
    c->add_option("-p,--port", common.port, "device path or COM number 1..9")
        ->envname("MOTIVIEW_PORT");
    c->add_option("--baud", common.baud, "baud rate (default 57600)");
    c->add_option("--settings", common.settings, "line settings as in the dialog, 57600,n,8,1");
    c->add_option("--retries", common.retries,
                  "ask a read or status request again up to N times after no good answer "
                  "(0..10, default 3); a write is never sent twice")
        ->check(CLI::Range(0, kMaxRetries));
    if (json) {
        c->add_flag("--json", common.json, "JSON instead of NAME=TEXT lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    // The report and the plot draw with fonts and the plot window, which needs the widgets side
    // of Qt; the offscreen platform does without a display.
    const bool drawing =
        argc > 1 && (std::string_view(argv[1]) == "report" || std::string_view(argv[1]) == "plot");
    if (drawing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's notes (no runtime folder, no window manager) are not the report's
        // business: only real errors reach stderr.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "motiview-cli: %s\n", qPrintable(msg));
            }
        });
    }
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("motiview-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOTIVIEW_VERSION));

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    // The same number format the program's pages use: QLocale::system().
    const NumberFormat format = system_number_format();
    if (args.empty()) {
        return finish(usage_error("no command given"));
    }

    CLI::App cli{"motiview-cli - the motor controller from the command line", "motiview-cli"};
    cli.footer("PAGE is one of: " + page_names() + "\n\n" + kFooter);
    cli.set_version_flag("--version", std::string(MOTIVIEW_VERSION));
    cli.require_subcommand(1, 1);

    // encode and decode keep their own argument rules: everything after the command is theirs.
    auto* encode = cli.add_subcommand(
        "encode", "print the write frame of PAGE: motiview-cli encode PAGE [--from HEX] "
                  "[NAME=TEXT ...]; without --from the fields hold their design-time texts");
    encode->prefix_command();
    auto* decode = cli.add_subcommand(
        "decode", "explain one 32-byte unit: motiview-cli decode [--json] HEX...");
    decode->prefix_command();

    Common common;
    auto* ports = cli.add_subcommand("ports", "list COM 1..9 with their devices and access");
    ports->add_flag("--json", common.json, "JSON instead of a table");

    bool watch = false;
    int rate = 1;
    auto* status = cli.add_subcommand("status", "one status request, the decoded frame");
    add_port_options(status, common);
    status->add_flag("--watch", watch, "poll until Ctrl+C, one line per frame");
    status->add_option("--rate", rate, "polls a second with --watch (1..10)")
        ->check(CLI::Range(1, 10));

    std::string file;
    double seconds = 0;
    auto* record = cli.add_subcommand("record", "write one CSV row per status frame");
    record->add_option("file", file, "the CSV file")->required();
    record->add_option("--seconds", seconds, "how long to record")
        ->required()
        ->check(CLI::PositiveNumber);
    record->add_option("--rate", rate, "polls a second (1..10)")->check(CLI::Range(1, 10));
    add_port_options(record, common, false);
    add_history_options(record, common);

    std::vector<std::string> pages;
    auto* read = cli.add_subcommand("read", "read pages (or all) and print their fields");
    read->add_option("pages", pages, "page names, or all")->required();
    add_port_options(read, common);
    add_history_options(read, common);

    std::string page;
    std::vector<std::string> edits;
    auto* write = cli.add_subcommand(
        "write", "read PAGE, apply NAME=TEXT edits as typed, write, read back and compare");
    write->add_option("page", page, "the page")->required();
    write->add_option("edits", edits, "NAME=TEXT");
    add_port_options(write, common, false);
    add_history_options(write, common);

    auto* backup = cli.add_subcommand("backup", "save all eleven pages to a parameter file");
    backup->add_option("file", file, "the parameter file (.json)")->required();
    add_port_options(backup, common, false);
    add_history_options(backup, common);

    std::vector<std::string> only;
    bool includeHardware = false;
    bool dryRun = false;
    auto* restore = cli.add_subcommand(
        "restore", "write the pages of a parameter file, each read back and compared; the "
                   "hardware page only with --include-hardware, always keeping the controller's "
                   "own serial number");
    restore->add_option("file", file, "the parameter file")->required();
    restore->add_option("--pages", only, "only these pages (comma-separated)");
    restore->add_flag("--include-hardware", includeHardware, "also write the hardware page");
    restore->add_flag("--dry-run", dryRun, "print the frames and differences, write nothing");
    add_port_options(restore, common, false);
    add_history_options(restore, common);

    std::vector<std::string> files;
    auto* diff = cli.add_subcommand(
        "diff", "the controller against a file, or two files: one line per differing field");
    diff->add_option("files", files, "one or two parameter files")->required()->expected(1, 2);
    add_port_options(diff, common);
    add_history_options(diff, common);

    std::string group;
    auto* hall = cli.add_subcommand("hall-test", "run the hall test of group a or b");
    hall->add_option("group", group, "a or b")->required();
    add_port_options(hall, common);
    add_history_options(hall, common);

    auto* reset = cli.add_subcommand("reset-count", "reset the DC current calibration count");
    add_port_options(reset, common, false);
    add_history_options(reset, common);

    ReportOptions reportOptions;
    auto* report = cli.add_subcommand(
        "report", "read the controller now and write its service report (PDF, and HTML and JSON "
                  "when asked), with the parameters changed since its last visit");
    report->add_option("--job", reportOptions.job, "the job number")->required();
    report->add_option("--technician", reportOptions.technician, "who did the work")->required();
    report->add_option("--vehicle", reportOptions.vehicle, "the vehicle or customer");
    report->add_option("--complaint", reportOptions.complaint, "what the customer reported");
    report->add_option("--note", reportOptions.note, "the work done");
    report->add_option("--out", reportOptions.pdf, "the PDF file")->required();
    report->add_option("--html", reportOptions.html, "also the report as HTML");
    report->add_option("--json", reportOptions.json, "also the report's content as JSON");
    add_port_options(report, common, false);
    add_history_options(report, common);

    ProvisionOptions provisionOptions;
    auto* provision = cli.add_subcommand(
        "provision", "restore a golden parameter file into one controller after another, each "
                     "read and kept in the history before and after, verified page by page, one "
                     "CSV log line per unit");
    provision->add_option("golden", provisionOptions.golden, "the golden parameter file")
        ->required();
    provision->add_option("--log", provisionOptions.log, "append one CSV line per unit");
    provision->add_flag("--repeat", provisionOptions.repeat,
                        "after a unit, wait for it to be unplugged and the next to answer");
    provision
        ->add_option("--count", provisionOptions.count, "stop after N units (implies --repeat)")
        ->check(CLI::PositiveNumber);
    provision
        ->add_option("--wait", provisionOptions.wait,
                     "seconds for the first controller to answer (default 30)")
        ->check(CLI::PositiveNumber);
    provision->add_flag("--require-no-faults", provisionOptions.requireNoFaults,
                        "refuse a unit whose current fault word is not clear");
    provision->add_flag("--include-hardware", provisionOptions.includeHardware,
                        "also write the hardware page, keeping each unit's serial number");
    add_port_options(provision, common);
    add_history_options(provision, common);

    std::string serial;
    std::string exportFile;
    std::int64_t snapshotId = 0;
    auto* history = cli.add_subcommand(
        "history", "the controllers in the service history; with SERIAL its snapshots, jobs and "
                   "events, newest first; with --export a snapshot as a parameter file");
    history->add_option("serial", serial, "the controller's serial number");
    history->add_option("--export", exportFile, "write a snapshot as a parameter file");
    history->add_option("--snapshot", snapshotId, "the snapshot to export (default: the newest)")
        ->check(CLI::PositiveNumber);
    history->add_flag("--json", common.json, "JSON instead of lines");
    add_history_options(history, common);

    PlotOptions plotOptions;
    auto* plot = cli.add_subcommand(
        "plot", "draw a recording as PNG or PDF without a display, fault and state markers "
                "included");
    plot->add_option("file", plotOptions.file, "the recording (CSV)")->required();
    plot->add_option("--out", plotOptions.out, "the image: FILE.png or FILE.pdf")->required();
    plot->add_option("--channels", plotOptions.channels,
                     "the curves by column name, comma-separated (default: vdc_v,idc_a,speed_rpm)");
    plot->add_option("--from", plotOptions.from, "first second of the recording shown");
    plot->add_option("--to", plotOptions.to, "last second of the recording shown");
    plot->add_option("--size", plotOptions.size, "the image in pixels (default 1280x720)");

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        cli.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        write_out(cli.help());
        return kExitOk;
    } catch (const CLI::CallForVersion&) {
        write_out(std::string(MOTIVIEW_VERSION) + "\n");
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        if (!args[0].starts_with("-") && cli.get_subcommands().empty()) {
            message = "unknown command '" + args[0] + "'";
        }
        return finish(usage_error(message));
    }

    if (encode->parsed() || decode->parsed()) {
        // The handlers see the command as they always have: name first, then its arguments.
        const bool isEncode = encode->parsed();
        std::vector<std::string> rest(args.begin(), args.end());
        return finish(isEncode ? encode_command(rest, format) : decode_command(rest, format));
    }

    if (plot->parsed()) {
        return finish(plot_command(plotOptions));
    }

    Online o;
    o.format = format;
    o.json = common.json;
    o.retries = common.retries;
    o.io = Io{write_out, write_err, ::isatty(STDERR_FILENO) == 1};
    o.port.port = common.port;
    o.port.settings.baud = common.baud;
    if (!common.settings.empty()) {
        const auto s = parse_line_settings(common.settings);
        if (!s) {
            return finish(usage_error("--settings: expected baud,parity,databits,stopbits such "
                                      "as 57600,n,8,1, got '" +
                                      common.settings + "'"));
        }
        o.port.settings = *s;
    }
    o.history.off = common.noHistory;
    o.history.path = history_path(common.history, std::getenv("MOTIVIEW_HISTORY"),
                                  std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (ports->parsed()) {
        return ports_command(o);
    }
    if (history->parsed()) {
        return history_command(o, serial, exportFile, snapshotId);
    }
    if (o.port.port.empty() && !(diff->parsed() && files.size() == 2)) {
        return finish(usage_error("no port given: --port PORT or MOTIVIEW_PORT"));
    }
    if (status->parsed()) {
        return status_command(o, watch, rate);
    }
    if (record->parsed()) {
        return record_command(o, file, seconds, rate);
    }
    if (read->parsed()) {
        return read_command(o, pages);
    }
    if (write->parsed()) {
        return write_command(o, page, edits);
    }
    if (backup->parsed()) {
        return backup_command(o, file);
    }
    if (restore->parsed()) {
        return restore_command(o, file, only, includeHardware, dryRun);
    }
    if (diff->parsed()) {
        return diff_command(o, files);
    }
    if (hall->parsed()) {
        return hall_test_command(o, group);
    }
    if (report->parsed()) {
        return report_command(o, reportOptions);
    }
    if (provision->parsed()) {
        return provision_command(o, provisionOptions);
    }
    return reset_count_command(o);
}

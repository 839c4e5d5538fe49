// Figures of the service history with a busy workshop's file: 200 controllers, 50 snapshots each
// (real parameter files, a few fields apart), their jobs and events. Not a test: it prints.
//   build-bench/bench/bench_history_figures [--store=PATH] [--pad-kib=N] [benchmark options]
//       fills a history (a new one in a temporary folder unless PATH already holds one), prints
//       the time per snapshot written, then measures the listing, one controller's time line
//       and opening the window (offscreen). Eleven pages write about 9 KiB; --pad-kib pads each
//       file with trailing blanks to N KiB to see larger files.
//   xvfb-run -s '-screen 0 1280x900x24' build-bench/bench/bench_history_figures --store=PATH
//       --show=SECONDS
//       shows the window on that history for a screenshot instead.
#include "history/history_store.h"
#include "params/parameter_file.h"
#include "ui/history_window.h"

#include "block_store.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace motiview;

namespace {

constexpr int kControllers = 200;
constexpr int kSnapshotsEach = 50;

HistoryStore* g_store = nullptr;
std::size_t g_padTo = 0; // bytes; 0: the files as written
std::string g_serial;    // a controller in the middle of the list

std::string serial_of(int c) {
    return "1302-" + std::to_string(20 + c % 5) + "-" + std::to_string(1 + c % 52) + "-" +
           std::to_string(100 + c) + "-26";
}

// The controller's pages at its k-th reading: a few fields move from visit to visit.
std::string parameter_file(int c, int k) {
    std::vector<std::string> texts = {
        "hardware.txtProjectNum=1302",
        "hardware.txtYearNum=" + std::to_string(20 + c % 5),
        "hardware.txtWeekNum=" + std::to_string(1 + c % 52),
        "hardware.txtSNNum=" + std::to_string(100 + c),
        "hardware.txtCustomerNum=26",
        "basic.txtMaxspeed=" + std::to_string(3000 + 10 * k + c % 7),
        "motor.txtPolePairN=" + std::to_string(4 + (k / 10) % 4),
        "reference.txtVoltageH=" + std::to_string(80 + k % 8),
    };
    const Result<sim::BlockStore> blocks = sim::BlockStore::with_texts(texts);
    if (!blocks.ok()) {
        std::fprintf(stderr, "%s\n", blocks.error().message.c_str());
        std::exit(1);
    }
    ParameterSet set;
    set.created = "2026-03-01T09:31:00.000+01:00";
    set.tool = "2.0.0.7";
    set.userName = "WORKSHOP " + std::to_string(c);
    for (PageId id : kAllPages) {
        set.pages.push_back(entry_from_reply(id, blocks->block(id)));
    }
    std::string text = write_parameter_file(set);
    if (text.size() < g_padTo) {
        text.append(g_padTo - text.size() - 1, ' ').push_back('\n'); // still reads as the file
    }
    return text;
}

template <class T> T must(Result<T> r) {
    if (!r.ok()) {
        std::fprintf(stderr, "%s\n", r.error().message.c_str());
        std::exit(1);
    }
    return std::move(r).value();
}

// Fills the history as the workshop's year would: visits interleaved over the controllers, a
// job every tenth visit with its as-found and after-restore snapshots, a write and a fault
// change in it. Prints the time per snapshot written.
void fill(HistoryStore& store) {
    const std::int64_t start = QDateTime(QDate(2025, 1, 6), QTime(8, 0)).toMSecsSinceEpoch();
    constexpr std::int64_t kHour = 3600 * 1000;
    std::vector<double> addMs;
    addMs.reserve(static_cast<std::size_t>(kControllers * kSnapshotsEach));
    std::vector<std::int64_t> openJob(kControllers, 0);
    std::size_t bytes = 0;
    QElapsedTimer total;
    total.start();
    for (int k = 0; k < kSnapshotsEach; ++k) {
        for (int c = 0; c < kControllers; ++c) {
            const std::string serial = serial_of(c);
            const std::int64_t t = start + (std::int64_t{k} * kControllers + c) * kHour;
            const std::string content = parameter_file(c, k);
            bytes += content.size();
            (void)must(store.see_controller(serial, "WORKSHOP " + std::to_string(c), t));
            std::optional<std::int64_t> job;
            std::string source = "backup";
            if (k % 10 == 0) {
                JobRecord j;
                j.serial = serial;
                j.number = "2025-" + std::to_string(1000 + k * kControllers + c);
                j.technician = c % 2 == 0 ? "M. Keller" : "A. Brandt";
                j.vehicle = "Van " + std::to_string(c);
                j.complaint = "Loses power on hills";
                j.startedMs = t;
                j.state = "open";
                openJob[static_cast<std::size_t>(c)] = must(store.add_job(j));
                job = openJob[static_cast<std::size_t>(c)];
                source = "as found";
            } else if (k % 10 == 1) {
                job = openJob[static_cast<std::size_t>(c)];
                source = "after restore";
                EventRecord e{0, serial, t - 60000, job, "write", "Basic: max speed changed", "{}"};
                (void)must(store.add_event(e));
            }
            if (k % 5 == 2) {
                EventRecord e{0, serial, t + 60000, job, "faults", "Over-voltage came", "{}"};
                (void)must(store.add_event(e));
            }
            QElapsedTimer one;
            one.start();
            (void)must(store.add_snapshot(serial, t, source, job, content));
            addMs.push_back(static_cast<double>(one.nsecsElapsed()) / 1e6);
            if (k % 10 == 1) {
                std::optional<JobRecord> j = must(store.job(*job));
                j->state = "finished";
                j->finishedMs = t + 120000;
                (void)must(store.update_job(*j));
            }
        }
    }
    std::sort(addMs.begin(), addMs.end());
    std::printf("fill: %zu snapshots (%.1f KiB each on average) over %d controllers in %.1f s\n",
                addMs.size(),
                static_cast<double>(bytes) / 1024.0 / static_cast<double>(addMs.size()),
                kControllers, static_cast<double>(total.elapsed()) / 1000.0);
    std::printf("fill: add_snapshot median %.2f ms, 90th percentile %.2f ms, worst %.2f ms\n",
                addMs[addMs.size() / 2], addMs[addMs.size() * 9 / 10], addMs.back());
    std::fflush(stdout);
}

void ControllersList(benchmark::State& state) {
    for (auto _ : state) {
        const auto list = must(g_store->controllers());
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(ControllersList)->Unit(benchmark::kMillisecond);

void OneControllerTimeline(benchmark::State& state) {
    for (auto _ : state) {
        const auto snaps = must(g_store->snapshots(g_serial));
        const auto jobs = must(g_store->jobs(g_serial));
        const auto events = must(g_store->events(g_serial));
        benchmark::DoNotOptimize(snaps.data());
        benchmark::DoNotOptimize(jobs.data());
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(OneControllerTimeline)->Unit(benchmark::kMillisecond);

// What the snapshot list would cost without the contents: the same rows, read by SQLite
// directly, for comparison only.
void OneControllerSnapshotSummaries(benchmark::State& state) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(g_store->path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open the history");
        return;
    }
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT id, serial, time_ms, source, job FROM snapshots WHERE serial = ?1 "
                       "ORDER BY id DESC",
                       -1, &s, nullptr);
    for (auto _ : state) {
        sqlite3_bind_text(s, 1, g_serial.c_str(), -1, SQLITE_TRANSIENT);
        int rows = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            ++rows;
        }
        sqlite3_reset(s);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}
BENCHMARK(OneControllerSnapshotSummaries)->Unit(benchmark::kMillisecond);

void OpenWindow(benchmark::State& state) {
    for (auto _ : state) {
        HistoryWindow w(*g_store);
        w.show();
        while (w.windowHandle() == nullptr || !w.windowHandle()->isExposed()) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        w.selectController(QString::fromStdString(g_serial));
        w.repaint(); // the tables drawn, not only laid out
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.timelineTable()->rowCount());
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

// The window on the history for a screenshot: one controller with two snapshots chosen.
int show(HistoryStore& store, int seconds) {
    HistoryWindow w(store);
    w.resize(1000, 700);
    w.move(20, 20);
    w.show();
    w.selectController(QString::fromStdString(g_serial));
    // The last job's pages as found and after the restore.
    QTableWidget* t = w.timelineTable();
    for (const char* source : {"after restore", "as found"}) {
        for (int r = 0; r < t->rowCount(); ++r) {
            if (t->item(r, 2)->text().startsWith(QLatin1String(source))) {
                t->selectionModel()->select(t->model()->index(r, 0), QItemSelectionModel::Select |
                                                                         QItemSelectionModel::Rows);
                break;
            }
        }
    }
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    std::string storePath;
    int showSeconds = 0;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--store=", 0) == 0) {
            storePath = a.substr(8);
        } else if (a.rfind("--pad-kib=", 0) == 0) {
            g_padTo = std::stoul(a.substr(10)) * 1024;
        } else if (a.rfind("--show=", 0) == 0) {
            showSeconds = std::stoi(a.substr(7));
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (showSeconds == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The offscreen platform says this on every show; it says nothing about the history.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains(QLatin1String("propagateSizeHints"))) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    });
    int restCount = static_cast<int>(rest.size());
    QApplication app(restCount, rest.data());

    QTemporaryDir dir;
    if (storePath.empty()) {
        storePath = dir.filePath(QStringLiteral("history.sqlite")).toStdString();
    }
    const bool filled = std::filesystem::exists(storePath);
    std::unique_ptr<HistoryStore> store = must(HistoryStore::open(storePath));
    if (!filled) {
        fill(*store);
    }
    g_store = store.get();
    g_serial = serial_of(kControllers / 2);
    std::printf("history: %s, %.0f MiB\n", storePath.c_str(),
                static_cast<double>(std::filesystem::file_size(storePath)) / 1048576.0);

    if (showSeconds > 0) {
        return show(*store, showSeconds);
    }
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

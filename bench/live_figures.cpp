// Figures of the live tools against the simulator (not a test: it prints, never fails). Run
// under a virtual display so the windows really paint:
//   xvfb-run -a build/bench/bench_live_figures cpu 60          main window alone, then with
//                                                              the plot (five curves), 10 Hz
//   xvfb-run -a build/bench/bench_live_figures flood 30        traffic window open during
//                                                              the simulator's --flood
//   xvfb-run -a build/bench/bench_live_figures memory 1800     recording at 10 Hz: RSS each
//                                                              minute
#include "process_figures.h"
#include "sim_process.h"

#include "app/live_tools.h"
#include "ui/plot_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace motiview;
using namespace motiview::test;
using motiview::bench::cpu_seconds;
using motiview::bench::rss_kib;

namespace {

// Runs the event loop for `ms`; returns the worst delay of a zero-timer meanwhile.
qint64 run_for(int ms) {
    qint64 worst = 0;
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < ms) {
        QElapsedTimer t;
        t.start();
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        while (!fired) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        worst = std::max(worst, t.elapsed());
        QTest::qWait(20);
    }
    return worst;
}

double cpu_share(int seconds) {
    const double before = cpu_seconds();
    QTest::qWait(seconds * 1000); // no probe timer of its own: only the program's work counts
    return (cpu_seconds() - before) / seconds * 100.0;
}

int cpu(int seconds) {
    Rig rig;
    if (!rig.connect()) {
        std::puts("cpu: could not connect");
        return 1;
    }
    rig.window->show();
    LiveTools& live = *rig.window->liveTools();
    live.setPollRate(10);
    (void)run_for(3000);
    const double alone = cpu_share(seconds);
    live.openPlot();
    PlotWindow* plot = live.plotWindow();
    for (PanelChannel c : {PanelChannel::Vdc, PanelChannel::Idc, PanelChannel::Speed,
                           PanelChannel::MotorTemp, PanelChannel::PowerTemp}) {
        plot->showChannel(c, true);
    }
    plot->setAxis(PanelChannel::Idc, PlotAxis::Right);
    plot->setAxis(PanelChannel::Speed, PlotAxis::Right);
    plot->resize(1000, 600);
    (void)run_for(3000);
    const int redrawsBefore = plot->redrawCount();
    const double withPlot = cpu_share(seconds);
    std::printf("cpu: 10 polls a second over %d s: main window alone %.2f%% of one core; with "
                "the plot open, five curves, %.2f%% (%d redraws); link %s\n",
                seconds, alone, withPlot, plot->redrawCount() - redrawsBefore,
                rig.window->link().state == LinkState::Online ? "online" : "NOT online");
    return 0;
}

int flood(int seconds) {
    Rig rig({"--flood", "100"});
    if (!rig.connect()) {
        std::puts("flood: could not connect");
        return 1;
    }
    rig.window->show();
    LiveTools& live = *rig.window->liveTools();
    const qint64 worstAlone = run_for(seconds * 1000);
    live.openTraffic();
    (void)run_for(2000); // the window's first paint with the rows so far
    const long rss = rss_kib();
    const qint64 worst = run_for(seconds * 1000);
    std::printf("flood: 100 unasked status frames a second, %d s each: worst event-loop delay "
                "%lld ms without, %lld ms with the traffic window open; link %s; %llu units "
                "logged, %zu rows kept; RSS %ld -> %ld KiB\n",
                seconds, static_cast<long long>(worstAlone), static_cast<long long>(worst),
                rig.window->link().state == LinkState::Online ? "online" : "NOT online",
                static_cast<unsigned long long>(live.traffic().counters().unitsReceived),
                live.traffic().rows().size(), rss, rss_kib());
    return 0;
}

int memory(int seconds) {
    Rig rig({"--max-seconds", "0"}); // the harness's simulator stops after two minutes
    if (!rig.connect()) {
        std::puts("memory: could not connect");
        return 1;
    }
    rig.window->show();
    LiveTools& live = *rig.window->liveTools();
    live.setPollRate(10);
    QTemporaryDir dir;
    const QString error = live.startRecording(dir.filePath(QStringLiteral("ride.csv")));
    if (!error.isEmpty()) {
        std::printf("memory: %s\n", qPrintable(error));
        return 1;
    }
    (void)run_for(5000);
    const long start = rss_kib();
    std::printf("memory: RSS after 5 s of recording %ld KiB\n", start);
    std::fflush(stdout);
    for (int done = 0; done < seconds; done += 60) {
        (void)run_for(60'000);
        std::printf("memory: %4d s, %lld rows, RSS %ld KiB (%+ld KiB)\n", done + 60,
                    static_cast<long long>(live.recorder().rows()), rss_kib(), rss_kib() - start);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "cpu";
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 30;
    if (which == "cpu") {
        return cpu(seconds);
    }
    if (which == "flood") {
        return flood(seconds);
    }
    if (which == "memory") {
        return memory(seconds);
    }
    std::puts("usage: bench_live_figures cpu|flood|memory [SECONDS]");
    return 64;
}

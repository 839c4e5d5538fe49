// Figures of the link under faults, against the simulator (not a test: it prints, never fails):
//   hangup  CPU time of the process over the 5 s after the line hangs up
//   flood   status frames at ten times the normal rate for 30 s: memory and the worst delay
//           of a zero-timer (how long the window could not repaint)
#include "process_figures.h"
#include "sim_process.h"

#include <QApplication>
#include <QElapsedTimer>
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

int hangup() {
    Rig rig({"--hangup-after", "3"});
    if (!rig.connect()) {
        std::puts("hangup: could not connect");
        return 1;
    }
    rig.waitForState(LinkState::Offline, 8000);
    const double before = cpu_seconds();
    QTest::qWait(5000);
    const double used = cpu_seconds() - before;
    std::printf("hangup: port open after hang-up: %s; CPU over the next 5 s: %.3f s (%.1f%% of one "
                "core)\n",
                rig.port->isOpen() ? "yes" : "no", used, used / 5.0 * 100.0);
    return 0;
}

int flood() {
    Rig rig({"--flood", "10"});
    if (!rig.connect()) {
        std::puts("flood: could not connect");
        return 1;
    }
    const long startRss = rss_kib();
    qint64 worst = 0;
    QElapsedTimer total;
    total.start();
    long maxRss = startRss;
    while (total.elapsed() < 30000) {
        QElapsedTimer t;
        t.start();
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        while (!fired) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        worst = std::max(worst, t.elapsed());
        QTest::qWait(20);
        maxRss = std::max(maxRss, rss_kib());
    }
    std::printf("flood: link %s after 30 s; zero-timer worst delay %lld ms; RSS %ld KiB at start, "
                "%ld KiB max, %ld KiB at end\n",
                rig.window->link().state == LinkState::Online ? "online" : "not online",
                static_cast<long long>(worst), startRss, maxRss, rss_kib());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "all";
    int rc = 0;
    if (which == "hangup" || which == "all") {
        rc |= hangup();
    }
    if (which == "flood" || which == "all") {
        rc |= flood();
    }
    return rc;
}

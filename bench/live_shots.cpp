// Pictures of the live tools for the README, under a virtual display:
//   xvfb-run -a -s "-screen 0 1280x900x24" build/bench/bench_live_shots [output-dir]
// The plot shows two minutes of the simulator's status frames at 10 a second, with an
// over-heat fault that comes and goes; the traffic window is the real program's traffic with
// the simulator on a pseudo-terminal.
#include "sim_process.h"
#include "status_generator.h"

#include "app/live_tools.h"
#include "monitor/sample_ring.h"
#include "ui/plot_window.h"
#include "ui/traffic_window.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace motiview;
using namespace motiview::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);
    int failures = 0;
    auto save = [&](QWidget& w, const char* name) {
        const QString file = dir + QLatin1Char('/') + QLatin1String(name);
        if (!w.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
    };

    SampleStore store;
    sim::StatusConfig config;
    for (int i = 0; i <= 1200; ++i) {
        const double seconds = i / 10.0;
        config.currentFaults = seconds >= 55 && seconds < 80 ? 0x0010 : 0; // over-heat
        config.state = config.currentFaults != 0 ? 6 : 3;
        store.add(static_cast<std::int64_t>(i) * 100, sim::status_frame(config, seconds));
    }
    PlotWindow plot(store);
    plot.setAttribute(Qt::WA_DontShowOnScreen, false);
    plot.resize(1000, 560);
    plot.setSpanMinutes(5);
    for (PanelChannel c : {PanelChannel::Speed, PanelChannel::Idc, PanelChannel::IqActual}) {
        plot.showChannel(c, true);
    }
    plot.setAxis(PanelChannel::Idc, PlotAxis::Right);
    plot.setAxis(PanelChannel::IqActual, PlotAxis::Right);
    plot.show();
    plot.refresh();
    plot.setCursorTime(62'000);
    QTest::qWait(500);
    save(plot, "plot-window.png");
    plot.hide();

    Rig rig;
    if (!rig.connect()) {
        std::puts("could not connect to the simulator");
        return 1;
    }
    LiveTools& live = *rig.window->liveTools();
    live.openTraffic();
    TrafficWindow* traffic = live.trafficWindow();
    traffic->resize(1200, 520);
    QTest::mouseClick(rig.window->findChild<QPushButton*>(QStringLiteral("cmdBasic")),
                      Qt::LeftButton);
    QTest::qWait(2500);
    save(*traffic, "traffic-window.png");
    return failures == 0 ? 0 : 1;
}

#pragma once
// The live plot's load on a plotting library: five curves over a 15-minute window at 10
// samples a second, one sample per curve appended every 100 ms and the plot redrawn each time.
// Each library gets one small program; both share this driver so they do the same work.
//
//   plot_bench [--seconds S] [--burst N]
//
// Real-time mode (default, 30 s): CPU time per wall second and memory at the end, as the
// window would cost on a technician's laptop. --burst N: N appends+redraws back to back, time
// per redraw. Run under xvfb-run so the drawing reaches a real X server.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <unistd.h>

namespace plot_bench {

inline constexpr int kCurves = 5;
inline constexpr int kWindowSamples = 15 * 60 * 10; // 15 min at 10 samples/s
inline constexpr double kStepSeconds = 0.1;

// What each library's program provides.
struct Plot {
    std::function<QWidget*()> widget;
    // A full window at once, the library's bulk path: times and one value list per curve.
    std::function<void(const QVector<double>& t, const QVector<QVector<double>>& values)> fill;
    // Appends one sample per curve at time t (s) and drops those older than the window.
    std::function<void(double t, const double* values)> append;
    // Scrolls the time axis to [t - window, t] and draws now.
    std::function<void(double t)> redraw;
};

inline double value_of(int curve, double t) {
    return 100.0 * std::sin(t / (7.0 + curve)) + 20.0 * curve + std::fmod(t * 13.0, 5.0);
}

inline double cpu_seconds() {
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    const QByteArray line = f.readAll();
    const auto close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // fields[0] is field 3 (state); utime and stime are fields 14 and 15.
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
}

inline long status_kb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(static_cast<qsizetype>(std::strlen(key)))
                .trimmed()
                .split(' ')[0]
                .toLong();
        }
    }
    return -1;
}

inline int run(int argc, char** argv, const char* name, const std::function<Plot()>& make) {
    QApplication app(argc, argv);
    double seconds = 30.0;
    int burst = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::atof(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--burst") == 0) {
            burst = std::atoi(argv[i + 1]);
        }
    }
    const long rssStart = status_kb("VmRSS:");
    QElapsedTimer setup;
    setup.start();
    Plot plot = make();
    QWidget* w = plot.widget();
    w->resize(1200, 600);
    w->show();

    // A full window from the start: the steady state of a long session.
    double t = 0.0;
    double values[kCurves];
    {
        QVector<double> times;
        QVector<QVector<double>> curves(kCurves);
        for (int i = 0; i < kWindowSamples; ++i, t += kStepSeconds) {
            times.append(t);
            for (int c = 0; c < kCurves; ++c) {
                curves[c].append(value_of(c, t));
            }
        }
        t -= kStepSeconds;
        plot.fill(times, curves);
    }
    plot.redraw(t);
    QApplication::processEvents();
    std::fprintf(stderr, "%s: window filled after %.1f s\n", name,
                 static_cast<double>(setup.elapsed()) / 1000.0);

    const long rssFilled = status_kb("VmRSS:");
    const double cpu0 = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    int redraws = 0;
    const auto step = [&] {
        // Checked here as well as by the quit timer: a library slower than the 100 ms tick
        // keeps the event loop from ever reaching that timer.
        if (burst == 0 && wall.elapsed() >= static_cast<qint64>(seconds * 1000.0)) {
            QApplication::quit();
            return;
        }
        t += kStepSeconds;
        for (int c = 0; c < kCurves; ++c) {
            values[c] = value_of(c, t);
        }
        plot.append(t, values);
        plot.redraw(t);
        ++redraws;
    };
    if (burst > 0) {
        for (int i = 0; i < burst; ++i) {
            step();
            QApplication::processEvents();
        }
    } else {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, step);
        timer.start(100);
        QTimer::singleShot(static_cast<int>(seconds * 1000.0), &app, &QApplication::quit);
        QApplication::exec();
    }
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = cpu_seconds() - cpu0;
    std::printf(
        "%s: %d redraws (%d due) in %.1f s wall, cpu %.2f s = %.1f %% of one core, %.2f ms cpu per "
        "redraw; VmRSS start %ld kB, filled %ld kB, end %ld kB, VmHWM %ld kB\n",
        name, redraws, burst > 0 ? burst : static_cast<int>(seconds * 10.0), elapsed, cpu,
        100.0 * cpu / elapsed, 1000.0 * cpu / redraws, rssStart, rssFilled, status_kb("VmRSS:"),
        status_kb("VmHWM:"));
    delete w;
    return 0;
}

} // namespace plot_bench

// A recording opened in its plot window with both cursors set, for the README, under a virtual
// display:
//   xvfb-run -a -s "-screen 0 1280x900x24" build-bench/bench/recording_shot [out.png] [seconds]
// The ride is four minutes of the simulator's status frames at 10 a second, written as the
// recorder writes them, with an over-current fault (and the fault state) from 95 s to 130 s.
// With a number of seconds the window stays up that long (for a screenshot of the screen).
#include "status_generator.h"

#include "monitor/status_record.h"
#include "ui/plot_window.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace motiview;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/recording-cursors.png");
    const int stay = argc > 2 ? std::atoi(argv[2]) : 0;

    const QDateTime start =
        QDateTime::fromString(QStringLiteral("2024-05-14T09:30:00.000+02:00"), Qt::ISODateWithMs);
    std::string text = record_header() + "\n";
    sim::StatusConfig config;
    for (int i = 0; i <= 2400; ++i) {
        const double seconds = i / 10.0;
        const bool fault = seconds >= 95 && seconds < 130;
        config.currentFaults = fault ? 0x0020 : 0; // over-current
        config.state = fault ? 6 : 3;
        const qint64 ms = static_cast<qint64>(i) * 100;
        const std::string wall =
            start.addMSecs(ms).toOffsetFromUtc(7200).toString(Qt::ISODateWithMs).toStdString();
        text += record_row(sim::status_frame(config, seconds), wall, ms) + "\n";
    }
    const QString path = QDir::temp().filePath(QStringLiteral("ride-2024-05-14.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    QString error;
    PlotWindow* plot = PlotWindow::openRecording(path, nullptr, &error);
    if (plot == nullptr) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    plot->setAttribute(Qt::WA_DeleteOnClose);
    plot->resize(1240, 720);
    plot->move(20, 20);
    plot->show();
    // Just before the fault and while it holds: what the current did when it tripped.
    plot->setCursorA(88'000);
    plot->setCursorB(101'500);
    QTest::qWait(800);
    if (!plot->grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    if (stay > 0) {
        QTest::qWait(stay * 1000);
    }
    plot->close();
    return 0;
}

// Saves a picture of the live panels with one active fault; run by hand, not a test.
// monitor_shot [file.png] [main]
#include "app/main_window.h"
#include "fake_transport.h"
#include "ui/status_panel.h"

#include <QApplication>
#include <QPixmap>

using namespace motiview;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/monitor.png");

    Unit frame{};
    frame[0] = 0xDF;
    frame[1] = 0xEF;
    frame[31] = kEndByte;
    store_u16le(frame, 2, 4812);    // 48.12 V
    store_sm16le(frame, 4, -4660);  // -46.6 A
    store_sm16le(frame, 6, 3000);   // rpm
    frame[8] = 45;                  // 35 deg
    frame[9] = 0x45;                // forward, hall calib, hall group 1
    store_u16le(frame, 10, 0x2000); // history: thermistor open
    frame[12] = 30;                 // 60 deg
    store_sm16le(frame, 13, -300);
    store_u16le(frame, 15, 12346); // 1.235 V
    frame[17] = 0x11;
    frame[18] = 3;                  // RUN
    store_u16le(frame, 19, 0x0400); // current: hall
    store_sm16le(frame, 21, -298);
    store_sm16le(frame, 23, 12);
    store_sm16le(frame, 25, 10);
    frame[27] = 2;
    frame[28] = 0;
    frame[29] = 5;
    frame[30] = 2;

    // "main" as second argument: the whole main window at its own size.
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("main")) {
        test::FakeTransport port;
        MainWindow window(port);
        window.show();
        port.deliver(frame);
        QApplication::processEvents();
        return window.grab().save(out) ? 0 : 1;
    }

    MonitorView view;
    view.resetLiveValues();
    view.applyCaptions();
    view.apply(decode_status(frame, NumberFormat{}));
    view.resize(640, 560);
    view.show();
    QApplication::processEvents();
    return view.grab().save(out) ? 0 : 1;
}

// EV Motiview: service tool for the motor controller. One main window; nothing is sent until
// the serial settings dialog opens the port.

#include "app/main_window.h"
#include "link/qt/serial_port.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("EV Motiview"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0.7"));
    motiview::SerialPort port;
    motiview::MainWindow window(port);
    window.show();
    return QApplication::exec();
}

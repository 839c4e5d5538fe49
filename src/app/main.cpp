// EV Motiview: service tool for the motor controller. One main window; nothing is sent until
// the serial settings dialog opens the port.

#include "app/main_window.h"
#include "link/qt/serial_port.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: motiview [--help | --version] [Qt options]\n"
    "EV Motiview: watch the motor controller's live state and faults, read, change and write\n"
    "its parameter pages, run its hall tests. Choose the port in Options > Com Setting...\n"
    "\n"
    "  --help     this text\n"
    "  --version  the version\n"
    "\n"
    "COM n resolves to MOTIVIEW_COM<n> when set, else to the n-th serial device present.\n"
    "Serial devices belong to the dialout group; see motiview(1).\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before QApplication exists, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", MOTIVIEW_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s", kUsage);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("EV Motiview"));
    QApplication::setApplicationVersion(QStringLiteral(MOTIVIEW_VERSION));
    // Wayland shells match the window to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTIVIEW_APP_ID));
    motiview::SerialPort port;
    motiview::MainWindow window(port);
    window.show();
    return QApplication::exec();
}

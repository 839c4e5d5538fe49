// EV Motiview: service tool for the motor controller. One main window; nothing is sent until a
// port is opened: by the serial settings dialog, by --port, or by "Connect at start".

#include "app/language.h"
#include "app/main_window.h"
#include "app/start_options.h"
#include "history/history_store.h"
#include "link/qt/serial_port.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: motiview [--port PORT [--baud N]] [--history PATH] [--help | --version] [Qt options]\n"
    "EV Motiview: watch the motor controller's live state and faults, read, change and write\n"
    "its parameter pages, run its hall tests. Choose the port in Options > Com Setting...\n"
    "\n"
    "  --port PORT  open PORT at start and poll at once (a device path such as /dev/ttyUSB0,\n"
    "               or a COM number 1 to 9), with the settings dialog's line settings\n"
    "  --baud N     the baud rate for --port (default: the dialog's, 57600)\n"
    "  --history PATH  the service history file (default: MOTIVIEW_HISTORY, else\n"
    "               $XDG_DATA_HOME/motiview/history.sqlite)\n"
    "  --help       this text\n"
    "  --version    the version\n"
    "\n"
    "COM n resolves to MOTIVIEW_COM<n> when set, else to the n-th serial device present.\n"
    "Serial devices belong to the dialout group; see motiview(1).\n";

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    // Answered before QApplication exists, so they work without a display.
    const motiview::StartOptions options = motiview::parse_start_options(args);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "motiview: %s\n%s", qPrintable(options.error), kUsage);
        return 64;
    }
    if (options.version) {
        std::printf("%s\n", MOTIVIEW_VERSION);
        return 0;
    }
    if (options.help) {
        std::printf("%s", kUsage);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("EV Motiview"));
    QApplication::setApplicationVersion(QStringLiteral(MOTIVIEW_VERSION));
    // Wayland shells match the window to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTIVIEW_APP_ID));
    // ~/.config/motiview/motiview.ini: the last port and line settings, "Connect at start".
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("motiview"),
                    QStringLiteral("motiview"));
    // The language chosen last time, else the system's (German or Chinese), else English.
    const motiview::Language language = motiview::load_language(store, QLocale::system());
    if (!motiview::install_language(language)) {
        std::fprintf(stderr, "motiview: the %s translation cannot be loaded; English it is\n",
                     motiview::language_info(language).menuText.data());
    }
    motiview::SerialPort port;
    motiview::MainWindow window(port, nullptr, &store);
    window.show();
    // The service history: refused files are named in a message and left as they are.
    const std::string history =
        motiview::history_path(options.history.toStdString(), std::getenv("MOTIVIEW_HISTORY"),
                               std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    QTimer::singleShot(0, &window, [&window, history] {
        (void)window.useHistory(QString::fromStdString(history));
    });
    const auto choice =
        motiview::start_port(options, motiview::load_link_prefs(store).port.settings);
    // Once the window is up, so that a refused port's message has its window.
    QTimer::singleShot(0, &window, [&window, choice] { window.startUp(choice); });
    return QApplication::exec();
}

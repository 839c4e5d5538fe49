#pragma once
// End-to-end harness: the simulator as a child process on a pseudo-terminal, the program's
// main window with the real serial wrapper pointed at it through MOTIVIEW_COM1.

#include "app/main_window.h"
#include "link/qt/serial_port.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

namespace motiview::test {

class SimProcess {
  public:
    // Starts the simulator with a symlink and a block dump in a fresh temporary folder; with
    // `link`, the symlink is placed there instead (a second controller at the same path).
    explicit SimProcess(const QStringList& extraArgs = {}, const QString& link = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    [[nodiscard]] bool started() const { return started_; }
    [[nodiscard]] QString linkPath() const {
        return link_.isEmpty() ? dir_.filePath(QStringLiteral("com1")) : link_;
    }
    [[nodiscard]] QString dumpPath() const { return dir_.filePath(QStringLiteral("blocks.txt")); }
    // The stored blocks as the simulator last dumped them: CLI page name -> 32 hex bytes.
    [[nodiscard]] std::map<std::string, std::string> blocks() const;
    // The blocks once the simulator has dumped all of them (it does so right after it starts).
    [[nodiscard]] std::map<std::string, std::string> dumped(int timeoutMs = 3000) const;
    [[nodiscard]] QString errorOutput();
    void stop();
    [[nodiscard]] QProcess& process() { return process_; }

  private:
    QTemporaryDir dir_;
    QString link_;
    QProcess process_;
    bool started_ = false;
};

// The program against a simulator: main window, real serial port, COM 1 -> the simulator.
struct Rig {
    explicit Rig(const QStringList& simArgs = {});
    ~Rig();

    // Options > Com Setting..., port 1, Ok; true once the link is online.
    bool connect(int timeoutMs = 8000);
    bool waitForState(LinkState state, int timeoutMs);
    QString labelText(const char* name) const;

    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<MainWindow> window;
};

// A technician types `text` into the basic page's top speed and writes it: the page opened by its
// button, filled by the controller's reply, edited, written. The text the field held before;
// empty when the page never filled.
QString write_top_speed(Rig& rig, const QString& text);

// Waits for a message box with this text to open; closes it. Empty when none came.
QString waitForMessage(const QString& containing, int timeoutMs);

} // namespace motiview::test

#pragma once
// What the window keeps of the line beyond the panels: the samples the plots draw (one bounded
// ring per value), the rows a recording would hold for as long (so the live plot can save what it
// shows), the traffic monitor's log, and a recording of the status frames in the command line's
// CSV. It also holds the poll rate chosen for plotting and recording, and opens recordings read
// back into plot windows of their own. The main window feeds it every unit and every change of
// the link; nothing here sends to the controller.

#include "base/ring.h"
#include "link/qt/transport.h"
#include "link/receiver.h"
#include "link/supervisor.h"
#include "link/traffic_log.h"
#include "monitor/sample_ring.h"
#include "ui/plot_window.h"
#include "ui/recorder.h"
#include "ui/traffic_window.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <string>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMessageBox;
class QWidget;

namespace motiview {

class LiveTools final : public QObject {
    Q_OBJECT
  public:
    LiveTools(Transport& port, Supervisor& supervisor, QWidget* window);

    // File: "Record...", "Stop recording" and "Open recording..."; View: "Plot...", "Traffic..."
    // and the poll rate.
    void addRecordActions(QMenu* file);
    void addViewActions(QMenu* view);
    // The status bar panel that shows the poll rate and the recording.
    void setPanel(QLabel* panel);
    // The texts of the actions and menu made above, and the panel, in the window's language
    // (the main window calls it when the language changes).
    void applyCaptions();

    // Every unit from the line, and what the receive path made of it.
    // A session's retry or lost acknowledgement, for the traffic monitor.
    void lineNote(const QString& text);
    void received(const Unit& unit, ActionType action);
    // After each poll tick: the link state before and after it.
    void linkChanged(LinkState before, LinkState after);

    QString startRecording(const QString& path);
    void stopRecording();
    void setPollRate(int perSecond);
    void openPlot();
    void openTraffic();
    // A recording in a plot window of its own, or a message saying why the file was refused.
    PlotWindow* openRecording(const QString& path);

    // The status rows received between two times of the samples' clock, both included, as a
    // recording: the header, then each frame's row with its wall-clock time, the elapsed time
    // counted from the first of them.
    [[nodiscard]] std::string liveRows(std::int64_t fromMs, std::int64_t toMs) const;

    [[nodiscard]] const SampleStore& samples() const { return samples_; }
    [[nodiscard]] const TrafficLog& traffic() const { return traffic_; }
    [[nodiscard]] Recorder& recorder() { return recorder_; }
    [[nodiscard]] PlotWindow* plotWindow() const { return plot_; }
    [[nodiscard]] TrafficWindow* trafficWindow() const { return trafficWindow_; }
    [[nodiscard]] QList<PlotWindow*> recordingWindows() const;
    [[nodiscard]] QMessageBox* lastMessage() const { return message_; }

  private:
    // What a recording row is made of, kept as received; the row text is made when saved.
    struct LiveRow {
        std::int64_t timeMs = 0;
        std::string wallTime;
        Unit frame{};
    };

    [[nodiscard]] std::int64_t now() const { return clock_.elapsed(); }
    void askRecordPath();
    void askRecordingPath();
    void updatePanel();
    void showMessage(const QString& text);

    Supervisor& supervisor_;
    QWidget* window_;
    QElapsedTimer clock_;
    SampleStore samples_;
    Ring<LiveRow> rows_{samples_.capacity()};
    TrafficLog traffic_;
    Recorder recorder_;
    bool online_ = false;

    QAction* actRecord_ = nullptr;
    QAction* actStopRecord_ = nullptr;
    QAction* actOpenRecording_ = nullptr;
    QAction* actPlot_ = nullptr;
    QAction* actTraffic_ = nullptr;
    QMenu* menuRate_ = nullptr;
    QActionGroup* rates_ = nullptr;
    QLabel* panel_ = nullptr;
    QPointer<PlotWindow> plot_;
    QPointer<TrafficWindow> trafficWindow_;
    QList<QPointer<PlotWindow>> recordings_;
    QPointer<QMessageBox> message_;
};

} // namespace motiview

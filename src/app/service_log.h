#pragma once
// The window's service history and jobs. With "Keep service history" on, the first time a
// controller is online in a run its pages are read quietly ("as found") and kept under its serial
// number; fault words that change, page writes, hall tests, counter resets and recordings become
// its events. File > Start job... ties them to a job; File > Finish job... reads the controller
// "as left" and writes the service report (PDF, with HTML and JSON beside it). A job the program
// left open is marked "not completed" at the next start. Nothing here blocks: readings run
// through the parameter flows' driver, dialogs open without a nested event loop.

#include "history/history_store.h"
#include "jobs/service_events.h"
#include "link/qt/transport.h"
#include "link/supervisor.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h" // the history window keeps its difference view
#include "ui/history_window.h"
#include "ui/job_dialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMessageBox;
class QSettings;
class QWidget;

namespace motiview {

class ParameterFlows;
class Recorder;

class ServiceLog final : public QObject {
    Q_OBJECT
  public:
    ServiceLog(Transport& port, ParameterFlows& flows, QWidget* window, QSettings* settings);
    ~ServiceLog() override;

    // Opens the history file; false (with the reason in a message) when it is refused. Until it
    // is opened nothing is kept.
    bool useHistory(const QString& path);
    [[nodiscard]] HistoryStore* store() const { return store_.get(); }
    [[nodiscard]] const QString& historyError() const { return error_; }

    // File: "Start job...", "Finish job..."; Options: "Keep service history"; View: "Service
    // history...".
    void addFileActions(QMenu* file);
    void addOptionActions(QMenu* options);
    void addViewActions(QMenu* view);
    // Sets those menu items' texts and tips again, in the window's language.
    void applyCaptions();

    // "Keep service history": remembered between runs, on by default.
    [[nodiscard]] bool keeping() const;
    void setKeeping(bool on);

    // What the receive path sees: status frames, replies, the controller's messages.
    void statusReceived(const Unit& frame);
    void pageReplyReceived(PageId page, const Unit& reply);
    void writeAcknowledged(const QString& text);
    void hallTestDone(const QString& text);
    // After each poll tick.
    void linkChanged(LinkState before, LinkState after);
    // The recorder, whose recordings become events.
    void watchRecorder(Recorder& recorder);

    // The job under way, if any.
    [[nodiscard]] const std::optional<JobRecord>& job() const { return job_; }
    // " - job J-1" for the title bar, "" without a job.
    [[nodiscard]] QString titleSuffix() const;
    // The controller known from its pages this run, if any.
    [[nodiscard]] std::optional<std::string> serial() const;

    // The menu items' flows, also for tests.
    void startJob();
    void finishJob();
    void beginJob(const JobFields& fields);
    void endJob(const QString& workDone);
    void writeReportTo(const QString& pdf);
    void openHistory();

    [[nodiscard]] JobDialog* jobDialog() const { return dialog_; }
    [[nodiscard]] HistoryWindow* historyWindow() const { return historyWindow_; }
    [[nodiscard]] QMessageBox* lastMessage() const { return message_; }
    // The report written last, "" before one.
    [[nodiscard]] const QString& lastReport() const { return lastReport_; }

  signals:
    // The job started, finished or was renamed: the title bar and status bar follow.
    void jobChanged();
    // A short line for the status bar.
    void notice(const QString& text);
    // A snapshot from the history window goes to the restore flow.
    void restoreRequested(const QString& parameterFile);

  private:
    // Why a quiet reading was asked for; what it is stored as.
    enum class Reading : std::uint8_t {
        None,
        Identify,
        JobFound,
        JobLeft,
        AfterWrite,
        AfterRestore
    };

    void requestReading(Reading why);
    void startReading();
    void onSnapshot(const std::optional<ParameterSet>& pages);
    void onSaved(const ParameterSet& pages);
    void onPageWritten(PageId page, const Unit& before, const Unit& after, const QString& verdict);
    void onRestoreFinished();
    void onFrameSent(const Bytes& frame);
    void keep(const ServiceEvent& e);
    void storePages(const ParameterSet& pages, std::string_view source);
    void closeLeftOpenJobs();
    void updateActions();
    void askReportPath();
    void complain(const QString& text);

    Transport& port_;
    ParameterFlows& flows_;
    QWidget* window_;
    QSettings* settings_;
    std::unique_ptr<HistoryStore> store_;
    std::unique_ptr<ServiceRecord> record_;
    QString error_;

    std::set<std::string> seenThisRun_;     // controllers read "as found" this run
    std::optional<ParameterSet> lastPages_; // the controller's pages as last read
    std::optional<Unit> lastStatus_;        // the last status frame
    Reading pending_ = Reading::None;       // the reading to run when the line is free
    Reading running_ = Reading::None;       // the reading under way
    bool online_ = false;
    std::optional<JobRecord> job_;
    std::optional<PageId> pendingWrite_; // a page window's write awaiting its answer
    Unit pendingFrame_{};
    std::optional<std::string> pendingHall_; // "a" or "b"
    bool pendingReset_ = false;
    int failedReadings_ = 0; // in a row: a controller that will not answer
    std::vector<std::pair<PageId, Unit>> restoredBefore_; // a restore's pages as held before
    bool keep_ = true;

    QAction* actKeep_ = nullptr;
    QAction* actStartJob_ = nullptr;
    QAction* actFinishJob_ = nullptr;
    QAction* actHistory_ = nullptr;
    QPointer<JobDialog> dialog_;
    QPointer<HistoryWindow> historyWindow_;
    QPointer<QMessageBox> message_;
    QString lastReport_;
};

} // namespace motiview

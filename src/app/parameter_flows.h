#pragma once
// The File menu's parameter sets: save the controller to a file, compare it with one, restore
// one. Each runs the command line's workflows (read pages, write a plan with read-back) through
// the one session driver, a page at a time, behind a progress dialog that names the page and can
// be cancelled; nothing blocks and polling goes on meanwhile. A damaged file is refused before
// anything is sent, and a save leaves nothing half-written.

#include "jobs/page_jobs.h"
#include "link/qt/session_driver.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h"
#include "ui/progress_dialog.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace motiview {

class ParameterFlows final : public QObject {
    Q_OBJECT
  public:
    // `userName` gives the name the controller sent, or "" (for the default file name).
    ParameterFlows(Transport& port, QWidget* window, std::function<QString()> userName);

    // The menu items: a file dialog first (never a nested event loop), then the flow.
    void saveParameters();
    void compareWithFile();
    void restoreParameters();

    // The flows once the file is chosen.
    void saveTo(const QString& path);
    void compareWith(const QString& path);
    void restoreFrom(const QString& path);

    // Reads every page quietly, without a progress dialog and without touching the open page
    // windows (the service history's "as found" and "as left"); ends in snapshotDone. False
    // while another flow runs. A flow the user starts meanwhile ends the reading first.
    bool readSnapshot();
    [[nodiscard]] bool snapshotting() const { return flow_ == Flow::Snapshot; }

    // A session with the controller is under way.
    [[nodiscard]] bool busy() const { return flow_ != Flow::None; }
    // Restore writes are under way: their acknowledgements end in one summary, and the pages'
    // read-backs are shown on the open page windows.
    [[nodiscard]] bool writing() const { return flow_ == Flow::Write; }

    // Says the progress dialog's line again in the window's language; the main window calls it
    // when the language changes (the diff window and the dialogs follow by themselves).
    void applyCaptions();

    [[nodiscard]] QString defaultFileName() const;
    [[nodiscard]] ProgressDialog* progress() const { return progress_; }
    [[nodiscard]] DiffWindow* diffWindow() const { return diff_; }
    [[nodiscard]] QMessageBox* lastMessage() const { return message_; }

  signals:
    // A quiet reading ended: every page, or nothing (no answer, a lost port, or a flow of the
    // user's took the line).
    void snapshotDone(const std::optional<motiview::ParameterSet>& pages);
    // Every page read for a save.
    void parametersSaved(const motiview::ParameterSet& pages);
    // A page of a restore written: the page as held before, as read back after (or as sent
    // when nothing came back), and the verdict's words.
    void pageWritten(motiview::PageId page, const motiview::Unit& before,
                     const motiview::Unit& after, const QString& verdict);
    // The restore's writes are over.
    void restoreFinished();
    // A short line for the status bar.
    void notice(const QString& text);
    // A retry or a lost acknowledgement, for the traffic monitor.
    void lineNote(const QString& text);

  private:
    enum class Flow : std::uint8_t { None, Save, Compare, Restore, Write, Snapshot };

    bool begin(Flow flow, const QString& path, std::vector<PageId> pages);
    void yieldSnapshot();
    void startProgress(int steps);
    void onProgress();
    void onFinished();
    void onCancel();
    void finishSave();
    void finishCompare();
    void finishRestoreReads();
    void writePages(const std::vector<PageId>& pages);
    void finishWrites();
    void noteWritten(const PageWriteOutcome& o);
    [[nodiscard]] QString failedReads(const QString& nothing) const;
    void showMessage(const QString& text, QMessageBox::Icon icon);
    bool loadFile(const QString& path, const QString& refusal);

    Transport& port_;
    QWidget* window_;
    std::function<QString()> userName_;
    SessionDriver driver_;

    Flow flow_ = Flow::None;
    QString path_;
    std::vector<PageId> pages_; // the file's pages, in order
    std::unique_ptr<ReadJob> reads_;
    std::unique_ptr<WriteJob> writes_;

    ParameterSet file_;              // the file compared or restored
    std::vector<RestoreWrite> plan_; // the frames a restore may write, one per page of the file

    QPointer<ProgressDialog> progress_;
    QPointer<DiffWindow> diff_;
    QPointer<QMessageBox> message_;
};

} // namespace motiview

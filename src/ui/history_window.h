#pragma once
// The service history: every controller the workshop has met (newest visit first, filtered by
// serial number or user name) and, for the chosen one, its snapshots, jobs and events on one
// time line, newest first. Two snapshots compare in the difference view; one is exported to a
// parameter file or handed to the restore flow.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace motiview {

class DiffWindow;
class HistoryStore;

class HistoryWindow final : public QWidget {
    Q_OBJECT
  public:
    // `store` outlives the window. Lists the controllers at once.
    explicit HistoryWindow(HistoryStore& store, QWidget* parent = nullptr);
    ~HistoryWindow() override;
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    // Reads the store again; the chosen controller and snapshots stay chosen.
    void refresh();
    // Shows the controller's time line; a filter that hides it is cleared.
    void selectController(const QString& serial);

    [[nodiscard]] QTableWidget* controllerTable() const { return controllers_; }
    [[nodiscard]] QTableWidget* timelineTable() const { return timeline_; }
    [[nodiscard]] QString selectedSerial() const { return serial_; }
    // The store's last complaint, "" when everything read.
    [[nodiscard]] QString errorText() const;
    // The snapshot ids chosen in the time line, newest first.
    [[nodiscard]] std::vector<std::int64_t> selectedSnapshots() const;
    // The difference view of the last compare, while it is open.
    [[nodiscard]] DiffWindow* compareWindow() const;
    // "<serial>-<yyyy-MM-dd>.json" for the snapshot's day.
    [[nodiscard]] QString exportFileName(std::int64_t snapshot) const;

    // The buttons' handlers.
    void cmdHistoryCompare_Click();
    void cmdHistoryExport_Click();
    void cmdHistoryRestore_Click();
    // Writes the snapshot's content to `path`; false (and a message) when it cannot.
    bool exportSnapshot(std::int64_t snapshot, const QString& path);

  signals:
    // A snapshot written to a file, for the restore flow.
    void restoreRequested(const QString& parameterFile);

  protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    struct Line; // one row of the time line, as the store holds it
    struct Snapshot {
        std::int64_t id = 0;
        std::int64_t timeMs = 0;
        QString source;
    };
    // The two snapshots the difference view compares, for its title and column headers.
    struct Comparison {
        QString serial;
        std::int64_t olderMs = 0;
        QString olderSource;
        std::int64_t newerMs = 0;
        QString newerSource;
        bool same = false;
    };

    // Title, filter, buttons, column headers and the texts that say what is shown, in the
    // window's language.
    void applyCaptions();
    // The difference view's texts that this window puts over its own.
    void applyCompareCaptions();
    void updateCount();
    void updateTimelineTitle();
    // A time line row's texts.
    [[nodiscard]] static QString whatText(const Line& l);
    [[nodiscard]] static QString detailsText(const Line& l);
    [[nodiscard]] static QString tipText(const Line& l);

    void loadControllers();
    void loadTimeline();
    void applyFilter();
    void updateButtons();
    void showError(const QString& text);
    void showMessage(const QString& text);
    [[nodiscard]] const Snapshot* findSnapshot(std::int64_t id) const;
    // The snapshot's parameter file text, or nullopt after a message.
    [[nodiscard]] std::optional<std::string> contentOf(std::int64_t snapshot);

    HistoryStore& store_;
    QString serial_;
    std::vector<Snapshot> snapshots_; // the chosen controller's
    std::vector<Line> lines_;         // the time line's rows, in their order
    QString storeError_;
    QString timelineError_;
    Comparison comparison_;

    QLineEdit* filter_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* error_ = nullptr;
    QTableWidget* controllers_ = nullptr;
    QLabel* timelineTitle_ = nullptr;
    QTableWidget* timeline_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPointer<DiffWindow> diff_;
};

} // namespace motiview

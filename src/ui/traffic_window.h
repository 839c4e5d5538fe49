#pragma once
// The traffic monitor: every frame sent and unit received with what the program made of it,
// the running counts above. The table follows the traffic log on a 10 Hz timer, a batch at a
// time, so a flood on the line never waits for the table.

#include "link/traffic_log.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace motiview {

// The log's rows as a table, newest at the bottom. sync() appends what is new and drops from
// the top what fell off the ring; when most of the table changed it resets instead.
class TrafficModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { TimeColumn, DirectionColumn, BytesColumn, MeaningColumn, ColumnCount };
    static constexpr std::uint64_t kResetAbove = 2000; // rows new at once

    explicit TrafficModel(const TrafficLog& log, QObject* parent = nullptr);

    void sync();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // The log row behind a table row; null when it has left the ring since the last sync.
    [[nodiscard]] const TrafficRow* logRow(int row) const;

    // The column headers are asked for again (the language changed).
    void captionsChanged();

  private:
    const TrafficLog& log_;
    std::uint64_t first_ = 0; // log number of the top row
    std::uint64_t count_ = 0;
};

// Hides the polling: status requests and status frames.
class TrafficFilter final : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setHideStatus(bool hide);
    [[nodiscard]] bool hideStatus() const { return hideStatus_; }

  protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& parent) const override;

  private:
    bool hideStatus_ = false;
};

// True for the rows the status filter hides.
[[nodiscard]] bool is_status_traffic(const TrafficRow& row);

// "Sent: 12", "Received: 40", ... as the saved text heads the rows: always in English, so that
// a saved log reads the same whoever saved it.
[[nodiscard]] QStringList counter_texts(const TrafficCounters& counters);
// The same counts as the window shows them, in its language.
[[nodiscard]] QStringList shown_counter_texts(const TrafficCounters& counters);

class TrafficWindow final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRefreshIntervalMs = 100;

    // The log is fed by the main window; Clear empties it.
    explicit TrafficWindow(TrafficLog& log, QWidget* parent = nullptr);

    // Brings the counts and (unless paused) the table up to date; the timer calls it.
    void refresh();
    void setPaused(bool paused);
    void setHideStatus(bool hide);
    void clear();
    // Writes the log's rows (without the polling while it is hidden) as text, atomically.
    // Empty on success, otherwise what the user is told.
    QString saveText(const QString& path) const;

    [[nodiscard]] TrafficModel* model() const { return model_; }
    [[nodiscard]] TrafficFilter* filter() const { return filter_; }
    [[nodiscard]] QTableView* table() const { return table_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void applyCaptions();
    void updateCounters();
    void askSavePath();

    TrafficLog& log_;
    TrafficModel* model_ = nullptr;
    TrafficFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QCheckBox* hideStatus_ = nullptr;
    std::array<QLabel*, 7> counts_{};
    QTimer* timer_ = nullptr;
    bool paused_ = false;
};

} // namespace motiview

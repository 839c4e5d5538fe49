#pragma once
// Plots of the status panel's numbers, live or from a recording.
//
// Live, the window draws the last 1, 5 or 15 minutes of the sample store the recorder shares. It
// polls the store on a timer and redraws only when something new arrived, at most five times a
// second, so a flood of frames never reaches the drawing.
//
// Over a recording, the window owns a store filled from the file's rows and shows the whole ride
// at open, in seconds since the recording started; nothing new arrives, so there is no timer and
// no Pause. "All" or a span picks the window, and the mouse drags and zooms the time axis.
//
// In both, fault word and state changes show as vertical markers with their names, two cursors
// (A and B) measure values and times, and the picture and the rows shown can be saved.

#include "monitor/recording_file.h"
#include "monitor/sample_ring.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QCPAbstractItem;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCPRange;
class QCustomPlot;
class QLabel;
class QMouseEvent;
class QPushButton;
class QTimer;

namespace motiview {

enum class PlotAxis : std::uint8_t { Left, Right };

class PlotWindow final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRedrawIntervalMs = 200;
    static constexpr std::int64_t kGapMs = 2000; // longer without a frame breaks the curve

    // The CSV text (header included) of the rows received between two times of the store's
    // clock, both included; what the live window saves as its visible range.
    using RowProvider = std::function<std::string(std::int64_t fromMs, std::int64_t toMs)>;

    // A live window over a store that goes on filling.
    explicit PlotWindow(const SampleStore& store, QWidget* parent = nullptr);
    // A window over a recording read back; `fileName` names it in the title ("ride.csv - Plot").
    PlotWindow(Recording recording, const QString& fileName, QWidget* parent = nullptr);
    ~PlotWindow() override;

    // Reads a recording and makes its window (not shown yet), or returns nullptr and says why in
    // `error` (a file that cannot be read, or one with another header).
    [[nodiscard]] static PlotWindow* openRecording(const QString& path, QWidget* parent,
                                                   QString* error);

    [[nodiscard]] bool isRecording() const { return recording_ != nullptr; }

    // Curves shown, and the axis each is drawn against.
    void showChannel(PanelChannel c, bool shown);
    void setAxis(PanelChannel c, PlotAxis axis);
    // The visible span: 1, 5 or 15 minutes; over a recording also 0 for all of it.
    void setSpanMinutes(int minutes);
    // Over a recording: the time window shown, on the recording's clock (kept inside the
    // recording). Ignored by a live window, whose window follows the newest sample.
    void setTimeRange(std::int64_t fromMs, std::int64_t toMs);
    // The time window shown, on the store's clock.
    [[nodiscard]] std::pair<std::int64_t, std::int64_t> visibleRange() const {
        return {shownFrom_, shownTo_};
    }
    // Paused, the curves stand still while the store goes on filling (live windows only).
    void setPaused(bool paused);
    [[nodiscard]] bool paused() const { return paused_; }

    // The readout for the sample nearest to a time on the store's clock (what the mouse does).
    void setCursorTime(std::int64_t timeMs);
    [[nodiscard]] QString cursorText() const;

    // The two measuring cursors, each on the sample nearest to the time given: a click sets A,
    // a right click or Shift+click sets B.
    void setCursorA(std::int64_t timeMs);
    void setCursorB(std::int64_t timeMs);
    void clearCursors();
    // The times of A and B, B - A in seconds, and each shown curve's values at A and B and
    // their difference.
    [[nodiscard]] QString cursorsText() const;

    // The plot as PNG or PDF (one page), chosen by the file's suffix; an empty size takes the
    // plot's size in the window. False with the reason in `error`.
    bool saveImage(const QString& path, QSize size, QString* error);
    // The rows inside the shown time window as a recording (header included), written so that
    // a failure leaves no half file. Recording windows write the source rows exactly; live
    // windows ask the row provider.
    bool saveVisibleCsv(const QString& path, QString* error);
    void setRowProvider(RowProvider provider);

    // Redraws now if the store changed since the last redraw (the timer calls this).
    void refresh();

    // What is drawn, for the tests and the status line.
    [[nodiscard]] int redrawCount() const { return redraws_; }
    [[nodiscard]] QStringList markerTexts() const { return markerTexts_; }
    [[nodiscard]] int pointCount(PanelChannel c) const;
    [[nodiscard]] QCustomPlot* plot() const { return plot_; }
    [[nodiscard]] QString statusText() const;
    [[nodiscard]] const Recording* recording() const { return recording_.get(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct ChannelControls {
        QCheckBox* shown = nullptr;
        QComboBox* axis = nullptr;
        QCPGraph* graph = nullptr;
    };
    struct Cursor {
        std::optional<std::int64_t> timeMs; // as asked; drawn at the nearest sample
        QCPItemStraightLine* line = nullptr;
        QCPItemText* label = nullptr;
    };

    // A live window when `recording` is null, else one over a store filled from it.
    PlotWindow(const SampleStore* live, std::unique_ptr<Recording> recording,
               const QString& fileName, QWidget* parent);

    void build();
    // Every fixed text in the window's language; the readouts and the status line again.
    void applyCaptions();
    void channelsChanged();
    void redraw();
    void fillGraphs(std::int64_t fromMs, std::int64_t toMs);
    void showView(std::int64_t fromMs, std::int64_t toMs);
    void onRangeChanged(const QCPRange& range);
    void placeGraphs();
    void drawMarkers(std::int64_t fromMs, std::int64_t toMs);
    void scaleValueAxes();
    void setCursor(Cursor& cursor, std::int64_t timeMs, const QString& name, const QColor& color);
    void placeCursor(Cursor& cursor);
    void updateCursors();
    void onMouseMove(QMouseEvent* event);
    void onMousePress(QMouseEvent* event);
    void onMouseRelease(QMouseEvent* event);
    void askImagePath();
    void askCsvPath();
    // The status line: what the window shows (a recording's rows) and `text`, the last save.
    void setStatus(const QString& text);
    void showError(const QString& text);
    [[nodiscard]] QString timeText(std::int64_t ms) const;
    [[nodiscard]] QString baseName() const;

    // The store a recording window owns comes first, so that `store_` can refer to it.
    std::unique_ptr<SampleStore> owned_;
    std::unique_ptr<Recording> recording_;
    const SampleStore& store_;
    QString fileName_;
    RowProvider rows_;

    QCustomPlot* plot_ = nullptr;
    std::array<ChannelControls, kPanelChannelCount> channels_{};
    QLabel* curveHead_ = nullptr;
    QLabel* axisHead_ = nullptr;
    QLabel* spanLabel_ = nullptr;
    QComboBox* span_ = nullptr;
    QPushButton* pause_ = nullptr;
    QComboBox* imageSize_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* cursor_ = nullptr;
    QLabel* cursors_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* timer_ = nullptr;
    QCPItemStraightLine* cursorLine_ = nullptr;
    Cursor cursorA_;
    Cursor cursorB_;
    QList<QCPAbstractItem*> markers_;
    QStringList markerTexts_;
    QString baseStatus_; // what the status line says besides the last save
    QString lastSave_;
    std::optional<std::int64_t> hoverMs_; // where the mouse readout was last asked for
    std::optional<QPoint> pressedAt_;

    std::int64_t spanMs_ = 60'000; // live; over a recording 0 is all of it
    std::int64_t shownFrom_ = 0;
    std::int64_t shownTo_ = 0;
    bool applyingView_ = false;
    bool paused_ = false;
    bool dirty_ = true;
    std::optional<std::int64_t> frozenEnd_; // the window's end while paused
    std::uint64_t drawnTotal_ = 0;          // store frames when last drawn
    std::size_t drawnSize_ = 0;
    std::uint64_t drawnEvents_ = 0;
    int redraws_ = 0;
};

} // namespace motiview

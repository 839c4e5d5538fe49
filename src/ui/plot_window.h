#pragma once
// Live plots of the status panel's numbers over the last 1, 5 or 15 minutes, drawn from the
// sample store the recorder shares. The window polls the store on a timer and redraws only when
// something new arrived, at most five times a second, so a flood of frames never reaches the
// drawing. Fault word and state changes show as vertical markers with their names.

#include "monitor/sample_ring.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QCPAbstractItem;
class QCPGraph;
class QCPItemStraightLine;
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

    explicit PlotWindow(const SampleStore& store, QWidget* parent = nullptr);
    ~PlotWindow() override;

    // Curves shown, and the axis each is drawn against.
    void showChannel(PanelChannel c, bool shown);
    void setAxis(PanelChannel c, PlotAxis axis);
    // The visible span: 1, 5 or 15 minutes.
    void setSpanMinutes(int minutes);
    // Paused, the curves stand still while the store goes on filling.
    void setPaused(bool paused);
    [[nodiscard]] bool paused() const { return paused_; }

    // The readout for the sample nearest to a time on the store's clock (what the mouse does).
    void setCursorTime(std::int64_t timeMs);
    [[nodiscard]] QString cursorText() const;

    // Redraws now if the store changed since the last redraw (the timer calls this).
    void refresh();

    // What is drawn, for the tests and the status line.
    [[nodiscard]] int redrawCount() const { return redraws_; }
    [[nodiscard]] QStringList markerTexts() const { return markerTexts_; }
    [[nodiscard]] int pointCount(PanelChannel c) const;
    [[nodiscard]] QCustomPlot* plot() const { return plot_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    struct ChannelControls {
        QCheckBox* shown = nullptr;
        QComboBox* axis = nullptr;
        QCPGraph* graph = nullptr;
    };

    void redraw();
    void placeGraphs();
    void drawMarkers(std::int64_t fromMs, std::int64_t toMs);
    void scaleValueAxes();
    void onMouseMove(QMouseEvent* event);

    const SampleStore& store_;
    QCustomPlot* plot_ = nullptr;
    std::array<ChannelControls, kPanelChannelCount> channels_{};
    QComboBox* span_ = nullptr;
    QPushButton* pause_ = nullptr;
    QLabel* cursor_ = nullptr;
    QTimer* timer_ = nullptr;
    QCPItemStraightLine* cursorLine_ = nullptr;
    QList<QCPAbstractItem*> markers_;
    QStringList markerTexts_;

    std::int64_t spanMs_ = 60'000;
    bool paused_ = false;
    bool dirty_ = true;
    std::optional<std::int64_t> frozenEnd_; // the window's end while paused
    std::uint64_t drawnTotal_ = 0;          // store frames when last drawn
    std::size_t drawnSize_ = 0;
    std::uint64_t drawnEvents_ = 0;
    int redraws_ = 0;
};

} // namespace motiview

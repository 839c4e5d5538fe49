#include "ui/plot_window.h"

#include "base/qt/text.h"
#include "params/parameter_file.h"
#include "ui/message_box.h"
#include "ui/plot_render.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace motiview {
namespace {

// One colour per channel, told apart on a laptop screen.
const std::array<QColor, kPanelChannelCount> kColors = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
    QColor(0x17, 0xbe, 0xcf)};
const QColor kCursorAColor(0x00, 0x4c, 0x99);
const QColor kCursorBColor(0xb3, 0x59, 0x00);

constexpr std::array<int, 3> kSpans = {1, 5, 15}; // minutes
constexpr int kMaxMarkers = 200;                  // a flapping fault draws the newest ones
constexpr std::int64_t kMinViewMs = 1000;         // zoomed in no further than a second
constexpr int kClickSlopPx = 3;                   // further, and a click was a drag

constexpr std::int64_t kAllTime = std::numeric_limits<std::int64_t>::max();

double seconds(std::int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}

std::int64_t millis(double seconds) {
    return static_cast<std::int64_t>(std::llround(seconds * 1000.0));
}

QString clock_text(std::int64_t ms) {
    const std::int64_t tenths = ms / 100;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(tenths / 36000)
        .arg((tenths / 600) % 60, 2, 10, QLatin1Char('0'))
        .arg((tenths / 10) % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

// "12.345", "-0.500": milliseconds as seconds, exact.
QString seconds_text(std::int64_t ms) {
    const std::int64_t magnitude = ms < 0 ? -ms : ms;
    return QStringLiteral("%1%2.%3")
        .arg(ms < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 1000)
        .arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
}

QString value_text(double v) {
    return QString::number(v, 'g', 10);
}

QString difference_text(double d) {
    return (d > 0 ? QStringLiteral("+") : QString()) + value_text(d);
}

// A curve's caption with its unit, translated with the panel captions it matches.
QString caption_of(const PanelChannelInfo& info) {
    return tq("Panels", info.caption);
}

} // namespace

PlotWindow::PlotWindow(const SampleStore& store, QWidget* parent)
    : PlotWindow(&store, nullptr, QString(), parent) {}

PlotWindow::PlotWindow(Recording recording, const QString& fileName, QWidget* parent)
    : PlotWindow(nullptr, std::make_unique<Recording>(std::move(recording)), fileName, parent) {}

PlotWindow::PlotWindow(const SampleStore* live, std::unique_ptr<Recording> recording,
                       const QString& fileName, QWidget* parent)
    : QWidget(parent),
      owned_(recording ? std::make_unique<SampleStore>(sample_store_of(*recording)) : nullptr),
      recording_(std::move(recording)), store_(owned_ ? *owned_ : *live), fileName_(fileName) {
    build();
}

PlotWindow::~PlotWindow() = default;

PlotWindow* PlotWindow::openRecording(const QString& path, QWidget* parent, QString* error) {
    Result<Recording> r = load_recording(path);
    if (!r.ok()) {
        if (error != nullptr) {
            *error = qs(r.error().message);
        }
        return nullptr;
    }
    return new PlotWindow(std::move(r).value(), QFileInfo(path).fileName(), parent);
}

void PlotWindow::build() {
    const bool fromFile = isRecording();
    setObjectName(fromFile ? QStringLiteral("frmRecordingPlot") : QStringLiteral("frmPlot"));

    if (fromFile) {
        // The whole ride at open; nothing new arrives, so nothing polls.
        spanMs_ = 0;
        shownFrom_ = std::numeric_limits<std::int64_t>::min();
        shownTo_ = kAllTime;
    }

    plot_ = new QCustomPlot(this);
    plot_->setObjectName(fromFile ? QStringLiteral("plotRecording") : QStringLiteral("plotLive"));
    plot_->setMinimumSize(640, 360);
    plot_->legend->setVisible(true);
    // Thin curves redrawn five times a second: smoothing them cost more than the rest of the
    // window together.
    plot_->setNotAntialiasedElements(QCP::aeAll);
    plot_->setPlottingHint(QCP::phFastPolylines, true);
    plot_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignRight);
    if (fromFile) {
        // A finished ride: the mouse moves and zooms along it; the values rescale to what shows.
        plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
        plot_->axisRect()->setRangeDrag(Qt::Horizontal);
        plot_->axisRect()->setRangeZoom(Qt::Horizontal);
        connect(plot_->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
                &PlotWindow::onRangeChanged);
    } else {
        QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
        ticker->setTimeFormat(QStringLiteral("%h:%m:%s"));
        plot_->xAxis->setTicker(ticker);
    }
    plot_->yAxis2->setTickLabels(true);
    connect(plot_, &QCustomPlot::mouseMove, this, &PlotWindow::onMouseMove);
    connect(plot_, &QCustomPlot::mousePress, this, &PlotWindow::onMousePress);
    connect(plot_, &QCustomPlot::mouseRelease, this, &PlotWindow::onMouseRelease);

    cursorLine_ = new QCPItemStraightLine(plot_);
    cursorLine_->setPen(QPen(Qt::black, 1, Qt::DotLine));
    cursorLine_->setVisible(false);

    auto* choices = new QGridLayout;
    curveHead_ = new QLabel(this);
    curveHead_->setObjectName(QStringLiteral("lblCurve"));
    axisHead_ = new QLabel(this);
    axisHead_->setObjectName(QStringLiteral("lblAxis"));
    choices->addWidget(curveHead_, 0, 0);
    choices->addWidget(axisHead_, 0, 1);
    for (const PanelChannelInfo& info : kPanelChannels) {
        const auto i = static_cast<std::size_t>(info.channel);
        ChannelControls& c = channels_[i];
        const QString column = qs(info.column);
        c.shown = new QCheckBox(this);
        c.shown->setObjectName(QStringLiteral("chk_") + column);
        c.axis = new QComboBox(this);
        c.axis->setObjectName(QStringLiteral("cbo_axis_") + column);
        // Left and right; placeGraphs goes by the index, so the texts may be translated.
        c.axis->addItems({QString(), QString()});
        c.graph = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        // One device pixel whatever the scale: a wider pen is stroked as an outline, which over
        // an hour of noisy rows took seconds instead of a tenth of one.
        QPen pen(kColors[i], 1);
        pen.setCosmetic(true);
        c.graph->setPen(pen);
        c.graph->setAdaptiveSampling(true);
        const int row = static_cast<int>(i) + 1;
        choices->addWidget(c.shown, row, 0);
        choices->addWidget(c.axis, row, 1);
        connect(c.shown, &QCheckBox::toggled, this, &PlotWindow::channelsChanged);
        connect(c.axis, &QComboBox::currentIndexChanged, this, &PlotWindow::channelsChanged);
    }

    span_ = new QComboBox(this);
    span_->setObjectName(QStringLiteral("cboWindow"));
    if (fromFile) {
        span_->addItem(QString(), 0);
    }
    for (int m : kSpans) {
        span_->addItem(QString(), m);
    }
    connect(span_, &QComboBox::currentIndexChanged, this,
            [this] { setSpanMinutes(span_->currentData().toInt()); });

    auto* bar = new QHBoxLayout;
    spanLabel_ = new QLabel(this);
    spanLabel_->setObjectName(QStringLiteral("lblWindow"));
    bar->addWidget(spanLabel_);
    bar->addWidget(span_);
    if (!fromFile) {
        pause_ = new QPushButton(this);
        pause_->setObjectName(QStringLiteral("cmdPause"));
        pause_->setCheckable(true);
        connect(pause_, &QPushButton::toggled, this, &PlotWindow::setPaused);
        bar->addWidget(pause_);
    }
    bar->addSpacing(16);

    saveImage_ = new QPushButton(this);
    saveImage_->setObjectName(QStringLiteral("cmdSaveImage"));
    connect(saveImage_, &QPushButton::clicked, this, &PlotWindow::askImagePath);
    imageSize_ = new QComboBox(this);
    imageSize_->setObjectName(QStringLiteral("cboImageSize"));
    imageSize_->addItem(QString(), QSize()); // the window's size
    for (const QSize s : {QSize(1280, 720), QSize(1600, 900), QSize(1920, 1080)}) {
        imageSize_->addItem(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()), s);
    }
    saveCsv_ = new QPushButton(this);
    saveCsv_->setObjectName(QStringLiteral("cmdSaveCsv"));
    saveCsv_->setEnabled(fromFile); // a live window once it has rows to give
    connect(saveCsv_, &QPushButton::clicked, this, &PlotWindow::askCsvPath);
    bar->addWidget(saveImage_);
    bar->addWidget(imageSize_);
    bar->addWidget(saveCsv_);
    bar->addStretch(1);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("lblCursorHint"));
    hint_->setEnabled(false); // greyed: a hint, not a value
    cursors_ = new QLabel(this);
    cursors_->setObjectName(QStringLiteral("lblCursors"));
    cursors_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cursors_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    clear_ = new QPushButton(this);
    clear_->setObjectName(QStringLiteral("cmdClearCursors"));
    connect(clear_, &QPushButton::clicked, this, &PlotWindow::clearCursors);

    auto* side = new QVBoxLayout;
    side->addLayout(choices);
    side->addSpacing(12);
    side->addWidget(hint_);
    side->addWidget(cursors_);
    side->addWidget(clear_, 0, Qt::AlignLeft);
    side->addStretch(1);

    cursor_ = new QLabel(this);
    cursor_->setObjectName(QStringLiteral("lblCursor"));
    cursor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* right = new QVBoxLayout;
    right->addWidget(plot_, 1);
    right->addWidget(cursor_);

    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    layout->addWidget(status_);
    applyCaptions();

    // Voltage and current on the left, speed on the right to start with.
    channels_[static_cast<std::size_t>(PanelChannel::Speed)].axis->setCurrentIndex(1);
    for (PanelChannel c : {PanelChannel::Vdc, PanelChannel::Idc, PanelChannel::Speed}) {
        channels_[static_cast<std::size_t>(c)].shown->setChecked(true);
    }
    placeGraphs();

    if (fromFile) {
        refresh();
        return;
    }
    timer_ = new QTimer(this);
    timer_->setInterval(kRedrawIntervalMs);
    connect(timer_, &QTimer::timeout, this, &PlotWindow::refresh);
}

void PlotWindow::applyCaptions() {
    const bool fromFile = isRecording();
    setWindowTitle(fromFile ? tr("%1 - Plot").arg(fileName_) : tr("Live plots"));
    plot_->xAxis->setLabel(fromFile ? tr("time since the recording started [s]")
                                    : tr("time since start [h:min:s]"));
    curveHead_->setText(tr("Curve"));
    axisHead_->setText(tr("Axis"));
    for (const PanelChannelInfo& info : kPanelChannels) {
        const ChannelControls& c = channels_[static_cast<std::size_t>(info.channel)];
        c.shown->setText(caption_of(info));
        c.graph->setName(caption_of(info));
        c.axis->setItemText(0, tr("left"));
        c.axis->setItemText(1, tr("right"));
    }
    for (int i = 0; i < span_->count(); ++i) {
        const int minutes = span_->itemData(i).toInt();
        span_->setItemText(i, minutes == 0 ? tr("All") : tr("%1 min").arg(minutes));
    }
    spanLabel_->setText(tr("Window"));
    if (pause_ != nullptr) {
        pause_->setText(paused_ ? tr("Resume") : tr("Pause"));
    }
    saveImage_->setText(tr("Save image..."));
    imageSize_->setToolTip(tr("Size of the saved image"));
    imageSize_->setItemText(0, tr("Window size"));
    saveCsv_->setText(tr("Save visible range as CSV..."));
    hint_->setText(fromFile ? tr("Click: cursor A\nRight-click or Shift+click: cursor B\n"
                                 "Drag: move in time\nWheel: zoom in time")
                            : tr("Click: cursor A\nRight-click or Shift+click: cursor B"));
    clear_->setText(tr("Clear cursors"));

    // The texts that show state, again in the new words.
    if (fromFile) {
        baseStatus_ =
            tr("%1 rows, %2 s")
                .arg(recording_->rows.size())
                .arg(seconds_text(store_.size() > 0 ? *store_.last_time() - store_.time(0) : 0));
        const std::string skipped = skipped_text(*recording_);
        if (!skipped.empty()) {
            baseStatus_ += QStringLiteral("; ") + qs(skipped);
        }
    }
    setStatus(lastSave_);
    placeGraphs(); // the value axes' labels
    updateCursors();
    if (hoverMs_) {
        setCursorTime(*hoverMs_);
    }
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void PlotWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QWidget::changeEvent(event);
}

void PlotWindow::showChannel(PanelChannel c, bool shown) {
    channels_[static_cast<std::size_t>(c)].shown->setChecked(shown);
}

void PlotWindow::setAxis(PanelChannel c, PlotAxis axis) {
    channels_[static_cast<std::size_t>(c)].axis->setCurrentIndex(axis == PlotAxis::Right ? 1 : 0);
}

void PlotWindow::channelsChanged() {
    placeGraphs();
    dirty_ = true;
    refresh();
    updateCursors();
}

void PlotWindow::setSpanMinutes(int minutes) {
    const int index = span_->findData(minutes);
    if (index < 0) {
        return;
    }
    span_->setCurrentIndex(index);
    spanMs_ = static_cast<std::int64_t>(minutes) * 60'000;
    if (isRecording()) {
        // A span starts where the window starts now; "All" is the whole ride.
        showView(spanMs_ == 0 ? std::numeric_limits<std::int64_t>::min() : shownFrom_,
                 spanMs_ == 0 ? kAllTime : shownFrom_ + spanMs_);
        return;
    }
    dirty_ = true;
    refresh();
}

void PlotWindow::setTimeRange(std::int64_t fromMs, std::int64_t toMs) {
    if (isRecording()) {
        showView(fromMs, toMs);
    }
}

void PlotWindow::setPaused(bool paused) {
    if (pause_ == nullptr) {
        return; // a recording does not move
    }
    if (pause_->isChecked() != paused) {
        pause_->setChecked(paused); // comes back here through toggled
        return;
    }
    paused_ = paused;
    pause_->setText(paused ? tr("Resume") : tr("Pause"));
    frozenEnd_.reset();
    if (paused) {
        frozenEnd_ = store_.last_time();
    } else {
        dirty_ = true;
        refresh();
    }
}

void PlotWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (timer_ != nullptr) {
        timer_->start();
    }
    refresh();
}

void PlotWindow::hideEvent(QHideEvent* event) {
    // Nothing to draw for while hidden; the store goes on filling.
    if (timer_ != nullptr) {
        timer_->stop();
    }
    QWidget::hideEvent(event);
}

void PlotWindow::refresh() {
    const bool storeChanged = store_.total() != drawnTotal_ || store_.size() != drawnSize_ ||
                              store_.events().total() != drawnEvents_;
    if (paused_ ? !dirty_ : !(dirty_ || storeChanged)) {
        return;
    }
    redraw();
}

void PlotWindow::placeGraphs() {
    bool anyRight = false;
    QStringList left;
    QStringList right;
    for (const PanelChannelInfo& info : kPanelChannels) {
        const ChannelControls& c = channels_[static_cast<std::size_t>(info.channel)];
        const bool onRight = c.axis->currentIndex() == 1;
        const bool shown = c.shown->isChecked();
        c.graph->setValueAxis(onRight ? plot_->yAxis2 : plot_->yAxis);
        c.graph->setVisible(shown);
        if (shown) {
            c.graph->addToLegend();
            (onRight ? right : left).append(caption_of(info));
            anyRight = anyRight || onRight;
        } else {
            c.graph->removeFromLegend();
        }
    }
    plot_->yAxis->setLabel(left.join(QStringLiteral(", ")));
    plot_->yAxis2->setLabel(right.join(QStringLiteral(", ")));
    plot_->yAxis2->setVisible(anyRight);
}

void PlotWindow::redraw() {
    dirty_ = false;
    drawnTotal_ = store_.total();
    drawnSize_ = store_.size();
    drawnEvents_ = store_.events().total();
    ++redraws_;

    if (isRecording()) {
        // Every row goes into the curves once; moving along the ride only moves the axis.
        fillGraphs(std::numeric_limits<std::int64_t>::min(), kAllTime);
        showView(shownFrom_, shownTo_);
        return;
    }

    std::int64_t end = paused_ && frozenEnd_ ? *frozenEnd_ : store_.last_time().value_or(0);
    std::int64_t begin = end - spanMs_;
    // Until the span is full the curves start at the left edge rather than at a time before
    // anything was received.
    if (store_.size() > 0 && begin < store_.time(0)) {
        begin = store_.time(0);
        end = begin + spanMs_;
    }
    shownFrom_ = begin;
    shownTo_ = end;
    fillGraphs(begin, end);
    plot_->xAxis->setRange(seconds(begin), seconds(end));
    scaleValueAxes();
    drawMarkers(begin, end);
    updateCursors(); // the ring may have dropped the samples under a cursor
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void PlotWindow::fillGraphs(std::int64_t fromMs, std::int64_t toMs) {
    const SampleRange range = store_.range(fromMs, toMs);
    for (const PanelChannelInfo& info : kPanelChannels) {
        const ChannelControls& c = channels_[static_cast<std::size_t>(info.channel)];
        QVector<QCPGraphData> points;
        if (c.shown->isChecked()) {
            points.reserve(static_cast<qsizetype>(range.last - range.first) + 16);
            for (std::size_t i = range.first; i < range.last; ++i) {
                const std::int64_t t = store_.time(i);
                if (i > range.first && t - store_.time(i - 1) > kGapMs) {
                    // The link was silent: a gap, not a straight line across it.
                    points.append(
                        QCPGraphData(seconds(t) - 0.001, std::numeric_limits<double>::quiet_NaN()));
                }
                points.append(QCPGraphData(seconds(t), store_.value(info.channel, i)));
            }
        }
        c.graph->data()->set(points, true);
    }
}

void PlotWindow::showView(std::int64_t fromMs, std::int64_t toMs) {
    // Kept inside the ride: a window larger than the ride shows all of it, one past an end is
    // moved back in.
    const std::int64_t first = store_.size() > 0 ? store_.time(0) : 0;
    const std::int64_t last = std::max(store_.last_time().value_or(0), first + kMinViewMs);
    if (toMs < fromMs) {
        std::swap(fromMs, toMs);
    }
    const std::int64_t whole = last - first;
    fromMs = std::clamp(fromMs, first - whole, last);
    toMs = std::clamp(toMs, first, last + whole);
    if (toMs - fromMs < kMinViewMs) {
        toMs = fromMs + kMinViewMs;
    }
    if (toMs - fromMs >= whole) {
        fromMs = first;
        toMs = last;
    } else if (fromMs < first) {
        toMs += first - fromMs;
        fromMs = first;
    } else if (toMs > last) {
        fromMs -= toMs - last;
        toMs = last;
    }
    shownFrom_ = fromMs;
    shownTo_ = toMs;
    applyingView_ = true;
    plot_->xAxis->setRange(seconds(fromMs), seconds(toMs));
    applyingView_ = false;
    scaleValueAxes();
    drawMarkers(fromMs, toMs);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void PlotWindow::onRangeChanged(const QCPRange& range) {
    if (!applyingView_) { // the mouse dragged or zoomed
        showView(millis(range.lower), millis(range.upper));
    }
}

void PlotWindow::scaleValueAxes() {
    for (QCPAxis* axis : {plot_->yAxis, plot_->yAxis2}) {
        bool first = true;
        for (const ChannelControls& c : channels_) {
            if (c.graph->visible() && c.graph->valueAxis() == axis && !c.graph->data()->isEmpty()) {
                c.graph->rescaleValueAxis(!first, true);
                first = false;
            }
        }
        if (first) {
            continue;
        }
        QCPRange r = axis->range();
        const double margin = r.size() > 0 ? r.size() * 0.05 : 1.0;
        axis->setRange(r.lower - margin, r.upper + margin);
    }
}

void PlotWindow::drawMarkers(std::int64_t fromMs, std::int64_t toMs) {
    for (QCPAbstractItem* item : markers_) {
        plot_->removeItem(item);
    }
    markers_.clear();
    markerTexts_.clear();

    std::vector<StatusEvent> events = store_.events_between(fromMs, toMs);
    if (events.size() > static_cast<std::size_t>(kMaxMarkers)) {
        events.erase(events.begin(), events.end() - kMaxMarkers);
    }
    int n = 0;
    for (const StatusEvent& e : events) {
        const bool fault = e.kind == EventKind::Faults;
        const QString text = QString::fromStdString(event_text(e));
        const QColor color = fault ? QColor(0xc0, 0x00, 0x00) : QColor(0x60, 0x60, 0x60);

        auto* line = new QCPItemStraightLine(plot_);
        line->setPen(QPen(color, 1, fault ? Qt::SolidLine : Qt::DashLine));
        line->point1->setCoords(seconds(e.timeMs), 0);
        line->point2->setCoords(seconds(e.timeMs), 1);
        line->setSelectable(false);

        auto* label = new QCPItemText(plot_);
        label->position->setTypeX(QCPItemPosition::ptPlotCoords);
        label->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
        // Staggered so neighbouring labels do not sit on each other.
        label->position->setCoords(seconds(e.timeMs), 0.03 + 0.06 * (n % 6));
        label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(text);
        label->setColor(color);
        label->setBrush(QColor(255, 255, 255, 200)); // readable over the curves
        label->setPadding(QMargins(3, 0, 3, 0));
        label->setSelectable(false);
        label->setClipToAxisRect(true);

        markers_ << line << label;
        markerTexts_ << text;
        ++n;
    }
}

QString PlotWindow::timeText(std::int64_t ms) const {
    return isRecording() ? seconds_text(ms) + QStringLiteral(" s") : clock_text(ms);
}

void PlotWindow::setCursorTime(std::int64_t timeMs) {
    hoverMs_ = timeMs;
    const std::optional<std::size_t> i = store_.nearest(timeMs);
    if (!i) {
        cursor_->setText(tr("no samples"));
        cursorLine_->setVisible(false);
        return;
    }
    const std::int64_t t = store_.time(*i);
    QStringList parts{timeText(t)};
    for (const PanelChannelInfo& info : kPanelChannels) {
        if (channels_[static_cast<std::size_t>(info.channel)].shown->isChecked()) {
            parts << QStringLiteral("%1 = %2")
                         .arg(caption_of(info))
                         .arg(store_.value(info.channel, *i), 0, 'g', 10);
        }
    }
    cursor_->setText(parts.join(QStringLiteral("   ")));
    cursorLine_->point1->setCoords(seconds(t), 0);
    cursorLine_->point2->setCoords(seconds(t), 1);
    cursorLine_->setVisible(true);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

QString PlotWindow::cursorText() const {
    return cursor_->text();
}

void PlotWindow::setCursorA(std::int64_t timeMs) {
    setCursor(cursorA_, timeMs, QStringLiteral("A"), kCursorAColor);
}

void PlotWindow::setCursorB(std::int64_t timeMs) {
    setCursor(cursorB_, timeMs, QStringLiteral("B"), kCursorBColor);
}

void PlotWindow::setCursor(Cursor& cursor, std::int64_t timeMs, const QString& name,
                           const QColor& color) {
    cursor.timeMs = timeMs;
    if (cursor.line == nullptr) {
        // Made on first use: a plot without cursors carries no items for them.
        cursor.line = new QCPItemStraightLine(plot_);
        cursor.line->setPen(QPen(color, 1.5));
        cursor.line->setSelectable(false);
        cursor.label = new QCPItemText(plot_);
        cursor.label->position->setTypeX(QCPItemPosition::ptPlotCoords);
        cursor.label->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
        cursor.label->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        cursor.label->setText(name);
        cursor.label->setColor(Qt::white);
        cursor.label->setBrush(QBrush(color));
        cursor.label->setPadding(QMargins(3, 1, 3, 1));
        QFont font = cursor.label->font();
        font.setBold(true);
        cursor.label->setFont(font);
        cursor.label->setSelectable(false);
        cursor.label->setClipToAxisRect(true);
    }
    updateCursors();
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void PlotWindow::clearCursors() {
    for (Cursor* c : {&cursorA_, &cursorB_}) {
        if (c->line != nullptr) {
            plot_->removeItem(c->line);
            plot_->removeItem(c->label);
        }
        *c = Cursor{};
    }
    updateCursors();
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void PlotWindow::placeCursor(Cursor& cursor) {
    if (cursor.line == nullptr) {
        return;
    }
    const std::optional<std::size_t> i =
        cursor.timeMs ? store_.nearest(*cursor.timeMs) : std::nullopt;
    cursor.line->setVisible(i.has_value());
    cursor.label->setVisible(i.has_value());
    if (i) {
        const double x = seconds(store_.time(*i));
        cursor.line->point1->setCoords(x, 0);
        cursor.line->point2->setCoords(x, 1);
        cursor.label->position->setCoords(x, 1.0);
    }
}

void PlotWindow::updateCursors() {
    placeCursor(cursorA_);
    placeCursor(cursorB_);
    const auto nearest = [this](const Cursor& c) {
        return c.timeMs ? store_.nearest(*c.timeMs) : std::nullopt;
    };
    const std::optional<std::size_t> a = nearest(cursorA_);
    const std::optional<std::size_t> b = nearest(cursorB_);
    if (!a && !b) {
        cursors_->setText(cursorA_.timeMs || cursorB_.timeMs ? tr("no samples") : QString());
        return;
    }
    QStringList head;
    if (a) {
        head << QStringLiteral("A ") + timeText(store_.time(*a));
    }
    if (b) {
        head << QStringLiteral("B ") + timeText(store_.time(*b));
    }
    if (a && b) {
        head << QStringLiteral("B - A ") + seconds_text(store_.time(*b) - store_.time(*a)) +
                    QStringLiteral(" s");
    }
    QStringList lines{head.join(QStringLiteral("   "))};
    for (const PanelChannelInfo& info : kPanelChannels) {
        if (!channels_[static_cast<std::size_t>(info.channel)].shown->isChecked()) {
            continue;
        }
        QStringList values;
        if (a) {
            values << QStringLiteral("A ") + value_text(store_.value(info.channel, *a));
        }
        if (b) {
            values << QStringLiteral("B ") + value_text(store_.value(info.channel, *b));
        }
        if (a && b) {
            values << QStringLiteral("B - A ") + difference_text(store_.value(info.channel, *b) -
                                                                 store_.value(info.channel, *a));
        }
        lines << caption_of(info) + QStringLiteral(": ") + values.join(QStringLiteral(", "));
    }
    cursors_->setText(lines.join(QLatin1Char('\n')));
}

QString PlotWindow::cursorsText() const {
    return cursors_->text();
}

void PlotWindow::onMouseMove(QMouseEvent* event) {
    if (!plot_->axisRect()->rect().contains(event->pos())) {
        return;
    }
    const double key = plot_->xAxis->pixelToCoord(event->position().x());
    setCursorTime(millis(key));
}

void PlotWindow::onMousePress(QMouseEvent* event) {
    pressedAt_.reset();
    if (plot_->axisRect()->rect().contains(event->pos())) {
        pressedAt_ = event->pos();
    }
}

void PlotWindow::onMouseRelease(QMouseEvent* event) {
    if (!pressedAt_) {
        return;
    }
    const bool moved = (event->pos() - *pressedAt_).manhattanLength() > kClickSlopPx;
    pressedAt_.reset();
    if (moved) {
        return; // the time axis was dragged
    }
    const std::int64_t t = millis(plot_->xAxis->pixelToCoord(event->position().x()));
    const bool shifted = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (event->button() == Qt::RightButton || (event->button() == Qt::LeftButton && shifted)) {
        setCursorB(t);
    } else if (event->button() == Qt::LeftButton) {
        setCursorA(t);
    }
}

int PlotWindow::pointCount(PanelChannel c) const {
    return channels_[static_cast<std::size_t>(c)].graph->data()->size();
}

bool PlotWindow::saveImage(const QString& path, QSize size, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    };
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf")) {
        return fail(tr("%1: an image is saved as .png or .pdf.").arg(path));
    }
    if (size.isEmpty()) {
        size = plot_->size();
    }
    if (size.width() < kMinImageSide || size.height() < kMinImageSide ||
        size.width() > kMaxImageSide || size.height() > kMaxImageSide) {
        return fail(tr("An image of %1x%2 pixels cannot be saved: each side is %3 to "
                       "%4 pixels.")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMinImageSide)
                        .arg(kMaxImageSide));
    }
    refresh(); // what is saved is what the window shows now
    const bool saved = suffix == QLatin1String("png")
                           ? plot_->savePng(path, size.width(), size.height(), 1.0, -1)
                           : plot_->savePdf(path, size.width(), size.height(), QCP::epAllowCosmetic,
                                            QStringLiteral("EV Motiview"), windowTitle());
    if (!saved || !QFileInfo::exists(path)) {
        return fail(tr("%1 cannot be written.").arg(path));
    }
    setStatus(tr("Saved %1 (%2x%3)")
                  .arg(QFileInfo(path).fileName())
                  .arg(size.width())
                  .arg(size.height()));
    return true;
}

void PlotWindow::setRowProvider(RowProvider provider) {
    rows_ = std::move(provider);
    saveCsv_->setEnabled(isRecording() || static_cast<bool>(rows_));
}

bool PlotWindow::saveVisibleCsv(const QString& path, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    };
    refresh();
    if (!isRecording() && !rows_) {
        return fail(tr("This window has no rows to save."));
    }
    if (store_.range(shownFrom_, shownTo_).empty()) {
        return fail(tr("No rows in the shown time window; nothing was saved."));
    }
    const std::string text = isRecording() ? rows_between(*recording_, shownFrom_, shownTo_)
                                           : rows_(shownFrom_, shownTo_);
    const Result<bool> saved = save_file_atomically(QFile::encodeName(path).toStdString(), text);
    if (!saved.ok()) {
        return fail(qs(saved.error().message));
    }
    const auto lines = std::count(text.begin(), text.end(), '\n');
    setStatus(tr("Saved %1 rows to %2")
                  .arg(std::max<std::ptrdiff_t>(lines - 1, 0))
                  .arg(QFileInfo(path).fileName()));
    return true;
}

QString PlotWindow::baseName() const {
    if (isRecording()) {
        return QFileInfo(fileName_).completeBaseName();
    }
    return QStringLiteral("plot-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

void PlotWindow::askImagePath() {
    // One text per filter: the patterns and the separator stay out of the translators' hands.
    auto* d = new QFileDialog(this, tr("Save image"), baseName() + QStringLiteral(".png"),
                              tr("PNG image (*.png)") + QStringLiteral(";;") +
                                  tr("PDF document (*.pdf)"));
    d->setObjectName(QStringLiteral("dlgSaveImage"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("png"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::filterSelected, d, [d](const QString& filter) {
        d->setDefaultSuffix(filter.contains(QLatin1String("pdf")) ? QStringLiteral("pdf")
                                                                  : QStringLiteral("png"));
    });
    connect(d, &QFileDialog::fileSelected, this, [this](const QString& path) {
        QString error;
        if (!saveImage(path, imageSize_->currentData().toSize(), &error)) {
            showError(error);
        }
    });
    d->open();
}

void PlotWindow::askCsvPath() {
    const QString range =
        QStringLiteral("-%1-%2s").arg(seconds_text(shownFrom_), seconds_text(shownTo_));
    auto* d =
        new QFileDialog(this, tr("Save visible range as CSV"),
                        baseName() + (isRecording() ? range : QString()) + QStringLiteral(".csv"),
                        tr("Recordings (*.csv)"));
    d->setObjectName(QStringLiteral("dlgSaveCsv"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("csv"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, [this](const QString& path) {
        QString error;
        if (!saveVisibleCsv(path, &error)) {
            showError(error);
        }
    });
    d->open();
}

void PlotWindow::setStatus(const QString& text) {
    lastSave_ = text;
    QStringList parts;
    for (const QString& p : {baseStatus_, text}) {
        if (!p.isEmpty()) {
            parts << p;
        }
    }
    status_->setText(parts.join(QStringLiteral("   ")));
}

QString PlotWindow::statusText() const {
    return status_->text();
}

void PlotWindow::showError(const QString& text) {
    show_message_box(this, QMessageBox::Warning, windowTitle(), text, QStringLiteral("msgPlot"));
}

} // namespace motiview

#include "ui/plot_window.h"

#include "base/qt/text.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <qcustomplot.h>

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

constexpr std::array<int, 3> kSpans = {1, 5, 15}; // minutes
constexpr int kMaxMarkers = 200;                  // a flapping fault draws the newest ones

double seconds(std::int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}

QString clock_text(std::int64_t ms) {
    const std::int64_t tenths = ms / 100;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(tenths / 36000)
        .arg((tenths / 600) % 60, 2, 10, QLatin1Char('0'))
        .arg((tenths / 10) % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace

PlotWindow::PlotWindow(const SampleStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setObjectName(QStringLiteral("frmPlot"));
    setWindowTitle(QStringLiteral("Live plots"));

    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("plotLive"));
    plot_->setMinimumSize(640, 360);
    plot_->legend->setVisible(true);
    // Thin curves redrawn five times a second: smoothing them cost more than the rest of the
    // window together.
    plot_->setNotAntialiasedElements(QCP::aeAll);
    plot_->setPlottingHint(QCP::phFastPolylines, true);
    plot_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignRight);
    QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
    ticker->setTimeFormat(QStringLiteral("%h:%m:%s"));
    plot_->xAxis->setTicker(ticker);
    plot_->xAxis->setLabel(QStringLiteral("time since start [h:min:s]"));
    plot_->yAxis2->setTickLabels(true);
    connect(plot_, &QCustomPlot::mouseMove, this, &PlotWindow::onMouseMove);

    cursorLine_ = new QCPItemStraightLine(plot_);
    cursorLine_->setPen(QPen(Qt::black, 1, Qt::DotLine));
    cursorLine_->setVisible(false);

    auto* choices = new QGridLayout;
    choices->addWidget(new QLabel(QStringLiteral("Curve"), this), 0, 0);
    choices->addWidget(new QLabel(QStringLiteral("Axis"), this), 0, 1);
    for (const PanelChannelInfo& info : kPanelChannels) {
        const auto i = static_cast<std::size_t>(info.channel);
        ChannelControls& c = channels_[i];
        const QString column = qs(info.column);
        c.shown = new QCheckBox(qs(info.caption), this);
        c.shown->setObjectName(QStringLiteral("chk_") + column);
        c.axis = new QComboBox(this);
        c.axis->setObjectName(QStringLiteral("cbo_axis_") + column);
        c.axis->addItems({QStringLiteral("left"), QStringLiteral("right")});
        c.graph = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        c.graph->setName(qs(info.caption));
        c.graph->setPen(QPen(kColors[i], 1.5));
        c.graph->setAdaptiveSampling(true);
        const int row = static_cast<int>(i) + 1;
        choices->addWidget(c.shown, row, 0);
        choices->addWidget(c.axis, row, 1);
        connect(c.shown, &QCheckBox::toggled, this, [this] {
            placeGraphs();
            dirty_ = true;
            refresh();
        });
        connect(c.axis, &QComboBox::currentIndexChanged, this, [this] {
            placeGraphs();
            dirty_ = true;
            refresh();
        });
    }
    choices->setRowStretch(static_cast<int>(kPanelChannelCount) + 1, 1);

    span_ = new QComboBox(this);
    span_->setObjectName(QStringLiteral("cboWindow"));
    for (int m : kSpans) {
        span_->addItem(QStringLiteral("%1 min").arg(m), m);
    }
    connect(span_, &QComboBox::currentIndexChanged, this,
            [this] { setSpanMinutes(span_->currentData().toInt()); });

    pause_ = new QPushButton(QStringLiteral("Pause"), this);
    pause_->setObjectName(QStringLiteral("cmdPause"));
    pause_->setCheckable(true);
    connect(pause_, &QPushButton::toggled, this, &PlotWindow::setPaused);

    cursor_ = new QLabel(this);
    cursor_->setObjectName(QStringLiteral("lblCursor"));
    cursor_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Window"), this));
    bar->addWidget(span_);
    bar->addWidget(pause_);
    bar->addWidget(cursor_, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(choices);
    body->addWidget(plot_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);

    // Voltage and current on the left, speed on the right to start with.
    channels_[static_cast<std::size_t>(PanelChannel::Speed)].axis->setCurrentIndex(1);
    for (PanelChannel c : {PanelChannel::Vdc, PanelChannel::Idc, PanelChannel::Speed}) {
        channels_[static_cast<std::size_t>(c)].shown->setChecked(true);
    }
    placeGraphs();

    timer_ = new QTimer(this);
    timer_->setInterval(kRedrawIntervalMs);
    connect(timer_, &QTimer::timeout, this, &PlotWindow::refresh);
}

PlotWindow::~PlotWindow() = default;

void PlotWindow::showChannel(PanelChannel c, bool shown) {
    channels_[static_cast<std::size_t>(c)].shown->setChecked(shown);
}

void PlotWindow::setAxis(PanelChannel c, PlotAxis axis) {
    channels_[static_cast<std::size_t>(c)].axis->setCurrentIndex(axis == PlotAxis::Right ? 1 : 0);
}

void PlotWindow::setSpanMinutes(int minutes) {
    const int index = span_->findData(minutes);
    if (index < 0) {
        return;
    }
    span_->setCurrentIndex(index);
    spanMs_ = static_cast<std::int64_t>(minutes) * 60'000;
    dirty_ = true;
    refresh();
}

void PlotWindow::setPaused(bool paused) {
    if (pause_->isChecked() != paused) {
        pause_->setChecked(paused); // comes back here through toggled
        return;
    }
    paused_ = paused;
    pause_->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
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
    timer_->start();
    refresh();
}

void PlotWindow::hideEvent(QHideEvent* event) {
    // Nothing to draw for while hidden; the store goes on filling.
    timer_->stop();
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
            (onRight ? right : left).append(qs(info.caption));
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

    std::int64_t end = paused_ && frozenEnd_ ? *frozenEnd_ : store_.last_time().value_or(0);
    std::int64_t begin = end - spanMs_;
    // Until the span is full the curves start at the left edge rather than at a time before
    // anything was received.
    if (store_.size() > 0 && begin < store_.time(0)) {
        begin = store_.time(0);
        end = begin + spanMs_;
    }
    const SampleRange range = store_.range(begin, end);
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
    plot_->xAxis->setRange(seconds(begin), seconds(end));
    scaleValueAxes();
    drawMarkers(begin, end);
    plot_->replot(QCustomPlot::rpQueuedReplot);
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
        label->setPadding(QMargins(3, 0, 0, 0));
        label->setSelectable(false);
        label->setClipToAxisRect(true);

        markers_ << line << label;
        markerTexts_ << text;
        ++n;
    }
}

void PlotWindow::setCursorTime(std::int64_t timeMs) {
    const std::optional<std::size_t> i = store_.nearest(timeMs);
    if (!i) {
        cursor_->setText(QStringLiteral("no samples"));
        cursorLine_->setVisible(false);
        return;
    }
    const std::int64_t t = store_.time(*i);
    QStringList parts{clock_text(t)};
    for (const PanelChannelInfo& info : kPanelChannels) {
        if (channels_[static_cast<std::size_t>(info.channel)].shown->isChecked()) {
            parts << QStringLiteral("%1 = %2")
                         .arg(qs(info.caption))
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

void PlotWindow::onMouseMove(QMouseEvent* event) {
    if (!plot_->axisRect()->rect().contains(event->pos())) {
        return;
    }
    const double key = plot_->xAxis->pixelToCoord(event->position().x());
    setCursorTime(static_cast<std::int64_t>(std::llround(key * 1000.0)));
}

int PlotWindow::pointCount(PanelChannel c) const {
    return channels_[static_cast<std::size_t>(c)].graph->data()->size();
}

} // namespace motiview

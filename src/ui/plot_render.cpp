#include "ui/plot_render.h"

#include "ui/plot_window.h"

#include <qcustomplot.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace motiview {
namespace {

std::string seconds_text(std::int64_t ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3).toStdString();
}

// The hidden window over `r` with the curves and time window asked for, or why it cannot be.
Result<std::unique_ptr<PlotWindow>> prepared(const Recording& r,
                                             const std::vector<PanelChannel>& channels,
                                             std::optional<std::int64_t> fromMs,
                                             std::optional<std::int64_t> toMs,
                                             const QString& title) {
    if (r.rows.empty()) {
        return Error{"", "The recording holds no rows to draw."};
    }
    auto w = std::make_unique<PlotWindow>(r, title);
    if (!channels.empty()) {
        const auto wanted = [&channels](PanelChannel c) {
            return std::find(channels.begin(), channels.end(), c) != channels.end();
        };
        for (const PanelChannelInfo& info : kPanelChannels) {
            w->showChannel(info.channel, wanted(info.channel));
            // Speed has its own scale; alone, it takes the left axis.
            const bool right = info.channel == PanelChannel::Speed && channels.size() > 1;
            w->setAxis(info.channel, right ? PlotAxis::Right : PlotAxis::Left);
        }
    }
    const auto [shownFrom, shownTo] = w->visibleRange(); // the whole recording at open
    const std::int64_t from = fromMs.value_or(shownFrom);
    const std::int64_t to = toMs.value_or(shownTo);
    if (to < from) {
        return Error{"", "The range ends (" + seconds_text(to) + " s) before it starts (" +
                             seconds_text(from) + " s)."};
    }
    const bool anyRow = std::any_of(r.rows.begin(), r.rows.end(), [&](const RecordedRow& row) {
        return row.elapsedMs >= from && row.elapsedMs <= to;
    });
    if (!anyRow) {
        const auto [first, last] = std::minmax_element(
            r.rows.begin(), r.rows.end(),
            [](const RecordedRow& a, const RecordedRow& b) { return a.elapsedMs < b.elapsedMs; });
        return Error{"", "No rows between " + seconds_text(from) + " s and " + seconds_text(to) +
                             " s; the recording runs from " + seconds_text(first->elapsedMs) +
                             " s to " + seconds_text(last->elapsedMs) + " s."};
    }
    w->setTimeRange(from, to);
    w->refresh();
    return w;
}

} // namespace

Result<Recording> load_recording(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const auto fail = [&](const QString& why) -> Error {
        return Error{
            "",
            QStringLiteral("%1 cannot be opened as a recording: %2").arg(name, why).toStdString()};
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(file.errorString());
    }
    if (file.size() > kMaxRecordingBytes) {
        return fail(QStringLiteral("it holds %1 MB; recordings up to %2 MB are opened.")
                        .arg(file.size() / (1024 * 1024))
                        .arg(kMaxRecordingBytes / (1024 * 1024)));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fail(file.errorString());
    }
    Result<Recording> r =
        read_recording(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!r.ok()) {
        return fail(QString::fromStdString(r.error().message));
    }
    return r;
}

Result<bool> render_recording(const Recording& r, const std::vector<PanelChannel>& channels,
                              std::optional<std::int64_t> fromMs, std::optional<std::int64_t> toMs,
                              QSize size, const QString& path) {
    Result<std::unique_ptr<PlotWindow>> w =
        prepared(r, channels, fromMs, toMs, QFileInfo(path).fileName());
    if (!w) {
        return w.error();
    }
    QString error;
    if (!w.value()->saveImage(path, size.isEmpty() ? QSize(kRenderWidth, kRenderHeight) : size,
                              &error)) {
        return Error{"", error.toStdString()};
    }
    return true;
}

Result<QImage> render_recording_image(const Recording& r, const std::vector<PanelChannel>& channels,
                                      std::optional<std::int64_t> fromMs,
                                      std::optional<std::int64_t> toMs, QSize size, double scale) {
    Result<std::unique_ptr<PlotWindow>> w = prepared(r, channels, fromMs, toMs, QString());
    if (!w) {
        return w.error();
    }
    QImage image = w.value()->plot()->toPixmap(size.width(), size.height(), scale).toImage();
    if (image.isNull()) {
        return Error{"", "The plot could not be drawn."};
    }
    return image;
}

} // namespace motiview

#include "ui/plot_render.h"

#include "ui/plot_window.h"

#include <QFileInfo>

#include <algorithm>

namespace motiview {
namespace {

std::string seconds_text(std::int64_t ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3).toStdString();
}

} // namespace

Result<bool> render_recording(const Recording& r, const std::vector<PanelChannel>& channels,
                              std::optional<std::int64_t> fromMs, std::optional<std::int64_t> toMs,
                              QSize size, const QString& path) {
    if (r.rows.empty()) {
        return Error{"", "The recording holds no rows to draw."};
    }
    PlotWindow w(r, QFileInfo(path).fileName());
    if (!channels.empty()) {
        const auto wanted = [&channels](PanelChannel c) {
            return std::find(channels.begin(), channels.end(), c) != channels.end();
        };
        for (const PanelChannelInfo& info : kPanelChannels) {
            w.showChannel(info.channel, wanted(info.channel));
            // Speed has its own scale; alone, it takes the left axis.
            const bool right = info.channel == PanelChannel::Speed && channels.size() > 1;
            w.setAxis(info.channel, right ? PlotAxis::Right : PlotAxis::Left);
        }
    }
    const auto [first, last] = w.visibleRange(); // the whole recording at open
    const std::int64_t from = fromMs.value_or(first);
    const std::int64_t to = toMs.value_or(last);
    if (to < from) {
        return Error{"", "The range ends (" + seconds_text(to) + " s) before it starts (" +
                             seconds_text(from) + " s)."};
    }
    const bool anyRow = std::any_of(r.rows.begin(), r.rows.end(), [&](const RecordedRow& row) {
        return row.elapsedMs >= from && row.elapsedMs <= to;
    });
    if (!anyRow) {
        return Error{"", "No rows between " + seconds_text(from) + " s and " + seconds_text(to) +
                             " s; the recording runs from " + seconds_text(first) + " s to " +
                             seconds_text(last) + " s."};
    }
    w.setTimeRange(from, to);
    QString error;
    if (!w.saveImage(path, size.isEmpty() ? QSize(kRenderWidth, kRenderHeight) : size, &error)) {
        return Error{"", error.toStdString()};
    }
    return true;
}

} // namespace motiview

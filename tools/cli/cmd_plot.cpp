#include "cli.h"

#include "base/number_text.h"
#include "monitor/status_frame.h"
#include "ui/plot_render.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace motiview::cli {
namespace {

std::string channel_names() {
    std::string out;
    for (const PanelChannelInfo& info : kPanelChannels) {
        out += (out.empty() ? "" : ",") + std::string(info.column);
    }
    return out;
}

// "vdc_v,speed_rpm" by the recording's column names, in the order given, each once.
Result<std::vector<PanelChannel>> parse_channels(std::string_view text) {
    std::vector<PanelChannel> out;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const auto* info =
            std::find_if(kPanelChannels.begin(), kPanelChannels.end(),
                         [name](const PanelChannelInfo& i) { return i.column == name; });
        if (info == kPanelChannels.end()) {
            return Error{"", "--channels: no channel '" + std::string(name) +
                                 "'; the channels are " + channel_names()};
        }
        if (std::find(out.begin(), out.end(), info->channel) == out.end()) {
            out.push_back(info->channel);
        }
    }
    if (out.empty()) {
        return Error{"", "--channels: no channel given; the channels are " + channel_names()};
    }
    return out;
}

// "1600x900".
std::optional<QSize> parse_size(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    int w = 0;
    int h = 0;
    const std::string_view ws = text.substr(0, x);
    const std::string_view hs = text.substr(x + 1);
    const auto [we, wc] = std::from_chars(ws.data(), ws.data() + ws.size(), w);
    const auto [he, hc] = std::from_chars(hs.data(), hs.data() + hs.size(), h);
    if (wc != std::errc() || hc != std::errc() || we != ws.data() + ws.size() ||
        he != hs.data() + hs.size() || ws.empty() || hs.empty()) {
        return std::nullopt;
    }
    return QSize(w, h);
}

std::optional<std::int64_t> ms_of(std::optional<double> seconds) {
    if (!seconds) {
        return std::nullopt;
    }
    return std::llround(*seconds * 1000.0);
}

} // namespace

Outcome plot_command(const PlotOptions& opt) {
    const QString out = QString::fromStdString(opt.out);
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf")) {
        return usage_error("plot: --out must end in .png or .pdf, got '" + opt.out + "'");
    }
    std::vector<PanelChannel> channels;
    if (!opt.channels.empty()) {
        Result<std::vector<PanelChannel>> c = parse_channels(opt.channels);
        if (!c) {
            return usage_error("plot: " + c.error().message);
        }
        channels = std::move(c).value();
    }
    QSize size(kRenderWidth, kRenderHeight);
    if (!opt.size.empty()) {
        const std::optional<QSize> s = parse_size(opt.size);
        if (!s) {
            return usage_error("plot: --size: expected WIDTHxHEIGHT such as 1600x900, got '" +
                               opt.size + "'");
        }
        size = *s;
        if (std::min(size.width(), size.height()) < kMinImageSide ||
            std::max(size.width(), size.height()) > kMaxImageSide) {
            return usage_error("plot: --size: each side is " + std::to_string(kMinImageSide) +
                               " to " + std::to_string(kMaxImageSide) + " pixels, got '" +
                               opt.size + "'");
        }
    }
    for (const std::optional<double>& t : {opt.from, opt.to}) {
        if (t && (!std::isfinite(*t) || std::fabs(*t) > 1e9)) {
            return usage_error("plot: --from and --to are seconds of the recording");
        }
    }

    Outcome r;
    const Result<Recording> rec = load_recording(QString::fromStdString(opt.file));
    if (!rec) {
        r.code = kExitRefused;
        r.err = std::string(kProgram) + ": " + rec.error().message + "\n";
        return r;
    }
    const std::string skipped = skipped_text(*rec);
    if (!skipped.empty()) {
        r.err = std::string(kProgram) + ": " + skipped + "\n";
    }
    const std::optional<std::int64_t> from = ms_of(opt.from);
    const std::optional<std::int64_t> to = ms_of(opt.to);
    const Result<bool> drawn = render_recording(*rec, channels, from, to, size, out);
    if (!drawn) {
        r.code = kExitRefused;
        r.err += std::string(kProgram) + ": " + drawn.error().message + "\n";
        return r;
    }
    const auto rows =
        std::count_if(rec->rows.begin(), rec->rows.end(), [&](const RecordedRow& row) {
            return row.elapsedMs >= from.value_or(row.elapsedMs) &&
                   row.elapsedMs <= to.value_or(row.elapsedMs);
        });
    r.out = "wrote " + opt.out + " (" + std::to_string(size.width()) + "x" +
            std::to_string(size.height()) + ", " + std::to_string(rows) +
            (rows == 1 ? " row)\n" : " rows)\n");
    return r;
}

} // namespace motiview::cli

#include "report/qt/recording_plot.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <optional>

namespace motiview {
namespace {

// One CSV line into its fields; a quoted field may hold commas and doubled quotes.
std::vector<QByteArray> csv_fields(const QByteArray& line) {
    std::vector<QByteArray> out;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    out.push_back(field);
    return out;
}

std::optional<double> number(const QByteArray& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok); // "." whatever the locale
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::size_t> column(const std::vector<QByteArray>& header, std::string_view key) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i].trimmed() == QByteArrayView(key.data(), static_cast<qsizetype>(key.size()))) {
            return i;
        }
    }
    return std::nullopt;
}

// A round step for about `ticks` marks over `range`.
double tick_step(double range, int ticks) {
    const double raw = range / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (raw <= m * magnitude) {
            return m * magnitude;
        }
    }
    return 10.0 * magnitude;
}

QString value_text(double v) {
    return QString::number(v, 'g', 6);
}

constexpr std::array<std::string_view, kPlottedValues.size()> plotted_keys() {
    std::array<std::string_view, kPlottedValues.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = status_row(kPlottedValues[i]).key;
    }
    return keys;
}

} // namespace

Result<RecordingColumns> read_recording(const QString& path,
                                        std::span<const std::string_view> keys) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Error{"", path.toStdString() + ": " + file.errorString().toStdString()};
    }
    std::vector<QByteArray> header;
    while (header.empty() && !file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty()) {
            header = csv_fields(line);
        }
    }
    const std::optional<std::size_t> elapsed = column(header, "elapsed_s");
    if (!elapsed) {
        return Error{"", path.toStdString() + ": not a recording (no elapsed_s column)"};
    }
    std::vector<std::optional<std::size_t>> columns;
    for (const std::string_view key : keys) {
        columns.push_back(column(header, key));
    }

    RecordingColumns out;
    out.values.resize(keys.size());
    std::vector<double> row(keys.size());
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const std::vector<QByteArray> fields = csv_fields(line);
        bool good = fields.size() == header.size();
        const std::optional<double> t = good ? number(fields[*elapsed]) : std::nullopt;
        good = good && t.has_value();
        for (std::size_t k = 0; good && k < columns.size(); ++k) {
            if (!columns[k]) {
                continue;
            }
            const std::optional<double> v = number(fields[*columns[k]]);
            good = v.has_value();
            row[k] = v.value_or(0.0);
        }
        if (!good) {
            ++out.skippedRows;
            continue;
        }
        out.seconds.push_back(*t);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (columns[k]) {
                out.values[k].push_back(row[k]);
            }
        }
    }
    return out;
}

QImage draw_recording(const RecordingColumns& data, QSizeF size, double scale) {
    QImage image(QSize(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    // Its physical size for whoever places it: 96 CSS pixels per inch.
    const int dotsPerMeter = static_cast<int>(std::lround(96.0 * scale / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    p.setFont(font);
    const QFontMetricsF fm(font);

    constexpr double kLabels = 118; // caption, line sample, range
    constexpr double kRight = 8;
    constexpr double kTop = 4;
    constexpr double kAxis = 17;
    constexpr double kGap = 5;
    const QRectF plot(kLabels, kTop, size.width() - kLabels - kRight, size.height() - kTop - kAxis);
    const double first = data.seconds.empty() ? 0.0 : data.seconds.front();
    double last = first;
    for (const double t : data.seconds) {
        last = std::max(last, t);
    }
    const double start = std::min(first, last);
    const double span = last > start ? last - start : 1.0;
    const auto x_of = [&](double t) { return plot.left() + (t - start) / span * plot.width(); };

    const QPen frame(QColor(0x80, 0x80, 0x80), 0.6);
    const std::array<Qt::PenStyle, 3> styles = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    const double bandHeight = plot.height() / static_cast<double>(kPlottedValues.size());
    for (std::size_t k = 0; k < kPlottedValues.size(); ++k) {
        const QRectF band(plot.left(), plot.top() + static_cast<double>(k) * bandHeight,
                          plot.width(), bandHeight - kGap);
        p.setPen(frame);
        p.setBrush(Qt::NoBrush);
        p.drawRect(band);

        QPen line(Qt::black, 1.1, styles[k % styles.size()]);
        line.setCapStyle(Qt::FlatCap);
        const StatusRow& row = status_row(kPlottedValues[k]);
        p.setPen(Qt::black);
        p.drawText(QPointF(0, band.top() + fm.ascent()),
                   QString::fromUtf8(row.plot.data(), static_cast<qsizetype>(row.plot.size())));
        p.setPen(line);
        const double sampleY = band.top() + fm.height() + 5;
        p.drawLine(QPointF(2, sampleY), QPointF(40, sampleY));

        static const std::vector<double> kNone;
        const std::vector<double>& v = k < data.values.size() ? data.values[k] : kNone;
        if (v.empty() || v.size() != data.seconds.size()) {
            p.setPen(Qt::black);
            p.drawText(band, Qt::AlignCenter, QStringLiteral("not recorded"));
            continue;
        }
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        double low = *lo;
        double high = *hi;
        p.setPen(Qt::black);
        p.drawText(QRectF(0, band.top(), kLabels - 4, band.height()), Qt::AlignRight | Qt::AlignTop,
                   value_text(high));
        p.drawText(QRectF(0, band.top(), kLabels - 4, band.height()),
                   Qt::AlignRight | Qt::AlignBottom, value_text(low));
        if (high <= low) { // a flat line in the middle of its band
            low -= 1.0;
            high += 1.0;
        }
        const QRectF inner = band.adjusted(0, 2, 0, -2);
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(v.size()));
        for (std::size_t i = 0; i < v.size(); ++i) {
            points.append(QPointF(x_of(data.seconds[i]),
                                  inner.bottom() - (v[i] - low) / (high - low) * inner.height()));
        }
        p.save();
        p.setClipRect(band);
        p.setPen(line);
        p.drawPolyline(points);
        p.restore();
    }

    // The time axis under the bands, in seconds since the recording started.
    const double axisY = plot.bottom() - kGap + 1;
    const double step = tick_step(span, 6);
    p.setPen(Qt::black);
    for (double t = 0; t <= span + step * 1e-9; t += step) {
        const double x = x_of(start + t);
        p.drawLine(QPointF(x, axisY), QPointF(x, axisY + 3));
        const QString label = value_text(t) + (t == 0 ? QStringLiteral(" s") : QString());
        const double w = fm.horizontalAdvance(label);
        const double left = std::clamp(x - w / 2, plot.left() - 4, size.width() - w);
        p.drawText(QPointF(left, axisY + 4 + fm.ascent()), label);
    }
    p.end();
    return image;
}

QString recording_plot_html(const QString& path) {
    static constexpr auto kKeys = plotted_keys();
    const Result<RecordingColumns> data = read_recording(path, kKeys);
    if (!data) {
        return QStringLiteral("(file not found, no plot)");
    }
    if (data->seconds.empty()) {
        return QStringLiteral("(no rows to plot)");
    }
    const QImage image = draw_recording(*data, QSizeF(kPlotWidthPx, kPlotHeightPx));
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return QStringLiteral("(plot could not be drawn)");
    }
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\" "
                          "alt=\"speed, current and voltage over time\" />")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(std::lround(kPlotWidthPx))
        .arg(std::lround(kPlotHeightPx));
}

} // namespace motiview

#pragma once
// A recording (the CSV the recorder writes, monitor/status_record.h) read back and drawn as a
// small picture: speed, DC current and battery voltage over the seconds since it started, each
// in its own band with its range written beside it and its own line style, so that it reads in
// black and white print.

#include "base/result.h"
#include "monitor/status_layout.h"

#include <QImage>
#include <QSizeF>
#include <QString>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace motiview {

// The columns asked for, row by row; rows that do not parse are left out.
struct RecordingColumns {
    std::vector<double> seconds;             // elapsed_s
    std::vector<std::vector<double>> values; // one per key asked for; empty when not recorded
    std::size_t skippedRows = 0;
};

// Reads `keys` (status table keys such as "speed_rpm") and the elapsed seconds. Error when the
// file cannot be read or its header has no elapsed seconds.
[[nodiscard]] Result<RecordingColumns> read_recording(const QString& path,
                                                      std::span<const std::string_view> keys);

// The values the report's plot shows, top band first.
inline constexpr std::array kPlottedValues = {StatusField::Speed, StatusField::Idc,
                                              StatusField::Vdc};

// The plot of a recording's kPlottedValues. `size` is in CSS pixels (96 per inch); the image
// has `scale` times as many pixels, for print.
[[nodiscard]] QImage draw_recording(const RecordingColumns& data, QSizeF size, double scale = 2.5);

// The plot's size in a report: 16 cm x 5 cm in CSS pixels.
inline constexpr double kPlotWidthPx = 16.0 / 2.54 * 96.0;
inline constexpr double kPlotHeightPx = 5.0 / 2.54 * 96.0;

// An <img> with the plot of the file as a PNG data: URI, or the escaped text
// "(file not found, no plot)" when the file is missing or holds nothing to plot.
[[nodiscard]] QString recording_plot_html(const QString& path);

} // namespace motiview

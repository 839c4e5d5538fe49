#pragma once
// A recording drawn to a file without a window on screen, for the command line and the service
// report: the same plot window a user opens, built hidden over the recording, so the picture is
// the one the window saves, markers included. Needs a QApplication; with no display, run it on
// the offscreen platform (QT_QPA_PLATFORM=offscreen).

#include "base/result.h"
#include "monitor/recording_file.h"
#include "monitor/status_frame.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace motiview {

// A saved image's sides, in pixels.
inline constexpr int kMinImageSide = 100;
inline constexpr int kMaxImageSide = 10000;

// The image size when none is asked for.
inline constexpr int kRenderWidth = 1280;
inline constexpr int kRenderHeight = 720;

// The largest file opened as a recording: a working day at ten rows a second.
inline constexpr qint64 kMaxRecordingBytes = 256LL * 1024 * 1024;

// A recording file read, or an Error naming the file and why ("ride.csv cannot be opened as a
// recording: ..."): not readable, too large, or another header.
[[nodiscard]] Result<Recording> load_recording(const QString& path);

// PNG or PDF by the suffix of `path`. `channels` empty: the window's default curves (voltage and
// current on the left, speed on the right); otherwise exactly those, speed on the right when it
// is not alone. `fromMs` and `toMs` on the recording's clock (elapsed time); a missing end is the
// recording's own. An Error for an empty recording, a range with no rows, or a file not written.
[[nodiscard]] Result<bool> render_recording(const Recording& r,
                                            const std::vector<PanelChannel>& channels,
                                            std::optional<std::int64_t> fromMs,
                                            std::optional<std::int64_t> toMs, QSize size,
                                            const QString& path);

// The same picture in memory, `size` in logical pixels drawn `scale` times as fine (for print):
// what the service report embeds.
[[nodiscard]] Result<QImage> render_recording_image(const Recording& r,
                                                    const std::vector<PanelChannel>& channels,
                                                    std::optional<std::int64_t> fromMs,
                                                    std::optional<std::int64_t> toMs, QSize size,
                                                    double scale);

} // namespace motiview

// The window's recorder: rows with wall-clock times, progress, a clean stop, and a message
// instead of a crash when the file cannot be written.
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "test_support.h"
#include "ui/recorder.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace motiview;

namespace {

Unit status_with_speed(std::int32_t speed) {
    StatusValues v;
    v.set(StatusField::Speed, speed);
    return test::status_frame_of(v);
}

QStringList lines_of(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

TEST(Recorder, WritesOneRowPerFrameAndStopsCleanly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ride.csv"));
    Recorder rec;
    QSignalSpy progress(&rec, &Recorder::progress);
    QSignalSpy stopped(&rec, &Recorder::stopped);
    ASSERT_EQ(rec.start(path), QString());
    EXPECT_TRUE(rec.recording());
    for (int i = 0; i < 5; ++i) {
        rec.addFrame(status_with_speed(1000 + i));
    }
    EXPECT_EQ(rec.rows(), 5);
    ASSERT_EQ(progress.size(), 6); // the start, then every row
    EXPECT_EQ(progress.back()[0].toLongLong(), 5);
    EXPECT_TRUE(rec.progressText().startsWith(QStringLiteral("Recording ride.csv: 5 rows, ")))
        << rec.progressText().toStdString();

    rec.stop();
    EXPECT_FALSE(rec.recording());
    ASSERT_EQ(stopped.size(), 1);
    EXPECT_EQ(stopped[0][0].toString(), QString());
    rec.addFrame(status_with_speed(1)); // after the stop: ignored

    const QStringList lines = lines_of(path);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0].toStdString(), record_header());
    for (int i = 0; i < 5; ++i) {
        const QStringList cols = lines[i + 1].split(QLatin1Char(','));
        // The wall-clock time of the row, as ISO 8601 with milliseconds.
        EXPECT_TRUE(QDateTime::fromString(cols[0], Qt::ISODateWithMs).isValid())
            << cols[0].toStdString();
        EXPECT_EQ(cols[4], QString::number(1000 + i)); // speed_rpm
    }
}

} // namespace

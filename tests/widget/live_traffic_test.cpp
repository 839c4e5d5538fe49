// The traffic monitor on the offscreen platform: the table follows the log in batches, drops
// from the top when the ring is full, filters the polling, pauses, clears and saves.
#include "link/frames.h"
#include "link/traffic_log.h"
#include "ui/traffic_window.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace motiview;

namespace {

Unit unit_of(std::uint8_t b0, std::uint8_t b1, std::uint8_t end = kEndByte) {
    Unit u{};
    u[0] = b0;
    u[1] = b1;
    u[31] = end;
    return u;
}

QString label_text(const QWidget& w, const char* name) {
    const auto* l = w.findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString cell(const QAbstractItemModel& m, int row, int column) {
    return m.data(m.index(row, column)).toString();
}

// One poll: the request and its status answer.
void poll(TrafficLog& log, std::int64_t t) {
    log.sent(t, frame_set().statusRequest);
    log.received(t + 5, unit_of(0xDF, 0xEF));
}

TEST(TrafficWindow, TableAndCountsFollowTheLog) {
    TrafficLog log(100);
    TrafficWindow w(log);
    w.show();
    poll(log, 0);
    log.received(10, unit_of(0xDF, 0xEF, 0x00));
    log.discarded(20, 7);
    log.received(30, unit_of(0x11, 0x22));
    log.silence(40);
    // Nothing reaches the table before the timer's batch.
    EXPECT_EQ(w.model()->rowCount(), 0);
    QTest::qWait(3 * TrafficWindow::kRefreshIntervalMs);

    const QAbstractItemModel& m = *w.table()->model();
    ASSERT_EQ(m.rowCount(), 6);
    EXPECT_EQ(cell(m, 0, TrafficModel::DirectionColumn), QStringLiteral("sent"));
    EXPECT_EQ(cell(m, 0, TrafficModel::BytesColumn), QStringLiteral("FD 48 55"));
    EXPECT_EQ(cell(m, 0, TrafficModel::MeaningColumn), QStringLiteral("status request"));
    EXPECT_EQ(cell(m, 1, TrafficModel::TimeColumn), QStringLiteral("5"));
    EXPECT_EQ(cell(m, 5, TrafficModel::DirectionColumn), QStringLiteral("-"));

    EXPECT_EQ(label_text(w, "lblSent"), QStringLiteral("Sent: 1"));
    EXPECT_EQ(label_text(w, "lblReceived"), QStringLiteral("Received: 3"));
    EXPECT_EQ(label_text(w, "lblBroken"), QStringLiteral("Broken: 1"));
    EXPECT_EQ(label_text(w, "lblUnknown"), QStringLiteral("Unknown: 1"));
    EXPECT_EQ(label_text(w, "lblDiscarded"), QStringLiteral("Discarded: 7 bytes"));
    EXPECT_EQ(label_text(w, "lblSilences"), QStringLiteral("Silences: 1"));

    auto* clear = w.findChild<QPushButton*>(QStringLiteral("cmdClear"));
    ASSERT_NE(clear, nullptr);
    clear->click();
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(label_text(w, "lblSent"), QStringLiteral("Sent: 0"));
    poll(log, 100);
    w.refresh();
    ASSERT_EQ(m.rowCount(), 2);
    EXPECT_EQ(cell(m, 0, TrafficModel::TimeColumn), QStringLiteral("100"));
}

TEST(TrafficWindow, FullRingDropsRowsFromTheTop) {
    TrafficLog log(10);
    TrafficWindow w(log);
    TrafficModel& m = *w.model();
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&m, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);

    for (int i = 0; i < 8; ++i) {
        log.silence(i);
    }
    w.refresh();
    EXPECT_EQ(m.rowCount(), 8);
    for (int i = 8; i < 13; ++i) {
        log.silence(i);
    }
    // Until the next batch, rows gone from the ring read empty rather than out of range.
    EXPECT_EQ(cell(m, 0, TrafficModel::MeaningColumn), QString());
    EXPECT_EQ(cell(m, 3, TrafficModel::TimeColumn), QStringLiteral("3"));
    w.refresh();
    // 13 rows into a ring of 10: three fall off the top, five come in at the bottom.
    ASSERT_EQ(m.rowCount(), 10);
    EXPECT_EQ(cell(m, 0, TrafficModel::TimeColumn), QStringLiteral("3"));
    EXPECT_EQ(cell(m, 9, TrafficModel::TimeColumn), QStringLiteral("12"));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 0);
    EXPECT_EQ(removed[0][2].toInt(), 2);
    EXPECT_EQ(inserted.size(), 2);
    EXPECT_EQ(reset.size(), 0);

    // More new rows than the ring holds: nothing of the old table survives, one reset.
    for (int i = 13; i < 40; ++i) {
        log.silence(i);
    }
    w.refresh();
    EXPECT_EQ(reset.size(), 1);
    ASSERT_EQ(m.rowCount(), 10);
    EXPECT_EQ(cell(m, 0, TrafficModel::TimeColumn), QStringLiteral("30"));
}

TEST(TrafficWindow, HideStatusFramesLeavesTheRest) {
    TrafficLog log;
    TrafficWindow w(log);
    poll(log, 0);
    poll(log, 100);
    log.sent(150, frame_set().read(PageId::Basic));
    log.received(160, unit_of(0xF0, 0xE0));
    poll(log, 200);
    w.refresh();
    EXPECT_EQ(w.table()->model()->rowCount(), 8);
    auto* hide = w.findChild<QCheckBox*>(QStringLiteral("chkHideStatus"));
    ASSERT_NE(hide, nullptr);
    hide->setChecked(true);
    const QAbstractItemModel& m = *w.table()->model();
    ASSERT_EQ(m.rowCount(), 2);
    EXPECT_EQ(cell(m, 0, TrafficModel::MeaningColumn), QStringLiteral("read Basic setting"));
    EXPECT_EQ(cell(m, 1, TrafficModel::MeaningColumn), QStringLiteral("Basic setting reply"));
    // New polling stays hidden as it arrives.
    poll(log, 300);
    w.refresh();
    EXPECT_EQ(m.rowCount(), 2);
    hide->setChecked(false);
    EXPECT_EQ(w.table()->model()->rowCount(), 10);
}

TEST(TrafficWindow, PauseFreezesTheTableNotTheCounts) {
    TrafficLog log;
    TrafficWindow w(log);
    w.show();
    poll(log, 0);
    w.refresh();
    auto* pause = w.findChild<QPushButton*>(QStringLiteral("cmdPause"));
    ASSERT_NE(pause, nullptr);
    pause->click();
    poll(log, 100);
    poll(log, 200);
    QTest::qWait(3 * TrafficWindow::kRefreshIntervalMs);
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_EQ(label_text(w, "lblSent"), QStringLiteral("Sent: 3"));
    pause->click();
    EXPECT_EQ(w.model()->rowCount(), 6);
}

TEST(TrafficWindow, SavesTheRowsAsText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TrafficLog log;
    TrafficWindow w(log);
    poll(log, 0);
    log.sent(50, frame_set().read(PageId::Basic));
    w.setHideStatus(true);
    const QString path = dir.filePath(QStringLiteral("traffic.txt"));
    EXPECT_EQ(w.saveText(path), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Sent: 2")));
    EXPECT_EQ(lines[1], QStringLiteral("time_ms\tdirection\tbytes\tmeaning"));
    EXPECT_EQ(lines[2], QStringLiteral("50\tsent\tF0 E0 DA\tread Basic setting"));
    EXPECT_EQ(lines.size(), 4); // and the final line end

    // A folder that is not there: a message, and no file appears.
    const QString bad = dir.filePath(QStringLiteral("missing/traffic.txt"));
    const QString error = w.saveText(bad);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot save"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(bad));
}

TEST(TrafficWindow, FloodIsBatchedNotRowByRow) {
    TrafficLog log;
    TrafficWindow w(log);
    w.show();
    QSignalSpy inserted(w.model(), &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < 500; ++i) {
        poll(log, i);
    }
    QTest::qWait(2 * TrafficWindow::kRefreshIntervalMs);
    EXPECT_EQ(w.model()->rowCount(), 1000);
    EXPECT_LE(inserted.size(), 2);
}

} // namespace

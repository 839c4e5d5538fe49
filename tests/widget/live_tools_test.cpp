// The main window's live tools with the fake transport: the poll rate from the View menu, a
// recording fed by the receive path, the link lost while recording, and the traffic and plot
// windows fed by the same path.
#include "app/live_tools.h"
#include "app/main_window.h"
#include "link/frames.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "test_support.h"

#include "fake_transport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace motiview;
using motiview::test::FakeTransport;

namespace {

Unit status_frame(int i) {
    StatusValues v;
    v.set(StatusField::Vdc, 4800 + 7 * i);
    v.set(StatusField::Speed, 100 * i);
    v.set(StatusField::Idc, -30 + 11 * i);
    v.set(StatusField::State, 3);
    v.set(StatusField::CurrentFaults, i >= 3 ? 0x0004 : 0);
    return test::status_frame_of(v);
}

struct Fixture {
    FakeTransport port;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(port);
    QTemporaryDir dir;

    ~Fixture() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible()) {
                w->close();
            }
        }
        window.reset();
        QApplication::processEvents();
    }
    LiveTools& live() const { return *window->liveTools(); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            window->Timer3_Timer();
        }
    }
    void bringOnline() {
        (void)port.open();
        ticks(10);
        port.deliver(status_frame(0));
        ticks(1);
    }
    int statusRequests() const {
        const ShortFrame& f = frame_set().statusRequest;
        return static_cast<int>(
            std::count(port.sent.begin(), port.sent.end(), Bytes(f.begin(), f.end())));
    }
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    QString panel() const { return window->findChild<QLabel*>(QStringLiteral("Live"))->text(); }
};

struct RateCase {
    const char* action;
    int rate;
    int requestsIn20Ticks;
};

class WindowPollRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(WindowPollRate, MenuSetsTheRateAndTheSilenceRuleStaysInTime) {
    const RateCase c = GetParam();
    Fixture f;
    f.bringOnline();
    f.action(c.action)->trigger();
    EXPECT_TRUE(f.action(c.action)->isChecked());
    EXPECT_TRUE(f.panel().startsWith(QStringLiteral("Poll %1/s").arg(c.rate)))
        << f.panel().toStdString();
    const int before = f.statusRequests();
    for (int t = 0; t < 20; ++t) { // answered: online throughout
        f.ticks(1);
        f.port.deliver(status_frame(t));
    }
    EXPECT_EQ(f.statusRequests() - before, c.requestsIn20Ticks);
    EXPECT_EQ(f.window->link().state, LinkState::Online);
    f.ticks(kSilenceLimit); // silent: still online until the 21st tick
    EXPECT_EQ(f.window->link().state, LinkState::Online);
    f.ticks(1);
    EXPECT_EQ(f.window->link().state, LinkState::Offline);
}

INSTANTIATE_TEST_SUITE_P(Rates, WindowPollRate,
                         ::testing::Values(RateCase{"Menu_View_PollRate_1", 1, 2},
                                           RateCase{"Menu_View_PollRate_2", 2, 4},
                                           RateCase{"Menu_View_PollRate_5", 5, 10},
                                           RateCase{"Menu_View_PollRate_10", 10, 20}),
                         [](const ::testing::TestParamInfo<RateCase>& i) {
                             return std::to_string(i.param.rate) + "_per_second";
                         });

// Everything after the two time columns.
std::string values_of(const std::string& row) {
    const std::size_t first = row.find(',');
    return row.substr(row.find(',', first + 1) + 1);
}

TEST(WindowRecording, RowsAreTheStatusFramesFedInAndTheLinkLossClosesTheFile) {
    Fixture f;
    EXPECT_FALSE(f.action("Menu_File_Record")->isEnabled()); // offline
    f.bringOnline();
    EXPECT_TRUE(f.action("Menu_File_Record")->isEnabled());
    const QString path = f.dir.filePath(QStringLiteral("ride.csv"));
    ASSERT_TRUE(f.live().startRecording(path).isEmpty());
    EXPECT_FALSE(f.action("Menu_File_Record")->isEnabled());
    EXPECT_TRUE(f.action("Menu_File_StopRecord")->isEnabled());
    for (int i = 1; i <= 5; ++i) {
        f.port.deliver(status_frame(i));
        Unit reply{}; // other units are not rows
        reply[0] = 0xF0;
        reply[1] = 0xE0;
        reply[31] = kEndByte;
        f.port.deliver(reply);
    }
    EXPECT_TRUE(f.panel().contains("Recording ride.csv: 5 rows")) << f.panel().toStdString();
    f.ticks(kSilenceLimit + 10); // the controller falls silent
    EXPECT_EQ(f.window->link().state, LinkState::Offline);
    EXPECT_FALSE(f.live().recorder().recording());
    ASSERT_NE(f.live().lastMessage(), nullptr);
    EXPECT_TRUE(f.live().lastMessage()->text().contains("The link was lost"));
    f.port.deliver(status_frame(9)); // after the loss: nothing more is written

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7); // header, five rows, the empty rest after the last line end
    EXPECT_EQ(lines[0].toStdString(), record_header());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(values_of(lines[i].toStdString()), values_of(record_row(status_frame(i), "", 0)))
            << i;
    }
    EXPECT_TRUE(lines[6].isEmpty());
}

TEST(WindowRecording, UnwritableFileSaysSoAndRecordsNothing) {
    Fixture f;
    f.bringOnline();
    const QString error =
        f.live().startRecording(f.dir.filePath(QStringLiteral("no/such/dir.csv")));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(f.live().recorder().recording());
    EXPECT_TRUE(f.action("Menu_File_Record")->isEnabled());
}

TEST(WindowTraffic, EveryFrameSentAndUnitReceivedReachesTheLog) {
    Fixture f;
    f.action("Menu_View_Traffic")->trigger();
    ASSERT_NE(f.live().trafficWindow(), nullptr);
    EXPECT_TRUE(f.live().trafficWindow()->isVisible());
    f.bringOnline();
    // A page's own read goes straight to the transport; it is logged all the same.
    QTest::mouseClick(f.window->findChild<QPushButton*>(QStringLiteral("cmdBasic")),
                      Qt::LeftButton);
    Unit broken = status_frame(1);
    broken[31] = 0x00;
    f.port.deliver(broken);
    const TrafficCounters& c = f.live().traffic().counters();
    EXPECT_EQ(c.framesSent, 2U); // the status request and the Basic read
    EXPECT_EQ(c.unitsReceived, 2U);
    EXPECT_EQ(c.brokenUnits, 1U);
    f.ticks(kSilenceLimit + 1);
    EXPECT_EQ(f.live().traffic().counters().silences, 1U);
}

TEST(WindowPlot, OpensFromTheViewMenuOnTheWindowsSamples) {
    Fixture f;
    f.action("Menu_View_Plot")->trigger();
    ASSERT_NE(f.live().plotWindow(), nullptr);
    f.action("Menu_View_Plot")->trigger(); // the same window again
    EXPECT_EQ(f.window->findChildren<PlotWindow*>().size(), 1);
    f.bringOnline();
    for (int i = 1; i <= 4; ++i) {
        f.port.deliver(status_frame(i));
    }
    EXPECT_EQ(f.live().samples().size(), 5U);
    // The fault word changed once (at frame 3): one event besides the first state.
    int faultEvents = 0;
    for (std::size_t i = 0; i < f.live().samples().events().size(); ++i) {
        faultEvents += f.live().samples().events()[i].kind == EventKind::Faults ? 1 : 0;
    }
    EXPECT_EQ(faultEvents, 1);
}

} // namespace

// The live plot window on the offscreen platform, fed from a sample store as the main window
// feeds it.
#include "monitor/sample_ring.h"
#include "monitor/status_layout.h"
#include "test_support.h"
#include "ui/plot_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <qcustomplot.h>

using namespace motiview;

namespace {

Unit status_of(std::int32_t speed, std::uint16_t faults = 0, std::uint8_t state = 3) {
    StatusValues v;
    v.set(StatusField::Vdc, 7200);
    v.set(StatusField::Speed, speed);
    v.set(StatusField::CurrentFaults, faults);
    v.set(StatusField::State, state);
    return test::status_frame_of(v);
}

class PlotWindowTest : public ::testing::Test {
  protected:
    void feed(int frames, std::uint16_t faults = 0, std::uint8_t state = 3) {
        for (int i = 0; i < frames; ++i) {
            now += 100;
            store.add(now, status_of(static_cast<std::int32_t>(now / 100), faults, state));
        }
    }

    SampleStore store{900, 64};
    std::int64_t now = 0;
};

TEST_F(PlotWindowTest, FaultWordChangeMakesOneMarkerWithItsNames) {
    PlotWindow w(store);
    w.show();
    feed(20);
    feed(30, 0x0024); // over-voltage and over-current together
    feed(10, 0x0020); // over-voltage clears
    w.refresh();
    const QStringList faults = w.markerTexts().filter(QStringLiteral("faults:"));
    EXPECT_EQ(faults, (QStringList{QStringLiteral("faults: +over-voltage +over-current"),
                                   QStringLiteral("faults: -over-voltage")}));
    // Markers are drawn items: a line and a label for each of the three events.
    EXPECT_EQ(w.markerTexts().size(), 3); // the first frame's state too
    EXPECT_EQ(w.plot()->itemCount(), 1 + 2 * 3);
    // Frames with the same word add no marker; a state change adds its own.
    feed(50, 0x0020, 6);
    w.refresh();
    EXPECT_EQ(w.markerTexts().filter(QStringLiteral("faults:")).size(), 2);
    EXPECT_EQ(w.markerTexts().back(), QStringLiteral("state: RUN -> FAULT"));
}

TEST_F(PlotWindowTest, PauseStopsRedrawsWhileSamplesArrive) {
    PlotWindow w(store);
    w.show();
    feed(10);
    w.refresh();
    const int before = w.redrawCount();
    const int points = w.pointCount(PanelChannel::Speed);
    EXPECT_EQ(points, 10);

    auto* pause = w.findChild<QPushButton*>(QStringLiteral("cmdPause"));
    ASSERT_NE(pause, nullptr);
    pause->click();
    EXPECT_TRUE(w.paused());
    feed(30);
    // The timer runs on; nothing new is drawn.
    QTest::qWait(3 * PlotWindow::kRedrawIntervalMs);
    w.refresh();
    EXPECT_EQ(w.redrawCount(), before);
    EXPECT_EQ(w.pointCount(PanelChannel::Speed), points);
    EXPECT_EQ(store.size(), 40u); // reception went on

    pause->click();
    EXPECT_FALSE(w.paused());
    EXPECT_GT(w.redrawCount(), before);
    EXPECT_EQ(w.pointCount(PanelChannel::Speed), 40);
}

TEST_F(PlotWindowTest, RedrawsOnlyWhenTheStoreChanged) {
    PlotWindow w(store);
    w.show();
    feed(3);
    w.refresh();
    const int drawn = w.redrawCount();
    w.refresh();
    w.refresh();
    EXPECT_EQ(w.redrawCount(), drawn);
    feed(1);
    QTest::qWait(2 * PlotWindow::kRedrawIntervalMs);
    EXPECT_EQ(w.redrawCount(), drawn + 1);
}

TEST_F(PlotWindowTest, CurvesHoldNoMoreThanTheRing) {
    PlotWindow w(store);
    w.setSpanMinutes(15);
    w.show();
    feed(2000); // 200 s at 10 frames a second into a ring of 900
    w.refresh();
    EXPECT_EQ(store.size(), 900u);
    EXPECT_EQ(w.pointCount(PanelChannel::Speed), 900);
    EXPECT_EQ(w.pointCount(PanelChannel::Throttle), 0); // not ticked
    // One minute back from the newest sample, both ends included.
    w.setSpanMinutes(1);
    EXPECT_EQ(w.pointCount(PanelChannel::Speed), 601);
    EXPECT_DOUBLE_EQ(w.plot()->xAxis->range().upper, 200.0);
    EXPECT_DOUBLE_EQ(w.plot()->xAxis->range().lower, 140.0);
}

TEST_F(PlotWindowTest, SilenceBreaksTheCurve) {
    PlotWindow w(store);
    w.show();
    feed(5);
    now += 10'000; // ten seconds without a frame
    feed(5);
    w.refresh();
    // Ten samples and one gap point between them.
    ASSERT_EQ(w.pointCount(PanelChannel::Speed), 11);
    const auto data = w.plot()->graph(static_cast<int>(PanelChannel::Speed))->data();
    EXPECT_TRUE(std::isnan((data->constBegin() + 5)->value));
}

TEST_F(PlotWindowTest, CursorReadsTheNearestSample) {
    PlotWindow w(store);
    w.show();
    feed(10); // times 100..1000 ms, speed = time / 100
    w.setCursorTime(549);
    EXPECT_EQ(w.cursorText(),
              QStringLiteral("0:00:00.5   Vdc [V] = 72   Idc [A] = 0   Speed [rpm] = 5"));
    w.showChannel(PanelChannel::Idc, false);
    w.setCursorTime(551);
    EXPECT_EQ(w.cursorText(), QStringLiteral("0:00:00.6   Vdc [V] = 72   Speed [rpm] = 6"));
}

TEST_F(PlotWindowTest, CurveMovesToTheAxisChosen) {
    PlotWindow w(store);
    w.show();
    feed(5);
    auto* axis = w.findChild<QComboBox*>(QStringLiteral("cbo_axis_vdc_v"));
    ASSERT_NE(axis, nullptr);
    axis->setCurrentIndex(1);
    QCPGraph* vdc = w.plot()->graph(static_cast<int>(PanelChannel::Vdc));
    EXPECT_EQ(vdc->valueAxis(), w.plot()->yAxis2);
    EXPECT_TRUE(w.plot()->yAxis2->label().contains(QStringLiteral("Vdc [V]")));
    EXPECT_FALSE(w.plot()->yAxis->label().contains(QStringLiteral("Vdc [V]")));
    // Ticking a curve puts it in the legend; unticking takes it out.
    auto* temp = w.findChild<QCheckBox*>(QStringLiteral("chk_motor_temp_c"));
    ASSERT_NE(temp, nullptr);
    const int legend = w.plot()->legend->itemCount();
    temp->setChecked(true);
    EXPECT_EQ(w.plot()->legend->itemCount(), legend + 1);
    temp->setChecked(false);
    EXPECT_EQ(w.plot()->legend->itemCount(), legend);
}

} // namespace

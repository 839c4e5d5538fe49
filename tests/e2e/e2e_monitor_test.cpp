// Live monitoring through the real serial path.
#include "sim_process.h"

#include <QLabel>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace motiview;
using namespace motiview::test;

namespace {

QColor text_color(const Rig& rig, const char* name) {
    auto* l = rig.window->findChild<QLabel*>(QString::fromUtf8(name));
    return l != nullptr ? l->palette().color(QPalette::WindowText) : QColor();
}

bool shown(const Rig& rig, const char* name) {
    auto* l = rig.window->findChild<QLabel*>(QString::fromUtf8(name));
    return l != nullptr && !l->isHidden();
}

TEST(EndToEndMonitor, SimulatorFaultDrivesTheFaultPanel) {
    Rig rig({"--fault", "over-voltage", "--history-faults", "0x2000"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return rig.labelText("lblfrmSysStatusVdc_a") != "***"; }, 3000));
    EXPECT_EQ(rig.labelText("lblfrmErrOVC"), "NG");
    EXPECT_EQ(text_color(rig, "lblfrmErrOVC"), QColor(255, 0, 0));
    EXPECT_EQ(rig.labelText("lblfrmErrUVC"), "OK");
    EXPECT_EQ(text_color(rig, "lblfrmErrUVC"), QColor(0, 255, 0));
    EXPECT_TRUE(shown(rig, "lblfrmErrOVD"));
    EXPECT_FALSE(shown(rig, "lblfrmErrUVD"));
    EXPECT_TRUE(shown(rig, "lblErrTitle"));
    // History bit 13 is "thermistor open".
    EXPECT_EQ(rig.labelText("lblfrmErrMSOpenH"), "NG");
    EXPECT_EQ(rig.labelText("lblfrmErrMSShortH"), "OK");
    EXPECT_EQ(rig.labelText("lblfrmSysMach_a"), "FAULT");
    EXPECT_EQ(text_color(rig, "lblfrmSysMach_a"), QColor(255, 0, 0));
}

TEST(EndToEndMonitor, PanelsKeepTheLastValuesAfterTheLinkDrops) {
    Rig rig({"--silent-after", "3"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    ASSERT_TRUE(rig.waitForState(LinkState::Offline, 8000));
    const QString vdc = rig.labelText("lblfrmSysStatusVdc_a");
    const QString rpm = rig.labelText("lblfrmSysStatusRPM_a");
    EXPECT_NE(vdc, "***");
    // Two polls go out unanswered while offline: every tick of a poll cycle has run since.
    auto* line = rig.port->findChild<QSerialPort*>();
    ASSERT_NE(line, nullptr);
    QSignalSpy polls(line, &QSerialPort::bytesWritten);
    ASSERT_TRUE(QTest::qWaitFor([&] { return polls.count() >= 2; }, 5000));
    EXPECT_EQ(rig.window->link().state, LinkState::Offline);
    EXPECT_EQ(rig.labelText("lblfrmSysStatusVdc_a"), vdc);
    EXPECT_EQ(rig.labelText("lblfrmSysStatusRPM_a"), rpm);
    EXPECT_EQ(rig.labelText("lblfrmSysMach_a"), "RUN");
}

} // namespace

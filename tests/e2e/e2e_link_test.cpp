// The link end to end: settings dialog, polling, silence, noise, hang-up, user name.
#include "sim_process.h"

#include "app/start_options.h"
#include "ui/status_panel.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace motiview;
using namespace motiview::test;

namespace {

TEST(EndToEndLink, GoesOnlineAfterOkAndShowsTheUserName) {
    Rig rig({"--user-name", "Tech-42"});
    ASSERT_TRUE(rig.sim->started()) << rig.sim->errorOutput().toStdString();
    EXPECT_EQ(rig.labelText("lblWelCom1"), "offline");
    ASSERT_TRUE(rig.connect()) << rig.labelText("lblWelCom1").toStdString();
    EXPECT_EQ(rig.labelText("lblWelCom1"), "online");
    EXPECT_EQ(rig.labelText("PortNo"), "COM - 1");
    EXPECT_EQ(rig.labelText("PortState"), "57600,n,8,1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.labelText("McuSN") == "Tech-42"; }, 4000))
        << rig.labelText("McuSN").toStdString();
}

TEST(EndToEndLink, SilenceTakesTheLinkOfflineAndAnswersBringItBack) {
    Rig rig({"--silent-after", "3", "--resume-after", "4"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    // Offline 2.1 s after the last answer, then online again at the second answered poll.
    ASSERT_TRUE(rig.waitForState(LinkState::Offline, 8000));
    EXPECT_EQ(rig.labelText("lblWelCom1"), "offline");
    ASSERT_TRUE(rig.waitForState(LinkState::Online, 10000));
    EXPECT_EQ(rig.labelText("lblWelCom1"), "online");
}

TEST(EndToEndLink, RecoversFromNoiseBytes) {
    // Units as the window got them: noise before an answer shifts it, so the unit that
    // takes the noise does not end in the end byte.
    int misaligned = 0;
    int statusSinceNoise = 0;
    Rig rig({"--noise-bytes", "7", "--noise-every", "5"});
    ASSERT_TRUE(rig.sim->started());
    QObject::connect(rig.port.get(), &Transport::unitReceived, rig.window.get(),
                     [&](const Unit& u) {
                         if (u[kUnitSize - 1] != kEndByte) {
                             ++misaligned;
                             statusSinceNoise = 0;
                         } else if (misaligned > 0 && classify(u).kind == UnitKind::Status) {
                             ++statusSinceNoise;
                         }
                     });
    ASSERT_TRUE(rig.connect(12000));
    // Misaligned data is discarded by the next poll; the link comes back and stays up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusSinceNoise >= 2; }, 15000))
        << misaligned << " misaligned units, " << statusSinceNoise << " status frames after";
    EXPECT_TRUE(rig.waitForState(LinkState::Online, 4000));
}

TEST(EndToEndLink, HangUpClosesThePortWithoutSpinning) {
    Rig rig({"--hangup-after", "3"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    // Closed at the first error rather than left open under an endless error stream; the
    // CPU figure is measured by bench/hangup_cpu.sh.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.port->isOpen(); }, 6000));
    ASSERT_TRUE(rig.waitForState(LinkState::Offline, 8000));
    EXPECT_EQ(rig.labelText("lblWelCom1"), "offline");
    EXPECT_TRUE(rig.window->isVisible());
}

TEST(EndToEndLink, ReopensWhenTheDeviceComesBack) {
    Rig rig({"--hangup-after", "2", "--reappear-after", "4"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    ASSERT_TRUE(rig.waitForState(LinkState::Offline, 8000));
    EXPECT_TRUE(rig.waitForState(LinkState::Online, 12000));
}

TEST(EndToEndLink, APortGivenAtStartIsOnlineWithoutTheDialog) {
    for (const bool byPath : {false, true}) {
        SCOPED_TRACE(byPath ? "device path" : "COM number");
        Rig rig;
        ASSERT_TRUE(rig.sim->started());
        const QStringList args = {QStringLiteral("--port"),
                                  byPath ? rig.sim->linkPath() : QStringLiteral("1")};
        rig.window->startUp(start_port(parse_start_options(args), kDefaultLineSettings));
        EXPECT_EQ(rig.window->findChild<QWidget*>(QStringLiteral("frmComSet")), nullptr);
        // The first poll goes out a second after the start; its answer brings the link up.
        EXPECT_TRUE(rig.waitForState(LinkState::Online, 2500))
            << rig.labelText("lblWelCom1").toStdString();
        EXPECT_EQ(rig.labelText("PortState"), "57600,n,8,1");
        EXPECT_FALSE(rig.window->monitor()->dimmed());
    }
}

} // namespace

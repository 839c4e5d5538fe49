// The first minute: --port opens the link at start, the dialog remembers the port and "Connect
// at start", the panels say when their values are not live, and a plugged-in adapter is
// offered. The main window with the fake transport; settings in a file of the test's own.
#include "app/main_window.h"
#include "app/start_options.h"
#include "link/frames.h"
#include "link/supervisor.h"
#include "ui/com_settings_dialog.h"
#include "ui/status_panel.h"

#include "case_names.h"
#include "fake_transport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::FakeTransport;

namespace {

const Bytes kStatusRequest(frame_set().statusRequest.begin(), frame_set().statusRequest.end());

Unit status_frame() {
    return controller_frame(UnitKind::Status).value();
}

QString message_text(QWidget& window) {
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            return box->text();
        }
    }
    return {};
}

// ---- the command line -----------------------------------------------------------------------

struct OptionCase {
    const char* name;
    QStringList args;
    QString error;         // a part of it; empty: none
    int comNumber = 0;     // the port chosen, when there is one
    QString device = {};   //
    QString settings = {}; // with the remembered 57600,n,8,1
};

class StartArguments : public ::testing::TestWithParam<OptionCase> {};

TEST_P(StartArguments, ChooseThePortAsTheDialogDoes) {
    const auto& c = GetParam();
    const StartOptions o = parse_start_options(c.args);
    if (!c.error.isEmpty()) {
        EXPECT_TRUE(o.error.contains(c.error)) << o.error.toStdString();
        return;
    }
    ASSERT_TRUE(o.error.isEmpty()) << o.error.toStdString();
    const auto port = start_port(o, kDefaultLineSettings);
    ASSERT_EQ(port.has_value(), c.comNumber != 0 || !c.device.isEmpty());
    if (port) {
        EXPECT_EQ(port->comNumber, c.comNumber);
        EXPECT_EQ(port->device, c.device);
        EXPECT_EQ(port->settings, c.settings);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, StartArguments,
    ::testing::Values(OptionCase{"nothing", {}, {}},
                      OptionCase{"qt options left alone", {"-platform", "offscreen"}, {}},
                      OptionCase{"com number", {"--port", "3"}, {}, 3, {}, "57600,n,8,1"},
                      OptionCase{"com name", {"--port=COM9"}, {}, 9, {}, "57600,n,8,1"},
                      OptionCase{"device and baud",
                                 {"--port", "/dev/ttyUSB0", "--baud", "115200"},
                                 {},
                                 0,
                                 "/dev/ttyUSB0",
                                 "115200,n,8,1"},
                      OptionCase{"port 10 is a name", {"--port", "10"}, {}, 0, "10", "57600,n,8,1"},
                      OptionCase{"port without value", {"--port"}, "--port needs a value"},
                      OptionCase{"empty port", {"--port="}, "--port"},
                      OptionCase{"bad baud", {"--port", "1", "--baud", "fast"}, "--baud"},
                      OptionCase{"negative baud", {"--port", "1", "--baud=-9600"}, "--baud"},
                      OptionCase{"baud alone", {"--baud", "9600"}, "--baud goes with --port"}),
    ByLabel<&OptionCase::name>{});

TEST(StartArguments, RememberedSettingsKeepAllButTheBaud) {
    const auto port = start_port(parse_start_options({"--port", "2", "--baud", "9600"}),
                                 QStringLiteral("19200,e,7,2"));
    ASSERT_TRUE(port.has_value());
    EXPECT_EQ(port->settings, "9600,e,7,2");
}

// ---- the start --------------------------------------------------------------------------------

struct Start {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    FakeTransport port;
    std::unique_ptr<MainWindow> window;

    Start() { reopenStore(); }
    void reopenStore() {
        store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("motiview.ini")),
                                            QSettings::IniFormat);
    }
    void make(bool withStore = true) {
        window = std::make_unique<MainWindow>(port, nullptr, withStore ? store.get() : nullptr);
        window->setDeviceLister([] { return QStringList(); });
        window->show();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            window->Timer3_Timer();
        }
    }
    ComSettingsDialog* openDialog() {
        window->Menu_Option_ComSet_Click();
        return window->findChild<ComSettingsDialog*>(QStringLiteral("frmComSet"));
    }
};

TEST(Start, WithoutAPortSendsNothingUntilOk) {
    for (bool withStore : {false, true}) {
        Start s;
        s.make(withStore);
        s.window->startUp(std::nullopt);
        QTest::qWait(50);
        EXPECT_EQ(s.port.opens, 0);
        EXPECT_FALSE(s.window->pollTimerActive());
        EXPECT_TRUE(s.port.sent.empty());
    }
}

TEST(Start, WithAPortOpensItAndPollsAsAfterOk) {
    Start s;
    s.make(false);
    s.window->startUp(start_port(parse_start_options({"--port", "2"}), kDefaultLineSettings));
    EXPECT_EQ(s.port.opens, 1);
    EXPECT_EQ(s.port.comNumber, 2);
    EXPECT_EQ(s.port.settings.baud, 57600);
    EXPECT_TRUE(s.window->pollTimerActive());
    s.ticks(9);
    EXPECT_TRUE(s.port.sent.empty()) << "the first poll comes on the tenth tick, as after Ok";
    s.ticks(1);
    ASSERT_EQ(s.port.sent.size(), 1U);
    EXPECT_EQ(s.port.sent[0], kStatusRequest);
    EXPECT_EQ(s.window->findChild<QLabel*>(QStringLiteral("PortNo"))->text(), "COM - 2");
    EXPECT_EQ(s.window->findChild<QLabel*>(QStringLiteral("PortState"))->text(), "?");
}

TEST(Start, ADevicePathShowsInThePortPanel) {
    Start s;
    s.make(false);
    s.window->startUp(PortChoice{0, QStringLiteral("/dev/ttyACM0"), kDefaultLineSettings});
    EXPECT_EQ(s.port.device, "/dev/ttyACM0");
    s.ticks(1);
    EXPECT_EQ(s.window->findChild<QLabel*>(QStringLiteral("PortNo"))->text(), "COM - /dev/ttyACM0");
}

TEST(Start, APortThatCannotBeOpenedSaysSoAndStaysClosed) {
    Start s;
    s.port.failOpen = true;
    s.make(false);
    s.window->startUp(PortChoice{4, {}, kDefaultLineSettings});
    EXPECT_FALSE(s.window->pollTimerActive());
    EXPECT_EQ(message_text(*s.window), "COM port does not exist.");
    s.ticks(30);
    EXPECT_TRUE(s.port.sent.empty());
}

TEST(Start, ConnectAtStartOverTwoStarts) {
    Start s;
    s.make();
    ComSettingsDialog* dialog = s.openDialog();
    ASSERT_NE(dialog, nullptr);
    auto* connectAtStart = dialog->findChild<QCheckBox*>(QStringLiteral("chkConnectAtStart"));
    ASSERT_NE(connectAtStart, nullptr);
    EXPECT_FALSE(connectAtStart->isChecked()) << "off until the user turns it on";
    dialog->findChild<QComboBox*>(QStringLiteral("cboPortNumber"))->setCurrentText("3");
    dialog->findChild<QComboBox*>(QStringLiteral("cboBaudRate"))->setCurrentText("115200");
    dialog->findChild<QComboBox*>(QStringLiteral("cboParity"))->setCurrentText("EVEN");
    connectAtStart->setChecked(true);
    dialog->findChild<QPushButton*>(QStringLiteral("cmdComOK"))->click();
    EXPECT_TRUE(s.port.isOpen());
    s.window.reset();

    // The next start: the same adapter, opened by itself.
    FakeTransport second;
    s.reopenStore();
    MainWindow again(second, nullptr, s.store.get());
    again.setDeviceLister([] { return QStringList(); });
    again.startUp(std::nullopt);
    EXPECT_EQ(second.opens, 1);
    EXPECT_EQ(second.comNumber, 3);
    EXPECT_EQ(second.settings.baud, 115200);
    EXPECT_EQ(second.settings.parity, Parity::Even);
    EXPECT_TRUE(again.pollTimerActive());

    // The dialog shows what is remembered; turning the box off is remembered too.
    again.Menu_Option_ComSet_Click();
    auto* d = again.findChild<ComSettingsDialog*>(QStringLiteral("frmComSet"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->findChild<QComboBox*>(QStringLiteral("cboPortNumber"))->currentText(), "3");
    EXPECT_EQ(d->findChild<QComboBox*>(QStringLiteral("cboBaudRate"))->currentText(), "115200");
    EXPECT_EQ(d->findChild<QComboBox*>(QStringLiteral("cboParity"))->currentText(), "EVEN");
    auto* box = d->findChild<QCheckBox*>(QStringLiteral("chkConnectAtStart"));
    EXPECT_TRUE(box->isChecked());
    box->setChecked(false);
    d->findChild<QPushButton*>(QStringLiteral("cmdComOK"))->click();

    FakeTransport third;
    s.reopenStore();
    MainWindow once_more(third, nullptr, s.store.get());
    once_more.setDeviceLister([] { return QStringList(); });
    once_more.startUp(std::nullopt);
    EXPECT_EQ(third.opens, 0);
    EXPECT_FALSE(once_more.pollTimerActive());
}

TEST(Start, ADamagedSettingsFileStartsAsWithoutOne) {
    Start s;
    s.store->setValue("link/port", "3");
    s.store->setValue("link/settings", "fast,x,9,9");
    s.store->setValue("link/connectAtStart", true);
    s.store->sync();
    s.make();
    s.window->startUp(std::nullopt);
    EXPECT_EQ(s.port.comNumber, 3);
    EXPECT_EQ(s.port.settings.baud, 57600) << "the dialog's own settings";
}

// ---- what the panels say about their values
// ------------------------------------------------------

// Both panels under the translucent veil.
bool faded(MonitorView& v) {
    if (!v.veil()->isVisible()) {
        return false;
    }
    for (const char* name : {"frmSysStatus", "frmErrCode"}) {
        auto* panel = v.findChild<QWidget*>(QLatin1String(name));
        const QRect at(panel->mapTo(&v, QPoint(0, 0)), panel->size());
        EXPECT_TRUE(v.veil()->geometry().contains(at)) << name;
    }
    return true;
}

// How strongly the window draws a value cell: the spread of green between its text and its
// background, as the user sees it.
int contrast_of(MainWindow& w, const char* label) {
    const QImage shot = w.grab().toImage();
    auto* l = w.findChild<QLabel*>(QLatin1String(label));
    const QRect r(l->mapTo(&w, QPoint(0, 0)), l->size());
    int lo = 255;
    int hi = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const int g = QColor(shot.pixel(x, y)).green();
            lo = std::min(lo, g);
            hi = std::max(hi, g);
        }
    }
    return hi - lo;
}

std::map<QString, QString> panel_texts(MonitorView& v) {
    std::map<QString, QString> texts;
    for (QLabel* l : v.findChildren<QLabel*>()) {
        if (!l->objectName().isEmpty() && l != v.dataNotice()) {
            texts[l->objectName()] = l->text();
        }
    }
    return texts;
}

TEST(DataNotice, NoDataConnectingLiveAndLastData) {
    Start s;
    s.make(false);
    MonitorView& v = *s.window->monitor();
    const auto designTexts = panel_texts(v);
    QLabel* line = v.dataNotice();

    // Before any port: the design-time texts stay, dimmed, with the way to connect.
    EXPECT_TRUE(faded(v));
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), QString::fromLatin1(kNoDataYet.data()));
    EXPECT_EQ(panel_texts(v), designTexts) << "dimming changes no text";

    s.window->startUp(PortChoice{1, {}, kDefaultLineSettings});
    s.ticks(10); // the first poll: connecting
    EXPECT_EQ(line->text(), "Connecting...");
    EXPECT_TRUE(faded(v));

    s.port.deliver(status_frame());
    EXPECT_FALSE(faded(v));
    EXPECT_FALSE(line->isVisible());
    const auto liveTexts = panel_texts(v);
    EXPECT_NE(liveTexts, designTexts);

    s.ticks(20); // one lost answer: still live
    EXPECT_FALSE(faded(v));
    const int live = contrast_of(*s.window, "lblfrmSysStatusVdc_a");
    s.ticks(1); // the 21st silent tick: offline
    EXPECT_TRUE(faded(v));
    EXPECT_LT(contrast_of(*s.window, "lblfrmSysStatusVdc_a"), live * 6 / 10) << "drawn faded";
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->text().startsWith("Last data at ")) << line->text().toStdString();
    EXPECT_EQ(line->text().size(), QStringLiteral("Last data at HH:MM:SS").size());
    EXPECT_EQ(panel_texts(v), liveTexts) << "the last frame's values stay";

    s.ticks(9); // reconnecting polls keep the time of the last data
    EXPECT_TRUE(line->text().startsWith("Last data at "));
    s.port.deliver(status_frame());
    s.ticks(10);
    s.port.deliver(status_frame());
    EXPECT_FALSE(faded(v));
    EXPECT_FALSE(line->isVisible());
}

struct NoticeCase {
    const char* name;
    LinkState state;
    std::optional<std::string> last;
    bool dim;
    const char* line;
};

class DataNoticeRule : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(DataNoticeRule, FollowsTheLinkAndTheLastFrame) {
    const auto& c = GetParam();
    const DataNotice n = data_notice(c.state, c.last);
    EXPECT_EQ(n.dim, c.dim);
    EXPECT_EQ(n.line, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    States, DataNoticeRule,
    ::testing::Values(
        NoticeCase{"offline before data", LinkState::Offline, std::nullopt, true,
                   "No data from the controller yet: Options > Com Setting... to connect"},
        NoticeCase{"connecting before data", LinkState::Connecting, std::nullopt, true,
                   "Connecting..."},
        NoticeCase{"online", LinkState::Online, "10:00:00", false, ""},
        NoticeCase{"offline after data", LinkState::Offline, "10:00:00", true,
                   "Last data at 10:00:00"},
        NoticeCase{"reconnecting after data", LinkState::Connecting, "23:59:59", true,
                   "Last data at 23:59:59"}),
    ByLabel<&NoticeCase::name>{});

// ---- a plugged-in adapter ------------------------------------------------------------------

TEST(AdapterOffer, AppearsForANewDeviceAndConnectsInOneClick) {
    Start s;
    s.make();
    QStringList devices = {QStringLiteral("/dev/ttyUSB0")};
    s.window->setDeviceLister([&devices] { return devices; });
    QWidget* offer = s.window->adapterOffer();
    s.window->watchForAdapters();
    EXPECT_FALSE(offer->isVisible()) << "present from the start: not new";

    devices << QStringLiteral("/dev/ttyACM0");
    s.window->watchForAdapters();
    ASSERT_TRUE(offer->isVisible());
    EXPECT_EQ(offer->findChild<QLabel*>(QStringLiteral("lblAdapterOffer"))->text(),
              "/dev/ttyACM0 plugged in:");
    EXPECT_EQ(s.port.opens, 0) << "nothing opens until the click";

    offer->findChild<QPushButton*>(QStringLiteral("cmdAdapterConnect"))->click();
    EXPECT_EQ(s.port.device, "/dev/ttyACM0");
    EXPECT_EQ(s.port.settings.baud, 57600);
    EXPECT_TRUE(s.window->pollTimerActive());
    EXPECT_FALSE(offer->isVisible());

    // With a port open, a new adapter is not offered.
    devices << QStringLiteral("/dev/ttyUSB1");
    s.window->watchForAdapters();
    EXPECT_FALSE(offer->isVisible());
}

TEST(AdapterOffer, GoesWhenTheAdapterIsPulledAgainAndUsesTheRememberedSettings) {
    Start s;
    s.store->setValue("link/settings", "19200,n,8,1");
    s.make();
    QStringList devices;
    s.window->setDeviceLister([&devices] { return devices; });
    devices << QStringLiteral("/dev/ttyUSB0");
    s.window->watchForAdapters();
    QWidget* offer = s.window->adapterOffer();
    ASSERT_TRUE(offer->isVisible());
    devices.clear();
    s.window->watchForAdapters();
    EXPECT_FALSE(offer->isVisible());

    devices << QStringLiteral("/dev/ttyUSB0");
    s.window->watchForAdapters();
    offer->findChild<QPushButton*>(QStringLiteral("cmdAdapterConnect"))->click();
    EXPECT_EQ(s.port.settings.baud, 19200);
}

} // namespace

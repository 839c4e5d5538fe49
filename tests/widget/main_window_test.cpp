// frmMain with the fake transport: load sequence, poll ticks driven by hand, receive dispatch,
// hall tests, Language > English, and shutdown.
#include "app/main_window.h"
#include "test_support.h"

#include "fake_transport.h"
#include "pages/page_schema.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace motiview;
using motiview::test::FakeTransport;

using motiview::test::unit_of;

namespace {

const char* const kButtons[] = {"cmdBasic",      "cmdReference",    "cmdMotor",   "cmdContorl",
                                "cmddqPID",      "cmdProtection",   "cmdOther",   "cmdFluxWeaken",
                                "cmdIdcCalib",   "cmdDerate",       "cmdModeSet", "cmd_halltest",
                                "cmd_hallBtest", "cmd_hallteststop"};

constexpr PageId kLinkPages[] = {PageId::Basic,      PageId::Reference, PageId::Motor,
                                 PageId::Protection, PageId::Control,   PageId::Other,
                                 PageId::ModeSet};

Unit status_unit() {
    return unit_of(0xDF, 0xEF);
}

Bytes bytes(const ShortFrame& f) {
    return Bytes(f.begin(), f.end());
}

struct Fixture {
    FakeTransport port;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(port);

    ~Fixture() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(w) != nullptr) {
                w->close();
            }
        }
        window.reset();
        QApplication::processEvents();
    }

    QString text(const char* name) const {
        auto* l = window->findChild<QLabel*>(QLatin1String(name));
        return l != nullptr ? l->text() : QStringLiteral("<missing>");
    }
    QPushButton* button(const char* name) const {
        auto* b = window->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            window->Timer3_Timer();
        }
    }
    // Opened as the settings dialog would, and polled until the first status frame is in.
    void bringOnline() {
        (void)port.open();
        ticks(10);
        port.deliver(status_unit());
        ticks(1);
    }
    int countSent(const ShortFrame& f) const {
        return static_cast<int>(std::count(port.sent.begin(), port.sent.end(), bytes(f)));
    }
    static QList<QMessageBox*> boxes(const QString& text) {
        QList<QMessageBox*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box != nullptr && box->isVisible() && (text.isEmpty() || box->text() == text)) {
                out.append(box);
            }
        }
        return out;
    }
};

TEST(MainWindowLoad, StartsOfflineWithEveryButtonDisabledAndNothingSent) {
    Fixture f;
    EXPECT_EQ(f.window->windowTitle(), "EV Motiview V2.0.0.7B_EN");
    EXPECT_EQ(f.window->size(), QSize(12800 / 15, 10000 / 15));
    EXPECT_EQ(f.text("lblWelCom1"), "offline");
    EXPECT_EQ(f.text("PortNo"), "COM - ?");
    EXPECT_EQ(f.text("PortState"), "?");
    EXPECT_EQ(f.text("McuSN"), "");
    for (const char* name : kButtons) {
        EXPECT_FALSE(f.button(name)->isEnabled()) << name;
    }
    EXPECT_EQ(f.port.comNumber, 1);
    EXPECT_EQ(f.port.settings.baud, 9600);
    EXPECT_FALSE(f.port.isOpen());
    EXPECT_TRUE(f.port.sent.empty());
    EXPECT_FALSE(f.window->pollTimerActive());
}

TEST(MainWindowLoad, CaptionsAfterLoading) {
    Fixture f;
    struct Caption {
        const char* name;
        const char* text;
    };
    const Caption buttons[] = {{"cmdBasic", "Basic"},
                               {"cmdReference", "Reference"},
                               {"cmdMotor", "Motor"},
                               {"cmdContorl", "Control"},
                               {"cmddqPID", "Torque PID"},
                               {"cmdProtection", "Protection"},
                               {"cmdOther", "Other"},
                               {"cmdFluxWeaken", "Flux weaken"},
                               {"cmdIdcCalib", "DC current calbiration"},
                               {"cmdDerate", "Derate"},
                               {"cmdModeSet", "ModeSet"},
                               {"cmd_halltest", "Hall A test"},
                               {"cmd_hallBtest", "Hall B test"},
                               {"cmd_hallteststop", "Stop hall test"}};
    for (const Caption& c : buttons) {
        EXPECT_EQ(f.button(c.name)->text(), c.text) << c.name;
    }
    for (const char* hall : {"cmd_halltest", "cmd_hallBtest", "cmd_hallteststop"}) {
        EXPECT_EQ(f.button(hall)->font().family(), "Verdana") << hall;
    }
    const Caption menus[] = {
        {"Menu_File", "&File"},        {"Menu_File_Exit", "E&xit"},
        {"Menu_Option", "&Options"},   {"Menu_Option_ComSet", "&Com Setting..."},
        {"Menu_Lang", "Language(&L)"}, {"Menu_Lang_Eng", "English"},
        {"Menu_Help", "&Help"},        {"Menu_Help_Cont", "&Contact us"}};
    for (const Caption& c : menus) {
        QAction* a = f.action(c.name);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(), c.text) << c.name;
    }
}

// ---- poll timer ---------------------------------------------------------------------------

TEST(MainWindowPolling, PollsEveryTenthTickAndGoesOfflineForGoodWithoutAnswers) {
    Fixture f;
    (void)f.port.open();
    const Bytes request = bytes(frame_set().statusRequest);
    for (int tick = 1; tick <= 40; ++tick) {
        f.ticks(1);
        const QString expected = tick < 10 ? "offline" : (tick <= 20 ? "Connecting..." : "offline");
        ASSERT_EQ(f.text("lblWelCom1"), expected) << "tick " << tick;
        ASSERT_EQ(f.text("PortState"), tick >= 10 && tick <= 20 ? "?" : "9600,n,8,1")
            << "tick " << tick;
    }
    EXPECT_EQ(f.countSent(frame_set().statusRequest), 4);
    EXPECT_EQ(f.port.sent.front(), request);
    EXPECT_FALSE(f.button("cmdBasic")->isEnabled());
}

TEST(MainWindowPolling, OnlineEnablesEveryButtonAndTheSevenPagesButtons) {
    Fixture f;
    f.bringOnline();
    EXPECT_EQ(f.text("lblWelCom1"), "online");
    EXPECT_EQ(f.text("PortState"), "9600,n,8,1");
    for (const char* name : kButtons) {
        EXPECT_TRUE(f.button(name)->isEnabled()) << name;
    }
    for (PageId id : kLinkPages) {
        PageWindow* page = f.window->page(id);
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->isVisible()) << page->objectName().toStdString();
        EXPECT_TRUE(page->findChild<QPushButton*>("cmdread")->isEnabled());
        EXPECT_TRUE(page->findChild<QPushButton*>("cmdwrite")->isEnabled());
    }
    // The other four pages are not created by the poll timer.
    EXPECT_EQ(f.window->page(PageId::TorquePid), nullptr);
    EXPECT_EQ(f.window->page(PageId::Hardware), nullptr);

    // Two unanswered polls later the group is disabled again.
    f.ticks(21);
    EXPECT_EQ(f.text("lblWelCom1"), "offline");
    EXPECT_FALSE(f.button("cmd_halltest")->isEnabled());
    EXPECT_FALSE(f.window->page(PageId::Basic)->findChild<QPushButton*>("cmdread")->isEnabled());
}

TEST(MainWindowPolling, BrokenUnitMakesTheNextPollDiscardInput) {
    Fixture f;
    f.bringOnline();
    Unit broken = status_unit();
    broken[31] = 0x00;
    f.port.deliver(broken);
    f.ticks(10);
    ASSERT_EQ(f.port.discards.size(), 1U);
    EXPECT_EQ(f.port.discards.front(), kUnitSize);
    EXPECT_EQ(f.port.sent.back(), bytes(frame_set().statusRequest));
}

// ---- receive dispatch -----------------------------------------------------------------------

TEST(MainWindowReceive, UserInfoReplyWritesTheStatusBar) {
    Fixture f;
    Unit u = unit_of(0xF1, 0xE1, 0xA2);
    u[3] = 'B';
    u[4] = 'o';
    u[5] = 'b';
    f.port.deliver(u);
    EXPECT_EQ(f.text("McuSN"), "Bob");
}

TEST(MainWindowReceive, RepeatedAcknowledgementShowsOneBoxAndAtMostEightAreOpen) {
    Fixture f;
    f.port.deliver(unit_of(0xF0, 0xE1));
    f.port.deliver(unit_of(0xF0, 0xE1));
    QList<QMessageBox*> basic = Fixture::boxes("Basic set successfull!");
    ASSERT_EQ(basic.size(), 1);
    EXPECT_EQ(basic.front()->windowTitle(), "info");
    EXPECT_EQ(basic.front()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(basic.front()->icon(), QMessageBox::Information);

    // Acks of ten different kinds: the ninth and tenth find eight boxes open.
    const Unit acks[] = {unit_of(0xD5, 0xC6), unit_of(0xFB, 0xEE), unit_of(0xF1, 0xE2, 0xA2),
                         unit_of(0xD0, 0xC1), unit_of(0xFA, 0xEA), unit_of(0xFA, 0xEB),
                         unit_of(0xFF, 0xFE), unit_of(0xF2, 0xE3), unit_of(0xF6, 0xE7)};
    for (const Unit& u : acks) {
        f.port.deliver(u);
    }
    EXPECT_EQ(Fixture::boxes({}).size(), 8);
    ASSERT_EQ(Fixture::boxes("Make sure the throttle return and motor stops").size(), 1);
    EXPECT_EQ(Fixture::boxes("Make sure the throttle return and motor stops").front()->icon(),
              QMessageBox::Critical);

    // Closing one lets the same text come back.
    basic.front()->close();
    QApplication::processEvents();
    f.port.deliver(unit_of(0xF0, 0xE1));
    EXPECT_EQ(Fixture::boxes("Basic set successfull!").size(), 1);
}

TEST(MainWindowReceive, PollingGoesOnWhileABoxIsOpen) {
    Fixture f;
    f.bringOnline();
    f.port.deliver(unit_of(0xF0, 0xE1));
    ASSERT_EQ(Fixture::boxes("Basic set successfull!").size(), 1);
    const int before = f.countSent(frame_set().statusRequest);
    f.ticks(10);
    EXPECT_EQ(f.countSent(frame_set().statusRequest), before + 1);
}

// ---- hall tests -----------------------------------------------------------------------------

TEST(MainWindowHall, ButtonsSendTheirFramesAndStopAlwaysSends) {
    Fixture f;
    f.bringOnline();
    f.port.sent.clear();
    QTest::mouseClick(f.button("cmd_halltest"), Qt::LeftButton);
    QTest::mouseClick(f.button("cmd_hallBtest"), Qt::LeftButton);
    ASSERT_EQ(f.window->hallTestWindow(), nullptr);
    QTest::mouseClick(f.button("cmd_hallteststop"), Qt::LeftButton);
    const std::vector<Bytes> expected = {bytes(frame_set().hallTestA), bytes(frame_set().hallTestB),
                                         bytes(frame_set().hallTestStop)};
    EXPECT_EQ(f.port.sent, expected);
}

TEST(MainWindowHall, DoneNoticeClosesTheWindowOnTheSixthTickAndRestartsTheCount) {
    Fixture f;
    f.port.deliver(unit_of(0xFF, 0xFD));
    ASSERT_NE(f.window->hallTestWindow(), nullptr);
    EXPECT_TRUE(f.window->hallTestWindow()->isVisible());
    EXPECT_EQ(f.window->hallTestWindow()->findChild<QLabel*>("lblfrmHallTest")->text(),
              "Group Hall A is under testing.");

    f.port.deliver(unit_of(0xFF, 0xFC));
    EXPECT_EQ(f.window->hallTestWindow()->findChild<QLabel*>("lblfrmHallTest")->text(),
              "Group Hall A test is done.");
    for (int i = 0; i < 3; ++i) {
        f.window->Timer1_Timer();
    }
    // A second notice restarts the count from 0.
    f.port.deliver(unit_of(0xFF, 0xFA));
    for (int i = 0; i < 5; ++i) {
        f.window->Timer1_Timer();
        ASSERT_NE(f.window->hallTestWindow(), nullptr) << "tick " << i + 1;
    }
    f.window->Timer1_Timer();
    EXPECT_EQ(f.window->hallTestWindow(), nullptr);
    // The payload went to the pages that own the hall sector fields.
    EXPECT_NE(f.window->page(PageId::Motor), nullptr);
    EXPECT_NE(f.window->page(PageId::Protection), nullptr);
}

TEST(MainWindowHall, StopClosesAnOpenWindow) {
    Fixture f;
    f.bringOnline();
    f.port.deliver(unit_of(0xFF, 0xFB));
    ASSERT_NE(f.window->hallTestWindow(), nullptr);
    QTest::mouseClick(f.button("cmd_hallteststop"), Qt::LeftButton);
    EXPECT_EQ(f.window->hallTestWindow(), nullptr);
    EXPECT_EQ(f.port.sent.back(), bytes(frame_set().hallTestStop));
}

// ---- pages, menus, shutdown -------------------------------------------------------------------

TEST(MainWindowPages, OpenerSendsTheReadRequestAndShowsThePage) {
    Fixture f;
    f.bringOnline();
    f.port.sent.clear();
    QTest::mouseClick(f.button("cmdDerate"), Qt::LeftButton);
    ASSERT_EQ(f.port.sent.size(), 1U);
    EXPECT_EQ(f.port.sent.front(), bytes(frame_set().read(PageId::Derate)));
    ASSERT_NE(f.window->page(PageId::Derate), nullptr);
    EXPECT_TRUE(f.window->page(PageId::Derate)->isVisible());
}

TEST(MainWindowPages, OpeningBasicClosesItsRowAndKeepsModeSetAndDerate) {
    Fixture f;
    f.bringOnline();
    for (const char* name : {"cmdModeSet", "cmdDerate", "cmdReference"}) {
        QTest::mouseClick(f.button(name), Qt::LeftButton);
    }
    ASSERT_NE(f.window->page(PageId::Reference), nullptr);
    QTest::mouseClick(f.button("cmdBasic"), Qt::LeftButton);
    QApplication::processEvents();
    for (PageId other : page_schema(PageId::Basic).closes) {
        EXPECT_EQ(f.window->page(other), nullptr) << static_cast<int>(other);
    }
    EXPECT_EQ(f.window->page(PageId::Reference), nullptr);
    for (PageId kept : {PageId::Basic, PageId::ModeSet, PageId::Derate}) {
        ASSERT_NE(f.window->page(kept), nullptr) << static_cast<int>(kept);
        EXPECT_TRUE(f.window->page(kept)->isVisible()) << static_cast<int>(kept);
    }
}

TEST(MainWindowMenus, EnglishLoadsEveryPageHiddenAndSendsNothing) {
    Fixture f;
    f.action("Menu_Lang_Eng")->trigger();
    for (std::size_t i = 0; i < kPageCount; ++i) {
        PageWindow* page = f.window->page(static_cast<PageId>(i));
        ASSERT_NE(page, nullptr) << i;
        EXPECT_FALSE(page->isVisible()) << page->objectName().toStdString();
    }
    EXPECT_TRUE(f.port.sent.empty());
    EXPECT_EQ(f.text("lblWelCom1"), "offline");
}

TEST(MainWindowMenus, ContactWindowIsModal) {
    Fixture f;
    f.window->show();
    f.action("Menu_Help_Cont")->trigger();
    auto* contact = f.window->findChild<QDialog*>("frmContact");
    ASSERT_NE(contact, nullptr);
    EXPECT_TRUE(contact->isVisible());
    EXPECT_TRUE(contact->isModal() || contact->windowModality() != Qt::NonModal);
    contact->close();
}

TEST(MainWindowMenus, ExitClosesThePortAndStopsPolling) {
    Fixture f;
    f.window->show();
    f.bringOnline();
    ASSERT_TRUE(f.port.isOpen());
    f.action("Menu_File_Exit")->trigger();
    EXPECT_FALSE(f.port.isOpen());
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_FALSE(f.window->pollTimerActive());
}

} // namespace

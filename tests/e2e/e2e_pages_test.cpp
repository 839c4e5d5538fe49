// Parameter pages and hall tests end to end: read, edit, write, and what the simulator stored.
#include "sim_process.h"

#include "pages/page_schema.h"
#include "ui/hall_test_window.h"
#include "ui/page_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace motiview;
using namespace motiview::test;

namespace {

QPushButton* button(QWidget* parent, const QString& name) {
    return parent->findChild<QPushButton*>(name);
}

// Payload bytes 2..30 of a dumped block, as hex.
std::string payload(const std::string& hexFrame) {
    return hexFrame.size() >= 93 ? hexFrame.substr(6, 29 * 3 - 1) : hexFrame;
}

PageWindow* open_and_read(Rig& rig, PageId id) {
    const PageSchema& schema = page_schema(id);
    QPushButton* opener =
        button(rig.window.get(), QString::fromUtf8(schema.opener.data(),
                                                   static_cast<qsizetype>(schema.opener.size())));
    if (opener == nullptr || !opener->isEnabled()) {
        return nullptr;
    }
    QTest::mouseClick(opener, Qt::LeftButton);
    PageWindow* page = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            page = rig.window->page(id);
            return page != nullptr && page->collectState().filled;
        },
        4000);
    return page != nullptr && page->collectState().filled ? page : nullptr;
}

TEST(EndToEndPages, BasicReadEditWrite) {
    Rig rig;
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    const std::string before = payload(rig.sim->blocks()["basic"]);
    ASSERT_FALSE(before.empty());

    PageWindow* page = open_and_read(rig, PageId::Basic);
    ASSERT_NE(page, nullptr);
    auto* maxSpeed = page->findChild<QLineEdit*>(QStringLiteral("txtMaxspeed"));
    ASSERT_NE(maxSpeed, nullptr);
    // The simulator's value, not the design-time 350.
    const int shownSpeed = maxSpeed->text().toInt();
    EXPECT_EQ(shownSpeed, std::stoi(before.substr(3, 2) + before.substr(0, 2), nullptr, 16));
    maxSpeed->selectAll();
    QTest::keyClicks(maxSpeed, QStringLiteral("4321"));
    QTest::mouseClick(button(page, QStringLiteral("cmdwrite")), Qt::LeftButton);

    EXPECT_EQ(waitForMessage(QStringLiteral("Basic set successfull!"), 4000),
              "Basic set successfull!");
    // Exactly the read block with bytes 2-3 = 4321 (E1 10).
    std::string expected = before;
    expected.replace(0, 5, "E1 10");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return payload(rig.sim->blocks()["basic"]) == expected; }, 3000))
        << payload(rig.sim->blocks()["basic"]) << "\n"
        << expected;
}

TEST(EndToEndPages, EveryPageReadThenWrittenStoresWhatWasRead) {
    Rig rig;
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    for (PageId id : kAllPages) {
        const PageSchema& schema = page_schema(id);
        SCOPED_TRACE(std::string(schema.cliName));
        const std::string before = payload(rig.sim->blocks()[std::string(schema.cliName)]);
        PageWindow* page = open_and_read(rig, id);
        ASSERT_NE(page, nullptr);
        QTest::mouseClick(button(page, QStringLiteral("cmdwrite")), Qt::LeftButton);
        const QString ack =
            QString::fromUtf8(schema.ackText.data(), static_cast<qsizetype>(schema.ackText.size()));
        EXPECT_EQ(waitForMessage(ack, 4000), ack);
        // A read-then-write stores the same block: the controller keeps its own readings and
        // count whatever the write carries, and the week it holds is already 0.
        EXPECT_EQ(payload(rig.sim->blocks()[std::string(schema.cliName)]), before);
    }
}

TEST(EndToEndPages, HallTestsFillMotorAndProtectionAndCloseTheirWindow) {
    Rig rig;
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    for (const auto& [buttonName, pageId, running, done] :
         {std::tuple{"cmd_halltest", PageId::Motor, "Group Hall A is under testing.",
                     "Group Hall A test is done."},
          std::tuple{"cmd_hallBtest", PageId::Protection, "Group Hall B is under testing.",
                     "Group Hall B test is done."}}) {
        SCOPED_TRACE(buttonName);
        QTest::mouseClick(button(rig.window.get(), QString::fromUtf8(buttonName)), Qt::LeftButton);
        auto hallText = [&] {
            HallTestWindow* w = rig.window->hallTestWindow();
            auto* l =
                w != nullptr ? w->findChild<QLabel*>(QStringLiteral("lblfrmHallTest")) : nullptr;
            return l != nullptr && w->isVisible() ? l->text() : QString();
        };
        // Named copies: a lambda may not capture a structured binding before C++20 compilers
        // caught up (clang 14).
        const QString runningText = QString::fromUtf8(running);
        const QString doneText = QString::fromUtf8(done);
        EXPECT_TRUE(QTest::qWaitFor([&] { return hallText() == runningText; }, 3000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return hallText() == doneText; }, 4000));
        // Decoded into the page, which exists (hidden) without being opened.
        PageWindow* page = rig.window->page(pageId);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->collectState().filled);
        // The window closes itself about 0.6 s after the done notice.
        EXPECT_TRUE(QTest::qWaitFor([&] { return rig.window->hallTestWindow() == nullptr; }, 3000));
    }
    // The Motor page shows the hall sectors the test produced, as the simulator stored them.
    const std::string motor = payload(rig.sim->blocks()["motor"]);
    auto* sec1 =
        rig.window->page(PageId::Motor)->findChild<QLineEdit*>(QStringLiteral("txtFrmHallSec1"));
    ASSERT_NE(sec1, nullptr);
    EXPECT_EQ(sec1->text().toInt(), std::stoi(motor.substr(7 * 3, 2), nullptr, 16));
}

} // namespace

// Faults on the line end to end: a broken parameter reply, and device text that looks like
// markup or carries control and direction characters.
#include "sim_process.h"

#include "pages/page_schema.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace motiview;
using namespace motiview::test;

namespace {

TEST(EndToEndFaults, BrokenPageReplyLeavesThePageUntouchedAndTheLinkUp) {
    const PageCodes basic = page_codes(PageId::Basic);
    int brokenReplies = 0;
    Rig rig({"--bad-end-once"});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    // Connected after the window's handler: a count means the window has dealt with it.
    QObject::connect(
        rig.port.get(), &Transport::unitReceived, rig.window.get(), [&](const Unit& u) {
            if (u[0] == basic.group && u[1] == basic.read && u[kUnitSize - 1] != kEndByte) {
                ++brokenReplies;
            }
        });
    auto* opener = rig.window->findChild<QPushButton*>(QStringLiteral("cmdBasic"));
    ASSERT_NE(opener, nullptr);
    QTest::mouseClick(opener, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.window->page(PageId::Basic) != nullptr; }, 2000));
    PageWindow* page = rig.window->page(PageId::Basic);
    const PageState before = page->collectState();

    // The answer to the read ends in a wrong byte: dropped whole, nothing decoded.
    ASSERT_TRUE(QTest::qWaitFor([&] { return brokenReplies >= 1; }, 3000));
    EXPECT_FALSE(page->collectState().filled);
    EXPECT_EQ(page->collectState().fields.size(), before.fields.size());
    for (std::size_t i = 0; i < before.fields.size(); ++i) {
        EXPECT_EQ(page->collectState().fields[i].text, before.fields[i].text) << i;
    }
    EXPECT_TRUE(rig.waitForState(LinkState::Online, 3000));

    // The next read is answered properly.
    auto* read = page->findChild<QPushButton*>(QStringLiteral("cmdread"));
    ASSERT_NE(read, nullptr);
    QTest::mouseClick(read, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->collectState().filled; }, 4000));
}

struct NameCase {
    const char* label;
    QString sent;     // as given to the simulator; its bytes go out as they are
    QString expected; // what the status bar shows: the bytes read as Windows-1252, literally
};

class EndToEndDeviceText : public ::testing::TestWithParam<NameCase> {};

TEST_P(EndToEndDeviceText, UserNameIsShownLiterallyAndBounded) {
    const NameCase& c = GetParam();
    Rig rig({"--user-name", c.sent});
    ASSERT_TRUE(rig.sim->started()) << rig.sim->errorOutput().toStdString();
    ASSERT_TRUE(rig.connect());
    auto* panel = rig.window->findChild<QLabel*>(QStringLiteral("McuSN"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->text().isEmpty(); }, 4000));
    EXPECT_EQ(panel->text(), c.expected);
    EXPECT_EQ(panel->textFormat(), Qt::PlainText);
    EXPECT_LE(panel->text().size(), 20);
    // Still polling: nothing in the name disturbed the link.
    EXPECT_TRUE(rig.waitForState(LinkState::Online, 3000));
}

INSTANTIATE_TEST_SUITE_P(
    Names, EndToEndDeviceText,
    ::testing::Values(
        NameCase{"bold", QStringLiteral("<b>x</b>"), QStringLiteral("<b>x</b>")},
        // All 20 bytes the frame holds; shown as text, so no image is fetched.
        NameCase{"image", QStringLiteral("<img src=\"http://1\">"),
                 QStringLiteral("<img src=\"http://1\">")},
        NameCase{"link", QStringLiteral("<a href=\"x\">y</a>"),
                 QStringLiteral("<a href=\"x\">y</a>")},
        // Escape and bell are dropped; the right-to-left override arrives as its three UTF-8
        // bytes, which Windows-1252 shows as plain letters, so it overrides nothing.
        NameCase{"control", QStringLiteral("A\x1b[31mB\aC"), QStringLiteral("A[31mBC")},
        NameCase{"rtl_override", QStringLiteral("ab\u202Ecd"),
                 QStringLiteral("ab\u00E2\u20AC\u00AEcd")},
        NameCase{"high_bytes", QStringLiteral("Z\u00E9"), QStringLiteral("Z\u00C3\u00A9")}),
    [](const ::testing::TestParamInfo<NameCase>& p) { return std::string(p.param.label); });

} // namespace

#include "ui/hall_test_window.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

using namespace motiview;

namespace {

TEST(HallTestWindow, IsASmallModelessTopLevelWithItsDesignText) {
    QWidget owner;
    HallTestWindow w(&owner);
    EXPECT_EQ(w.objectName(), "frmHallTest");
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowModality(), Qt::NonModal);
    auto* label = w.findChild<QLabel*>(QStringLiteral("lblfrmHallTest"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Group Hall A is under testing.");
    EXPECT_LE(w.width(), 400);
    EXPECT_LE(w.height(), 200);
}

TEST(HallTestWindow, SetTextShowsPlainText) {
    HallTestWindow w;
    auto* label = w.findChild<QLabel*>(QStringLiteral("lblfrmHallTest"));
    ASSERT_NE(label, nullptr);
    const QString texts[] = {QStringLiteral("Group Hall B test is done."),
                             QStringLiteral("<b>bold</b> &amp;")};
    for (const QString& t : texts) {
        w.setText(t);
        EXPECT_EQ(label->text(), t);
        EXPECT_EQ(w.text(), t);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

} // namespace

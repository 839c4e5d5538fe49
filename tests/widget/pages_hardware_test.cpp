// The hardware page's own behaviour: brake level switches, the reset-count button, the
// select-all box, the week reset and the fixed window size.

#include "pages_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace motiview::test {
namespace {

class HardwarePageTest : public ::testing::Test {
  protected:
    HardwarePageTest() : fx_(PageId::Hardware) {}

    Unit reply(std::uint8_t flags) {
        Unit u = make_reply(page_schema(PageId::Hardware), 9u);
        u[4] = flags;
        return u;
    }

    PageFixture fx_;
};

struct BrakeCase {
    const char* check;
    const char* list;
};

class HardwareBrakeTest : public HardwarePageTest,
                          public ::testing::WithParamInterface<BrakeCase> {};

TEST_P(HardwareBrakeTest, ClicksEnableAndDisableTheirList) {
    auto* check = fx_.child<QCheckBox>(GetParam().check);
    auto* list = fx_.child<QComboBox>(GetParam().list);
    ASSERT_NE(check, nullptr);
    ASSERT_NE(list, nullptr);
    fx_.window().decodeReply(reply(0x7F));
    ASSERT_TRUE(check->isChecked());
    ASSERT_TRUE(list->isEnabled());

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(list->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(list->isEnabled());
}

TEST_P(HardwareBrakeTest, ReplyBitsEnableAndDisableTheirList) {
    auto* check = fx_.child<QCheckBox>(GetParam().check);
    auto* list = fx_.child<QComboBox>(GetParam().list);
    fx_.window().decodeReply(reply(0x00));
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(list->currentText(), QStringLiteral("L"));
    fx_.window().decodeReply(reply(0x7F));
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(list->currentText(), QStringLiteral("H"));
}

INSTANTIATE_TEST_SUITE_P(Brakes, HardwareBrakeTest,
                         ::testing::Values(BrakeCase{"ChkBrakeLevelH", "cmbBrakehigh"},
                                           BrakeCase{"ChkBrakeLevelL", "cmbBrakelow"}),
                         ByLabel<&BrakeCase::check>{});

TEST_F(HardwarePageTest, FlagByteOfAMixedReplySelectsEachLevel) {
    fx_.window().decodeReply(reply(0x49));
    EXPECT_EQ(fx_.child<QComboBox>("cmbForward")->currentText(), QStringLiteral("H"));
    EXPECT_EQ(fx_.child<QComboBox>("cmbBackward")->currentText(), QStringLiteral("L"));
    EXPECT_EQ(fx_.child<QComboBox>("cmbBrakehigh")->currentText(), QStringLiteral("L"));
    EXPECT_EQ(fx_.child<QComboBox>("cmbBrakelow")->currentText(), QStringLiteral("L"));
    EXPECT_EQ(fx_.child<QComboBox>("cmbReserve")->currentText(), QStringLiteral("L"));
    EXPECT_TRUE(fx_.child<QCheckBox>("ChkBrakeLevelH")->isChecked());
    EXPECT_TRUE(fx_.child<QCheckBox>("ChkBrakeLevelL")->isChecked());
    EXPECT_TRUE(fx_.child<QComboBox>("cmbBrakehigh")->isEnabled());
    EXPECT_TRUE(fx_.child<QComboBox>("cmbBrakelow")->isEnabled());
}

TEST_F(HardwarePageTest, WiringCodeZeroLeavesTheListWithoutSelection) {
    Unit u = reply(0x00);
    u[26] = 0;
    u[27] = 3;
    fx_.window().decodeReply(u);
    EXPECT_EQ(fx_.child<QComboBox>("cmbHallCType")->currentIndex(), -1);
    EXPECT_EQ(fx_.child<QComboBox>("cmbPhaseCType")->currentText(), QStringLiteral("D3: B->G->Y"));
}

TEST_F(HardwarePageTest, ResetCountSendsTheCommandAndResetsTheFactor) {
    auto* factor = fx_.child<QLineEdit>("txtIdcCalibF_All");
    ASSERT_NE(factor, nullptr);
    factor->setText(QStringLiteral("37"));
    auto* reset = fx_.child<QPushButton>("cmdCntReset");
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->text(), QStringLiteral("Reset count"));
    QTest::mouseClick(reset, Qt::LeftButton);
    ASSERT_EQ(fx_.port().sent.size(), 1u);
    EXPECT_EQ(fx_.port().sent[0], (Bytes{0xFB, 0xEC, 0xDA}));
    EXPECT_EQ(factor->text(), QStringLiteral("1"));
}

TEST(PageExtraButtons, OnlyTheHardwarePageHasResetCount) {
    for (PageId id : kAllPages) {
        PageFixture fx(id);
        EXPECT_EQ(fx.child<QPushButton>("cmdCntReset") != nullptr, id == PageId::Hardware)
            << page_schema(id).cliName;
    }
}

struct FocusCase {
    const char* field;
    bool selectsAll;
};

class HardwareFocusTest : public HardwarePageTest,
                          public ::testing::WithParamInterface<FocusCase> {};

TEST_P(HardwareFocusTest, MouseFocusSelectsAllOnlyWhereAsked) {
    auto* edit = fx_.child<QLineEdit>(GetParam().field);
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("8192"));
    edit->deselect();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &in);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->selectedText(), GetParam().selectsAll ? QStringLiteral("8192") : QString());
}

INSTANTIATE_TEST_SUITE_P(Boxes, HardwareFocusTest,
                         ::testing::Values(FocusCase{"txtIcADC128A", true},
                                           FocusCase{"txtFluxPeriod", false}),
                         ByLabel<&FocusCase::field>{});

TEST_F(HardwarePageTest, EveryWriteLeavesWeekZero) {
    Unit u = reply(0x00);
    u[11] = 27;
    fx_.window().decodeReply(u);
    auto* week = fx_.child<QLineEdit>("txtWeekNum");
    ASSERT_EQ(week->text(), QStringLiteral("27"));
    QTest::mouseClick(fx_.child<QPushButton>("cmdwrite"), Qt::LeftButton);
    ASSERT_EQ(fx_.port().sent.size(), 1u);
    EXPECT_EQ(fx_.port().sent[0][11], 0);
    EXPECT_EQ(week->text(), QStringLiteral("0"));
    // A second write still sends 0.
    QTest::mouseClick(fx_.child<QPushButton>("cmdwrite"), Qt::LeftButton);
    ASSERT_EQ(fx_.port().sent.size(), 2u);
    EXPECT_EQ(fx_.port().sent[1][11], 0);
}

TEST_F(HardwarePageTest, RefusedWriteLeavesWeekAlone) {
    Unit u = reply(0x00);
    u[11] = 27;
    fx_.window().decodeReply(u);
    auto* gain = fx_.child<QLineEdit>("txtidc_gain");
    gain->selectAll();
    QTest::keyClicks(gain, QStringLiteral("x"));
    QTest::mouseClick(fx_.child<QPushButton>("cmdwrite"), Qt::LeftButton);
    EXPECT_TRUE(fx_.port().sent.empty());
    EXPECT_EQ(fx_.child<QLineEdit>("txtWeekNum")->text(), QStringLiteral("27"));
}

TEST_F(HardwarePageTest, SerialNumberBoxesShareOneRow) {
    const char* boxes[] = {"txtProjectNum", "txtYearNum", "txtWeekNum", "txtSNNum",
                           "txtCustomerNum"};
    const int y = fx_.child<QLineEdit>(boxes[0])->geometry().y();
    int x = -1;
    for (const char* name : boxes) {
        const QRect g = fx_.child<QLineEdit>(name)->geometry();
        EXPECT_EQ(g.y(), y) << name;
        EXPECT_GT(g.x(), x) << name;
        x = g.x();
        EXPECT_EQ(fx_.child<QLineEdit>(name)->accessibleName(), QStringLiteral("Serial Num"));
    }
    EXPECT_LT(fx_.child<QWidget>("lblSerialNum")->geometry().bottom(), y);
}

TEST_F(HardwarePageTest, WindowIsSizedFromTwips) {
    EXPECT_EQ(fx_.window().size(), QSize(600, 453));
    EXPECT_LE(fx_.window().minimumSizeHint().height(), 453);
    EXPECT_LE(fx_.window().minimumSizeHint().width(), 600);
}

TEST(PageWindowSize, SelfSizedPagesStayCompact) {
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        if (page.widthTwips > 0) {
            continue;
        }
        PageFixture fx(id);
        EXPECT_LE(fx.window().height(), 650) << page.cliName;
        EXPECT_GE(fx.window().height(), fx.window().minimumSizeHint().height()) << page.cliName;
    }
}

TEST(PageWindowLifetime, ClosingDeletesTheWindow) {
    FakeTransport port;
    QPointer<PageWindow> w = new PageWindow(page_schema(PageId::Basic), port);
    w->show();
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

} // namespace
} // namespace motiview::test

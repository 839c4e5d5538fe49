// The status and fault panels: design state, start-up reset, applying frames, captions, layout.
#include "original_facts.h"
#include "test_support.h"
#include "ui/status_panel.h"

#include "case_names.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

using namespace motiview;
using motiview::test::ByLabel;

using motiview::test::kDot;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

const char* const kValues[] = {
    "lblfrmSysStatusVdc_a",
    "lblfrmSysStatusIdc_a",
    "lblfrmSysStatusRPM_a",
    "lblfrmSysStatusVthrot_a",
    "lblfrmSysStatustemp_a",
    "lblfrmSysStatusBrake_a",
    "lblfrmSysStatusTref_a",
    "lblfrmSysStatusTact_a",
    "lblfrmSysStatusDir_a",
    "lblfrmSysStatusHallC_a",
    "lblfrmSysStatusAlarm_a",
    "lblfrmSysStatusHallP_a",
    "lblfrmSysStatusEco_a",
    "lblIdactual_a",
    "lblIdref_a",
    "lblfrmSysStatusBoost_a",
    "lblHallSt_a",
    "lblMode_a",
    "lblECO_a",
};

const char* const kFaultNames[] = {
    "lblfrmErrHall",   "lblfrmErrUV",    "lblfrmErrOV",  "lblfrmErrOH",     "lblfrmErrOIac",
    "lblfrmErrDQtime", "lblfrmErrLockM", "lblfrmErrMOH", "lblfrmErrMSOpen", "lblfrmErrMSShort"};

std::string with(const char* name, const char* suffix) {
    return std::string(name) + suffix;
}

Unit status_frame(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes = {}) {
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[31] = kEndByte;
    for (const auto& [index, value] : bytes) {
        u[index] = value;
    }
    return u;
}

// A running controller with a hall fault now and a thermistor-open fault in its history.
Unit sample_frame() {
    return status_frame({{2, 0x10},  {3, 0x27},  // 100.00 V
                         {4, 0x34},  {5, 0x92},  // -46.6 A
                         {6, 0xB8},  {7, 0x0B},  // 3000 rpm
                         {8, 45},                // 35 deg
                         {9, 0x45},              // forward, hall calib, hall group 1
                         {10, 0x00}, {11, 0x20}, // history: thermistor open
                         {12, 30},               // 60 deg
                         {13, 0x2C}, {14, 0x81}, // -300
                         {15, 0x3A}, {16, 0x30}, // 1.235 V
                         {17, 0x11},             // forward and low brake high
                         {18, 3},                // RUN
                         {19, 0x00}, {20, 0x04}, // current: hall
                         {27, 2},                // FORWARD
                         {28, 7},    {29, 5},    {30, 2}});
}

class MonitorPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        view = std::make_unique<MonitorView>();
        view->resize(640, 560);
    }

    QLabel* find(const std::string& name) const {
        return view->findChild<QLabel*>(QString::fromStdString(name));
    }
    QString text(const std::string& name) const {
        QLabel* l = find(name);
        return l != nullptr ? l->text() : QStringLiteral("<missing>");
    }
    QColor color(const std::string& name) const {
        QLabel* l = find(name);
        return l != nullptr ? l->palette().color(QPalette::WindowText) : QColor();
    }
    bool hidden(const std::string& name) const {
        QLabel* l = find(name);
        return l == nullptr || l->isHidden();
    }

    std::unique_ptr<MonitorView> view;
};

// ---- design state -----------------------------------------------------------------------

TEST_F(MonitorPanel, DesignStateBeforeAnyFrame) {
    EXPECT_EQ(text("lblfrmSysMach_a"), "FAULT");
    EXPECT_EQ(color("lblfrmSysMach_a"), kRed);
    EXPECT_EQ(text("lblgearStatus"), "NONE");
    EXPECT_EQ(text("lblHallGroup"), "1");
    EXPECT_EQ(text("lblPedalErr"), "18");
    EXPECT_EQ(text("lblErrTitle"), "Error description:");
    EXPECT_FALSE(hidden("lblErrTitle"));
    for (const char* n : kFaultNames) {
        for (const char* cell : {"C", "H"}) {
            EXPECT_EQ(text(with(n, cell)), "NG") << n << cell;
            EXPECT_EQ(color(with(n, cell)), kRed) << n << cell;
        }
        EXPECT_TRUE(text(with(n, "D")).endsWith(QLatin1Char('.'))) << n;
        EXPECT_FALSE(hidden(with(n, "D"))) << n;
    }
}

TEST_F(MonitorPanel, ValueLabelsAreBoldGreenOnBlack) {
    for (const char* v : kValues) {
        QLabel* l = find(v);
        ASSERT_NE(l, nullptr) << v;
        EXPECT_TRUE(l->font().bold()) << v;
        EXPECT_EQ(l->palette().color(QPalette::WindowText), kGreen) << v;
        EXPECT_EQ(l->palette().color(QPalette::Window), QColor(0, 0, 0)) << v;
        EXPECT_TRUE(l->autoFillBackground()) << v;
    }
}

TEST_F(MonitorPanel, EveryNamedLabelIsPlainText) {
    const auto labels = view->findChildren<QLabel*>();
    int named = 0;
    for (QLabel* l : labels) {
        if (!l->objectName().isEmpty()) {
            ++named;
            EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
            EXPECT_EQ(view->label(l->objectName().toStdString()), l);
        }
    }
    // 19 rows x 2, state + title, input block, gear, hall group + title, pedal error,
    // 3 column titles, 10 fault rows x 4, the line across the panels.
    EXPECT_EQ(named, 38 + 2 + 1 + 1 + 2 + 1 + 3 + 40 + 1);
}

// ---- start-up reset -----------------------------------------------------------------------

TEST_F(MonitorPanel, ResetWritesStarsIntoTheNineteenValuesOnly) {
    view->apply(decode_status(sample_frame(), kDot));
    view->resetLiveValues();
    for (const char* v : kValues) {
        EXPECT_EQ(text(v), "***") << v;
    }
    EXPECT_EQ(text("lblfrmSysMach_a"), "RUN");
    EXPECT_EQ(text("lblgearStatus"), "FORWARD");
    EXPECT_EQ(text("lblHallGroup"), "1");
    EXPECT_EQ(text("lblPedalErr"), "7");
    EXPECT_EQ(text("lblPortStatus").toStdString(), input_status_text(0x11));
    EXPECT_EQ(text("lblfrmErrHallC"), "NG");
    EXPECT_EQ(text("lblfrmErrUVC"), "OK");
    EXPECT_TRUE(hidden("lblfrmErrUVD"));
}

// ---- applying frames ------------------------------------------------------------------------

struct Shown {
    const char* label;
    const char* text;
};

void PrintTo(const Shown& c, std::ostream* os) {
    *os << c.label;
}

class MonitorPanelSample : public MonitorPanel, public ::testing::WithParamInterface<Shown> {};

TEST_P(MonitorPanelSample, TextAfterTheSampleFrame) {
    view->resetLiveValues();
    view->apply(decode_status(sample_frame(), kDot));
    EXPECT_EQ(text(GetParam().label).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, MonitorPanelSample,
    ::testing::Values(Shown{"lblfrmSysStatusVdc_a", "100.00"},
                      Shown{"lblfrmSysStatusIdc_a", "-46.6"}, Shown{"lblfrmSysStatusRPM_a", "3000"},
                      Shown{"lblfrmSysStatustemp_a", "35"}, Shown{"lblfrmSysStatusVthrot_a", "60"},
                      Shown{"lblfrmSysStatusTref_a", "-300"}, Shown{"lblfrmSysStatusTact_a", "0"},
                      Shown{"lblfrmSysStatusHallP_a", "1.235"}, Shown{"lblfrmSysStatusEco_a", "F"},
                      Shown{"lblfrmSysStatusDir_a", "Null"}, Shown{"lblfrmSysStatusHallC_a", "Y"},
                      Shown{"lblfrmSysStatusAlarm_a", "N"}, Shown{"lblfrmSysStatusBrake_a", "N"},
                      Shown{"lblECO_a", "N"}, Shown{"lblHallGroup", "1"},
                      Shown{"lblfrmSysStatusBoost_a", "N"}, Shown{"lblfrmSysMach_a", "RUN"},
                      Shown{"lblgearStatus", "FORWARD"}, Shown{"lblPedalErr", "7"},
                      Shown{"lblHallSt_a", "5"}, Shown{"lblMode_a", "2"},
                      Shown{"lblfrmErrHallC", "NG"}, Shown{"lblfrmErrHallH", "OK"},
                      Shown{"lblfrmErrMSOpenH", "NG"}, Shown{"lblfrmErrMSOpenC", "OK"},
                      Shown{"lblfrmErrMSShortH", "OK"}, Shown{"lblfrmErrUVC", "OK"}),
    ByLabel<&Shown::label>{});

TEST_F(MonitorPanel, FaultCellsColoursAndDescriptions) {
    view->apply(decode_status(sample_frame(), kDot));
    EXPECT_EQ(color("lblfrmErrHallC"), kRed);
    EXPECT_EQ(color("lblfrmErrHallH"), kGreen);
    EXPECT_EQ(color("lblfrmErrMSOpenH"), kRed);
    EXPECT_EQ(color("lblfrmErrOVC"), kGreen);
    EXPECT_EQ(color("lblfrmSysMach_a"), kGreen);
    EXPECT_FALSE(hidden("lblErrTitle"));
    EXPECT_FALSE(hidden("lblfrmErrHallD"));
    for (const char* n : kFaultNames) {
        if (std::string(n) != "lblfrmErrHall") {
            EXPECT_TRUE(hidden(with(n, "D"))) << n;
        }
    }
    // The value labels keep their own colour.
    EXPECT_EQ(color("lblfrmSysStatusVdc_a"), kGreen);
}

TEST_F(MonitorPanel, ClearCurrentWordHidesEveryDescriptionAndTheTitle) {
    view->apply(decode_status(status_frame({{19, 0xFF}, {20, 0xFF}}), kDot));
    EXPECT_FALSE(hidden("lblErrTitle"));
    for (const char* n : kFaultNames) {
        EXPECT_FALSE(hidden(with(n, "D"))) << n;
    }
    view->apply(decode_status(status_frame(), kDot));
    EXPECT_TRUE(hidden("lblErrTitle"));
    for (const char* n : kFaultNames) {
        EXPECT_TRUE(hidden(with(n, "D"))) << n;
        EXPECT_EQ(text(with(n, "C")), "OK") << n;
        EXPECT_EQ(color(with(n, "C")), kGreen) << n;
    }
}

TEST_F(MonitorPanel, StateColourFollowsEachFrame) {
    view->apply(decode_status(status_frame({{18, 6}}), kDot));
    EXPECT_EQ(text("lblfrmSysMach_a"), "FAULT");
    EXPECT_EQ(color("lblfrmSysMach_a"), kRed);
    view->apply(decode_status(status_frame({{18, 3}}), kDot));
    EXPECT_EQ(text("lblfrmSysMach_a"), "RUN");
    EXPECT_EQ(color("lblfrmSysMach_a"), kGreen);
    view->apply(decode_status(status_frame({{18, 9}}), kDot));
    EXPECT_EQ(text("lblfrmSysMach_a"), "9");
    EXPECT_EQ(color("lblfrmSysMach_a"), kGreen);
}

TEST_F(MonitorPanel, MarkupAndUnknownNamesAreHarmless) {
    StatusView v;
    v.labels.push_back(LabelUpdate{"lblNoSuchLabel", "x", TextColor::Red});
    v.labels.push_back(LabelUpdate{"lblPedalErr", "<b>7</b>", TextColor::Unchanged});
    v.visibility.push_back(VisibilityUpdate{"lblNoSuchLabel", false});
    v.visibility.push_back(VisibilityUpdate{"lblfrmErrOVD", false});
    view->apply(v);
    EXPECT_EQ(text("lblPedalErr"), "<b>7</b>");
    EXPECT_EQ(find("lblPedalErr")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(hidden("lblfrmErrOVD"));
}

// ---- captions ---------------------------------------------------------------------------

TEST_F(MonitorPanel, CaptionsKeepCellsColoursAndVisibility) {
    view->apply(decode_status(sample_frame(), kDot));
    view->applyCaptions();
    EXPECT_EQ(text("lblfrmErrHallC"), "NG");
    EXPECT_EQ(color("lblfrmErrHallC"), kRed);
    EXPECT_EQ(text("lblfrmErrUVC"), "OK");
    EXPECT_EQ(color("lblfrmErrUVC"), kGreen);
    EXPECT_EQ(text("lblfrmErrMSOpenH"), "NG");
    EXPECT_FALSE(hidden("lblfrmErrHallD"));
    EXPECT_TRUE(hidden("lblfrmErrUVD"));
    EXPECT_FALSE(hidden("lblErrTitle"));
    EXPECT_EQ(text("lblfrmSysMach_a"), "RUN");
    EXPECT_EQ(text("lblfrmSysStatusVdc_a"), "100.00");
    // The input block returns to every level high until the next frame.
    EXPECT_EQ(text("lblPortStatus").toStdString(), input_status_all_high());
    view->apply(decode_status(sample_frame(), kDot));
    EXPECT_EQ(text("lblPortStatus").toStdString(), input_status_text(0x11));
}

class MonitorPanelCaptions : public MonitorPanel,
                             public ::testing::WithParamInterface<test::Caption> {};

TEST_P(MonitorPanelCaptions, Text) {
    view->applyCaptions();
    EXPECT_EQ(text(GetParam().label).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Labels, MonitorPanelCaptions, ::testing::ValuesIn(test::kPanelCaptions),
                         ByLabel<&test::Caption::label>{});

TEST_F(MonitorPanel, FrameTitlesAndFonts) {
    view->applyCaptions();
    auto* status = view->findChild<QGroupBox*>(QStringLiteral("frmSysStatus"));
    auto* faults = view->findChild<QGroupBox*>(QStringLiteral("frmErrCode"));
    ASSERT_NE(status, nullptr);
    ASSERT_NE(faults, nullptr);
    EXPECT_EQ(status->title(), "System RealTime info");
    EXPECT_EQ(faults->title(), "Error infomation");
    EXPECT_EQ(status->font().family(), "Verdana");
    EXPECT_EQ(find("lblHallG")->font().family(), "Verdana");
    // Values keep their weight under the frame's font.
    EXPECT_TRUE(find("lblfrmSysStatusVdc_a")->font().bold());
    EXPECT_EQ(find("lblfrmSysStatusVdc_a")->font().family(), "Verdana");
}

// ---- layout -------------------------------------------------------------------------------

TEST_F(MonitorPanel, FitsItsPlaceInTheMainWindow) {
    EXPECT_LE(view->minimumSizeHint().width(), 640);
    EXPECT_LE(view->minimumSizeHint().height(), 560);
}

TEST_F(MonitorPanel, NoLabelIsClippedAtTheMainWindowSize) {
    view->applyCaptions();
    view->apply(decode_status(status_frame({{4, 0xFF},
                                            {5, 0xFF},
                                            {6, 0xFF},
                                            {7, 0xFF},
                                            {13, 0xFF},
                                            {14, 0xFF},
                                            {18, 2},
                                            {19, 0xFF},
                                            {20, 0xFF},
                                            {27, 4}}),
                              kDot));
    view->show();
    QApplication::processEvents();
    const QRect area = view->rect();
    for (QLabel* l : view->findChildren<QLabel*>()) {
        if (l->objectName().isEmpty()) {
            continue;
        }
        const std::string name = l->objectName().toStdString();
        EXPECT_GE(l->width(), l->sizeHint().width()) << name;
        EXPECT_GE(l->height(), l->sizeHint().height()) << name;
        const QRect r(l->mapTo(view.get(), QPoint(0, 0)), l->size());
        EXPECT_TRUE(area.contains(r)) << name;
    }
}

TEST_F(MonitorPanel, HidingDescriptionsDoesNotMoveTheRows) {
    view->show();
    view->apply(decode_status(status_frame({{19, 0xFF}, {20, 0xFF}}), kDot));
    QApplication::processEvents();
    const QRect cell = find("lblfrmErrMSShortC")->geometry();
    const QRect name = find("lblfrmErrHall")->geometry();
    view->apply(decode_status(status_frame(), kDot));
    QApplication::processEvents();
    EXPECT_TRUE(hidden("lblfrmErrMSShortD"));
    EXPECT_EQ(find("lblfrmErrMSShortC")->geometry(), cell);
    EXPECT_EQ(find("lblfrmErrHall")->geometry(), name);
}

} // namespace

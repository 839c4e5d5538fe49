#include "ui/status_panel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

#include <array>

namespace motiview {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kLiveBackground(0, 0, 0);
const QColor kCellBackground(24, 24, 24);
// Live boxes keep this height; spare height spreads out as space between the rows.
constexpr int kBoxHeight = 22;

struct StatusRow {
    const char* caption; // caption label
    const char* text;    // its caption
    const char* value;   // value label
};

constexpr std::array<StatusRow, 19> kStatusRows{{
    {"lblfrmSysStatusVdc", "Vdc[V]", "lblfrmSysStatusVdc_a"},
    {"lblfrmSysStatusIdc", "Idc[A]", "lblfrmSysStatusIdc_a"},
    {"lblfrmSysStatusRPM", "Revolution[rpm]", "lblfrmSysStatusRPM_a"},
    {"lblfrmSysStatusVthrot", "Motor T[Deg]", "lblfrmSysStatusVthrot_a"},
    {"lblfrmSysStatustemp", "Power T[Deg]", "lblfrmSysStatustemp_a"},
    {"lblfrmSysStatusTref", "Iq ref[A]", "lblfrmSysStatusTref_a"},
    {"lblfrmSysStatusTact", "Iq actual[A]", "lblfrmSysStatusTact_a"},
    {"lblIdref", "Id ref[A]", "lblIdref_a"},
    {"lblIdactual", "Id actual[A]", "lblIdactual_a"},
    {"lblfrmSysStatusHallC", "Hall calib", "lblfrmSysStatusHallC_a"},
    {"lblfrmSysStatusAlarm", "Alarm", "lblfrmSysStatusAlarm_a"},
    {"lblfrmSysStatusEco", "Forward", "lblfrmSysStatusEco_a"},
    {"lblfrmSysStatusHallP", "Throttle vdc[V]", "lblfrmSysStatusHallP_a"},
    {"lblfrmSysStatusBrake", "Brake", "lblfrmSysStatusBrake_a"},
    {"lblfrmSysStatusDir", "Backward", "lblfrmSysStatusDir_a"},
    {"lblfrmSysStatusBoost", "Boost", "lblfrmSysStatusBoost_a"},
    {"lblHallSt", "Hall", "lblHallSt_a"},
    {"lblMode", "Mode", "lblMode_a"},
    {"lblECO", "ECO status", "lblECO_a"},
}};

struct FaultRowLabels {
    const char* name;        // name label; the cells add "C" and "H", the description "D"
    const char* text;        // the row's name
    const char* description; // description after the caption routine
};

constexpr std::array<FaultRowLabels, 10> kFaultRows{{
    {"lblfrmErrHall", "Hall", "Hall sensor is error"},
    {"lblfrmErrUV", "Under vdc", "Battery voltage is too low"},
    {"lblfrmErrOV", "Over vdc", "Battery voltage is too high"},
    {"lblfrmErrOH", "Over heat", "The controller is over heat"},
    {"lblfrmErrOIac", "Over iac", "The controller is over current"},
    {"lblfrmErrDQtime", "Over load", "Heavy load run time out"},
    {"lblfrmErrLockM", "Motor lock", "Motor lock time out"},
    {"lblfrmErrMOH", "Motor OH", "The motor is over heat"},
    {"lblfrmErrMSOpen", "MS open", "The motor thermistor is open"},
    {"lblfrmErrMSShort", "MS short", "The motor thermistor is short"},
}};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

void set_text_color(QLabel* l, const QColor& color) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
}

void set_dark(QLabel* l, const QColor& background, const QColor& text) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

void set_bold(QLabel* l) {
    QFont f; // only the weight is set here; the family follows the frame's font
    f.setBold(true);
    l->setFont(f);
}

// A hidden description keeps its place so the fault rows do not move.
void retain_space(QLabel* l) {
    QSizePolicy p = l->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    l->setSizePolicy(p);
}

// Values that are not live stay readable, but plainly not the controller's present state.
constexpr int kVeilAlpha = 165;

class Veil final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor c = palette().color(QPalette::Window);
        c.setAlpha(kVeilAlpha);
        p.fillRect(rect(), c);
    }
};

} // namespace

MonitorView::MonitorView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MonitorView"));
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(8);
    root->addWidget(buildStatusPanel(), 0);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(buildStateBlock(), 0);
    right->addWidget(buildFaultPanel(), 1);
    root->addLayout(right, 1);

    for (QLabel* l : findChildren<QLabel*>()) {
        if (!l->objectName().isEmpty()) {
            l->setTextFormat(Qt::PlainText);
            labels_.emplace(l->objectName().toStdString(), l);
        }
    }
    // A translucent sheet over the panels: every cell, whatever it paints, shows through it
    // faded, and no text or colour of the panels changes.
    veil_ = new Veil(this);
    veil_->setObjectName(QStringLiteral("wgtDataVeil"));
    veil_->setAttribute(Qt::WA_TransparentForMouseEvents);
    veil_->hide();
    // Not one of the panel's labels: it says something about them, across them.
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("lblDataNotice"));
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    QFont bold = notice_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    notice_->setFont(bold);
    notice_->setStyleSheet(QStringLiteral("QLabel#lblDataNotice { color: white; background: "
                                          "rgba(40, 40, 40, 215); padding: 10px; }"));
    notice_->hide();
    labels_.emplace(notice_->objectName().toStdString(), notice_);
}

void MonitorView::setDataNotice(bool dim, const QString& line) {
    if (dim != dimmed_) {
        dimmed_ = dim;
        veil_->setVisible(dim);
        if (dim) {
            veil_->raise();
            notice_->raise();
        }
    }
    if (line != notice_->text()) {
        notice_->setText(line);
        placeNotice();
    }
    notice_->setVisible(!line.isEmpty());
    if (!line.isEmpty()) {
        notice_->raise();
    }
}

void MonitorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeNotice();
}

void MonitorView::placeNotice() {
    veil_->setGeometry(rect());
    // A band across the middle of the panels, the full width.
    const int h = notice_->heightForWidth(width());
    const int height = h > 0 ? h : notice_->sizeHint().height();
    notice_->setGeometry(0, (this->height() - height) / 2, width(), height);
}

QLabel* MonitorView::makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(parent);
    l->setObjectName(q(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    return l;
}

QLabel* MonitorView::makeValue(QWidget* parent, const char* name) {
    QLabel* l = makeLabel(parent, name, QStringLiteral("0"));
    set_dark(l, kLiveBackground, kGreen);
    set_bold(l);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(72);
    l->setFixedHeight(kBoxHeight);
    l->setContentsMargins(4, 1, 4, 1);
    return l;
}

QLabel* MonitorView::makeCell(QWidget* parent, const char* name) {
    QLabel* l = makeLabel(parent, name, QStringLiteral("NG"));
    set_dark(l, kCellBackground, kRed);
    set_bold(l);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(48);
    l->setFixedHeight(kBoxHeight);
    return l;
}

QWidget* MonitorView::buildStatusPanel() {
    frmSysStatus_ = new QGroupBox(q("System RealTime info"), this);
    frmSysStatus_->setObjectName(QStringLiteral("frmSysStatus"));
    auto* grid = new QGridLayout(frmSysStatus_);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const StatusRow& r : kStatusRows) {
        QLabel* caption = makeLabel(frmSysStatus_, r.caption, q(r.text));
        QLabel* value = makeValue(frmSysStatus_, r.value);
        values_.push_back(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1, Qt::AlignVCenter);
        ++row;
    }
    return frmSysStatus_;
}

QWidget* MonitorView::buildStateBlock() {
    auto* block = new QWidget(this);
    auto* row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    grid->addWidget(makeLabel(block, "lblState", QStringLiteral("STATE")), 0, 0);
    QLabel* state = makeValue(block, "lblfrmSysMach_a");
    state->setText(QStringLiteral("FAULT"));
    set_text_color(state, kRed);
    state->setMinimumWidth(96);
    grid->addWidget(state, 0, 1);

    QLabel* gear = makeValue(block, "lblgearStatus");
    gear->setText(QStringLiteral("NONE"));
    gear->setToolTip(QStringLiteral("Gear"));
    grid->addWidget(gear, 1, 1);

    grid->addWidget(makeLabel(block, "lblHallG", QStringLiteral("Hall G")), 2, 0);
    QLabel* group = makeValue(block, "lblHallGroup");
    group->setText(QStringLiteral("1"));
    grid->addWidget(group, 2, 1);

    QLabel* pedal = makeValue(block, "lblPedalErr");
    pedal->setText(QStringLiteral("18"));
    pedal->setToolTip(QStringLiteral("Pedal error code"));
    grid->addWidget(pedal, 3, 1);
    grid->setRowStretch(4, 1);
    row->addLayout(grid, 0);

    QLabel* inputs =
        makeLabel(block, "lblPortStatus", QString::fromStdString(input_status_all_high()));
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    inputs->setFont(mono);
    inputs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(inputs, 1);
    return block;
}

QWidget* MonitorView::buildFaultPanel() {
    frmErrCode_ = new QGroupBox(q("Error infomation"), this);
    frmErrCode_->setObjectName(QStringLiteral("frmErrCode"));
    auto* grid = new QGridLayout(frmErrCode_);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    QLabel* current = makeLabel(frmErrCode_, "lblCurrent", QStringLiteral("Current"));
    QLabel* history = makeLabel(frmErrCode_, "lblhistory", QStringLiteral("History"));
    QLabel* title = makeLabel(frmErrCode_, "lblErrTitle", QStringLiteral("Error description:"));
    current->setAlignment(Qt::AlignCenter);
    history->setAlignment(Qt::AlignCenter);
    retain_space(title);
    grid->addWidget(current, 0, 1);
    grid->addWidget(history, 0, 2);
    grid->addWidget(title, 0, 3);

    int row = 1;
    for (const FaultRowLabels& r : kFaultRows) {
        grid->addWidget(makeLabel(frmErrCode_, r.name, q(r.text)), row, 0);
        grid->addWidget(makeCell(frmErrCode_, (std::string(r.name) + "C").c_str()), row, 1,
                        Qt::AlignVCenter);
        grid->addWidget(makeCell(frmErrCode_, (std::string(r.name) + "H").c_str()), row, 2,
                        Qt::AlignVCenter);
        QLabel* d = makeLabel(frmErrCode_, (std::string(r.name) + "D").c_str(),
                              q(r.description) + QStringLiteral("."));
        retain_space(d);
        grid->addWidget(d, row, 3);
        ++row;
    }
    for (int r = 0; r < row; ++r) {
        grid->setRowStretch(r, 1); // spare height shared by the header and every fault row
    }
    grid->setColumnStretch(3, 1);
    return frmErrCode_;
}

QLabel* MonitorView::label(std::string_view name) const {
    const auto it = labels_.find(name);
    return it != labels_.end() ? it->second : nullptr;
}

void MonitorView::apply(const StatusView& view) {
    for (const LabelUpdate& u : view.labels) {
        QLabel* l = label(u.label);
        if (l == nullptr) {
            continue; // a label this panel does not hold
        }
        l->setText(QString::fromStdString(u.text));
        switch (u.color) {
        case TextColor::Green:
            set_text_color(l, kGreen);
            break;
        case TextColor::Red:
            set_text_color(l, kRed);
            break;
        case TextColor::Unchanged:
            break;
        }
    }
    for (const VisibilityUpdate& u : view.visibility) {
        if (QLabel* l = label(u.label)) {
            l->setVisible(u.visible);
        }
    }
}

void MonitorView::resetLiveValues() {
    for (QLabel* v : values_) {
        v->setText(QStringLiteral("***"));
    }
}

void MonitorView::applyCaptions() {
    for (const StatusRow& r : kStatusRows) {
        label(r.caption)->setText(q(r.text));
    }
    frmSysStatus_->setTitle(q("System RealTime info"));
    QFont frameFont = frmSysStatus_->font();
    frameFont.setFamily(QStringLiteral("Verdana"));
    frmSysStatus_->setFont(frameFont);

    label("lblState")->setText(QStringLiteral("STATE"));
    QLabel* hallG = label("lblHallG");
    hallG->setText(QStringLiteral("Hall G"));
    QFont hallFont = hallG->font();
    hallFont.setFamily(QStringLiteral("Verdana"));
    hallG->setFont(hallFont);
    label("lblPortStatus")->setText(QString::fromStdString(input_status_all_high()));

    frmErrCode_->setTitle(q("Error infomation"));
    label("lblCurrent")->setText(QStringLiteral("Current"));
    label("lblhistory")->setText(QStringLiteral("History"));
    label("lblErrTitle")->setText(QStringLiteral("Error description"));
    for (const FaultRowLabels& r : kFaultRows) {
        label(r.name)->setText(q(r.text));
        label(std::string(r.name) + "D")->setText(q(r.description));
    }
}

} // namespace motiview

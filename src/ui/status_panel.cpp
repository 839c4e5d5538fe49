#include "ui/status_panel.h"

#include "base/qt/text.h"

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

// The status panel's rows from the top: a value of the frame, or one of byte 9's flags. Each
// caption label is named after its value label, without the "_a".
struct PanelRow {
    std::string_view value;
    std::string_view caption;
};

constexpr PanelRow value_row(StatusField f) {
    return {status_row(f).label, status_row(f).caption};
}

constexpr PanelRow flag_row(std::uint8_t mask) {
    for (const StatusFlagRow& r : kStatusFlags) {
        if (r.mask == mask) {
            return {r.label, r.caption};
        }
    }
    return {};
}

using enum StatusField;
namespace flag = status_flag;

constexpr std::array<PanelRow, 19> kPanelRows{{
    value_row(Vdc),
    value_row(Idc),
    value_row(Speed),
    value_row(MotorTemp),
    value_row(PowerTemp),
    value_row(IqRef),
    value_row(IqActual),
    value_row(IdRef),
    value_row(IdActual),
    flag_row(flag::kHallCheck),
    flag_row(flag::kAlarm),
    flag_row(flag::kForward),
    value_row(Throttle),
    flag_row(flag::kBrake),
    flag_row(flag::kBackward),
    flag_row(flag::kBoost),
    value_row(HallState),
    value_row(Mode),
    flag_row(flag::kEco),
}};

constexpr std::string_view kValueSuffix = "_a";

static_assert(
    [] {
        for (const PanelRow& r : kPanelRows) {
            if (r.caption.empty() || !r.value.ends_with(kValueSuffix)) {
                return false;
            }
        }
        return true;
    }(),
    "every panel row has a caption and a value label named ..._a");

std::string caption_label(const PanelRow& r) {
    return std::string(r.value.substr(0, r.value.size() - kValueSuffix.size()));
}

// The fault rows in the panel's order, top down.
std::array<std::size_t, kFaults.size()> fault_rows_on_panel() {
    std::array<std::size_t, kFaults.size()> order{};
    for (std::size_t i = 0; i < kFaults.size(); ++i) {
        order[kFaults[i].panelRow] = i;
    }
    return order;
}

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

QLabel* MonitorView::makeLabel(QWidget* parent, std::string_view name, const QString& text) {
    auto* l = new QLabel(parent);
    l->setObjectName(q(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    return l;
}

QLabel* MonitorView::makeValue(QWidget* parent, std::string_view name) {
    QLabel* l = makeLabel(parent, name, QStringLiteral("0"));
    set_dark(l, kLiveBackground, kGreen);
    set_bold(l);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(72);
    l->setFixedHeight(kBoxHeight);
    l->setContentsMargins(4, 1, 4, 1);
    return l;
}

QLabel* MonitorView::makeCell(QWidget* parent, std::string_view name) {
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
    for (const PanelRow& r : kPanelRows) {
        QLabel* caption = makeLabel(frmSysStatus_, caption_label(r), q(r.caption));
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

    grid->addWidget(makeLabel(block, "lblState", q(status_row(State).caption)), 0, 0);
    QLabel* state = makeValue(block, status_row(State).label);
    state->setText(QStringLiteral("FAULT"));
    set_text_color(state, kRed);
    state->setMinimumWidth(96);
    grid->addWidget(state, 0, 1);

    QLabel* gear = makeValue(block, status_row(Gear).label);
    gear->setText(q(kGearNames[0]));
    gear->setToolTip(q(status_row(Gear).caption));
    grid->addWidget(gear, 1, 1);

    const PanelRow hallGroup = flag_row(flag::kHallGroup1);
    grid->addWidget(makeLabel(block, "lblHallG", q(hallGroup.caption)), 2, 0);
    QLabel* group = makeValue(block, hallGroup.value);
    group->setText(QStringLiteral("1"));
    grid->addWidget(group, 2, 1);

    QLabel* pedal = makeValue(block, status_row(PedalError).label);
    pedal->setText(QStringLiteral("18"));
    pedal->setToolTip(q(status_row(PedalError).caption));
    grid->addWidget(pedal, 3, 1);
    grid->setRowStretch(4, 1);
    row->addLayout(grid, 0);

    QLabel* inputs =
        makeLabel(block, status_row(Inputs).label, QString::fromStdString(input_status_all_high()));
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
    for (const std::size_t i : fault_rows_on_panel()) {
        const FaultRow& f = kFaults[i];
        const FaultLabels& names = fault_labels()[i];
        grid->addWidget(makeLabel(frmErrCode_, f.cells, q(f.caption)), row, 0);
        grid->addWidget(makeCell(frmErrCode_, names.current), row, 1, Qt::AlignVCenter);
        grid->addWidget(makeCell(frmErrCode_, names.history), row, 2, Qt::AlignVCenter);
        QLabel* d = makeLabel(frmErrCode_, names.description, q(f.describe) + QStringLiteral("."));
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
    for (const PanelRow& r : kPanelRows) {
        label(caption_label(r))->setText(tq("Panels", r.caption));
    }
    frmSysStatus_->setTitle(tr("System RealTime info"));
    QFont frameFont = frmSysStatus_->font();
    frameFont.setFamily(QStringLiteral("Verdana"));
    frmSysStatus_->setFont(frameFont);

    label("lblState")->setText(tq("Panels", status_row(State).caption));
    QLabel* hallG = label("lblHallG");
    hallG->setText(tq("Panels", flag_row(flag::kHallGroup1).caption));
    QFont hallFont = hallG->font();
    hallFont.setFamily(QStringLiteral("Verdana"));
    hallG->setFont(hallFont);
    label(status_row(Inputs).label)->setText(QString::fromStdString(input_status_all_high()));

    frmErrCode_->setTitle(tr("Error infomation"));
    label("lblCurrent")->setText(tr("Current"));
    label("lblhistory")->setText(tr("History"));
    label("lblErrTitle")->setText(tr("Error description"));
    for (std::size_t i = 0; i < kFaults.size(); ++i) {
        label(kFaults[i].cells)->setText(tq("Faults", kFaults[i].caption));
        label(fault_labels()[i].description)->setText(tq("Faults", kFaults[i].describe));
    }
}

} // namespace motiview

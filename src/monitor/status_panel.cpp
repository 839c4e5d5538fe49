#include "monitor/status_panel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace motiview {
namespace {

struct StatusRow {
    const char* caption;
    const char* value;
    const char* text;
};

// Top to bottom as the panel shows them.
constexpr std::array<StatusRow, 19> kStatusRows = {{
    {"lblfrmSysStatusVdc", "lblfrmSysStatusVdc_a", "Vdc[V]"},
    {"lblfrmSysStatusIdc", "lblfrmSysStatusIdc_a", "Idc[A]"},
    {"lblfrmSysStatusRPM", "lblfrmSysStatusRPM_a", "Revolution[rpm]"},
    {"lblfrmSysStatusVthrot", "lblfrmSysStatusVthrot_a", "Motor T[Deg]"},
    {"lblfrmSysStatustemp", "lblfrmSysStatustemp_a", "Power T[Deg]"},
    {"lblfrmSysStatusTref", "lblfrmSysStatusTref_a", "Iq ref[A]"},
    {"lblfrmSysStatusTact", "lblfrmSysStatusTact_a", "Iq actual[A]"},
    {"lblIdref", "lblIdref_a", "Id ref[A]"},
    {"lblIdactual", "lblIdactual_a", "Id actual[A]"},
    {"lblfrmSysStatusHallC", "lblfrmSysStatusHallC_a", "Hall calib"},
    {"lblfrmSysStatusAlarm", "lblfrmSysStatusAlarm_a", "Alarm"},
    {"lblfrmSysStatusEco", "lblfrmSysStatusEco_a", "Forward"},
    {"lblfrmSysStatusHallP", "lblfrmSysStatusHallP_a", "Throttle vdc[V]"},
    {"lblfrmSysStatusBrake", "lblfrmSysStatusBrake_a", "Brake"},
    {"lblfrmSysStatusDir", "lblfrmSysStatusDir_a", "Backward"},
    {"lblfrmSysStatusBoost", "lblfrmSysStatusBoost_a", "Boost"},
    {"lblHallSt", "lblHallSt_a", "Hall"},
    {"lblMode", "lblMode_a", "Mode"},
    {"lblECO", "lblECO_a", "ECO status"},
}};

struct FaultRowView {
    const char* prefix; // lblfrmErrHall -> ...C, ...H, ...D
    const char* name;
    const char* description;
};

constexpr std::array<FaultRowView, 10> kFaultRows = {{
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

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

void set_colors(QLabel* l, const QColor& text, const QColor& background) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

void set_text_color(QLabel* l, const QColor& text) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, text);
    l->setPalette(p);
}

void keep_space_when_hidden(QLabel* l) {
    QSizePolicy sp = l->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    l->setSizePolicy(sp);
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QLabel* MonitorView::make(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    labels_.insert(l->objectName(), l);
    return l;
}

QLabel* MonitorView::label(std::string_view name) const {
    return labels_.value(qs(name));
}

MonitorView::MonitorView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MonitorView"));
    auto* grid = new QHBoxLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    // Status panel: caption and value, values bold green on black.
    frmSysStatus_ = new QGroupBox(QStringLiteral("System RealTime info"), this);
    frmSysStatus_->setObjectName(QStringLiteral("frmSysStatus"));
    auto* rows = new QGridLayout(frmSysStatus_);
    rows->setVerticalSpacing(2);
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t i = 0; i < kStatusRows.size(); ++i) {
        const StatusRow& r = kStatusRows[i];
        QLabel* caption = make(r.caption, QString::fromUtf8(r.text), frmSysStatus_);
        QLabel* value = make(r.value, QStringLiteral("0"), frmSysStatus_);
        value->setFont(bold);
        value->setMinimumWidth(78);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setContentsMargins(4, 1, 4, 1);
        set_colors(value, kGreen, Qt::black);
        rows->addWidget(caption, static_cast<int>(i), 0);
        rows->addWidget(value, static_cast<int>(i), 1);
    }
    rows->setRowStretch(static_cast<int>(kStatusRows.size()), 1);
    grid->addWidget(frmSysStatus_);

    auto* right = new QVBoxLayout;
    grid->addLayout(right, 1);

    // State, gear, hall group, pedal error beside the input block.
    auto* top = new QHBoxLayout;
    auto* info = new QGridLayout;
    QFont big = bold;
    big.setPointSizeF(big.pointSizeF() * 1.4);
    info->addWidget(make("lblState", QStringLiteral("STATE"), this), 0, 0);
    QLabel* state = make("lblfrmSysMach_a", QStringLiteral("FAULT"), this);
    state->setFont(big);
    state->setMinimumWidth(110);
    state->setContentsMargins(6, 2, 6, 2);
    set_colors(state, kRed, Qt::black);
    info->addWidget(state, 0, 1);
    QLabel* gear = make("lblgearStatus", QStringLiteral("NONE"), this);
    gear->setFont(bold);
    gear->setContentsMargins(6, 2, 6, 2);
    set_colors(gear, kGreen, Qt::black);
    info->addWidget(gear, 1, 1);
    info->addWidget(make("lblHallG", QStringLiteral("Hall G"), this), 2, 0);
    QLabel* group = make("lblHallGroup", QStringLiteral("1"), this);
    group->setFont(bold);
    group->setContentsMargins(6, 2, 6, 2);
    set_colors(group, kGreen, Qt::black);
    info->addWidget(group, 2, 1);
    QLabel* pedal = make("lblPedalErr", QStringLiteral("18"), this);
    pedal->setFont(bold);
    pedal->setContentsMargins(6, 2, 6, 2);
    pedal->setToolTip(QStringLiteral("Pedal error"));
    set_colors(pedal, kGreen, Qt::black);
    info->addWidget(pedal, 3, 1);
    info->setRowStretch(4, 1);
    top->addLayout(info);
    QLabel* inputs = make("lblPortStatus", QString::fromStdString(input_status_all_high()), this);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    inputs->setFont(mono);
    inputs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(inputs, 1);
    right->addLayout(top);

    // Fault panel: name, current, history, description.
    frmErrCode_ = new QGroupBox(QStringLiteral("Error infomation"), this);
    frmErrCode_->setObjectName(QStringLiteral("frmErrCode"));
    auto* faults = new QGridLayout(frmErrCode_);
    faults->setVerticalSpacing(2);
    faults->addWidget(make("lblCurrent", QStringLiteral("Current"), frmErrCode_), 0, 1);
    faults->addWidget(make("lblhistory", QStringLiteral("History"), frmErrCode_), 0, 2);
    QLabel* title = make("lblErrTitle", QStringLiteral("Error description:"), frmErrCode_);
    keep_space_when_hidden(title);
    faults->addWidget(title, 0, 3);
    for (std::size_t i = 0; i < kFaultRows.size(); ++i) {
        const FaultRowView& r = kFaultRows[i];
        const int row = static_cast<int>(i) + 1;
        const QByteArray prefix(r.prefix);
        faults->addWidget(make(prefix.constData(), QString::fromUtf8(r.name), frmErrCode_), row, 0);
        for (const char* suffix : {"C", "H"}) {
            QLabel* cell = make((prefix + suffix).constData(), QStringLiteral("NG"), frmErrCode_);
            cell->setFont(bold);
            cell->setAlignment(Qt::AlignCenter);
            cell->setMinimumWidth(40);
            set_colors(cell, kRed, QColor(32, 32, 32));
            faults->addWidget(cell, row, suffix[0] == 'C' ? 1 : 2);
        }
        QLabel* description =
            make((prefix + "D").constData(), QString::fromUtf8(r.description) + QLatin1Char('.'),
                 frmErrCode_);
        keep_space_when_hidden(description);
        faults->addWidget(description, row, 3);
    }
    faults->setColumnStretch(3, 1);
    faults->setRowStretch(static_cast<int>(kFaultRows.size()) + 1, 1);
    right->addWidget(frmErrCode_, 1);
}

void MonitorView::apply(const StatusView& view) {
    for (const LabelUpdate& u : view.labels) {
        QLabel* l = label(u.label);
        if (l == nullptr) {
            continue;
        }
        const QString text = QString::fromStdString(u.text);
        if (l->text() != text) {
            l->setText(text);
        }
        if (u.color != TextColor::Unchanged) {
            const QColor c = u.color == TextColor::Red ? kRed : kGreen;
            if (l->palette().color(QPalette::WindowText) != c) {
                set_text_color(l, c);
            }
        }
    }
    for (const VisibilityUpdate& v : view.visibility) {
        if (QLabel* l = label(v.label)) {
            l->setHidden(!v.visible);
        }
    }
}

void MonitorView::resetLiveValues() {
    for (const StatusRow& r : kStatusRows) {
        labels_.value(QString::fromUtf8(r.value))->setText(QStringLiteral("***"));
    }
}

void MonitorView::applyCaptions() {
    frmSysStatus_->setTitle(QStringLiteral("System RealTime info"));
    QFont f = frmSysStatus_->font();
    f.setFamily(QStringLiteral("Verdana"));
    frmSysStatus_->setFont(f);
    for (const StatusRow& r : kStatusRows) {
        labels_.value(QString::fromUtf8(r.caption))->setText(QString::fromUtf8(r.text));
    }
    label("lblState")->setText(QStringLiteral("STATE"));
    label("lblHallG")->setText(QStringLiteral("Hall G"));
    QFont hallFont = label("lblHallG")->font();
    hallFont.setFamily(QStringLiteral("Verdana"));
    label("lblHallG")->setFont(hallFont);
    label("lblPortStatus")->setText(QString::fromStdString(input_status_all_high()));
    frmErrCode_->setTitle(QStringLiteral("Error infomation"));
    label("lblCurrent")->setText(QStringLiteral("Current"));
    label("lblhistory")->setText(QStringLiteral("History"));
    label("lblErrTitle")->setText(QStringLiteral("Error description"));
    for (const FaultRowView& r : kFaultRows) {
        const QString prefix = QString::fromUtf8(r.prefix);
        labels_.value(prefix)->setText(QString::fromUtf8(r.name));
        labels_.value(prefix + QLatin1Char('D'))->setText(QString::fromUtf8(r.description));
    }
}

} // namespace motiview

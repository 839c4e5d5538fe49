#include "ui/com_settings_dialog.h"

#include "link/line_settings.h"
#include "link/qt/serial_port.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace motiview {
namespace {

QFont dialog_font() {
    return QFont(QStringLiteral("verdana"), 10);
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items, int selected) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(selected);
    return box;
}

// Its text comes from applyCaptions().
QLabel* caption(QWidget* parent, const char* name, QWidget* buddy) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(dialog_font());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

bool any_device_present() {
    for (int n = 1; n <= 9; ++n) {
        const ResolvedPort r = resolve_com(n);
        if (!r.device.isEmpty() && device_exists(r.device)) {
            return true;
        }
    }
    return false;
}

// What keeps Ok from opening the port, said before Ok is pressed; empty when nothing does.
QString device_note(int comNumber) {
    if (comNumber >= 1) {
        const ResolvedPort r = resolve_com(comNumber);
        if (!r.device.isEmpty() && device_exists(r.device)) {
            return may_open(r.device)
                       ? QString()
                       : QCoreApplication::translate("motiview::ComSettingsDialog",
                                                     "This user may not open %1: %2.")
                             .arg(r.device, QString::fromLatin1(kDialoutFix));
        }
    }
    if (!any_device_present()) {
        return QCoreApplication::translate(
            "motiview::ComSettingsDialog",
            "No serial device is present: connect the controller's serial "
            "adapter, then choose its port number.");
    }
    return {};
}

// The parity list shows a word and keeps the settings string's letter as the item's data, so
// the word may be translated: the letter is what Ok reads and the remembered string selects.
struct ParityItem {
    const char* letter;
    const char* text;
};
constexpr ParityItem kParityItems[] = {
    {"n", QT_TRANSLATE_NOOP("motiview::ComSettingsDialog", "NONE")},
    {"o", QT_TRANSLATE_NOOP("motiview::ComSettingsDialog", "ODD")},
    {"e", QT_TRANSLATE_NOOP("motiview::ComSettingsDialog", "EVEN")},
};

QString parity_letter(const QComboBox* box) {
    const QString letter = box->currentData().toString();
    return letter.isEmpty() ? QStringLiteral("n") : letter;
}

// The remembered item when the list has it, else the default.
void select(QComboBox* box, const QString& text, int fallback) {
    const int i = box->findText(text);
    box->setCurrentIndex(i >= 0 ? i : fallback);
}

void select_data(QComboBox* box, const QString& data, int fallback) {
    const int i = box->findData(data);
    box->setCurrentIndex(i >= 0 ? i : fallback);
}

const QString kPortKey = QStringLiteral("link/port");
const QString kSettingsKey = QStringLiteral("link/settings");
const QString kConnectKey = QStringLiteral("link/connectAtStart");

} // namespace

std::optional<PortChoice> port_choice(const QString& text, const QString& settings) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    QString digits = t;
    if (digits.size() == 4 && digits.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) {
        digits = digits.mid(3);
    }
    if (digits.size() == 1 && digits[0] >= u'1' && digits[0] <= u'9') {
        return PortChoice{digits.toInt(), QString(), settings};
    }
    return PortChoice{0, t, settings};
}

LinkPrefs load_link_prefs(const QSettings& store) {
    LinkPrefs prefs;
    QString settings = store.value(kSettingsKey).toString();
    if (!parse_line_settings(settings.toStdString())) {
        settings = kDefaultLineSettings; // a hand-edited file never stops the start
    }
    if (const auto port = port_choice(store.value(kPortKey).toString(), settings)) {
        prefs.port = *port;
    }
    prefs.port.settings = settings;
    prefs.connectAtStart = store.value(kConnectKey, false).toBool() &&
                           (prefs.port.comNumber != 0 || !prefs.port.device.isEmpty());
    return prefs;
}

void save_link_prefs(QSettings& store, const LinkPrefs& prefs) {
    store.setValue(kPortKey, prefs.port.device.isEmpty() ? QString::number(prefs.port.comNumber)
                                                         : prefs.port.device);
    store.setValue(kSettingsKey, prefs.port.settings);
    store.setValue(kConnectKey, prefs.connectAtStart);
    store.sync();
}

std::optional<QString> open_link(LinkConfig& config, Transport& port, const PortChoice& choice) {
    const auto line = parse_line_settings(choice.settings.toStdString());
    if (!line) {
        return QCoreApplication::translate("motiview::ComSettingsDialog",
                                           "%1 are no line settings.")
            .arg(choice.settings);
    }
    // Replaced before the open: a failed open still leaves the new string in place.
    config.settings = choice.settings;
    if (choice.device.isEmpty()) {
        port.configure(choice.comNumber, *line);
    } else {
        port.configureDevice(choice.device, *line);
    }
    const OpenOutcome outcome = port.open();
    if (!outcome.ok) {
        return outcome.notFound && choice.device.isEmpty()
                   ? QCoreApplication::translate("motiview::ComSettingsDialog",
                                                 "COM port does not exist.")
                   : outcome.message;
    }
    config.portNumber = choice.comNumber;
    config.device = choice.device;
    return std::nullopt;
}

ComSettingsDialog::ComSettingsDialog(LinkConfig& config, Transport& port, QWidget* parent,
                                     QSettings* store)
    : QDialog(parent), config_(config), port_(port), store_(store) {
    setObjectName(QStringLiteral("frmComSet"));
    setFont(dialog_font());
    setModal(true);

    auto* frame = new QGroupBox(this);
    fmManuPara_ = frame;
    frame->setObjectName(QStringLiteral("fmManuPara"));
    frame->setFont(dialog_font());

    QStringList ports;
    for (int n = 1; n <= 9; ++n) {
        ports.append(QString::number(n));
    }
    // Only the port number remembers the last applied value; the rest always start the same.
    const int lastPort =
        config_.portNumber >= 1 && config_.portNumber <= 9 ? config_.portNumber - 1 : -1;
    cboPortNumber_ = list(frame, "cboPortNumber", ports, lastPort);
    cboBaudRate_ = list(frame, "cboBaudRate",
                        {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                         QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                         QStringLiteral("57600"), QStringLiteral("115200")},
                        6);
    cboDataBit_ = list(frame, "cboDataBit", {QStringLiteral("7"), QStringLiteral("8")}, 1);
    cboStopBit_ = list(frame, "cboStopBit",
                       {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}, 0);
    cboParity_ = list(frame, "cboParity", {}, -1);
    for (const ParityItem& p : kParityItems) {
        cboParity_->addItem(QLatin1String(p.text), QLatin1String(p.letter));
    }
    cboParity_->setCurrentIndex(0);

    if (store_ != nullptr) {
        // The bench uses the same adapter every day: start from what was opened last.
        const LinkPrefs prefs = load_link_prefs(*store_);
        const QStringList parts = prefs.port.settings.split(u',');
        if (lastPort < 0 && prefs.port.comNumber >= 1) {
            cboPortNumber_->setCurrentIndex(prefs.port.comNumber - 1);
        }
        if (parts.size() == 4) {
            select(cboBaudRate_, parts[0], 6);
            select_data(cboParity_, parts[1], 0);
            select(cboDataBit_, parts[2], 1);
            select(cboStopBit_, parts[3], 0);
        }
    }

    lblComDevice_ = new QLabel(frame);
    lblComDevice_->setObjectName(QStringLiteral("lblComDevice"));
    lblComDevice_->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout(frame);
    lblComPort_ = caption(frame, "lblComPort", cboPortNumber_);
    lblBaudRate_ = caption(frame, "lblBaudRate", cboBaudRate_);
    lblDataBit_ = caption(frame, "lblDataBit", cboDataBit_);
    lblStopBit_ = caption(frame, "lblStopBit", cboStopBit_);
    lblParity_ = caption(frame, "lblParity", cboParity_);
    grid->addWidget(lblComPort_, 0, 0);
    grid->addWidget(cboPortNumber_, 0, 1);
    grid->addWidget(lblComDevice_, 0, 2);
    grid->addWidget(lblBaudRate_, 1, 0);
    grid->addWidget(cboBaudRate_, 1, 1);
    grid->addWidget(lblDataBit_, 2, 0);
    grid->addWidget(cboDataBit_, 2, 1);
    grid->addWidget(lblStopBit_, 3, 0);
    grid->addWidget(cboStopBit_, 3, 1);
    grid->addWidget(lblParity_, 4, 0);
    grid->addWidget(cboParity_, 4, 1);

    lblComNote_ = new QLabel(frame);
    lblComNote_->setObjectName(QStringLiteral("lblComNote"));
    lblComNote_->setTextFormat(Qt::PlainText);
    lblComNote_->setWordWrap(true);
    // Wide enough that the usermod command breaks over few lines.
    lblComNote_->setMinimumWidth(lblComNote_->fontMetrics().averageCharWidth() * 44);
    // The technician copies the usermod command from here.
    lblComNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblComNote_->hide(); // shown by showDevice() when there is something to say
    grid->addWidget(lblComNote_, 5, 0, 1, 3);

    chkConnectAtStart_ = new QCheckBox(frame);
    chkConnectAtStart_->setObjectName(QStringLiteral("chkConnectAtStart"));
    chkConnectAtStart_->setChecked(store_ != nullptr && load_link_prefs(*store_).connectAtStart);
    grid->addWidget(chkConnectAtStart_, 6, 0, 1, 3);

    auto* ok = new QPushButton(this);
    cmdComOK_ = ok;
    ok->setObjectName(QStringLiteral("cmdComOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cmdComCancel_ = cancel;
    cancel->setObjectName(QStringLiteral("cmdComCancel"));
    connect(ok, &QPushButton::clicked, this, &ComSettingsDialog::cmdComOK_Click);
    connect(cancel, &QPushButton::clicked, this, &ComSettingsDialog::cmdComCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(cboPortNumber_, &QComboBox::currentIndexChanged, this, &ComSettingsDialog::showDevice);
    applyCaptions();
}

void ComSettingsDialog::applyCaptions() {
    setWindowTitle(tr("Serial Port Setting"));
    fmManuPara_->setTitle(tr("Serial Port Parameters"));
    lblComPort_->setText(tr("Port Number:"));
    lblBaudRate_->setText(tr("Baud Rate:"));
    lblDataBit_->setText(tr("Data Bit:"));
    lblStopBit_->setText(tr("Stop Bit:"));
    lblParity_->setText(tr("Parity:"));
    // Only the words change: the items keep their letters and the choice stays.
    for (int i = 0; i < cboParity_->count(); ++i) {
        const QString letter = cboParity_->itemData(i).toString();
        for (const ParityItem& p : kParityItems) {
            if (letter == QLatin1String(p.letter)) {
                cboParity_->setItemText(
                    i, QCoreApplication::translate("motiview::ComSettingsDialog", p.text));
            }
        }
    }
    chkConnectAtStart_->setText(tr("Connect at start"));
    chkConnectAtStart_->setToolTip(
        tr("Open this port with these settings when the program starts"));
    cmdComOK_->setText(tr("Ok"));
    cmdComCancel_->setText(tr("Cancel"));
    // The note is said again in the new language.
    showDevice();
}

void ComSettingsDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QDialog::changeEvent(e);
}

void ComSettingsDialog::showDevice() {
    bool ok = false;
    const int n = cboPortNumber_->currentText().toInt(&ok);
    lblComDevice_->setText(ok ? describe_com(n) : QString());
    const QString note = device_note(ok ? n : 0);
    if (note == lblComNote_->text()) {
        return;
    }
    lblComNote_->setText(note);
    lblComNote_->setVisible(!note.isEmpty());
    if (isVisible()) {
        adjustSize(); // room for the wrapped note, or none once it has gone
    }
}

void ComSettingsDialog::cmdComCancel_Click() {
    reject();
}

void ComSettingsDialog::cmdComOK_Click() {
    bool numeric = false;
    const int portNumber = cboPortNumber_->currentText().toInt(&numeric);
    if (!numeric) {
        return; // no port chosen: nothing to apply, nothing to say
    }
    const QString settings =
        cboBaudRate_->currentText().trimmed() + u',' + parity_letter(cboParity_) + u',' +
        cboDataBit_->currentText().trimmed() + u',' + cboStopBit_->currentText().trimmed();

    if (port_.isOpen()) {
        // The line keeps its settings, so the status bar keeps showing them too; only the
        // start-up choice is taken.
        if (store_ != nullptr) {
            save_link_prefs(*store_,
                            {PortChoice{config_.portNumber, config_.device, config_.settings},
                             chkConnectAtStart_->isChecked()});
        }
        accept();
        return;
    }

    if (!parse_line_settings(settings.toStdString())) {
        return;
    }
    const PortChoice choice{portNumber, QString(), settings};
    if (const auto failed = open_link(config_, port_, choice)) {
        showMessage(*failed);
        return;
    }
    if (store_ != nullptr) {
        save_link_prefs(*store_, {choice, chkConnectAtStart_->isChecked()});
    }
    emit portOpened();
    accept();
}

void ComSettingsDialog::showMessage(const QString& text) {
    // The product's name is never translated.
    (void)show_message_box(this, QMessageBox::NoIcon, QStringLiteral("EV Motiview"), text,
                           QStringLiteral("msgComSet"));
}

} // namespace motiview

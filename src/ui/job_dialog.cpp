#include "ui/job_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace motiview {

JobDialog::JobDialog(Mode mode, const JobFields& fields, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    const bool start = mode == Mode::Start;
    setObjectName(start ? QStringLiteral("dlgStartJob") : QStringLiteral("dlgFinishJob"));
    auto* form = new QFormLayout;
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromUtf8(name));
        return l;
    };
    const auto line = [this, form](const char* name, QLabel* caption, const QString& text,
                                   bool editable) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromUtf8(name));
        e->setReadOnly(!editable);
        e->setMinimumWidth(320);
        caption->setBuddy(e);
        form->addRow(caption, e);
        return e;
    };
    const auto block = [this, form](const char* name, QLabel* caption, const QString& text,
                                    bool editable) {
        auto* e = new QPlainTextEdit(text, this);
        e->setObjectName(QString::fromUtf8(name));
        e->setReadOnly(!editable);
        e->setTabChangesFocus(true);
        e->setFixedHeight(start_height(e));
        caption->setBuddy(e);
        form->addRow(caption, e);
        return e;
    };
    numberLabel_ = label("lblJobNumber");
    technicianLabel_ = label("lblTechnician");
    vehicleLabel_ = label("lblVehicle");
    complaintLabel_ = label("lblComplaint");
    number_ = line("txtJobNumber", numberLabel_, fields.number, start);
    technician_ = line("txtTechnician", technicianLabel_, fields.technician, start);
    vehicle_ = line("txtVehicle", vehicleLabel_, fields.vehicle, start);
    complaint_ = block("txtComplaint", complaintLabel_, fields.complaint, start);
    if (!start) {
        workDoneLabel_ = label("lblWorkDone");
        workDone_ = block("txtWorkDone", workDoneLabel_, fields.workDone, true);
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("boxJobButtons"));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdJobOk"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdJobCancel"));
    // The box puts its own words back on a language change, after this dialog has had its
    // turn; the Ok button hears of it after that.
    buttons_->button(QDialogButtonBox::Ok)->installEventFilter(this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons_);
    connect(number_, &QLineEdit::textChanged, this, &JobDialog::updateOk);
    connect(technician_, &QLineEdit::textChanged, this, &JobDialog::updateOk);
    applyCaptions();
    updateOk();
    (start ? static_cast<QWidget*>(number_) : static_cast<QWidget*>(workDone_))->setFocus();
}

void JobDialog::applyCaptions() {
    const bool start = mode_ == Mode::Start;
    setWindowTitle(start ? tr("Start job") : tr("Finish job"));
    numberLabel_->setText(tr("Job number:"));
    technicianLabel_->setText(tr("Technician:"));
    vehicleLabel_->setText(tr("Vehicle or customer:"));
    complaintLabel_->setText(tr("Complaint:"));
    if (workDoneLabel_ != nullptr) {
        workDoneLabel_->setText(tr("Work done:"));
    }
    applyButtonCaptions();
}

void JobDialog::applyButtonCaptions() {
    buttons_->button(QDialogButtonBox::Ok)
        ->setText(mode_ == Mode::Start ? tr("Start") : tr("Finish and write report..."));
    // Cancel keeps the platform's own word in English; a translation brings its own.
    const QString cancel = tr("Cancel");
    if (cancel != QLatin1String("Cancel")) {
        buttons_->button(QDialogButtonBox::Cancel)->setText(cancel);
    }
}

void JobDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QDialog::changeEvent(e);
}

bool JobDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::LanguageChange && watched == buttons_->button(QDialogButtonBox::Ok)) {
        applyButtonCaptions();
    }
    return QDialog::eventFilter(watched, e);
}

int JobDialog::start_height(const QPlainTextEdit* e) {
    // Four lines: room for a complaint, not a page.
    return e->fontMetrics().lineSpacing() * 4 + 12;
}

JobFields JobDialog::fields() const {
    JobFields f;
    f.number = number_->text().trimmed();
    f.technician = technician_->text().trimmed();
    f.vehicle = vehicle_->text().trimmed();
    f.complaint = complaint_->toPlainText().trimmed();
    if (workDone_ != nullptr) {
        f.workDone = workDone_->toPlainText().trimmed();
    }
    return f;
}

void JobDialog::updateOk() {
    // A report without a job number or a technician says nothing.
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(!number_->text().trimmed().isEmpty() &&
                     !technician_->text().trimmed().isEmpty());
}

} // namespace motiview

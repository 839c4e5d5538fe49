#include "ui/job_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace motiview {

JobDialog::JobDialog(Mode mode, const JobFields& fields, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    const bool start = mode == Mode::Start;
    setObjectName(start ? QStringLiteral("dlgStartJob") : QStringLiteral("dlgFinishJob"));
    setWindowTitle(start ? QStringLiteral("Start job") : QStringLiteral("Finish job"));
    auto* form = new QFormLayout;
    const auto line = [this, form](const char* name, const QString& label, const QString& text,
                                   bool editable) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromUtf8(name));
        e->setReadOnly(!editable);
        e->setMinimumWidth(320);
        form->addRow(label, e);
        return e;
    };
    const auto block = [this, form](const char* name, const QString& label, const QString& text,
                                    bool editable) {
        auto* e = new QPlainTextEdit(text, this);
        e->setObjectName(QString::fromUtf8(name));
        e->setReadOnly(!editable);
        e->setTabChangesFocus(true);
        e->setFixedHeight(start_height(e));
        form->addRow(label, e);
        return e;
    };
    number_ = line("txtJobNumber", QStringLiteral("Job number:"), fields.number, start);
    technician_ = line("txtTechnician", QStringLiteral("Technician:"), fields.technician, start);
    vehicle_ = line("txtVehicle", QStringLiteral("Vehicle or customer:"), fields.vehicle, start);
    complaint_ = block("txtComplaint", QStringLiteral("Complaint:"), fields.complaint, start);
    if (!start) {
        workDone_ = block("txtWorkDone", QStringLiteral("Work done:"), fields.workDone, true);
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)
        ->setText(start ? QStringLiteral("Start") : QStringLiteral("Finish and write report..."));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons_);
    connect(number_, &QLineEdit::textChanged, this, &JobDialog::updateOk);
    connect(technician_, &QLineEdit::textChanged, this, &JobDialog::updateOk);
    updateOk();
    (start ? static_cast<QWidget*>(number_) : static_cast<QWidget*>(workDone_))->setFocus();
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

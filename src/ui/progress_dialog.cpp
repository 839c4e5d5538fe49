#include "ui/progress_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace motiview {

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgProgress"));
    setWindowTitle(QStringLiteral("EV Motiview"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblProgress"));
    label_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void ProgressDialog::setRange(int minimum, int maximum) {
    bar_->setRange(minimum, maximum);
}

void ProgressDialog::setValue(int value) {
    bar_->setValue(value);
}

void ProgressDialog::setLabelText(const QString& text) {
    label_->setText(text);
}

int ProgressDialog::value() const {
    return bar_->value();
}

QString ProgressDialog::labelText() const {
    return label_->text();
}

void ProgressDialog::cancel() {
    hide();
    emit canceled();
}

} // namespace motiview

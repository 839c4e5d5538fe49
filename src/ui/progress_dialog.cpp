#include "ui/progress_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace motiview {

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgProgress"));
    setWindowTitle(QStringLiteral("EV Motiview")); // the product's name
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblProgress"));
    label_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(this);
    auto* buttons = new QDialogButtonBox(this);
    // The platform's Cancel button, taken out of the box's standard buttons: the box would put
    // the platform's English word back on every language change.
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    platformCancel_ = cancel_->text();
    buttons->removeButton(cancel_);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    applyCaptions();
}

void ProgressDialog::applyCaptions() {
    // No Qt translations are loaded, so the button's word is ours to translate; in English it
    // stays exactly what the platform shows.
    const QString word = tr("Cancel");
    cancel_->setText(word == QLatin1String("Cancel") ? platformCancel_ : word);
}

void ProgressDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QDialog::changeEvent(e);
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

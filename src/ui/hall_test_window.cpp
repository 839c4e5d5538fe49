#include "ui/hall_test_window.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace motiview {

HallTestWindow::HallTestWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHallTest"));
    setWindowModality(Qt::NonModal);
    lblfrmHallTest_ = new QLabel(this);
    lblfrmHallTest_->setObjectName(QStringLiteral("lblfrmHallTest"));
    lblfrmHallTest_->setTextFormat(Qt::PlainText);
    lblfrmHallTest_->setAlignment(Qt::AlignCenter);
    // The controller's own notice, as the hall test frames carry it: never translated.
    lblfrmHallTest_->setText(QStringLiteral("Group Hall A is under testing."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblfrmHallTest_);
    resize(320, 90);
    applyCaptions();
}

void HallTestWindow::applyCaptions() {
    setWindowTitle(tr("Hall Test"));
}

void HallTestWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QWidget::changeEvent(e);
}

void HallTestWindow::setText(const QString& text) {
    lblfrmHallTest_->setText(text);
}

QString HallTestWindow::text() const {
    return lblfrmHallTest_->text();
}

} // namespace motiview

#include "ui/hall_test_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace motiview {

HallTestWindow::HallTestWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHallTest"));
    setWindowTitle(QStringLiteral("Hall Test"));
    setWindowModality(Qt::NonModal);
    lblfrmHallTest_ = new QLabel(this);
    lblfrmHallTest_->setObjectName(QStringLiteral("lblfrmHallTest"));
    lblfrmHallTest_->setTextFormat(Qt::PlainText);
    lblfrmHallTest_->setAlignment(Qt::AlignCenter);
    lblfrmHallTest_->setText(QStringLiteral("Group Hall A is under testing."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblfrmHallTest_);
    resize(320, 90);
}

void HallTestWindow::setText(const QString& text) {
    lblfrmHallTest_->setText(text);
}

QString HallTestWindow::text() const {
    return lblfrmHallTest_->text();
}

} // namespace motiview

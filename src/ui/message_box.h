#pragma once
// Every message box of the windows: plain text (the texts carry paths and the controller's own
// strings), deleted when closed, application-modal without a nested event loop, so polling and
// reception go on while it is up (exec() would re-enter the receive path, open() would make it
// only window-modal).

#include <QMessageBox>

namespace motiview {

inline QMessageBox* show_message_box(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                     const QString& text, const QString& objectName) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return box;
}

} // namespace motiview

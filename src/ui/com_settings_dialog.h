#pragma once
// frmComSet: the only place where the COM port and line settings are chosen and the link is
// started.

#include "link/qt/transport.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace motiview {

// The program's settings string and port number (0 until the dialog has opened a port).
struct LinkConfig {
    QString settings = QStringLiteral("9600,n,8,1");
    int portNumber = 0;
};

class ComSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    ComSettingsDialog(LinkConfig& config, Transport& port, QWidget* parent = nullptr);

  signals:
    void portOpened(); // the main window enables Timer3

  public slots:
    void cmdComOK_Click();
    void cmdComCancel_Click();

  private:
    void showDevice();
    void showMessage(const QString& text);

    LinkConfig& config_;
    Transport& port_;
    QComboBox* cboPortNumber_ = nullptr;
    QComboBox* cboBaudRate_ = nullptr;
    QComboBox* cboDataBit_ = nullptr;
    QComboBox* cboStopBit_ = nullptr;
    QComboBox* cboParity_ = nullptr;
    QLabel* lblComDevice_ = nullptr;
    QLabel* lblComNote_ = nullptr; // no device at all, or no permission for the chosen one
};

} // namespace motiview

#pragma once
// frmComSet: where the COM port and line settings are chosen and the link is started. The
// same opening serves the command line's --port, "Connect at start" and a plugged-in adapter.

#include "link/qt/transport.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QEvent;
class QGroupBox;
class QLabel;
class QPushButton;
class QSettings;

namespace motiview {

// The program's settings string and port number (0 until the dialog has opened a port); the
// device path when the port was opened by its path.
struct LinkConfig {
    QString settings = QStringLiteral("9600,n,8,1");
    int portNumber = 0;
    QString device;
};

// The dialog's preselection: 57600,n,8,1 as the controller uses.
inline const QString kDefaultLineSettings = QStringLiteral("57600,n,8,1");

// A port to open: a COM number 1..9 or a device path, with the settings string.
struct PortChoice {
    int comNumber = 0;
    QString device;
    QString settings = kDefaultLineSettings;
};

// "3", "COM3" or "com3" is a COM number; anything else non-empty a device path.
[[nodiscard]] std::optional<PortChoice> port_choice(const QString& text,
                                                    const QString& settings = kDefaultLineSettings);

// What the dialog remembers between runs (QSettings): the last port and line settings, and
// whether the next start opens them by itself.
struct LinkPrefs {
    PortChoice port;
    bool connectAtStart = false;
};
[[nodiscard]] LinkPrefs load_link_prefs(const QSettings& store);
void save_link_prefs(QSettings& store, const LinkPrefs& prefs);

// Opens the port as the dialog's Ok does: the settings string replaces the program's first
// (a failed open keeps the new string), then on success the port number or device. The
// dialog's words on failure ("COM port does not exist." or what the open said).
[[nodiscard]] std::optional<QString> open_link(LinkConfig& config, Transport& port,
                                               const PortChoice& choice);

class ComSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // With `store` the dialog preselects the remembered port and settings and remembers what
    // Ok opens; without it every run starts from the same preselection.
    ComSettingsDialog(LinkConfig& config, Transport& port, QWidget* parent = nullptr,
                      QSettings* store = nullptr);

  signals:
    void portOpened(); // the main window enables Timer3

  public slots:
    void cmdComOK_Click();
    void cmdComCancel_Click();

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void applyCaptions();
    void showDevice();
    void showMessage(const QString& text);

    LinkConfig& config_;
    Transport& port_;
    QSettings* store_;
    QCheckBox* chkConnectAtStart_ = nullptr;
    QComboBox* cboPortNumber_ = nullptr;
    QComboBox* cboBaudRate_ = nullptr;
    QComboBox* cboDataBit_ = nullptr;
    QComboBox* cboStopBit_ = nullptr;
    QComboBox* cboParity_ = nullptr;
    QLabel* lblComDevice_ = nullptr;
    QLabel* lblComNote_ = nullptr; // no device at all, or no permission for the chosen one
    QGroupBox* fmManuPara_ = nullptr;
    QLabel* lblComPort_ = nullptr;
    QLabel* lblBaudRate_ = nullptr;
    QLabel* lblDataBit_ = nullptr;
    QLabel* lblStopBit_ = nullptr;
    QLabel* lblParity_ = nullptr;
    QPushButton* cmdComOK_ = nullptr;
    QPushButton* cmdComCancel_ = nullptr;
};

} // namespace motiview

#pragma once
// frmMain: the tool's only top-level window. It owns the serial port, the poll timer Timer3,
// the hall test close timer Timer1, the status bar and the panels, and performs what the
// receive path asks for.

#include "app/language.h"
#include "base/number_text.h"
#include "link/frames.h"
#include "link/qt/transport.h"
#include "link/receiver.h"
#include "link/supervisor.h"
#include "ui/com_settings_dialog.h"
#include "ui/hall_test_window.h"
#include "ui/page_window.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QSettings;
class QPushButton;
class QAction;
class QMenu;

namespace motiview {

class MonitorView;
class ParameterFlows;
class LiveTools;
class ServiceLog;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the load sequence; nothing is sent until the port is opened (the settings dialog,
    // startUp(), a plugged-in adapter's offer). With `store` the settings dialog remembers the
    // port and line settings between runs.
    explicit MainWindow(Transport& port, QWidget* parent = nullptr, QSettings* store = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const LinkShared& link() const { return link_; }
    [[nodiscard]] const LinkConfig& config() const { return config_; }
    [[nodiscard]] MonitorView* monitor() const { return monitor_; }
    // The page's window if it exists, else nullptr.
    [[nodiscard]] PageWindow* page(PageId id) const;
    [[nodiscard]] HallTestWindow* hallTestWindow() const { return hall_; }
    [[nodiscard]] bool pollTimerActive() const { return timer3_.isActive(); }
    // Save, compare and restore of parameter sets (the File menu).
    [[nodiscard]] ParameterFlows* parameterFlows() const { return flows_; }
    // Plots, traffic monitor, recording and poll rate.
    [[nodiscard]] LiveTools* liveTools() const { return live_; }
    // The service history and jobs.
    [[nodiscard]] ServiceLog* serviceLog() const { return service_; }
    // Opens the service history file; false (and a message) when it is refused.
    bool useHistory(const QString& path);

    // The start: the command line's port if given, else the remembered one when "Connect at
    // start" is on, else nothing (the user opens the dialog).
    void startUp(const std::optional<PortChoice>& fromCommandLine);
    // Opens the port as the dialog's Ok does and starts polling; a failure shows the dialog's
    // message and leaves the link closed.
    bool openLink(const PortChoice& choice);

    // The serial devices an adapter plugged in would add (device paths); the system's USB and
    // ACM ports unless a test gives its own list.
    void setDeviceLister(std::function<QStringList()> lister);
    // Looks for newly plugged-in adapters (every second while no port is open).
    void watchForAdapters();
    // The offer in the status bar: "/dev/ttyUSB0 plugged in:" and Connect; hidden without one.
    [[nodiscard]] QWidget* adapterOffer() const { return plugOffer_; }

  public slots:
    void Timer3_Timer();
    void Timer1_Timer();
    void MSComm1_OnComm(const motiview::Unit& unit);

    void Menu_File_Exit_Click();
    void Menu_Option_ComSet_Click();
    void Menu_Lang_Eng_Click();
    // Loads the language, remembers it and runs every caption routine again.
    void chooseLanguage(Language l);
    void Menu_Help_Cont_Click();

    void openPage(motiview::PageId id); // the opener buttons
    void cmd_halltest_Click();
    void cmd_hallBtest_Click();
    void cmd_hallteststop_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void buildMenus();
    void buildCentral();
    void buildStatusBar();
    void applyShellCaptions();
    void applyMainCaptions();
    void setButtonGroupEnabled(bool enabled);
    void showLinkDisplay();
    PageWindow* ensurePage(PageId id);
    void showHallText(const QString& text);
    void showMessage(const QString& title, const QString& text, QMessageBox::Icon icon);
    void send(std::span<const std::uint8_t> frame);
    void showDataNotice();
    void showJob();
    void offerAdapter(const QString& device);

    Transport& port_;
    LinkShared link_;
    Supervisor supervisor_{link_};
    LinkConfig config_;
    NumberFormat format_;
    QTimer timer3_;
    QTimer timer1_;
    int closeCounter_ = 0;

    MonitorView* monitor_ = nullptr;
    QLabel* lblWelCom1_ = nullptr;
    QLabel* shapeWelCom1_ = nullptr;
    QLabel* panelPortNo_ = nullptr;
    QLabel* panelPortState_ = nullptr;
    QLabel* panelMcuSN_ = nullptr;
    QLabel* panelData_ = nullptr;
    QLabel* panelLive_ = nullptr;
    std::vector<QPushButton*> buttons_; // the fourteen, enabled together
    std::array<QPushButton*, kPageCount> openers_{};
    QPushButton* cmdHallA_ = nullptr;
    QPushButton* cmdHallB_ = nullptr;
    QPushButton* cmdHallStop_ = nullptr;

    QMenu* menuFile_ = nullptr;
    QMenu* menuView_ = nullptr;
    QPushButton* plugConnect_ = nullptr;
    QMenu* menuOption_ = nullptr;
    QMenu* menuLang_ = nullptr;
    QMenu* menuHelp_ = nullptr;
    QAction* actSave_ = nullptr;
    QAction* actCompare_ = nullptr;
    QAction* actRestore_ = nullptr;
    QAction* actExit_ = nullptr;
    QAction* actComSet_ = nullptr;
    QAction* actLangEng_ = nullptr;
    QAction* actContact_ = nullptr;

    std::array<QPointer<PageWindow>, kPageCount> pages_{};
    QPointer<HallTestWindow> hall_;
    QList<QPointer<QMessageBox>> openMessages_;
    ParameterFlows* flows_ = nullptr;
    LiveTools* live_ = nullptr;
    ServiceLog* service_ = nullptr;
    QLabel* panelJob_ = nullptr;

    QSettings* store_ = nullptr;
    std::optional<std::string> lastFrameClock_; // when the run's last status frame came
    std::function<QStringList()> deviceLister_;
    QStringList knownDevices_;
    QTimer plugWatch_;
    QTimer plugOfferTimeout_;
    QWidget* plugOffer_ = nullptr;
    QLabel* plugOfferText_ = nullptr;
    QString offeredDevice_;
};

} // namespace motiview

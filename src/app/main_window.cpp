#include "app/main_window.h"

#include "app/language.h"
#include "app/live_tools.h"
#include "app/parameter_flows.h"
#include "app/service_log.h"
#include "base/qt/locale_format.h"
#include "base/qt/text.h"
#include "monitor/status_frame.h"
#include "pages/page_schema.h"
#include "ui/hall_test_window.h"
#include "ui/message_box.h"
#include "ui/page_window.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

namespace motiview {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWidthTwips = 12800;
constexpr int kHeightTwips = 10000;
constexpr int kTimerIntervalMs = 100;
constexpr int kHallCloseAfter = 4; // the window closes on the tick after the counter passes 4
constexpr int kMaxOpenMessages = 8;

void set_lamp(QLabel* shape, Lamp lamp) {
    const QColor color = lamp == Lamp::Green ? QColor(0, 255, 0) : QColor(255, 0, 0);
    if (shape->property("fillColor").value<QColor>() == color) {
        return;
    }
    shape->setProperty("fillColor", color);
    shape->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #333; "
                                        "border-radius: 9px;")
                             .arg(color.name()));
}

class ContactWindow final : public QDialog {
  public:
    explicit ContactWindow(QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("frmContact"));
        setWindowTitle(QCoreApplication::translate("motiview::MainWindow", "Contact us"));
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(this);
        text->setObjectName(QStringLiteral("lblContact"));
        text->setTextFormat(Qt::PlainText);
        text->setText(QCoreApplication::translate("motiview::MainWindow",
                                                  "EV Motiview service\n\n"
                                                  "Supplier: (your controller supplier)\n"
                                                  "Web: (supplier web page)\n"
                                                  "Mail: (supplier service address)"));
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        layout->addWidget(buttons);
    }
};

// A plugged-in adapter is offered this long.
constexpr int kOfferMs = 10000;
constexpr int kPlugWatchMs = 1000;

// USB and ACM adapters present now, by device path.
QStringList adapters_present() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"))) {
            devices << info.systemLocation();
        }
    }
    return devices;
}

} // namespace

MainWindow::MainWindow(Transport& port, QWidget* parent, QSettings* store)
    : QMainWindow(parent), port_(port), store_(store), deviceLister_(adapters_present) {
    setObjectName(QStringLiteral("frmMain"));
    Form_Load();
    knownDevices_ = deviceLister_();
    plugWatch_.setInterval(kPlugWatchMs);
    connect(&plugWatch_, &QTimer::timeout, this, &MainWindow::watchForAdapters);
    plugWatch_.start();
    plugOfferTimeout_.setSingleShot(true);
    plugOfferTimeout_.setInterval(kOfferMs);
    connect(&plugOfferTimeout_, &QTimer::timeout, plugOffer_, &QWidget::hide);
}

MainWindow::~MainWindow() {
    timer3_.stop();
    timer1_.stop();
}

void MainWindow::Form_Load() {
    // 1. Window size.
    resize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
    // 2. The serial control: port 1, "9600,n,8,1", closed.
    port_.configure(1, *parse_line_settings(kDefaultSettings));
    // 3. Fixed frames and the link's shared state.
    (void)frame_set();
    link_ = LinkShared{};
    config_ = LinkConfig{};
    format_ = system_number_format();
    timer3_.setObjectName(QStringLiteral("Timer3"));
    timer3_.setInterval(kTimerIntervalMs);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kTimerIntervalMs);
    connect(&timer3_, &QTimer::timeout, this, &MainWindow::Timer3_Timer);
    connect(&timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    connect(&port_, &Transport::unitReceived, this, &MainWindow::MSComm1_OnComm);
    connect(&port_, &Transport::portClosed, this,
            [this](const QString& reason) { statusBar()->showMessage(reason, 10000); });

    flows_ = new ParameterFlows(port_, this, [this] { return panelMcuSN_->text(); });
    connect(flows_, &ParameterFlows::notice, this,
            [this](const QString& text) { statusBar()->showMessage(text, 10000); });
    live_ = new LiveTools(port_, supervisor_, this);
    connect(flows_, &ParameterFlows::lineNote, live_, &LiveTools::lineNote);
    service_ = new ServiceLog(port_, *flows_, this, store_);
    connect(service_, &ServiceLog::notice, this,
            [this](const QString& text) { statusBar()->showMessage(text, 10000); });
    connect(service_, &ServiceLog::jobChanged, this, &MainWindow::showJob);
    connect(service_, &ServiceLog::restoreRequested, flows_, &ParameterFlows::restoreFrom);
    service_->watchRecorder(live_->recorder());
    buildMenus();
    buildCentral();
    buildStatusBar();
    // 4. Window-shell captions.
    applyShellCaptions();
    // 5. Start-up reset of the live values.
    monitor_->resetLiveValues();
    // 6. Status bar.
    panelPortNo_->setText(QStringLiteral("COM - ?"));
    panelPortState_->setText(QStringLiteral("?"));
    // 7. Main caption routine.
    applyMainCaptions();
    // 8. Buttons stay disabled until the link is online.
    setButtonGroupEnabled(false);
    // Nothing on the panels is the controller's yet.
    showDataNotice();
}

void MainWindow::buildMenus() {
    auto menu = [this](const char* name, const char* design) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(design));
        m->setObjectName(QString::fromUtf8(name));
        m->menuAction()->setObjectName(QString::fromUtf8(name));
        return m;
    };
    auto item = [](QMenu* m, const char* name, const char* design) {
        QAction* a = m->addAction(QString::fromUtf8(design));
        a->setObjectName(QString::fromUtf8(name));
        return a;
    };
    menuFile_ = menu("Menu_File", "File(&F)");
    live_->addRecordActions(menuFile_);
    menuFile_->addSeparator();
    actSave_ = item(menuFile_, "Menu_File_Save", "&Save parameters...");
    actCompare_ = item(menuFile_, "Menu_File_Compare", "C&ompare with file...");
    actRestore_ = item(menuFile_, "Menu_File_Restore", "&Restore parameters...");
    menuFile_->addSeparator();
    service_->addFileActions(menuFile_);
    menuFile_->addSeparator();
    actExit_ = item(menuFile_, "Menu_File_Exit", "Exit(&X)");
    menuView_ = menu("Menu_View", "&View");
    live_->addViewActions(menuView_);
    menuView_->addSeparator();
    service_->addViewActions(menuView_);
    menuOption_ = menu("Menu_Option", "Option(&O)");
    actComSet_ = item(menuOption_, "Menu_Option_ComSet", "ComSet(&C)");
    service_->addOptionActions(menuOption_);
    menuLang_ = menu("Menu_Lang", "Language(&L)");
    // Each language named in itself, so that it can be found whatever the window shows.
    auto* languages = new QActionGroup(this);
    for (const LanguageInfo& info : kLanguages) {
        QAction* a = item(menuLang_, info.action.data(), info.menuText.data());
        a->setCheckable(true);
        a->setChecked(info.language == installed_language());
        languages->addAction(a);
        if (info.language == Language::English) {
            actLangEng_ = a;
        } else {
            connect(a, &QAction::triggered, this, [this, l = info.language] { chooseLanguage(l); });
        }
    }
    menuHelp_ = menu("Menu_Help", "Help(&H)");
    actContact_ = item(menuHelp_, "Menu_Help_Cont", "Contact us(&C)");
    connect(actSave_, &QAction::triggered, flows_, &ParameterFlows::saveParameters);
    connect(actCompare_, &QAction::triggered, flows_, &ParameterFlows::compareWithFile);
    connect(actRestore_, &QAction::triggered, flows_, &ParameterFlows::restoreParameters);
    connect(actExit_, &QAction::triggered, this, &MainWindow::Menu_File_Exit_Click);
    connect(actComSet_, &QAction::triggered, this, &MainWindow::Menu_Option_ComSet_Click);
    connect(actLangEng_, &QAction::triggered, this, &MainWindow::Menu_Lang_Eng_Click);
    connect(actContact_, &QAction::triggered, this, &MainWindow::Menu_Help_Cont_Click);
}

void MainWindow::buildCentral() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(6, 6, 6, 6);
    monitor_ = new MonitorView(central);
    row->addWidget(monitor_, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    auto* connection = new QHBoxLayout;
    shapeWelCom1_ = new QLabel(central);
    shapeWelCom1_->setObjectName(QStringLiteral("ShapeWelCom1"));
    shapeWelCom1_->setFixedSize(18, 18);
    set_lamp(shapeWelCom1_, Lamp::Red);
    lblWelCom1_ = new QLabel(QStringLiteral("OFFLINE"), central);
    lblWelCom1_->setObjectName(QStringLiteral("lblWelCom1"));
    lblWelCom1_->setTextFormat(Qt::PlainText);
    connection->addWidget(shapeWelCom1_);
    connection->addWidget(lblWelCom1_, 1);
    side->addLayout(connection);

    auto* commands = new QGroupBox(central);
    commands->setObjectName(QStringLiteral("frmCommands"));
    auto* list = new QVBoxLayout(commands);
    list->setSpacing(3);
    auto button = [&](const QString& name, const QString& design) {
        auto* b = new QPushButton(design, commands);
        b->setObjectName(name);
        b->setMinimumHeight(26);
        list->addWidget(b);
        buttons_.push_back(b);
        return b;
    };
    for (PageId id : kWindowOrder) {
        const PageSchema& page = page_schema(id);
        QPushButton* b = button(qs(page.opener), qs(page.openerCaption));
        openers_[static_cast<std::size_t>(id)] = b;
        connect(b, &QPushButton::clicked, this, [this, id] { openPage(id); });
    }
    list->addSpacing(8);
    cmdHallA_ = button(QStringLiteral("cmd_halltest"), QStringLiteral("Hall A Test"));
    cmdHallB_ = button(QStringLiteral("cmd_hallBtest"), QStringLiteral("Hall B Test"));
    cmdHallStop_ = button(QStringLiteral("cmd_hallteststop"), QStringLiteral("Stop Hall Test"));
    connect(cmdHallA_, &QPushButton::clicked, this, &MainWindow::cmd_halltest_Click);
    connect(cmdHallB_, &QPushButton::clicked, this, &MainWindow::cmd_hallBtest_Click);
    connect(cmdHallStop_, &QPushButton::clicked, this, &MainWindow::cmd_hallteststop_Click);
    list->addStretch(1);
    side->addWidget(commands, 1);
    row->addLayout(side);
    setCentralWidget(central);
}

void MainWindow::buildStatusBar() {
    auto panel = [this](const char* key, int stretch) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromUtf8(key));
        l->setTextFormat(Qt::PlainText);
        l->setMinimumWidth(90);
        statusBar()->addPermanentWidget(l, stretch);
        return l;
    };
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    panelPortNo_ = panel("PortNo", 1);
    panelPortState_ = panel("PortState", 1);
    panelMcuSN_ = panel("McuSN", 2);
    panelData_ = panel("Data", 1);
    panelLive_ = panel("Live", 2);
    live_->setPanel(panelLive_);
    panelJob_ = panel("Job", 2);
    panelJob_->hide();

    plugOffer_ = new QWidget(this);
    plugOffer_->setObjectName(QStringLiteral("wgtAdapterOffer"));
    auto* row = new QHBoxLayout(plugOffer_);
    row->setContentsMargins(0, 0, 0, 0);
    plugOfferText_ = new QLabel(plugOffer_);
    plugOfferText_->setObjectName(QStringLiteral("lblAdapterOffer"));
    plugOfferText_->setTextFormat(Qt::PlainText);
    plugConnect_ = new QPushButton(tr("Connect"), plugOffer_);
    plugConnect_->setObjectName(QStringLiteral("cmdAdapterConnect"));
    row->addWidget(plugOfferText_);
    row->addWidget(plugConnect_);
    connect(plugConnect_, &QPushButton::clicked, this, [this] {
        plugOffer_->hide();
        if (port_.isOpen() || offeredDevice_.isEmpty()) {
            return;
        }
        const QString settings =
            store_ != nullptr ? load_link_prefs(*store_).port.settings : kDefaultLineSettings;
        (void)openLink({0, offeredDevice_, settings});
    });
    statusBar()->addWidget(plugOffer_);
    plugOffer_->hide();
}

void MainWindow::setDeviceLister(std::function<QStringList()> lister) {
    deviceLister_ = std::move(lister);
    knownDevices_ = deviceLister_();
}

void MainWindow::watchForAdapters() {
    const QStringList now = deviceLister_();
    QString added;
    for (const QString& d : now) {
        if (!knownDevices_.contains(d)) {
            added = d;
            break;
        }
    }
    knownDevices_ = now;
    if (!offeredDevice_.isEmpty() && !now.contains(offeredDevice_)) {
        plugOffer_->hide(); // pulled again before it was taken
    }
    if (!added.isEmpty() && !port_.isOpen()) {
        offerAdapter(added);
    }
}

void MainWindow::offerAdapter(const QString& device) {
    offeredDevice_ = device;
    plugOfferText_->setText(tr("%1 plugged in:").arg(device));
    plugOffer_->show();
    plugOfferTimeout_.start();
}

void MainWindow::startUp(const std::optional<PortChoice>& fromCommandLine) {
    if (fromCommandLine) {
        (void)openLink(*fromCommandLine);
        return;
    }
    if (store_ != nullptr) {
        const LinkPrefs prefs = load_link_prefs(*store_);
        if (prefs.connectAtStart) {
            (void)openLink(prefs.port);
        }
    }
}

bool MainWindow::openLink(const PortChoice& choice) {
    if (port_.isOpen()) {
        return true;
    }
    if (const auto failed = open_link(config_, port_, choice)) {
        showMessage(QStringLiteral("EV Motiview"), *failed, QMessageBox::NoIcon);
        return false;
    }
    plugOffer_->hide();
    timer3_.start();
    return true;
}

void MainWindow::showDataNotice() {
    const DataNotice n = data_notice(link_.state, lastFrameClock_);
    // The core's fixed lines, in the window's language.
    monitor_->setDataNotice(n.dim, n.clock.empty() ? tq("Link", n.line)
                                                   : tq("Link", kLastDataAt).arg(qs(n.clock)));
}

bool MainWindow::useHistory(const QString& path) {
    return service_->useHistory(path);
}

void MainWindow::showJob() {
    setWindowTitle(QStringLiteral("EV Motiview V2.0.0.7B_EN") + service_->titleSuffix());
    if (const auto& job = service_->job()) {
        panelJob_->setText(tr("Job %1 (%2)").arg(qs(job->number), qs(job->technician)));
        panelJob_->show();
    } else {
        panelJob_->hide();
    }
}

void MainWindow::applyShellCaptions() {
    setWindowTitle(QStringLiteral("EV Motiview V2.0.0.7B_EN") + service_->titleSuffix());
    menuFile_->setTitle(tr("&File"));
    actSave_->setText(tr("&Save parameters..."));
    actCompare_->setText(tr("C&ompare with file..."));
    actRestore_->setText(tr("&Restore parameters..."));
    actExit_->setText(tr("E&xit"));
    menuView_->setTitle(tr("&View"));
    menuOption_->setTitle(tr("&Options"));
    actComSet_->setText(tr("&Com Setting..."));
    menuLang_->setTitle(tr("Language(&L)"));
    menuHelp_->setTitle(tr("&Help"));
    actContact_->setText(tr("&Contact us"));
    lblWelCom1_->setText(link_.state == LinkState::Online ? tr("online") : tr("offline"));
    plugConnect_->setText(tr("Connect"));
    lblWelCom1_->setFont(QFont(QStringLiteral("Verdana"), 10));
    // The hall-group title belongs to the panel; its caption and font come with it.
}

void MainWindow::applyMainCaptions() {
    monitor_->applyCaptions();
    for (PageId id : kWindowOrder) {
        openers_[static_cast<std::size_t>(id)]->setText(tq("Pages", page_schema(id).openerCaption));
    }
    cmdHallA_->setText(tr("Hall A test"));
    cmdHallB_->setText(tr("Hall B test"));
    cmdHallStop_->setText(tr("Stop hall test"));
    for (QPushButton* b : {cmdHallA_, cmdHallB_, cmdHallStop_}) {
        QFont f = b->font();
        f.setFamily(QStringLiteral("Verdana"));
        b->setFont(f);
    }
}

void MainWindow::setButtonGroupEnabled(bool enabled) {
    for (QPushButton* b : buttons_) {
        if (b->isEnabled() != enabled) {
            b->setEnabled(enabled);
        }
    }
    // The parameter sets talk to the controller: they follow the buttons.
    for (QAction* a : {actSave_, actCompare_, actRestore_}) {
        if (a->isEnabled() != enabled) {
            a->setEnabled(enabled);
        }
    }
}

PageWindow* MainWindow::page(PageId id) const {
    return pages_[static_cast<std::size_t>(id)];
}

PageWindow* MainWindow::ensurePage(PageId id) {
    auto& slot = pages_[static_cast<std::size_t>(id)];
    if (slot.isNull()) {
        // Created hidden; a parent keeps it a separate top-level window that ends with frmMain.
        slot = new PageWindow(page_schema(id), port_, this);
    }
    return slot;
}

void MainWindow::send(std::span<const std::uint8_t> frame) {
    // Fire and forget; a port that cannot be reopened sends nothing and the link goes
    // offline by silence.
    (void)port_.send(frame);
}

void MainWindow::Timer3_Timer() {
    const LinkState before = link_.state;
    const TickOutput out = supervisor_.tick();
    if (out.poll) {
        if (!port_.isOpen()) {
            (void)port_.open();
        }
        if (out.discardInput && port_.isOpen()) {
            port_.discardInput(kUnitSize);
        }
        send(frame_set().statusRequest);
    }
    showLinkDisplay();
    live_->linkChanged(before, link_.state);
    service_->linkChanged(before, link_.state);
}

void MainWindow::showLinkDisplay() {
    LinkDisplay d = link_display(link_.state, config_.portNumber, config_.settings.toStdString());
    if (!config_.device.isEmpty()) {
        d.portNo = "COM - " + config_.device.toStdString(); // opened by its path
    }
    set_lamp(shapeWelCom1_, d.lamp);
    showDataNotice();
    lblWelCom1_->setText(tq("Link", d.label));
    panelPortNo_->setText(qs(d.portNo));
    panelPortState_->setText(qs(d.portState));
    setButtonGroupEnabled(d.buttonsEnabled);
    for (PageId id : kWindowOrder) {
        if (page_schema(id).linkButtons) {
            ensurePage(id)->setLinkButtonsEnabled(d.buttonsEnabled);
        }
    }
}

void MainWindow::MSComm1_OnComm(const Unit& unit) {
    const Action action = receive_unit(unit, link_);
    live_->received(unit, action.type);
    switch (action.type) {
    case ActionType::None:
        break;
    case ActionType::Status:
        monitor_->apply(decode_status(action.unit, format_));
        service_->statusReceived(action.unit);
        lastFrameClock_ = QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
        showDataNotice();
        break;
    case ActionType::PageReply:
        if (action.page && flows_->busy()) {
            // A parameter set's reads leave the pages (and the user's edits) alone; a restore's
            // read-backs show on the pages that are open.
            if (flows_->writing() && page(*action.page) != nullptr) {
                page(*action.page)->decodeReply(action.unit);
            }
        } else if (action.page) {
            ensurePage(*action.page)->decodeReply(action.unit);
        }
        if (action.page) {
            service_->pageReplyReceived(*action.page, action.unit);
        }
        if (action.hallDone) {
            service_->hallTestDone(QString::fromStdString(action.hallText));
            showHallText(tq("Link", action.hallText));
            closeCounter_ = 0;
            timer1_.start();
        }
        break;
    case ActionType::Message:
        if (action.kind == UnitKind::WriteAck && flows_->writing()) {
            break; // a restore ends in one summary instead
        }
        if (action.kind == UnitKind::WriteAck) {
            service_->writeAcknowledged(QString::fromStdString(action.text));
        }
        showMessage(tr("info"), tq("Link", action.text), QMessageBox::Information);
        break;
    case ActionType::Warning:
        showMessage(tr("warning"), tq("Link", action.text), QMessageBox::Critical);
        break;
    case ActionType::HallWindow:
        showHallText(tq("Link", action.text));
        break;
    case ActionType::UserName:
        panelMcuSN_->setText(QString::fromStdString(action.text));
        break;
    }
}

void MainWindow::showHallText(const QString& text) {
    if (hall_.isNull()) {
        hall_ = new HallTestWindow(this);
    }
    hall_->setText(text);
    hall_->show();
}

void MainWindow::showMessage(const QString& title, const QString& text, QMessageBox::Icon icon) {
    openMessages_.removeAll(nullptr);
    // A controller repeating itself must not pile up boxes: one open box per text.
    for (const auto& box : openMessages_) {
        if (box->text() == text) {
            return;
        }
    }
    if (openMessages_.size() >= kMaxOpenMessages) {
        return;
    }
    openMessages_.append(show_message_box(this, icon, title, text, QStringLiteral("msgMain")));
}

void MainWindow::Timer1_Timer() {
    if (closeCounter_ > kHallCloseAfter) {
        timer1_.stop();
        if (!hall_.isNull()) {
            hall_->close();
            delete hall_;
        }
        return;
    }
    ++closeCounter_;
}

void MainWindow::openPage(PageId id) {
    send(frame_set().read(id));
    PageWindow* w = ensurePage(id);
    w->show();
    w->raise();
    for (PageId other : page_schema(id).closes) {
        auto& slot = pages_[static_cast<std::size_t>(other)];
        if (!slot.isNull()) {
            // Unloaded: its contents are gone even before the deferred delete runs.
            slot->close();
            slot = nullptr;
        }
    }
}

void MainWindow::cmd_halltest_Click() {
    send(frame_set().hallTestA);
}
void MainWindow::cmd_hallBtest_Click() {
    send(frame_set().hallTestB);
}

void MainWindow::cmd_hallteststop_Click() {
    if (!hall_.isNull()) {
        hall_->close();
        delete hall_;
    }
    send(frame_set().hallTestStop);
}

void MainWindow::Menu_Option_ComSet_Click() {
    auto* dialog = new ComSettingsDialog(config_, port_, this, store_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ComSettingsDialog::portOpened, this, [this] {
        plugOffer_->hide();
        timer3_.start();
    });
    dialog->open();
}

void MainWindow::Menu_Lang_Eng_Click() {
    chooseLanguage(Language::English);
}

void MainWindow::chooseLanguage(Language l) {
    if (!install_language(l)) {
        show_message_box(this, QMessageBox::Warning, windowTitle(),
                         tr("The %1 translation cannot be loaded; the window stays in English.")
                             .arg(qs(language_info(l).menuText)),
                         QStringLiteral("dlgLanguage"));
    }
    const Language shown = installed_language();
    if (store_ != nullptr) {
        save_language(*store_, shown);
    }
    for (const LanguageInfo& info : kLanguages) {
        findChild<QAction*>(qs(info.action))->setChecked(info.language == shown);
    }
    // The menus' items the live tools and the service log own, and a parameter set's progress.
    live_->applyCaptions();
    service_->applyCaptions();
    flows_->applyCaptions();
    applyShellCaptions();
    applyMainCaptions();
    for (PageId id : kWindowOrder) {
        ensurePage(id)->applyCaptions();
    }
}

void MainWindow::Menu_Help_Cont_Click() {
    auto* contact = new ContactWindow(this);
    contact->setAttribute(Qt::WA_DeleteOnClose);
    contact->open();
}

void MainWindow::Menu_File_Exit_Click() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The port is closed before the windows go.
    timer3_.stop();
    timer1_.stop();
    if (port_.isOpen()) {
        port_.close();
    }
    for (auto& p : pages_) {
        if (!p.isNull()) {
            p->close();
        }
    }
    if (!hall_.isNull()) {
        hall_->close();
    }
    // Closing frmMain, the last primary window, ends the program.
    event->accept();
}

} // namespace motiview

#include "app/live_tools.h"

#include "base/qt/locale_format.h"
#include "monitor/status_record.h"
#include "ui/message_box.h"
#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

namespace motiview {

LiveTools::LiveTools(Transport& port, Supervisor& supervisor, QWidget* window)
    : QObject(window), supervisor_(supervisor), window_(window), recorder_(this) {
    clock_.start();
    connect(&port, &Transport::frameSent, this,
            [this](const Bytes& frame) { traffic_.sent(now(), frame); });
    connect(&port, &Transport::bytesDiscarded, this,
            [this](std::size_t count) { traffic_.discarded(now(), count); });
    connect(&recorder_, &Recorder::progress, this, &LiveTools::updatePanel);
    connect(&recorder_, &Recorder::stopped, this, [this](const QString& message) {
        updatePanel();
        if (!message.isEmpty()) {
            showMessage(tr("The recording stopped: %1\n%2 keeps the %3 rows written "
                           "before.")
                            .arg(message, recorder_.path())
                            .arg(recorder_.rows()));
        }
    });
}

void LiveTools::addRecordActions(QMenu* file) {
    actRecord_ = file->addAction(QString());
    actRecord_->setObjectName(QStringLiteral("Menu_File_Record"));
    actStopRecord_ = file->addAction(QString());
    actStopRecord_->setObjectName(QStringLiteral("Menu_File_StopRecord"));
    connect(actRecord_, &QAction::triggered, this, &LiveTools::askRecordPath);
    connect(actStopRecord_, &QAction::triggered, this, &LiveTools::stopRecording);
    // Reading a recording needs no controller: enabled offline too.
    actOpenRecording_ = file->addAction(QString());
    actOpenRecording_->setObjectName(QStringLiteral("Menu_File_OpenRecording"));
    connect(actOpenRecording_, &QAction::triggered, this, &LiveTools::askRecordingPath);
    applyCaptions();
}

void LiveTools::addViewActions(QMenu* view) {
    actPlot_ = view->addAction(QString());
    actPlot_->setObjectName(QStringLiteral("Menu_View_Plot"));
    connect(actPlot_, &QAction::triggered, this, &LiveTools::openPlot);
    actTraffic_ = view->addAction(QString());
    actTraffic_->setObjectName(QStringLiteral("Menu_View_Traffic"));
    connect(actTraffic_, &QAction::triggered, this, &LiveTools::openTraffic);
    menuRate_ = view->addMenu(QString());
    menuRate_->setObjectName(QStringLiteral("Menu_View_PollRate"));
    rates_ = new QActionGroup(this);
    for (int perSecond : kPollRates) {
        QAction* a = menuRate_->addAction(QString());
        a->setObjectName(QStringLiteral("Menu_View_PollRate_%1").arg(perSecond));
        a->setCheckable(true);
        a->setChecked(perSecond == supervisor_.poll_rate());
        a->setData(perSecond);
        rates_->addAction(a);
        connect(a, &QAction::triggered, this, [this, perSecond] { setPollRate(perSecond); });
    }
    applyCaptions();
}

void LiveTools::setPanel(QLabel* panel) {
    panel_ = panel;
    updatePanel();
}

void LiveTools::applyCaptions() {
    if (actRecord_ != nullptr) {
        actRecord_->setText(tr("Re&cord..."));
        actStopRecord_->setText(tr("S&top recording"));
        actOpenRecording_->setText(tr("O&pen recording..."));
    }
    if (actPlot_ != nullptr) {
        actPlot_->setText(tr("&Plot..."));
        actTraffic_->setText(tr("&Traffic..."));
        menuRate_->setTitle(tr("Poll &rate"));
        for (QAction* a : rates_->actions()) {
            const int perSecond = a->data().toInt();
            a->setText(perSecond == 1 ? tr("Once a second")
                                      : tr("%1 times a second").arg(perSecond));
        }
    }
    updatePanel();
}

void LiveTools::lineNote(const QString& text) {
    traffic_.note(now(), text.toStdString());
}

void LiveTools::received(const Unit& unit, ActionType action) {
    const std::int64_t t = now();
    traffic_.received(t, unit);
    if (action == ActionType::Status) {
        samples_.add(t, unit);
        rows_.push({t, local_time_text(), unit});
        recorder_.addFrame(unit);
    }
}

void LiveTools::linkChanged(LinkState before, LinkState after) {
    online_ = after == LinkState::Online;
    if (before == LinkState::Online && after == LinkState::Offline) {
        traffic_.silence(now());
        if (recorder_.recording()) {
            // The file ends with the last frame received; it stays a valid recording.
            recorder_.stop();
            showMessage(tr("The link was lost; the recording stopped.\n%1 holds %2 "
                           "rows.")
                            .arg(recorder_.path())
                            .arg(recorder_.rows()));
        }
    }
    updatePanel();
}

QString LiveTools::startRecording(const QString& path) {
    const QString error = recorder_.start(path);
    updatePanel();
    return error;
}

void LiveTools::stopRecording() {
    recorder_.stop();
    updatePanel();
}

void LiveTools::setPollRate(int perSecond) {
    if (supervisor_.set_poll_rate(perSecond) && rates_ != nullptr) {
        for (QAction* a : rates_->actions()) {
            a->setChecked(a->data().toInt() == perSecond);
        }
    }
    updatePanel();
}

void LiveTools::openPlot() {
    if (plot_.isNull()) {
        plot_ = new PlotWindow(samples_, window_);
        plot_->setWindowFlag(Qt::Window);
        plot_->setAttribute(Qt::WA_DeleteOnClose);
        plot_->setRowProvider(
            [this](std::int64_t fromMs, std::int64_t toMs) { return liveRows(fromMs, toMs); });
    }
    plot_->show();
    plot_->raise();
}

void LiveTools::openTraffic() {
    if (trafficWindow_.isNull()) {
        trafficWindow_ = new TrafficWindow(traffic_, window_);
        trafficWindow_->setWindowFlag(Qt::Window);
        trafficWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    trafficWindow_->show();
    trafficWindow_->raise();
}

PlotWindow* LiveTools::openRecording(const QString& path) {
    QString error;
    PlotWindow* w = PlotWindow::openRecording(path, window_, &error);
    if (w == nullptr) {
        showMessage(error);
        return nullptr;
    }
    w->setWindowFlag(Qt::Window);
    w->setAttribute(Qt::WA_DeleteOnClose);
    recordings_.removeAll(nullptr); // the ones closed since
    recordings_.append(w);
    w->show();
    w->raise();
    return w;
}

QList<PlotWindow*> LiveTools::recordingWindows() const {
    QList<PlotWindow*> open;
    for (const QPointer<PlotWindow>& w : recordings_) {
        if (!w.isNull()) {
            open.append(w.data());
        }
    }
    return open;
}

std::string LiveTools::liveRows(std::int64_t fromMs, std::int64_t toMs) const {
    std::string text = record_header() + "\n";
    std::optional<std::int64_t> start;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const LiveRow& r = rows_[i];
        if (r.timeMs < fromMs || r.timeMs > toMs) {
            continue;
        }
        if (!start) {
            start = r.timeMs; // the saved rows read as a recording started at the first
        }
        text += record_row(r.frame, r.wallTime, r.timeMs - *start);
        text += '\n';
    }
    return text;
}

void LiveTools::askRecordingPath() {
    auto* d = new QFileDialog(window_, tr("Open recording"), QString(), tr("Recordings (*.csv)"));
    d->setObjectName(QStringLiteral("dlgOpenRecording"));
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this,
            [this](const QString& path) { openRecording(path); });
    d->open();
}

void LiveTools::askRecordPath() {
    const QString name = QStringLiteral("ride-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                         QStringLiteral(".csv");
    auto* d = new QFileDialog(window_, tr("Record"), name, tr("Recordings (*.csv)"));
    d->setObjectName(QStringLiteral("dlgRecord"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("csv"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const QString error = startRecording(path);
        if (!error.isEmpty()) {
            showMessage(tr("%1 cannot be recorded: %2").arg(path, error));
        }
    });
    d->open();
}

void LiveTools::updatePanel() {
    const bool recording = recorder_.recording();
    if (actRecord_ != nullptr) {
        actRecord_->setEnabled(online_ && !recording);
        actStopRecord_->setEnabled(recording);
    }
    if (panel_ == nullptr) {
        return;
    }
    QString text = tr("Poll %1/s").arg(supervisor_.poll_rate());
    if (recording) {
        text += QStringLiteral("  ") + recorder_.progressText();
    }
    panel_->setText(text);
}

void LiveTools::showMessage(const QString& text) {
    message_ = show_message_box(window_, QMessageBox::Warning, QStringLiteral("EV Motiview"), text,
                                QStringLiteral("msgLive"));
}

} // namespace motiview

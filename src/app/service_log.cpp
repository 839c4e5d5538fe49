#include "app/service_log.h"

#include "app/parameter_flows.h"
#include "base/qt/locale_format.h"
#include "base/qt/text.h"
#include "link/frames.h"
#include "report/qt/report_document.h"
#include "report/report_content.h"
#include "ui/history_window.h"
#include "ui/message_box.h"
#include "ui/recorder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace motiview {
namespace {

const QString kKeepKey = QStringLiteral("history/keep");
// A controller that answers its status but not its pages is not asked for ever.
constexpr int kMaxFailedReadings = 3;

std::optional<ParameterSet> snapshot_pages(HistoryStore& store, std::optional<std::int64_t> id) {
    if (!id) {
        return std::nullopt;
    }
    const Result<std::optional<SnapshotRecord>> s = store.snapshot(*id);
    if (!s.ok() || !s->has_value()) {
        return std::nullopt;
    }
    Result<ParameterSet> set = read_parameter_file((*s)->content);
    return set.ok() ? std::optional<ParameterSet>(std::move(set).value()) : std::nullopt;
}

// Only what every file system takes.
QString file_safe(QString text) {
    for (QChar& c : text) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) {
            c = QLatin1Char('_');
        }
    }
    return text;
}

} // namespace

ServiceLog::ServiceLog(Transport& port, ParameterFlows& flows, QWidget* window, QSettings* settings)
    : QObject(window), port_(port), flows_(flows), window_(window), settings_(settings) {
    if (settings_ != nullptr) {
        keep_ = settings_->value(kKeepKey, true).toBool();
    }
    connect(&flows_, &ParameterFlows::snapshotDone, this, &ServiceLog::onSnapshot);
    connect(&flows_, &ParameterFlows::parametersSaved, this, &ServiceLog::onSaved);
    connect(&flows_, &ParameterFlows::pageWritten, this, &ServiceLog::onPageWritten);
    connect(&flows_, &ParameterFlows::restoreFinished, this, &ServiceLog::onRestoreFinished);
    connect(&port_, &Transport::frameSent, this, &ServiceLog::onFrameSent);
}

ServiceLog::~ServiceLog() = default;

bool ServiceLog::useHistory(const QString& path) {
    Result<std::unique_ptr<HistoryStore>> store = HistoryStore::open(path.toStdString());
    if (!store.ok()) {
        error_ = qs(store.error().message);
        record_.reset();
        store_.reset();
        complain(
            tr("The service history cannot be used: %1. Nothing is kept this run.").arg(error_));
        updateActions();
        return false;
    }
    error_.clear();
    store_ = std::move(store).value();
    record_ = std::make_unique<ServiceRecord>(*store_);
    closeLeftOpenJobs();
    updateActions();
    return true;
}

void ServiceLog::closeLeftOpenJobs() {
    const Result<std::vector<JobRecord>> open = store_->open_jobs();
    if (!open.ok()) {
        return;
    }
    QStringList names;
    for (JobRecord j : *open) {
        // Never lost: finished as it stood when the program ended.
        j.state = std::string(kJobNotCompleted);
        j.finishedMs = now_ms();
        if (store_->update_job(j).ok()) {
            names << qs(j.number);
        }
    }
    if (!names.isEmpty()) {
        emit notice(tr("Job %1 was left open; it is kept as not completed.")
                        .arg(names.join(QStringLiteral(", "))));
    }
}

void ServiceLog::addFileActions(QMenu* file) {
    actStartJob_ = file->addAction(QString());
    actStartJob_->setObjectName(QStringLiteral("Menu_File_StartJob"));
    actFinishJob_ = file->addAction(QString());
    actFinishJob_->setObjectName(QStringLiteral("Menu_File_FinishJob"));
    connect(actStartJob_, &QAction::triggered, this, &ServiceLog::startJob);
    connect(actFinishJob_, &QAction::triggered, this, &ServiceLog::finishJob);
    applyCaptions();
}

void ServiceLog::addOptionActions(QMenu* options) {
    actKeep_ = options->addAction(QString());
    actKeep_->setObjectName(QStringLiteral("Menu_Option_KeepHistory"));
    actKeep_->setCheckable(true);
    actKeep_->setChecked(keep_);
    connect(actKeep_, &QAction::toggled, this, &ServiceLog::setKeeping);
    applyCaptions();
}

void ServiceLog::addViewActions(QMenu* view) {
    actHistory_ = view->addAction(QString());
    actHistory_->setObjectName(QStringLiteral("Menu_View_History"));
    connect(actHistory_, &QAction::triggered, this, &ServiceLog::openHistory);
    applyCaptions();
}

void ServiceLog::applyCaptions() {
    if (actStartJob_ != nullptr) {
        actStartJob_->setText(tr("Start &job..."));
    }
    if (actFinishJob_ != nullptr) {
        actFinishJob_->setText(tr("&Finish job..."));
    }
    if (actKeep_ != nullptr) {
        actKeep_->setText(tr("Keep service &history"));
    }
    if (actHistory_ != nullptr) {
        actHistory_->setText(tr("Service &history..."));
    }
    updateActions(); // the tip
}

bool ServiceLog::keeping() const {
    return keep_;
}

void ServiceLog::setKeeping(bool on) {
    keep_ = on;
    if (settings_ != nullptr) {
        settings_->setValue(kKeepKey, on);
    }
    if (actKeep_ != nullptr && actKeep_->isChecked() != on) {
        actKeep_->setChecked(on);
    }
    if (on && online_) {
        requestReading(Reading::Identify);
    } else if (!on && !job_) {
        pending_ = Reading::None;
    }
    updateActions();
}

void ServiceLog::updateActions() {
    const bool usable = record_ != nullptr && keep_;
    if (actStartJob_ != nullptr) {
        actStartJob_->setEnabled(usable && !job_);
        actStartJob_->setToolTip(usable ? QString() : tr("Needs the service history (Options)"));
    }
    if (actFinishJob_ != nullptr) {
        actFinishJob_->setEnabled(record_ != nullptr && job_.has_value());
    }
}

std::optional<std::string> ServiceLog::serial() const {
    if (record_ && record_->controller()) {
        return record_->controller()->serial;
    }
    return std::nullopt;
}

QString ServiceLog::titleSuffix() const {
    return job_ ? tr(" - job %1").arg(qs(job_->number)) : QString();
}

// ---- what the line brings --------------------------------------------------------------

void ServiceLog::linkChanged(LinkState before, LinkState after) {
    const bool online = after == LinkState::Online;
    if (online == online_) {
        return;
    }
    online_ = online;
    if (!online) {
        // Another controller may be plugged in before the link comes back.
        if (record_) {
            record_->forget_status();
        }
        return;
    }
    (void)before;
    if ((keep_ || job_) && record_) {
        requestReading(Reading::Identify);
    }
}

void ServiceLog::statusReceived(const Unit& frame) {
    lastStatus_ = frame;
    if (record_ && (keep_ || job_)) {
        if (const Result<bool> r = record_->note_status(frame, now_ms()); !r.ok()) {
            complain(qs(r.error().message));
        }
    }
    // The poll's frames come every tick: a reading that had to wait starts once the line is free.
    if (pending_ != Reading::None && !flows_.busy()) {
        startReading();
    }
}

void ServiceLog::pageReplyReceived(PageId page, const Unit& reply) {
    (void)reply;
    if (pendingReset_ && page == PageId::Hardware) {
        pendingReset_ = false;
        keep(count_reset_event("done"));
    }
}

void ServiceLog::writeAcknowledged(const QString& text) {
    if (!pendingWrite_) {
        return;
    }
    const PageId page = *pendingWrite_;
    pendingWrite_.reset();
    Unit before = pendingFrame_;
    if (lastPages_) {
        if (const PageEntry* e = lastPages_->find(page); e != nullptr && e->reply) {
            before = *e->reply;
        }
    }
    keep(write_event(page, before, pendingFrame_, "acknowledged (" + text.toStdString() + ")"));
    requestReading(Reading::AfterWrite);
}

void ServiceLog::hallTestDone(const QString& text) {
    const std::string group = pendingHall_.value_or("?");
    pendingHall_.reset();
    keep(hall_test_event(group, text.simplified().toStdString()));
}

void ServiceLog::onFrameSent(const Bytes& frame) {
    if (flows_.busy()) {
        return; // the flows' own frames: their outcomes come whole
    }
    const std::optional<RequestPattern> r = find_request(frame);
    if (!r) {
        return;
    }
    switch (r->kind) {
    case RequestKind::Write:
        if (r->page && frame.size() == kUnitSize) {
            pendingWrite_ = r->page;
            std::copy(frame.begin(), frame.end(), pendingFrame_.begin());
        }
        break;
    case RequestKind::HallA:
        pendingHall_ = "a";
        break;
    case RequestKind::HallB:
        pendingHall_ = "b";
        break;
    case RequestKind::CounterReset:
        pendingReset_ = true;
        break;
    default:
        break;
    }
}

void ServiceLog::watchRecorder(Recorder& recorder) {
    connect(&recorder, &Recorder::stopped, this, [this, &recorder](const QString&) {
        keep(recording_event(recorder.path().toStdString(),
                             static_cast<double>(recorder.elapsedMs()) / 1000.0, recorder.rows()));
    });
}

void ServiceLog::keep(const ServiceEvent& e) {
    if (!record_ || !(keep_ || job_)) {
        return;
    }
    if (const Result<bool> r = record_->note(e, now_ms()); !r.ok()) {
        complain(qs(r.error().message));
    }
}

// ---- quiet readings -----------------------------------------------------------------------

void ServiceLog::requestReading(Reading why) {
    // A job's reading outranks the others; any reading keeps what it reads.
    const bool forJob = why == Reading::JobFound || why == Reading::JobLeft;
    if (pending_ == Reading::None || forJob) {
        pending_ = why;
    }
    if (!flows_.busy() && online_) {
        startReading();
    }
}

void ServiceLog::startReading() {
    if (running_ != Reading::None || pending_ == Reading::None || !record_) {
        return;
    }
    if (flows_.readSnapshot()) {
        running_ = pending_;
        pending_ = Reading::None;
    }
}

void ServiceLog::onSnapshot(const std::optional<ParameterSet>& pages) {
    const Reading why = running_;
    running_ = Reading::None;
    if (why == Reading::None || !record_) {
        return;
    }
    if (!pages) {
        ++failedReadings_;
        if (online_ && failedReadings_ < kMaxFailedReadings) {
            requestReading(why); // taken over by the user's flow, or a bad moment: again
        } else if (why == Reading::JobLeft) {
            emit notice(
                tr("The controller did not answer: the report says \"not read\" for as left."));
            askReportPath();
        } else if (why == Reading::JobFound) {
            emit notice(tr("The controller did not answer: as found is not read."));
        }
        return;
    }
    failedReadings_ = 0;
    lastPages_ = pages;
    const std::string serial = serial_number(*pages);
    switch (why) {
    case Reading::Identify:
        if (seenThisRun_.insert(serial).second) {
            storePages(*pages, kSourceAsFound);
        } else if (const Result<bool> r = record_->identify(*pages, now_ms()); !r.ok()) {
            complain(qs(r.error().message));
        }
        break;
    case Reading::JobFound: {
        seenThisRun_.insert(serial);
        const Result<std::int64_t> id = record_->store_pages(*pages, kSourceAsFound, now_ms());
        if (!id.ok()) {
            complain(qs(id.error().message));
            break;
        }
        if (job_) {
            job_->serial = serial;
            job_->foundSnapshot = *id;
            job_->foundStatus = lastStatus_ ? to_hex(*lastStatus_) : std::string();
            (void)store_->update_job(*job_);
            emit jobChanged();
        }
        break;
    }
    case Reading::JobLeft: {
        const Result<std::int64_t> id = record_->store_pages(*pages, kSourceAsLeft, now_ms());
        if (!id.ok()) {
            complain(qs(id.error().message));
        } else if (job_) {
            if (job_->serial.empty()) {
                job_->serial = serial;
            }
            job_->leftSnapshot = *id;
            job_->leftStatus = lastStatus_ ? to_hex(*lastStatus_) : std::string();
            (void)store_->update_job(*job_);
        }
        askReportPath();
        break;
    }
    case Reading::AfterWrite:
        storePages(*pages, kSourceAfterWrite);
        break;
    case Reading::AfterRestore:
        storePages(*pages, kSourceAfterRestore);
        break;
    case Reading::None:
        break;
    }
}

void ServiceLog::storePages(const ParameterSet& pages, std::string_view source) {
    if (!record_ || !(keep_ || job_)) {
        return;
    }
    if (const Result<std::int64_t> r = record_->store_pages(pages, source, now_ms()); !r.ok()) {
        complain(qs(r.error().message));
    }
}

void ServiceLog::onSaved(const ParameterSet& pages) {
    lastPages_ = pages;
    storePages(pages, kSourceBackup);
}

void ServiceLog::onPageWritten(PageId page, const Unit& before, const Unit& after,
                               const QString& verdict) {
    restoredBefore_.emplace_back(page, before);
    keep(write_event(page, before, after, verdict.toStdString()));
}

void ServiceLog::onRestoreFinished() {
    if (lastPages_ && !restoredBefore_.empty()) {
        // The pages as they were before, where the restore read them.
        ParameterSet before = *lastPages_;
        for (const auto& [page, reply] : restoredBefore_) {
            for (PageEntry& e : before.pages) {
                if (e.page == page) {
                    e = entry_from_reply(page, reply);
                }
            }
        }
        storePages(before, kSourceBeforeRestore);
    }
    restoredBefore_.clear();
    requestReading(Reading::AfterRestore);
}

// ---- jobs -----------------------------------------------------------------------------------

void ServiceLog::startJob() {
    if (!record_ || job_ || dialog_ != nullptr) {
        return;
    }
    dialog_ = new JobDialog(JobDialog::Mode::Start, {}, window_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::accepted, this, [this] { beginJob(dialog_->fields()); });
    dialog_->open();
}

void ServiceLog::beginJob(const JobFields& f) {
    if (!record_ || job_) {
        return;
    }
    JobRecord j;
    j.serial = serial().value_or(std::string());
    j.number = f.number.toStdString();
    j.technician = f.technician.toStdString();
    j.vehicle = f.vehicle.toStdString();
    j.complaint = f.complaint.toStdString();
    j.startedMs = now_ms();
    j.state = std::string(kJobOpen);
    const Result<std::int64_t> id = store_->add_job(j);
    if (!id.ok()) {
        complain(qs(id.error().message));
        return;
    }
    j.id = *id;
    job_ = j;
    record_->set_job(j.id);
    updateActions();
    emit jobChanged();
    emit notice(tr("Job %1 started; reading the controller as found...").arg(f.number));
    requestReading(Reading::JobFound);
}

void ServiceLog::finishJob() {
    if (!job_ || dialog_ != nullptr) {
        return;
    }
    const JobFields f{qs(job_->number), qs(job_->technician), qs(job_->vehicle),
                      qs(job_->complaint), qs(job_->workDone)};
    dialog_ = new JobDialog(JobDialog::Mode::Finish, f, window_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::accepted, this, [this] { endJob(dialog_->fields().workDone); });
    dialog_->open();
}

void ServiceLog::endJob(const QString& workDone) {
    if (!job_) {
        return;
    }
    job_->workDone = workDone.toStdString();
    (void)store_->update_job(*job_);
    if (!online_) {
        emit notice(tr("The controller is not online: the report says \"not read\" for as left."));
        askReportPath();
        return;
    }
    emit notice(tr("Reading the controller as left..."));
    requestReading(Reading::JobLeft);
}

void ServiceLog::askReportPath() {
    if (!job_) {
        return;
    }
    const QString name = file_safe(qs(job_->number)) + QLatin1Char('-') +
                         file_safe(qs(job_->serial.empty() ? "controller" : job_->serial)) +
                         QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) +
                         QStringLiteral(".pdf");
    auto* d = new QFileDialog(window_, tr("Write service report"), name, tr("PDF (*.pdf)"));
    d->setObjectName(QStringLiteral("dlgReportFile"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("pdf"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ServiceLog::writeReportTo);
    connect(d, &QFileDialog::rejected, this,
            [this] { emit notice(tr("The job stays open: Finish job... writes its report.")); });
    d->open();
}

void ServiceLog::writeReportTo(const QString& pdf) {
    if (!job_ || !store_) {
        return;
    }
    const std::int64_t now = now_ms();
    ReportInput in;
    in.job = *job_;
    in.job.finishedMs = now;
    in.job.state = std::string(kJobFinished);
    in.tool = QCoreApplication::applicationVersion().toStdString();
    in.createdMs = now;
    in.found = snapshot_pages(*store_, job_->foundSnapshot);
    in.left = snapshot_pages(*store_, job_->leftSnapshot);
    in.statusFound = status_from_hex(job_->foundStatus);
    in.statusLeft = status_from_hex(job_->leftStatus);
    in.comparedWith = "as found at the start of the job";
    if (const Result<std::vector<EventRecord>> events = store_->job_events(job_->id); events.ok()) {
        in.events = *events;
    }
    const Result<std::string> id =
        write_report(report_content(in, moment_text), report_files_beside(pdf));
    if (!id.ok()) {
        complain(tr("%1 The job stays open.").arg(qs(id.error().message)));
        return;
    }
    JobRecord done = in.job;
    done.reportId = *id;
    if (const Result<bool> u = store_->update_job(done); !u.ok()) {
        complain(qs(u.error().message));
    }
    job_.reset();
    record_->set_job(std::nullopt);
    lastReport_ = pdf;
    updateActions();
    emit jobChanged();
    emit notice(tr("Report %1 written to %2").arg(qs(*id), pdf));
}

void ServiceLog::openHistory() {
    if (!store_) {
        complain(error_.isEmpty() ? tr("The service history is not open.")
                                  : tr("The service history cannot be used: %1").arg(error_));
        return;
    }
    if (historyWindow_ == nullptr) {
        historyWindow_ = new HistoryWindow(*store_, window_);
        historyWindow_->setWindowFlag(Qt::Window);
        historyWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(historyWindow_, &HistoryWindow::restoreRequested, this,
                &ServiceLog::restoreRequested);
    } else {
        historyWindow_->refresh();
    }
    if (const auto s = serial()) {
        historyWindow_->selectController(qs(*s));
    }
    historyWindow_->show();
    historyWindow_->raise();
}

void ServiceLog::complain(const QString& text) {
    message_ = show_message_box(window_, QMessageBox::Warning, tr("Service history"), text,
                                QStringLiteral("msgHistory"));
}

} // namespace motiview

#include "app/parameter_flows.h"

#include "base/qt/locale_format.h"
#include "base/qt/text.h"
#include "pages/page_codec.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace motiview {

namespace {

// The core's texts in the window's language, from the same English templates.
QString retries_shown(int retries) {
    return tq("Messages", retries == 1 ? kOneRetry : kRetries).arg(retries);
}

QString port_closed_shown(const char* during) {
    return tq("Messages", kPortClosedDuring).arg(tq("Messages", during));
}

QString caption_of(PageId page, const FieldSchema& f) {
    return qs(field_caption(page_schema(page), f));
}

// The pattern in brackets stays as it is in every language.
QString parameter_filter() {
    return QCoreApplication::translate("motiview::ParameterFlows", "Parameter files (*.json)");
}

} // namespace

ParameterFlows::ParameterFlows(Transport& port, QWidget* window, std::function<QString()> userName)
    : QObject(window), port_(port), window_(window), userName_(std::move(userName)),
      driver_(port, this) {
    connect(&driver_, &SessionDriver::progressed, this, &ParameterFlows::onProgress);
    connect(&driver_, &SessionDriver::finished, this, &ParameterFlows::onFinished);
    connect(&driver_, &SessionDriver::note, this, &ParameterFlows::lineNote);
}

QString ParameterFlows::defaultFileName() const {
    QString name = userName_ ? userName_().trimmed() : QString();
    // The controller's name may hold anything; the file name only what every system accepts.
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) {
            c = QLatin1Char('_');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("controller"); // a file name: the same in every language
    }
    return name + QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) +
           QStringLiteral(".json");
}

void ParameterFlows::saveParameters() {
    auto* d =
        new QFileDialog(window_, tr("Save parameters"), defaultFileName(), parameter_filter());
    d->setObjectName(QStringLiteral("dlgSaveParameters"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("json"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::saveTo);
    d->open();
}

void ParameterFlows::compareWithFile() {
    auto* d = new QFileDialog(window_, tr("Compare with file"), QString(), parameter_filter());
    d->setObjectName(QStringLiteral("dlgCompareFile"));
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::compareWith);
    d->open();
}

void ParameterFlows::restoreParameters() {
    auto* d = new QFileDialog(window_, tr("Restore parameters"), QString(), parameter_filter());
    d->setObjectName(QStringLiteral("dlgRestoreFile"));
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::restoreFrom);
    d->open();
}

bool ParameterFlows::loadFile(const QString& path, const QString& refusal) {
    const Result<std::string> text = load_file(path.toStdString());
    if (!text.ok()) {
        showMessage(path + QStringLiteral(": ") + qs(text.error().message) + QLatin1Char(' ') +
                        refusal,
                    QMessageBox::Warning);
        return false;
    }
    Result<ParameterSet> set = read_parameter_file(*text);
    if (!set.ok()) {
        showMessage(tr("%1 cannot be used: %2 %3")
                        .arg(QFileInfo(path).fileName(), qs(set.error().message), refusal),
                    QMessageBox::Warning);
        return false;
    }
    file_ = std::move(set).value();
    return true;
}

void ParameterFlows::saveTo(const QString& path) {
    begin(Flow::Save, path, std::vector<PageId>(kAllPages.begin(), kAllPages.end()));
}

void ParameterFlows::compareWith(const QString& path) {
    if ((busy() && !snapshotting()) || !loadFile(path, tr("Nothing was sent."))) {
        return;
    }
    std::vector<PageId> pages;
    for (const PageEntry& e : file_.pages) {
        pages.push_back(e.page);
    }
    begin(Flow::Compare, path, std::move(pages));
}

void ParameterFlows::restoreFrom(const QString& path) {
    if ((busy() && !snapshotting()) || !loadFile(path, tr("Nothing was sent."))) {
        return;
    }
    std::vector<PageId> pages;
    for (const PageEntry& e : file_.pages) {
        pages.push_back(e.page);
    }
    begin(Flow::Restore, path, std::move(pages));
}

bool ParameterFlows::readSnapshot() {
    if (busy()) {
        return false;
    }
    flow_ = Flow::Snapshot;
    writes_.reset();
    reads_ = std::make_unique<ReadJob>(std::vector<PageId>(kAllPages.begin(), kAllPages.end()));
    driver_.run(*reads_);
    return true;
}

void ParameterFlows::yieldSnapshot() {
    if (snapshotting()) {
        // The user's flow goes first; the quiet reading is tried again later.
        driver_.abandon();
        flow_ = Flow::None;
        emit snapshotDone(std::nullopt);
    }
}

bool ParameterFlows::begin(Flow flow, const QString& path, std::vector<PageId> pages) {
    yieldSnapshot();
    if (busy()) {
        return false;
    }
    flow_ = flow;
    path_ = path;
    pages_ = std::move(pages);
    writes_.reset();
    reads_ = std::make_unique<ReadJob>(pages_);
    startProgress(static_cast<int>(pages_.size()));
    onProgress();
    driver_.run(*reads_);
    return true;
}

void ParameterFlows::startProgress(int steps) {
    auto* p = new ProgressDialog(window_);
    p->setRange(0, steps);
    // Application-modal without a nested event loop: polling and reception go on meanwhile.
    p->setWindowModality(Qt::ApplicationModal);
    connect(p, &ProgressDialog::canceled, this, &ParameterFlows::onCancel);
    progress_ = p;
    p->show();
}

void ParameterFlows::onProgress() {
    if (progress_ == nullptr) {
        return;
    }
    std::optional<JobPosition> at;
    int retries = 0;
    if (writes_ != nullptr) {
        at = writes_->position();
        retries = writes_->retries();
    } else if (reads_ != nullptr) {
        at = reads_->position();
        retries = reads_->retries();
    }
    if (!at) {
        return;
    }
    progress_->setValue(static_cast<int>(at->index - 1));
    // A restore's writes, else the reading every flow starts with.
    QString text =
        (writes_ != nullptr ? tr("Writing %1 (%2 of %3)...") : tr("Reading %1 (%2 of %3)..."))
            .arg(tq("Pages", page_title(page_schema(at->page))), QString::number(at->index),
                 QString::number(at->count));
    if (retries > 0) {
        // A noisy line: the answers are asked again.
        text += QLatin1Char(' ') + retries_shown(retries);
    }
    progress_->setLabelText(text);
}

void ParameterFlows::onCancel() {
    if (!busy()) {
        return;
    }
    if (flow_ == Flow::Write && writes_ != nullptr) {
        if (!writes_->stop_asked()) {
            // A write on the line is settled first; the pages after it are not written.
            if (const auto at = writes_->position()) {
                emit notice(
                    tr("Stopping after %1...").arg(tq("Pages", page_title(page_schema(at->page)))));
            }
            writes_->stop();
        }
        return;
    }
    if (reads_ != nullptr) {
        reads_->stop();
    }
}

void ParameterFlows::onFinished() {
    if (progress_ != nullptr) {
        progress_->disconnect(this);
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    const Flow flow = flow_;
    if (flow == Flow::Write) {
        finishWrites();
        return;
    }
    flow_ = Flow::None;
    if (flow == Flow::Snapshot) {
        emit snapshotDone(
            reads_->complete()
                ? std::optional<ParameterSet>(reads_->parameter_set(
                      local_time_text(), QCoreApplication::applicationVersion().toStdString(),
                      userName_ ? userName_().toStdString() : std::string()))
                : std::nullopt);
        return;
    }
    const QString nothing = flow == Flow::Save      ? tr("Nothing was saved.")
                            : flow == Flow::Compare ? tr("Nothing was compared.")
                                                    : tr("Nothing was written.");
    if (!reads_->complete()) {
        if (reads_->failure()) {
            showMessage(failedReads(nothing), QMessageBox::Warning);
        } else {
            emit notice(tr("Cancelled. %1").arg(nothing));
        }
        return;
    }
    switch (flow) {
    case Flow::Save:
        finishSave();
        break;
    case Flow::Compare:
        finishCompare();
        break;
    case Flow::Restore:
        finishRestoreReads();
        break;
    case Flow::None:
    case Flow::Write:
    case Flow::Snapshot:
        break;
    }
}

QString ParameterFlows::failedReads(const QString& nothing) const {
    const StepResult& r = *reads_->failure();
    if (r.outcome == StepOutcome::PortClosed) {
        const char* during = flow_ == Flow::Save      ? QT_TRANSLATE_NOOP("Messages", "save")
                             : flow_ == Flow::Compare ? QT_TRANSLATE_NOOP("Messages", "compare")
                                                      : QT_TRANSLATE_NOOP("Messages", "restore");
        QString text = port_closed_shown(during);
        text[0] = text[0].toUpper();
        return text + QStringLiteral(". ") + nothing;
    }
    QString why = tq("Messages", step_outcome_name(r.outcome));
    if (r.retries > 0) {
        why += QStringLiteral(", ") + retries_shown(r.retries);
    }
    return tr("%1 did not answer (%2). %3")
        .arg(tq("Pages", page_title(page_schema(*r.page))), why, nothing);
}

void ParameterFlows::finishSave() {
    const ParameterSet set = reads_->parameter_set(
        local_time_text(), QCoreApplication::applicationVersion().toStdString(),
        userName_ ? userName_().toStdString() : std::string());
    const Result<bool> saved = save_file_atomically(path_.toStdString(), write_parameter_file(set));
    if (!saved.ok()) {
        showMessage(path_ + QStringLiteral(": ") + qs(saved.error().message) + QLatin1Char(' ') +
                        tr("Nothing was saved."),
                    QMessageBox::Warning);
        return;
    }
    emit notice(tr("Saved %1 pages to %2").arg(QString::number(set.pages.size()), path_));
    emit parametersSaved(set);
}

void ParameterFlows::finishCompare() {
    const ParameterSet controller = reads_->parameter_set({}, {});
    std::vector<DiffRow> rows;
    for (const FieldDifference& d : diff(controller, file_)) {
        rows.push_back({d.page, qs(d.field), qs(d.caption), qs(d.a), qs(d.b)});
    }
    if (diff_ != nullptr) {
        diff_->close();
    }
    diff_ = new DiffWindow(DiffWindow::Mode::Compare, QFileInfo(path_).fileName(), std::move(rows),
                           pages_, window_);
    diff_->show();
}

void ParameterFlows::finishRestoreReads() {
    std::vector<const PageEntry*> entries;
    std::vector<Unit> held;
    for (std::size_t i = 0; i < reads_->reads().size(); ++i) {
        entries.push_back(&file_.pages[i]);
        held.push_back(reads_->reads()[i].answer);
    }
    Result<std::vector<RestoreWrite>> plan = plan_restore(entries, held);
    if (!plan.ok()) {
        showMessage(QFileInfo(path_).fileName() + QStringLiteral(": ") + qs(plan.error().field) +
                        QStringLiteral(": ") + qs(plan.error().message) + QLatin1Char(' ') +
                        tr("Nothing was written."),
                    QMessageBox::Warning);
        return;
    }
    plan_ = std::move(plan).value();
    std::vector<DiffRow> rows;
    for (const RestoreWrite& w : plan_) {
        for (const FieldDifferenceText& d :
             differing_fields(page_schema(w.page), w.held, w.frame, kPlainNumbers)) {
            rows.push_back(
                {w.page, qs(d.field->name), caption_of(w.page, *d.field), qs(d.a), qs(d.b)});
        }
    }
    if (diff_ != nullptr) {
        diff_->close();
    }
    diff_ = new DiffWindow(DiffWindow::Mode::Restore, QFileInfo(path_).fileName(), std::move(rows),
                           pages_, window_);
    connect(diff_, &DiffWindow::writeRequested, this, &ParameterFlows::writePages);
    diff_->show();
}

void ParameterFlows::writePages(const std::vector<PageId>& pages) {
    yieldSnapshot();
    if (busy() || pages.empty()) {
        return;
    }
    // The ticked pages, in the file's order; the user's choice is written even where the
    // controller already holds the file.
    std::vector<RestoreWrite> chosen;
    for (const RestoreWrite& w : plan_) {
        if (std::find(pages.begin(), pages.end(), w.page) != pages.end()) {
            chosen.push_back(w);
        }
    }
    if (chosen.empty()) {
        return;
    }
    if (diff_ != nullptr) {
        diff_->setWriting(true);
    }
    flow_ = Flow::Write;
    writes_ = std::make_unique<WriteJob>(std::move(chosen), false);
    startProgress(static_cast<int>(writes_->plan().size()));
    onProgress();
    driver_.run(*writes_);
}

void ParameterFlows::finishWrites() {
    flow_ = Flow::None;
    QStringList verified;
    QStringList differs;
    QString stopped;
    QStringList notWritten;
    for (const PageWriteOutcome& o : writes_->outcomes()) {
        const QString title = tq("Pages", page_title(page_schema(o.page)));
        QString outcome = tq("Messages", verdict_text(o.verdict));
        switch (o.verdict) {
        case WriteVerdict::Verified:
        case WriteVerdict::Unchanged:
            verified << title;
            break;
        case WriteVerdict::AckLostVerified:
            verified << title + QStringLiteral(" (") + outcome + QLatin1Char(')');
            break;
        case WriteVerdict::ReadBackDiffers: {
            QStringList fields;
            for (const std::string& name : o.step->differing) {
                const FieldSchema* f = find_field(page_schema(o.page), name);
                fields << (f != nullptr ? caption_of(o.page, *f) : qs(name));
            }
            const QString list = fields.join(QStringLiteral(", "));
            differs << title + QStringLiteral(" (") + list + QLatin1Char(')');
            outcome += QStringLiteral(": ") + list;
            break;
        }
        case WriteVerdict::PortClosed:
            outcome = port_closed_shown(QT_TRANSLATE_NOOP("Messages", "restore"));
            stopped = title + QStringLiteral(": ") + outcome;
            break;
        case WriteVerdict::NotStored:
        case WriteVerdict::Unknown:
        case WriteVerdict::NotVerified:
            stopped = title + QStringLiteral(": ") + outcome;
            break;
        case WriteVerdict::NotWritten:
            notWritten << title;
            break;
        }
        if (diff_ != nullptr) {
            diff_->setPageOutcome(o.page, outcome, verdict_good(o.verdict));
        }
        noteWritten(o);
    }
    emit restoreFinished();
    if (diff_ != nullptr) {
        diff_->setWriting(false);
    }

    QStringList lines;
    lines << tr("Restore from %1:").arg(QFileInfo(path_).fileName());
    if (!verified.isEmpty()) {
        lines << tr("Written and verified: %1.").arg(verified.join(QStringLiteral(", ")));
    }
    if (!differs.isEmpty()) {
        lines << tr("Written, but the controller holds other values for: %1.")
                     .arg(differs.join(QStringLiteral("; ")));
    }
    if (!stopped.isEmpty()) {
        lines << tr("Stopped at %1.").arg(stopped);
    } else if (writes_->stop_asked() && !notWritten.isEmpty()) {
        lines << tr("Cancelled.");
    }
    if (!notWritten.isEmpty()) {
        lines << tr("Not written: %1.").arg(notWritten.join(QStringLiteral(", ")));
    }
    const bool good = differs.isEmpty() && stopped.isEmpty() && notWritten.isEmpty();
    showMessage(lines.join(QLatin1Char('\n')),
                good ? QMessageBox::Information : QMessageBox::Warning);
}

void ParameterFlows::noteWritten(const PageWriteOutcome& o) {
    if (!o.step || o.verdict == WriteVerdict::Unchanged || o.verdict == WriteVerdict::NotWritten) {
        return;
    }
    for (const RestoreWrite& w : writes_->plan()) {
        if (w.page != o.page) {
            continue;
        }
        // Only a read-back tells what the controller holds; otherwise what was sent.
        const bool readBack = verdict_read_back(o.verdict);
        emit pageWritten(o.page, w.held, readBack ? o.step->answer : w.frame,
                         qs(verdict_text(o.verdict)));
    }
}

void ParameterFlows::applyCaptions() {
    onProgress();
}

void ParameterFlows::showMessage(const QString& text, QMessageBox::Icon icon) {
    // The product's name is never translated.
    message_ = show_message_box(window_, icon, QStringLiteral("EV Motiview"), text,
                                QStringLiteral("msgParameters"));
}

} // namespace motiview

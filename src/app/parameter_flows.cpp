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

QString title_of(PageId page) {
    return qs(page_schema(page).title);
}

QString caption_of(PageId page, const FieldSchema& f) {
    return qs(field_caption(page_schema(page), f));
}

const QString kFilter = QStringLiteral("Parameter files (*.json)");

} // namespace

ParameterFlows::ParameterFlows(Transport& port, QWidget* window, std::function<QString()> userName)
    : QObject(window), port_(port), window_(window), userName_(std::move(userName)),
      driver_(port, this) {
    connect(&driver_, &SessionDriver::stepFinished, this, &ParameterFlows::onStep);
    connect(&driver_, &SessionDriver::finished, this, &ParameterFlows::onFinished);
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
        name = QStringLiteral("controller");
    }
    return name + QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) +
           QStringLiteral(".json");
}

void ParameterFlows::saveParameters() {
    auto* d =
        new QFileDialog(window_, QStringLiteral("Save parameters"), defaultFileName(), kFilter);
    d->setObjectName(QStringLiteral("dlgSaveParameters"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("json"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::saveTo);
    d->open();
}

void ParameterFlows::compareWithFile() {
    auto* d = new QFileDialog(window_, QStringLiteral("Compare with file"), QString(), kFilter);
    d->setObjectName(QStringLiteral("dlgCompareFile"));
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::compareWith);
    d->open();
}

void ParameterFlows::restoreParameters() {
    auto* d = new QFileDialog(window_, QStringLiteral("Restore parameters"), QString(), kFilter);
    d->setObjectName(QStringLiteral("dlgRestoreFile"));
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, &ParameterFlows::restoreFrom);
    d->open();
}

void ParameterFlows::saveTo(const QString& path) {
    begin(Flow::Save, path, std::vector<PageId>(kAllPages.begin(), kAllPages.end()),
          QStringLiteral("Reading"));
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
        showMessage(QFileInfo(path).fileName() + QStringLiteral(" cannot be used: ") +
                        qs(set.error().message) + QLatin1Char(' ') + refusal,
                    QMessageBox::Warning);
        return false;
    }
    file_ = std::move(set).value();
    return true;
}

void ParameterFlows::compareWith(const QString& path) {
    if (busy() || !loadFile(path, QStringLiteral("Nothing was sent."))) {
        return;
    }
    std::vector<PageId> pages;
    for (const PageEntry& e : file_.pages) {
        pages.push_back(e.page);
    }
    begin(Flow::Compare, path, std::move(pages), QStringLiteral("Reading"));
}

void ParameterFlows::restoreFrom(const QString& path) {
    if (busy() || !loadFile(path, QStringLiteral("Nothing was sent."))) {
        return;
    }
    std::vector<PageId> pages;
    for (const PageEntry& e : file_.pages) {
        pages.push_back(e.page);
    }
    begin(Flow::Restore, path, std::move(pages), QStringLiteral("Reading"));
}

bool ParameterFlows::begin(Flow flow, const QString& path, std::vector<PageId> pages,
                           const QString& verb) {
    if (busy()) {
        return false;
    }
    flow_ = flow;
    path_ = path;
    pages_ = std::move(pages);
    next_ = 0;
    done_.clear();
    cancelled_ = false;
    failed_.reset();
    startProgress(verb, static_cast<int>(pages_.size()));
    queueNext();
    driver_.start();
    return true;
}

void ParameterFlows::startProgress(const QString& verb, int steps) {
    verb_ = verb;
    auto* p = new ProgressDialog(window_);
    p->setRange(0, steps);
    // Application-modal without a nested event loop: polling and reception go on meanwhile.
    p->setWindowModality(Qt::ApplicationModal);
    connect(p, &ProgressDialog::canceled, this, &ParameterFlows::onCancel);
    progress_ = p;
    p->show();
}

void ParameterFlows::queueNext() {
    if (next_ >= pages_.size()) {
        return;
    }
    const PageId page = pages_[next_];
    if (flow_ == Flow::Write) {
        const auto it = std::find_if(plan_.begin(), plan_.end(),
                                     [page](const RestoreWrite& w) { return w.page == page; });
        driver_.session().write(page, it->frame, true);
    } else {
        driver_.session().read(page);
    }
    ++next_;
    if (progress_ != nullptr) {
        progress_->setValue(static_cast<int>(next_ - 1));
        progress_->setLabelText(QStringLiteral("%1 %2 (%3 of %4)...")
                                    .arg(verb_, title_of(page))
                                    .arg(next_)
                                    .arg(pages_.size()));
    }
}

void ParameterFlows::onStep(const StepResult& r) {
    done_.push_back(r);
    if (!r.ok() && r.outcome != StepOutcome::ReadBackDiffers) {
        failed_ = r;
        return; // nothing more is queued: the session goes idle
    }
    if (!cancelled_) {
        queueNext();
    }
}

void ParameterFlows::onCancel() {
    if (!busy() || cancelled_) {
        return;
    }
    cancelled_ = true;
    if (flow_ == Flow::Write) {
        // A write on the line is waited for; the pages after it are not written.
        emit notice(QStringLiteral("Stopping after %1...").arg(title_of(pages_[next_ - 1])));
        return;
    }
    driver_.cancel();
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
    const QString nothing = flow == Flow::Save      ? QStringLiteral("Nothing was saved.")
                            : flow == Flow::Compare ? QStringLiteral("Nothing was compared.")
                                                    : QStringLiteral("Nothing was written.");
    if (failed_) {
        showMessage(
            QStringLiteral("%1 did not answer (%2). %3")
                .arg(title_of(*failed_->page), qs(step_outcome_name(failed_->outcome)), nothing),
            QMessageBox::Warning);
        return;
    }
    if (cancelled_ || done_.size() != pages_.size()) {
        emit notice(QStringLiteral("Cancelled. ") + nothing);
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
        break;
    }
}

void ParameterFlows::finishSave() {
    ParameterSet set;
    set.created = local_time_text();
    set.tool = QCoreApplication::applicationVersion().toStdString();
    set.userName = driver_.session().user_name().value_or(userName_ ? userName_().toStdString()
                                                                    : std::string());
    for (const StepResult& r : done_) {
        set.pages.push_back(entry_from_reply(*r.page, r.answer));
    }
    const Result<bool> saved = save_file_atomically(path_.toStdString(), write_parameter_file(set));
    if (!saved.ok()) {
        showMessage(path_ + QStringLiteral(": ") + qs(saved.error().message) +
                        QStringLiteral(" Nothing was saved."),
                    QMessageBox::Warning);
        return;
    }
    emit notice(QStringLiteral("Saved %1 pages to %2").arg(set.pages.size()).arg(path_));
}

void ParameterFlows::finishCompare() {
    ParameterSet controller;
    for (const StepResult& r : done_) {
        controller.pages.push_back(entry_from_reply(*r.page, r.answer));
    }
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
    for (std::size_t i = 0; i < done_.size(); ++i) {
        entries.push_back(&file_.pages[i]);
        held.push_back(done_[i].answer);
    }
    Result<std::vector<RestoreWrite>> plan = plan_restore(entries, held);
    if (!plan.ok()) {
        showMessage(QFileInfo(path_).fileName() + QStringLiteral(": ") + qs(plan.error().field) +
                        QStringLiteral(": ") + qs(plan.error().message) +
                        QStringLiteral(" Nothing was written."),
                    QMessageBox::Warning);
        return;
    }
    plan_ = std::move(plan).value();
    std::vector<DiffRow> rows;
    for (const RestoreWrite& w : plan_) {
        for (const FieldDifferenceText& d :
             differing_fields(page_schema(w.page), w.held, w.frame, kFileNumberFormat)) {
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
    if (busy() || pages.empty()) {
        return;
    }
    if (diff_ != nullptr) {
        diff_->setWriting(true);
    }
    begin(Flow::Write, path_, pages, QStringLiteral("Writing"));
}

void ParameterFlows::finishWrites() {
    flow_ = Flow::None;
    QStringList verified;
    QStringList differs;
    QString stopped;
    for (const StepResult& r : done_) {
        const QString title = title_of(*r.page);
        if (r.ok()) {
            verified << title;
            if (diff_ != nullptr) {
                diff_->setPageOutcome(*r.page, QStringLiteral("written, verified"), true);
            }
        } else if (r.outcome == StepOutcome::ReadBackDiffers) {
            QStringList fields;
            for (const std::string& name : r.differing) {
                const FieldSchema* f = find_field(page_schema(*r.page), name);
                fields << (f != nullptr ? caption_of(*r.page, *f) : qs(name));
            }
            differs << title + QStringLiteral(" (") + fields.join(QStringLiteral(", ")) +
                           QLatin1Char(')');
            if (diff_ != nullptr) {
                diff_->setPageOutcome(*r.page,
                                      QStringLiteral("written, read-back differs: ") +
                                          fields.join(QStringLiteral(", ")),
                                      false);
            }
        } else {
            // Sent but not acknowledged: the controller may or may not hold it.
            stopped = QStringLiteral("%1: %2, not confirmed")
                          .arg(title, qs(step_outcome_name(r.outcome)));
            if (diff_ != nullptr) {
                diff_->setPageOutcome(
                    *r.page, qs(step_outcome_name(r.outcome)) + QStringLiteral(", not confirmed"),
                    false);
            }
        }
    }
    QStringList notWritten;
    for (std::size_t i = done_.size(); i < pages_.size(); ++i) {
        notWritten << title_of(pages_[i]);
        if (diff_ != nullptr) {
            diff_->setPageOutcome(pages_[i], QStringLiteral("not written"), false);
        }
    }
    if (diff_ != nullptr) {
        diff_->setWriting(false);
    }

    QStringList lines;
    lines << QStringLiteral("Restore from %1:").arg(QFileInfo(path_).fileName());
    if (!verified.isEmpty()) {
        lines << QStringLiteral("Written and verified: ") + verified.join(QStringLiteral(", ")) +
                     QLatin1Char('.');
    }
    if (!differs.isEmpty()) {
        lines << QStringLiteral("Written, but the controller holds other values for: ") +
                     differs.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
    if (!stopped.isEmpty()) {
        lines << QStringLiteral("Stopped at ") + stopped + QLatin1Char('.');
    } else if (cancelled_ && !notWritten.isEmpty()) {
        lines << QStringLiteral("Cancelled.");
    }
    if (!notWritten.isEmpty()) {
        lines << QStringLiteral("Not written: ") + notWritten.join(QStringLiteral(", ")) +
                     QLatin1Char('.');
    }
    const bool good = differs.isEmpty() && stopped.isEmpty() && notWritten.isEmpty();
    showMessage(lines.join(QLatin1Char('\n')),
                good ? QMessageBox::Information : QMessageBox::Warning);
}

void ParameterFlows::showMessage(const QString& text, QMessageBox::Icon icon) {
    message_ = show_message_box(window_, icon, QStringLiteral("EV Motiview"), text,
                                QStringLiteral("msgParameters"));
}

} // namespace motiview

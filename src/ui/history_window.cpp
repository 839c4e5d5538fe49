#include "ui/history_window.h"

#include "base/qt/text.h"
#include "history/history_store.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace motiview {

namespace {

enum ControllerColumn {
    SerialColumn,
    UserColumn,
    FirstColumn,
    LastColumn,
    SnapshotsColumn,
    JobsColumn,
    ControllerColumns
};
enum TimelineColumn { TimeColumn, WhatColumn, DetailsColumn, TimelineColumns };
enum class Kind : std::uint8_t {
    Job,
    Snapshot,
    Event
}; // also the order at one moment, oldest first

constexpr int kKindRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

constexpr const char* kContext = "motiview::HistoryWindow";

// The kinds of event the program keeps, as the time line names them; another kind shows as the
// store has it.
constexpr const char* kEventKinds[] = {
    QT_TRANSLATE_NOOP("motiview::HistoryWindow", "Faults"),
    QT_TRANSLATE_NOOP("motiview::HistoryWindow", "Write"),
    QT_TRANSLATE_NOOP("motiview::HistoryWindow", "Hall test"),
    QT_TRANSLATE_NOOP("motiview::HistoryWindow", "Count reset"),
    QT_TRANSLATE_NOOP("motiview::HistoryWindow", "Recording"),
};

QString time_text(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// The serial as a file name: a store may hold anything, a file name only what every system takes.
QString file_safe(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) {
            c = QLatin1Char('_');
        }
    }
    return out.isEmpty() ? QStringLiteral("controller") : out;
}

QString capitalised(const std::string& text) {
    QString out = qs(text);
    if (!out.isEmpty()) {
        out[0] = out[0].toUpper();
    }
    return out;
}

QString joined(std::initializer_list<QString> parts) {
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty()) {
            kept << p;
        }
    }
    return kept.join(QStringLiteral(", "));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QTableWidgetItem* number_cell(std::int64_t n) {
    QTableWidgetItem* item = cell(QString::number(n));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The header texts come with the captions.
void setup_table(QTableWidget* table, int columns) {
    table->setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        table->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// The chosen row, hidden or not (selectedItems() leaves hidden rows out); -1 when none.
int chosen_row(const QTableWidget& table) {
    const QModelIndexList rows = table.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

} // namespace

// What the store holds for one row; the words around it are the window's language's.
struct HistoryWindow::Line {
    std::int64_t timeMs = 0;
    Kind kind = Kind::Event;
    std::int64_t id = 0;
    QString event;   // an event's kind, capitalised
    QString details; // a job's number, technician and state; a snapshot's source; an event's
                     // summary
    QString job;     // a snapshot's job number
    QString vehicle; // a job's
    QString complaint;
    QString workDone;
};

QString HistoryWindow::whatText(const Line& l) {
    switch (l.kind) {
    case Kind::Job:
        return tr("Job");
    case Kind::Snapshot:
        return tr("Snapshot");
    case Kind::Event:
        break;
    }
    for (const char* known : kEventKinds) {
        if (l.event == QLatin1String(known)) {
            return QCoreApplication::translate(kContext, known);
        }
    }
    return l.event;
}

QString HistoryWindow::detailsText(const Line& l) {
    if (l.kind == Kind::Snapshot && !l.job.isEmpty()) {
        return joined({l.details, tr("job %1").arg(l.job)});
    }
    return l.details;
}

QString HistoryWindow::tipText(const Line& l) {
    switch (l.kind) {
    case Kind::Job:
        return joined({l.vehicle.isEmpty() ? QString() : tr("Vehicle: %1").arg(l.vehicle),
                       l.complaint.isEmpty() ? QString() : tr("Complaint: %1").arg(l.complaint),
                       l.workDone.isEmpty() ? QString() : tr("Work done: %1").arg(l.workDone)});
    case Kind::Event:
        return l.details;
    case Kind::Snapshot:
        break;
    }
    return {};
}

HistoryWindow::HistoryWindow(HistoryStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("frmHistory"));

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("txtHistoryFilter"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblHistoryCount"));
    refresh_ = new QPushButton(this);
    refresh_->setObjectName(QStringLiteral("cmdHistoryRefresh"));
    connect(refresh_, &QPushButton::clicked, this, &HistoryWindow::refresh);

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("lblHistoryError"));
    error_->setTextFormat(Qt::PlainText);
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #b00000;"));
    error_->hide();

    controllers_ = new QTableWidget(this);
    controllers_->setObjectName(QStringLiteral("tblControllers"));
    setup_table(controllers_, ControllerColumns);
    controllers_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The user name takes the room left, the counts stay beside it, right-aligned like their
    // numbers.
    controllers_->horizontalHeader()->setStretchLastSection(false);
    controllers_->horizontalHeader()->setSectionResizeMode(UserColumn, QHeaderView::Stretch);
    for (int c : {SnapshotsColumn, JobsColumn}) {
        controllers_->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    connect(controllers_, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = chosen_row(*controllers_);
        const QString serial = row < 0 ? QString() : controllers_->item(row, SerialColumn)->text();
        if (serial != serial_) {
            serial_ = serial;
            loadTimeline();
        }
    });

    timelineTitle_ = new QLabel(this);
    timelineTitle_->setObjectName(QStringLiteral("lblTimelineTitle"));
    timelineTitle_->setTextFormat(Qt::PlainText);
    timeline_ = new QTableWidget(this);
    timeline_->setObjectName(QStringLiteral("tblTimeline"));
    setup_table(timeline_, TimelineColumns);
    timeline_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(timeline_, &QTableWidget::itemSelectionChanged, this, &HistoryWindow::updateButtons);

    compare_ = new QPushButton(this);
    compare_->setObjectName(QStringLiteral("cmdHistoryCompare"));
    connect(compare_, &QPushButton::clicked, this, &HistoryWindow::cmdHistoryCompare_Click);
    export_ = new QPushButton(this);
    export_->setObjectName(QStringLiteral("cmdHistoryExport"));
    connect(export_, &QPushButton::clicked, this, &HistoryWindow::cmdHistoryExport_Click);
    restore_ = new QPushButton(this);
    restore_->setObjectName(QStringLiteral("cmdHistoryRestore"));
    connect(restore_, &QPushButton::clicked, this, &HistoryWindow::cmdHistoryRestore_Click);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("lblHistoryHint"));

    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(count_);
    top->addWidget(refresh_);

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    lowerLayout->addWidget(timelineTitle_);
    lowerLayout->addWidget(timeline_, 1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(controllers_);
    split->addWidget(lower);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare_);
    buttons->addWidget(export_);
    buttons->addWidget(restore_);
    buttons->addSpacing(8);
    buttons->addWidget(hint_, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(error_);
    outer->addWidget(split, 1);
    outer->addLayout(buttons);
    resize(960, 680);

    applyCaptions();
    loadControllers();
    if (controllers_->rowCount() > 0) {
        controllers_->selectRow(0); // the controller met last
    } else {
        loadTimeline();
    }
}

// Here, where DiffWindow and Line are complete.
HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::applyCaptions() {
    setWindowTitle(tr("Service history"));
    filter_->setPlaceholderText(tr("Filter by serial number or user name"));
    refresh_->setText(tr("Refresh"));
    const QString controllerHeaders[] = {tr("Serial number"), tr("User name"), tr("First seen"),
                                         tr("Last seen"),     tr("Snapshots"), tr("Jobs")};
    for (int c = 0; c < ControllerColumns; ++c) {
        controllers_->horizontalHeaderItem(c)->setText(controllerHeaders[c]);
    }
    const QString timelineHeaders[] = {tr("Time"), tr("What"), tr("Details")};
    for (int c = 0; c < TimelineColumns; ++c) {
        timeline_->horizontalHeaderItem(c)->setText(timelineHeaders[c]);
    }
    compare_->setText(tr("Compare"));
    export_->setText(tr("Export..."));
    restore_->setText(tr("Restore..."));

    // What is shown keeps its place; only its words change.
    updateCount();
    for (int r = 0; r < timeline_->rowCount() && r < static_cast<int>(lines_.size()); ++r) {
        const Line& l = lines_[static_cast<std::size_t>(r)];
        timeline_->item(r, WhatColumn)->setText(whatText(l));
        timeline_->item(r, DetailsColumn)->setText(detailsText(l));
        timeline_->item(r, DetailsColumn)->setToolTip(tipText(l));
    }
    if (controllers_->rowCount() > 0) {
        controllers_->resizeColumnsToContents();
    }
    timeline_->resizeColumnToContents(TimeColumn);
    timeline_->resizeColumnToContents(WhatColumn);
    updateTimelineTitle();
    updateButtons();
    applyCompareCaptions();
}

void HistoryWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QWidget::changeEvent(e);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* e) {
    // The difference view puts back its own headers and summary on a language change, after
    // this window has had its turn; its table hears of the change after that.
    if (e->type() == QEvent::LanguageChange && diff_ != nullptr &&
        watched == diff_->findChild<QTableWidget*>(QStringLiteral("tblDifferences"))) {
        applyCompareCaptions();
    }
    return QWidget::eventFilter(watched, e);
}

DiffWindow* HistoryWindow::compareWindow() const {
    return diff_;
}

void HistoryWindow::loadControllers() {
    const Result<std::vector<ControllerRecord>> list = store_.controllers();
    storeError_ = list.ok() ? QString() : qs(list.error().message);
    {
        const QSignalBlocker quiet(controllers_);
        controllers_->setUpdatesEnabled(false);
        controllers_->clearContents();
        controllers_->setRowCount(list.ok() ? static_cast<int>(list->size()) : 0);
        int chosen = -1;
        if (list.ok()) {
            for (int r = 0; r < static_cast<int>(list->size()); ++r) {
                const ControllerRecord& c = (*list)[static_cast<std::size_t>(r)];
                const QString serial = qs(c.serial);
                controllers_->setItem(r, SerialColumn, cell(serial));
                controllers_->setItem(r, UserColumn, cell(qs(c.userName)));
                controllers_->setItem(r, FirstColumn, cell(time_text(c.firstSeenMs)));
                controllers_->setItem(r, LastColumn, cell(time_text(c.lastSeenMs)));
                controllers_->setItem(r, SnapshotsColumn, number_cell(c.snapshots));
                controllers_->setItem(r, JobsColumn, number_cell(c.jobs));
                if (serial == serial_) {
                    chosen = r;
                }
            }
        }
        controllers_->clearSelection();
        if (chosen >= 0) {
            controllers_->selectRow(chosen);
        } else {
            serial_.clear(); // no longer listed: its time line goes when it is next loaded
        }
        controllers_->resizeColumnsToContents();
        controllers_->setUpdatesEnabled(true);
    }
    applyFilter();
}

void HistoryWindow::applyFilter() {
    const QString needle = filter_->text().trimmed();
    int firstShown = -1;
    for (int r = 0; r < controllers_->rowCount(); ++r) {
        const bool match =
            needle.isEmpty() ||
            controllers_->item(r, SerialColumn)->text().contains(needle, Qt::CaseInsensitive) ||
            controllers_->item(r, UserColumn)->text().contains(needle, Qt::CaseInsensitive);
        controllers_->setRowHidden(r, !match);
        if (match && firstShown < 0) {
            firstShown = r;
        }
    }
    updateCount();
    // Typing a serial shows its history without a click; a hidden controller's is not shown.
    if (const int row = chosen_row(*controllers_); row >= 0 && controllers_->isRowHidden(row)) {
        controllers_->clearSelection();
    }
    if (chosen_row(*controllers_) < 0 && firstShown >= 0 && !needle.isEmpty()) {
        controllers_->selectRow(firstShown);
    }
}

void HistoryWindow::updateCount() {
    int shown = 0;
    for (int r = 0; r < controllers_->rowCount(); ++r) {
        shown += controllers_->isRowHidden(r) ? 0 : 1;
    }
    const int all = controllers_->rowCount();
    count_->setText(shown != all ? tr("%1 of %2 controllers").arg(shown).arg(all)
                    : all == 1   ? tr("%1 controller").arg(all)
                                 : tr("%1 controllers").arg(all));
}

void HistoryWindow::loadTimeline() {
    snapshots_.clear();
    lines_.clear();
    timelineError_.clear();
    const QSignalBlocker quiet(timeline_);
    timeline_->setUpdatesEnabled(false);
    timeline_->clearContents();
    timeline_->setRowCount(0);

    std::vector<Line>& lines = lines_;
    if (!serial_.isEmpty()) {
        const std::string serial = serial_.toStdString();
        const Result<std::vector<SnapshotRecord>> snaps = store_.snapshots(serial);
        const Result<std::vector<JobRecord>> jobs = store_.jobs(serial);
        const Result<std::vector<EventRecord>> events = store_.events(serial);
        for (const Error* e :
             {snaps.ok() ? nullptr : &snaps.error(), jobs.ok() ? nullptr : &jobs.error(),
              events.ok() ? nullptr : &events.error()}) {
            if (e != nullptr && timelineError_.isEmpty()) {
                timelineError_ = qs(e->message);
            }
        }
        std::map<std::int64_t, QString> jobNumbers;
        if (jobs.ok()) {
            for (const JobRecord& j : *jobs) {
                jobNumbers[j.id] =
                    j.number.empty() ? QStringLiteral("#%1").arg(j.id) : qs(j.number);
                Line l;
                l.timeMs = j.startedMs;
                l.kind = Kind::Job;
                l.id = j.id;
                l.details = joined({qs(j.number), qs(j.technician), qs(j.state)});
                l.vehicle = qs(j.vehicle);
                l.complaint = qs(j.complaint);
                l.workDone = qs(j.workDone);
                lines.push_back(std::move(l));
            }
        }
        if (snaps.ok()) {
            for (const SnapshotRecord& s : *snaps) {
                Line l;
                l.timeMs = s.timeMs;
                l.kind = Kind::Snapshot;
                l.id = s.id;
                l.details = qs(s.source);
                if (s.job) {
                    const auto n = jobNumbers.find(*s.job);
                    l.job = n != jobNumbers.end() ? n->second : QStringLiteral("#%1").arg(*s.job);
                }
                snapshots_.push_back({s.id, s.timeMs, qs(s.source)});
                lines.push_back(std::move(l));
            }
        }
        if (events.ok()) {
            for (const EventRecord& e : *events) {
                Line l;
                l.timeMs = e.timeMs;
                l.kind = Kind::Event;
                l.id = e.id;
                l.event = capitalised(e.kind);
                l.details = qs(e.summary);
                lines.push_back(std::move(l));
            }
        }
    }
    // Newest first; at one moment a job is older than what happened in it.
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        if (a.timeMs != b.timeMs) {
            return a.timeMs > b.timeMs;
        }
        if (a.kind != b.kind) {
            return a.kind > b.kind;
        }
        return a.id > b.id;
    });

    timeline_->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        const Line& l = lines[static_cast<std::size_t>(r)];
        QTableWidgetItem* time = cell(time_text(l.timeMs));
        time->setData(kKindRole, static_cast<int>(l.kind));
        time->setData(kIdRole, static_cast<qint64>(l.id));
        QTableWidgetItem* what = cell(whatText(l));
        QTableWidgetItem* details = cell(detailsText(l));
        details->setToolTip(tipText(l));
        if (l.kind == Kind::Job) {
            // A job opens a visit: it stands out when scrolling down the years.
            QFont bold = timeline_->font();
            bold.setBold(true);
            for (QTableWidgetItem* item : {time, what, details}) {
                item->setFont(bold);
            }
        }
        timeline_->setItem(r, TimeColumn, time);
        timeline_->setItem(r, WhatColumn, what);
        timeline_->setItem(r, DetailsColumn, details);
    }
    timeline_->resizeColumnToContents(TimeColumn);
    timeline_->resizeColumnToContents(WhatColumn);
    timeline_->setUpdatesEnabled(true);

    updateTimelineTitle();
    showError(storeError_.isEmpty() ? timelineError_ : storeError_);
    updateButtons();
}

void HistoryWindow::updateTimelineTitle() {
    if (serial_.isEmpty()) {
        timelineTitle_->setText(controllers_->rowCount() == 0
                                    ? tr("No controller in the history yet.")
                                    : tr("Choose a controller to see its history."));
    } else {
        timelineTitle_->setText(tr("History of %1: %2 snapshots, %3 entries in all")
                                    .arg(serial_)
                                    .arg(snapshots_.size())
                                    .arg(lines_.size()));
    }
}

void HistoryWindow::refresh() {
    const std::vector<std::int64_t> chosen = selectedSnapshots();
    const QString serial = serial_;
    loadControllers();
    if (serial_.isEmpty() && chosen_row(*controllers_) < 0 && controllers_->rowCount() > 0 &&
        !controllers_->isRowHidden(0)) {
        controllers_->selectRow(0); // loads its time line
    } else {
        loadTimeline();
    }
    if (serial_ != serial) {
        return;
    }
    {
        const QSignalBlocker quiet(timeline_);
        for (int r = 0; r < timeline_->rowCount(); ++r) {
            const QTableWidgetItem* item = timeline_->item(r, TimeColumn);
            if (item->data(kKindRole).toInt() == static_cast<int>(Kind::Snapshot) &&
                std::find(chosen.begin(), chosen.end(), item->data(kIdRole).toLongLong()) !=
                    chosen.end()) {
                timeline_->selectionModel()->select(timeline_->model()->index(r, 0),
                                                    QItemSelectionModel::Select |
                                                        QItemSelectionModel::Rows);
            }
        }
    }
    updateButtons();
}

void HistoryWindow::selectController(const QString& serial) {
    const auto rowOf = [this, &serial] {
        for (int r = 0; r < controllers_->rowCount(); ++r) {
            if (controllers_->item(r, SerialColumn)->text() == serial) {
                return r;
            }
        }
        return -1;
    };
    int row = rowOf();
    if (row < 0) {
        loadControllers(); // met since the window opened
        row = rowOf();
    }
    if (row < 0) {
        return;
    }
    if (controllers_->isRowHidden(row)) {
        filter_->clear();
    }
    controllers_->selectRow(row);
    controllers_->scrollToItem(controllers_->item(row, SerialColumn),
                               QAbstractItemView::PositionAtCenter);
}

QString HistoryWindow::errorText() const {
    return storeError_.isEmpty() ? timelineError_ : storeError_;
}

std::vector<std::int64_t> HistoryWindow::selectedSnapshots() const {
    std::vector<int> rows;
    for (const QModelIndex& i : timeline_->selectionModel()->selectedRows()) {
        rows.push_back(i.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::int64_t> out;
    for (int r : rows) {
        const QTableWidgetItem* item = timeline_->item(r, TimeColumn);
        if (item->data(kKindRole).toInt() == static_cast<int>(Kind::Snapshot)) {
            out.push_back(item->data(kIdRole).toLongLong());
        }
    }
    return out;
}

void HistoryWindow::updateButtons() {
    const std::size_t n = selectedSnapshots().size();
    compare_->setEnabled(n == 2);
    export_->setEnabled(n == 1);
    restore_->setEnabled(n == 1);
    hint_->setText(snapshots_.empty() ? QString()
                   : n == 0
                       ? tr("Select two snapshots to compare them, one to export or restore it.")
                   : n == 1 ? tr("Select a second snapshot to compare.")
                   : n == 2 ? QString()
                            : tr("Compare takes two snapshots."));
}

void HistoryWindow::showError(const QString& text) {
    error_->setText(text);
    error_->setVisible(!text.isEmpty());
}

void HistoryWindow::showMessage(const QString& text) {
    show_message_box(this, QMessageBox::Warning, tr("Service history"), text,
                     QStringLiteral("msgHistory"));
}

const HistoryWindow::Snapshot* HistoryWindow::findSnapshot(std::int64_t id) const {
    const auto s = std::find_if(snapshots_.begin(), snapshots_.end(),
                                [id](const Snapshot& x) { return x.id == id; });
    return s != snapshots_.end() ? &*s : nullptr;
}

std::optional<std::string> HistoryWindow::contentOf(std::int64_t snapshot) {
    Result<std::optional<SnapshotRecord>> record = store_.snapshot(snapshot);
    if (!record.ok()) {
        showMessage(tr("The snapshot cannot be read: %1").arg(qs(record.error().message)));
        return std::nullopt;
    }
    if (!record->has_value()) {
        showMessage(tr("The snapshot is no longer in the history."));
        return std::nullopt;
    }
    return std::move((*record)->content);
}

QString HistoryWindow::exportFileName(std::int64_t snapshot) const {
    const Snapshot* s = findSnapshot(snapshot);
    const QString day = s != nullptr ? QDateTime::fromMSecsSinceEpoch(s->timeMs, Qt::LocalTime)
                                           .toString(QStringLiteral("yyyy-MM-dd"))
                                     : QDate::currentDate().toString(Qt::ISODate);
    return file_safe(serial_) + QLatin1Char('-') + day + QStringLiteral(".json");
}

void HistoryWindow::cmdHistoryCompare_Click() {
    const std::vector<std::int64_t> chosen = selectedSnapshots();
    if (chosen.size() != 2) {
        return;
    }
    // Newest first in the time line: the older one is the left side.
    const Snapshot* older = findSnapshot(chosen[1]);
    const Snapshot* newer = findSnapshot(chosen[0]);
    std::optional<std::string> olderText = contentOf(chosen[1]);
    std::optional<std::string> newerText = olderText ? contentOf(chosen[0]) : std::nullopt;
    if (older == nullptr || newer == nullptr || !olderText || !newerText) {
        return;
    }
    const Result<ParameterSet> a = read_parameter_file(*olderText);
    const Result<ParameterSet> b = read_parameter_file(*newerText);
    for (const auto& [set, snap] : {std::pair{&a, older}, std::pair{&b, newer}}) {
        if (!set->ok()) {
            showMessage(tr("The snapshot of %1 cannot be read: %2")
                            .arg(time_text(snap->timeMs), qs(set->error().message)));
            return;
        }
    }
    std::vector<DiffRow> rows;
    for (const FieldDifference& d : diff(*a, *b)) {
        rows.push_back({d.page, qs(d.field), qs(d.caption), qs(d.a), qs(d.b)});
    }
    std::vector<PageId> pages;
    for (PageId p : kAllPages) {
        if (a->find(p) != nullptr || b->find(p) != nullptr) {
            pages.push_back(p);
        }
    }
    const QString newerName = time_text(newer->timeMs) + QLatin1Char(' ') + newer->source;
    if (diff_ != nullptr) {
        diff_->close();
    }
    comparison_ = {serial_,       older->timeMs, older->source,
                   newer->timeMs, newer->source, rows.empty()};
    diff_ = new DiffWindow(DiffWindow::Mode::Compare, newerName, std::move(rows), pages, this);
    if (auto* table = diff_->findChild<QTableWidget*>(QStringLiteral("tblDifferences"))) {
        table->installEventFilter(this);
    }
    applyCompareCaptions();
    diff_->show();
}

void HistoryWindow::applyCompareCaptions() {
    if (diff_ == nullptr) {
        return;
    }
    const Comparison& c = comparison_;
    diff_->setWindowTitle(tr("%1: %2 (%3) against %4 (%5)")
                              .arg(c.serial, time_text(c.olderMs), c.olderSource,
                                   time_text(c.newerMs), c.newerSource));
    // The two sides are snapshots, not a controller and a file.
    if (auto* table = diff_->findChild<QTableWidget*>(QStringLiteral("tblDifferences"))) {
        table->setHorizontalHeaderLabels({tr("Page"), tr("Field"),
                                          time_text(c.olderMs) + QLatin1Char(' ') + c.olderSource,
                                          time_text(c.newerMs) + QLatin1Char(' ') + c.newerSource});
        table->resizeColumnsToContents();
    }
    if (auto* summary = diff_->findChild<QLabel*>(QStringLiteral("lblSummary"));
        summary && c.same) {
        summary->setText(tr("The two snapshots hold the same texts."));
    }
}

void HistoryWindow::cmdHistoryExport_Click() {
    const std::vector<std::int64_t> chosen = selectedSnapshots();
    if (chosen.size() != 1) {
        return;
    }
    const std::int64_t id = chosen.front();
    auto* d = new QFileDialog(this, tr("Export snapshot"), exportFileName(id),
                              tr("Parameter files (*.json)"));
    d->setObjectName(QStringLiteral("dlgHistoryExport"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("json"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this,
            [this, id](const QString& path) { exportSnapshot(id, path); });
    d->open();
}

bool HistoryWindow::exportSnapshot(std::int64_t snapshot, const QString& path) {
    const std::optional<std::string> text = contentOf(snapshot);
    if (!text) {
        return false;
    }
    const Result<bool> saved = save_file_atomically(path.toStdString(), *text);
    if (!saved.ok()) {
        showMessage(tr("%1: %2 Nothing was exported.").arg(path, qs(saved.error().message)));
        return false;
    }
    return true;
}

void HistoryWindow::cmdHistoryRestore_Click() {
    const std::vector<std::int64_t> chosen = selectedSnapshots();
    if (chosen.size() != 1) {
        return;
    }
    const std::optional<std::string> text = contentOf(chosen.front());
    if (!text) {
        return;
    }
    const QString path =
        QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
            .filePath(
                QStringLiteral("%1-snapshot-%2.json").arg(file_safe(serial_)).arg(chosen.front()));
    const Result<bool> saved = save_file_atomically(path.toStdString(), *text);
    if (!saved.ok()) {
        showMessage(tr("%1: %2 Nothing was restored.").arg(path, qs(saved.error().message)));
        return;
    }
    emit restoreRequested(path);
}

} // namespace motiview

#include "ui/traffic_window.h"

#include "base/qt/text.h"
#include "ui/message_box.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace motiview {
namespace {

// The counters' captions; the saved text keeps them in English.
constexpr std::array<const char*, 7> kCounterFormats = {
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Sent: %1"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Received: %1"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Broken: %1"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Unknown: %1"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Discarded: %1 bytes"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Silences: %1"),
    QT_TRANSLATE_NOOP("motiview::TrafficWindow", "Retries: %1"),
};

QStringList counts_with(const TrafficCounters& c, bool translated) {
    const std::array<std::uint64_t, 7> values = {c.framesSent,   c.unitsReceived,  c.brokenUnits,
                                                 c.unknownUnits, c.bytesDiscarded, c.silences,
                                                 c.retries};
    QStringList out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString format =
            translated ? QCoreApplication::translate("motiview::TrafficWindow", kCounterFormats[i])
                       : QString::fromLatin1(kCounterFormats[i]);
        out << format.arg(values[i]);
    }
    return out;
}

bool is_trouble(const TrafficRow& r) {
    return r.kind == TrafficKind::Discarded || r.kind == TrafficKind::Silence ||
           r.kind == TrafficKind::Note ||
           (r.kind == TrafficKind::Received &&
            (r.unit == UnitKind::Broken || r.unit == UnitKind::Unknown));
}

} // namespace

bool is_status_traffic(const TrafficRow& row) {
    if (row.kind == TrafficKind::Received) {
        return row.unit == UnitKind::Status;
    }
    return row.kind == TrafficKind::Sent &&
           std::equal(row.data().begin(), row.data().end(), frame_set().statusRequest.begin(),
                      frame_set().statusRequest.end());
}

// ---- model ------------------------------------------------------------------------------

TrafficModel::TrafficModel(const TrafficLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log) {
    first_ = log_.rows().first_number();
    count_ = log_.rows().size();
}

void TrafficModel::sync() {
    const Ring<TrafficRow>& rows = log_.rows();
    const std::uint64_t logFirst = rows.first_number();
    const std::uint64_t logEnd = rows.total();
    const std::uint64_t shownEnd = first_ + count_;
    const std::uint64_t drop = logFirst > first_ ? std::min(logFirst - first_, count_) : 0;
    const std::uint64_t added = logEnd - std::max(shownEnd, logFirst);

    if (logEnd < shownEnd || (count_ > 0 && drop == count_) || added > kResetAbove) {
        beginResetModel();
        first_ = logFirst;
        count_ = logEnd - logFirst;
        endResetModel();
        return;
    }
    if (drop > 0) {
        beginRemoveRows({}, 0, static_cast<int>(drop) - 1);
        first_ += drop;
        count_ -= drop;
        endRemoveRows();
    }
    if (count_ == 0) {
        first_ = logFirst;
    }
    if (added > 0) {
        beginInsertRows({}, static_cast<int>(count_), static_cast<int>(count_ + added) - 1);
        count_ += added;
        endInsertRows();
    }
}

int TrafficModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(count_);
}

int TrafficModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const TrafficRow* TrafficModel::logRow(int row) const {
    if (row < 0 || static_cast<std::uint64_t>(row) >= count_) {
        return nullptr;
    }
    const std::uint64_t number = first_ + static_cast<std::uint64_t>(row);
    const Ring<TrafficRow>& rows = log_.rows();
    if (number < rows.first_number() || number >= rows.total()) {
        return nullptr;
    }
    return &rows[static_cast<std::size_t>(number - rows.first_number())];
}

void TrafficModel::captionsChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QVariant TrafficModel::data(const QModelIndex& index, int role) const {
    const TrafficRow* r = logRow(index.row());
    if (r == nullptr) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case TimeColumn:
            return QVariant::fromValue(static_cast<qlonglong>(r->timeMs));
        case DirectionColumn:
            return qs(direction_name(r->direction));
        case BytesColumn:
            return QString::fromStdString(to_hex(r->data()));
        case MeaningColumn:
            return QString::fromStdString(r->meaning);
        default:
            return {};
        }
    }
    if (role == Qt::ForegroundRole && is_trouble(*r)) {
        return QColor(0xc0, 0x00, 0x00);
    }
    if (role == Qt::TextAlignmentRole && index.column() == TimeColumn) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    switch (section) {
    case TimeColumn:
        return tr("Time [ms]");
    case DirectionColumn:
        return tr("Direction");
    case BytesColumn:
        return tr("Bytes");
    case MeaningColumn:
        return tr("Meaning");
    default:
        return {};
    }
}

// ---- filter -----------------------------------------------------------------------------

void TrafficFilter::setHideStatus(bool hide) {
    if (hide == hideStatus_) {
        return;
    }
    hideStatus_ = hide;
    invalidateFilter();
}

bool TrafficFilter::filterAcceptsRow(int sourceRow, const QModelIndex& parent) const {
    if (!hideStatus_ || parent.isValid()) {
        return true;
    }
    const auto* m = static_cast<const TrafficModel*>(sourceModel());
    const TrafficRow* r = m->logRow(sourceRow);
    return r == nullptr || !is_status_traffic(*r);
}

// ---- window -----------------------------------------------------------------------------

TrafficWindow::TrafficWindow(TrafficLog& log, QWidget* parent) : QWidget(parent), log_(log) {
    setObjectName(QStringLiteral("frmTraffic"));

    model_ = new TrafficModel(log_, this);
    filter_ = new TrafficFilter(this);
    filter_->setDynamicSortFilter(true);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblTraffic"));
    // The filter sits between log and table only while it hides something: keeping its
    // mapping of 10 000 rows up to date in a flood cost more than the table itself.
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    // Fixed row heights: the view never measures 10 000 rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(TrafficModel::TimeColumn, 90);
    table_->setColumnWidth(TrafficModel::DirectionColumn, 70);
    table_->setColumnWidth(TrafficModel::BytesColumn,
                           table_->fontMetrics().horizontalAdvance(QStringLiteral("00 ")) * 33);
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    table_->setFont(mono);

    static constexpr std::array<const char*, 7> kCountNames = {
        "lblSent",      "lblReceived", "lblBroken", "lblUnknown",
        "lblDiscarded", "lblSilences", "lblRetries"};
    auto* countsRow = new QHBoxLayout;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = new QLabel(this);
        counts_[i]->setObjectName(QString::fromLatin1(kCountNames[i]));
        countsRow->addWidget(counts_[i]);
    }
    countsRow->addStretch(1);

    pause_ = new QPushButton(this);
    pause_->setObjectName(QStringLiteral("cmdPause"));
    pause_->setCheckable(true);
    connect(pause_, &QPushButton::toggled, this, &TrafficWindow::setPaused);

    clear_ = new QPushButton(this);
    clear_->setObjectName(QStringLiteral("cmdClear"));
    connect(clear_, &QPushButton::clicked, this, &TrafficWindow::clear);

    hideStatus_ = new QCheckBox(this);
    hideStatus_->setObjectName(QStringLiteral("chkHideStatus"));
    connect(hideStatus_, &QCheckBox::toggled, this, &TrafficWindow::setHideStatus);

    save_ = new QPushButton(this);
    save_->setObjectName(QStringLiteral("cmdSave"));
    connect(save_, &QPushButton::clicked, this, &TrafficWindow::askSavePath);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pause_);
    buttons->addWidget(clear_);
    buttons->addWidget(hideStatus_);
    buttons->addStretch(1);
    buttons->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(countsRow);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);
    resize(1200, 520); // a whole unit in hex and its meaning side by side

    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshIntervalMs);
    connect(timer_, &QTimer::timeout, this, &TrafficWindow::refresh);
    applyCaptions();
}

void TrafficWindow::applyCaptions() {
    setWindowTitle(tr("Traffic monitor"));
    pause_->setText(paused_ ? tr("Resume") : tr("Pause"));
    clear_->setText(tr("Clear"));
    hideStatus_->setText(tr("Hide status frames"));
    save_->setText(tr("Save as text..."));
    model_->captionsChanged();
    updateCounters();
}

void TrafficWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QWidget::changeEvent(event);
}

void TrafficWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start();
    refresh();
}

void TrafficWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

void TrafficWindow::refresh() {
    updateCounters();
    if (paused_) {
        return;
    }
    QScrollBar* bar = table_->verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum();
    model_->sync();
    if (atBottom) {
        table_->scrollToBottom();
    }
}

void TrafficWindow::setPaused(bool paused) {
    if (pause_->isChecked() != paused) {
        pause_->setChecked(paused); // back here through toggled
        return;
    }
    paused_ = paused;
    pause_->setText(paused ? tr("Resume") : tr("Pause"));
    if (!paused) {
        refresh();
    }
}

void TrafficWindow::setHideStatus(bool hide) {
    if (hideStatus_->isChecked() != hide) {
        hideStatus_->setChecked(hide);
        return;
    }
    filter_->setHideStatus(hide);
    filter_->setSourceModel(hide ? model_ : nullptr);
    QHeaderView* header = table_->horizontalHeader();
    const QByteArray widths = header->saveState();
    table_->setModel(hide ? static_cast<QAbstractItemModel*>(filter_) : model_);
    header->restoreState(widths);
    table_->scrollToBottom();
}

void TrafficWindow::clear() {
    log_.clear();
    model_->sync();
    updateCounters();
}

QStringList counter_texts(const TrafficCounters& c) {
    return counts_with(c, false);
}

QStringList shown_counter_texts(const TrafficCounters& c) {
    return counts_with(c, true);
}

void TrafficWindow::updateCounters() {
    const QStringList texts = shown_counter_texts(log_.counters());
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i]->setText(texts[static_cast<qsizetype>(i)]);
    }
}

QString TrafficWindow::saveText(const QString& path) const {
    QString text = counter_texts(log_.counters()).join(QStringLiteral("   ")) +
                   QStringLiteral("\ntime_ms\tdirection\tbytes\tmeaning\n");
    const Ring<TrafficRow>& rows = log_.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (filter_->hideStatus() && is_status_traffic(rows[i])) {
            continue;
        }
        text += QString::fromStdString(traffic_line(rows[i])) + QLatin1Char('\n');
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return tr("Cannot save \"%1\": %2").arg(path, file.errorString());
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return tr("Cannot save \"%1\": %2").arg(path, file.errorString());
    }
    return {};
}

void TrafficWindow::askSavePath() {
    // One text per filter: the patterns and the separator stay out of the translators' hands.
    auto* dialog =
        new QFileDialog(this, tr("Save traffic as text"), QString(),
                        tr("Text files (*.txt)") + QStringLiteral(";;") + tr("All files (*)"));
    dialog->setObjectName(QStringLiteral("dlgSaveTraffic"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const QString error = saveText(path);
        if (error.isEmpty()) {
            return;
        }
        (void)show_message_box(this, QMessageBox::Warning, windowTitle(), error,
                               QStringLiteral("msgTraffic"));
    });
    dialog->open();
}

} // namespace motiview

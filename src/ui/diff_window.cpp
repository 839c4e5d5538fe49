#include "ui/diff_window.h"

#include "base/qt/text.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace motiview {

namespace {

// "1 field", "2 fields": the English rule picks the form; a translation may use one for both.
QString fields_text(std::size_t n) {
    return (n == 1 ? QCoreApplication::translate("motiview::DiffWindow", "%1 field")
                   : QCoreApplication::translate("motiview::DiffWindow", "%1 fields"))
        .arg(n);
}

QString pages_text(std::size_t n) {
    return (n == 1 ? QCoreApplication::translate("motiview::DiffWindow", "%1 page")
                   : QCoreApplication::translate("motiview::DiffWindow", "%1 pages"))
        .arg(n);
}

QString differences_text(std::size_t n) {
    return (n == 1 ? QCoreApplication::translate("motiview::DiffWindow", "%1 difference")
                   : QCoreApplication::translate("motiview::DiffWindow", "%1 differences"))
        .arg(n);
}

// Page titles and field captions as the page windows show them.
QString title_shown(PageId page) {
    return tq("Pages", page_title(page_schema(page)));
}

QString caption_shown(const QString& english) {
    const QByteArray utf8 = english.toUtf8();
    return tq("Pages", std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

constexpr int kPageRole = Qt::UserRole;
constexpr int kOutcomeRole = Qt::UserRole + 1; // set once the page's write has an outcome

} // namespace

DiffWindow::DiffWindow(Mode mode, const QString& fileName, std::vector<DiffRow> rows,
                       std::vector<PageId> pages, QWidget* parent)
    : QWidget(parent, Qt::Window), mode_(mode), fileName_(fileName), rows_(std::move(rows)),
      pages_(std::move(pages)) {
    setObjectName(mode_ == Mode::Compare ? QStringLiteral("frmCompare")
                                         : QStringLiteral("frmRestore"));
    setAttribute(Qt::WA_DeleteOnClose);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    buildTable();

    copy_ = new QPushButton(this);
    copy_->setObjectName(QStringLiteral("cmdCopy"));
    copy_->setEnabled(!rows_.empty());
    connect(copy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(rowsAsText()); });
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(summary_);
    if (mode_ == Mode::Restore) {
        buildPageList();
        auto* split = new QSplitter(Qt::Horizontal, this);
        auto* left = new QWidget(split);
        auto* leftLayout = new QVBoxLayout(left);
        leftLayout->setContentsMargins(0, 0, 0, 0);
        pagesToWrite_ = new QLabel(left);
        pagesToWrite_->setObjectName(QStringLiteral("lblPagesToWrite"));
        leftLayout->addWidget(pagesToWrite_);
        pageList_->setParent(left);
        leftLayout->addWidget(pageList_, 1);
        warning_->setParent(left);
        leftLayout->addWidget(warning_);
        split->addWidget(left);
        split->addWidget(table_);
        split->setStretchFactor(1, 1);
        outer->addWidget(split, 1);
        buttons->addWidget(write_);
    } else {
        outer->addWidget(table_, 1);
    }
    buttons->addWidget(close_);
    outer->addLayout(buttons);
    applyCaptions();
    resize(mode_ == Mode::Restore ? 900 : 720, 480);
}

void DiffWindow::applyCaptions() {
    const QString title = mode_ == Mode::Compare ? tr("Compare with %1").arg(fileName_)
                                                 : tr("Restore from %1").arg(fileName_);
    if (windowTitle() == shownTitle_) {
        setWindowTitle(title);
        shownTitle_ = title;
    }
    summary_->setText(summary());
    table_->setHorizontalHeaderLabels({tr("Page"), tr("Field"), tr("Controller"),
                                       mode_ == Mode::Compare ? tr("File") : tr("To write")});
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const DiffRow& d = rows_[static_cast<std::size_t>(r)];
        table_->item(r, 0)->setText(title_shown(d.page));
        table_->item(r, 1)->setText(caption_shown(d.caption));
    }
    table_->resizeColumnsToContents();
    copyRows_->setText(tr("Copy rows"));
    copy_->setText(tr("Copy rows"));
    close_->setText(tr("Close"));
    if (mode_ != Mode::Restore) {
        return;
    }
    pagesToWrite_->setText(tr("Pages to write:"));
    for (int i = 0; i < pageList_->count(); ++i) {
        showPageItem(pageList_->item(i));
    }
    const auto identity =
        std::find_if(pages_.begin(), pages_.end(), [](PageId p) { return carries_identity(p); });
    if (identity != pages_.end()) {
        warning_->setText(tr("%1 carries the controller's identity and is not ticked. When it is "
                             "written, the controller keeps its own serial number.")
                              .arg(title_shown(*identity)));
    }
    write_->setText(tr("Write selected pages"));
}

void DiffWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        applyCaptions();
    }
    QWidget::changeEvent(e);
}

// "Basic setting - 2 differences", then what became of the page once it was written.
void DiffWindow::showPageItem(QListWidgetItem* item) const {
    const auto page = static_cast<PageId>(item->data(kPageRole).toInt());
    const int n = differencesOn(page);
    QString text = title_shown(page) + QStringLiteral(" - ") +
                   (n == 0 ? tr("no difference") : differences_text(static_cast<std::size_t>(n)));
    const QVariant outcome = item->data(kOutcomeRole);
    if (outcome.isValid()) {
        text += QStringLiteral(": ") + outcome.toString();
    }
    if (item->text() != text) {
        item->setText(text);
    }
}

void DiffWindow::buildTable() {
    table_ = new QTableWidget(static_cast<int>(rows_.size()), 4, this);
    table_->setObjectName(QStringLiteral("tblDifferences"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Named, so the column titles are told apart from the hidden row numbers.
    table_->horizontalHeader()->setObjectName(QStringLiteral("hdrColumns"));
    table_->verticalHeader()->setObjectName(QStringLiteral("hdrRows"));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const DiffRow& d = rows_[static_cast<std::size_t>(r)];
        // The page and the caption are written by applyCaptions().
        const QString cells[] = {QString(), QString(), d.controller, d.file};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 1) {
                item->setToolTip(d.field);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    copyRows_ = new QAction(table_);
    copyRows_->setObjectName(QStringLiteral("actCopyRows"));
    copyRows_->setShortcut(QKeySequence::Copy);
    copyRows_->setShortcutContext(Qt::WidgetShortcut);
    connect(copyRows_, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(rowsAsText()); });
    table_->addAction(copyRows_);
}

void DiffWindow::buildPageList() {
    pageList_ = new QListWidget(this);
    pageList_->setObjectName(QStringLiteral("lstPages"));
    for (PageId page : pages_) {
        const int n = differencesOn(page);
        // Its text comes from applyCaptions().
        auto* item = new QListWidgetItem(pageList_);
        item->setData(kPageRole, static_cast<int>(page));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        // A page that carries the controller's identity is never ticked for the user.
        item->setCheckState(n > 0 && !carries_identity(page) ? Qt::Checked : Qt::Unchecked);
    }
    connect(pageList_, &QListWidget::itemChanged, this, [this] { updateWriteButton(); });

    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("lblHardwareWarning"));
    warning_->setWordWrap(true);
    warning_->setTextFormat(Qt::PlainText);
    const auto identity =
        std::find_if(pages_.begin(), pages_.end(), [](PageId p) { return carries_identity(p); });
    warning_->setVisible(identity != pages_.end());

    write_ = new QPushButton(this);
    write_->setObjectName(QStringLiteral("cmdWriteSelected"));
    connect(write_, &QPushButton::clicked, this, [this] {
        const std::vector<PageId> pages = selectedPages();
        if (!pages.empty()) {
            emit writeRequested(pages);
        }
    });
    updateWriteButton();
}

int DiffWindow::differencesOn(PageId page) const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(),
                                          [page](const DiffRow& d) { return d.page == page; }));
}

QString DiffWindow::summary() const {
    if (rows_.empty()) {
        return mode_ == Mode::Compare
                   ? tr("The controller holds what the file holds.")
                   : tr("The controller already holds what the file holds; there "
                        "is nothing to write.");
    }
    std::set<PageId> differing;
    for (const DiffRow& d : rows_) {
        differing.insert(d.page);
    }
    QString text = (rows_.size() == 1 ? tr("%1 differs on %2.") : tr("%1 differ on %2."))
                       .arg(fields_text(rows_.size()), pages_text(differing.size()));
    QStringList same;
    for (PageId page : pages_) {
        if (!differing.contains(page)) {
            same << title_shown(page);
        }
    }
    const auto count = static_cast<std::size_t>(same.size());
    if (!same.isEmpty() && mode_ == Mode::Restore) {
        // A restore run again after a cut writes only what still differs.
        text += QLatin1Char(' ') + (count == 1 ? tr("%1 already holds the file: %2.")
                                               : tr("%1 already hold the file: %2."))
                                       .arg(pages_text(count), same.join(QStringLiteral(", ")));
    } else if (!same.isEmpty()) {
        text += QLatin1Char(' ') + tr("No difference on: %1.").arg(same.join(QStringLiteral(", ")));
    }
    return text;
}

QString DiffWindow::rowsAsText() const {
    std::set<int> chosen;
    for (const QModelIndex& i : table_->selectionModel()->selectedRows()) {
        chosen.insert(i.row());
    }
    QString text = QStringLiteral("Page\tField\tCaption\tController\t") +
                   (mode_ == Mode::Compare ? QStringLiteral("File") : QStringLiteral("To write")) +
                   QStringLiteral("\n");
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (!chosen.empty() && !chosen.contains(r)) {
            continue;
        }
        const DiffRow& d = rows_[static_cast<std::size_t>(r)];
        text += qs(page_title(page_schema(d.page))) + '\t' + d.field + '\t' + d.caption + '\t' +
                d.controller + '\t' + d.file + '\n';
    }
    return text;
}

std::vector<PageId> DiffWindow::selectedPages() const {
    std::vector<PageId> out;
    if (pageList_ == nullptr) {
        return out;
    }
    for (int i = 0; i < pageList_->count(); ++i) {
        const QListWidgetItem* item = pageList_->item(i);
        if (item->checkState() == Qt::Checked) {
            out.push_back(static_cast<PageId>(item->data(kPageRole).toInt()));
        }
    }
    return out;
}

void DiffWindow::setPageChecked(PageId page, bool checked) {
    if (pageList_ == nullptr) {
        return;
    }
    for (int i = 0; i < pageList_->count(); ++i) {
        QListWidgetItem* item = pageList_->item(i);
        if (item->data(kPageRole).toInt() == static_cast<int>(page)) {
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void DiffWindow::setWriting(bool writing) {
    if (pageList_ != nullptr) {
        pageList_->setEnabled(!writing);
    }
    if (write_ != nullptr) {
        write_->setEnabled(!writing && !selectedPages().empty());
    }
}

void DiffWindow::setPageOutcome(PageId page, const QString& text, bool good) {
    if (pageList_ == nullptr) {
        return;
    }
    for (int i = 0; i < pageList_->count(); ++i) {
        QListWidgetItem* item = pageList_->item(i);
        if (item->data(kPageRole).toInt() == static_cast<int>(page)) {
            item->setData(kOutcomeRole, text); // the core's words, kept as they are
            showPageItem(item);
            item->setForeground(good ? QColor(0, 110, 0) : QColor(180, 0, 0));
        }
    }
}

void DiffWindow::updateWriteButton() {
    if (write_ != nullptr) {
        write_->setEnabled(pageList_->isEnabled() && !selectedPages().empty());
    }
}

void DiffWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(rowsAsText());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace motiview

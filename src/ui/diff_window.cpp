#include "ui/diff_window.h"

#include "base/qt/text.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
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

QString plural(std::size_t n, const char* word) {
    return QStringLiteral("%1 %2%3")
        .arg(n)
        .arg(QLatin1String(word))
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}

constexpr int kPageRole = Qt::UserRole;
constexpr int kBaseTextRole = Qt::UserRole + 1;

} // namespace

DiffWindow::DiffWindow(Mode mode, const QString& fileName, std::vector<DiffRow> rows,
                       std::vector<PageId> pages, QWidget* parent)
    : QWidget(parent, Qt::Window), mode_(mode), rows_(std::move(rows)), pages_(std::move(pages)) {
    setObjectName(mode_ == Mode::Compare ? QStringLiteral("frmCompare")
                                         : QStringLiteral("frmRestore"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(mode_ == Mode::Compare ? QStringLiteral("Compare with %1").arg(fileName)
                                          : QStringLiteral("Restore from %1").arg(fileName));

    summary_ = new QLabel(summary(), this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    buildTable();

    auto* copy = new QPushButton(QStringLiteral("Copy rows"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->setEnabled(!rows_.empty());
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(rowsAsText()); });
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(summary_);
    if (mode_ == Mode::Restore) {
        buildPageList();
        auto* split = new QSplitter(Qt::Horizontal, this);
        auto* left = new QWidget(split);
        auto* leftLayout = new QVBoxLayout(left);
        leftLayout->setContentsMargins(0, 0, 0, 0);
        leftLayout->addWidget(new QLabel(QStringLiteral("Pages to write:"), left));
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
    buttons->addWidget(close);
    outer->addLayout(buttons);
    resize(mode_ == Mode::Restore ? 900 : 720, 480);
}

void DiffWindow::buildTable() {
    table_ = new QTableWidget(static_cast<int>(rows_.size()), 4, this);
    table_->setObjectName(QStringLiteral("tblDifferences"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Page"), QStringLiteral("Field"), QStringLiteral("Controller"),
         mode_ == Mode::Compare ? QStringLiteral("File") : QStringLiteral("To write")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const DiffRow& d = rows_[static_cast<std::size_t>(r)];
        const QString cells[] = {qs(page_title(page_schema(d.page))), d.caption, d.controller,
                                 d.file};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 1) {
                item->setToolTip(d.field);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("Copy rows"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(rowsAsText()); });
    table_->addAction(copy);
}

void DiffWindow::buildPageList() {
    pageList_ = new QListWidget(this);
    pageList_->setObjectName(QStringLiteral("lstPages"));
    for (PageId page : pages_) {
        const int n = differencesOn(page);
        const QString text = qs(page_title(page_schema(page))) + QStringLiteral(" - ") +
                             (n == 0 ? QStringLiteral("no difference")
                                     : plural(static_cast<std::size_t>(n), "difference"));
        auto* item = new QListWidgetItem(text, pageList_);
        item->setData(kPageRole, static_cast<int>(page));
        item->setData(kBaseTextRole, text);
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
    if (identity != pages_.end()) {
        warning_->setText(
            QStringLiteral("%1 carries the controller's identity and is not ticked. When it is "
                           "written, the controller keeps its own serial number.")
                .arg(qs(page_title(page_schema(*identity)))));
    }
    warning_->setVisible(identity != pages_.end());

    write_ = new QPushButton(QStringLiteral("Write selected pages"), this);
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
                   ? QStringLiteral("The controller holds what the file holds.")
                   : QStringLiteral("The controller already holds what the file holds; there "
                                    "is nothing to write.");
    }
    std::set<PageId> differing;
    for (const DiffRow& d : rows_) {
        differing.insert(d.page);
    }
    QString text = QStringLiteral("%1 differ%2 on %3.")
                       .arg(plural(rows_.size(), "field"))
                       .arg(rows_.size() == 1 ? QStringLiteral("s") : QString())
                       .arg(plural(differing.size(), "page"));
    QStringList same;
    for (PageId page : pages_) {
        if (!differing.contains(page)) {
            same << qs(page_title(page_schema(page)));
        }
    }
    if (!same.isEmpty() && mode_ == Mode::Restore) {
        // A restore run again after a cut writes only what still differs.
        text += QStringLiteral(" %1 already hold%2 the file: %3.")
                    .arg(plural(static_cast<std::size_t>(same.size()), "page"))
                    .arg(same.size() == 1 ? QStringLiteral("s") : QString())
                    .arg(same.join(QStringLiteral(", ")));
    } else if (!same.isEmpty()) {
        text += QStringLiteral(" No difference on: ") + same.join(QStringLiteral(", ")) +
                QStringLiteral(".");
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
            item->setText(item->data(kBaseTextRole).toString() + QStringLiteral(": ") + text);
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

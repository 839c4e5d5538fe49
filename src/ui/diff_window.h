#pragma once
// The controller beside a parameter file: one row per field that differs (page, caption, what
// the controller holds, what the file holds), the pages without a difference on one line, rows
// copied as text. For a restore it also lists the pages with a check box each and writes the
// chosen ones; the window that owns the session reports back page by page.

#include "pages/page_schema.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QEvent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace motiview {

struct DiffRow {
    PageId page;
    QString field;   // control name
    QString caption; // the core's English caption; shown in the window's language
    QString controller;
    QString file;
};

class DiffWindow final : public QWidget {
    Q_OBJECT
  public:
    enum class Mode : std::uint8_t { Compare, Restore };

    // `pages`: the pages the file carries, in the order they are written.
    DiffWindow(Mode mode, const QString& fileName, std::vector<DiffRow> rows,
               std::vector<PageId> pages, QWidget* parent = nullptr);

    [[nodiscard]] Mode mode() const { return mode_; }
    [[nodiscard]] const std::vector<DiffRow>& rows() const { return rows_; }
    // The pages whose check box is ticked, in the file's order.
    [[nodiscard]] std::vector<PageId> selectedPages() const;
    void setPageChecked(PageId page, bool checked);
    // Tab-separated rows (the selected ones, or all when none is selected) with a header line;
    // in English whatever the window shows, like every text the program writes out.
    [[nodiscard]] QString rowsAsText() const;
    [[nodiscard]] QString summary() const;

    // While pages are written the list and the button are locked.
    void setWriting(bool writing);
    // What became of one page: "verified", "read-back differs: ...", "not written: ...".
    void setPageOutcome(PageId page, const QString& text, bool good);

  signals:
    void writeRequested(const std::vector<motiview::PageId>& pages);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* e) override;

  private:
    void applyCaptions();
    void buildTable();
    void buildPageList();
    void showPageItem(QListWidgetItem* item) const;
    void updateWriteButton();
    [[nodiscard]] int differencesOn(PageId page) const;

    Mode mode_;
    QString fileName_;
    QString shownTitle_; // the title last set here; an owner's own title is left alone
    std::vector<DiffRow> rows_;
    std::vector<PageId> pages_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QAction* copyRows_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* pagesToWrite_ = nullptr;
    QListWidget* pageList_ = nullptr;
    QLabel* warning_ = nullptr;
    QPushButton* write_ = nullptr;
};

} // namespace motiview

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

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace motiview {

struct DiffRow {
    PageId page;
    QString field; // control name
    QString caption;
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
    // Tab-separated rows (the selected ones, or all when none is selected) with a header line.
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

  private:
    void buildTable();
    void buildPageList();
    void updateWriteButton();
    [[nodiscard]] int differencesOn(PageId page) const;

    Mode mode_;
    std::vector<DiffRow> rows_;
    std::vector<PageId> pages_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QListWidget* pageList_ = nullptr;
    QLabel* warning_ = nullptr;
    QPushButton* write_ = nullptr;
};

} // namespace motiview

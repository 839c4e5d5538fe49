// The service history window on a real history file: the controllers newest visit first with
// their counts, the filter, one controller's time line, comparing two snapshots, exporting one,
// handing one to the restore flow, reading the store again, and a store that cannot be read.
#include "history/history_store.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h"
#include "ui/history_window.h"

#include "block_store.h"
#include "case_names.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

using namespace motiview;
using motiview::test::ByLabel;

namespace {

constexpr const char* kWorkshop = "1302-13-27-1-26"; // three visits, one job
constexpr const char* kFleet = "1302-13-28-2-26";    // met last
constexpr const char* kVan = "1410-14-2-9-31";       // met first, never read

std::int64_t at(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute)).toMSecsSinceEpoch();
}

// The parameter file a save of a controller holding these texts writes.
std::string file_with(std::vector<std::string> texts) {
    for (const char* identity :
         {"hardware.txtProjectNum=1302", "hardware.txtYearNum=13", "hardware.txtWeekNum=27",
          "hardware.txtSNNum=1", "hardware.txtCustomerNum=26"}) {
        texts.emplace_back(identity);
    }
    const Result<sim::BlockStore> blocks = sim::BlockStore::with_texts(texts);
    EXPECT_TRUE(blocks.ok()) << (blocks.ok() ? "" : blocks.error().message);
    ParameterSet set;
    set.created = "2026-03-01T09:31:00.000+00:00";
    set.tool = "test";
    for (PageId id : kAllPages) {
        set.pages.push_back(entry_from_reply(id, blocks.ok() ? blocks->block(id) : Unit{}));
    }
    return write_parameter_file(set);
}

struct History {
    QTemporaryDir dir;
    std::unique_ptr<HistoryStore> store;
    std::string asFound = file_with({"basic.txtMaxspeed=4000"});
    std::string afterRestore = file_with({"basic.txtMaxspeed=4321"});
    std::string backup = file_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80"});
    std::int64_t asFoundId = 0;
    std::int64_t afterRestoreId = 0;
    std::int64_t backupId = 0;

    History() {
        Result<std::unique_ptr<HistoryStore>> opened =
            HistoryStore::open(dir.filePath(QStringLiteral("history.sqlite")).toStdString());
        EXPECT_TRUE(opened.ok()) << (opened.ok() ? "" : opened.error().message);
        store = std::move(opened).value();

        check(store->see_controller(kVan, "Delivery van", at(1, 8, 0)));
        check(store->see_controller(kWorkshop, "WORKSHOP 7", at(1, 9, 30)));
        check(store->see_controller(kWorkshop, "WORKSHOP 7", at(2, 14, 5)));
        check(store->see_controller(kFleet, "FLEET NORTH", at(3, 7, 45)));

        JobRecord job;
        job.serial = kWorkshop;
        job.number = "2026-0042";
        job.technician = "M. Keller";
        job.vehicle = "Van 12";
        job.startedMs = at(1, 9, 30);
        job.finishedMs = at(1, 10, 0);
        job.state = std::string(kJobFinished);
        const std::int64_t jobId = value(store->add_job(job));
        asFoundId =
            *value(store->add_snapshot(kWorkshop, at(1, 9, 31), "as found", jobId, asFound));
        event(kWorkshop, at(1, 9, 40), jobId, "write", "Basic: max speed 4000 -> 4321");
        afterRestoreId = *value(
            store->add_snapshot(kWorkshop, at(1, 9, 41), "after restore", jobId, afterRestore));
        backupId = *value(store->add_snapshot(kWorkshop, at(2, 14, 5), "backup", {}, backup));
        event(kWorkshop, at(2, 14, 6), {}, "faults", "Over-voltage came");
        (void)value(store->add_snapshot(kFleet, at(3, 7, 45), "backup", {}, backup));
    }

    template <class T> static T value(Result<T> r) {
        EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
        return r.ok() ? std::move(r).value() : T{};
    }
    static void check(const Result<bool>& r) { EXPECT_TRUE(r.ok()) << r.error().message; }

    void event(const char* serial, std::int64_t time, std::optional<std::int64_t> job,
               const char* kind, const char* summary) {
        EventRecord e;
        e.serial = serial;
        e.timeMs = time;
        e.job = job;
        e.kind = kind;
        e.summary = summary;
        e.detail = "{}";
        (void)value(store->add_event(e));
    }
};

QStringList column(const QTableWidget& table, int c, bool visibleOnly = false) {
    QStringList out;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (!visibleOnly || !table.isRowHidden(r)) {
            out << table.item(r, c)->text();
        }
    }
    return out;
}

QPushButton* button(const HistoryWindow& w, const char* name) {
    return w.findChild<QPushButton*>(QLatin1String(name));
}

// Selects these rows of the time line as ctrl-clicks would, nothing else.
void choose(HistoryWindow& w, std::initializer_list<int> rows) {
    QTableWidget* t = w.timelineTable();
    t->clearSelection();
    for (int r : rows) {
        t->selectionModel()->select(t->model()->index(r, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QMessageBox* shown_message(const HistoryWindow& w) {
    for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// The workshop controller's time line, newest first.
enum TimelineRow { FaultsRow, BackupRow, AfterRestoreRow, WriteRow, AsFoundRow, JobRow };

} // namespace

TEST(HistoryWindow, ListsControllersNewestVisitFirstWithTheirCounts) {
    History h;
    HistoryWindow w(*h.store);
    const QTableWidget& t = *w.controllerTable();
    EXPECT_EQ(w.objectName(), "frmHistory");
    EXPECT_EQ(w.windowTitle(), "Service history");
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(column(t, 0), (QStringList{kFleet, kWorkshop, kVan}));
    EXPECT_EQ(column(t, 1), (QStringList{"FLEET NORTH", "WORKSHOP 7", "Delivery van"}));
    EXPECT_EQ(column(t, 2),
              (QStringList{"2026-03-03 07:45", "2026-03-01 09:30", "2026-03-01 08:00"}));
    EXPECT_EQ(column(t, 3),
              (QStringList{"2026-03-03 07:45", "2026-03-02 14:05", "2026-03-01 08:00"}));
    EXPECT_EQ(column(t, 4), (QStringList{"1", "3", "0"}));
    EXPECT_EQ(column(t, 5), (QStringList{"0", "1", "0"}));
    // The controller met last is shown at once.
    EXPECT_EQ(w.selectedSerial(), kFleet);
    EXPECT_EQ(w.timelineTable()->rowCount(), 1);
    EXPECT_EQ(w.errorText(), "");
}

struct FilterCase {
    const char* what;
    const char* text;
    QStringList shown;
    const char* selected; // the controller whose time line is shown
    int timelineRows;
};

class HistoryFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(HistoryFilter, ShowsTheMatchingControllers) {
    const FilterCase& c = GetParam();
    History h;
    HistoryWindow w(*h.store);
    auto* filter = w.findChild<QLineEdit*>(QStringLiteral("txtHistoryFilter"));
    ASSERT_NE(filter, nullptr);
    QTest::keyClicks(filter, QString::fromUtf8(c.text));
    EXPECT_EQ(column(*w.controllerTable(), 0, true), c.shown);
    EXPECT_EQ(w.selectedSerial().toStdString(), c.selected);
    EXPECT_EQ(w.timelineTable()->rowCount(), c.timelineRows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HistoryFilter,
    ::testing::Values(FilterCase{"serial_part", "27-1", {kWorkshop}, kWorkshop, 6},
                      FilterCase{"user_name_any_case", "fleet", {kFleet}, kFleet, 1},
                      FilterCase{
                          "selection_kept_while_shown", "1302", {kFleet, kWorkshop}, kFleet, 1},
                      FilterCase{"user_name_part", "van", {kVan}, kVan, 0},
                      FilterCase{"nothing", "9999", {}, "", 0}),
    ByLabel<&FilterCase::what>{});

TEST(HistoryWindow, TimelineMergesSnapshotsJobsAndEventsNewestFirst) {
    History h;
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    EXPECT_EQ(w.selectedSerial(), kWorkshop);
    const QTableWidget& t = *w.timelineTable();
    EXPECT_EQ(column(t, 0),
              (QStringList{"2026-03-02 14:06", "2026-03-02 14:05", "2026-03-01 09:41",
                           "2026-03-01 09:40", "2026-03-01 09:31", "2026-03-01 09:30"}));
    EXPECT_EQ(column(t, 1),
              (QStringList{"Faults", "Snapshot", "Snapshot", "Write", "Snapshot", "Job"}));
    EXPECT_EQ(column(t, 2),
              (QStringList{"Over-voltage came", "backup", "after restore, job 2026-0042",
                           "Basic: max speed 4000 -> 4321", "as found, job 2026-0042",
                           "2026-0042, M. Keller, finished"}));

    // A filter that hides the controller is cleared when it is asked for.
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("txtHistoryFilter")), "FLEET");
    ASSERT_EQ(w.selectedSerial(), kFleet);
    w.selectController(kWorkshop);
    EXPECT_EQ(w.selectedSerial(), kWorkshop);
    EXPECT_EQ(column(*w.controllerTable(), 0, true).size(), 3);
}

struct ButtonCase {
    const char* what;
    std::vector<int> rows;
    bool compare;
    bool single; // export and restore
};

class HistoryButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(HistoryButtons, FollowTheSnapshotsChosen) {
    const ButtonCase& c = GetParam();
    History h;
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    QTableWidget* t = w.timelineTable();
    t->clearSelection();
    for (int r : c.rows) {
        t->selectionModel()->select(t->model()->index(r, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    EXPECT_EQ(button(w, "cmdHistoryCompare")->isEnabled(), c.compare);
    EXPECT_EQ(button(w, "cmdHistoryExport")->isEnabled(), c.single);
    EXPECT_EQ(button(w, "cmdHistoryRestore")->isEnabled(), c.single);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, HistoryButtons,
    ::testing::Values(
        ButtonCase{"none", {}, false, false}, ButtonCase{"one_snapshot", {BackupRow}, false, true},
        ButtonCase{"two_snapshots", {BackupRow, AsFoundRow}, true, false},
        ButtonCase{"three_snapshots", {BackupRow, AfterRestoreRow, AsFoundRow}, false, false},
        ButtonCase{"an_event", {WriteRow}, false, false},
        ButtonCase{"a_job_and_a_snapshot", {JobRow, AsFoundRow}, false, true},
        ButtonCase{"two_snapshots_and_a_job", {AfterRestoreRow, AsFoundRow, JobRow}, true, false}),
    ByLabel<&ButtonCase::what>{});

TEST(HistoryWindow, CompareShowsTheOlderSnapshotAgainstTheNewer) {
    History h;
    HistoryWindow w(*h.store);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.selectController(kWorkshop);
    // As a user picks them: a click, then a ctrl-click on the newer one.
    QTableWidget* t = w.timelineTable();
    const auto centre = [t](int row) { return t->visualItemRect(t->item(row, 1)).center(); };
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, centre(AsFoundRow));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(AfterRestoreRow));
    ASSERT_EQ(w.selectedSnapshots(), (std::vector<std::int64_t>{h.afterRestoreId, h.asFoundId}));
    QPushButton* compare = button(w, "cmdHistoryCompare");
    ASSERT_TRUE(compare->isEnabled());
    QTest::mouseClick(compare, Qt::LeftButton);

    DiffWindow* d = w.compareWindow();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->mode(), DiffWindow::Mode::Compare);
    ASSERT_EQ(d->rows().size(), 1U);
    EXPECT_EQ(d->rows()[0].page, PageId::Basic);
    EXPECT_EQ(d->rows()[0].field, "txtMaxspeed");
    EXPECT_EQ(d->rows()[0].controller, "4000"); // the older side
    EXPECT_EQ(d->rows()[0].file, "4321");
    for (const char* part : {"2026-03-01 09:31", "as found", "2026-03-01 09:41", "after restore"}) {
        EXPECT_TRUE(d->windowTitle().contains(QLatin1String(part)))
            << d->windowTitle().toStdString() << " lacks " << part;
    }
    auto* table = d->findChild<QTableWidget*>(QStringLiteral("tblDifferences"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "2026-03-01 09:31 as found");
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "2026-03-01 09:41 after restore");
    d->close();
}

TEST(HistoryWindow, CompareOfEqualSnapshotsSaysSo) {
    History h;
    // The backup, stored again after other content, holds what the first backup held.
    (void)History::value(h.store->add_snapshot(kWorkshop, at(4, 9, 0), "as found", {}, h.asFound));
    (void)History::value(h.store->add_snapshot(kWorkshop, at(4, 9, 5), "backup", {}, h.backup));
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    choose(w, {0, 3}); // the second backup and the first
    w.cmdHistoryCompare_Click();
    ASSERT_NE(w.compareWindow(), nullptr);
    EXPECT_TRUE(w.compareWindow()->rows().empty());
    auto* summary = w.compareWindow()->findChild<QLabel*>(QStringLiteral("lblSummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->text(), "The two snapshots hold the same texts.");
    w.compareWindow()->close();
}

TEST(HistoryWindow, ExportWritesTheSnapshotToTheFileChosen) {
    History h;
    HistoryWindow w(*h.store);
    w.show();
    w.selectController(kWorkshop);
    choose(w, {AfterRestoreRow});
    QTest::mouseClick(button(w, "cmdHistoryExport"), Qt::LeftButton);
    auto* dialog = w.findChild<QFileDialog*>(QStringLiteral("dlgHistoryExport"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(w.exportFileName(h.afterRestoreId),
              QStringLiteral("%1-2026-03-01.json").arg(kWorkshop));
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().front()).fileName(),
              QStringLiteral("%1-2026-03-01.json").arg(kWorkshop));

    const QString path = h.dir.filePath(QStringLiteral("exported.json"));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    const Result<std::string> text = load_file(path.toStdString());
    ASSERT_TRUE(text.ok()) << text.error().message;
    const Result<ParameterSet> exported = read_parameter_file(*text);
    const Result<ParameterSet> stored = read_parameter_file(h.afterRestore);
    ASSERT_TRUE(exported.ok()) << exported.error().message;
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(*exported, *stored);
    EXPECT_EQ(shown_message(w), nullptr);
}

TEST(HistoryWindow, ExportThatCannotWriteSaysWhereAndKeepsTheHistory) {
    History h;
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    const QString path = h.dir.filePath(QStringLiteral("no such folder/x.json"));
    EXPECT_FALSE(w.exportSnapshot(h.backupId, path));
    QMessageBox* box = shown_message(w);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(path)) << box->text().toStdString();
    EXPECT_TRUE(box->text().contains("Nothing was exported")) << box->text().toStdString();
    EXPECT_EQ(w.controllerTable()->item(1, 4)->text(), "3");
    box->close();
}

TEST(HistoryWindow, RestoreHandsTheSnapshotToTheRestoreFlowAsAFile) {
    History h;
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    QSignalSpy requested(&w, &HistoryWindow::restoreRequested);
    choose(w, {AsFoundRow});
    QTest::mouseClick(button(w, "cmdHistoryRestore"), Qt::LeftButton);
    ASSERT_EQ(requested.count(), 1);
    const QString path = requested.front().front().toString();
    EXPECT_EQ(QFileInfo(path).fileName(),
              QStringLiteral("%1-snapshot-%2.json").arg(kWorkshop).arg(h.asFoundId));
    EXPECT_EQ(QFileInfo(path).absolutePath(),
              QFileInfo(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                  .absoluteFilePath());
    const Result<std::string> text = load_file(path.toStdString());
    ASSERT_TRUE(text.ok()) << text.error().message;
    EXPECT_EQ(*text, h.asFound);
    QFile::remove(path);
}

TEST(HistoryWindow, RefreshShowsWhatCameSinceAndKeepsTheChoice) {
    History h;
    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    choose(w, {BackupRow, AsFoundRow});
    const std::vector<std::int64_t> chosen = w.selectedSnapshots();
    ASSERT_EQ(chosen.size(), 2U);

    // The command line meets the controller again meanwhile.
    Result<bool> seen = h.store->see_controller(kWorkshop, "WORKSHOP 7", at(5, 11, 0));
    ASSERT_TRUE(seen.ok());
    h.event(kWorkshop, at(5, 11, 0), {}, "count reset", "Calibration count reset");
    QTest::mouseClick(button(w, "cmdHistoryRefresh"), Qt::LeftButton);

    EXPECT_EQ(column(*w.controllerTable(), 0).front(), kWorkshop);
    EXPECT_EQ(w.selectedSerial(), kWorkshop);
    EXPECT_EQ(w.timelineTable()->item(0, 1)->text(), "Count reset");
    EXPECT_EQ(w.selectedSnapshots(), chosen);
    EXPECT_TRUE(button(w, "cmdHistoryCompare")->isEnabled());
}

struct BrokenCase {
    const char* what;
    const char* sql; // run by another program on the file
    bool listed;     // the controllers are still listed
};

class HistoryBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(HistoryBroken, ShowsTheStoresMessage) {
    const BrokenCase& c = GetParam();
    History h;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(h.store->path().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);

    HistoryWindow w(*h.store);
    w.selectController(kWorkshop);
    auto* label = w.findChild<QLabel*>(QStringLiteral("lblHistoryError"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->isHidden());
    EXPECT_TRUE(label->text().contains(QString::fromStdString(h.store->path())))
        << label->text().toStdString();
    EXPECT_EQ(label->text(), w.errorText());
    EXPECT_EQ(w.controllerTable()->rowCount() > 0, c.listed);
    EXPECT_FALSE(button(w, "cmdHistoryCompare")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, HistoryBroken,
    ::testing::Values(BrokenCase{"controllers_unreadable", "ALTER TABLE controllers RENAME TO gone",
                                 false},
                      BrokenCase{"events_unreadable", "DROP TABLE events", true}),
    ByLabel<&BrokenCase::what>{});

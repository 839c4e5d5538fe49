// The service history, the job dialogs, the service menu items and the service report in the
// window's language: every fixed text follows a language change, what the history and the
// controller hold stays as stored, English after any detour is the original to the byte, and a
// report's content and id are the same in every language.
#include "app/language.h"
#include "app/main_window.h"
#include "app/service_log.h"
#include "history/history_store.h"
#include "jobs/service_events.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "params/parameter_file.h"
#include "report/qt/report_document.h"
#include "report/report_content.h"
#include "ui/diff_window.h"
#include "ui/history_window.h"
#include "ui/job_dialog.h"

#include "block_store.h"
#include "case_names.h"
#include "fake_transport.h"
#include "language_support.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::differences;
using motiview::test::LanguageScope;
using motiview::test::MarkingTranslator;
using motiview::test::Texts;
using motiview::test::texts_of;
using Json = nlohmann::ordered_json;

namespace {

// ---- A translation of every text of these windows ------------------------------------------

// The service windows' own texts; the report's also shows the core's captions.
const std::set<std::string> kWindowContexts = {"motiview::HistoryWindow", "motiview::JobDialog",
                                               "motiview::ServiceLog"};
const std::set<std::string> kReportContexts = {"motiview::Report", "Pages", "Panels"};

// Answers every text of these contexts as "«text»": a check of the caption routines that does
// not wait for the translators. Installed for the scope's duration.
class Bracketing {
  public:
    explicit Bracketing(std::set<std::string> contexts = kWindowContexts)
        : translator_(QStringLiteral("«%1»"), std::move(contexts)) {}

  private:
    MarkingTranslator translator_;
};

// Every table's column headers and cells (with their tips) besides what texts_of() takes: a
// table's two header views carry no names, so texts_of() gives their texts one key, and
// they are taken here from the table instead.
Texts all_texts(const QWidget* root) {
    Texts out;
    for (const auto& [key, text] : texts_of(root)) {
        if (!key.contains(QStringLiteral("#head"))) {
            out[key] = text;
        }
    }
    for (const QTableWidget* t : root->findChildren<QTableWidget*>()) {
        QString path;
        for (const QObject* o = t; o != nullptr && o != root; o = o->parent()) {
            path.prepend(QLatin1Char('/') + o->objectName());
        }
        for (int c = 0; c < t->columnCount(); ++c) {
            if (const QTableWidgetItem* h = t->horizontalHeaderItem(c); h != nullptr) {
                out[path + QStringLiteral("#column%1").arg(c)] = h->text();
            }
            for (int r = 0; r < t->rowCount(); ++r) {
                if (const QTableWidgetItem* i = t->item(r, c); i != nullptr) {
                    const QString key = path + QStringLiteral("#cell%1,%2").arg(r).arg(c);
                    out[key] = i->text();
                    if (!i->toolTip().isEmpty()) {
                        out[key + QStringLiteral("#tip")] = i->toolTip();
                    }
                }
            }
        }
    }
    return out;
}

std::string joined_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l + "\n";
    }
    return out;
}

// ---- The service history window and the job dialogs ----------------------------------------

constexpr const char* kWorkshop = "1302-13-27-1-26";
constexpr const char* kFleet = "1302-13-28-2-26";

std::int64_t at(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute)).toMSecsSinceEpoch();
}

ParameterSet controller_with(std::vector<std::string> texts) {
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
    set.userName = "WORKSHOP 7";
    for (PageId id : kAllPages) {
        set.pages.push_back(entry_from_reply(id, blocks.ok() ? blocks->block(id) : Unit{}));
    }
    return set;
}

// Two controllers; the workshop's with a job, snapshots in and out of it and one event of every
// kind the program keeps.
struct WorkshopHistory {
    QTemporaryDir dir;
    std::unique_ptr<HistoryStore> store;
    std::int64_t asFound = 0;
    std::int64_t afterWrite = 0;
    std::int64_t backup = 0;

    WorkshopHistory() {
        auto opened =
            HistoryStore::open(dir.filePath(QStringLiteral("history.sqlite")).toStdString());
        EXPECT_TRUE(opened.ok()) << (opened.ok() ? "" : opened.error().message);
        store = std::move(opened).value();
        (void)store->see_controller(kFleet, "FLEET NORTH", at(1, 8, 0));
        (void)store->see_controller(kWorkshop, "WORKSHOP 7", at(2, 9, 30));

        JobRecord job;
        job.serial = kWorkshop;
        job.number = "2026-0042";
        job.technician = "M. Keller";
        job.vehicle = "Van 12";
        job.complaint = "Cuts out when climbing.";
        job.workDone = "Max speed raised.";
        job.startedMs = at(2, 9, 30);
        job.finishedMs = at(2, 10, 0);
        job.state = std::string(kJobFinished);
        const std::int64_t jobId = store->add_job(job).value();
        const std::string before =
            write_parameter_file(controller_with({"basic.txtMaxspeed=4000"}));
        const std::string after = write_parameter_file(controller_with({"basic.txtMaxspeed=4321"}));
        const std::string later = write_parameter_file(
            controller_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80"}));
        // A snapshot the same as the one before is not kept again: three different ones.
        asFound =
            store->add_snapshot(kWorkshop, at(2, 9, 31), "as found", jobId, before).value().value();
        afterWrite = store->add_snapshot(kWorkshop, at(2, 9, 41), "after write", jobId, after)
                         .value()
                         .value();
        backup = store->add_snapshot(kWorkshop, at(3, 14, 5), "backup", {}, later).value().value();
        int minute = 32;
        for (const char* kind : {"faults", "write", "hall test", "count reset", "recording"}) {
            EventRecord e;
            e.serial = kWorkshop;
            e.timeMs = at(2, 9, minute++);
            e.job = jobId;
            e.kind = kind;
            e.summary = std::string("what the ") + kind + " was";
            e.detail = "{}";
            EXPECT_TRUE(store->add_event(e).ok());
        }
    }
};

// Rows of the workshop's time line, newest first.
enum Row {
    BackupRow,
    AfterWriteRow,
    RecordingRow,
    ResetRow,
    HallRow,
    WriteRow,
    FaultsRow,
    AsFoundRow,
    JobRow,
    RowCount
};

void choose(HistoryWindow& w, std::initializer_list<int> rows) {
    QTableWidget* t = w.timelineTable();
    t->clearSelection();
    for (int r : rows) {
        t->selectionModel()->select(t->model()->index(r, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// A window as a technician meets it, with whatever it needs kept alive beside it.
struct Shown {
    std::shared_ptr<void> keep;
    std::unique_ptr<QWidget> window;
};

struct ViewCase {
    const char* name;
    std::function<Shown()> make;
    // Entries that the bracketing translation changes: every fixed text the view shows.
    std::size_t translatable;
};

Shown history_window() {
    auto h = std::make_shared<WorkshopHistory>();
    auto w = std::make_unique<HistoryWindow>(*h->store);
    w->selectController(QString::fromLatin1(kWorkshop));
    EXPECT_EQ(w->timelineTable()->rowCount(), RowCount);
    // Two snapshots compared, then one chosen: the view, its headers and the hint all show.
    choose(*w, {AfterWriteRow, AsFoundRow});
    w->cmdHistoryCompare_Click();
    EXPECT_NE(w->compareWindow(), nullptr);
    choose(*w, {BackupRow});
    return {h, std::move(w)};
}

Shown start_dialog() {
    return {nullptr, std::make_unique<JobDialog>(JobDialog::Mode::Start, JobFields{})};
}

Shown finish_dialog() {
    const JobFields f{QStringLiteral("J-7"), QStringLiteral("Ann"), QStringLiteral("Van 12"),
                      QStringLiteral("Cuts out."), QStringLiteral("Hall sensor replaced.")};
    return {nullptr, std::make_unique<JobDialog>(JobDialog::Mode::Finish, f)};
}

// History: title, filter, refresh, nine column headers, the count, the time line's title, its
// nine rows' What, the two job snapshots' "job ...", the job's tip, three buttons, the hint,
// and the difference view's title and its two headers that are not the snapshots'.
// Start: title, four labels, Start and Cancel; Finish: title, five labels, the two buttons.
const ViewCase kViews[] = {
    {"HistoryWindow", history_window, 33},
    {"StartJob", start_dialog, 7},
    {"FinishJob", finish_dialog, 8},
};

class LanguageServiceViews : public ::testing::TestWithParam<ViewCase> {
  protected:
    void TearDown() override {
        (void)install_language(Language::English);
        QApplication::processEvents();
    }
};

TEST_P(LanguageServiceViews, EveryFixedTextFollowsTheLanguageAndStoredTextsStay) {
    const ViewCase& c = GetParam();
    const Shown v = c.make();
    const Texts english = all_texts(v.window.get());
    Texts bracketed;
    {
        const Bracketing b;
        QApplication::processEvents();
        bracketed = all_texts(v.window.get());
    }
    QApplication::processEvents();
    const std::vector<std::string> changed = differences(english, bracketed);
    EXPECT_EQ(changed.size(), c.translatable) << joined_lines(changed);
    // What the store and the technician hold is never a translation's.
    for (const auto& [key, text] : english) {
        const auto other = bracketed.find(key);
        ASSERT_NE(other, bracketed.end()) << key.toStdString();
        for (const char* stored : {kWorkshop, "WORKSHOP 7", "M. Keller", "what the write was",
                                   "after write", "finished", "Van 12", "Ann"}) {
            if (text.contains(QLatin1String(stored))) {
                EXPECT_TRUE(other->second.contains(QLatin1String(stored)))
                    << key.toStdString() << ": " << other->second.toStdString();
            }
        }
    }
    EXPECT_TRUE(differences(english, all_texts(v.window.get())).empty())
        << joined_lines(differences(english, all_texts(v.window.get())));
}

TEST_P(LanguageServiceViews, EnglishAfterDeutschAndChineseIsTheOriginalToTheByte) {
    const ViewCase& c = GetParam();
    const Shown v = c.make();
    const auto* history = qobject_cast<HistoryWindow*>(v.window.get());
    const std::vector<std::int64_t> chosen =
        history != nullptr ? history->selectedSnapshots() : std::vector<std::int64_t>{};
    const Texts english = all_texts(v.window.get());
    const LanguageScope scope;
    ASSERT_TRUE(LanguageScope::use(Language::German));
    const std::vector<std::string> german = differences(english, all_texts(v.window.get()));
    EXPECT_GE(german.size(), (c.translatable + 2) / 3) << joined_lines(german); // a third
    ASSERT_TRUE(LanguageScope::use(Language::Chinese));
    ASSERT_TRUE(LanguageScope::use(Language::English));
    const std::vector<std::string> changed = differences(english, all_texts(v.window.get()));
    EXPECT_TRUE(changed.empty()) << joined_lines(changed);
    if (history != nullptr) {
        // The texts change in place: what was chosen stays chosen.
        EXPECT_EQ(history->selectedSnapshots(), chosen);
    }
}

INSTANTIATE_TEST_SUITE_P(Views, LanguageServiceViews, ::testing::ValuesIn(kViews),
                         ByLabel<&ViewCase::name>{});

TEST(LanguageServiceJobDialog, TheButtonsKeepTheirWordsAfterTheBoxPutsBackItsOwn) {
    const LanguageScope scope;
    for (const JobDialog::Mode mode : {JobDialog::Mode::Start, JobDialog::Mode::Finish}) {
        JobDialog d(mode, {});
        QPushButton* ok = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QPushButton* cancel = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        const QString okText = ok->text();
        const QString cancelText = cancel->text();
        EXPECT_NE(okText, QStringLiteral("OK"));
        {
            const Bracketing b;
            QApplication::processEvents();
            EXPECT_EQ(ok->text(), QStringLiteral("«%1»").arg(okText));
            EXPECT_EQ(cancel->text(), QStringLiteral("«Cancel»"));
        }
        QApplication::processEvents();
        EXPECT_EQ(ok->text(), okText);
        EXPECT_EQ(cancel->text(), cancelText); // the platform's own again
    }
}

// ---- The service menu items --------------------------------------------------------------

struct Shell {
    QTemporaryDir dir;
    test::FakeTransport port;
    QSettings settings{dir.filePath(QStringLiteral("motiview.ini")), QSettings::IniFormat};
    MainWindow window{port, nullptr, &settings};

    [[nodiscard]] ServiceLog& service() { return *window.serviceLog(); }
    [[nodiscard]] QString history() const { return dir.filePath(QStringLiteral("h.sqlite")); }

    // The four items, the start item's tip and the title's job part, as the main window shows
    // them once it has asked for the captions again.
    Texts texts() {
        service().applyCaptions();
        Texts out;
        for (const char* name : {"Menu_File_StartJob", "Menu_File_FinishJob",
                                 "Menu_Option_KeepHistory", "Menu_View_History"}) {
            const auto* a = window.findChild<QAction*>(QLatin1String(name));
            if (a == nullptr) {
                ADD_FAILURE() << name << " missing";
                continue;
            }
            out[QLatin1String(name)] = a->text();
            out[QLatin1String(name) + QStringLiteral("#tip")] = a->toolTip();
        }
        out[QStringLiteral("#suffix")] = service().titleSuffix();
        return out;
    }
};

struct MenuCase {
    const char* name;
    bool keeping; // off: Start job... tells why it cannot be used
    bool job;     // on: the title names the job
    std::size_t translatable;
};

// Four items and their tips (Start job...'s own, else each item's text as Qt makes one of it),
// and the title's job part when there is a job.
const MenuCase kMenus[] = {
    {"KeepingOff", false, false, 8},
    {"JobUnderWay", true, true, 9},
};

class LanguageServiceMenu : public ::testing::TestWithParam<MenuCase> {
  protected:
    void TearDown() override {
        (void)install_language(Language::English);
        QApplication::processEvents();
    }
};

Shell& prepared(Shell& s, const MenuCase& c) {
    EXPECT_TRUE(s.window.useHistory(s.history()));
    s.service().setKeeping(c.keeping);
    if (c.job) {
        s.service().beginJob({QStringLiteral("J-1"), QStringLiteral("Ann"), {}, {}, {}});
    }
    return s;
}

TEST_P(LanguageServiceMenu, CaptionsFollowAndComeBackToTheByte) {
    const MenuCase& c = GetParam();
    Shell s;
    prepared(s, c);
    const Texts english = s.texts();
    EXPECT_EQ(english.at(QStringLiteral("Menu_File_StartJob")), "Start &job...");
    EXPECT_EQ(english.at(QStringLiteral("#suffix")), c.job ? " - job J-1" : "");
    Texts bracketed;
    {
        const Bracketing b;
        QApplication::processEvents();
        bracketed = s.texts();
    }
    const std::vector<std::string> changed = differences(english, bracketed);
    EXPECT_EQ(changed.size(), c.translatable) << joined_lines(changed);
    if (c.job) {
        EXPECT_EQ(bracketed.at(QStringLiteral("#suffix")), "« - job J-1»"); // the number as is
    }

    const LanguageScope scope;
    ASSERT_TRUE(LanguageScope::use(Language::German));
    EXPECT_GE(differences(english, s.texts()).size(), (c.translatable + 2) / 3);
    ASSERT_TRUE(LanguageScope::use(Language::Chinese));
    ASSERT_TRUE(LanguageScope::use(Language::English));
    EXPECT_TRUE(differences(english, s.texts()).empty())
        << joined_lines(differences(english, s.texts()));
}

INSTANTIATE_TEST_SUITE_P(States, LanguageServiceMenu, ::testing::ValuesIn(kMenus),
                         ByLabel<&MenuCase::name>{});

TEST(LanguageServiceMessages, AreBuiltInTheLanguageShownThenAndKeepTheStoresWords) {
    Shell s;
    {
        QFile f(s.history());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    const Bracketing b;
    EXPECT_FALSE(s.window.useHistory(s.history()));
    QMessageBox* box = s.service().lastMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "«Service history»");
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("«The service history cannot be used: ")))
        << box->text().toStdString();
    // The store's own reason, with the file's name in it, inside.
    EXPECT_TRUE(box->text().contains(s.history())) << box->text().toStdString();
}

// ---- The service report ------------------------------------------------------------------

constexpr std::int64_t kStart = 1796032800000; // 2026-11-30 10:00 UTC
constexpr std::int64_t kMinute = 60000;

std::string utc(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
        .toStdString();
}

Unit status(std::uint16_t current, double vdc) {
    StatusValues v;
    v.set(StatusField::CurrentFaults, current);
    v.set(StatusField::Vdc, stored_for(StatusField::Vdc, vdc));
    v.set(StatusField::State, 3);
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[31] = kEndByte;
    write_status(v, u);
    return u;
}

// A job with a parameter changed, a write, a hall test, a count reset and a recording whose
// file is gone.
Json workshop_report() {
    ReportInput in;
    in.job.id = 1;
    in.job.serial = kWorkshop;
    in.job.number = "2026-0042";
    in.job.technician = "A. Weber";
    in.job.vehicle = "Cargo bike";
    in.job.complaint = "Cuts out when climbing.";
    in.job.workDone = "Max speed raised.";
    in.job.startedMs = kStart;
    in.job.finishedMs = kStart + 45 * kMinute;
    in.job.state = std::string(kJobFinished);
    in.tool = "2.0.0.7";
    in.createdMs = kStart + 46 * kMinute;
    in.found = controller_with({});
    in.left = controller_with({"basic.txtMaxspeed=4600"});
    in.statusFound = status(0x0020, 48.2);
    in.statusLeft = status(0, 48.6);
    in.comparedWith = "as found at the start of the job";
    const Unit& before = in.found->pages.front().reply.value();
    const Unit& after = in.left->pages.front().reply.value();
    int minute = 0;
    for (const ServiceEvent& e : {*fault_event(FaultWord::Current, 0x0020, 0),
                                  write_event(PageId::Basic, before, after, "written, verified"),
                                  hall_test_event("a", "passed"), count_reset_event("done"),
                                  recording_event("/nowhere/ride.csv", 12.5, 125)}) {
        in.events.push_back(
            {0, kWorkshop, kStart + (++minute) * kMinute, 1, e.kind, e.summary, e.detail});
    }
    return report_content(in, utc);
}

// The report's headings and fixed words in this job's report, in English.
const char* const kReportWords[] = {"Service report, job 2026-0042",
                                    "Technician",
                                    "Vehicle / customer",
                                    "Controller",
                                    "Serial number",
                                    "Compared with",
                                    "Faults",
                                    "Faults during the job",
                                    "Parameters changed",
                                    "Writes",
                                    "Hall tests",
                                    "Calibration count resets",
                                    "Live values",
                                    "Recordings",
                                    "(file not found, no plot)",
                                    "Signature",
                                    "Date",
                                    "Customer"};

std::size_t words_missing(const QString& html) {
    std::size_t n = 0;
    for (const char* w : kReportWords) {
        n += html.contains(QString::fromUtf8(w)) ? 0U : 1U;
    }
    return n;
}

class LanguageServiceReport : public ::testing::Test {
  protected:
    void TearDown() override {
        (void)install_language(Language::English);
        QApplication::processEvents();
    }

    struct Written {
        std::string id;
        QByteArray json;
        QByteArray html;
    };
    // The report's id and its JSON and HTML files.
    Written write(const Json& report, const char* name) {
        const QString base = dir.filePath(QString::fromUtf8(name));
        const ReportFiles files{{}, base + QStringLiteral(".html"), base + QStringLiteral(".json")};
        const Result<std::string> id = write_report(report, files);
        EXPECT_TRUE(id.ok()) << (id.ok() ? "" : id.error().message);
        return {id.ok() ? *id : std::string(), bytes(files.json), bytes(files.html)};
    }
    static QByteArray bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    const Json content = workshop_report();
};

TEST_F(LanguageServiceReport, EveryFixedWordIsTranslatedAndTheContentAndIdAreNot) {
    const Written english = write(content, "en");
    ASSERT_EQ(words_missing(QString::fromUtf8(english.html)), 0U);
    Written bracketed;
    {
        const Bracketing b(kReportContexts);
        bracketed = write(content, "bracketed");
    }
    const QString html = QString::fromUtf8(bracketed.html);
    for (const char* w : kReportWords) {
        EXPECT_TRUE(html.contains(QStringLiteral("«%1»").arg(QString::fromUtf8(w)))) << w;
    }
    // The page's and the field's captions and the live values' as the window shows them.
    EXPECT_TRUE(html.contains(QStringLiteral("«Max speed[rpm]»")));
    EXPECT_TRUE(html.contains(QStringLiteral("«Vdc[V]»")));
    // What was stored and read stays as it was.
    for (const char* stored : {"A. Weber", "Cargo bike", "as found at the start of the job",
                               "hall test a: passed", "4600", "finished"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(stored))) << stored;
        EXPECT_FALSE(html.contains(QStringLiteral("«%1»").arg(QString::fromUtf8(stored))))
            << stored;
    }
    EXPECT_EQ(bracketed.id, english.id);
    EXPECT_EQ(bracketed.json, english.json);
    EXPECT_EQ(report_id(content), english.id);
}

TEST_F(LanguageServiceReport, EnglishAfterDeutschIsTheOriginalToTheByteWithOneContentAndId) {
    const QString before = report_html(content);
    const Written english = write(content, "en");
    const LanguageScope scope;
    ASSERT_TRUE(LanguageScope::use(Language::German));
    const Written german = write(content, "de");
    // Most headings read differently; the content and its id do not.
    EXPECT_NE(report_html(content), before);
    constexpr std::size_t kThird = (std::size(kReportWords) + 2) / 3;
    EXPECT_GE(words_missing(report_html(content)), kThird);
    EXPECT_EQ(german.id, english.id);
    EXPECT_EQ(german.json, english.json);
    EXPECT_EQ(report_id(content), english.id);
    ASSERT_TRUE(LanguageScope::use(Language::English));
    EXPECT_EQ(report_html(content), before);
    EXPECT_EQ(write(content, "en-again").html, english.html);
}

// The PDF's footer, drawn rather than laid out, is the report's words too.
TEST_F(LanguageServiceReport, ThePdfFooterIsInTheLanguageShown) {
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    {
        const Bracketing b(kReportContexts);
        const Result<std::string> id = write_report(content, ReportFiles{pdf, {}, {}});
        ASSERT_TRUE(id.ok()) << (id.ok() ? "" : id.error().message);
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.errorString().toStdString();
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("«Page 1 of"))) << text.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral("«report id %1»").arg(QString::fromStdString(report_id(content)))))
        << text.toStdString();
}

} // namespace

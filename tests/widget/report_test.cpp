// The service report drawn: what the customer's PDF says (read back with pdftotext), the id
// anyone can check against the JSON file, escaping of whatever the controller and the
// technician typed, files written whole or not at all, and the recordings' plots.
#include "jobs/service_events.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "params/parameter_file.h"
#include "report/qt/report_document.h"
#include "report/report_content.h"
#include "test_support.h"

#include "block_store.h"
#include "case_names.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>

using namespace motiview;
using Json = nlohmann::ordered_json;

namespace {

constexpr std::int64_t kStart = 1796032800000; // 2026-11-30 10:00 UTC
constexpr std::int64_t kMinute = 60000;
constexpr const char* kSerial = "2207-24-0-4711-42";

std::string time_text(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
        .toStdString();
}

ParameterSet read_controller(const std::vector<std::string>& texts) {
    const auto store = sim::BlockStore::with_texts(texts);
    EXPECT_TRUE(store.ok()) << (store.ok() ? "" : store.error().message);
    ParameterSet set;
    set.created = "2026-11-30T10:00:00.000+00:00";
    set.tool = "2.0.0.7";
    set.userName = "WORKSHOP 7";
    for (const PageId page : kAllPages) {
        set.pages.push_back(entry_from_reply(page, store.ok() ? store->block(page) : Unit{}));
    }
    return set;
}

Unit status(std::uint16_t current, std::uint16_t history, double vdc = 48.2, double speed = 0,
            double idc = 0) {
    StatusValues v;
    v.set(StatusField::CurrentFaults, current);
    v.set(StatusField::HistoryFaults, history);
    v.set(StatusField::Vdc, stored_for(StatusField::Vdc, vdc));
    v.set(StatusField::Speed, stored_for(StatusField::Speed, speed));
    v.set(StatusField::Idc, stored_for(StatusField::Idc, idc));
    v.set(StatusField::State, 3);
    return test::status_frame_of(v);
}

constexpr std::uint16_t kOverCurrent = 0x0020;
constexpr std::uint16_t kHall = 0x0402;

EventRecord event(const ServiceEvent& e, std::int64_t timeMs) {
    return EventRecord{0, kSerial, timeMs, 1, e.kind, e.summary, e.detail};
}

// A job on a controller that cut out under load: the max speed raised, an over-current that
// went away, one hall test.
ReportInput workshop_job() {
    ReportInput in;
    in.job.id = 1;
    in.job.serial = kSerial;
    in.job.number = "2026-0042";
    in.job.technician = "A. Weber";
    in.job.vehicle = "Cargo bike, customer Jansen";
    in.job.complaint = "Cuts out when climbing.";
    in.job.workDone = "Max speed raised; hall sensors tested.";
    in.job.startedMs = kStart;
    in.job.finishedMs = kStart + 45 * kMinute;
    in.job.state = std::string(kJobFinished);
    in.tool = "2.0.0.7";
    in.createdMs = kStart + 46 * kMinute;
    in.found = read_controller({});
    in.left = read_controller({"basic.txtMaxspeed=4600"});
    in.statusFound = status(kOverCurrent, kOverCurrent | kHall);
    in.statusLeft = status(0, kOverCurrent | kHall, 48.6);
    in.comparedWith = "as found at the start of the job";
    const Unit& before = in.found->pages.front().reply.value();
    const Unit& after = in.left->pages.front().reply.value();
    in.events = {
        event(*fault_event(FaultWord::Current, kOverCurrent, 0), kStart + 5 * kMinute),
        event(write_event(PageId::Basic, before, after, "written, verified"),
              kStart + 10 * kMinute),
        event(hall_test_event("a", "passed"), kStart + 20 * kMinute),
    };
    return in;
}

Json content_of(const ReportInput& in) {
    return report_content(in, time_text);
}

// The text of a PDF's pages as pdftotext lays it out; all pages when `page` is 0.
std::string pdf_text(const QString& pdf, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) {
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    }
    args << pdf << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) failed on " << pdf.toStdString() << ": "
                      << p.errorString().toStdString() << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput().toStdString();
}

std::string tool_output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.errorString().toStdString();
        return {};
    }
    return p.readAllStandardOutput().toStdString();
}

// The first line of `text` that holds `head`, from `head` on; "" when none does.
std::string line_with(const std::string& text, std::string_view head) {
    std::size_t at = text.find(head);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find('\n', at);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ReportFilesTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    // Writes the three files as "job.pdf" and friends; the PDF's path.
    QString write(const Json& content, const char* name = "job.pdf") {
        const Result<std::string> id = write_report(content, report_files_beside(path(name)));
        EXPECT_TRUE(id.ok()) << (id.ok() ? "" : id.error().message);
        return path(name);
    }
};

// ---- What the customer reads ----

struct PdfCase {
    const char* name;
    std::function<void(ReportInput&)> change;
    std::vector<std::string> present;
    std::vector<std::string> absent;
    // The line holding .first holds each of .second after it, left to right.
    std::vector<std::pair<std::string, std::vector<std::string>>> lines;
};

class ReportPdf : public ReportFilesTest, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(ReportPdf, SaysWhatWasFoundAndLeft) {
    const PdfCase& c = GetParam();
    ReportInput in = workshop_job();
    c.change(in);
    const std::string text = pdf_text(write(content_of(in)));
    ASSERT_FALSE(text.empty());
    for (const std::string& s : c.present) {
        EXPECT_NE(text.find(s), std::string::npos) << "missing \"" << s << "\" in\n" << text;
    }
    for (const std::string& s : c.absent) {
        EXPECT_EQ(text.find(s), std::string::npos) << "unexpected \"" << s << "\" in\n" << text;
    }
    for (const auto& [head, parts] : c.lines) {
        const std::string line = line_with(text, head);
        ASSERT_FALSE(line.empty()) << "no line starting with " << head << " in\n" << text;
        std::size_t from = 0;
        for (const std::string& part : parts) { // in this order, left to right
            const std::size_t at = line.find(part, from);
            EXPECT_NE(at, std::string::npos) << "\"" << part << "\" not in: " << line;
            from = at == std::string::npos ? from : at + part.size();
        }
    }
}

const PdfCase kPdfCases[] = {
    {"FinishedJob",
     [](ReportInput&) {},
     {"Service report, job 2026-0042", "A. Weber", "Cargo bike, customer Jansen",
      "Cuts out when climbing.", "as found at the start of the job", "WORKSHOP 7", "Page 1 of",
      "current faults went: over-current", "hall test a: passed", "No recording was made."},
     {"No parameter was changed.", "not read", "not completed"},
     {{"Serial number", {kSerial}},
      {"Max speed[rpm]", {"4200", "4600"}},
      {"Current", {"over-current", "none"}},
      {"History", {"hall, over-current", "hall, over-current"}},
      {"Vdc[V]", {"48.20", "48.60"}},
      {"State", {"finished"}}}},
    {"StatusesNotRead",
     [](ReportInput& in) {
         in.statusFound.reset();
         in.statusLeft.reset();
     },
     {},
     {"over-current, "},
     {{"Current", {"not read", "not read"}},
      {"History", {"not read", "not read"}},
      {"Vdc[V]", {"not read", "not read"}}}},
    {"StatusReadOnlyAtTheEnd",
     [](ReportInput& in) { in.statusFound.reset(); },
     {},
     {},
     {{"Current", {"not read", "none"}}, {"History", {"not read", "hall, over-current"}}}},
    {"NothingChanged",
     [](ReportInput& in) { in.left = in.found; },
     {"No parameter was changed."},
     {"Max speed[rpm]"},
     {}},
    {"PagesNotReadAtTheEnd",
     [](ReportInput& in) { in.left.reset(); },
     {"Not read: the parameters were not read"},
     {"No parameter was changed.", "Max speed[rpm]"},
     {{"Serial number", {kSerial}}}},
    {"ControllerNeverRead",
     [](ReportInput& in) {
         in.found.reset();
         in.left.reset();
     },
     {"Not read: the parameters were not read"},
     {kSerial},
     {{"Serial number", {"not read"}}}},
    {"QuietJob",
     [](ReportInput& in) { in.events.clear(); },
     {"No fault came or went.", "No hall test was run.", "No recording was made."},
     {"Writes", "Calibration count resets"},
     {}},
    {"JobNotCompleted",
     [](ReportInput& in) {
         in.job.state = std::string(kJobNotCompleted);
         in.job.finishedMs.reset();
         in.events.push_back(event(count_reset_event("done"), kStart + 30 * kMinute));
     },
     {"Calibration count resets", "calibration count reset: done"},
     {},
     {{"State", {"not completed"}}, {"Finished", {"not finished"}}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReportPdf, ::testing::ValuesIn(kPdfCases),
                         test::ByLabel<&PdfCase::name>{});

// The first `n` fields of the pages as left changed, by hand.
int change_fields(ReportInput& in, int n) {
    int changed = 0;
    for (PageEntry& page : in.left->pages) {
        for (auto& [name, text] : page.fields) {
            if (changed < n) {
                text += "9";
                ++changed;
            }
        }
    }
    return changed;
}

// A long list of changes runs over several pages, each with the table's header on top.
TEST_F(ReportFilesTest, LongChangeListRepeatsItsHeaderOnEveryPage) {
    ReportInput in = workshop_job();
    ASSERT_EQ(change_fields(in, 120), 120);
    const Json content = content_of(in);
    ASSERT_EQ(content["changes"].size(), 120U);

    const QString pdf = write(content);
    const std::string all = pdf_text(pdf);
    ASSERT_NE(all.find("Page 3 of"), std::string::npos) << all;
    for (int page = 2; page <= 3; ++page) {
        const std::string text = pdf_text(pdf, page);
        const std::string header = line_with(text, "Page ");
        EXPECT_NE(header.find("Parameter"), std::string::npos) << "page " << page << ":\n" << text;
        EXPECT_NE(header.find("As found"), std::string::npos) << "page " << page << ":\n" << text;
        EXPECT_NE(header.find("As left"), std::string::npos) << "page " << page << ":\n" << text;
        EXPECT_NE(text.find("Page " + std::to_string(page) + " of"), std::string::npos) << text;
    }
    // Each page holds its own lines only: none from the next page's top, hidden but findable.
    const std::size_t pages = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\f'));
    for (std::size_t page = 1; page <= pages; ++page) {
        const QString text = QString::fromStdString(pdf_text(pdf, static_cast<int>(page)));
        static const QRegularExpression header(QStringLiteral("Page +Parameter +As found"));
        EXPECT_LE(text.count(header), 1) << "page " << page << ":\n" << text.toStdString();
    }
    // The first change and the last are both somewhere: no row is lost at a page break.
    const Json& changes = content["changes"];
    for (const Json& c : {changes.front(), changes.back()}) {
        const std::string line = line_with(all, c["caption"].get<std::string>());
        EXPECT_NE(line.find(c["as_left"].get<std::string>()), std::string::npos) << c.dump() << "\n"
                                                                                 << all;
    }
}

// Wherever the list of changes ends, the signature block is never cut by a page break and no
// line is on two pages.
TEST_F(ReportFilesTest, PageBreaksNeitherCutNorRepeat) {
    int moved = 0;
    for (int n = 20; n <= 64; n += 2) {
        ReportInput in = workshop_job();
        in.events.clear();
        change_fields(in, n);
        const QString pdf = write(content_of(in));
        const std::string text = pdf_text(pdf);
        const std::size_t pages =
            static_cast<std::size_t>(std::count(text.begin(), text.end(), '\f'));
        const std::string last = pdf_text(pdf, static_cast<int>(pages));
        const std::string block = line_with(last, "Technician");
        EXPECT_NE(block.find("Customer"), std::string::npos) << n << " changes:\n" << last;
        EXPECT_NE(last.find("Signature"), std::string::npos) << n << " changes:\n" << last;
        EXPECT_NE(last.find("Date"), std::string::npos) << n << " changes:\n" << last;
        // A heading moved to the top of a page is on that page only, not also (hidden, but
        // findable) at the foot of the page before.
        for (const char* once : {"Hall tests", "No hall test was run.", "Live values", "Recordings",
                                 "No recording was made."}) {
            EXPECT_EQ(QString::fromStdString(text).count(QString::fromUtf8(once)), 1)
                << n << " changes, " << once << ":\n"
                << text;
        }
        // The block alone on its page: it was moved there whole.
        moved += last.find("Live values") == std::string::npos ? 1 : 0;
    }
    EXPECT_GT(moved, 0) << "no length put the block at a page break: the check proved nothing";
}

TEST_F(ReportFilesTest, PdfNamesItsJobAndTool) {
    const std::string info =
        tool_output(QStringLiteral("pdfinfo"), {write(content_of(workshop_job()))});
    EXPECT_NE(info.find("2026-0042"), std::string::npos) << info;
    EXPECT_NE(info.find(kSerial), std::string::npos) << info;
    EXPECT_NE(info.find("motiview 2.0.0.7"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

// ---- The id anyone can check ----

TEST_F(ReportFilesTest, IdIsTheHashOfTheJsonFileWithoutIt) {
    const Json content = content_of(workshop_job());
    const Result<std::string> id = write_report(content, report_files_beside(path("job.pdf")));
    ASSERT_TRUE(id.ok()) << id.error().message;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{8}$"))
                    .match(QString::fromStdString(*id))
                    .hasMatch())
        << *id;

    const QByteArray file = read_file(path("job.json"));
    ASSERT_TRUE(file.endsWith("}\n"));
    ASSERT_TRUE(file.startsWith("{\n  \"report_id\": \"")) << file.left(40).toStdString();
    Json read = Json::parse(file.toStdString());
    EXPECT_EQ(read["report_id"], *id);
    read.erase("report_id");
    const std::string text = read.dump();
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256);
    EXPECT_EQ(hash.toHex().left(8).toStdString(), *id);
    EXPECT_EQ(report_id(content), *id);
    EXPECT_EQ(report_id(read), *id);
    EXPECT_EQ(report_id(with_report_id(content, *id)), *id) << "the id itself is not hashed";

    // The HTML and the PDF carry the same id.
    EXPECT_TRUE(read_file(path("job.html")).contains(QByteArray::fromStdString(*id)));
    EXPECT_NE(pdf_text(path("job.pdf")).find(*id), std::string::npos);
}

TEST(ReportId, ChangesWithTheContent) {
    const std::string base = report_id(content_of(workshop_job()));
    const std::vector<std::pair<const char*, std::function<void(ReportInput&)>>> changes = {
        {"technician", [](ReportInput& in) { in.job.technician = "B. Weber"; }},
        {"value left",
         [](ReportInput& in) { in.left = read_controller({"basic.txtMaxspeed=4700"}); }},
        {"fault left", [](ReportInput& in) { in.statusLeft = status(kHall, kHall); }},
        {"created", [](ReportInput& in) { in.createdMs += kMinute; }},
        {"events", [](ReportInput& in) { in.events.pop_back(); }},
    };
    for (const auto& [what, change] : changes) {
        ReportInput in = workshop_job();
        change(in);
        EXPECT_NE(report_id(content_of(in)), base) << what;
    }
    EXPECT_EQ(report_id(content_of(workshop_job())), base) << "the same content, the same id";
}

// ---- Whatever was typed stays text ----

TEST(ReportHtml, EscapesEveryText) {
    const std::string nasty = "<b>&\"x\" %1";
    const std::vector<std::pair<const char*, std::function<void(ReportInput&)>>> places = {
        {"user name", [&](ReportInput& in) { in.left->userName = nasty; }},
        {"technician", [&](ReportInput& in) { in.job.technician = nasty; }},
        {"complaint", [&](ReportInput& in) { in.job.complaint = nasty; }},
        {"vehicle", [&](ReportInput& in) { in.job.vehicle = nasty; }},
        {"event",
         [&](ReportInput& in) { in.events.push_back(event(hall_test_event("a", nasty), kStart)); }},
        {"recording file",
         [&](ReportInput& in) {
             in.events.push_back(event(recording_event(nasty, 1.0, 10), kStart));
         }},
    };
    for (const auto& [where, change] : places) {
        ReportInput in = workshop_job();
        change(in);
        const QString html = report_html(content_of(in));
        EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;&amp;&quot;x&quot; %1"))) << where;
        EXPECT_FALSE(html.contains(QString::fromStdString(nasty))) << where;
        // What a reader sees is the text as typed.
        QTextDocument doc;
        doc.setHtml(html);
        EXPECT_TRUE(doc.toPlainText().contains(QString::fromStdString(nasty))) << where;
    }
}

TEST(ReportHtml, KeepsTheTechniciansLineBreaks) {
    ReportInput in = workshop_job();
    in.job.workDone = "Hall sensor replaced.\nMax speed raised.";
    const QString html = report_html(content_of(in));
    EXPECT_TRUE(html.contains(QStringLiteral("Hall sensor replaced.<br />Max speed raised.")));
}

// ---- Whole files or none ----

struct WriteFailure {
    const char* name;
    // Makes the folder the report goes to in `dir`; false: this machine cannot refuse it.
    std::function<bool(const QString& dir, QString& folder)> make;
};

class ReportWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(ReportWriteFailure, NamesThePathAndLeavesNoFile) {
    QTemporaryDir dir;
    QString folder;
    if (!GetParam().make(dir.path(), folder)) {
        GTEST_SKIP() << "this user can write into a read-only folder";
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString pdf = folder + QStringLiteral("/job-7.pdf");
    const Result<std::string> r =
        write_report(content_of(workshop_job()), report_files_beside(pdf));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().message.rfind(pdf.toStdString() + ": ", 0), 0U) << r.error().message;
    EXPECT_GT(r.error().message.size(), pdf.size() + 2) << "a reason is given";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (QFileInfo(folder).isDir()) {
        EXPECT_TRUE(QDir(folder).isEmpty()) << QDir(folder).entryList().join(u' ').toStdString();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

const WriteFailure kWriteFailures[] = {
    {"MissingFolder",
     [](const QString& dir, QString& folder) {
         folder = dir + QStringLiteral("/not/there");
         return true;
     }},
    {"FolderIsAFile",
     [](const QString& dir, QString& folder) {
         folder = dir + QStringLiteral("/notes.txt");
         QFile f(folder);
         return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
     }},
    {"ReadOnlyFolder",
     [](const QString& dir, QString& folder) {
         folder = dir + QStringLiteral("/locked");
         QDir().mkdir(folder);
         QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
         QFile probe(folder + QStringLiteral("/probe"));
         if (probe.open(QIODevice::WriteOnly)) { // the superuser writes anyway
             probe.remove();
             return false;
         }
         return true;
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReportWriteFailure, ::testing::ValuesIn(kWriteFailures),
                         test::ByLabel<&WriteFailure::name>{});

TEST_F(ReportFilesTest, WritesOverAnOlderReportWithoutLeftovers) {
    for (const char* name : {"job.pdf", "job.html", "job.json"}) {
        QFile old(path(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x')); // longer than the new files: nothing of it may stay
    }
    write(content_of(workshop_job()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"job.html", "job.json", "job.pdf"}));
    EXPECT_TRUE(read_file(path("job.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(read_file(path("job.pdf")).trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(read_file(path("job.html")).startsWith("<!DOCTYPE html>"));
    EXPECT_FALSE(read_file(path("job.json")).contains('x' + QByteArray(10, 'x')));
}

TEST(ReportFiles, BesideThePdf) {
    const std::vector<std::pair<QString, ReportFiles>> cases = {
        {"job-1.pdf", {"job-1.pdf", "job-1.html", "job-1.json"}},
        {"/srv/reports/Job 2.PDF",
         {"/srv/reports/Job 2.PDF", "/srv/reports/Job 2.html", "/srv/reports/Job 2.json"}},
        {"report", {"report", "report.html", "report.json"}},
        {"", {"", "", ""}},
    };
    for (const auto& [pdf, expected] : cases) {
        const ReportFiles f = report_files_beside(pdf);
        EXPECT_EQ(f.pdf, expected.pdf);
        EXPECT_EQ(f.html, expected.html) << pdf.toStdString();
        EXPECT_EQ(f.json, expected.json) << pdf.toStdString();
    }
}

// ---- Recordings ----

// A recording as the recorder writes it: speed rising, current and voltage following.
QString write_recording(const QString& path, int rows, const char* junk = nullptr) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(record_header() + "\n"));
    for (int i = 0; i < rows; ++i) {
        const Unit frame = status(0, 0, 50.0 - 0.25 * i, 300.0 * i, 2.5 * i);
        f.write(QByteArray::fromStdString(
            record_row(frame, "2026-11-30T10:20:00.000+00:00", 250LL * i) + "\n"));
        if (junk != nullptr && i == 1) {
            f.write(junk);
        }
    }
    return path;
}

struct PlotCase {
    const char* name;
    int rows;         // -1: no file
    const char* junk; // appended in place of rows when rows is 0
    const char* expected;
};

class RecordingInReport : public ReportFilesTest, public ::testing::WithParamInterface<PlotCase> {};

TEST_P(RecordingInReport, PlotOrASayingWhyNot) {
    const PlotCase& c = GetParam();
    const QString csv = path("motor.csv");
    if (c.rows >= 0) {
        write_recording(csv, c.rows);
    }
    if (c.junk != nullptr) {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.junk);
    }
    ReportInput in = workshop_job();
    in.events.push_back(event(recording_event(csv.toStdString(), 12.5, 50), kStart + kMinute));
    const Json content = content_of(in);
    const QString html = report_html(content);
    EXPECT_TRUE(html.contains(QString::fromUtf8(c.expected))) << c.name;
    const bool plotted = QStringView(QString::fromUtf8(c.expected)).startsWith(u"data:image/png");
    EXPECT_EQ(html.contains(QStringLiteral("data:image/png")), plotted);
    EXPECT_TRUE(html.contains(QStringLiteral("12.5 s, 50 rows")));

    // The plot reaches the PDF as an image.
    const QString pdf = write(content);
    const std::string images = tool_output(QStringLiteral("pdfimages"), {"-list", pdf});
    const auto imageRows = std::count(images.begin(), images.end(), '\n');
    EXPECT_EQ(imageRows > 2, plotted) << images;
}

const PlotCase kPlotCases[] = {
    {"Recorded", 8, nullptr, "data:image/png;base64,iVBORw0KGgo"},
    {"FileMissing", -1, nullptr, "(file not found, no plot)"},
    {"NotARecording", 0, "hello\nworld\n", "(file not found, no plot)"},
    {"HeaderOnly", 0, nullptr, "(no rows to plot)"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RecordingInReport, ::testing::ValuesIn(kPlotCases),
                         test::ByLabel<&PlotCase::name>{});

} // namespace

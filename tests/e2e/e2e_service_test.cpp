// Service jobs end to end: the command line's report before and after a write, the history it
// leaves, and the window's job from start to finish, over the simulator on a pseudo-terminal.
#include "cli_run.h"
#include "sim_process.h"

#include "app/service_log.h"
#include "history/history_store.h"
#include "params/parameter_file.h"
#include "ui/page_window.h"

#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace motiview;
using namespace motiview::test;

// The PDF's text as a reader copies it.
QString pdf_text(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QJsonObject json_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                       : QJsonObject();
}

TEST(EndToEndService, AReportAfterAWriteShowsTheChangeSinceTheLastReport) {
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("h.sqlite"));
    const auto report = [&](const char* job) {
        return cli(sim.linkPath(),
                   {QStringLiteral("report"), QStringLiteral("--job"), QString::fromUtf8(job),
                    QStringLiteral("--technician"), QStringLiteral("Ann Example"),
                    QStringLiteral("--out"), dir.filePath(QString::fromUtf8(job) + ".pdf"),
                    QStringLiteral("--json"), dir.filePath(QString::fromUtf8(job) + ".json")},
                   false, history);
    };
    const CliRun first = report("J-100");
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("0 parameters changed since first visit")))
        << first.out.toStdString();

    const CliRun write =
        cli(sim.linkPath(),
            {QStringLiteral("write"), QStringLiteral("basic"), QStringLiteral("txtMaxspeed=3200")},
            false, history);
    ASSERT_EQ(write.code, 0) << write.err.toStdString();

    const CliRun second = report("J-101");
    ASSERT_EQ(second.code, 0) << second.err.toStdString();
    EXPECT_TRUE(second.out.contains(QStringLiteral("1 parameter changed since the report J-100")))
        << second.out.toStdString();

    const QJsonObject content = json_file(dir.filePath(QStringLiteral("J-101.json")));
    const QString serial =
        content[QStringLiteral("controller")][QStringLiteral("serial")].toString();
    ASSERT_FALSE(serial.isEmpty());
    const QJsonArray changes = content[QStringLiteral("changes")].toArray();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][QStringLiteral("field")].toString(), "txtMaxspeed");
    EXPECT_EQ(changes[0][QStringLiteral("as_left")].toString(), "3200");
    const QString asFound = changes[0][QStringLiteral("as_found")].toString();

    const QString text = pdf_text(dir.filePath(QStringLiteral("J-101.pdf")));
    for (const QString& expected :
         {QStringLiteral("J-101"), serial, QStringLiteral("Max speed[rpm]"), asFound,
          QStringLiteral("3200"), QStringLiteral("Ann Example")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }

    // The history holds both reports and the write between them; the newest snapshot is what
    // the controller holds now and restores like any parameter file.
    const CliRun listed =
        cli({}, {QStringLiteral("history"), serial, QStringLiteral("--json")}, false, history);
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    const QJsonObject h = QJsonDocument::fromJson(listed.out.toUtf8()).object();
    EXPECT_EQ(h[QStringLiteral("jobs")].toInt(), 2);
    const QJsonArray events = h[QStringLiteral("events")].toArray();
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events[0][QStringLiteral("text")].toString().contains(QStringLiteral("3200")));

    const QString exported = dir.filePath(QStringLiteral("now.json"));
    const CliRun exp =
        cli({}, {QStringLiteral("history"), serial, QStringLiteral("--export"), exported}, false,
            history);
    ASSERT_EQ(exp.code, 0) << exp.err.toStdString();
    const CliRun dry =
        cli(sim.linkPath(), {QStringLiteral("restore"), exported, QStringLiteral("--dry-run")},
            false, history);
    ASSERT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(QStringLiteral("dry run: 0 written, 10 unchanged")))
        << dry.out.toStdString();
}

TEST(EndToEndService, AHistoryThatCannotBeUsedIsLeftAloneAndTheBackupStillRuns) {
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.sqlite"));
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'z'));
    }
    const QString unused = dir.filePath(QStringLiteral("unused.sqlite"));
    struct Case {
        const char* what;
        QString history;
        QStringList extra;
        bool warned;
    };
    for (const Case& c : {Case{"damaged", damaged, {}, true},
                          Case{"no-history", unused, {QStringLiteral("--no-history")}, false}}) {
        SCOPED_TRACE(c.what);
        const QString file = dir.filePath(QString::fromUtf8(c.what) + ".json");
        const CliRun r = cli(sim.linkPath(), QStringList{QStringLiteral("backup"), file} + c.extra,
                             false, c.history);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(QFile::exists(file));
        EXPECT_EQ(r.err.contains(c.history), c.warned) << r.err.toStdString();
    }
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(8192, 'z'));
    EXPECT_FALSE(QFile::exists(unused));
    // What cannot do without the history says so and stops.
    const CliRun listed = cli({}, {QStringLiteral("history")}, false, damaged);
    EXPECT_EQ(listed.code, 2);
    EXPECT_TRUE(listed.err.contains(damaged)) << listed.err.toStdString();
}

TEST(EndToEndService, TheWindowsJobFromStartToFinishWritesAReportOfTheChange) {
    Rig rig;
    ASSERT_TRUE(rig.sim->started());
    QTemporaryDir dir;
    ASSERT_TRUE(rig.window->useHistory(dir.filePath(QStringLiteral("h.sqlite"))));
    ServiceLog& service = *rig.window->serviceLog();
    ASSERT_TRUE(rig.connect());

    // Online for the first time: the controller is read quietly; no page shows what was read.
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.serial().has_value(); }, 8000));
    for (const PageId id : kAllPages) {
        if (const PageWindow* quiet = rig.window->page(id); quiet != nullptr) {
            EXPECT_FALSE(quiet->isVisible());
            EXPECT_FALSE(quiet->collectState().filled);
        }
    }
    const auto found = service.store()->snapshots(*service.serial());
    ASSERT_TRUE(found.ok());
    ASSERT_EQ(found->size(), 1U);
    EXPECT_EQ(found->front().source, "as found");

    service.beginJob({QStringLiteral("W-7"),
                      QStringLiteral("Bo Tester"),
                      QStringLiteral("Van 3"),
                      QStringLiteral("Loses power uphill"),
                      {}});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return service.job() && service.job()->foundSnapshot; }, 8000));
    EXPECT_TRUE(rig.window->windowTitle().endsWith(QStringLiteral(" - job W-7")));

    // The technician lowers the top speed on its page.
    const QString before = write_top_speed(rig, QStringLiteral("4321"));
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(waitForMessage(QStringLiteral("Basic set successfull!"), 4000),
              "Basic set successfull!");

    service.endJob(QStringLiteral("Top speed lowered"));
    QFileDialog* save = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            save = rig.window->findChild<QFileDialog*>(QStringLiteral("dlgReportFile"));
            return save != nullptr && save->isVisible();
        },
        8000));
    EXPECT_TRUE(save->selectedFiles().value(0).endsWith(
        QStringLiteral("W-7-%1-%2.pdf")
            .arg(QString::fromStdString(*service.serial()),
                 QDate::currentDate().toString(Qt::ISODate))));
    const QString pdf = dir.filePath(QStringLiteral("w7.pdf"));
    save->selectFile(pdf);
    QMetaObject::invokeMethod(save, "accept");
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.lastReport() == pdf; }, 8000));
    EXPECT_FALSE(service.job().has_value());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("w7.html"))));

    const QString text = pdf_text(pdf);
    for (const QString& expected :
         {QStringLiteral("W-7"), QStringLiteral("Bo Tester"), QStringLiteral("Loses power uphill"),
          QStringLiteral("Top speed lowered"), QStringLiteral("Max speed[rpm]"), before,
          QStringLiteral("4321")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();
    }
    const QJsonObject content = json_file(dir.filePath(QStringLiteral("w7.json")));
    EXPECT_EQ(content[QStringLiteral("job")][QStringLiteral("state")].toString(), "finished");
    EXPECT_EQ(content[QStringLiteral("changes")].toArray().size(), 1);
}

} // namespace

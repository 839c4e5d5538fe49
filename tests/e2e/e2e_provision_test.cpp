// The production line end to end: motiview-cli provision against simulators on a
// pseudo-terminal: two units one after another at the same path, a unit whose write is lost, a
// unit with a fault, and a log that cannot be written.
#include "cli_run.h"
#include "sim_process.h"

#include "history/history_store.h"
#include "jobs/provision_log.h"
#include "pages/page_schema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace motiview;
using namespace motiview::test;

// The golden set: a controller holding other values on two pages.
QString make_golden(const QTemporaryDir& dir, std::map<std::string, std::string>& blocks) {
    SimProcess g({QStringLiteral("--set"), QStringLiteral("basic.txtMaxspeed=5100"),
                  QStringLiteral("--set"), QStringLiteral("motor.cboMTherType=KTY83")});
    if (!g.started()) {
        return {};
    }
    const QString file = dir.filePath(QStringLiteral("golden.json"));
    const CliRun r =
        cli(g.linkPath(), {QStringLiteral("backup"), file, QStringLiteral("--no-history")});
    blocks = g.dumped();
    return r.code == 0 ? file : QString();
}

QStringList log_lines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList cells(const QString& line) {
    return line.split(QLatin1Char(','));
}

std::vector<std::string> sources(HistoryStore& h, const std::string& serial) {
    std::vector<std::string> out;
    const Result<std::vector<SnapshotRecord>> list = h.snapshots(serial);
    for (const SnapshotRecord& s : list.value()) {
        out.push_back(s.source);
    }
    return out;
}

TEST(EndToEndProvision, TwoUnitsAtTheSamePathGetTheGoldenBlocksAndOneLogLineEach) {
    QTemporaryDir dir;
    std::map<std::string, std::string> golden;
    const QString file = make_golden(dir, golden);
    ASSERT_FALSE(file.isEmpty());
    const QString link = dir.filePath(QStringLiteral("line-port"));
    const QString log = dir.filePath(QStringLiteral("line.csv"));
    const QString history = dir.filePath(QStringLiteral("h.sqlite"));

    auto first = std::make_unique<SimProcess>(QStringList{}, link);
    ASSERT_TRUE(first->started());
    const auto firstBefore = first->dumped();
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("MOTIVIEW_HISTORY"), history);
    run.setProcessEnvironment(env);
    run.start(QStringLiteral(MOTIVIEW_CLI_PATH),
              {QStringLiteral("provision"), file, QStringLiteral("--port"), link,
               QStringLiteral("--log"), log, QStringLiteral("--repeat"), QStringLiteral("--count"),
               QStringLiteral("2")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return log_lines(log).size() == 2; }, 20000));

    // The first unit is unplugged; another with its own serial number appears at the same path.
    std::map<std::string, std::string> firstAfter = first->blocks();
    first.reset();
    SimProcess second({QStringLiteral("--set"), QStringLiteral("hardware.txtSNNum=815")}, link);
    ASSERT_TRUE(second.started());
    const auto secondBefore = second.dumped();
    ASSERT_TRUE(run.waitForFinished(30000)) << run.readAllStandardError().toStdString();
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(run.readAllStandardError())
                    .contains(QStringLiteral("waiting for the next controller")));

    const QStringList lines = log_lines(log);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString::fromUtf8(kProvisionHeader.data()));
    const QStringList a = cells(lines[1]);
    const QStringList b = cells(lines[2]);
    EXPECT_EQ(a[4], "ok");
    EXPECT_EQ(b[4], "ok");
    EXPECT_EQ(a[5], "2"); // basic and motor
    EXPECT_NE(a[2], b[2]);
    EXPECT_TRUE(b[2].contains(QStringLiteral("815")));
    EXPECT_EQ(b[12], ""); // another serial: no "again" note

    const auto secondAfter = second.blocks();
    for (PageId id : kAllPages) {
        const std::string name(page_schema(id).cliName);
        SCOPED_TRACE(name);
        EXPECT_EQ(firstAfter.at(name),
                  id == PageId::Hardware ? firstBefore.at(name) : golden.at(name));
        EXPECT_EQ(secondAfter.at(name),
                  id == PageId::Hardware ? secondBefore.at(name) : golden.at(name));
    }

    auto store = HistoryStore::open(history.toStdString());
    ASSERT_TRUE(store.ok()) << store.error().message;
    for (const QString& serial : {a[2], b[2]}) {
        SCOPED_TRACE(serial.toStdString());
        EXPECT_EQ(sources(*store.value(), serial.toStdString()),
                  (std::vector<std::string>{"after provisioning", "before provisioning"}));
    }
}

struct Refusal {
    const char* what;
    QStringList simArgs;
    QStringList extra;
    int code;
    const char* verdict;
    const char* failedPage;
};

TEST(EndToEndProvision, AUnitThatFailsOrIsRefusedIsLoggedAndKeepsWhatItHeld) {
    QTemporaryDir dir;
    std::map<std::string, std::string> golden;
    const QString file = make_golden(dir, golden);
    ASSERT_FALSE(file.isEmpty());
    for (const Refusal& c :
         {Refusal{"lost_write",
                  {QStringLiteral("--drop-write"), QStringLiteral("1")},
                  {},
                  4,
                  "failed",
                  "basic"},
          Refusal{"fault",
                  {QStringLiteral("--fault"), QStringLiteral("over-current")},
                  {QStringLiteral("--require-no-faults"), QStringLiteral("--json")},
                  2,
                  "refused",
                  ""}}) {
        SCOPED_TRACE(c.what);
        SimProcess sim(c.simArgs);
        ASSERT_TRUE(sim.started());
        const auto before = sim.dumped();
        const QString log = dir.filePath(QString::fromUtf8(c.what) + ".csv");
        const CliRun r = cli(
            sim.linkPath(),
            QStringList{QStringLiteral("provision"), file, QStringLiteral("--log"), log} + c.extra);
        EXPECT_EQ(r.code, c.code) << r.err.toStdString();
        const QStringList lines = log_lines(log);
        ASSERT_EQ(lines.size(), 2);
        const QStringList line = cells(lines[1]);
        EXPECT_EQ(line[4], c.verdict);
        EXPECT_EQ(line[7], c.failedPage);
        if (QString::fromUtf8(c.what) == "fault") {
            EXPECT_EQ(line[9], "over-current");
            EXPECT_EQ(sim.blocks(), before); // nothing written
            // The same unit as one JSON object on stdout, for a script.
            const QJsonObject j = QJsonDocument::fromJson(r.out.toUtf8()).object();
            EXPECT_EQ(j[QStringLiteral("verdict")].toString(), "refused");
            EXPECT_EQ(j[QStringLiteral("serial")].toString(), line[2]);
            EXPECT_EQ(j[QStringLiteral("current_faults")].toArray().first().toString(),
                      "over-current");
        } else {
            EXPECT_EQ(line[8], "txtMaxspeed");
        }
    }
}

TEST(EndToEndProvision, ALogThatCannotBeWrittenStopsBeforeAnythingIsSent) {
    QTemporaryDir dir;
    std::map<std::string, std::string> golden;
    const QString file = make_golden(dir, golden);
    ASSERT_FALSE(file.isEmpty());
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    const auto before = sim.dumped();
    const QString history = dir.filePath(QStringLiteral("untouched.sqlite"));
    const QString log = dir.filePath(QStringLiteral("no-such-folder/line.csv"));
    const CliRun r =
        cli(sim.linkPath(), {QStringLiteral("provision"), file, QStringLiteral("--log"), log},
            false, history);
    EXPECT_EQ(r.code, 64) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(log)) << r.err.toStdString();
    EXPECT_EQ(sim.blocks(), before);
    EXPECT_FALSE(QFile::exists(history)); // not even the history was opened
}

} // namespace

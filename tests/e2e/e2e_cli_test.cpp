// motiview-cli against the simulator on a pseudo-terminal: backup and restore, write with
// read-back on every page, diff, record, and the exits for a silent line and a forbidden port.

#include "cli_run.h"
#include "sim_process.h"

#include "app/live_tools.h"

#include "monitor/status_record.h"
#include "pages/page_schema.h"
#include "params/parameter_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace motiview;
using namespace motiview::test;

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TEST(EndToEndCli, BackupRestoredOntoAnotherControllerGivesItTheSameBlocks) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.json"));
    std::map<std::string, std::string> saved;
    {
        SimProcess a;
        ASSERT_TRUE(a.started());
        const CliRun r = cli(a.linkPath(), {QStringLiteral("backup"), file});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.endsWith(file + QStringLiteral("\n")));
        saved = a.dumped();
    }
    // Another controller holding other values on several pages, its hardware page too.
    SimProcess b({QStringLiteral("--set"), QStringLiteral("basic.txtMaxspeed=5100"),
                  QStringLiteral("--set"), QStringLiteral("motor.cboMTherType=KTY83"),
                  QStringLiteral("--set"), QStringLiteral("other.txtThrottleH=3.9"),
                  QStringLiteral("--set"), QStringLiteral("hardware.txtSNNum=815"),
                  QStringLiteral("--set"), QStringLiteral("hardware.txtFluxPeriod=9")});
    ASSERT_TRUE(b.started());
    const auto before = b.dumped();
    ASSERT_EQ(before.size(), kPageCount);
    ASSERT_NE(before.at("basic"), saved.at("basic"));
    ASSERT_NE(before.at("hardware"), saved.at("hardware"));

    const CliRun r = cli(b.linkPath(), {QStringLiteral("restore"), file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("hardware: skipped")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("basic: written, verified")));
    const auto after = b.blocks();
    for (PageId id : kAllPages) {
        const std::string name(page_schema(id).cliName);
        SCOPED_TRACE(name);
        EXPECT_EQ(after.at(name), id == PageId::Hardware ? before.at(name) : saved.at(name));
    }

    // With the hardware page: its settings come from the file, its serial number stays.
    const CliRun hw =
        cli(b.linkPath(), {QStringLiteral("restore"), file, QStringLiteral("--include-hardware"),
                           QStringLiteral("--pages"), QStringLiteral("hardware")});
    ASSERT_EQ(hw.code, 0) << hw.err.toStdString();
    EXPECT_TRUE(hw.out.contains(QStringLiteral("serial number is kept")));
    const CliRun now = cli(b.linkPath(), {QStringLiteral("read"), QStringLiteral("hardware")});
    EXPECT_TRUE(now.out.contains(QStringLiteral("txtSNNum=815\n"))) << now.out.toStdString();
    EXPECT_TRUE(now.out.contains(QStringLiteral("txtFluxPeriod=5\n"))) << now.out.toStdString();
}

TEST(EndToEndCli, WriteOfEveryPageIsAcknowledgedReadBackAndStored) {
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        SCOPED_TRACE(std::string(page.cliName));
        const auto before = sim.dumped().at(std::string(page.cliName));
        const CliRun r = cli(sim.linkPath(), {QStringLiteral("write"), q(page.cliName)});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.endsWith(q(page.cliName) + QStringLiteral(": written, verified\n")))
            << r.out.toStdString();
        EXPECT_EQ(sim.blocks().at(std::string(page.cliName)), before);
    }
    const CliRun edit = cli(sim.linkPath(), {QStringLiteral("write"), QStringLiteral("basic"),
                                             QStringLiteral("txtMaxspeed=4321.9")});
    EXPECT_EQ(edit.code, 0) << edit.err.toStdString();
    EXPECT_TRUE(edit.out.contains(QStringLiteral("txtMaxspeed (Max speed[rpm]): 4200 -> 4321")))
        << edit.out.toStdString();
    const CliRun refused = cli(sim.linkPath(), {QStringLiteral("write"), QStringLiteral("basic"),
                                                QStringLiteral("txtEcospeed=fast")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("txtEcospeed")));
}

TEST(EndToEndCli, DiffOfABackupAgainstItsControllerAndItselfIsEmpty) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.json"));
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    ASSERT_EQ(cli(sim.linkPath(), {QStringLiteral("backup"), file}).code, 0);
    const CliRun live = cli(sim.linkPath(), {QStringLiteral("diff"), file});
    EXPECT_EQ(live.code, 0) << live.err.toStdString();
    EXPECT_EQ(live.out, QString());
    const CliRun files = cli(QString(), {QStringLiteral("diff"), file, file});
    EXPECT_EQ(files.code, 0);
    EXPECT_EQ(files.out, QString());
    // One change on the controller shows up as one line.
    ASSERT_EQ(cli(sim.linkPath(), {QStringLiteral("write"), QStringLiteral("reference"),
                                   QStringLiteral("txtVoltageH=90")})
                  .code,
              0);
    const CliRun changed = cli(sim.linkPath(), {QStringLiteral("diff"), file});
    EXPECT_EQ(changed.out, QStringLiteral("reference txtVoltageH (Over vdc[V]): 90 -> 88.5\n"));
}

TEST(EndToEndCli, RecordWritesOneRowPerStatusFrame) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ride.csv"));
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("over-heat"),
                    QStringLiteral("--gear"), QStringLiteral("4"),
                    QStringLiteral("--history-faults"), QStringLiteral("0x2000")});
    ASSERT_TRUE(sim.started());
    const CliRun r =
        cli(sim.linkPath(), {QStringLiteral("record"), file, QStringLiteral("--seconds"),
                             QStringLiteral("3"), QStringLiteral("--rate"), QStringLiteral("2")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4); // the header and 3 s at 2 polls a second
    EXPECT_EQ(lines.front(), q(record_header()));
    const qsizetype columns = lines.front().split(',').size();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList c = lines[i].split(',');
        ASSERT_EQ(c.size(), columns) << lines[i].toStdString();
        // What the simulator was told to report.
        EXPECT_EQ(c[12], QStringLiteral("FAULT"));
        EXPECT_EQ(c[13], QStringLiteral("BACKWARD"));
        EXPECT_EQ(c[19], QStringLiteral("0x0010"));
        EXPECT_EQ(c[20], QStringLiteral("0x2000"));
        EXPECT_EQ(c[21], QStringLiteral("over-heat"));
        EXPECT_LE(c[4].toInt(), 0); // turning backward
    }
}

// What a technician or a line script reads: one value a line under the recording's keys, and
// the same values as JSON beside the fields `decode` gives.
TEST(EndToEndCli, StatusReadsAsAPersonWritesIt) {
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("under-voltage"),
                    QStringLiteral("--gear"), QStringLiteral("4"),
                    QStringLiteral("--history-faults"), QStringLiteral("0x2008")});
    ASSERT_TRUE(sim.started());
    const CliRun text = cli(sim.linkPath(), {QStringLiteral("status")});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 19) << text.out.toStdString();
    std::map<QString, QString> value;
    qsizetype column = -1;
    for (const QString& line : lines) {
        const qsizetype at = line.indexOf(QRegularExpression(QStringLiteral("  \\S")));
        ASSERT_GT(at, 0) << line.toStdString();
        // Every value starts in the same column.
        EXPECT_TRUE(column < 0 || column == at + 2) << line.toStdString();
        column = at + 2;
        value[line.left(at).trimmed()] = line.mid(column);
    }
    EXPECT_EQ(value[QStringLiteral("state")], QStringLiteral("FAULT"));
    EXPECT_EQ(value[QStringLiteral("gear")], QStringLiteral("BACKWARD"));
    EXPECT_EQ(value[QStringLiteral("current_faults")], QStringLiteral("under-voltage"));
    EXPECT_EQ(value[QStringLiteral("history_faults")],
              QStringLiteral("under-voltage, thermistor-open"));
    EXPECT_TRUE(value[QStringLiteral("inputs")].startsWith(QStringLiteral("forward=L backward=H")))
        << value[QStringLiteral("inputs")].toStdString();
    EXPECT_TRUE(value[QStringLiteral("vdc_v")].contains(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d V$"))))
        << value[QStringLiteral("vdc_v")].toStdString();
    EXPECT_TRUE(value[QStringLiteral("motor_temp_c")].endsWith(QStringLiteral(" C")));

    const CliRun json = cli(sim.linkPath(), {QStringLiteral("status"), QStringLiteral("--json")});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    // The fields object as before: widget names and texts.
    EXPECT_EQ(o.value(QStringLiteral("fields")).toObject().value(QStringLiteral("lblfrmSysMach_a")),
              QStringLiteral("FAULT"));
    const QJsonObject values = o.value(QStringLiteral("values")).toObject();
    EXPECT_TRUE(values.value(QStringLiteral("vdc_v")).isDouble());
    EXPECT_GT(values.value(QStringLiteral("vdc_v")).toDouble(), 60.0);
    EXPECT_EQ(values.value(QStringLiteral("mode")).toInt(-1), 2);
    EXPECT_EQ(values.value(QStringLiteral("gear")).toString(), QStringLiteral("BACKWARD"));
    EXPECT_EQ(o.value(QStringLiteral("current_faults")).toArray(),
              QJsonArray({QStringLiteral("under-voltage")}));
    EXPECT_EQ(o.value(QStringLiteral("history_faults")).toArray(),
              QJsonArray({QStringLiteral("under-voltage"), QStringLiteral("thermistor-open")}));
    EXPECT_EQ(o.value(QStringLiteral("inputs")).toObject().value(QStringLiteral("backward")),
              QStringLiteral("H"));
}

QStringList csv_lines(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
               : QStringList();
}

TEST(EndToEndCli, TheWindowsRecordingReadsLikeTheCommandLines) {
    QTemporaryDir dir;
    const QString fromWindow = dir.filePath(QStringLiteral("window.csv"));
    const QString fromCli = dir.filePath(QStringLiteral("cli.csv"));
    Rig rig({QStringLiteral("--fault"), QStringLiteral("over-heat"), QStringLiteral("--gear"),
             QStringLiteral("4"), QStringLiteral("--history-faults"), QStringLiteral("0x2000")});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    LiveTools& live = *rig.window->liveTools();
    live.setPollRate(2);
    ASSERT_TRUE(live.startRecording(fromWindow).isEmpty());
    QTest::qWait(3000);
    live.stopRecording();
    rig.port->close(); // the command line takes the line over
    const CliRun r = cli(rig.sim->linkPath(),
                         {QStringLiteral("record"), fromCli, QStringLiteral("--seconds"),
                          QStringLiteral("3"), QStringLiteral("--rate"), QStringLiteral("2")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();

    const QStringList window = csv_lines(fromWindow);
    const QStringList line = csv_lines(fromCli);
    ASSERT_GE(window.size(), 5) << "the header and 3 s at 2 polls a second";
    ASSERT_GE(line.size(), 5);
    EXPECT_EQ(window.front(), line.front());
    const QStringList reference = line[1].split(',');
    for (qsizetype i = 1; i < window.size(); ++i) {
        const QStringList c = window[i].split(',');
        ASSERT_EQ(c.size(), reference.size()) << window[i].toStdString();
        // The same clock format, and what does not move with the throttle reads the same.
        EXPECT_EQ(c[0].size(), reference[0].size()) << c[0].toStdString();
        for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
            bool number = false;
            (void)c[k].toDouble(&number);
            EXPECT_TRUE(number) << c[k].toStdString();
        }
        for (int k : {12, 13, 15, 19, 20, 21}) {
            EXPECT_EQ(c[k], reference[k]) << "column " << k;
        }
    }
}

TEST(EndToEndCli, ASilentLineEndsWithNoAnswerAfterItsRetries) {
    SimProcess sim({QStringLiteral("--silent-after"), QStringLiteral("0")});
    ASSERT_TRUE(sim.started());
    for (const QStringList& args : {QStringList{QStringLiteral("status")},
                                    QStringList{QStringLiteral("read"), QStringLiteral("basic")}}) {
        const CliRun r = cli(sim.linkPath(),
                             args + QStringList{QStringLiteral("--retries"), QStringLiteral("1")});
        EXPECT_EQ(r.code, 5) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("no answer in time (1 retry)")))
            << r.err.toStdString();
    }
}

TEST(EndToEndCli, APortWithoutPermissionNamesTheDeviceAndTheFix) {
    SimProcess sim;
    ASSERT_TRUE(sim.started());
    const QString device = QFile::symLinkTarget(sim.linkPath());
    ASSERT_FALSE(device.isEmpty());
    ASSERT_EQ(::chmod(QFile::encodeName(device).constData(), 0), 0);
    // Root may open anything: the tool runs as an unprivileged user when the suite is root.
    const CliRun r = cli(device, {QStringLiteral("status")}, ::geteuid() == 0);
    EXPECT_EQ(r.code, 6) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(device)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("dialout"))) << r.err.toStdString();
    const CliRun missing =
        cli(QStringLiteral("/dev/motiview-no-such-port"), {QStringLiteral("status")});
    EXPECT_EQ(missing.code, 6);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("does not exist")));
}

// ---- a noisy line -------------------------------------------------------------------------

QStringList args_of(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* a : list) {
        out << QString::fromLatin1(a);
    }
    return out;
}

// The pages of a saved file as the controller sent them (the file's time stamp aside).
std::vector<PageEntry> pages_in(const QString& file) {
    const auto text = load_file(file.toStdString());
    if (!text.ok()) {
        return {};
    }
    const auto set = read_parameter_file(*text);
    return set.ok() ? set->pages : std::vector<PageEntry>{};
}

// Another controller: other values on five pages.
const QStringList kOtherController =
    args_of({"--set", "basic.txtMaxspeed=5100", "--set", "reference.txtVoltageH=80", "--set",
             "motor.txtPolePairN=7", "--set", "control.txtIdcLimitKiGain=123", "--set",
             "other.txtThrottleH=3.9"});

// A backup of a simulator with its start blocks on a clean line; the blocks it held.
std::map<std::string, std::string> backup_of_a_clean_controller(const QString& file) {
    SimProcess clean;
    EXPECT_TRUE(clean.started());
    const CliRun r = cli(clean.linkPath(), {QStringLiteral("backup"), file});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    return clean.dumped();
}

TEST(EndToEndNoisyLine, BackupAndRestoreGiveTheCleanLinesResult) {
    QTemporaryDir dir;
    const QString cleanFile = dir.filePath(QStringLiteral("clean.json"));
    const auto saved = backup_of_a_clean_controller(cleanFile);
    const std::vector<PageEntry> cleanPages = pages_in(cleanFile);
    ASSERT_EQ(cleanPages.size(), kPageCount);

    // Junk bytes before every second answer; answers cut into pieces; both.
    for (const QStringList& noise :
         {args_of({"--noise-bytes", "3", "--noise-every", "2"}), args_of({"--pieces", "5"}),
          args_of({"--noise-bytes", "3", "--noise-every", "2", "--pieces", "7"})}) {
        SCOPED_TRACE(noise.join(QLatin1Char(' ')).toStdString());
        const QString noisyFile = dir.filePath(QStringLiteral("noisy.json"));
        {
            SimProcess same(noise);
            ASSERT_TRUE(same.started());
            const CliRun r = cli(same.linkPath(), {QStringLiteral("backup"), noisyFile});
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            if (noise.contains(QStringLiteral("--noise-bytes"))) {
                EXPECT_TRUE(r.out.contains(QStringLiteral("retry)"))) << r.out.toStdString();
            }
        }
        EXPECT_EQ(pages_in(noisyFile), cleanPages);

        SimProcess other(kOtherController + noise);
        ASSERT_TRUE(other.started());
        const auto before = other.dumped();
        const CliRun r = cli(other.linkPath(), {QStringLiteral("restore"), cleanFile});
        ASSERT_EQ(r.code, 0) << r.out.toStdString() << r.err.toStdString();
        const auto after = other.blocks();
        for (PageId id : kAllPages) {
            const std::string name(page_schema(id).cliName);
            EXPECT_EQ(after.at(name), id == PageId::Hardware ? before.at(name) : saved.at(name))
                << name;
        }
    }
}

TEST(EndToEndNoisyLine, ARestoreCutByAHangUpSaysWhatWasWrittenAndASecondRunCompletesIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.json"));
    const auto saved = backup_of_a_clean_controller(file);
    // The fourth write meets a pulled cable; the adapter is back a second later.
    SimProcess b(kOtherController + args_of({"--hangup-at-write", "4", "--reappear-after", "1"}));
    ASSERT_TRUE(b.started());
    const CliRun cut = cli(b.linkPath(), {QStringLiteral("restore"), file});
    EXPECT_EQ(cut.code, 6) << cut.err.toStdString();
    EXPECT_TRUE(cut.err.contains(QStringLiteral(
        "the port closed during the restore (cable or adapter removed?); written and verified "
        "before it: basic, reference, motor")))
        << cut.err.toStdString();
    EXPECT_FALSE(cut.err.contains(QStringLiteral("ioctl"))) << cut.err.toStdString();

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(b.linkPath()); }, 5000));
    CliRun again;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            again = cli(b.linkPath(), {QStringLiteral("restore"), file});
            return again.code != 6;
        },
        8000));
    EXPECT_EQ(again.code, 0) << again.out.toStdString() << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("basic: unchanged"))) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("control: written, verified")))
        << again.out.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("2 written, 8 unchanged (8 pages already hold "
                                                  "the file)")))
        << again.out.toStdString();
    const auto after = b.blocks();
    for (PageId id : kAllPages) {
        if (id != PageId::Hardware) {
            const std::string name(page_schema(id).cliName);
            EXPECT_EQ(after.at(name), saved.at(name)) << name;
        }
    }
}

TEST(EndToEndNoisyLine, ALostAcknowledgementIsSettledByReadingBack) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.json"));
    ASSERT_EQ(backup_of_a_clean_controller(file).size(), kPageCount);
    struct Case {
        const char* fault;
        int code;
        const char* says;
    };
    for (const Case& c :
         {Case{"--drop-ack", 0, "basic: written, acknowledgement lost, read-back matches\n"},
          Case{"--drop-write", 4,
               "basic: not stored: read-back shows the controller's previous "
               "values\n"}}) {
        SCOPED_TRACE(c.fault);
        SimProcess b(kOtherController + args_of({c.fault, "1"}));
        ASSERT_TRUE(b.started());
        const CliRun r = cli(b.linkPath(), {QStringLiteral("restore"), file});
        EXPECT_EQ(r.code, c.code) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromLatin1(c.says))) << r.out.toStdString();
        if (c.code != 0) {
            EXPECT_TRUE(r.err.contains(QStringLiteral("stopped at basic; nothing was written and "
                                                      "verified before it")))
                << r.err.toStdString();
        }
    }
}

} // namespace

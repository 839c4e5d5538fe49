// The window's service history without a controller: the option that keeps it (remembered, and
// off means nothing is read), a job the program left open, a history file that is refused, and
// the job dialogs' rules.
#include "app/main_window.h"
#include "app/parameter_flows.h"
#include "app/service_log.h"
#include "history/history_store.h"
#include "ui/job_dialog.h"

#include "fake_transport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace motiview;
using motiview::test::FakeTransport;

namespace {

struct Shell {
    QTemporaryDir dir;
    FakeTransport port;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    Shell() { open(); }
    void open() {
        window.reset();
        settings = std::make_unique<QSettings>(dir.filePath(QStringLiteral("motiview.ini")),
                                               QSettings::IniFormat);
        window = std::make_unique<MainWindow>(port, nullptr, settings.get());
    }
    [[nodiscard]] QString history() const { return dir.filePath(QStringLiteral("h.sqlite")); }
    [[nodiscard]] ServiceLog& service() const { return *window->serviceLog(); }
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QString::fromUtf8(name));
    }
};

TEST(ServiceLogOption, OnByDefaultRememberedAndOffReadsNothingWhenTheControllerComesOnline) {
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        Shell s;
        ASSERT_TRUE(s.window->useHistory(s.history()));
        QAction* option = s.action("Menu_Option_KeepHistory");
        ASSERT_NE(option, nullptr);
        EXPECT_TRUE(option->isChecked());
        option->setChecked(keep);
        s.open(); // the next start
        ASSERT_TRUE(s.window->useHistory(s.history()));
        EXPECT_EQ(s.action("Menu_Option_KeepHistory")->isChecked(), keep);
        EXPECT_EQ(s.action("Menu_File_StartJob")->isEnabled(), keep);

        s.port.sent.clear();
        s.service().linkChanged(LinkState::Offline, LinkState::Online);
        // On: the pages are read quietly at once; off: not a frame.
        EXPECT_EQ(s.window->parameterFlows()->snapshotting(), keep);
        EXPECT_EQ(s.port.sent.empty(), !keep);
    }
}

TEST(ServiceLogJobs, AJobLeftOpenIsKeptAsNotCompletedAtTheNextStart) {
    Shell s;
    {
        auto store = HistoryStore::open(s.history().toStdString());
        ASSERT_TRUE(store.ok());
        JobRecord j;
        j.number = "J-9";
        j.technician = "Ann";
        j.startedMs = 1000;
        ASSERT_TRUE(store.value()->add_job(j).ok());
    }
    ASSERT_TRUE(s.window->useHistory(s.history()));
    const auto open = s.service().store()->open_jobs();
    ASSERT_TRUE(open.ok());
    EXPECT_TRUE(open->empty());
    const auto job = s.service().store()->job(1);
    ASSERT_TRUE(job.ok() && job->has_value());
    EXPECT_EQ((*job)->state, "not completed");
    EXPECT_TRUE((*job)->finishedMs.has_value());
    EXPECT_FALSE(s.service().job().has_value());
}

TEST(ServiceLogJobs, AStartedJobNamesTheWindowUntilItEnds) {
    Shell s;
    ASSERT_TRUE(s.window->useHistory(s.history()));
    const QString title = s.window->windowTitle();
    s.service().beginJob({QStringLiteral("J-1"), QStringLiteral("Ann"), {}, {}, {}});
    ASSERT_TRUE(s.service().job().has_value());
    EXPECT_EQ(s.window->windowTitle(), title + QStringLiteral(" - job J-1"));
    EXPECT_FALSE(s.action("Menu_File_StartJob")->isEnabled());
    EXPECT_TRUE(s.action("Menu_File_FinishJob")->isEnabled());
    // Stored at once: a crash now still leaves the job in the history.
    const auto open = s.service().store()->open_jobs();
    ASSERT_TRUE(open.ok());
    ASSERT_EQ(open->size(), 1U);
    EXPECT_EQ(open->front().technician, "Ann");
}

TEST(ServiceLogHistory, ARefusedFileIsNamedAndLeftAsItIs) {
    Shell s;
    {
        QFile f(s.history());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    EXPECT_FALSE(s.window->useHistory(s.history()));
    EXPECT_TRUE(s.service().historyError().contains(s.history()));
    QMessageBox* box = s.service().lastMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(s.history()));
    EXPECT_FALSE(s.action("Menu_File_StartJob")->isEnabled());
    QFile f(s.history());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x'));
}

struct DialogCase {
    const char* number;
    const char* technician;
    bool ok;
};

TEST(JobDialogRules, StartNeedsAJobNumberAndATechnician) {
    for (const DialogCase& c :
         {DialogCase{"", "", false}, DialogCase{"J-1", "", false}, DialogCase{"", "Ann", false},
          DialogCase{"  ", "Ann", false}, DialogCase{"J-1", "Ann", true}}) {
        SCOPED_TRACE(std::string(c.number) + "/" + c.technician);
        JobDialog d(JobDialog::Mode::Start, {});
        d.findChild<QLineEdit*>(QStringLiteral("txtJobNumber"))
            ->setText(QString::fromUtf8(c.number));
        d.findChild<QLineEdit*>(QStringLiteral("txtTechnician"))
            ->setText(QString::fromUtf8(c.technician));
        EXPECT_EQ(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled(),
                  c.ok);
        if (c.ok) {
            EXPECT_EQ(d.fields().number, "J-1");
        }
    }
}

} // namespace

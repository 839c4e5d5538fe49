// The File menu's parameter sets against the simulator's own controller logic behind the fake
// transport: save, compare and restore, a page that does not answer, a cancelled save, a
// read-back that differs, the hardware page's serial number, and a damaged file.
#include "app/live_tools.h"
#include "app/main_window.h"
#include "app/parameter_flows.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h"

#include "case_names.h"
#include "controller.h"
#include "fake_transport.h"
#include "recognizer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::FakeTransport;

namespace {

std::string read_all(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_all(const QString& path, std::string_view text) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << text;
}

// The simulator's controller answering every frame the window sends, a moment later as a
// serial line would.
struct ControllerDouble {
    sim::Controller controller;
    sim::Recognizer recognizer;
    std::set<PageId> silent;       // reads of these pages go unanswered
    std::set<PageId> ignoreWrites; // writes acknowledged but not stored
    std::set<PageId> loseAcks;     // writes stored, the acknowledgement lost
    std::set<PageId> loseWrites;   // writes neither stored nor acknowledged
    std::set<PageId> garbleOnce;   // the first answer to a read of these pages comes broken

    explicit ControllerDouble(sim::BlockStore store)
        : controller(sim::StatusConfig{}, "WORKSHOP 7", std::move(store)) {}

    void attach(FakeTransport& port) {
        port.onSend = [this, &port](const Bytes& frame) {
            for (const sim::Request& r : recognizer.feed(frame)) {
                if (r.kind == sim::RequestKind::Read && silent.contains(r.page)) {
                    continue;
                }
                const bool write = r.kind == sim::RequestKind::Write;
                if (write && loseWrites.contains(r.page)) {
                    continue;
                }
                const bool ignore = write && ignoreWrites.contains(r.page);
                const sim::Controller before = controller;
                const sim::Handled h = controller.handle(r, 1.0);
                if (ignore) {
                    controller = before;
                }
                if (write && loseAcks.contains(r.page)) {
                    continue;
                }
                const bool garble =
                    r.kind == sim::RequestKind::Read && garbleOnce.erase(r.page) > 0;
                for (const sim::OutFrame& out : h.frames) {
                    Unit u = out.unit;
                    if (garble) {
                        u[kUnitSize - 1] = 0x00; // a misaligned answer reads like this
                    }
                    QTimer::singleShot(0, &port, [&port, u] { port.deliver(u); });
                }
            }
        };
    }
};

sim::BlockStore store_with(std::vector<std::string> texts) {
    auto store = sim::BlockStore::with_texts(texts);
    EXPECT_TRUE(store.ok()) << (store.ok() ? "" : store.error().message);
    return store.ok() ? *store : sim::BlockStore{};
}

// The parameter file of a controller holding these blocks, as a save writes it.
std::string file_of(const sim::BlockStore& store) {
    ParameterSet set;
    set.created = "2026-12-08T10:00:00.000+00:00";
    set.tool = "test";
    for (PageId id : kAllPages) {
        set.pages.push_back(entry_from_reply(id, store.block(id)));
    }
    return write_parameter_file(set);
}

std::string text_of(PageId page, const sim::BlockStore& store, std::string_view field) {
    for (const auto& [name, text] : entry_from_reply(page, store.block(page)).fields) {
        if (name == field) {
            return text;
        }
    }
    return "<no field>";
}

struct Fixture {
    FakeTransport port;
    ControllerDouble controller;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;

    explicit Fixture(sim::BlockStore store = {}) : controller(std::move(store)) {
        controller.attach(port);
        window = std::make_unique<MainWindow>(port);
        (void)port.open();
        for (int i = 0; i < 10; ++i) {
            window->Timer3_Timer();
        }
        QTest::qWait(20); // the status frame and the user info come in
        window->Timer3_Timer();
    }

    ~Fixture() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible()) {
                w->close();
            }
        }
        port.onSend = nullptr;
        window.reset();
        QApplication::processEvents();
    }

    ParameterFlows& flows() const { return *window->parameterFlows(); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    bool waitIdle(int ms = 8000) const {
        return QTest::qWaitFor([this] { return !flows().busy(); }, ms);
    }
    QString message() const {
        QMessageBox* box = flows().lastMessage();
        return box != nullptr ? box->text() : QString();
    }
    static QList<QMessageBox*> boxes(const QString& text) {
        QList<QMessageBox*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box != nullptr && box->isVisible() && box->text() == text) {
                out.append(box);
            }
        }
        return out;
    }
    std::size_t sentCount() const { return port.sent.size(); }
};

TEST(ParameterSetMenu, ThreeItemsAboveExitFollowTheLink) {
    FakeTransport port;
    MainWindow window(port);
    auto* file = window.findChild<QMenu*>(QStringLiteral("Menu_File"));
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* a : file->actions()) {
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    }
    EXPECT_EQ(items,
              QStringList({"Menu_File_Record", "Menu_File_StopRecord", "Menu_File_OpenRecording",
                           "-", "Menu_File_Save", "Menu_File_Compare", "Menu_File_Restore", "-",
                           "Menu_File_StartJob", "Menu_File_FinishJob", "-", "Menu_File_Exit"}));
    const QList<QAction*> sets = file->actions().mid(4, 3);
    EXPECT_EQ(sets[0]->text(), "&Save parameters...");
    EXPECT_EQ(sets[1]->text(), "C&ompare with file...");
    EXPECT_EQ(sets[2]->text(), "&Restore parameters...");
    for (QAction* a : sets) {
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    }
    (void)port.open();
    for (int i = 0; i < 10; ++i) {
        window.Timer3_Timer();
    }
    Unit status{};
    status[0] = 0xDF;
    status[1] = 0xEF;
    status[31] = kEndByte;
    port.deliver(status);
    window.Timer3_Timer();
    for (QAction* a : sets) {
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    }
    for (int i = 0; i < 21; ++i) { // silence: offline again
        window.Timer3_Timer();
    }
    EXPECT_FALSE(sets[0]->isEnabled());
}

TEST(SaveParameters, DialogOffersTheControllersNameAndDate) {
    Fixture f;
    EXPECT_EQ(f.window->findChild<QLabel*>(QStringLiteral("McuSN"))->text(), "WORKSHOP 7");
    f.window->findChild<QAction*>(QStringLiteral("Menu_File_Save"))->trigger();
    auto* dialog = f.window->findChild<QFileDialog*>(QStringLiteral("dlgSaveParameters"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Parameter files (*.json)"});
    EXPECT_EQ(f.flows().defaultFileName(),
              "WORKSHOP_7-" + QDate::currentDate().toString(Qt::ISODate) + ".json");
    EXPECT_FALSE(f.flows().busy()); // nothing is read before a file is chosen
}

TEST(SaveParameters, WritesEveryPageInTheCommandLinesFormat) {
    Fixture f(store_with({"basic.txtMaxspeed=4321"}));
    const QString file = f.path("saved.json");
    f.flows().saveTo(file);
    ASSERT_TRUE(f.flows().busy());
    ASSERT_NE(f.flows().progress(), nullptr);
    EXPECT_TRUE(f.flows().progress()->labelText().contains("Basic setting"))
        << f.flows().progress()->labelText().toStdString();
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.flows().progress(), nullptr);

    const std::string text = read_all(file);
    const auto set = read_parameter_file(text);
    ASSERT_TRUE(set.ok()) << set.error().message;
    ASSERT_EQ(set->pages.size(), kAllPages.size());
    for (const PageEntry& e : set->pages) {
        ASSERT_TRUE(e.reply.has_value());
        EXPECT_EQ(*e.reply, f.controller.controller.store().block(e.page))
            << page_schema(e.page).cliName;
    }
    EXPECT_EQ(set->userName, "WORKSHOP 7");
    // Byte for byte what the command line writes for the same set.
    EXPECT_EQ(text, write_parameter_file(*set));
    EXPECT_EQ(set->find(PageId::Basic)->fields.size(),
              entry_from_reply(PageId::Basic, f.controller.controller.store().block(PageId::Basic))
                  .fields.size());
}

TEST(SaveParameters, PageThatDoesNotAnswerStopsAndLeavesTheFileAlone) {
    Fixture f;
    f.controller.silent = {PageId::Motor};
    const QString file = f.path("kept.json");
    write_all(file, "the previous file\n");
    f.flows().saveTo(file);
    ASSERT_TRUE(f.waitIdle());
    EXPECT_TRUE(f.message().contains("Motor parameter did not answer"))
        << f.message().toStdString();
    EXPECT_TRUE(f.message().contains("Nothing was saved.")) << f.message().toStdString();
    EXPECT_EQ(read_all(file), "the previous file\n");
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"kept.json"});
}

TEST(SaveParameters, CancelledSaveWritesNothingAndStopsSending) {
    Fixture f;
    f.controller.silent = {PageId::Motor}; // the save waits there when Cancel is pressed
    const QString file = f.path("cancelled.json");
    f.flows().saveTo(file);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return f.flows().progress() != nullptr &&
               f.flows().progress()->labelText().contains("Motor parameter");
    }));
    EXPECT_EQ(f.flows().progress()->value(), 2);
    f.flows().progress()->cancel();
    ASSERT_TRUE(f.waitIdle());
    const std::size_t sent = f.sentCount();
    QTest::qWait(300);
    EXPECT_EQ(f.sentCount(), sent);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(CompareWithFile, OneRowPerDifferingFieldAndTheRestOnOneLine) {
    Fixture f(store_with({"basic.txtMaxspeed=4321", "motor.txtPolePairN=7"}));
    const QString file = f.path("other.json");
    write_all(file, file_of(sim::BlockStore{}));
    f.flows().compareWith(file);
    ASSERT_TRUE(f.waitIdle());
    DiffWindow* diff = f.flows().diffWindow();
    ASSERT_NE(diff, nullptr);
    EXPECT_EQ(diff->mode(), DiffWindow::Mode::Compare);
    ASSERT_EQ(diff->rows().size(), 2U);
    EXPECT_EQ(diff->rows()[0].page, PageId::Basic);
    EXPECT_EQ(diff->rows()[0].field, "txtMaxspeed");
    EXPECT_EQ(diff->rows()[0].controller, "4321");
    EXPECT_EQ(diff->rows()[1].page, PageId::Motor);
    EXPECT_EQ(diff->rows()[1].controller, "7");
    const QString summary = diff->findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
    EXPECT_TRUE(summary.startsWith("2 fields differ on 2 pages.")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("No difference on: Reference, Control")) << summary.toStdString();
    EXPECT_FALSE(summary.contains("Basic setting")) << summary.toStdString();

    diff->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("Basic setting\ttxtMaxspeed\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("\t4321\t")) << lines[1].toStdString();
}

TEST(CompareWithFile, MenuItemsAskForTheFileThenReadTheController) {
    struct Item {
        const char* action;
        const char* dialog;
        DiffWindow::Mode mode;
    };
    for (const Item& item :
         {Item{"Menu_File_Compare", "dlgCompareFile", DiffWindow::Mode::Compare},
          Item{"Menu_File_Restore", "dlgRestoreFile", DiffWindow::Mode::Restore}}) {
        SCOPED_TRACE(item.action);
        Fixture f(store_with({"basic.txtMaxspeed=4321"}));
        const QString file = f.path("chosen.json");
        write_all(file, file_of(sim::BlockStore{}));
        const std::size_t sent = f.sentCount();
        f.window->findChild<QAction*>(QLatin1String(item.action))->trigger();
        auto* dialog = f.window->findChild<QFileDialog*>(QLatin1String(item.dialog));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Parameter files (*.json)"});
        EXPECT_EQ(f.sentCount(), sent); // nothing is read before a file is chosen
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept(); // as the Open button does
        ASSERT_TRUE(f.waitIdle());
        ASSERT_NE(f.flows().diffWindow(), nullptr);
        EXPECT_EQ(f.flows().diffWindow()->mode(), item.mode);
        ASSERT_EQ(f.flows().diffWindow()->rows().size(), 1U);
        EXPECT_EQ(f.flows().diffWindow()->rows()[0].field, "txtMaxspeed");
    }
}

TEST(CompareWithFile, IdenticalFileSaysSoInOneLine) {
    Fixture f;
    const QString file = f.path("same.json");
    write_all(file, file_of(f.controller.controller.store()));
    f.flows().compareWith(file);
    ASSERT_TRUE(f.waitIdle());
    ASSERT_NE(f.flows().diffWindow(), nullptr);
    EXPECT_TRUE(f.flows().diffWindow()->rows().empty());
    EXPECT_EQ(f.flows().diffWindow()->summary(), "The controller holds what the file holds.");
}

TEST(CompareWithFile, DamagedFileIsRefusedBeforeAnythingIsSent) {
    Fixture f;
    std::string text = file_of(sim::BlockStore{});
    text.replace(text.find("\"txtMaxspeed\""), 13, "\"txtNoSuchOne\"");
    const std::string damaged[] = {"{ not json", text, std::string(2 << 20, ' ')};
    for (const std::string& d : damaged) {
        const QString file = f.path("damaged.json");
        write_all(file, d);
        const std::size_t sent = f.sentCount();
        f.flows().compareWith(file);
        f.flows().restoreFrom(file);
        EXPECT_FALSE(f.flows().busy());
        EXPECT_EQ(f.sentCount(), sent);
        EXPECT_TRUE(f.message().contains("Nothing was sent.")) << f.message().toStdString();
    }
}

TEST(RestoreParameters, WritesTheTickedPagesKeepsTheSerialAndSummarisesOnce) {
    // The controller has other blocks than the file, its hardware page a serial of its own.
    Fixture f(store_with({"basic.txtMaxspeed=4321", "hardware.txtSNNum=77",
                          "hardware.txtCustomerNum=9", "hardware.txtMosInPara=5"}));
    const sim::BlockStore saved;
    const QString file = f.path("saved.json");
    write_all(file, file_of(saved));
    // An open page shows what is read back.
    f.window->findChild<QPushButton*>(QStringLiteral("cmdBasic"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        auto* e = f.window->page(PageId::Basic)->findChild<QLineEdit*>("txtMaxspeed");
        return e->text() == "4321";
    }));

    f.flows().restoreFrom(file);
    ASSERT_TRUE(f.waitIdle());
    DiffWindow* diff = f.flows().diffWindow();
    ASSERT_NE(diff, nullptr);
    EXPECT_EQ(diff->mode(), DiffWindow::Mode::Restore);
    // Pages with differences ticked except the hardware page; it warns.
    EXPECT_EQ(diff->selectedPages(), std::vector<PageId>{PageId::Basic});
    EXPECT_TRUE(diff->findChild<QLabel*>(QStringLiteral("lblHardwareWarning"))->isVisibleTo(diff));
    for (const DiffRow& r : diff->rows()) {
        EXPECT_NE(r.field, "txtSNNum"); // the serial is never written over
        EXPECT_NE(r.field, "txtCustomerNum");
    }
    diff->setPageChecked(PageId::Hardware, true);
    const qsizetype boxesBefore = Fixture::boxes(QStringLiteral("Basic set successfull!")).size();
    diff->findChild<QPushButton*>(QStringLiteral("cmdWriteSelected"))->click();
    ASSERT_TRUE(f.flows().busy());
    ASSERT_TRUE(f.waitIdle());

    const sim::BlockStore& now = f.controller.controller.store();
    EXPECT_EQ(now.block(PageId::Basic), saved.block(PageId::Basic));
    const PageEntry hw = entry_from_reply(PageId::Hardware, now.block(PageId::Hardware));
    const PageEntry want = entry_from_reply(PageId::Hardware, saved.block(PageId::Hardware));
    for (std::size_t i = 0; i < hw.fields.size(); ++i) {
        const std::string& name = hw.fields[i].first;
        if (name == "txtSNNum") {
            EXPECT_EQ(hw.fields[i].second, "77");
        } else if (name == "txtCustomerNum") {
            EXPECT_EQ(hw.fields[i].second, "9");
        } else if (name == "txtMosInPara") {
            EXPECT_EQ(hw.fields[i].second, want.fields[i].second);
        }
    }
    EXPECT_EQ(f.message(), "Restore from saved.json:\nWritten and verified: Basic setting, Idc "
                           "calibration.");
    EXPECT_EQ(f.flows().lastMessage()->icon(), QMessageBox::Information);
    EXPECT_EQ(Fixture::boxes(QStringLiteral("Basic set successfull!")).size(), boxesBefore);
    EXPECT_EQ(f.window->page(PageId::Basic)->findChild<QLineEdit*>("txtMaxspeed")->text(),
              QString::fromStdString(text_of(PageId::Basic, saved, "txtMaxspeed")))
        << "the open page shows the read-back";
    EXPECT_TRUE(diff->findChild<QListWidget*>()->item(0)->text().endsWith("written, verified"));
}

TEST(RestoreParameters, ReadBackThatDiffersNamesTheFields) {
    Fixture f(store_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80"}));
    f.controller.ignoreWrites = {PageId::Basic};
    const QString file = f.path("saved.json");
    write_all(file, file_of(sim::BlockStore{}));
    f.flows().restoreFrom(file);
    ASSERT_TRUE(f.waitIdle());
    ASSERT_NE(f.flows().diffWindow(), nullptr);
    EXPECT_EQ(f.flows().diffWindow()->selectedPages(),
              (std::vector<PageId>{PageId::Basic, PageId::Reference}));
    f.flows().diffWindow()->findChild<QPushButton*>(QStringLiteral("cmdWriteSelected"))->click();
    ASSERT_TRUE(f.waitIdle());
    const QString m = f.message();
    EXPECT_TRUE(m.contains("Written and verified: Reference.")) << m.toStdString();
    EXPECT_TRUE(m.contains("other values for: Basic setting (")) << m.toStdString();
    const FieldSchema* maxSpeed = find_field(page_schema(PageId::Basic), "txtMaxspeed");
    EXPECT_TRUE(m.contains(QString::fromUtf8(maxSpeed->caption.data(),
                                             static_cast<qsizetype>(maxSpeed->caption.size()))))
        << m.toStdString();
    EXPECT_EQ(f.flows().lastMessage()->icon(), QMessageBox::Warning);
}

TEST(RestoreParameters, PageThatDoesNotAnswerStopsBeforeAnyWrite) {
    Fixture f(store_with({"basic.txtMaxspeed=4321"}));
    f.controller.silent = {PageId::Other};
    const QString file = f.path("saved.json");
    write_all(file, file_of(sim::BlockStore{}));
    f.flows().restoreFrom(file);
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.flows().diffWindow(), nullptr);
    EXPECT_TRUE(f.message().contains("Other did not answer")) << f.message().toStdString();
    EXPECT_TRUE(f.message().contains("Nothing was written.")) << f.message().toStdString();
    for (const Bytes& frame : f.port.sent) {
        ASSERT_NE(frame.size(), kUnitSize) << "a write frame was sent";
    }
}

TEST(SaveParameters, AGarbledAnswerDrainsTheLineAndIsAskedAgain) {
    Fixture f;
    f.controller.garbleOnce = {PageId::Reference, PageId::Derate};
    const QString file = f.path("noisy.json");
    f.flows().saveTo(file);
    ASSERT_TRUE(f.waitIdle());
    ASSERT_TRUE(QFile::exists(file)) << f.message().toStdString();
    EXPECT_EQ(f.port.drains, 2);
    EXPECT_FALSE(f.port.draining) << "every drain ended";
    // Each garbled page read twice, every other once; the traffic monitor counts the retries.
    const Bytes reference(frame_set().read(PageId::Reference).begin(),
                          frame_set().read(PageId::Reference).end());
    EXPECT_EQ(std::count(f.port.sent.begin(), f.port.sent.end(), reference), 2);
    EXPECT_EQ(f.window->liveTools()->traffic().counters().retries, 2U);
    const auto set = read_parameter_file(read_all(file));
    ASSERT_TRUE(set.ok());
    for (const PageEntry& e : set->pages) {
        EXPECT_EQ(e.reply, f.controller.controller.store().block(e.page))
            << page_schema(e.page).cliName;
    }
}

// The restore's summary says what a lost acknowledgement came to, in the command line's words.
struct LostAckCase {
    const char* name;
    bool stored;
    const char* summary;
    QMessageBox::Icon icon;
};

class RestoreLostAck : public ::testing::TestWithParam<LostAckCase> {};

TEST_P(RestoreLostAck, IsSettledByReadingBack) {
    const auto& c = GetParam();
    Fixture f(store_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80"}));
    (c.stored ? f.controller.loseAcks : f.controller.loseWrites) = {PageId::Basic};
    const QString file = f.path("saved.json");
    write_all(file, file_of(sim::BlockStore{}));
    f.flows().restoreFrom(file);
    ASSERT_TRUE(f.waitIdle());
    ASSERT_NE(f.flows().diffWindow(), nullptr);
    f.flows().diffWindow()->findChild<QPushButton*>(QStringLiteral("cmdWriteSelected"))->click();
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.message(), QString::fromLatin1(c.summary));
    EXPECT_EQ(f.flows().lastMessage()->icon(), c.icon);
    // The write went out once.
    const auto writes = std::count_if(f.port.sent.begin(), f.port.sent.end(), [](const Bytes& b) {
        return b.size() == kUnitSize && b[0] == page_codes(PageId::Basic).group &&
               b[1] == page_codes(PageId::Basic).write;
    });
    EXPECT_EQ(writes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Restore, RestoreLostAck,
    ::testing::Values(
        LostAckCase{"stored", true,
                    "Restore from saved.json:\nWritten and verified: Basic setting (written, "
                    "acknowledgement lost, read-back matches), Reference.",
                    QMessageBox::Information},
        LostAckCase{"not stored", false,
                    "Restore from saved.json:\nStopped at Basic setting: not stored: read-back "
                    "shows the controller's previous values.\nNot written: Reference.",
                    QMessageBox::Warning}),
    ByLabel<&LostAckCase::name>{});

TEST(RestoreParameters, APortClosedMidWayIsNamedPlainly) {
    Fixture f(store_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80"}));
    f.controller.loseAcks = {PageId::Reference}; // the cable goes while it waits
    const QString file = f.path("saved.json");
    write_all(file, file_of(sim::BlockStore{}));
    f.flows().restoreFrom(file);
    ASSERT_TRUE(f.waitIdle());
    f.flows().diffWindow()->findChild<QPushButton*>(QStringLiteral("cmdWriteSelected"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return std::any_of(f.port.sent.begin(), f.port.sent.end(), [](const Bytes& b) {
            return b.size() == kUnitSize && b[0] == page_codes(PageId::Reference).group &&
                   b[1] == page_codes(PageId::Reference).write;
        });
    }));
    f.port.close();
    emit f.port.portClosed(QStringLiteral("/dev/ttyUSB0: Inappropriate ioctl for device"));
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.message(), "Restore from saved.json:\nWritten and verified: Basic setting.\n"
                           "Stopped at Reference: the port closed during the restore (cable or "
                           "adapter removed?).");
    EXPECT_FALSE(f.message().contains("ioctl"));
}

} // namespace

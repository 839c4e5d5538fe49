// Parameter sets end to end: the window saves the simulator's blocks, a page write changes
// them, and a restore from the file puts the saved blocks back over the real serial port.
#include "sim_process.h"

#include "app/live_tools.h"
#include "app/parameter_flows.h"
#include "pages/page_schema.h"
#include "params/parameter_file.h"
#include "ui/diff_window.h"
#include "ui/page_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace motiview;
using namespace motiview::test;

namespace {

TEST(EndToEndParameterSets, SaveChangeRestoreGivesTheSavedBlocksBack) {
    Rig rig;
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    ParameterFlows& flows = *rig.window->parameterFlows();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.json"));
    const auto saved = rig.sim->blocks();

    flows.saveTo(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flows.busy(); }, 10000));
    ASSERT_TRUE(QFile::exists(file));

    // A technician changes the top speed from the page.
    ASSERT_FALSE(write_top_speed(rig, QStringLiteral("4321")).isEmpty());
    EXPECT_EQ(waitForMessage(QStringLiteral("Basic set successfull!"), 4000),
              "Basic set successfull!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.sim->blocks() != saved; }, 3000));

    flows.restoreFrom(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flows.busy(); }, 10000));
    DiffWindow* diff = flows.diffWindow();
    ASSERT_NE(diff, nullptr);
    ASSERT_EQ(diff->rows().size(), 1U);
    EXPECT_EQ(diff->rows()[0].field, "txtMaxspeed");
    EXPECT_EQ(diff->rows()[0].controller, "4321");
    EXPECT_EQ(diff->selectedPages(), std::vector<PageId>{PageId::Basic});
    QTest::mouseClick(diff->findChild<QPushButton*>(QStringLiteral("cmdWriteSelected")),
                      Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flows.busy(); }, 10000));
    ASSERT_NE(flows.lastMessage(), nullptr);
    EXPECT_EQ(flows.lastMessage()->text(),
              "Restore from bench.json:\nWritten and verified: Basic setting.");
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.sim->blocks() == saved; }, 3000));
    // The open page shows what was read back.
    EXPECT_NE(rig.window->page(PageId::Basic)
                  ->findChild<QLineEdit*>(QStringLiteral("txtMaxspeed"))
                  ->text(),
              "4321");
}

TEST(EndToEndParameterSets, SaveOnANoisyLineHoldsEveryPageAsTheControllerHoldsIt) {
    // Junk before every second answer, and every answer in pieces.
    Rig rig({QStringLiteral("--noise-bytes"), QStringLiteral("3"), QStringLiteral("--noise-every"),
             QStringLiteral("2"), QStringLiteral("--pieces"), QStringLiteral("7")});
    ASSERT_TRUE(rig.sim->started());
    ASSERT_TRUE(rig.connect());
    ParameterFlows& flows = *rig.window->parameterFlows();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("noisy.json"));
    flows.saveTo(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flows.busy(); }, 30000));
    ASSERT_TRUE(QFile::exists(file))
        << (flows.lastMessage() != nullptr ? flows.lastMessage()->text().toStdString()
                                           : std::string("no message"));
    const auto text = load_file(file.toStdString());
    ASSERT_TRUE(text.ok());
    const auto set = read_parameter_file(*text);
    ASSERT_TRUE(set.ok());
    ASSERT_EQ(set->pages.size(), kPageCount);
    const auto blocks = rig.sim->blocks();
    for (const PageEntry& e : set->pages) {
        const std::string name(page_schema(e.page).cliName);
        ASSERT_TRUE(e.reply.has_value()) << name;
        EXPECT_EQ(to_hex(*e.reply), blocks.at(name)) << name;
    }
    // The noise was there: garbled answers were asked again, and the traffic log says so.
    const TrafficCounters& counts = rig.window->liveTools()->traffic().counters();
    EXPECT_GT(counts.retries, 0U);
    EXPECT_GT(counts.bytesDiscarded, 0U);
}

} // namespace

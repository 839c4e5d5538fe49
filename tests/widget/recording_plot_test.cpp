// Recordings opened in plot windows, the two measuring cursors, and what a plot window saves:
// images, the rows of the shown time window, and the same picture drawn without a window.
#include "app/live_tools.h"
#include "app/main_window.h"
#include "monitor/recording_file.h"
#include "monitor/sample_ring.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "test_support.h"
#include "ui/plot_render.h"
#include "ui/plot_window.h"

#include "fake_transport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace motiview;
using motiview::test::FakeTransport;

namespace {

constexpr std::uint16_t kOverVoltage = 0x0004;
constexpr std::uint8_t kRun = 3;
constexpr std::uint8_t kFault = 6;

// The test ride (test_support.h), running unless told otherwise.
Unit frame_of(int i, std::uint16_t faults = 0, std::uint8_t state = kRun) {
    return test::ride_frame(i, faults, state);
}

// A ride of `n` frames 100 ms apart from elapsed 0; over-voltage (and the fault state) on rows
// 30 to 79.
struct Ride {
    std::vector<Unit> frames;
    std::vector<std::int64_t> times;
    std::vector<std::string> rows;

    [[nodiscard]] std::string text() const {
        std::string t = record_header() + "\n";
        for (const std::string& r : rows) {
            t += r + "\n";
        }
        return t;
    }
};

Ride ride(int n = 120) {
    Ride r;
    for (int i = 0; i < n; ++i) {
        const bool fault = i >= 30 && i < 80;
        r.frames.push_back(frame_of(i, fault ? kOverVoltage : 0, fault ? kFault : kRun));
        r.times.push_back(100LL * i);
        r.rows.push_back(
            record_row(r.frames.back(), "2024-05-01T10:00:00.000+02:00", r.times.back()));
    }
    return r;
}

Recording recording_of(const std::string& text) {
    Result<Recording> r = read_recording(text);
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
    return r.ok() ? std::move(r).value() : Recording{};
}

void write_file(const QString& path, const std::string& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.data(), static_cast<qint64>(text.size()));
}

std::string read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

// The main window with its live tools, offline.
struct Fixture {
    FakeTransport port;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(port);
    QTemporaryDir dir;

    ~Fixture() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible()) {
                w->close();
            }
        }
        window.reset();
        QApplication::processEvents();
    }
    [[nodiscard]] LiveTools& live() const { return *window->liveTools(); }
    [[nodiscard]] QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

TEST(RecordingWindow, OpensWholeWithEveryRowAndTheMarkersTheLivePlotDraws) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ride.csv"));
    const Ride r = ride();
    write_file(path, r.text());

    QString error;
    std::unique_ptr<PlotWindow> w(PlotWindow::openRecording(path, nullptr, &error));
    ASSERT_NE(w, nullptr) << error.toStdString();
    EXPECT_TRUE(w->isRecording());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ride.csv - Plot"));
    for (PanelChannel c : {PanelChannel::Vdc, PanelChannel::Idc, PanelChannel::Speed}) {
        EXPECT_EQ(w->pointCount(c), 120) << static_cast<int>(c);
    }
    EXPECT_EQ(w->pointCount(PanelChannel::Throttle), 0); // not ticked
    // The whole ride, in seconds since the recording started; nothing moves it on.
    EXPECT_EQ(w->visibleRange(), std::make_pair(std::int64_t{0}, std::int64_t{11'900}));
    EXPECT_DOUBLE_EQ(w->plot()->xAxis->range().lower, 0.0);
    EXPECT_DOUBLE_EQ(w->plot()->xAxis->range().upper, 11.9);
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("cmdPause")), nullptr);
    EXPECT_EQ(w->statusText(), QStringLiteral("120 rows, 11.900 s"));

    // A live window fed the same frames at the same times draws the same markers.
    SampleStore store;
    for (std::size_t i = 0; i < r.frames.size(); ++i) {
        store.add(r.times[i], r.frames[i]);
    }
    PlotWindow live(store);
    live.refresh();
    EXPECT_EQ(w->markerTexts(), live.markerTexts());
    EXPECT_EQ(w->markerTexts(),
              (QStringList{"state: RUN", "faults: +over-voltage", "state: RUN -> FAULT",
                           "faults: -over-voltage", "state: FAULT -> RUN"}));
}

TEST(RecordingWindow, WindowMovesAlongTheRideAndStaysInsideIt) {
    PlotWindow w(recording_of(ride().text()), QStringLiteral("ride.csv"));
    struct Case {
        const char* what;
        std::function<void()> act;
        std::int64_t from;
        std::int64_t to;
        int faultMarkers;
    };
    const std::vector<Case> cases = {
        {"a range inside", [&] { w.setTimeRange(2000, 5000); }, 2000, 5000, 1},
        {"past the end", [&] { w.setTimeRange(10'000, 15'000); }, 6900, 11'900, 1},
        {"dragged before the start", [&] { w.plot()->xAxis->setRange(-5.0, 3.0); }, 0, 8000, 2},
        {"a span from the start", [&] { w.setSpanMinutes(1); }, 0, 11'900, 2},
        {"all", [&] { w.setSpanMinutes(0); }, 0, 11'900, 2},
        {"narrower than a second", [&] { w.setTimeRange(4000, 4200); }, 4000, 5000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(w.visibleRange(), std::make_pair(c.from, c.to));
        EXPECT_DOUBLE_EQ(w.plot()->xAxis->range().lower, static_cast<double>(c.from) / 1000.0);
        EXPECT_EQ(w.markerTexts().filter(QStringLiteral("faults:")).size(), c.faultMarkers);
        EXPECT_EQ(w.pointCount(PanelChannel::Speed), 120); // every row stays in the curve
    }
}

TEST(RecordingWindow, DamagedRowsAreNamedInTheStatusLine) {
    const Ride r = ride(20);
    std::vector<std::string> lines{record_header()};
    lines.insert(lines.end(), r.rows.begin(), r.rows.end());
    lines[3] = "2024-05-01T10:00:00.000+02:00,0.300,broken"; // file line 4
    lines[7] = "not a row at all";                           // file line 8
    lines[15].resize(lines[15].size() / 2);                  // file line 16, cut short
    std::string text;
    for (const std::string& l : lines) {
        text += l + "\n";
    }
    PlotWindow w(recording_of(text), QStringLiteral("ride.csv"));
    EXPECT_EQ(w.statusText(), QStringLiteral("17 rows, 1.900 s; 3 rows skipped: lines 4, 8, 16"));
    EXPECT_EQ(w.pointCount(PanelChannel::Speed), 17);
}

struct RefusedCase {
    const char* name;
    std::optional<std::string> content; // none: no such file
    const char* says;
};

class RecordingRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RecordingRefused, MessageSaysWhatWasExpectedAndNoWindowOpens) {
    const RefusedCase c = GetParam();
    Fixture f;
    const QString path = f.path(c.name);
    if (c.content) {
        write_file(path, *c.content);
    }
    EXPECT_EQ(f.live().openRecording(path), nullptr);
    QMessageBox* box = f.live().lastMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().startsWith(QString::fromUtf8(c.name) +
                                       QStringLiteral(" cannot be opened as a recording: ")))
        << box->text().toStdString();
    EXPECT_TRUE(box->text().contains(QString::fromStdString(c.says))) << box->text().toStdString();
    EXPECT_TRUE(f.live().recordingWindows().isEmpty());
    EXPECT_TRUE(f.window->findChildren<PlotWindow*>().isEmpty());
}

const std::string kExpectedHeader = "expected the header " + record_header();

INSTANTIATE_TEST_SUITE_P(
    Files, RecordingRefused,
    ::testing::Values(
        RefusedCase{"other.csv", std::string("time,speed\n1,2\n"), kExpectedHeader.c_str()},
        RefusedCase{"empty.csv", std::string(), kExpectedHeader.c_str()},
        RefusedCase{"params.csv", std::string("{\"format\": 1}\n"), kExpectedHeader.c_str()},
        RefusedCase{"missing.csv", std::nullopt, "No such file"}),
    [](const ::testing::TestParamInfo<RefusedCase>& i) {
        return std::string(i.param.name).substr(0, std::string(i.param.name).find('.'));
    });

struct CursorCase {
    const char* what;
    std::optional<std::int64_t> a;
    std::optional<std::int64_t> b;
    bool idcShown;
    const char* text;
};

TEST(PlotCursors, ReadoutGivesTimesDeltaAndEachShownCurvesValues) {
    PlotWindow w(recording_of(ride().text()), QStringLiteral("ride.csv"));
    const std::vector<CursorCase> cases = {
        {"both on samples", 1000, 3000, true,
         "A 1.000 s   B 3.000 s   B - A 2.000 s\n"
         "Vdc [V]: A 73, B 75, B - A +2\n"
         "Idc [A]: A -2.5, B 2.5, B - A +5\n"
         "Speed [rpm]: A 1000, B 3000, B - A +2000"},
        {"nearest samples, B before A", 2549, 1451, true,
         "A 2.500 s   B 1.500 s   B - A -1.000 s\n"
         "Vdc [V]: A 74.5, B 73.5, B - A -1\n"
         "Idc [A]: A 1.25, B -1.25, B - A -2.5\n"
         "Speed [rpm]: A 2500, B 1500, B - A -1000"},
        {"a difference in tenths", 100, 300, false,
         "A 0.100 s   B 0.300 s   B - A 0.200 s\n"
         "Vdc [V]: A 72.1, B 72.3, B - A +0.2\n"
         "Speed [rpm]: A 100, B 300, B - A +200"},
        {"A alone, on a tie the earlier sample", 550, std::nullopt, false,
         "A 0.500 s\nVdc [V]: A 72.5\nSpeed [rpm]: A 500"},
        {"B alone, past the end", std::nullopt, 99'999, false,
         "B 11.900 s\nVdc [V]: B 83.9\nSpeed [rpm]: B 11900"},
        {"none", std::nullopt, std::nullopt, true, ""},
    };
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.what);
        w.clearCursors();
        w.showChannel(PanelChannel::Idc, c.idcShown);
        if (c.a) {
            w.setCursorA(*c.a);
        }
        if (c.b) {
            w.setCursorB(*c.b);
        }
        EXPECT_EQ(w.cursorsText().toStdString(), c.text);
        // A line per cursor set, and none left after clearing.
        EXPECT_EQ(w.plot()->itemCount(), 1 + 2 * static_cast<int>(w.markerTexts().size()) +
                                             2 * (c.a ? 1 : 0) + 2 * (c.b ? 1 : 0));
    }
}

TEST(PlotCursors, MouseSetsAWithAClickAndBWithARightOrShiftClick) {
    PlotWindow w(recording_of(ride().text()), QStringLiteral("ride.csv"));
    w.resize(1000, 600);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.plot()->replot();
    const auto at = [&w](double seconds) {
        return QPoint(static_cast<int>(std::lround(w.plot()->xAxis->coordToPixel(seconds))),
                      w.plot()->axisRect()->center().y());
    };
    QTest::mouseClick(w.plot(), Qt::LeftButton, Qt::NoModifier, at(2.0));
    EXPECT_TRUE(w.cursorsText().startsWith(QStringLiteral("A 2.000 s\n")))
        << w.cursorsText().toStdString();
    QTest::mouseClick(w.plot(), Qt::RightButton, Qt::NoModifier, at(5.0));
    EXPECT_TRUE(w.cursorsText().startsWith(QStringLiteral("A 2.000 s   B 5.000 s   B - A 3.000 s")))
        << w.cursorsText().toStdString();
    QTest::mouseClick(w.plot(), Qt::LeftButton, Qt::ShiftModifier, at(7.0));
    EXPECT_TRUE(w.cursorsText().startsWith(QStringLiteral("A 2.000 s   B 7.000 s")))
        << w.cursorsText().toStdString();
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdClearCursors")), Qt::LeftButton);
    EXPECT_EQ(w.cursorsText(), QString());
}

TEST(PlotCursors, LiveWindowMeasuresOnItsClockAndKeepsTheHoverReadout) {
    SampleStore store;
    for (int i = 1; i <= 30; ++i) {
        store.add(100LL * i, frame_of(i));
    }
    PlotWindow w(store);
    w.refresh();
    w.setCursorA(1000);
    w.setCursorB(2500);
    w.setCursorTime(549);
    EXPECT_EQ(w.cursorsText().toStdString(), "A 0:00:01.0   B 0:00:02.5   B - A 1.500 s\n"
                                             "Vdc [V]: A 73, B 74.5, B - A +1.5\n"
                                             "Idc [A]: A -2.5, B 1.25, B - A +3.75\n"
                                             "Speed [rpm]: A 1000, B 2500, B - A +1500");
    EXPECT_EQ(w.cursorText(), QStringLiteral("0:00:00.5   Vdc [V] = 72.5   Idc [A] = -3.75   "
                                             "Speed [rpm] = 500"));
}

struct ImageCase {
    const char* file;
    QSize size;
};

TEST(PlotSave, ImageIsThePictureAtTheSizeAsked) {
    QTemporaryDir dir;
    PlotWindow w(recording_of(ride().text()), QStringLiteral("ride.csv"));
    w.resize(900, 560);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const std::vector<ImageCase> cases = {{"a.png", QSize(1280, 720)},
                                          {"b.png", QSize(1920, 1080)},
                                          {"c.png", QSize()},
                                          {"d.pdf", QSize(1600, 900)},
                                          {"e.PDF", QSize()}};
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(QLatin1String(c.file));
        QString error;
        ASSERT_TRUE(w.saveImage(path, c.size, &error)) << error.toStdString();
        const QSize expected = c.size.isEmpty() ? w.plot()->size() : c.size;
        if (path.endsWith(QLatin1String(".png"))) {
            const QImage image(path);
            EXPECT_EQ(image.size(), expected);
            continue;
        }
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        ASSERT_TRUE(info.waitForFinished());
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
            << out.toStdString();
        EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Page size:\\s+%1 x %2 pts")
                                                        .arg(expected.width())
                                                        .arg(expected.height()))))
            << out.toStdString();
    }
    EXPECT_TRUE(w.statusText().endsWith(
        QStringLiteral("Saved e.PDF (%1x%2)").arg(w.plot()->width()).arg(w.plot()->height())))
        << w.statusText().toStdString();

    struct Refused {
        const char* file;
        QSize size;
        const char* says;
    };
    for (const Refused& c :
         {Refused{"plot.jpg", QSize(800, 600), "saved as .png or .pdf"},
          Refused{"no/such/dir/plot.png", QSize(800, 600), "cannot be written"},
          Refused{"huge.png", QSize(20'000, 600), "each side is 100 to 10000 pixels"}}) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(QLatin1String(c.file));
        QString error;
        EXPECT_FALSE(w.saveImage(path, c.size, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(PlotSave, VisibleRangeOfARecordingIsItsSourceRowsExactly) {
    QTemporaryDir dir;
    const Ride r = ride();
    PlotWindow w(recording_of(r.text()), QStringLiteral("ride.csv"));
    struct Case {
        std::int64_t from;
        std::int64_t to;
        std::size_t first; // the rows expected, [first, last)
        std::size_t last;
    };
    for (const Case& c : {Case{2000, 5000, 20, 51}, Case{2050, 3150, 21, 32},
                          Case{0, 11'900, 0, 120}, Case{11'000, 13'000, 99, 120}}) {
        SCOPED_TRACE(c.from);
        w.setTimeRange(c.from, c.to);
        const QString path = dir.filePath(QStringLiteral("range-%1.csv").arg(c.from));
        QString error;
        ASSERT_TRUE(w.saveVisibleCsv(path, &error)) << error.toStdString();
        std::string expected = record_header() + "\n";
        for (std::size_t i = c.first; i < c.last; ++i) {
            expected += r.rows[i] + "\n";
        }
        EXPECT_EQ(read_file(path), expected);
        EXPECT_TRUE(w.statusText().endsWith(
            QStringLiteral("Saved %1 rows to range-%2.csv").arg(c.last - c.first).arg(c.from)));
    }
    // Nothing written where it cannot be; the message says why.
    QString error;
    EXPECT_FALSE(w.saveVisibleCsv(dir.filePath(QStringLiteral("no/such/dir.csv")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot save"))) << error.toStdString();
}

TEST(PlotSave, LiveWindowSavesTheRowsItShowsAsARecording) {
    Fixture f;
    f.window->findChild<QAction*>(QStringLiteral("Menu_View_Plot"))->trigger();
    PlotWindow* plot = f.live().plotWindow();
    ASSERT_NE(plot, nullptr);
    (void)f.port.open();
    for (int i = 0; i < 10; ++i) {
        f.window->Timer3_Timer();
    }
    for (int i = 0; i < 25; ++i) {
        f.port.deliver(frame_of(i, i >= 10 ? kOverVoltage : 0));
    }
    EXPECT_TRUE(plot->findChild<QPushButton*>(QStringLiteral("cmdSaveCsv"))->isEnabled());
    const QString path = f.path("live.csv");
    QString error;
    ASSERT_TRUE(plot->saveVisibleCsv(path, &error)) << error.toStdString();
    const Result<Recording> back = read_recording(read_file(path));
    ASSERT_TRUE(back.ok()) << back.error().message;
    ASSERT_EQ(back->rows.size(), 25U);
    EXPECT_TRUE(back->skippedLines.empty());
    EXPECT_EQ(back->rows.front().elapsedMs, 0); // counted from the first row saved
    for (std::size_t i = 0; i < back->rows.size(); ++i) {
        const StatusValues v = read_status(back->rows[i].frame);
        EXPECT_EQ(v[StatusField::Speed], 100 * static_cast<int>(i)) << i;
        EXPECT_EQ(v[StatusField::CurrentFaults], i >= 10 ? kOverVoltage : 0) << i;
    }

    // A plot with no rows to give says so and writes nothing.
    SampleStore store;
    PlotWindow bare(store);
    EXPECT_FALSE(bare.findChild<QPushButton*>(QStringLiteral("cmdSaveCsv"))->isEnabled());
    EXPECT_FALSE(bare.saveVisibleCsv(f.path("bare.csv"), &error));
    EXPECT_FALSE(QFile::exists(f.path("bare.csv")));
}

TEST(PlotRender, DrawsTheWindowsPictureWithoutShowingIt) {
    QTemporaryDir dir;
    const Recording rec = recording_of(ride().text());
    const QString rendered = dir.filePath(QStringLiteral("rendered.png"));
    const Result<bool> r = render_recording(rec, {PanelChannel::Speed, PanelChannel::Idc}, 1000,
                                            6000, QSize(800, 450), rendered);
    ASSERT_TRUE(r.ok()) << r.error().message;

    PlotWindow w(rec, QStringLiteral("ride.csv"));
    w.showChannel(PanelChannel::Vdc, false);
    w.setTimeRange(1000, 6000);
    const QString saved = dir.filePath(QStringLiteral("saved.png"));
    QString error;
    ASSERT_TRUE(w.saveImage(saved, QSize(800, 450), &error)) << error.toStdString();
    const QImage a(rendered);
    EXPECT_EQ(a.size(), QSize(800, 450));
    EXPECT_EQ(a, QImage(saved)); // pixel for pixel, the fault markers included

    const Result<bool> whole = render_recording(rec, {}, std::nullopt, std::nullopt, QSize(),
                                                dir.filePath(QStringLiteral("all.pdf")));
    ASSERT_TRUE(whole.ok()) << whole.error().message;
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("all.pdf"))));

    struct Refused {
        const char* what;
        Recording rec;
        std::optional<std::int64_t> from;
        std::optional<std::int64_t> to;
        const char* says;
    };
    for (const Refused& c :
         {Refused{"no rows", Recording{}, std::nullopt, std::nullopt, "holds no rows"},
          Refused{"after the end", rec, 20'000, 30'000,
                  "No rows between 20.000 s and 30.000 s; the recording runs from 0.000 s to "
                  "11.900 s."},
          Refused{"backwards", rec, 5000, 1000, "before it starts"}}) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QStringLiteral("refused.png"));
        const Result<bool> refused =
            render_recording(c.rec, {}, c.from, c.to, QSize(400, 300), path);
        ASSERT_FALSE(refused.ok());
        EXPECT_NE(refused.error().message.find(c.says), std::string::npos)
            << refused.error().message;
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(RecordingMenu, OpenRecordingWorksOfflineThroughANonBlockingDialog) {
    Fixture f;
    QAction* open = f.window->findChild<QAction*>(QStringLiteral("Menu_File_OpenRecording"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled()); // no controller needed
    const Ride r = ride(30);
    for (const char* name : {"first.csv", "second.csv"}) {
        write_file(f.path(name), r.text());
        open->trigger(); // returns at once: the dialog is open, not running a loop
        auto* dialog = f.window->findChild<QFileDialog*>(QStringLiteral("dlgOpenRecording"));
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Recordings (*.csv)"});
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->selectFile(f.path(name));
        static_cast<QDialog*>(dialog)->accept(); // as the Open button does
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the dialog goes
    }
    // Both stay open side by side, each on its own file.
    const QList<PlotWindow*> windows = f.live().recordingWindows();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("first.csv - Plot"));
    EXPECT_EQ(windows[1]->windowTitle(), QStringLiteral("second.csv - Plot"));
    for (PlotWindow* w : windows) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->pointCount(PanelChannel::Speed), 30);
    }
    EXPECT_EQ(f.live().lastMessage(), nullptr);
}

} // namespace

// The live plot, a plot over a recording, the traffic monitor and the live tools' menu items in
// German and Chinese: every caption follows the language, English after any detour is the
// original to the byte, and what is saved or compared (markers, the traffic text, the combo
// choices) does not change with the language.
#include "app/language.h"
#include "app/live_tools.h"
#include "fake_transport.h"
#include "language_support.h"
#include "link/frames.h"
#include "monitor/recording_file.h"
#include "monitor/sample_ring.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "test_support.h"
#include "ui/plot_window.h"
#include "ui/recorder.h"
#include "ui/traffic_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace motiview;
using test::differences;
using test::LanguageScope;
using test::MarkingTranslator;
using test::Texts;
using test::texts_of;

constexpr std::uint16_t kOverVoltage = 0x0004;
constexpr std::uint8_t kRun = 3;
constexpr std::uint8_t kFault = 6;

// The test ride (test_support.h), running unless told otherwise.
Unit frame_of(int i, std::uint16_t faults = 0, std::uint8_t state = kRun) {
    return test::ride_frame(i, faults, state);
}

// Over-voltage, and the fault state with it, on frames 30 to 59.
bool faulty(int i) {
    return i >= 30 && i < 60;
}

std::string ride_text(int n) {
    std::string t = record_header() + "\n";
    for (int i = 0; i < n; ++i) {
        t += record_row(frame_of(i, faulty(i) ? kOverVoltage : 0, faulty(i) ? kFault : kRun),
                        "2024-05-01T10:00:00.000+02:00", 100LL * i) +
             "\n";
    }
    return t;
}

Recording recording_of(const std::string& text) {
    Result<Recording> r = read_recording(text);
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
    return r.ok() ? std::move(r).value() : Recording{};
}

// Every text of every context reads "[text]".
class BracketLanguage {
  public:
    BracketLanguage() = default;

  private:
    MarkingTranslator translator_;
};

std::string read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

// The texts drawn inside the plot: axis labels and the curves' names (the legend's).
void add_plot_texts(const PlotWindow& w, Texts& out) {
    const QCustomPlot& p = *w.plot();
    out[QStringLiteral("#xAxis")] = p.xAxis->label();
    out[QStringLiteral("#yAxis")] = p.yAxis->label();
    out[QStringLiteral("#yAxis2")] = p.yAxis2->label();
    for (int i = 0; i < p.graphCount(); ++i) {
        out[QStringLiteral("#graph%1").arg(i)] = p.graph(i)->name();
    }
}

// One window (or the live tools' menus) built with realistic content, whose texts are taken
// in each language.
class Scene {
  public:
    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    virtual ~Scene() = default;
    [[nodiscard]] virtual Texts texts() const = 0;
    // What the main window does besides the language change event.
    virtual void languageChanged() {}
};

// The live plot, paused, with both cursors and the mouse readout over ten seconds of frames.
class LivePlotScene final : public Scene {
  public:
    LivePlotScene() {
        for (int i = 1; i <= 100; ++i) {
            store_.add(100LL * i, frame_of(i, faulty(i) ? kOverVoltage : 0));
        }
        window_.refresh();
        window_.findChild<QPushButton*>(QStringLiteral("cmdPause"))->click();
        window_.setCursorA(1000);
        window_.setCursorB(2500);
        window_.setCursorTime(549);
    }
    [[nodiscard]] Texts texts() const override {
        Texts t = texts_of(&window_);
        add_plot_texts(window_, t);
        return t;
    }

  private:
    SampleStore store_;
    PlotWindow window_{store_};
};

// A recording's window with the cursors set and a range saved.
class RecordingPlotScene final : public Scene {
  public:
    RecordingPlotScene() {
        window_.setTimeRange(2000, 5000);
        window_.setCursorA(3000);
        window_.setCursorB(4000);
        QString error;
        EXPECT_TRUE(window_.saveVisibleCsv(dir_.filePath(QStringLiteral("part.csv")), &error))
            << error.toStdString();
    }
    [[nodiscard]] Texts texts() const override {
        Texts t = texts_of(&window_);
        add_plot_texts(window_, t);
        return t;
    }

  private:
    QTemporaryDir dir_;
    PlotWindow window_{recording_of(ride_text(80)), QStringLiteral("ride.csv")};
};

// The traffic monitor over a few polls, a read and a broken unit.
class TrafficScene final : public Scene {
  public:
    TrafficScene() {
        for (std::int64_t t = 0; t < 500; t += 100) {
            log_.sent(t, frame_set().statusRequest);
            log_.received(t + 5, frame_of(static_cast<int>(t / 100)));
        }
        log_.sent(510, frame_set().read(PageId::Basic));
        Unit broken = frame_of(1);
        broken[31] = 0x00;
        log_.received(520, broken);
        log_.discarded(530, 4);
        window_.refresh();
    }
    [[nodiscard]] Texts texts() const override { return texts_of(&window_); }

  private:
    TrafficLog log_;
    TrafficWindow window_{log_};
};

// The live tools' File and View items and the status panel with the poll rate.
class LiveToolsScene final : public Scene {
  public:
    LiveToolsScene() {
        host_->setObjectName(QStringLiteral("host"));
        auto* file = new QMenu(host_.get());
        file->setObjectName(QStringLiteral("Menu_File"));
        auto* view = new QMenu(host_.get());
        view->setObjectName(QStringLiteral("Menu_View"));
        auto* panel = new QLabel(host_.get());
        panel->setObjectName(QStringLiteral("Live"));
        tools_ = new LiveTools(port_, supervisor_, host_.get());
        tools_->addRecordActions(file);
        tools_->addViewActions(view);
        tools_->setPanel(panel);
        tools_->setPollRate(5);
        tools_->linkChanged(LinkState::Offline, LinkState::Online);
    }
    [[nodiscard]] Texts texts() const override {
        Texts t = texts_of(host_.get());
        t[QStringLiteral("Menu_View_PollRate#title")] =
            host_->findChild<QMenu*>(QStringLiteral("Menu_View_PollRate"))->title();
        return t;
    }
    void languageChanged() override { tools_->applyCaptions(); }

  private:
    test::FakeTransport port_;
    LinkShared link_;
    Supervisor supervisor_{link_};
    std::unique_ptr<QWidget> host_ = std::make_unique<QWidget>(); // owns the tools
    LiveTools* tools_ = nullptr;
};

struct SceneCase {
    const char* name;
    std::function<std::unique_ptr<Scene>()> make;
    // Entries that must read differently in German: a third of those made translatable.
    std::size_t germanDiffers;
    // The entries no language changes: numbers.
    std::set<QString> kept;
};

void PrintTo(const SceneCase& c, std::ostream* os) {
    *os << c.name;
}

const std::set<QString> kImageSizes = {QStringLiteral("/cboImageSize#item1"),
                                       QStringLiteral("/cboImageSize#item2"),
                                       QStringLiteral("/cboImageSize#item3")};

// Translatable entries in each scene's English texts: live plot 59 (title, three heads, ten
// curves, twenty axis items, three spans, Resume, three buttons, the size item and its tip,
// the hint, both readouts, three axis labels, ten curve names); recording plot 59 (the same
// without Resume and the mouse readout, with "All" and the status line); traffic 16 (title,
// seven counts, four buttons, four headers); live tools 20 (nine actions with their tips, the
// rate menu, the panel). A third of each must change in German.
const SceneCase kScenes[] = {
    {"LivePlot", [] { return std::make_unique<LivePlotScene>(); }, 20, kImageSizes},
    {"RecordingPlot", [] { return std::make_unique<RecordingPlotScene>(); }, 20, kImageSizes},
    {"Traffic", [] { return std::make_unique<TrafficScene>(); }, 6, {}},
    {"LiveTools", [] { return std::make_unique<LiveToolsScene>(); }, 7, {}},
};

class LanguageLive : public ::testing::TestWithParam<SceneCase> {
  protected:
    // The texts after switching to `l`, as the main window would have it.
    Texts textsIn(Language l) {
        EXPECT_TRUE(LanguageScope::use(l)) << language_info(l).code;
        scene->languageChanged();
        return scene->texts();
    }

    LanguageScope scope; // English again when the test ends
    std::unique_ptr<Scene> scene = GetParam().make();
};

TEST_P(LanguageLive, EnglishAfterGermanAndChineseIsTheOriginalToTheByte) {
    const Texts english = scene->texts();
    ASSERT_GE(english.size(), 16U);
    const Texts german = textsIn(Language::German);
    const Texts chinese = textsIn(Language::Chinese);
    const Texts back = textsIn(Language::English);
    EXPECT_EQ(differences(english, back), std::vector<std::string>{});
    // The German translation covers most captions.
    EXPECT_GE(differences(english, german).size(), GetParam().germanDiffers);
    // Nothing appears or goes with the language: the same entries in every language.
    for (const Texts* other : {&german, &chinese}) {
        for (const auto& [key, text] : english) {
            EXPECT_EQ(other->count(key), 1U) << key.toStdString();
        }
        EXPECT_EQ(other->size(), english.size());
    }
}

// Every caption goes through a translation, the numbers do not, and English comes back when the
// translation goes.
TEST_P(LanguageLive, EveryCaptionIsTranslatedAndComesBack) {
    const Texts english = scene->texts();
    Texts bracketed;
    {
        const BracketLanguage bracket;
        scene->languageChanged();
        bracketed = scene->texts();
    }
    scene->languageChanged();
    EXPECT_EQ(differences(english, scene->texts()), std::vector<std::string>{});
    ASSERT_EQ(bracketed.size(), english.size());
    const std::set<QString>& kept = GetParam().kept;
    for (const auto& [key, text] : english) {
        const QString other = bracketed[key];
        if (kept.count(key) != 0) {
            EXPECT_EQ(other, text) << key.toStdString() << " was translated";
        } else {
            EXPECT_NE(other, text)
                << key.toStdString() << " '" << text.toStdString() << "' was not translated";
        }
    }
    EXPECT_GE(english.size() - kept.size(), 3 * GetParam().germanDiffers - 2); // N is a third
}

INSTANTIATE_TEST_SUITE_P(Windows, LanguageLive, ::testing::ValuesIn(kScenes),
                         [](const auto& param) { return std::string(param.param.name); });

// A language to switch to: German, Chinese, or the bracket language (none).
struct Switch {
    const char* name;
    std::optional<Language> language;
};

void PrintTo(const Switch& s, std::ostream* os) {
    *os << s.name;
}

class LanguageLiveMeaning : public ::testing::TestWithParam<Switch> {
  protected:
    void switchLanguage() {
        if (GetParam().language) {
            ASSERT_TRUE(LanguageScope::use(*GetParam().language));
        } else {
            bracket.emplace();
        }
    }

    std::optional<BracketLanguage> bracket;
    LanguageScope scope; // goes first: English, then the brackets removed
};

// The markers name the faults and states as the recordings and the command line do; the
// combo boxes are read by their index and data, which a new language leaves alone.
TEST_P(LanguageLiveMeaning, PlotKeepsMarkersChoicesAndAxes) {
    SampleStore store;
    for (int i = 1; i <= 100; ++i) {
        store.add(100LL * i, frame_of(i, faulty(i) ? kOverVoltage : 0, faulty(i) ? kFault : kRun));
    }
    PlotWindow w(store);
    w.setAxis(PanelChannel::Vdc, PlotAxis::Right);
    w.setSpanMinutes(5);
    w.refresh();
    const QStringList markers = w.markerTexts();
    ASSERT_EQ(markers, (QStringList{"state: RUN", "faults: +over-voltage", "state: RUN -> FAULT",
                                    "faults: -over-voltage", "state: FAULT -> RUN"}));
    std::vector<int> indexes;
    const QList<QComboBox*> combos = w.findChildren<QComboBox*>();
    for (const QComboBox* c : combos) {
        indexes.push_back(c->currentIndex());
    }

    switchLanguage();
    w.refresh();
    EXPECT_EQ(w.markerTexts(), markers);
    for (qsizetype i = 0; i < combos.size(); ++i) {
        EXPECT_EQ(combos[i]->currentIndex(), indexes[static_cast<std::size_t>(i)])
            << combos[i]->objectName().toStdString();
    }
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cboWindow"))->currentData().toInt(), 5);
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cboImageSize"))->count(), 4);
    const QCustomPlot& p = *w.plot();
    EXPECT_EQ(p.graph(static_cast<int>(PanelChannel::Vdc))->valueAxis(), p.yAxis2);
    EXPECT_EQ(p.graph(static_cast<int>(PanelChannel::Speed))->valueAxis(), p.yAxis2);
    EXPECT_EQ(p.graph(static_cast<int>(PanelChannel::Idc))->valueAxis(), p.yAxis);
    EXPECT_TRUE(p.yAxis2->visible());
    // A curve moved after the change goes by the index too.
    w.setAxis(PanelChannel::Vdc, PlotAxis::Left);
    EXPECT_EQ(p.graph(static_cast<int>(PanelChannel::Vdc))->valueAxis(), p.yAxis);
    w.setSpanMinutes(1);
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cboWindow"))->currentData().toInt(), 1);
}

// The saved traffic text is read by whoever gets the file: its counts and columns stay English.
TEST_P(LanguageLiveMeaning, SavedTrafficTextIsTheSameInEveryLanguage) {
    QTemporaryDir dir;
    TrafficLog log;
    TrafficWindow w(log);
    log.sent(0, frame_set().statusRequest);
    log.received(5, frame_of(1));
    log.sent(50, frame_set().read(PageId::Basic));
    log.discarded(60, 3);
    const QString english = dir.filePath(QStringLiteral("en.txt"));
    ASSERT_EQ(w.saveText(english), QString());
    const QStringList counts = counter_texts(log.counters());
    ASSERT_EQ(counts.front(), QStringLiteral("Sent: 2"));

    switchLanguage();
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    ASSERT_EQ(w.saveText(other), QString());
    EXPECT_EQ(read_file(other), read_file(english));
    EXPECT_EQ(counter_texts(log.counters()), counts);
    // The window shows the counts in its language, one label each.
    const QStringList shown = shown_counter_texts(log.counters());
    ASSERT_EQ(shown.size(), counts.size());
    w.refresh();
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblSent"))->text(), shown.front());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblDiscarded"))->text(), shown[4]);
    if (!GetParam().language) {
        EXPECT_EQ(shown[4], QStringLiteral("[Discarded: 3 bytes]"));
    }
}

// The poll rate's items keep their rate and their check through a change of language.
TEST_P(LanguageLiveMeaning, PollRateItemsKeepTheirRate) {
    test::FakeTransport port;
    LinkShared link;
    Supervisor supervisor(link);
    QWidget host;
    auto* view = new QMenu(&host);
    auto* tools = new LiveTools(port, supervisor, &host);
    tools->addViewActions(view);
    tools->setPollRate(2);
    switchLanguage();
    tools->applyCaptions();
    for (const int rate : kPollRates) {
        const auto* a = host.findChild<QAction*>(QStringLiteral("Menu_View_PollRate_%1").arg(rate));
        ASSERT_NE(a, nullptr) << rate;
        EXPECT_EQ(a->data().toInt(), rate);
        EXPECT_EQ(a->isChecked(), rate == 2) << rate;
        EXPECT_FALSE(a->text().isEmpty()) << rate;
    }
    host.findChild<QAction*>(QStringLiteral("Menu_View_PollRate_10"))->trigger();
    EXPECT_EQ(supervisor.poll_rate(), 10);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLiveMeaning,
                         ::testing::Values(Switch{"Deutsch", Language::German},
                                           Switch{"Chinese", Language::Chinese},
                                           Switch{"Brackets", std::nullopt}),
                         [](const auto& param) { return std::string(param.param.name); });

// The file dialogs: titles and each filter translated on their own, the patterns untouched.
struct DialogCase {
    const char* name;
    const char* dialog;
    const char* title;
    QStringList filters;
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

// The windows whose buttons and menu items open the dialogs, offline but for recording.
struct DialogHost {
    DialogHost() {
        auto* file = new QMenu(&host);
        auto* view = new QMenu(&host);
        tools = new LiveTools(port, supervisor, &host);
        tools->addRecordActions(file);
        tools->addViewActions(view);
        tools->linkChanged(LinkState::Offline, LinkState::Online); // Record... needs the link
        for (int i = 1; i <= 20; ++i) {
            store.add(100LL * i, frame_of(i));
        }
        plot = new PlotWindow(store, &host);
        plot->setRowProvider([](std::int64_t, std::int64_t) { return record_header() + "\n"; });
        traffic = new TrafficWindow(log, &host);
    }
    // Opens the dialog the way the technician does; null when it did not open.
    QFileDialog* open(const char* dialog) {
        const QString name = QLatin1String(dialog);
        if (name == QLatin1String("dlgSaveImage")) {
            plot->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"))->click();
        } else if (name == QLatin1String("dlgSaveCsv")) {
            plot->findChild<QPushButton*>(QStringLiteral("cmdSaveCsv"))->click();
        } else if (name == QLatin1String("dlgSaveTraffic")) {
            traffic->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        } else if (name == QLatin1String("dlgRecord")) {
            host.findChild<QAction*>(QStringLiteral("Menu_File_Record"))->trigger();
        } else if (name == QLatin1String("dlgOpenRecording")) {
            host.findChild<QAction*>(QStringLiteral("Menu_File_OpenRecording"))->trigger();
        }
        QFileDialog* d = host.findChild<QFileDialog*>(name);
        if (d != nullptr) {
            d->setAttribute(Qt::WA_DeleteOnClose, false); // read after closing
            d->close();
            d->setParent(nullptr);
        }
        return d;
    }

    test::FakeTransport port;
    LinkShared link;
    Supervisor supervisor{link};
    SampleStore store;
    TrafficLog log;
    QWidget host;
    LiveTools* tools = nullptr;
    PlotWindow* plot = nullptr;
    TrafficWindow* traffic = nullptr;
};

class LanguageLiveDialogs : public ::testing::TestWithParam<DialogCase> {};

TEST_P(LanguageLiveDialogs, TitleAndFiltersAreTranslatedPatternsStay) {
    const DialogCase& c = GetParam();
    DialogHost h;
    const std::unique_ptr<QFileDialog> english(h.open(c.dialog));
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->windowTitle(), QLatin1String(c.title));
    EXPECT_EQ(english->nameFilters(), c.filters);

    const BracketLanguage bracket;
    const std::unique_ptr<QFileDialog> other(h.open(c.dialog));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->windowTitle(), QLatin1Char('[') + QLatin1String(c.title) + QLatin1Char(']'));
    QStringList bracketed;
    for (const QString& f : c.filters) {
        bracketed << QLatin1Char('[') + f + QLatin1Char(']');
    }
    EXPECT_EQ(other->nameFilters(), bracketed);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, LanguageLiveDialogs,
    ::testing::Values(
        DialogCase{"SaveImage",
                   "dlgSaveImage",
                   "Save image",
                   {QStringLiteral("PNG image (*.png)"), QStringLiteral("PDF document (*.pdf)")}},
        DialogCase{"SaveCsv",
                   "dlgSaveCsv",
                   "Save visible range as CSV",
                   {QStringLiteral("Recordings (*.csv)")}},
        DialogCase{"SaveTraffic",
                   "dlgSaveTraffic",
                   "Save traffic as text",
                   {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")}},
        DialogCase{"Record", "dlgRecord", "Record", {QStringLiteral("Recordings (*.csv)")}},
        DialogCase{"OpenRecording",
                   "dlgOpenRecording",
                   "Open recording",
                   {QStringLiteral("Recordings (*.csv)")}}),
    [](const auto& param) { return std::string(param.param.name); });

// Messages and status texts are made in the language shown when they are made.
TEST(LanguageLiveMessages, BuiltInTheLanguageShown) {
    QTemporaryDir dir;
    const BracketLanguage bracket;

    Recorder rec;
    ASSERT_EQ(rec.start(dir.filePath(QStringLiteral("ride.csv"))), QString());
    rec.addFrame(frame_of(1));
    rec.stop(); // the time stands still from here
    EXPECT_EQ(rec.progressText(),
              QStringLiteral("[Recording ride.csv: 1 rows, %1 s]")
                  .arg(static_cast<double>(rec.elapsedMs()) / 1000.0, 0, 'f', 1));

    DialogHost h;
    QLabel panel;
    h.tools->setPanel(&panel);
    EXPECT_EQ(panel.text(), QStringLiteral("[Poll 1/s]"));
    ASSERT_TRUE(h.tools->startRecording(dir.filePath(QStringLiteral("live.csv"))).isEmpty());
    h.tools->received(frame_of(2), ActionType::Status);
    EXPECT_TRUE(panel.text().startsWith(QStringLiteral("[Poll 1/s]  [Recording live.csv: 1 rows")))
        << panel.text().toStdString();
    h.tools->linkChanged(LinkState::Online, LinkState::Offline);
    ASSERT_NE(h.tools->lastMessage(), nullptr);
    EXPECT_EQ(h.tools->lastMessage()->text(),
              QStringLiteral("[The link was lost; the recording stopped.\n%1 holds 1 rows.]")
                  .arg(dir.filePath(QStringLiteral("live.csv"))));
    h.tools->setPanel(nullptr);

    QString error;
    const QString jpg = dir.filePath(QStringLiteral("plot.jpg"));
    EXPECT_FALSE(h.plot->saveImage(jpg, QSize(800, 600), &error));
    EXPECT_EQ(error, QStringLiteral("[%1: an image is saved as .png or .pdf.]").arg(jpg));
    EXPECT_FALSE(
        h.plot->saveImage(dir.filePath(QStringLiteral("huge.png")), QSize(20'000, 600), &error));
    EXPECT_EQ(error, QStringLiteral("[An image of 20000x600 pixels cannot be saved: each side is "
                                    "100 to 10000 pixels.]"));
    SampleStore empty;
    PlotWindow bare(empty);
    EXPECT_FALSE(bare.saveVisibleCsv(dir.filePath(QStringLiteral("bare.csv")), &error));
    EXPECT_EQ(error, QStringLiteral("[This window has no rows to save.]"));
    ASSERT_TRUE(h.plot->saveVisibleCsv(dir.filePath(QStringLiteral("part.csv")), &error))
        << error.toStdString();
    EXPECT_TRUE(h.plot->statusText().endsWith(QStringLiteral("[Saved 0 rows to part.csv]")))
        << h.plot->statusText().toStdString();

    const QString missing = dir.filePath(QStringLiteral("missing/traffic.txt"));
    EXPECT_TRUE(h.traffic->saveText(missing).startsWith(
        QStringLiteral("[Cannot save \"%1\": ").arg(missing)))
        << h.traffic->saveText(missing).toStdString();
}

} // namespace

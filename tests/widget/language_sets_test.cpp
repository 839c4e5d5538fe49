// The parameter sets' windows in German and Chinese: the compare and restore window, the
// progress dialog, the serial port dialog, the hall test window and the File menu's flows follow
// the language; English after any detour is the original to the byte; the controller's and the
// core's words stay as they are; and what the code reads (the parity letter, the ticked pages,
// the copied rows) does not depend on the words shown.
#include "app/parameter_flows.h"
#include "base/qt/text.h"
#include "pages/page_schema.h"
#include "ui/com_settings_dialog.h"
#include "ui/diff_window.h"
#include "ui/hall_test_window.h"
#include "ui/progress_dialog.h"

#include "case_names.h"
#include "fake_transport.h"
#include "language_support.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::differences;
using motiview::test::FakeTransport;
using motiview::test::LanguageScope;
using motiview::test::MarkingTranslator;
using motiview::test::Texts;
using motiview::test::texts_of;

namespace {

// Answers every text of this area's classes as "[[text]]", so that the caption routines are
// checked before the translators have been at work: what changes under it is exactly what goes
// through a translation, and nothing else. Installed for its lifetime, over English.
class Marking {
  public:
    Marking() = default;

  private:
    MarkingTranslator translator_{QStringLiteral("[[%1]]"),
                                  {"motiview::ComSettingsDialog", "motiview::DiffWindow",
                                   "motiview::HallTestWindow", "motiview::ParameterFlows",
                                   "motiview::ProgressDialog"}};
};

// What `look` sees in English, German, Chinese, English again, and under the marking.
template <class T> struct Seen {
    T en;
    T de;
    T zh;
    T back;
    T marked;
};

template <class Look> auto seen_in_each_language(Look look) {
    LanguageScope scope;
    Seen<decltype(look())> s;
    s.en = look();
    EXPECT_TRUE(LanguageScope::use(Language::German));
    s.de = look();
    EXPECT_TRUE(LanguageScope::use(Language::Chinese));
    s.zh = look();
    EXPECT_TRUE(LanguageScope::use(Language::English));
    s.back = look();
    {
        const Marking marking;
        s.marked = look();
    }
    return s;
}

std::string listed(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += "\n  " + l;
    }
    return out;
}

// A row as the flows build it: the core's English caption of the field.
DiffRow row(PageId page, const char* field, const char* controller, const char* file) {
    const PageSchema& schema = page_schema(page);
    const FieldSchema* f = find_field(schema, field);
    EXPECT_NE(f, nullptr) << field;
    return {page, QLatin1String(field), f != nullptr ? qs(field_caption(schema, *f)) : QString(),
            QLatin1String(controller), QLatin1String(file)};
}

std::unique_ptr<DiffWindow> compare_window() {
    return std::make_unique<DiffWindow>(
        DiffWindow::Mode::Compare, QStringLiteral("other.json"),
        std::vector<DiffRow>{row(PageId::Basic, "txtMaxspeed", "4321", "6000"),
                             row(PageId::Motor, "txtPolePairN", "7", "4")},
        std::vector<PageId>{PageId::Basic, PageId::Motor, PageId::Reference, PageId::Control});
}

// A restore whose first page has been written: the hardware page warns, Reference is the same.
std::unique_ptr<DiffWindow> restore_window() {
    auto w = std::make_unique<DiffWindow>(
        DiffWindow::Mode::Restore, QStringLiteral("saved.json"),
        std::vector<DiffRow>{row(PageId::Basic, "txtMaxspeed", "4321", "6000"),
                             row(PageId::Basic, "txtEcospeed", "120", "150"),
                             row(PageId::Hardware, "txtMosInPara", "5", "4")},
        std::vector<PageId>{PageId::Basic, PageId::Reference, PageId::Hardware});
    w->setPageOutcome(PageId::Basic, QStringLiteral("written, verified"), true);
    return w;
}

// ---- every window: English again after a detour, German differs ----------------------------

struct Made {
    LinkConfig config;
    FakeTransport port;
    QTemporaryDir dir;
    std::vector<QByteArray> env;
    std::unique_ptr<QWidget> window;

    Made() = default;
    Made(const Made&) = delete;
    Made& operator=(const Made&) = delete;
    ~Made() {
        window.reset();
        for (const QByteArray& name : env) {
            qunsetenv(name.constData());
        }
    }
    // No serial device at all: the port dialog's note says so, whatever the machine has.
    void noDevices() {
        for (int n = 1; n <= 9; ++n) {
            env.push_back("MOTIVIEW_COM" + QByteArray::number(n));
            qputenv(env.back().constData(),
                    QFile::encodeName(dir.filePath(QStringLiteral("ttyGONE%1").arg(n))));
        }
    }
};

struct WindowCase {
    const char* name;
    void (*make)(Made&);
    std::size_t translated; // entries of texts_of() the window translates
    std::size_t german;     // of them at least a third differ in German
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageWindows : public ::testing::TestWithParam<WindowCase> {
  protected:
    void SetUp() override {
        GetParam().make(made_);
        ASSERT_NE(made_.window, nullptr);
        seen_ = seen_in_each_language([this] { return texts_of(made_.window.get()); });
    }
    Made made_;
    Seen<Texts> seen_;
};

TEST_P(LanguageWindows, EnglishAfterADetourIsTheOriginalAndGermanDiffers) {
    EXPECT_EQ(differences(seen_.en, seen_.back), std::vector<std::string>{});
    const std::vector<std::string> german = differences(seen_.en, seen_.de);
    EXPECT_GE(german.size(), GetParam().german) << listed(german);
}

// Exactly the fixed texts go through a translation: not the controller's notice, not the
// numbers, not the product's name.
TEST_P(LanguageWindows, ExactlyTheFixedTextsAreTranslated) {
    const std::vector<std::string> marked = differences(seen_.en, seen_.marked);
    EXPECT_EQ(marked.size(), GetParam().translated) << listed(marked);
    for (const auto& [key, text] : seen_.marked) {
        const auto english = seen_.en.find(key);
        ASSERT_NE(english, seen_.en.end()) << key.toStdString();
        if (text != english->second) {
            EXPECT_TRUE(text.contains("[[")) << key.toStdString() << ": " << text.toStdString();
        }
    }
}

// The counts: Hall: title. Progress: Cancel. Port dialog: title, frame, five captions, the
// check box and its tip, Ok, Cancel, three parity words, the note that no device is present.
// Compare: title, summary, four column titles, two buttons, the copy action and its tip.
// Restore: those and the list's caption, the hardware warning and the write button.
INSTANTIATE_TEST_SUITE_P(
    Sets, LanguageWindows,
    ::testing::Values(WindowCase{"hall_test",
                                 [](Made& m) {
                                     auto w = std::make_unique<HallTestWindow>();
                                     w->setText(QStringLiteral("Group Hall B is under testing."));
                                     m.window = std::move(w);
                                 },
                                 1, 1},
                      WindowCase{"progress",
                                 [](Made& m) {
                                     auto p = std::make_unique<ProgressDialog>();
                                     p->setRange(0, 11);
                                     p->setValue(3);
                                     p->setLabelText(
                                         QStringLiteral("Reading Motor parameter (4 of 11)..."));
                                     m.window = std::move(p);
                                 },
                                 1, 1},
                      WindowCase{"com_settings",
                                 [](Made& m) {
                                     m.noDevices();
                                     m.config.portNumber = 3;
                                     m.window =
                                         std::make_unique<ComSettingsDialog>(m.config, m.port);
                                 },
                                 15, 5},
                      WindowCase{"compare", [](Made& m) { m.window = compare_window(); }, 10, 4},
                      WindowCase{"restore", [](Made& m) { m.window = restore_window(); }, 13, 5}),
    ByLabel<&WindowCase::name>{});

// ---- the compare and restore window -------------------------------------------------------

QStringList cells(const QTableWidget* table, int column) {
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) {
        out << table->item(r, column)->text();
    }
    return out;
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

TEST(LanguageDiffWindow, PagesAndCaptionsAsThePageWindowsShowThemTheCopiedRowsInEnglish) {
    const auto w = compare_window();
    const auto* table = w->findChild<QTableWidget*>(QStringLiteral("tblDifferences"));
    ASSERT_NE(table, nullptr);
    struct Shown {
        QStringList pages;
        QStringList captions;
        QStringList expectedPages;
        QStringList expectedCaptions;
        QString copied;
        QString summary;
    };
    const auto seen = seen_in_each_language([&] {
        Shown s{cells(table, 0), cells(table, 1), {}, {}, w->rowsAsText(), w->summary()};
        for (const DiffRow& d : w->rows()) {
            s.expectedPages << tq("Pages", page_title(page_schema(d.page)));
            s.expectedCaptions << tq("Pages", d.caption.toStdString());
        }
        return s;
    });
    for (const Shown* s : {&seen.en, &seen.de, &seen.zh, &seen.back, &seen.marked}) {
        EXPECT_EQ(s->pages, s->expectedPages);
        EXPECT_EQ(s->captions, s->expectedCaptions);
        // Copied rows are data for another program: the same words whatever is shown.
        EXPECT_EQ(s->copied, seen.en.copied);
    }
    EXPECT_EQ(seen.en.pages, QStringList({"Basic setting", "Motor parameter"}));
    EXPECT_TRUE(seen.en.copied.startsWith("Page\tField\tCaption\tController\tFile\n"))
        << seen.en.copied.toStdString();
    EXPECT_EQ(seen.en.summary, "2 fields differ on 2 pages. No difference on: Reference, Control.");
    EXPECT_EQ(seen.back.summary, seen.en.summary);
    // Every piece of the sentence is translated, the counts too; the page titles are the pages'.
    EXPECT_EQ(seen.marked.summary, "[[[[2 fields]] differ on [[2 pages]].]] [[No difference on: "
                                   "Reference, Control.]]");
    // The pages are translated already: their titles change in German and Chinese.
    EXPECT_NE(seen.de.pages, seen.en.pages);
    EXPECT_NE(seen.zh.pages, seen.en.pages);
    // The rows the window was given keep the core's English.
    EXPECT_EQ(w->rows()[0].caption, seen.en.captions[0]);
}

TEST(LanguageDiffWindow, RestoreListKeepsTheTicksAndTheCoresOutcome) {
    const auto w = restore_window();
    auto* list = w->findChild<QListWidget*>(QStringLiteral("lstPages"));
    ASSERT_NE(list, nullptr);
    w->setPageChecked(PageId::Reference, true);
    struct Shown {
        QStringList items;
        std::vector<PageId> ticked;
        QString summary;
        QString basic; // the Basic page's title as its window shows it
    };
    const auto seen = seen_in_each_language([&] {
        return Shown{items(list), w->selectedPages(), w->summary(),
                     tq("Pages", page_title(page_schema(PageId::Basic)))};
    });
    EXPECT_EQ(seen.en.items,
              QStringList({"Basic setting - 2 differences: written, verified",
                           "Reference - no difference", "Idc calibration - 1 difference"}));
    EXPECT_EQ(seen.en.summary, "3 fields differ on 2 pages. 1 page already holds the file: "
                               "Reference.");
    EXPECT_EQ(seen.back.items, seen.en.items);
    EXPECT_EQ(seen.back.summary, seen.en.summary);
    EXPECT_EQ(seen.marked.items,
              QStringList({"Basic setting - [[2 differences]]: written, verified",
                           "Reference - [[no difference]]", "Idc calibration - [[1 difference]]"}));
    EXPECT_EQ(seen.marked.summary, "[[[[3 fields]] differ on [[2 pages]].]] [[[[1 page]] already "
                                   "holds the file: Reference.]]");
    const std::vector<PageId> ticked{PageId::Basic, PageId::Reference};
    for (const auto* s : {&seen.en, &seen.de, &seen.zh, &seen.back, &seen.marked}) {
        EXPECT_EQ(s->ticked, ticked);
        ASSERT_EQ(s->items.size(), 3);
        // The verdict is the core's, in its own words.
        EXPECT_TRUE(s->items[0].endsWith(": written, verified")) << s->items[0].toStdString();
        EXPECT_TRUE(s->items[0].startsWith(s->basic + " - ")) << s->items[0].toStdString();
    }
    EXPECT_NE(seen.de.items, seen.en.items);
    EXPECT_NE(seen.de.basic, seen.en.basic);
}

TEST(LanguageDiffWindow, AnOwnersTitleIsLeftAlone) {
    // The service history names both visits in the title of its compare window.
    const auto w = compare_window();
    const QString own = QStringLiteral("WORKSHOP 7: 2026-12-08 10:00 (as found) against "
                                       "2026-12-08 11:00 (as left)");
    const QString given = w->windowTitle();
    EXPECT_EQ(given, "Compare with other.json");
    w->setWindowTitle(own);
    const auto seen = seen_in_each_language([&] { return w->windowTitle(); });
    EXPECT_EQ(seen.en, own);
    EXPECT_EQ(seen.de, own);
    EXPECT_EQ(seen.zh, own);
    EXPECT_EQ(seen.back, own);
    EXPECT_EQ(seen.marked, own);
}

// ---- the progress dialog ------------------------------------------------------------------

TEST(LanguageProgressDialog, CancelIsThePlatformsWordInEnglishAndStillCancels) {
    ProgressDialog p;
    auto* cancel = p.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    ASSERT_NE(cancel, nullptr);
    QDialogButtonBox standard(QDialogButtonBox::Cancel);
    const QString platform = standard.button(QDialogButtonBox::Cancel)->text();
    const auto seen = seen_in_each_language([&] {
        // The button box would put the platform's English back; the translation must stay.
        if (installed_language() != Language::English) {
            EXPECT_EQ(cancel->text(),
                      QCoreApplication::translate("motiview::ProgressDialog", "Cancel"));
        }
        return cancel->text();
    });
    EXPECT_EQ(seen.en, platform);
    EXPECT_EQ(seen.back, platform);
    EXPECT_EQ(seen.marked, "[[Cancel]]");

    QSignalSpy canceled(&p, &ProgressDialog::canceled);
    p.show();
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(canceled.count(), 1);
    EXPECT_FALSE(p.isVisible());
}

// ---- the serial port dialog ---------------------------------------------------------------

struct ParityCase {
    const char* name;
    const char* letter; // the settings string's
    Parity parity;
};

void PrintTo(const ParityCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageParity : public ::testing::TestWithParam<ParityCase> {};

// The parity words may be translated: Ok reads the letter behind the word, and the remembered
// settings select it, in every language.
TEST_P(LanguageParity, OkAndTheRememberedSettingsUseTheLetterNotTheWord) {
    const ParityCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings store(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    save_link_prefs(store, {PortChoice{4, QString(),
                                       QStringLiteral("19200,%1,7,2").arg(QLatin1String(c.letter))},
                            false});
    // The word shown for the remembered parity, after Ok has opened the port with it.
    const auto check = [&]() -> QString {
        LinkConfig config;
        FakeTransport port;
        ComSettingsDialog d(config, port, nullptr, &store);
        d.show();
        auto* parity = d.findChild<QComboBox*>(QStringLiteral("cboParity"));
        if (parity == nullptr) {
            ADD_FAILURE() << "no cboParity";
            return {};
        }
        const QString shown = parity->currentText();
        EXPECT_EQ(parity->currentData().toString(), QLatin1String(c.letter));
        QStringList letters;
        for (int i = 0; i < parity->count(); ++i) {
            letters << parity->itemData(i).toString();
        }
        EXPECT_EQ(letters, QStringList({"n", "o", "e"}));
        d.findChild<QPushButton*>(QStringLiteral("cmdComOK"))->click();
        EXPECT_EQ(config.settings, QStringLiteral("19200,%1,7,2").arg(QLatin1String(c.letter)));
        EXPECT_EQ(port.settings.parity, c.parity);
        EXPECT_TRUE(port.isOpen());
        return shown;
    };
    LanguageScope scope;
    for (const Language l : {Language::German, Language::Chinese, Language::English}) {
        SCOPED_TRACE(language_info(l).code.data());
        ASSERT_TRUE(LanguageScope::use(l));
        (void)check();
    }
    const Marking marking;
    const QString word = check();
    EXPECT_TRUE(word.startsWith("[[")) << word.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Letters, LanguageParity,
                         ::testing::Values(ParityCase{"none", "n", Parity::None},
                                           ParityCase{"odd", "o", Parity::Odd},
                                           ParityCase{"even", "e", Parity::Even}),
                         ByLabel<&ParityCase::name>{});

TEST(LanguageComSettings, AChangeKeepsTheChoicesAndTheEnglishWords) {
    LinkConfig config;
    FakeTransport port;
    ComSettingsDialog d(config, port);
    auto* parity = d.findChild<QComboBox*>(QStringLiteral("cboParity"));
    auto* baud = d.findChild<QComboBox*>(QStringLiteral("cboBaudRate"));
    ASSERT_NE(parity, nullptr);
    ASSERT_NE(baud, nullptr);
    parity->setCurrentIndex(2);
    baud->setCurrentIndex(1);
    struct Shown {
        int parity;
        QString parityText;
        int baud;
        QString baudText;
    };
    const auto seen = seen_in_each_language([&] {
        return Shown{parity->currentIndex(), parity->currentText(), baud->currentIndex(),
                     baud->currentText()};
    });
    for (const auto* s : {&seen.en, &seen.de, &seen.zh, &seen.back, &seen.marked}) {
        EXPECT_EQ(s->parity, 2);
        EXPECT_EQ(s->baud, 1);
        EXPECT_EQ(s->baudText, "2400"); // numbers are never translated
    }
    EXPECT_EQ(seen.en.parityText, "EVEN");
    EXPECT_EQ(seen.back.parityText, "EVEN");
    EXPECT_EQ(seen.marked.parityText, "[[EVEN]]");
    EXPECT_EQ(parity->currentText(), "EVEN");
    EXPECT_EQ(d.windowTitle(), "Serial Port Setting");
}

// ---- the File menu's flows ----------------------------------------------------------------

struct Flows {
    FakeTransport port;
    QWidget owner;
    ParameterFlows flows{port, &owner, [] { return QStringLiteral("WORKSHOP 7"); }};
    QTemporaryDir dir;

    Flows() { (void)port.open(); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

struct DialogCase {
    const char* name;
    void (ParameterFlows::*open)();
    const char* dialog;
    const char* title;
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageFileDialogs : public ::testing::TestWithParam<DialogCase> {};

TEST_P(LanguageFileDialogs, TitleAndFilterFollowTheLanguageThePatternStays) {
    const DialogCase& c = GetParam();
    Flows f;
    const auto seen = seen_in_each_language([&] {
        (f.flows.*c.open)();
        auto* d = f.owner.findChild<QFileDialog*>(QLatin1String(c.dialog));
        EXPECT_NE(d, nullptr);
        Texts t;
        if (d != nullptr) {
            t[QStringLiteral("title")] = d->windowTitle();
            t[QStringLiteral("filter")] = d->nameFilters().join(u'|');
            delete d;
        }
        return t;
    });
    EXPECT_EQ(seen.en.at(QStringLiteral("title")), QLatin1String(c.title));
    EXPECT_EQ(seen.en.at(QStringLiteral("filter")), "Parameter files (*.json)");
    EXPECT_EQ(differences(seen.en, seen.back), std::vector<std::string>{});
    EXPECT_EQ(seen.marked.at(QStringLiteral("title")), "[[" + QLatin1String(c.title) + "]]");
    EXPECT_EQ(seen.marked.at(QStringLiteral("filter")), "[[Parameter files (*.json)]]");
    for (const Texts* t : {&seen.de, &seen.zh}) {
        EXPECT_TRUE(t->at(QStringLiteral("filter")).endsWith(" (*.json)"))
            << t->at(QStringLiteral("filter")).toStdString();
    }
    // Of the title and the filter, at least one differs in German (once it is translated).
    const std::vector<std::string> german = differences(seen.en, seen.de);
    EXPECT_GE(german.size(), 1U) << listed(german);
}

INSTANTIATE_TEST_SUITE_P(Menu, LanguageFileDialogs,
                         ::testing::Values(DialogCase{"save", &ParameterFlows::saveParameters,
                                                      "dlgSaveParameters", "Save parameters"},
                                           DialogCase{"compare", &ParameterFlows::compareWithFile,
                                                      "dlgCompareFile", "Compare with file"},
                                           DialogCase{"restore", &ParameterFlows::restoreParameters,
                                                      "dlgRestoreFile", "Restore parameters"}),
                         ByLabel<&DialogCase::name>{});

TEST(LanguageFlows, ARefusedFileIsToldInTheLanguageWithTheCoresReason) {
    Flows f;
    const QString file = f.path("damaged.json");
    std::ofstream(file.toStdString()) << "{ not json";
    const auto seen = seen_in_each_language([&] {
        f.flows.compareWith(file);
        QMessageBox* box = f.flows.lastMessage();
        EXPECT_NE(box, nullptr);
        return box != nullptr ? box->text() : QString();
    });
    const QString head = QStringLiteral("damaged.json cannot be used: ");
    const QString tail = QStringLiteral(" Nothing was sent.");
    ASSERT_TRUE(seen.en.startsWith(head)) << seen.en.toStdString();
    ASSERT_TRUE(seen.en.endsWith(tail)) << seen.en.toStdString();
    const QString reason = seen.en.mid(head.size(), seen.en.size() - head.size() - tail.size());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(seen.back, seen.en);
    EXPECT_EQ(seen.marked, "[[damaged.json cannot be used: " + reason + " [[Nothing was sent.]]]]");
    for (const QString* s : {&seen.de, &seen.zh}) {
        EXPECT_TRUE(s->contains(reason)) << s->toStdString();
        EXPECT_TRUE(s->contains("damaged.json")) << s->toStdString();
    }
    EXPECT_FALSE(f.flows.busy());
    EXPECT_TRUE(f.port.sent.empty());
    EXPECT_NE(seen.de, seen.en); // once it is translated
}

TEST(LanguageFlows, TheProgressLineIsSaidAgainInTheNewLanguage) {
    Flows f;
    f.flows.saveTo(f.path("saved.json"));
    ASSERT_NE(f.flows.progress(), nullptr);
    const auto seen = seen_in_each_language([&] {
        f.flows.applyCaptions(); // as the main window does on a change
        return f.flows.progress() != nullptr ? f.flows.progress()->labelText() : QString();
    });
    EXPECT_EQ(seen.en, QStringLiteral("Reading %1 (1 of %2)...")
                           .arg(qs(page_title(page_schema(kAllPages.front()))))
                           .arg(kAllPages.size()));
    EXPECT_EQ(seen.back, seen.en);
    EXPECT_EQ(seen.marked, "[[" + seen.en + "]]");
    EXPECT_NE(seen.de, seen.en); // once it is translated

    QSignalSpy notices(&f.flows, &ParameterFlows::notice);
    f.flows.progress()->cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.flows.busy(); }, 8000));
    ASSERT_FALSE(notices.isEmpty());
    EXPECT_EQ(notices.last().at(0).toString(), "Cancelled. Nothing was saved.");
}

} // namespace

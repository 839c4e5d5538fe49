// The window in German and Chinese: every caption routine answers in the chosen language, the
// choice is remembered, and English after any detour is the original to the byte.
#include "app/language.h"
#include "app/main_window.h"
#include "fake_transport.h"
#include "language_support.h"
#include "pages/page_schema.h"
#include "pages_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace motiview;

using test::differences;
using test::texts_of;

class LanguageTest : public ::testing::Test {
  protected:
    void TearDown() override {
        window.reset();
        (void)install_language(Language::English);
        QApplication::processEvents();
    }
    void choose(Language l) const {
        window->findChild<QAction*>(QString::fromUtf8(language_info(l).action.data()))->trigger();
    }
    QString caption(const QWidget* page, const char* label) const {
        const auto* l = page->findChild<QLabel*>(QLatin1String(label));
        return l != nullptr ? l->text() : QStringLiteral("<missing>");
    }

    test::FakeTransport port;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(port);
};

TEST_F(LanguageTest, EnglishAfterDeutschAndChineseIsTheOriginalToTheByte) {
    choose(Language::English); // loads every page window, as English always did
    const std::map<QString, QString> english = texts_of(window.get());
    ASSERT_GT(english.size(), 300U);

    choose(Language::German);
    const std::map<QString, QString> german = texts_of(window.get());
    choose(Language::Chinese);
    const std::map<QString, QString> chinese = texts_of(window.get());
    choose(Language::English);
    const std::map<QString, QString> back = texts_of(window.get());

    EXPECT_EQ(differences(english, back), std::vector<std::string>{});
    // Most captions change; names, numbers and symbols may stay.
    EXPECT_GT(differences(english, german).size(), 250U);
    EXPECT_GT(differences(english, chinese).size(), 250U);
    EXPECT_GT(differences(german, chinese).size(), 250U);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("Menu_Lang_Eng"))->isChecked());
}

struct Term {
    Language language;
    const char* file;    // the File menu
    const char* poles;   // the motor page's pole pairs
    const char* weaken;  // the flux-weakening opener
    const char* current; // the fault panel's current column
};

class LanguageTerms : public LanguageTest, public ::testing::WithParamInterface<Term> {};

TEST_P(LanguageTerms, CaptionsComeFromTheTranslationWithTheDomainWords) {
    const Term& t = GetParam();
    choose(t.language);
    EXPECT_EQ(installed_language(), t.language);
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("Menu_File"))->text(),
              QString::fromUtf8(t.file));
    const QWidget* motor = window->page(PageId::Motor);
    ASSERT_NE(motor, nullptr);
    EXPECT_TRUE(caption(motor, "lblPolePairN").contains(QString::fromUtf8(t.poles)))
        << caption(motor, "lblPolePairN").toStdString();
    EXPECT_TRUE(window->findChild<QAbstractButton*>(QStringLiteral("cmdFluxWeaken"))
                    ->text()
                    .contains(QString::fromUtf8(t.weaken)));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCurrent"))->text(),
              QString::fromUtf8(t.current));
    // Every caption of every page has its translation: none is left in English unless the
    // translators kept it on purpose (a symbol, a name), which they did for few.
    int kept = 0;
    int all = 0;
    for (const PageId id : kWindowOrder) {
        const PageSchema& schema = page_schema(id);
        const QWidget* page = window->page(id);
        ASSERT_NE(page, nullptr);
        for (const FieldSchema& f : schema.fields) {
            if (f.label.empty() || f.caption.empty()) {
                continue;
            }
            ++all;
            kept += caption(page, f.label.data()) == QString::fromUtf8(f.caption.data()) ? 1 : 0;
        }
    }
    EXPECT_LT(kept * 5, all) << kept << " of " << all << " captions left in English";
}

// Captions narrower than their text at the window's default size: cut off on screen.
std::vector<std::string> cut_captions(QWidget* window, int& checked) {
    window->show();
    QApplication::processEvents();
    std::vector<std::string> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(w);
        const auto* b = qobject_cast<QAbstractButton*>(w);
        if ((l == nullptr && b == nullptr) || !w->isVisibleTo(window) || w->window() != window ||
            (l != nullptr && (l->wordWrap() || l->text().isEmpty()))) {
            continue;
        }
        ++checked;
        if (w->width() < w->minimumSizeHint().width()) {
            out.push_back(window->objectName().toStdString() + "/" + w->objectName().toStdString() +
                          " '" + (l != nullptr ? l->text() : b->text()).toStdString() + "' " +
                          std::to_string(w->width()) + " < " +
                          std::to_string(w->minimumSizeHint().width()));
        }
    }
    window->hide();
    return out;
}

class LanguageLayout : public LanguageTest, public ::testing::WithParamInterface<Language> {};

TEST_P(LanguageLayout, NoCaptionIsCutOffAtTheDefaultSize) {
    choose(GetParam());
    int checked = 0;
    EXPECT_EQ(cut_captions(window.get(), checked), std::vector<std::string>{});
    for (const PageId id : kWindowOrder) {
        QWidget* page = window->page(id);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(cut_captions(page, checked), std::vector<std::string>{});
    }
    EXPECT_GT(checked, 250); // every caption of the panels and pages was measured
}

const Term kTerms[] = {
    {Language::German, "&Datei", "Polpaarzahl", "Feldschwächung", "Aktuell"},
    {Language::Chinese, "文件(&F)", "极对数", "弱磁", "当前"},
};

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTerms, ::testing::ValuesIn(kTerms),
                         [](const auto& param) {
                             return param.param.language == Language::German ? "Deutsch"
                                                                             : "Chinese";
                         });

// The windows opened from the menus: plots, traffic, service history, port settings.
TEST_P(LanguageLayout, WindowsFromTheMenusShowTheirCaptionsWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(window->useHistory(dir.filePath(QStringLiteral("history.sqlite"))));
    choose(GetParam());
    window->show();
    for (const char* action :
         {"Menu_View_Plot", "Menu_View_Traffic", "Menu_View_History", "Menu_Option_ComSet"}) {
        QAction* a = window->findChild<QAction*>(QLatin1String(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    QApplication::processEvents();
    int checked = 0;
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window.get() || !w->isVisible()) {
            continue;
        }
        ++windows;
        EXPECT_EQ(cut_captions(w, checked), std::vector<std::string>{})
            << w->objectName().toStdString();
        w->close();
    }
    EXPECT_EQ(windows, 4);
    EXPECT_GT(checked, 30);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLayout,
                         ::testing::Values(Language::English, Language::German, Language::Chinese),
                         [](const auto& param) {
                             return std::string(language_info(param.param).code);
                         });

struct Refusal {
    Language language;
    const char* note;    // beside the field while "fast" is typed
    const char* message; // when the write is tried
};

class LanguageRefusal : public ::testing::TestWithParam<Refusal> {};

// The codec's refusal and note, rebuilt in the window's language with the page's caption; in
// English the codec's own text.
TEST_P(LanguageRefusal, ATypedTextIsRefusedInTheWindowsLanguage) {
    const Refusal& r = GetParam();
    test::LanguageScope scope;
    ASSERT_TRUE(test::LanguageScope::use(r.language));
    test::PageFixture f(PageId::Basic);
    f.window().decodeReply(test::make_reply(page_schema(PageId::Basic), 7));
    f.child<QLineEdit>("txtMaxspeed")->setText(QStringLiteral("fast"));
    EXPECT_EQ(f.child<QLabel>("txtMaxspeed_note")->text(), QString::fromUtf8(r.note));
    f.child<QPushButton>("cmdwrite")->click();
    ASSERT_NE(f.message(), nullptr);
    EXPECT_EQ(f.message()->text(), QString::fromUtf8(r.message));
    EXPECT_TRUE(f.port().sent.empty()) << "a refused write sends nothing";
}

const Refusal kRefusals[] = {
    {Language::English, "not a number",
     "\"Max speed[rpm]\": \"fast\" is not a number. Nothing was written."},
    {Language::German, "keine Zahl",
     "„Max. Drehzahl[rpm]“: „fast“ ist keine Zahl. Es wurde nichts geschrieben."},
    {Language::Chinese, "不是数字", "“最高转速[rpm]”：“fast” 不是数字。未写入任何内容。"},
};

INSTANTIATE_TEST_SUITE_P(Languages, LanguageRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& param) {
                             return std::string(language_info(param.param.language).code);
                         });

struct StartCase {
    const char* name;
    const char* remembered; // nullptr: first start
    QLocale system;
    Language expected;
};

class LanguageAtStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(LanguageAtStart, RememberedChoiceElseTheSystemsLanguage) {
    const StartCase& c = GetParam();
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("motiview.ini")), QSettings::IniFormat);
    if (c.remembered != nullptr) {
        store.setValue(QStringLiteral("window/language"), QString::fromUtf8(c.remembered));
    }
    EXPECT_EQ(load_language(store, c.system), c.expected) << c.name;
}

const StartCase kStarts[] = {
    {"FirstStartGerman", nullptr, QLocale(QLocale::German, QLocale::Austria), Language::German},
    {"FirstStartChinese", nullptr, QLocale(QLocale::Chinese, QLocale::China), Language::Chinese},
    {"FirstStartFrench", nullptr, QLocale(QLocale::French), Language::English},
    {"RememberedEnglishOnGerman", "en", QLocale(QLocale::German), Language::English},
    {"RememberedChinese", "zh_CN", QLocale(QLocale::English), Language::Chinese},
    {"UnknownCodeFollowsTheSystem", "klingon", QLocale(QLocale::German), Language::German},
};

INSTANTIATE_TEST_SUITE_P(Cases, LanguageAtStart, ::testing::ValuesIn(kStarts),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(LanguageChoice, IsRememberedForTheNextStart) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("motiview.ini")), QSettings::IniFormat);
    test::FakeTransport port;
    {
        MainWindow first(port, nullptr, &store);
        first.findChild<QAction*>(QStringLiteral("Menu_Lang_De"))->trigger();
    }
    (void)install_language(Language::English);
    // The next start does what main() does: the remembered choice wins over an English system.
    const Language next = load_language(store, QLocale(QLocale::English));
    EXPECT_EQ(next, Language::German);
    ASSERT_TRUE(install_language(next));
    test::FakeTransport port2;
    MainWindow second(port2, nullptr, &store);
    EXPECT_EQ(second.findChild<QAction*>(QStringLiteral("Menu_File"))->text(),
              QStringLiteral("&Datei"));
    EXPECT_TRUE(second.findChild<QAction*>(QStringLiteral("Menu_Lang_De"))->isChecked());
    (void)install_language(Language::English);
}

} // namespace

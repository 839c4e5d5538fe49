#pragma once
// The window's language: English (the texts as written in the code, no translator), German or
// Simplified Chinese (a translator loaded from the program's resources). The English text is
// the key of every translation, so without one every text is the original to the byte.

#include <QString>

#include <array>
#include <optional>
#include <string_view>

class QLocale;
class QSettings;

namespace motiview {

enum class Language { English, German, Chinese };

struct LanguageInfo {
    Language language;
    std::string_view code;     // remembered in the settings, and the translation's file name
    std::string_view menuText; // in its own language
    std::string_view action;   // the menu item's object name
};

inline constexpr std::array<LanguageInfo, 3> kLanguages = {{
    {Language::English, "en", "English", "Menu_Lang_Eng"},
    {Language::German, "de", "Deutsch", "Menu_Lang_De"},
    {Language::Chinese, "zh_CN", "简体中文", "Menu_Lang_Zh"},
}};

[[nodiscard]] const LanguageInfo& language_info(Language l);
[[nodiscard]] std::optional<Language> language_of_code(std::string_view code);

// The first start follows the system: German or Chinese when its language is one of them.
[[nodiscard]] Language language_for_locale(const QLocale& locale);

// The remembered choice, else the system's.
[[nodiscard]] Language load_language(const QSettings& store, const QLocale& system);
void save_language(QSettings& store, Language l);

// Loads `l`'s translation into the application (English removes it), so that every tr() from
// now on answers in `l`. False, and English, when the translation cannot be loaded.
bool install_language(Language l);
[[nodiscard]] Language installed_language();

} // namespace motiview

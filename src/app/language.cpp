#include "app/language.h"

#include "base/qt/text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace motiview {
namespace {

constexpr auto kLanguageKey = "window/language";

struct Installed {
    std::unique_ptr<QTranslator> translator;
    Language language = Language::English;
};

Installed& installed() {
    static Installed i;
    return i;
}

} // namespace

const LanguageInfo& language_info(Language l) {
    return kLanguages[static_cast<std::size_t>(l)];
}

std::optional<Language> language_of_code(std::string_view code) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.code == code) {
            return info.language;
        }
    }
    return std::nullopt;
}

Language language_for_locale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::German:
        return Language::German;
    case QLocale::Chinese:
        return Language::Chinese;
    default:
        return Language::English;
    }
}

Language load_language(const QSettings& store, const QLocale& system) {
    const QString code = store.value(QString::fromLatin1(kLanguageKey)).toString();
    return language_of_code(code.toStdString()).value_or(language_for_locale(system));
}

void save_language(QSettings& store, Language l) {
    store.setValue(QString::fromLatin1(kLanguageKey), qs(language_info(l).code));
}

bool install_language(Language l) {
    Installed& i = installed();
    if (i.translator) {
        QCoreApplication::removeTranslator(i.translator.get());
        i.translator.reset();
    }
    i.language = Language::English;
    if (l == Language::English) {
        return true;
    }
    auto t = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(":/i18n/motiview_%1.qm").arg(qs(language_info(l).code));
    if (!t->load(file) || !QCoreApplication::installTranslator(t.get())) {
        return false;
    }
    i.translator = std::move(t);
    i.language = l;
    return true;
}

Language installed_language() {
    return installed().language;
}

} // namespace motiview

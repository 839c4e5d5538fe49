#pragma once
// UTF-8 text of the core as a QString, and the core tables' texts in the window's language.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace motiview {

[[nodiscard]] inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A caption of the core's tables (pages, panels, faults) in the language the window shows.
// The English text is the key: without a translation it comes back exactly as written.
// `context` is one of "Pages", "Panels", "Faults": the groups the translators see.
[[nodiscard]] inline QString tq(const char* context, std::string_view english) {
    if (english.empty()) {
        return {};
    }
    return QCoreApplication::translate(
        context, QByteArray(english.data(), static_cast<qsizetype>(english.size())).constData());
}

} // namespace motiview

#pragma once
// The user's number format as QLocale sees it (LC_ALL, LC_NUMERIC, LANG on Linux), and the
// local time as files and recordings stamp it.

#include "base/number_text.h"
#include "base/time_text.h"

#include <QDateTime>
#include <QLocale>

#include <cstdint>
#include <string>

namespace motiview {

[[nodiscard]] inline NumberFormat number_format_from(const QLocale& locale) {
    NumberFormat f;
    f.decimal = locale.decimalPoint().toStdString();
    f.group = locale.groupSeparator().toStdString();
    return f;
}

[[nodiscard]] inline NumberFormat system_number_format() {
    return number_format_from(QLocale::system());
}

// Now as local time, ISO 8601 with milliseconds and the offset: "2026-12-08T11:30:05.123+01:00".
[[nodiscard]] inline std::string local_time_text() {
    return created_text(std::chrono::system_clock::now(),
                        std::chrono::minutes(QDateTime::currentDateTime().offsetFromUtc() / 60));
}

// A moment of the service history (milliseconds since the epoch) as local time with its offset:
// "2026-12-10T14:05:09+01:00" ("Z" at UTC).
[[nodiscard]] inline std::string moment_text(std::int64_t ms) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

// Now, in milliseconds since the epoch.
[[nodiscard]] inline std::int64_t now_ms() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace motiview

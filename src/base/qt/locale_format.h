#pragma once
// The user's number format as QLocale sees it (LC_ALL, LC_NUMERIC, LANG on Linux).

#include "base/number_text.h"

#include <QLocale>

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

} // namespace motiview

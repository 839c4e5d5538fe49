#pragma once
// UTF-8 text of the core as a QString.

#include <QString>

#include <string_view>

namespace motiview {

[[nodiscard]] inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace motiview

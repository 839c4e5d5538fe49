#include "base/time_text.h"

#include <cstdio>

namespace motiview {

std::string created_text(std::chrono::system_clock::time_point when,
                         std::chrono::minutes utcOffset) {
    using namespace std::chrono;
    const auto local = floor<milliseconds>(when) + utcOffset;
    const auto day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> time{local - day};
    const auto offset = utcOffset.count();
    const auto offsetAbs = offset < 0 ? -offset : offset;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02d.%03d%c%02d:%02d",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()),
                  static_cast<int>(time.subseconds().count()), offset < 0 ? '-' : '+',
                  static_cast<int>(offsetAbs / 60), static_cast<int>(offsetAbs % 60));
    return buffer;
}

} // namespace motiview

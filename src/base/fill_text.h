#pragma once
// Texts with "%1" and "%2" in them, filled in by the core and, from the same English, by the
// window in its language: the English text is the key of its translation.

#include <string>
#include <string_view>

namespace motiview {

// `templ` with "%1" and "%2" replaced, each once, in one pass (a filled-in text that holds
// "%2" itself stays as it is).
[[nodiscard]] inline std::string fill_text(std::string_view templ, std::string_view a,
                                           std::string_view b = {}) {
    std::string out;
    out.reserve(templ.size() + a.size() + b.size());
    for (std::size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] == '%' && i + 1 < templ.size() &&
            (templ[i + 1] == '1' || templ[i + 1] == '2')) {
            out += templ[i + 1] == '1' ? a : b;
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

} // namespace motiview

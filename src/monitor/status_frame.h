#pragma once
// The real-time status frame as what the panels show: every label's text and colour and the
// visibility of the fault descriptions. The window applies it by label name.

#include "base/bytes.h"
#include "base/number_text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace motiview {

enum class TextColor : std::uint8_t { Unchanged, Green, Red };

struct LabelUpdate {
    std::string_view label; // control name, e.g. "lblfrmSysStatusVdc_a"
    std::string text;
    TextColor color = TextColor::Unchanged;
};

struct VisibilityUpdate {
    std::string_view label;
    bool visible = false;
};

struct StatusView {
    std::vector<LabelUpdate> labels;          // in decoding order
    std::vector<VisibilityUpdate> visibility; // lblErrTitle and the ten descriptions
};

[[nodiscard]] StatusView decode_status(const Unit& frame, const NumberFormat& format);

// The seven-line input-status block, lines joined with CR LF; levels "H"/"L".
[[nodiscard]] std::string input_status_text(std::uint8_t inputBits);

// The block the caption routine writes: every level "H".
[[nodiscard]] std::string input_status_all_high();

} // namespace motiview

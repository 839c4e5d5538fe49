// Derate block (D5): derating delays, the economy current points, the speed limiter's limits
// and the flux switch speed. The design-time "Text1" of the switch speed is not a number, so a
// write before any reply is refused. txtBwSpeedstep sits on the page but in no byte.

#include "pages/page_table_builder.h"
#include "pages/page_tables.h"

#include <string_view>

namespace motiview {
namespace {

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field                kind             text     rounding  10^n   min    max  range         encoding
    { 2, U8,   "txtPderateDelay",   Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 3, U8,   "txtPrecoverDelay",  Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 4, U8,   "txtMPderateDelay",  Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 5, U8,   "txtMPrecoverDelay", Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 6, U16,  "txtConstECOPT1",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 8, U16,  "txtConstECOPT2",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {10, U16,  "txtConstECOPT3",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {12, U16,  "txtConstECOPT4",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {14, U16,  "txtConstECOPT5",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {16, U16,  "txtConstECOPT6",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {18, U16,  "txtConstECOPT7",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {20, U8,   "txtConstECOPT8",    Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {21, U8,   "txtConstECOPT9",    Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {22, U8,   "txtConstECOPT10",   Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {23, U8,   "txtConstECOPT11",   Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {24, U16,  "txtSpeedstep",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {26, U8,   "txtIqref_limit1",   Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {27, U8,   "txtIqref_limit0",   Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {28, U8,   "txtIdref_limit1",   Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {29, U8,   "txtIdref_limit0",   Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {30, U8,   "txtFluxSTspeed",    Number,          Strict,  Floor,    -2,      0,   255, Clamp},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "txtPderateDelay",
     .label = "lblPderateDelay",
     .designLabel = "Power derate delay[s]",
     .caption = "Power derate delay[s]",
     .designText = "30"},
    {.name = "txtPrecoverDelay",
     .label = "lblPrecoverDelay",
     .designLabel = "Power recover delay[s]",
     .caption = "Power recover delay[s]",
     .designText = "30"},
    {.name = "txtMPderateDelay",
     .label = "lblMPderateDelay",
     .designLabel = "Mot power derate delay[s]",
     .caption = "Mot power derate delay[s]",
     .designText = "10"},
    {.name = "txtMPrecoverDelay",
     .label = "lblMPrecoverDelay",
     .designLabel = "Mot Power recover delay[s]",
     .caption = "Mot power recover delay[s]",
     .designText = "10"},
    {.name = "txtConstECOPT1",
     .label = "lblIqrefStandstill",
     .designLabel = "ECO Iqref 1krpm[A]",
     .caption = "ECO iqref 1[A]",
     .designText = "0"},
    {.name = "txtConstECOPT2",
     .label = "lblConstECOPT2",
     .designLabel = "ECO Iqref 1.5krpm[A]",
     .caption = "ECO iqref 2[A]",
     .designText = "1018"},
    {.name = "txtConstECOPT3",
     .label = "lblConstECOPT3",
     .designLabel = "ECO Iqref 2krpm[A]",
     .caption = "ECO iqref 3[A]",
     .designText = "1018"},
    {.name = "txtConstECOPT4",
     .label = "lblConstECOPT4",
     .designLabel = "ECO Iqref 2.5krpm[A]",
     .caption = "ECO iqref 4[A]",
     .designText = "10"},
    {.name = "txtConstECOPT5",
     .label = "lblConstECOPT5",
     .designLabel = "ECO Iqref 3krpm[A]",
     .caption = "ECO iqref 5[A]",
     .designText = "90"},
    {.name = "txtConstECOPT6",
     .label = "lblConstECOPT6",
     .designLabel = "ECO Iqref 3.5krpm[A]",
     .caption = "ECO iqref 6[A]",
     .designText = "80"},
    {.name = "txtConstECOPT7",
     .label = "lblConstECOPT7",
     .designLabel = "ECO Iqref 4krpm[A]",
     .caption = "ECO iqref 7[A]",
     .designText = "40"},
    {.name = "txtConstECOPT8",
     .label = "lblConstECOPT8",
     .designLabel = "ECO Iqref 4.5krpm[A]",
     .caption = "ECO iqref 8[A]",
     .designText = "110"},
    {.name = "txtConstECOPT9",
     .label = "lblConstECOPT9",
     .designLabel = "ECO Iqref 5krpm[A]",
     .caption = "ECO iqref 9[A]",
     .designText = "100"},
    {.name = "txtConstECOPT10",
     .label = "lblConstECOPT10",
     .designLabel = "ECO Iqref 5.5krpm[A]",
     .caption = "ECO iqref 10[A]",
     .designText = "90"},
    {.name = "txtConstECOPT11",
     .label = "lblConstECOPT11",
     .designLabel = "ECO Iqref 6krpm[A]",
     .caption = "ECO iqref 11[A]",
     .designText = "100"},
    {.name = "txtSpeedstep",
     .label = "lblSpeedstep",
     .designLabel = "Speed step[rpm]",
     .caption = "Speed step[rpm]",
     .designText = "500"},
    {.name = "txtIqref_limit1",
     .label = "lblIqref_limit1",
     .designLabel = "Iqref limit 1[A]",
     .caption = "Iqref limit 1[A]",
     .designText = "50"},
    {.name = "txtIqref_limit0",
     .label = "lblIqref_limit0",
     .designLabel = "Iqref limit 0[A]",
     .caption = "Iqref limit 0[A]",
     .designText = "10"},
    {.name = "txtIdref_limit1",
     .label = "lblIdref_limit1",
     .designLabel = "Idref limit 1[A]",
     .caption = "Idref limit 1[A]",
     .designText = "60"},
    {.name = "txtIdref_limit0",
     .label = "lblIdref_limit0",
     .designLabel = "Idref limit 0[A]",
     .caption = "Idref limit 0[A]",
     .designText = "30"},
    {.name = "txtFluxSTspeed",
     .label = "lblFluxSTspeed",
     .designLabel = "Flux switch speed[rpm]",
     .caption = "Flux switch speed[rpm]",
     .designText = "Text1"},
    {.name = "txtBwSpeedstep",
     .label = "lblBwSpeedstep",
     .designLabel = "Bw speed step[rpm]",
     .caption = "BW speed step[rpm]",
     .designText = "200",
     .unbound = true},
};
static_assert(views_are_sound(kView));

constexpr auto kFields = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kEncoderOrder = encoder_order<bound_count(kFields)>(kFields);

constexpr PageId kCloses[] = {PageId::Basic,      PageId::Other,      PageId::Reference,
                              PageId::Motor,      PageId::Control,    PageId::TorquePid,
                              PageId::Protection, PageId::FluxWeaken, PageId::Hardware};

} // namespace

const PageSchema& derate_page() {
    static const PageSchema page{
        .id = PageId::Derate,
        .codes = {0xD5, 0xC5, 0xC6},
        .window = "frmDerate",
        .cliName = "derate",
        .opener = "cmdDerate",
        .openerCaption = "Derate",
        .designTitle = "Derating",
        .title = "Derate setting",
        .ackText = "Derate set successfull!",
        .fields = kFields,
        .encoderOrder = kEncoderOrder,
        .closes = kCloses,
        .linkButtons = false,
    };
    return page;
}

} // namespace motiview

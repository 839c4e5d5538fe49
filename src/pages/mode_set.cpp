// Mode set block (D7): speed and DC-current limits of the speed modes, boost and regeneration.
// Every field is one byte clamped to 1..255; bytes 18..30 carry nothing.

#include "pages/page_table_builder.h"
#include "pages/page_tables.h"

#include <string_view>

namespace motiview {
namespace {

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field                kind             text     rounding  10^n   min    max  range         encoding
    { 2, U8,   "txtSpeedMode1",     Number,          Strict,  Floor,    -1,      1,   255, Clamp},
    { 3, U8,   "txtSpeedMode2",     Number,          Strict,  Floor,    -1,      1,   255, Clamp},
    { 4, U8,   "txtSpeedMode3",     Number,          Strict,  Floor,    -1,      1,   255, Clamp},
    { 5, U8,   "txtSpeedMode4",     Number,          Strict,  Floor,    -1,      1,   255, Clamp},
    { 6, U8,   "txtIdcMode1",       Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 7, U8,   "txtIdcMode2",       Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 8, U8,   "txtIdcMode3",       Number,          Strict,  Floor,     0,      1,   255, Clamp},
    { 9, U8,   "txtIdcMode4",       Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {10, U8,   "txtIdcMode5",       Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {11, U8,   "txtBstRatioIac",    Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {12, U8,   "txtBstActiveSec",   Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {13, U8,   "txtDelaySpeedMode", Number,          Strict,  Floor,     0,      1,   255, Clamp},
    {14, U8,   "txtMaxRegQ",        Number,          Strict,  Floor,    -2,      1,   255, Clamp,        enc::negated()},
    {15, U8,   "txtRegMinSpeed",    Number,          Strict,  Floor,    -2,      1,   255, Clamp},
    {16, U8,   "txtRegAcc1",        Number,          Strict,  Floor,    -2,      1,   255, Clamp},
    {17, U8,   "txtRegDec1",        Number,          Strict,  Floor,    -2,      1,   255, Clamp},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "txtSpeedMode1",
     .label = "lblSpeedMode1",
     .designLabel = "Mode 1 speed[rpm]",
     .caption = "Mode 1 speed[rpm]",
     .designText = "200"},
    {.name = "txtSpeedMode2",
     .label = "lblSpeedMode2",
     .designLabel = "Mode 2 speed[rpm]",
     .caption = "Mode 2 speed[rpm]",
     .designText = "500"},
    {.name = "txtSpeedMode3",
     .label = "lblSpeedMode3",
     .designLabel = "Mode 3 speed[rpm]",
     .caption = "Mode 3 speed[rpm]",
     .designText = "500"},
    {.name = "txtSpeedMode4",
     .label = "lblSpeedMode4",
     .designLabel = "Mode 4 speed[rpm]",
     .caption = "Mode 4 speed[rpm]",
     .designText = "800"},
    {.name = "txtIdcMode1",
     .label = "lblIdcMode1",
     .designLabel = "Mode 1 Idc[A]",
     .caption = "Mode 1 idc[A]",
     .designText = "50"},
    {.name = "txtIdcMode2",
     .label = "lblIdcMode2",
     .designLabel = "Mode 2 Idc[A]",
     .caption = "Mode 2 idc[A]",
     .designText = "120"},
    {.name = "txtIdcMode3",
     .label = "lblIdcMode3",
     .designLabel = "Mode 3 Idc[A]",
     .caption = "Mode 3 idc[A]",
     .designText = "120"},
    {.name = "txtIdcMode4",
     .label = "lblIdcMode4",
     .designLabel = "Mode 4 Idc[A]",
     .caption = "Mode 4 idc[A]",
     .designText = "150"},
    {.name = "txtIdcMode5",
     .label = "lblIdcMode5",
     .designLabel = "Mode 5 Idc[A]",
     .caption = "Mode 5 idc[A]",
     .designText = "180"},
    {.name = "txtBstRatioIac",
     .label = "lblBstRatioIac",
     .designLabel = "Boost ratio Iac[%]",
     .caption = "Boost ratio Iac[%]",
     .designText = "120"},
    {.name = "txtBstActiveSec",
     .label = "lblBstActiveSec",
     .designLabel = "Boost active sec[s]",
     .caption = "Boost active sec[s]",
     .designText = "3"},
    {.name = "txtDelaySpeedMode",
     .label = "lblDelaySpeedMode",
     .designLabel = "Speed fall delay[s]",
     .caption = "Speed fall delay[s]",
     .designText = "3"},
    {.name = "txtMaxRegQ",
     .label = "lblMaxRegQ",
     .designLabel = "Max reg Q",
     .caption = "Max reg Q",
     .designText = "-1000"},
    {.name = "txtRegMinSpeed",
     .label = "lblRegMinSpeed",
     .designLabel = "Min reg speed[rpm]",
     .caption = "Min reg speed[rpm]",
     .designText = "200"},
    {.name = "txtRegAcc1",
     .label = "lblRegAcc1",
     .designLabel = "Acc of regenerate",
     .caption = "Acc of regenerate",
     .designText = "1500"},
    {.name = "txtRegDec1",
     .label = "lblRegDec1",
     .designLabel = "Dec of regenerate",
     .caption = "Dec of regenerate",
     .designText = "2000"},
};
static_assert(views_are_sound(kView));

constexpr auto kFields = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kEncoderOrder = encoder_order<bound_count(kFields)>(kFields);

constexpr PageId kCloses[] = {PageId::Basic,     PageId::Reference, PageId::Control,
                              PageId::TorquePid, PageId::Other,     PageId::Hardware};

} // namespace

const PageSchema& mode_set_page() {
    static const PageSchema page{
        .id = PageId::ModeSet,
        .codes = {0xD7, 0xC7, 0xC8},
        .window = "frmModeSet",
        .cliName = "mode-set",
        .opener = "cmdModeSet",
        .openerCaption = "ModeSet",
        .designTitle = "Mode set",
        .title = "Mode set",
        .ackText = "Mode set successfull!",
        .fields = kFields,
        .encoderOrder = kEncoderOrder,
        .closes = kCloses,
        .linkButtons = true,
    };
    return page;
}

} // namespace motiview

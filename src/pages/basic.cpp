// Basic block (F0): speed limits, current reference ramps, power-stage peak currents.
// Reverse speed is shown negated; the Id0 speed travels in units of 100 rpm in one byte.

#include "pages/page_table_builder.h"
#include "pages/page_tables.h"

#include <string_view>

namespace motiview {
namespace {

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field               kind             text     rounding  10^n   min    max  range         encoding
    { 2, U16,  "txtMaxspeed",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 4, U16,  "txtBspeed",        Number,          Strict,  Floor,     0,      0, 32767, Clamp,        enc::negated()},
    { 6, U16,  "txtEcospeed",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 8, U16,  "txt_AccOfRef",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {10, U16,  "txt_DecOfRef",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {12, U16,  "txthTReg_ACC",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {14, U16,  "txthTReg_DEC",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {16, U16,  "txthFlux_Acc",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {18, U16,  "txthFlux_Quit",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {20, U16,  "txthFlux_Dec",     Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {22, U8,   "txtSpeedFluxQuit", Number,          Strict,  Floor,    -2,      0,   255, Clamp},
    {23, U16,  "txtIacPeak0",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {25, U16,  "txtIacPeak1",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {27, U8,   "txtTemperatureW0", Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {28, U8,   "txtTemperatureW1", Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {29, U16,  "txtConstPT0",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "txtMaxspeed",
     .label = "lblMaxspeed",
     .designLabel = "MAX speed[rpm]",
     .caption = "Max speed[rpm]",
     .designText = "350"},
    {.name = "txtBspeed",
     .label = "lblBspeed",
     .designLabel = "BW speed[rpm]",
     .caption = "Back speed[rpm]",
     .designText = "74"},
    {.name = "txtEcospeed",
     .label = "lblEcospeed",
     .designLabel = "ECO speed[rpm]",
     .caption = "ECO speed[rpm]",
     .designText = "75",
     .access = Access::Hidden},
    {.name = "txt_AccOfRef",
     .label = "lbl_AccOfRef",
     .designLabel = "Acc of Iq",
     .caption = "Acc of Iq",
     .designText = "1500"},
    {.name = "txt_DecOfRef",
     .label = "lbl_DecOfRef",
     .designLabel = "Dec of Iq",
     .caption = "Dec of Iq",
     .designText = "1500"},
    {.name = "txthTReg_ACC",
     .label = "lblhTReg_ACC",
     .designLabel = "Acc of Iq at Reg",
     .caption = "Acc of iq at reg",
     .designText = "750"},
    {.name = "txthTReg_DEC",
     .label = "lblhTReg_DEC",
     .designLabel = "Dec of Iq at Reg",
     .caption = "Dec of iq at reg",
     .designText = "750"},
    {.name = "txthFlux_Acc",
     .label = "lblhFlux_Acc",
     .designLabel = "Acc of Id",
     .caption = "Acc of Id",
     .designText = ".9",
     .access = Access::ReadOnly},
    {.name = "txthFlux_Quit",
     .label = "lblhFlux_Quit",
     .designLabel = "Dec 1 of Id",
     .caption = "Dec 1 of Id",
     .designText = "3.7",
     .access = Access::ReadOnly},
    {.name = "txthFlux_Dec",
     .label = "lblhFlux_Dec",
     .designLabel = "Dec of Id",
     .caption = "Dec of Id",
     .designText = "2.03",
     .access = Access::ReadOnly},
    {.name = "txtSpeedFluxQuit",
     .label = "lblSpeedFluxQuit",
     .designLabel = "Speed of Id0[rpm]",
     .caption = "Speed of Id0[rpm]",
     .designText = "3000",
     .access = Access::ReadOnly},
    {.name = "txtIacPeak0",
     .label = "lblIacPeak0",
     .designLabel = "MOS pk I 0 [A]",
     .caption = "MOS pk I 0[A]",
     .designText = "50",
     .access = Access::ReadOnly},
    {.name = "txtIacPeak1",
     .label = "lblIacPeak1",
     .designLabel = "MOS pk I 1 [A]",
     .caption = "MOS pk I 1[A]",
     .designText = "50.5",
     .access = Access::ReadOnly},
    {.name = "txtTemperatureW0",
     .label = "lblTemperatureW0",
     .designLabel = "Temp at I0[Deg]",
     .caption = "Temp at I0[Deg]",
     .designText = "1200",
     .access = Access::ReadOnly},
    {.name = "txtTemperatureW1",
     .label = "lblTemperatureW1",
     .designLabel = "Temp at I1[Deg]",
     .caption = "Temp at I1[Deg]",
     .designText = "340",
     .access = Access::ReadOnly},
    {.name = "txtConstPT0",
     .label = "lblConstPT0",
     .designLabel = "Max Iac pk[A]",
     .caption = "Max Iac pk[A]",
     .designText = "50"},
};
static_assert(views_are_sound(kView));

constexpr auto kFields = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kEncoderOrder = encoder_order<bound_count(kFields)>(kFields);

constexpr PageId kCloses[] = {PageId::Reference,  PageId::Motor,      PageId::Control,
                              PageId::TorquePid,  PageId::Protection, PageId::Other,
                              PageId::FluxWeaken, PageId::Hardware};

} // namespace

const PageSchema& basic_page() {
    static const PageSchema page{
        .id = PageId::Basic,
        .codes = {0xF0, 0xE0, 0xE1},
        .window = "frmBasic",
        .cliName = "basic",
        .opener = "cmdBasic",
        .openerCaption = "Basic",
        .designTitle = "Basic setting",
        .title = "Basic setting",
        .ackText = "Basic set successfull!",
        .fields = kFields,
        .encoderOrder = kEncoderOrder,
        .closes = kCloses,
        .linkButtons = true,
    };
    return page;
}

} // namespace motiview

// Reference block (F2): voltage thresholds in hundredths of a volt, hall start-up settings
// read leniently and rounded half to even, reverse and economy current points.

#include "pages/page_table_builder.h"
#include "pages/page_tables.h"

#include <string_view>

namespace motiview {
namespace {

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field                       kind             text     rounding  10^n   min    max  range         encoding
    { 2, U16,  "txtVoltageH",              Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    { 4, U16,  "txtVoltageHRec",           Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    { 6, U16,  "txtVoltageL",              Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    { 8, U16,  "txtVoltageLRec",           Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    {10, U16,  "txtRegHighV",              Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    {12, U16,  "txtRegLowV",               Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    {14, U16,  "txtIdclimitHighV",         Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    {16, U16,  "txtIdclimitLowV",          Number,          Strict,  Floor,     2,      0, 32767, Clamp},
    {18, U8,   "txtFluxCompToVdc",         Number,          Lenient, HalfEven,  0,      0,   160, Clamp},
    {19, U8,   "txtIdcMinPerc",            Number,          Lenient, HalfEven,  0,      0,   160, Clamp},
    {20, U8,   "txtHALL_60_360_Switch",    Number,          Lenient, HalfEven,  0,      1,   255, BelowMinZero},
    {21, U8,   "txtStartupPercentageFast", Number,          Lenient, HalfEven,  0,      0,   128, Clamp},
    {22, U8,   "txtStepSquareStart",       Number,          Lenient, HalfEven,  0,      0,   255, Clamp},
    {23, U16,  "txtsqu_angle_step_int",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {25, U8,   "txtConstBwPT12",           Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {26, U8,   "txtConstBwPT13",           Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {27, U8,   "txtConstECOPT12",          Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {28, U8,   "txtConstECOPT13",          Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {29, U16,  "txtConstBwPT0",            Number,          Strict,  Floor,     0,      0, 32767, Clamp},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "txtVoltageH",
     .label = "lblVoltageH",
     .designLabel = "Over vdc[V]",
     .caption = "Over vdc[V]",
     .designText = "200"},
    {.name = "txtVoltageHRec",
     .label = "lblVoltageHRec",
     .designLabel = "Over vdc recover[V]",
     .caption = "Over vdc recover[V]",
     .designText = "-92"},
    {.name = "txtVoltageL",
     .label = "lblVoltageL",
     .designLabel = "Under vdc[V]",
     .caption = "Under vdc[V]",
     .designText = "6"},
    {.name = "txtVoltageLRec",
     .label = "lblVoltageLRec",
     .designLabel = "Under vdc recover[V]",
     .caption = "Under vdc recover[V]",
     .designText = "68.75"},
    {.name = "txtRegHighV",
     .label = "lblRegHighV",
     .designLabel = "Vdc of 0 reg[V]",
     .caption = "Highest vdc for reg[V]",
     .designText = "62.5"},
    {.name = "txtRegLowV",
     .label = "lblRegLowV",
     .designLabel = "Vdc of full reg[V]",
     .caption = "vdc of full reg[V]",
     .designText = "0"},
    {.name = "txtIdclimitHighV",
     .label = "lblIdclimitHighV",
     .designLabel = "Vdc of Idc limit[V]",
     .caption = "Vdc of idc limit[V]",
     .designText = "85"},
    {.name = "txtIdclimitLowV",
     .label = "lblIdclimitLowV",
     .designLabel = "Vdc of Idc min[V]",
     .caption = "Vdc of idc min[V]",
     .designText = "750"},
    {.name = "txtFluxCompToVdc",
     .label = "lblFluxCompToVdc",
     .designLabel = "Reg comp to vdc[%]",
     .caption = "Reg comp to vdc[%]",
     .designText = "10",
     .access = Access::ReadOnly},
    {.name = "txtIdcMinPerc",
     .label = "lblIdcMinPerc",
     .designLabel = "Idc min percent[%]",
     .caption = "Idc min percent[%]",
     .designText = "57.5"},
    {.name = "txtHALL_60_360_Switch",
     .label = "lblHALL_60_360_Switch",
     .designLabel = "Hall switch 60 to 360",
     .caption = "Hall steps for 60 switch to 360",
     .designText = "55",
     .access = Access::ReadOnly},
    {.name = "txtStartupPercentageFast",
     .label = "lblStartupPercentageFast",
     .designLabel = "Start speed forecast",
     .caption = "Start speed forcast",
     .designText = "20",
     .access = Access::ReadOnly},
    {.name = "txtStepSquareStart",
     .label = "lblStepSquareStart",
     .designLabel = "Square start step",
     .caption = "Square start step",
     .designText = "100",
     .access = Access::ReadOnly},
    {.name = "txtsqu_angle_step_int",
     .label = "lblsqu_angle_step_int",
     .designLabel = "Square step DDP",
     .caption = "Square step DDP",
     .designText = "88",
     .access = Access::ReadOnly},
    {.name = "txtConstBwPT12",
     .label = "lblConstBwPT12",
     .designLabel = "bw Iqref step 12[A]",
     .caption = "BW iqref step 12[A]",
     .designText = "800"},
    {.name = "txtConstBwPT13",
     .label = "lblConstBwPT13",
     .designLabel = "bw Iqref step 13[A]",
     .caption = "BW iqref step 13[A]",
     .designText = "150"},
    {.name = "txtConstECOPT12",
     .label = "lblConstECOPT12",
     .designLabel = "ECO Iqref 6.5krpm[A]",
     .caption = "ECO iqref step12[A]",
     .designText = "180"},
    {.name = "txtConstECOPT13",
     .label = "lblConstECOPT13",
     .designLabel = "ECO Iqref 7krpm[A]",
     .caption = "ECO iqref step13[A]",
     .designText = "150"},
    {.name = "txtConstBwPT0",
     .label = "lblConstBwPT0",
     .designLabel = "bw Iqref step 0[A]",
     .caption = "BW iqref step 0[A]",
     .designText = "350"},
};
static_assert(views_are_sound(kView));

constexpr auto kFields = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kEncoderOrder = encoder_order<bound_count(kFields)>(kFields);

constexpr PageId kCloses[] = {PageId::Basic,      PageId::Motor,      PageId::Control,
                              PageId::TorquePid,  PageId::Protection, PageId::Other,
                              PageId::FluxWeaken, PageId::Hardware};

} // namespace

const PageSchema& reference_page() {
    static const PageSchema page{
        .id = PageId::Reference,
        .codes = {0xF2, 0xE2, 0xE3},
        .window = "frmReference",
        .cliName = "reference",
        .opener = "cmdReference",
        .openerCaption = "Reference",
        .designTitle = "Reference",
        .title = "Reference",
        .ackText = "Reference set successfull!",
        .fields = kFields,
        .encoderOrder = kEncoderOrder,
        .closes = kCloses,
        .linkButtons = true,
    };
    return page;
}

} // namespace motiview

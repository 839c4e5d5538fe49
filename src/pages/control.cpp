// Control block (F4): outer loop gains, speed controller break points and small time-outs.
// Every field is a plain whole number with the default limits.

#include "pages/page_table_builder.h"
#include "pages/page_tables.h"

#include <string_view>

namespace motiview {
namespace {

using namespace wire_names;

// clang-format off
constexpr WireRow kWire[] = {
//  byte width field                        kind             text     rounding  10^n   min    max  range         encoding
    { 2, U16,  "txtSpeedLimitKpGain",       Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 4, U16,  "txtSpeedLimitKpDivisor",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 6, U16,  "txtSpeedLimitKiGain",       Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    { 8, U16,  "txtIdcLimitKpGain",         Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {10, U16,  "txtIdcLimitKpDivisor",      Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {12, U16,  "txtIdcLimitKiGain",         Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {14, U16,  "txtECOSpeedLimitKpGain",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {16, U16,  "txtECOSpeedLimitKpDivisor", Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {18, U16,  "txtECOSpeedLimitKiGain",    Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {20, U16,  "txtspeedPIDstep0",          Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {22, U16,  "txtspeedPIDstep1",          Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {24, U16,  "txtspeedPIDstep2",          Number,          Strict,  Floor,     0,      0, 32767, Clamp},
    {26, U8,   "txtbackSteps",              Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {27, U8,   "txtMotSwitchTimeout",       Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {28, U8,   "txtHallNumRef",             Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {29, U8,   "txtMotLockTimeout",         Number,          Strict,  Floor,     0,      0,   255, Clamp},
    {30, U8,   "txtCommutaTimeout",         Number,          Strict,  Floor,     0,      0,   255, Clamp},
};
// clang-format on
static_assert(table_is_sound(kWire));

constexpr FieldView kView[] = {
    {.name = "txtSpeedLimitKpGain",
     .label = "lblSpeedLimitKpGain",
     .designLabel = "Speed limit kp G",
     .caption = "Speed limit kp G",
     .designText = "12",
     .access = Access::ReadOnly},
    {.name = "txtSpeedLimitKpDivisor",
     .label = "lblSpeedLimitKpDivisor",
     .designLabel = "Speed limit kp D",
     .caption = "Speed limit kp D",
     .designText = "8",
     .access = Access::ReadOnly},
    {.name = "txtSpeedLimitKiGain",
     .label = "lblSpeedLimitKiGain",
     .designLabel = "Speed limit ki G",
     .caption = "Speed limit ki G",
     .designText = "8",
     .access = Access::ReadOnly},
    {.name = "txtIdcLimitKpGain",
     .label = "lblIdcLimitKpGain",
     .designLabel = "Idc limit kp G",
     .caption = "Idc limit kp G",
     .designText = "30",
     .access = Access::ReadOnly},
    {.name = "txtIdcLimitKpDivisor",
     .label = "lblIdcLimitKpDivisor",
     .designLabel = "Idc limit kp D",
     .caption = "Idc limit kp D",
     .designText = "1",
     .access = Access::ReadOnly},
    {.name = "txtIdcLimitKiGain",
     .label = "lblIdcLimitKiGain",
     .designLabel = "Idc limit ki G",
     .caption = "Idc limit ki G",
     .designText = "5",
     .access = Access::ReadOnly},
    {.name = "txtECOSpeedLimitKpGain",
     .label = "lblECOSpeedLimitKpGain",
     .designLabel = "Eco speed kp G",
     .caption = "Eco speed kp G",
     .designText = "200",
     .access = Access::ReadOnly},
    {.name = "txtECOSpeedLimitKpDivisor",
     .label = "lblECOSpeedLimitKpDivisor",
     .designLabel = "Eco speed kp D",
     .caption = "Eco speed kp D",
     .designText = "1",
     .access = Access::ReadOnly},
    {.name = "txtECOSpeedLimitKiGain",
     .label = "lblECOSpeedLimitKiGain",
     .designLabel = "Eco speed ki G",
     .caption = "Eco speed ki G",
     .designText = "5",
     .access = Access::ReadOnly},
    {.name = "txtspeedPIDstep0",
     .label = "lblspeedPIDstep0",
     .designLabel = "speed PID step 0[rpm]",
     .caption = "speed PID step 0[rpm]",
     .designText = "1",
     .access = Access::ReadOnly},
    {.name = "txtspeedPIDstep1",
     .label = "lblspeedPIDstep1",
     .designLabel = "speed PID step 1[rpm]",
     .caption = "speed PID step 1[rpm]",
     .designText = "2",
     .access = Access::ReadOnly},
    {.name = "txtspeedPIDstep2",
     .label = "lblspeedPIDstep2",
     .designLabel = "speed PID step 2[rpm]",
     .caption = "speed PID step 2[rpm]",
     .designText = "25",
     .access = Access::ReadOnly},
    {.name = "txtbackSteps",
     .label = "lblbackSteps",
     .designLabel = "Back steps threshold",
     .caption = "Back steps threshold",
     .designText = "40",
     .access = Access::ReadOnly},
    {.name = "txtMotSwitchTimeout",
     .label = "lblMotSwitchTimeout",
     .designLabel = "Mot Switch Timeout",
     .caption = "Speed ref A[rpm]",
     .designText = "30"},
    {.name = "txtHallNumRef",
     .label = "lblHallNumRef",
     .designLabel = "Hall Num ref",
     .caption = "Hall Num ref",
     .designText = "20"},
    {.name = "txtMotLockTimeout",
     .label = "lblMotLockTimeout",
     .designLabel = "Mot Lock Timeout",
     .caption = "Mot lock Timeout",
     .designText = "10"},
    {.name = "txtCommutaTimeout",
     .label = "lblCommutaTimeout",
     .designLabel = "Commuta timeout",
     .caption = "Commu timeout",
     .designText = "5"},
};
static_assert(views_are_sound(kView));

constexpr auto kFields = merge_fields<field_count(kWire, kView)>(kWire, kView);
constexpr auto kEncoderOrder = encoder_order<bound_count(kFields)>(kFields);

constexpr PageId kCloses[] = {PageId::Basic,      PageId::Reference,  PageId::Motor,
                              PageId::TorquePid,  PageId::Protection, PageId::Other,
                              PageId::FluxWeaken, PageId::Hardware};

} // namespace

const PageSchema& control_page() {
    static const PageSchema page{
        .id = PageId::Control,
        .codes = {0xF4, 0xE4, 0xE5},
        .window = "frmControl",
        .cliName = "control",
        .opener = "cmdContorl",
        .openerCaption = "Control",
        .designTitle = "Control",
        .title = "Control",
        .ackText = "Control set successfull!",
        .fields = kFields,
        .encoderOrder = kEncoderOrder,
        .closes = kCloses,
        .linkButtons = true,
    };
    return page;
}

} // namespace motiview

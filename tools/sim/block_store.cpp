#include "block_store.h"

#include "pages/page_codec.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace motiview::sim {
namespace {

// What a controller might hold, as the page shows it: each value unlike the page's design-time
// text and inside its write limits, so that a read-then-write stores it unchanged. The
// hardware block also carries the calibration readings, which no page shows.
constexpr std::string_view kBasic[] = {
    "txtMaxspeed=4200",  "txtBspeed=-1500",     "txtEcospeed=2800",      "txt_AccOfRef=1200",
    "txt_DecOfRef=1800", "txthTReg_ACC=600",    "txthTReg_DEC=900",      "txthFlux_Acc=12",
    "txthFlux_Quit=40",  "txthFlux_Dec=25",     "txtSpeedFluxQuit=3000", "txtIacPeak0=180",
    "txtIacPeak1=150",   "txtTemperatureW0=85", "txtTemperatureW1=105",  "txtConstPT0=220"};

constexpr std::string_view kReference[] = {
    "txtVoltageH=88.5",         "txtVoltageHRec=85",
    "txtVoltageL=58",           "txtVoltageLRec=62.5",
    "txtRegHighV=84",           "txtRegLowV=80",
    "txtIdclimitHighV=61",      "txtIdclimitLowV=59",
    "txtFluxCompToVdc=95",      "txtIdcMinPerc=40",
    "txtHALL_60_360_Switch=12", "txtStartupPercentageFast=35",
    "txtStepSquareStart=64",    "txtsqu_angle_step_int=120",
    "txtConstBwPT12=90",        "txtConstBwPT13=75",
    "txtConstECOPT12=110",      "txtConstECOPT13=95",
    "txtConstBwPT0=260"};

constexpr std::string_view kMotor[] = {"txtPolePairN=4",        "txtAngle_degree_FDir=37",
                                       "cboMTherType=NTC_230k", "txtAngle_degree_BDir=-115",
                                       "txtAngleSquaOffset=24", "txtFrmHallSec1=57",
                                       "txtFrmHallSec2=63",     "txtFrmHallSec3=58",
                                       "txtFrmHallSec4=62",     "txtFrmHallSec5=59",
                                       "txtFrmHallSec6=61",     "txtMotHigh=130",
                                       "txtMotLimit=110",       "txtMotRecover=100",
                                       "txtMotTecoHyster=8",    "txtMotTeco=95",
                                       "txtHallFilter=6",       "txtHallCalibIq=45",
                                       "txtHallRefAcc=120",     "txtHallRefDec=150",
                                       "txtFrmHallBSec1=56",    "txtFrmHallBSec2=64",
                                       "txtFrmHallBSec3=57",    "txtFrmHallBSec4=63",
                                       "txtFrmHallBSec5=58",    "txtFrmHallBSec6=62",
                                       "cboHallGrp=Hall B"};

constexpr std::string_view kControl[] = {"txtSpeedLimitKpGain=14",
                                         "txtSpeedLimitKpDivisor=6",
                                         "txtSpeedLimitKiGain=10",
                                         "txtIdcLimitKpGain=24",
                                         "txtIdcLimitKpDivisor=2",
                                         "txtIdcLimitKiGain=7",
                                         "txtECOSpeedLimitKpGain=150",
                                         "txtECOSpeedLimitKpDivisor=2",
                                         "txtECOSpeedLimitKiGain=9",
                                         "txtspeedPIDstep0=300",
                                         "txtspeedPIDstep1=1200",
                                         "txtspeedPIDstep2=2600",
                                         "txtbackSteps=32",
                                         "txtMotSwitchTimeout=45",
                                         "txtHallNumRef=16",
                                         "txtMotLockTimeout=25",
                                         "txtCommutaTimeout=8"};

constexpr std::string_view kTorquePid[] = {
    "txtIqKpG0Pre=3",  "txtIqKiG0Pre=7", "txtIdKpG0Pre=4",    "txtIdKiG0Pre=12", "txtIqKpG0=3",
    "txtIqKiG0=14",    "txtIdKpG0=4",    "txtIdKiG0=24",      "txtIqKpG2=8",     "txtIqKiG2=150",
    "txtIdKpG2=9",     "txtIdKiG2=160",  "txtIqKpG3=11",      "txtIqKiG3=260",   "txtIdKpG3=12",
    "txtIdKiG3=280",   "txtTKpGain=2",   "txtTKpDivisor=3",   "txtTKiGain=4",    "txtFKpGain=5",
    "txtFKpDivisor=2", "txtFKiGain=6",   "txtLockRefAcc=2500"};

constexpr std::string_view kProtection[] = {
    "txtHighDQtime=120",   "txtMotorLocktime=30", "txtHighDQ=90",      "txtMotorLock=75",
    "txtIacLimit=98",      "txtIdqNLevel=92",     "txtTempIqLimit=75", "txtTempLimit=95",
    "txtTempLimitQuit=80", "txtTempLimitIac=85",  "txtConstPT1=180",   "txtConstPT2=175",
    "txtConstPT3=165",     "txtConstPT4=150",     "txtConstPT5=135",   "txtConstPT6=120",
    "txtConstPT7=105",     "txtConstPT13=40",     "txtConstPT8=95",    "txtConstPT9=85",
    "txtConstPT10=72",     "txtConstPT11=58",     "txtConstPT12=50"};

constexpr std::string_view kModeSet[] = {
    "txtSpeedMode1=1000", "txtSpeedMode2=1600", "txtSpeedMode3=2100", "txtSpeedMode4=2500",
    "txtIdcMode1=40",     "txtIdcMode2=80",     "txtIdcMode3=100",    "txtIdcMode4=130",
    "txtIdcMode5=160",    "txtBstRatioIac=110", "txtBstActiveSec=5",  "txtDelaySpeedMode=4",
    "txtMaxRegQ=-800",    "txtRegMinSpeed=300", "txtRegAcc1=1200",    "txtRegDec1=1800"};

constexpr std::string_view kOther[] = {
    "txtTrefmidpercent2=35", "txtTrefdelay=20",        "txtTrefmidspeed=1500",
    "txtTrefMidpercent1=60", "Chk_Tab6_ECO_EN=1",      "Chk_Tab6_FR_en=1",
    "Chk_Tab6_Eco_Enable=0", "Chk_Tab6_Alarm_en=0",    "Chk_Tab6_BrakeE_EN=1",
    "Chk_Tab6_MotOHEN=1",    "Chk_Tab6_BoostEnable=1", "txtThrottleL=0.800",
    "txtThrottleH=4.200",    "txtThrottleM=2.500",     "txtConstBwPT1=240",
    "txtConstBwPT2=220",     "txtConstBwPT3=200",      "txtConstBwPT4=180",
    "txtConstBwPT5=160",     "txtConstBwPT6=140",      "txtConstBwPT7=120",
    "txtConstBwPT8=100",     "txtConstBwPT9=80",       "txtConstBwPT10=55",
    "txtConstBwPT11=45"};

constexpr std::string_view kFluxWeaken[] = {
    "txtFluxSign=1", "txtStartupMS=25", "txtStartupLS=200", "txtStartupHS=450", "txtIdP0=3",
    "txtIdP1=6",     "txtIdP2=9",       "txtIdP3=12",       "txtIdP4=15",       "txtIdP5=18",
    "txtIdP6=24",    "txtIdP7=30",      "txtIdP8=36",       "txtIdP9=42",       "txtIdP10=50",
    "txtIdP11=58",   "txtIdP12=66",     "txtIdP13=74",      "txtId_HP9=40",     "txtId_HP10=48",
    "txtId_HP11=56", "txtId_HP12=64",   "txtId_HP13=72",    "txtPrintfP=40",    "txtPrintfSW=0"};

constexpr std::string_view kDerate[] = {
    "txtPderateDelay=20", "txtPrecoverDelay=25", "txtMPderateDelay=15", "txtMPrecoverDelay=12",
    "txtConstECOPT1=160", "txtConstECOPT2=150",  "txtConstECOPT3=140",  "txtConstECOPT4=130",
    "txtConstECOPT5=120", "txtConstECOPT6=110",  "txtConstECOPT7=100",  "txtConstECOPT8=90",
    "txtConstECOPT9=80",  "txtConstECOPT10=70",  "txtConstECOPT11=60",  "txtSpeedstep=400",
    "txtIqref_limit1=45", "txtIqref_limit0=15",  "txtIdref_limit1=50",  "txtIdref_limit0=20",
    "txtFluxSTspeed=3500"};

constexpr std::string_view kHardware[] = {"cmbForward=H",
                                          "cmbBackward=H",
                                          "cmbBrakehigh=L",
                                          "ChkBrakeLevelH=1",
                                          "cmbBrakelow=L",
                                          "cmbReserve=L",
                                          "ChkBrakeLevelL=1",
                                          "txtProjectNum=2207",
                                          "txtYearNum=24",
                                          "txtWeekNum=0",
                                          "txtSNNum=4711",
                                          "txtCustomerNum=42",
                                          "txtFluxPeriod=5",
                                          "txtIacADC128A=7936",
                                          "txtMosInPara=8",
                                          "txtidc_gain=7",
                                          "txtidc_divisor_power_2=6",
                                          "txtSpeedPulseCycle=4",
                                          "txtTempMKW0=20",
                                          "txtTempMKW1=80",
                                          "txtTempIqLimitMK=110",
                                          "ChkLockEV=1",
                                          "ChkPConline=1",
                                          "cmbHallCType=H3: B->G->Y",
                                          "cmbPhaseCType=D5: G->B->Y",
                                          "txtcIdcCalibNum=3",
                                          "adcReading2=124",
                                          "adcReading3=8",
                                          "adcReading5=129",
                                          "adcReading6=7",
                                          "adcReading7=58"};

struct DefaultRow {
    PageId page;
    std::span<const std::string_view> texts;
};

// Indexed by PageId.
constexpr DefaultRow kDefaults[] = {
    {PageId::Basic, kBasic},     {PageId::Reference, kReference}, {PageId::Motor, kMotor},
    {PageId::Control, kControl}, {PageId::TorquePid, kTorquePid}, {PageId::Protection, kProtection},
    {PageId::ModeSet, kModeSet}, {PageId::Other, kOther},         {PageId::FluxWeaken, kFluxWeaken},
    {PageId::Derate, kDerate},   {PageId::Hardware, kHardware}};

// Start texts (the defaults above and --set) are read with "." whatever the machine's locale,
// and may group digits with ",": --set basic.txtMaxspeed=4,200 holds 4200. Blocks the
// simulator changes itself go through kPlainNumbers.
const NumberFormat kStartTextFormat{kPlainNumbers.decimal, ","};

std::size_t index_of(PageId page) {
    return static_cast<std::size_t>(page);
}

// Sets a field as the controller holds it: a text a user could type, or one of the
// controller's own bytes that no page shows.
Result<bool> hold(const PageSchema& schema, PageState& state, std::string_view name,
                  std::string_view text) {
    const auto i = field_index(schema, name);
    if (i && schema.fields[*i].widget == Widget::None) {
        state.fields[*i].text = std::string(text);
        return true;
    }
    return set_field_text(schema, state, name, text);
}

// A whole-number field of a decoded block.
int whole(const PageSchema& schema, const PageState& state, std::string_view name) {
    const std::string& text = state.fields[field_index(schema, name).value()].text;
    int v = 0;
    (void)std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

void set_whole(const PageSchema& schema, PageState& state, std::string_view name, int value) {
    (void)hold(schema, state, name, std::to_string(value));
}

// A new value in lo..hi that differs from `old`.
int fresh(int old, int candidate, int lo, int hi) {
    const int span = hi - lo + 1;
    int v = lo + ((candidate % span) + span) % span;
    if (v == old) {
        v = v < hi ? v + 1 : v - 1;
    }
    return v;
}

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

} // namespace

std::span<const std::string_view> default_texts(PageId page) {
    return kDefaults[index_of(page)].texts;
}

Result<Unit> block_from_texts(PageId page, std::span<const std::string_view> texts) {
    const PageSchema& schema = page_schema(page);
    PageState state = design_state(schema);
    for (std::string_view line : texts) {
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            return Error{std::string(line), "expected NAME=TEXT"};
        }
        const auto set = hold(schema, state, line.substr(0, eq), line.substr(eq + 1));
        if (!set) {
            return set.error();
        }
    }
    return encode_reply(schema, state, kStartTextFormat);
}

BlockStore::BlockStore() {
    for (PageId page : kAllPages) {
        const auto block = block_from_texts(page, default_texts(page));
        // The start texts are fixed above and checked by the suite; a refusal is a typo there.
        mut(page) = block ? *block : Unit{};
    }
}

Result<BlockStore> BlockStore::with_texts(std::span<const std::string> startTexts) {
    BlockStore store;
    for (PageId page : kAllPages) {
        const std::string_view name = page_schema(page).cliName;
        std::vector<std::string_view> texts(default_texts(page).begin(), default_texts(page).end());
        for (const std::string& line : startTexts) {
            const std::string_view l(line);
            if (l.size() > name.size() && l.substr(0, name.size()) == name &&
                l[name.size()] == '.') {
                texts.push_back(l.substr(name.size() + 1));
            }
        }
        const auto block = block_from_texts(page, texts);
        if (!block) {
            return Error{block.error().field, std::string(name) + "." + block.error().field + ": " +
                                                  block.error().message};
        }
        store.mut(page) = *block;
    }
    return store;
}

void BlockStore::store_write(PageId page, const Unit& frame) {
    Unit& u = mut(page);
    const Unit before = u;
    std::copy(frame.begin() + 2, frame.end() - 1, u.begin() + 2);
    for (std::uint8_t at : controller_owned_bytes(page_schema(page))) {
        u[at] = before[at];
    }
}

const Unit& BlockStore::rewrite(PageId page,
                                const std::function<void(const PageSchema&, PageState&)>& change) {
    const PageSchema& schema = page_schema(page);
    PageState state = design_state(schema);
    decode_into(schema, mut(page), state, kPlainNumbers);
    change(schema, state);
    const auto block = encode_reply(schema, state, kPlainNumbers);
    if (block) {
        mut(page) = *block;
    }
    return mut(page);
}

const Unit& BlockStore::run_hall_a() {
    ++hallRuns_;
    const int run = static_cast<int>(hallRuns_);
    // Learned sector widths around 60 degrees, different on every run.
    return rewrite(PageId::Motor, [run](const PageSchema& schema, PageState& state) {
        for (int k = 0; k < 6; ++k) {
            const std::string a = numbered("txtFrmHallSec", k + 1);
            const std::string b = numbered("txtFrmHallBSec", k + 1);
            set_whole(schema, state, a,
                      fresh(whole(schema, state, a), 7 * run + 11 * k + 3, 44, 76));
            set_whole(schema, state, b,
                      fresh(whole(schema, state, b), 5 * run + 13 * k + 8, 44, 76));
        }
    });
}

const Unit& BlockStore::run_hall_b() {
    ++hallRuns_;
    const int run = static_cast<int>(hallRuns_);
    return rewrite(PageId::Protection, [run](const PageSchema& schema, PageState& state) {
        // The torque-current points 1..6 move by a few amperes.
        for (int k = 1; k <= 6; ++k) {
            const std::string name = numbered("txtConstPT", k);
            const int old = whole(schema, state, name);
            const int step = 3 + (run + 10 + 2 * k) % 5;
            const int v = old + step <= 250 ? old + step : old - step;
            set_whole(schema, state, name, std::max(v, 1));
        }
        // Points 7..13.
        for (int k = 7; k <= 13; ++k) {
            const std::string name = numbered("txtConstPT", k);
            const int old = whole(schema, state, name);
            set_whole(schema, state, name, fresh(old, old + 2 + run % 4, 20, 200));
        }
    });
}

const Unit& BlockStore::reset_calibration_count() {
    return rewrite(PageId::Hardware, [](const PageSchema& schema, PageState& state) {
        (void)hold(schema, state, kCalibrationCount, "0");
    });
}

std::string BlockStore::dump_text() const {
    std::string out;
    for (PageId page : kAllPages) {
        out += page_schema(page).cliName;
        out += ' ';
        out += to_hex(block(page));
        out += '\n';
    }
    return out;
}

} // namespace motiview::sim

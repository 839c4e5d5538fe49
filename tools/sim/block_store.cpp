#include "block_store.h"

#include <algorithm>

namespace motiview::sim {
namespace {

using W = FieldWidth;

// Values a controller might hold, each unlike the page's design-time text and inside the
// page's write limits, so that a read-then-write stores them unchanged.
// clang-format off
constexpr BlockValue kBasic[] = {
    {2, W::U16, 4200},  // max speed rpm
    {4, W::U16, 1500},  // back speed, shown -1500
    {6, W::U16, 2800},  // eco speed
    {8, W::U16, 1200},  // acc of Iq
    {10, W::U16, 1800}, // dec of Iq
    {12, W::U16, 600},  // acc of Iq at reg
    {14, W::U16, 900},  // dec of Iq at reg
    {16, W::U16, 12},   // acc of Id
    {18, W::U16, 40},   // dec 1 of Id
    {20, W::U16, 25},   // dec of Id
    {22, W::U8, 30},    // speed of Id0, 3000 rpm
    {23, W::U16, 180},  // MOS peak current 0
    {25, W::U16, 150},  // MOS peak current 1
    {27, W::U8, 85},    // temperature at I0
    {28, W::U8, 105},   // temperature at I1
    {29, W::U16, 220},  // max peak phase current
};

constexpr BlockValue kReference[] = {
    {2, W::U16, 8850},  // over voltage 88.5 V
    {4, W::U16, 8500},  // over voltage recover
    {6, W::U16, 5800},  // under voltage
    {8, W::U16, 6250},  // under voltage recover 62.5 V
    {10, W::U16, 8400}, // highest vdc for regeneration
    {12, W::U16, 8000}, // vdc of full regeneration
    {14, W::U16, 6100}, // vdc of idc limit
    {16, W::U16, 5900}, // vdc of idc minimum
    {18, W::U8, 95},    // regeneration compensation 0..160
    {19, W::U8, 40},    // idc min percent 0..160
    {20, W::U8, 12},    // hall steps 60 -> 360
    {21, W::U8, 35},    // start speed forecast 0..128
    {22, W::U8, 64},    // square start step
    {23, W::U16, 120},  // square step DDP
    {25, W::U8, 90},    // bw iqref step 12
    {26, W::U8, 75},    // bw iqref step 13
    {27, W::U8, 110},   // eco iqref step 12
    {28, W::U8, 95},    // eco iqref step 13
    {29, W::U16, 260},  // bw iqref step 0
};

constexpr BlockValue kMotor[] = {
    {2, W::U8, 4},      // pole pairs 1..255
    {3, W::SM16, 37},   // forward angle -180..179
    {5, W::U8, 2},      // thermistor NTC_230k, 1..5
    {6, W::SM16, -115}, // backward angle
    {8, W::U8, 24},     // square angle offset 0..60
    {9, W::U8, 57},     // hall A sectors 1..6, 20..100
    {10, W::U8, 63},
    {11, W::U8, 58},
    {12, W::U8, 62},
    {13, W::U8, 59},
    {14, W::U8, 61},
    {15, W::U8, 130},   // motor over heat
    {16, W::U8, 110},   // motor high-T mode
    {17, W::U8, 100},   // motor over heat quit
    {18, W::U8, 8},     // hysteresis
    {19, W::U8, 95},    // motor switch T
    {20, W::U8, 6},     // hall noise pulses 1..255
    {21, W::U8, 45},    // hall calibration Iq 1..255
    {22, W::U8, 12},    // acc at hall calibration, 120
    {23, W::U8, 15},    // dec at hall calibration, 150
    {24, W::U8, 56},    // hall B sectors 1..6, 20..100
    {25, W::U8, 64},
    {26, W::U8, 57},
    {27, W::U8, 63},
    {28, W::U8, 58},
    {29, W::U8, 62},
    {30, W::U8, 1},     // hall group B, 0..1
};

constexpr BlockValue kControl[] = {
    {2, W::U16, 14},    // speed limit kp gain, divisor, ki gain
    {4, W::U16, 6},
    {6, W::U16, 10},
    {8, W::U16, 24},    // idc limit kp gain, divisor, ki gain
    {10, W::U16, 2},
    {12, W::U16, 7},
    {14, W::U16, 150},  // eco speed kp gain, divisor, ki gain
    {16, W::U16, 2},
    {18, W::U16, 9},
    {20, W::U16, 300},  // speed PID steps 0..2
    {22, W::U16, 1200},
    {24, W::U16, 2600},
    {26, W::U8, 32},    // back steps threshold
    {27, W::U8, 45},    // motor switch timeout
    {28, W::U8, 16},    // hall number reference
    {29, W::U8, 25},    // motor lock timeout
    {30, W::U8, 8},     // commutation timeout
};

constexpr BlockValue kTorquePid[] = {
    {2, W::U8, 3},      // Iq kp, Iq ki, Id kp, Id ki of stage 0 pre
    {3, W::U8, 7},
    {4, W::U8, 4},
    {5, W::U8, 12},
    {6, W::U8, 3},      // the same of stage 0
    {7, W::U8, 14},
    {8, W::U8, 4},
    {9, W::U8, 24},
    {10, W::U8, 8},     // stage 2
    {11, W::U16, 150},
    {13, W::U8, 9},
    {14, W::U16, 160},
    {16, W::U8, 11},    // stage 3
    {17, W::U16, 260},
    {19, W::U8, 12},
    {20, W::U16, 280},
    {22, W::U8, 2},     // torque kp gain, divisor, ki gain
    {23, W::U8, 3},
    {24, W::U16, 4},
    {26, W::U8, 5},     // flux kp gain, divisor, ki gain
    {27, W::U8, 2},
    {28, W::U16, 6},
    {30, W::U8, 25},    // lock acc, 2500
};

constexpr BlockValue kProtection[] = {
    {2, W::U8, 120},    // heavy load timeout
    {3, W::U8, 30},     // motor lock timeout
    {4, W::U8, 90},     // heavy load Iac %
    {5, W::U8, 75},     // motor lock Iac %
    {6, W::U8, 98},     // Iac limit level
    {7, W::U8, 92},     // reference Iac level
    {8, W::U8, 75},     // power turn point
    {9, W::U8, 95},     // power over heat
    {10, W::U8, 80},    // power over heat recover
    {11, W::U8, 85},    // power high-T mode
    {12, W::U16, 180},  // Iqref points 1..6
    {14, W::U16, 175},
    {16, W::U16, 165},
    {18, W::U16, 150},
    {20, W::U16, 135},
    {22, W::U16, 120},
    {24, W::U8, 105},   // point 7
    {25, W::U8, 40},    // point 13
    {26, W::U8, 95},    // points 8..12
    {27, W::U8, 85},
    {28, W::U8, 72},
    {29, W::U8, 58},
    {30, W::U8, 50},
};

// Every byte 1..255; bytes 18..30 carry nothing.
constexpr BlockValue kModeSet[] = {
    {2, W::U8, 100},    // mode speeds 1..4 in 10 rpm
    {3, W::U8, 160},
    {4, W::U8, 210},
    {5, W::U8, 250},
    {6, W::U8, 40},     // mode Idc 1..5
    {7, W::U8, 80},
    {8, W::U8, 100},
    {9, W::U8, 130},
    {10, W::U8, 160},
    {11, W::U8, 110},   // boost ratio
    {12, W::U8, 5},     // boost seconds
    {13, W::U8, 4},     // speed fall delay
    {14, W::U8, 8},     // max regeneration, -800
    {15, W::U8, 3},     // min regeneration speed, 300 rpm
    {16, W::U8, 12},    // regeneration acc, 1200
    {17, W::U8, 18},    // regeneration dec, 1800
};

constexpr BlockValue kOther[] = {
    {2, W::U8, 35},      // percentage in mid tref2, 0..100
    {3, W::U8, 20},      // tref mid vary delay
    {4, W::U8, 15},      // tref mid vary speed, 1500 rpm
    {5, W::U8, 60},      // percentage in mid tref, 0..100
    {6, W::U8, 55},      // bw iqref step 10
    {7, W::U8, 45},      // bw iqref step 11
    {8, W::U8, 0xB3},    // forward, backward, brake stop, motor protection, boost; bit 6 clear
    {9, W::U16, 8000},   // throttle low 0.800 V
    {11, W::U16, 42000}, // throttle high 4.200 V
    {13, W::U16, 25000}, // throttle mid 2.500 V
    {15, W::U16, 240},   // bw iqref steps 1..7
    {17, W::U16, 220},
    {19, W::U16, 200},
    {21, W::U16, 180},
    {23, W::U16, 160},
    {25, W::U16, 140},
    {27, W::U16, 120},
    {29, W::U8, 100},    // bw iqref steps 8, 9
    {30, W::U8, 80},
};

// Byte 2 carries nothing; the flux sign is stored + 1.
constexpr BlockValue kFluxWeaken[] = {
    {3, W::U8, 2},      // flux sign 1
    {4, W::U16, 25},    // startup speeds min, low, high
    {6, W::U16, 200},
    {8, W::U16, 450},
    {10, W::U8, 3},     // Idref points 0..13
    {11, W::U8, 6},
    {12, W::U8, 9},
    {13, W::U8, 12},
    {14, W::U8, 15},
    {15, W::U8, 18},
    {16, W::U8, 24},
    {17, W::U8, 30},
    {18, W::U8, 36},
    {19, W::U8, 42},
    {20, W::U8, 50},
    {21, W::U8, 58},
    {22, W::U8, 66},
    {23, W::U8, 74},
    {24, W::U8, 40},    // Idref H points 9..13
    {25, W::U8, 48},
    {26, W::U8, 56},
    {27, W::U8, 64},
    {28, W::U8, 72},
    {29, W::U8, 40},    // print period
    {30, W::U8, 0},     // print switch off, 0..1
};

constexpr BlockValue kDerate[] = {
    {2, W::U8, 20},     // power derate and recover delays, 1..255
    {3, W::U8, 25},
    {4, W::U8, 15},     // motor power derate and recover delays, 1..255
    {5, W::U8, 12},
    {6, W::U16, 160},   // eco iqref points 1..7
    {8, W::U16, 150},
    {10, W::U16, 140},
    {12, W::U16, 130},
    {14, W::U16, 120},
    {16, W::U16, 110},
    {18, W::U16, 100},
    {20, W::U8, 90},    // eco iqref points 8..11, 1..255
    {21, W::U8, 80},
    {22, W::U8, 70},
    {23, W::U8, 60},
    {24, W::U16, 400},  // speed step
    {26, W::U8, 45},    // Iqref limits 1, 0
    {27, W::U8, 15},
    {28, W::U8, 50},    // Idref limits 1, 0
    {29, W::U8, 20},
    {30, W::U8, 35},    // flux switch speed, 3500 rpm
};

constexpr BlockValue kHardware[] = {
    {2, W::U8, 0x7C},   // calibration ADC readings (byte 4 is also the flag byte)
    {3, W::U8, 0x08},
    {4, W::U8, 0x4B},   // forward H, backward H, both brake checks; bit 7 clear
    {5, W::U8, 0x81},
    {6, W::U8, 0x07},
    {7, W::U8, 0x3A},
    {8, W::U16, 2207},  // project 1..32767
    {10, W::U8, 24},    // year 0..99
    {11, W::U8, 0},     // week: every write resets it
    {12, W::U16, 4711}, // sequence 1..32767
    {14, W::U8, 42},    // customer 1..255
    {15, W::U8, 5},     // flux period 1..255
    {16, W::U16, 7936}, // Iac ADC at 128 A
    {18, W::U8, 8},     // reference period 1..120
    {19, W::U16, 7},    // idc gain
    {21, W::U8, 6},     // idc divisor power 0..15
    {22, W::U8, 3},     // calibration count
    {23, W::U8, 1},     // unlocked
    {24, W::U8, 1},     // PC online
    {25, W::U8, 4},     // speed pulses per cycle
    {26, W::U8, 3},     // hall wiring H3, 1..6
    {27, W::U8, 5},     // phase wiring D5, 1..6
    {28, W::U8, 20},    // motor temperature points
    {29, W::U8, 80},
    {30, W::U8, 110},
};
// clang-format on

struct PageRow {
    PageId page;
    std::string_view cliName;
    std::span<const BlockValue> values;
};

// Indexed by PageId.
const std::array<PageRow, kPageCount> kRows = {{
    {PageId::Basic, "basic", kBasic},
    {PageId::Reference, "reference", kReference},
    {PageId::Motor, "motor", kMotor},
    {PageId::Control, "control", kControl},
    {PageId::TorquePid, "torque-pid", kTorquePid},
    {PageId::Protection, "protection", kProtection},
    {PageId::ModeSet, "mode-set", kModeSet},
    {PageId::Other, "other", kOther},
    {PageId::FluxWeaken, "flux-weaken", kFluxWeaken},
    {PageId::Derate, "derate", kDerate},
    {PageId::Hardware, "hardware", kHardware},
}};

template <std::size_t N> consteval bool offsets_sound(const BlockValue (&rows)[N]) {
    int next = 2;
    for (const BlockValue& r : rows) {
        const int end = r.offset + (r.width == FieldWidth::U8 ? 1 : 2);
        if (r.offset < next || end > 31) {
            return false;
        }
        next = end;
    }
    return true;
}
static_assert(offsets_sound(kBasic) && offsets_sound(kReference) && offsets_sound(kMotor) &&
                  offsets_sound(kControl) && offsets_sound(kTorquePid) &&
                  offsets_sound(kProtection) && offsets_sound(kModeSet) && offsets_sound(kOther) &&
                  offsets_sound(kFluxWeaken) && offsets_sound(kDerate) && offsets_sound(kHardware),
              "start tables must be in offset order, inside bytes 2..30, without overlap");

void put(Unit& u, const BlockValue& v) {
    switch (v.width) {
    case FieldWidth::U8:
        u[v.offset] = static_cast<std::uint8_t>(v.value);
        break;
    case FieldWidth::U16:
        store_u16le(u, v.offset, static_cast<std::uint16_t>(v.value));
        break;
    case FieldWidth::SM16:
        store_sm16le(u, v.offset, v.value);
        break;
    }
}

Unit reply_frame(PageId page) {
    const PageCodes codes = page_codes(page);
    Unit u{};
    u[0] = codes.group;
    u[1] = codes.read;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

// A new value in lo..hi that differs from `old`.
std::uint8_t fresh(std::uint8_t old, int candidate, int lo, int hi) {
    int v = lo + ((candidate % (hi - lo + 1)) + (hi - lo + 1)) % (hi - lo + 1);
    if (v == old) {
        v = v < hi ? v + 1 : v - 1;
    }
    return static_cast<std::uint8_t>(v);
}

} // namespace

std::span<const BlockValue> default_values(PageId page) {
    return kRows[static_cast<std::size_t>(page)].values;
}

std::string_view cli_name(PageId page) {
    return kRows[static_cast<std::size_t>(page)].cliName;
}

BlockStore::BlockStore() {
    for (PageId page : kAllPages) {
        Unit u = reply_frame(page);
        for (const BlockValue& v : default_values(page)) {
            put(u, v);
        }
        mut(page) = u;
    }
}

void BlockStore::store_write(PageId page, const Unit& frame) {
    Unit& u = mut(page);
    const Unit before = u;
    std::copy(frame.begin() + 2, frame.end() - 1, u.begin() + 2);
    if (page == PageId::Hardware) {
        for (std::uint8_t at : kHardwareOwnBytes) {
            u[at] = before[at];
        }
    }
}

const Unit& BlockStore::run_hall_a() {
    ++hallRuns_;
    Unit& u = mut(PageId::Motor);
    // Learned sector widths around 60 degrees, different on every run.
    const int run = static_cast<int>(hallRuns_);
    for (std::size_t i = 0; i < 6; ++i) {
        const int k = static_cast<int>(i);
        u[9 + i] = fresh(u[9 + i], 7 * run + 11 * k + 3, 44, 76);
        u[24 + i] = fresh(u[24 + i], 5 * run + 13 * k + 8, 44, 76);
    }
    return u;
}

const Unit& BlockStore::run_hall_b() {
    ++hallRuns_;
    Unit& u = mut(PageId::Protection);
    const int run = static_cast<int>(hallRuns_);
    // The torque-current points 1..6 move by a few amperes.
    for (std::size_t at = 12; at <= 22; at += 2) {
        const int old = load_u16le(u, at);
        const int step = 3 + (run + static_cast<int>(at)) % 5;
        const int v = old + step <= 250 ? old + step : old - step;
        store_u16le(u, at, static_cast<std::uint16_t>(std::max(v, 1)));
    }
    // Points 7..13 (one byte each).
    for (std::size_t at = 24; at <= 30; ++at) {
        u[at] = fresh(u[at], u[at] + 2 + run % 4, 20, 200);
    }
    return u;
}

const Unit& BlockStore::reset_calibration_count() {
    Unit& u = mut(PageId::Hardware);
    u[kCalibrationCount] = 0;
    return u;
}

std::string BlockStore::dump_text() const {
    std::string out;
    for (PageId page : kAllPages) {
        out += cli_name(page);
        out += ' ';
        out += to_hex(block(page));
        out += '\n';
    }
    return out;
}

} // namespace motiview::sim

#!/usr/bin/env python3
"""Runs two motiview-cli binaries on the same generated command lines and reports every
difference in stdout, stderr or exit status, once under LC_ALL=C and once under
LC_ALL=de_DE.UTF-8.

    bench/cli_compare.py OLD_CLI NEW_CLI [--cases N] [--seed S] [--jobs J]

Exit status 0 when both agree on every case in both locales, 1 otherwise.
"""
import argparse
import concurrent.futures
import difflib
import os
import random
import shlex
import subprocess
import sys
import time

LOCALES = ["C", "de_DE.UTF-8"]
SHOWN_PER_LOCALE = 5  # differences printed in full; the rest are only counted
TIMEOUT_S = 20

HALL_ORDERS = ["Y->G->B", "Y->B->G", "B->G->Y", "B->Y->G", "G->B->Y", "G->Y->B"]
LEVEL = ["L", "H"]

# Taken from the old binary: `encode PAGE` gives group and write code (reply = write - 1),
# `decode` of a zero reply gives the field names, replies with varied bytes the list items.
# Lists are {name: items}; names starting with "Chk" are check boxes.
PAGES = [
    ("basic", 0xF0, [0xE0], [
        "txtMaxspeed", "txtBspeed", "txtEcospeed", "txt_AccOfRef", "txt_DecOfRef",
        "txthTReg_ACC", "txthTReg_DEC", "txthFlux_Acc", "txthFlux_Quit", "txthFlux_Dec",
        "txtSpeedFluxQuit", "txtIacPeak0", "txtIacPeak1", "txtTemperatureW0",
        "txtTemperatureW1", "txtConstPT0"], {}),
    ("reference", 0xF2, [0xE2], [
        "txtVoltageH", "txtVoltageHRec", "txtVoltageL", "txtVoltageLRec", "txtRegHighV",
        "txtRegLowV", "txtIdclimitHighV", "txtIdclimitLowV", "txtFluxCompToVdc",
        "txtIdcMinPerc", "txtHALL_60_360_Switch", "txtStartupPercentageFast",
        "txtStepSquareStart", "txtsqu_angle_step_int", "txtConstBwPT12", "txtConstBwPT13",
        "txtConstECOPT12", "txtConstECOPT13", "txtConstBwPT0"], {}),
    ("motor", 0xF6, [0xE6], [
        "txtPolePairN", "txtAngle_degree_FDir", "cboMTherType", "txtAngle_degree_BDir",
        "txtAngleSquaOffset", "txtFrmHallSec1", "txtFrmHallSec2", "txtFrmHallSec3",
        "txtFrmHallSec4", "txtFrmHallSec5", "txtFrmHallSec6", "txtMotHigh", "txtMotLimit",
        "txtMotRecover", "txtMotTecoHyster", "txtMotTeco", "txtHallFilter", "txtHallCalibIq",
        "txtHallRefAcc", "txtHallRefDec", "txtFrmHallBSec1", "txtFrmHallBSec2",
        "txtFrmHallBSec3", "txtFrmHallBSec4", "txtFrmHallBSec5", "txtFrmHallBSec6",
        "cboHallGrp"],
     {"cboMTherType": ["PTC_1k", "NTC_230k", "NC", "NO", "KTY83"],
      "cboHallGrp": ["Hall A", "Hall B"]}),
    ("control", 0xF4, [0xE4], [
        "txtSpeedLimitKpGain", "txtSpeedLimitKpDivisor", "txtSpeedLimitKiGain",
        "txtIdcLimitKpGain", "txtIdcLimitKpDivisor", "txtIdcLimitKiGain",
        "txtECOSpeedLimitKpGain", "txtECOSpeedLimitKpDivisor", "txtECOSpeedLimitKiGain",
        "txtspeedPIDstep0", "txtspeedPIDstep1", "txtspeedPIDstep2", "txtbackSteps",
        "txtMotSwitchTimeout", "txtHallNumRef", "txtMotLockTimeout", "txtCommutaTimeout"], {}),
    ("torque-pid", 0xD2, [0xC2], [
        "txtIqKpG0Pre", "txtIqKiG0Pre", "txtIdKpG0Pre", "txtIdKiG0Pre", "txtIqKpG0",
        "txtIqKiG0", "txtIdKpG0", "txtIdKiG0", "txtIqKpG2", "txtIqKiG2", "txtIdKpG2",
        "txtIdKiG2", "txtIqKpG3", "txtIqKiG3", "txtIdKpG3", "txtIdKiG3", "txtTKpGain",
        "txtTKpDivisor", "txtTKiGain", "txtFKpGain", "txtFKpDivisor", "txtFKiGain",
        "txtLockRefAcc"], {}),
    ("protection", 0xF8, [0xE8], [
        "txtHighDQtime", "txtMotorLocktime", "txtHighDQ", "txtMotorLock", "txtIacLimit",
        "txtIdqNLevel", "txtTempIqLimit", "txtTempLimit", "txtTempLimitQuit",
        "txtTempLimitIac", "txtConstPT1", "txtConstPT2", "txtConstPT3", "txtConstPT4",
        "txtConstPT5", "txtConstPT6", "txtConstPT7", "txtConstPT13", "txtConstPT8",
        "txtConstPT9", "txtConstPT10", "txtConstPT11", "txtConstPT12"], {}),
    ("mode-set", 0xD7, [0xC7], [
        "txtSpeedMode1", "txtSpeedMode2", "txtSpeedMode3", "txtSpeedMode4", "txtIdcMode1",
        "txtIdcMode2", "txtIdcMode3", "txtIdcMode4", "txtIdcMode5", "txtBstRatioIac",
        "txtBstActiveSec", "txtDelaySpeedMode", "txtMaxRegQ", "txtRegMinSpeed", "txtRegAcc1",
        "txtRegDec1"], {}),
    ("other", 0xFE, [0xEE], [
        "txtTrefmidpercent2", "txtTrefdelay", "txtTrefmidspeed", "txtTrefMidpercent1",
        "Chk_Tab6_ECO_EN", "Chk_Tab6_FR_en", "Chk_Tab6_Eco_Enable", "Chk_Tab6_Alarm_en",
        "Chk_Tab6_BrakeE_EN", "Chk_Tab6_MotOHEN", "Chk_Tab6_BoostEnable", "txtThrottleL",
        "txtThrottleH", "txtThrottleM", "txtConstBwPT1", "txtConstBwPT2", "txtConstBwPT3",
        "txtConstBwPT4", "txtConstBwPT5", "txtConstBwPT6", "txtConstBwPT7", "txtConstBwPT8",
        "txtConstBwPT9", "txtConstBwPT10", "txtConstBwPT11"], {}),
    ("flux-weaken", 0xD6, [0xC6], [
        "txtFluxSign", "txtStartupMS", "txtStartupLS", "txtStartupHS", "txtIdP0", "txtIdP1",
        "txtIdP2", "txtIdP3", "txtIdP4", "txtIdP5", "txtIdP6", "txtIdP7", "txtIdP8",
        "txtIdP9", "txtIdP10", "txtIdP11", "txtIdP12", "txtIdP13", "txtId_HP9", "txtId_HP10",
        "txtId_HP11", "txtId_HP12", "txtId_HP13", "txtPrintfP", "txtPrintfSW"], {}),
    ("derate", 0xD5, [0xC5], [
        "txtPderateDelay", "txtPrecoverDelay", "txtMPderateDelay", "txtMPrecoverDelay",
        "txtConstECOPT1", "txtConstECOPT2", "txtConstECOPT3", "txtConstECOPT4",
        "txtConstECOPT5", "txtConstECOPT6", "txtConstECOPT7", "txtConstECOPT8",
        "txtConstECOPT9", "txtConstECOPT10", "txtConstECOPT11", "txtSpeedstep",
        "txtIqref_limit1", "txtIqref_limit0", "txtIdref_limit1", "txtIdref_limit0",
        "txtFluxSTspeed"], {}),
    # The hardware page answers with ED or EC and is written with EE.
    ("hardware", 0xFB, [0xED, 0xEC], [
        "cmbForward", "cmbBackward", "cmbBrakehigh", "ChkBrakeLevelH", "cmbBrakelow",
        "cmbReserve", "ChkBrakeLevelL", "txtProjectNum", "txtYearNum", "txtWeekNum",
        "txtSNNum", "txtCustomerNum", "txtFluxPeriod", "txtIacADC128A", "txtMosInPara",
        "txtidc_gain", "txtidc_divisor_power_2", "txtSpeedPulseCycle", "txtTempMKW0",
        "txtTempMKW1", "txtTempIqLimitMK", "ChkLockEV", "ChkPConline", "cmbHallCType",
        "cmbPhaseCType", "txtcIdcCalibNum"],
     {"cmbForward": LEVEL, "cmbBackward": LEVEL, "cmbBrakehigh": LEVEL, "cmbBrakelow": LEVEL,
      "cmbReserve": LEVEL,
      "cmbHallCType": [f"H{i + 1}: {o}" for i, o in enumerate(HALL_ORDERS)],
      "cmbPhaseCType": [f"D{i + 1}: {o}" for i, o in enumerate(HALL_ORDERS)]}),
]
WRITE_CODE = {name: 0xEE if name == "hardware" else reads[0] + 1
              for name, _, reads, _, _ in PAGES}
ALL_ITEMS = sorted({item for p in PAGES for items in p[4].values() for item in items})
KNOWN_CODES = ({(g, r) for _, g, reads, _, _ in PAGES for r in reads}
               | {(p[1], WRITE_CODE[p[0]]) for p in PAGES}
               | {(0xDF, 0xEF), (0xF1, 0xE1), (0xF1, 0xE2), (0xD0, 0xC0), (0xD0, 0xC1),
                  (0xFA, 0xEA), (0xFA, 0xEB)} | {(0xFF, c) for c in range(0xF9, 0xFF)})


def frame(b0, b1, payload, end=0xDA):
    assert len(payload) == 29
    return bytes([b0, b1]) + bytes(payload) + bytes([end])


def random_bytes(rng, n):
    return [rng.randrange(256) for _ in range(n)]


def hex_args(rng, data, allow_split=True):
    """The unit as argv pieces, in the several spellings the tool accepts."""
    pieces = [f"{b:02X}" for b in data]
    r = rng.random()
    if r < 0.15:
        pieces = [p.lower() for p in pieces]
    elif r < 0.25:
        pieces = [p.lower() if rng.random() < 0.5 else p for p in pieces]
    if not allow_split:
        return [(" " if rng.random() < 0.8 else "").join(pieces)]
    r = rng.random()
    if r < 0.45:
        return [" ".join(pieces)]
    if r < 0.65:
        return ["".join(pieces)]
    if r < 0.8:
        return pieces
    cuts = sorted(rng.sample(range(1, len(pieces)), rng.randint(1, 4)))
    out, last = [], 0
    for c in cuts + [len(pieces)]:
        out.append(" ".join(pieces[last:c]))
        last = c
    return out


# ---------------------------------------------------------------- texts for NAME=TEXT

BOUNDARY_INTS = [0, 1, -1, 127, 128, 254, 255, 256, -255, -256, 1000, 9999, 32766, 32767, 32768,
                 -32767, -32768, -32769, 65534, 65535, 65536, -65535, 2**31 - 1, 2**31,
                 -2**31, -2**31 - 1, 2**32 - 1, 2**32, 10**12]
# Where the scaled fields (x0.01, x0.001 ...) wrap or round.
SCALED = ["655.35", "655.36", "327.67", "327.68", "-327.68", "-327.69", "65.535", "65.536",
          "6553.5", "6553.6", "2.55", "2.56", "25.5", "25.6", "0.005", "0.015", "0.025",
          "1.005", "0.0005", "0.001", "0.0049", "72.5", "68.75", "0.5", "-0.5", "-0.004"]
GARBAGE = ["abc", "12abc", "--5", "+5", "0x10", "1..2", ".5", "5.", "-", "+", "nan", "inf",
           "1/2", "12 34", "5-", "1,,2", "1..", "Text1", "e5", "7e", "1e", "0,5.", "\t", "-0",
           "00012", "-0.0", "true", "H", "L",
           "\u0663", "\uff11\uff12", "\u00a012", "12\u00a0"]  # non-ASCII digits, no-break space


def decimal_text(rng, sep):
    places = rng.randint(1, 6)
    whole = rng.choice([rng.randint(0, 9), rng.randint(0, 300), rng.randint(0, 70000)])
    frac = rng.randrange(10 ** places)
    sign = "-" if rng.random() < 0.2 else ""
    return f"{sign}{whole}{sep}{frac:0{places}d}"


def grouped_text(rng):
    a, b, c = rng.randint(1, 999), rng.randint(0, 999), rng.randint(0, 99)
    return rng.choice([
        f"{a},{b:03d}", f"{a},{b:03d}.{c}", f"{a}.{b:03d}", f"{a}.{b:03d},{c}",
        f"{a} {b:03d}", f"{a},{b:02d}", f"{a}.{b:02d}.{c:03d}", f"{a},{b:03d},{c:03d}",
        f"-{a},{b:03d}", f"{a}'{b:03d}", "1,234.5", "1.234,5", "1,234", "1.234"])


def exponent_text(rng):
    m = rng.choice(["1.5", "1,5", "2", "-3", "7.25", "7,25", "0.5", "1"])
    e = rng.choice(["e3", "E2", "e-2", "e+1", "e0", "e9", "E-3", "e10"])
    return m + e


def number_text(rng):
    r = rng.random()
    if r < 0.12:
        t = str(rng.randint(0, 200))
    elif r < 0.2:
        t = str(-rng.randint(1, 40000))
    elif r < 0.32:
        t = str(rng.choice(BOUNDARY_INTS))
    elif r < 0.44:
        t = rng.choice(SCALED)
        if rng.random() < 0.5:
            t = t.replace(".", ",")
    elif r < 0.62:
        t = decimal_text(rng, rng.choice(".,"))
    elif r < 0.7:
        t = grouped_text(rng)
    elif r < 0.76:
        t = exponent_text(rng)
    elif r < 0.8:
        t = ""
    elif r < 0.9:
        t = rng.choice(GARBAGE)
    else:
        t = str(rng.randint(0, 65535))
    if t and rng.random() < 0.08:
        t = rng.choice([" " + t, t + " ", "  " + t + " ", "\t" + t])
    return t


def field_text(rng, page, name):
    lists = page[4]
    if name in lists:
        r = rng.random()
        if r < 0.55:
            return rng.choice(lists[name])
        if r < 0.65:
            item = rng.choice(lists[name])
            return rng.choice([item.lower(), item.upper(), " " + item, item + " ", item[:-1]])
        if r < 0.75:
            return rng.choice(ALL_ITEMS)
        if r < 0.85:
            return str(rng.randint(0, 7))
        return number_text(rng)
    if name.startswith("Chk"):
        if rng.random() < 0.65:
            return str(rng.choice([0, 1, 2, 3]))
        return rng.choice(["-1", "1.0", "1,0", " 1", "", "yes", "01"] + [number_text(rng)])
    r = rng.random()
    if r < 0.06:
        return rng.choice(ALL_ITEMS)
    if r < 0.1:
        return str(rng.choice([0, 1, 2, 3]))
    return number_text(rng)


def unknown_name(rng, page):
    name = rng.choice(page[3])
    others = [f for p in PAGES if p is not page for f in p[3] if f not in page[3]]
    return rng.choice([name.lower(), name.upper(), name + "X", name[:-1], " " + name,
                       rng.choice(others), "txtFoo", ""])


# ---------------------------------------------------------------- cases

def reply_of(rng, page, code=None):
    _, group, reads, _, _ = page
    r = rng.random()
    payload = [0] * 29 if r < 0.05 else [0xFF] * 29 if r < 0.1 else random_bytes(rng, 29)
    return frame(group, code if code is not None else rng.choice(reads), payload)


def encode_case(rng):
    page = rng.choice(PAGES)
    args = ["encode", page[0]]
    label = "encode " + page[0]
    if rng.random() < 0.55:
        r = rng.random()
        if r < 0.86:
            unit = reply_of(rng, page)
            label += " --from"
        elif r < 0.9:
            unit = reply_of(rng, rng.choice([p for p in PAGES if p is not page]))
            label += " --from other-page"
        elif r < 0.93:
            unit = frame(page[1], WRITE_CODE[page[0]], random_bytes(rng, 29))
            label += " --from ack"
        elif r < 0.96:
            unit = reply_of(rng, page)[:31] + bytes([rng.choice([0x00, 0xDB, 0xFF])])
            label += " --from broken"
        else:
            unit = reply_of(rng, page)
            unit = unit[:31] if rng.random() < 0.5 else unit + bytes([0xDA])
            label += " --from wrong length"
        args += ["--from"] + hex_args(rng, unit, allow_split=False)
    edits = []
    for _ in range(rng.randint(0, 4)):
        r = rng.random()
        if r < 0.05:
            edits.append(unknown_name(rng, page) + "=" + number_text(rng))
        elif r < 0.07:
            edits.append(rng.choice(page[3]))  # no "="
        else:
            name = rng.choice(page[3])
            edits.append(name + "=" + field_text(rng, page, name))
    if edits and "--from" in args and rng.random() < 0.05:
        # --from after the edits
        i = args.index("--from")
        args = args[:i] + edits + args[i:]
    else:
        args += edits
    return label, args


def status_payload(rng):
    b = [0xDF, 0xEF] + random_bytes(rng, 29) + [0xDA]

    def word(at):
        r = rng.random()
        if r < 0.2:
            v = 0
        elif r < 0.3:
            v = 0xFFFF
        elif r < 0.6:
            v = 1 << rng.randrange(16)
        elif r < 0.75:
            v = (1 << rng.randrange(16)) | (1 << rng.randrange(16))
        else:
            v = rng.randrange(0x10000)
        b[at], b[at + 1] = v & 0xFF, v >> 8

    word(10)
    word(19)
    r = rng.random()
    b[18] = rng.randint(0, 6) if r < 0.5 else rng.randint(7, 12) if r < 0.7 else rng.randrange(256)
    for at in (9, 17):
        r = rng.random()
        b[at] = (0 if r < 0.15 else 0xFF if r < 0.25 else 1 << rng.randrange(8) if r < 0.55
                 else rng.randrange(256))
    return bytes(b)


def user_text(rng):
    r = rng.random()
    if r < 0.3:
        body = [rng.randint(0x20, 0x7E) for _ in range(28)]
    elif r < 0.5:
        body = [rng.randint(0x80, 0xFF) for _ in range(28)]
    elif r < 0.65:
        body = [rng.choice([0x00, 0x07, 0x09, 0x0A, 0x0D, 0x1B, 0x7F]) for _ in range(28)]
    else:
        body = [rng.choice([rng.randint(0x20, 0x7E), rng.randint(0x80, 0xFF),
                            rng.randint(0x00, 0x1F), 0x7F]) for _ in range(28)]
    if rng.random() < 0.4:  # a shorter name, padded
        n = rng.randint(0, 28)
        body = body[:n] + [rng.choice([0x00, 0x20, 0xFF])] * (28 - n)
    return body


def decode_unit(rng):
    r = rng.random()
    if r < 0.22:
        page = rng.choice(PAGES)
        return "reply " + page[0], reply_of(rng, page)
    if r < 0.44:
        return "status", status_payload(rng)
    if r < 0.5:
        page = rng.choice(PAGES)
        return "ack " + page[0], frame(page[1], WRITE_CODE[page[0]], random_bytes(rng, 29))
    if r < 0.6:
        marker = 0xA2 if rng.random() < 0.9 else rng.randrange(256)
        return "user-info", frame(0xF1, 0xE1, [marker] + user_text(rng))
    if r < 0.68:
        code = rng.choice([0xFC, 0xFA])
        return f"hall FF {code:02X}", frame(0xFF, code, random_bytes(rng, 29))
    if r < 0.76:
        b0, b1 = rng.choice([(0xFF, 0xFE), (0xFF, 0xFD), (0xFF, 0xFB), (0xFF, 0xF9),
                             (0xD0, 0xC0), (0xD0, 0xC1), (0xFA, 0xEA), (0xFA, 0xEB),
                             (0xF1, 0xE2)])
        payload = [0] * 29 if rng.random() < 0.2 else random_bytes(rng, 29)
        if (b0, b1) == (0xF1, 0xE2) and rng.random() < 0.7:
            payload[0] = 0xA2
        return f"notice {b0:02X} {b1:02X}", frame(b0, b1, payload)
    if r < 0.84:
        while True:
            b0, b1 = rng.randrange(256), rng.randrange(256)
            if rng.random() < 0.5:  # near the known codes
                b0 = rng.choice([p[1] for p in PAGES] + [0xFF, 0xDF, 0xF1, 0xD0, 0xFA])
            if (b0, b1) not in KNOWN_CODES:
                break
        return "unknown", frame(b0, b1, random_bytes(rng, 29))
    # broken: any kind of unit with a wrong end byte
    _, unit = decode_unit(rng)
    end = rng.choice([0x00, 0xDB, 0xD9, 0xFF, 0x5A, rng.randrange(256)])
    if end == 0xDA:
        end = 0xDB
    return "broken", unit[:31] + bytes([end])


def malformed_decode(rng):
    unit = bytes(random_bytes(rng, 32))
    r = rng.random()
    if r < 0.25:
        return "malformed 31 bytes", hex_args(rng, unit[:31])
    if r < 0.35:
        return "malformed 33 bytes", hex_args(rng, unit + bytes([0xDA]))
    if r < 0.4:
        return "malformed no bytes", []
    if r < 0.6:
        pieces = [f"{b:02X}" for b in unit]
        i = rng.randrange(32)
        bad = ["G0", "0G", "XX", "0x", "-1", "\u00e91", "1.", " "]
        pieces[i] = rng.choice(bad) if rng.random() < 0.9 else pieces[i] + "0"
        return "malformed bad hex", [" ".join(pieces)]
    if r < 0.75:
        text = "".join(f"{b:02X}" for b in unit)
        cut = rng.randrange(1, len(text))
        return "malformed odd digits", [text[:cut] + " " + text[cut:cut + 1] + " " + text[cut + 1:]]
    if r < 0.85:
        return "malformed options", rng.choice([["--xml"], ["--json", "--json"], ["-j"], ["--"]]) \
            + hex_args(rng, unit)
    return "malformed empty args", ["", *hex_args(rng, unit)] if rng.random() < 0.5 \
        else [*hex_args(rng, unit), ""]


def decode_case(rng):
    if rng.random() < 0.1:
        label, hexes = malformed_decode(rng)
    else:
        label, unit = decode_unit(rng)
        hexes = hex_args(rng, unit)
    json = rng.random() < 0.5
    args = ["decode"] + (["--json"] if json else []) + hexes
    if json and hexes and rng.random() < 0.04:
        args = ["decode"] + hexes + ["--json"]  # option after the bytes
    return "decode" + (" --json " if json else " ") + label, args


OTHER_CASES = [("help", ["--help"]), ("no arguments", []), ("unknown command", ["explain"]),
               ("encode without page", ["encode"])]


def make_cases(n, seed):
    rng = random.Random(seed)
    others = OTHER_CASES[:min(len(OTHER_CASES), n // 100)]
    n_decode = (n - len(others)) // 2
    n_encode = n - len(others) - n_decode
    cases = [("other",) + c for c in others]
    kinds = ["decode"] * n_decode + ["encode"] * n_encode
    rng.shuffle(kinds)
    for kind in kinds:
        cases.append((kind,) + (decode_case(rng) if kind == "decode" else encode_case(rng)))
    return cases


# ---------------------------------------------------------------- running

def run(binary, args, env):
    try:
        p = subprocess.run([binary] + [a.encode() for a in args], env=env, stdin=subprocess.DEVNULL,
                           capture_output=True, timeout=TIMEOUT_S)
        return p.returncode, p.stdout, p.stderr
    except subprocess.TimeoutExpired as e:
        return "timeout", e.stdout or b"", e.stderr or b""


def locale_env(name):
    env = dict(os.environ)
    for k in list(env):
        if k.startswith("LC_") or k in ("LANG", "LANGUAGE"):
            del env[k]
    env["LC_ALL"] = name
    return env


def check_setup(old, env_by_locale):
    """Refuses to compare when a locale does not reach the tool or the page tables above no
    longer match the old binary: either would leave the comparison weaker than it claims."""
    ok = True
    # 0x0001 in the first field of the reference page is shown as 0.01 / 0,01.
    probe = frame(0xF2, 0xE2, [1] + [0] * 28).hex()
    seps = {}
    for loc, env in env_by_locale.items():
        rc, out, err = run(old, ["decode", probe], env)
        line = next((l for l in out.decode(errors="replace").splitlines()
                     if l.startswith("txtVoltageH=")), "")
        seps[loc] = line[len("txtVoltageH=") + 1:][:1] if line else None
    if seps.get("C") != "." or seps.get("de_DE.UTF-8") != ",":
        print(f"locale setup: decimal separators seen {seps}, expected C '.' and de_DE ','",
              file=sys.stderr)
        ok = False
    for name, group, reads, fields, _ in PAGES:
        for code in reads:
            rc, out, _ = run(old, ["decode", frame(group, code, [0] * 29).hex()],
                             env_by_locale["C"])
            lines = out.decode(errors="replace").splitlines()
            got = [l.split("=", 1)[0] for l in lines[2:]]
            if rc != 0 or lines[:2] != ["kind=parameter-reply", f"page={name}"] or got != fields:
                print(f"page table of '{name}' ({group:02X} {code:02X}) does not match the old "
                      f"binary: {lines[:2]} {got}", file=sys.stderr)
                ok = False
        rc, out, _ = run(old, ["decode", frame(group, WRITE_CODE[name], [0] * 29).hex()],
                         env_by_locale["C"])
        if f"page={name}" not in out.decode(errors="replace").splitlines():
            print(f"write code {WRITE_CODE[name]:02X} of '{name}' is not acknowledged as that page",
                  file=sys.stderr)
            ok = False
    return ok


def show(text, limit=60):
    lines = text.decode("utf-8", errors="backslashreplace").splitlines(keepends=True)
    body = "".join("    | " + l.rstrip("\n").replace("\r", "\\r") + "\n" for l in lines[:limit])
    if len(lines) > limit:
        body += f"    | ... {len(lines) - limit} more lines\n"
    if text and not text.endswith(b"\n"):
        body += "    (no newline at end)\n"
    return body or "    (empty)\n"


def report(index, case, loc, a, b):
    _, label, args = case
    cmd = " ".join(shlex.quote(x) for x in args)
    print(f"--- case {index} [{label}] LC_ALL={loc}")
    print(f"    command: LC_ALL={loc} {{OLD,NEW}} {cmd}")
    if a[0] != b[0]:
        print(f"    exit status: old {a[0]}, new {b[0]}")
    for i, stream in ((1, "stdout"), (2, "stderr")):
        if a[i] == b[i]:
            continue
        la, lb = a[i].splitlines(), b[i].splitlines()
        first = next((n for n, (x, y) in enumerate(zip(la, lb)) if x != y), min(len(la), len(lb)))
        print(f"    {stream} differs from line {first + 1}")
        print(f"  old {stream}:")
        sys.stdout.write(show(a[i]))
        print(f"  new {stream}:")
        sys.stdout.write(show(b[i]))
        diff = list(difflib.unified_diff(
            [l.decode("utf-8", errors="backslashreplace") for l in la],
            [l.decode("utf-8", errors="backslashreplace") for l in lb],
            "old", "new", n=1, lineterm=""))
        if diff:
            print("  diff:")
            for l in diff[:40]:
                print("    " + l)
    sys.stdout.flush()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("old_cli")
    ap.add_argument("new_cli")
    ap.add_argument("--cases", type=int, default=4000)
    ap.add_argument("--seed", type=int, default=20261208)
    ap.add_argument("--jobs", type=int, default=1,
                    help="cases run at once (default 1: the machine is usually building)")
    opts = ap.parse_args()
    for path in (opts.old_cli, opts.new_cli):
        if not (os.path.isfile(path) and os.access(path, os.X_OK)):
            ap.error(f"not an executable file: {path}")
    if opts.cases < 1 or opts.jobs < 1:
        ap.error("--cases and --jobs must be at least 1")
    old, new = os.path.abspath(opts.old_cli), os.path.abspath(opts.new_cli)

    envs = {loc: locale_env(loc) for loc in LOCALES}
    if not check_setup(old, envs):
        print("setup check failed, nothing compared", file=sys.stderr)
        return 2

    cases = make_cases(opts.cases, opts.seed)
    counts = {}
    for kind, _, _ in cases:
        counts[kind] = counts.get(kind, 0) + 1
    breakdown = ", ".join(f"{k} {counts[k]}" for k in ("decode", "encode", "other") if k in counts)

    total_diffs = 0
    for loc in LOCALES:
        env = envs[loc]
        diffs = 0
        started = time.monotonic()
        with concurrent.futures.ThreadPoolExecutor(opts.jobs) as pool:
            results = pool.map(lambda c: (run(old, c[2], env), run(new, c[2], env)), cases)
            for i, (case, (a, b)) in enumerate(zip(cases, results), 1):
                if a == b:
                    continue
                diffs += 1
                if diffs <= SHOWN_PER_LOCALE:
                    report(i, case, loc, a, b)
        took = time.monotonic() - started
        if diffs > SHOWN_PER_LOCALE:
            print(f"... {diffs - SHOWN_PER_LOCALE} more differences under LC_ALL={loc} not shown")
        line = (f"LC_ALL={loc}: compared {len(cases)} cases ({breakdown}): "
                f"{diffs} difference{'' if diffs == 1 else 's'} ({took:.1f} s)")
        print(line, flush=True)
        total_diffs += diffs
    return 1 if total_diffs else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the installation data we ship: data/configData/general.csv and the device description
files in data/csv_file. Run by hand after changing this script or texts.py; the output is committed.

    python3 tools/datagen/gen_devicefiles.py            # writes into data/
    python3 tools/datagen/gen_devicefiles.py --out DIR  # writes into DIR/configData and DIR/csv_file

The output is deterministic: the same script always writes the same bytes.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from texts import ENUMS, LANGUAGE_NAMES, LANGUAGES, NO_YES, OFF_ON, OFF_TEXT, OFF_TRIP_WARN, SOURCES, T, TRIPS, same  # noqa: E402

HEADING = ("Nr;Menu;Level;Kind;Access;Modbus;Min;Max;Set A;Set B;Set C;Set D;Scale;Unit;NoCompare;RW;"
           "NegTexts;Step;Role;DataType;Decimals;Res21;Res22;Res23;StrLen;OneSet;Nominal")

# Register map (see data/README.md).
SET_OFFSETS = (0, 1000, 2000, 3000)
TOP_MENU_BASE = {1: 40001, 2: 40101, 3: 40301, 4: 40501, 5: 40651, 6: 40751}
TOP_MENU_END = {1: 40100, 2: 40300, 3: 40500, 4: 40650, 5: 40750, 6: 40999}
VIEW_BASE = 44001      # menu 7, read-only actual values
TRIPLOG_BASE = 44101   # menu 8, 20 registers per trip
RESET_TRIPS_REG = 44321
SYSTEM_BASE = 44401    # menu 9
REF_REGISTER = 44501   # reference value written by the control panel


def text_of(key):
    return T[key] if isinstance(key, str) else key


def join(*parts):
    """Joins texts word by word, per language: a part is a key of T, a language tuple, or a literal."""
    resolved = [T.get(p, same(p)) if isinstance(p, str) else p for p in parts]
    return tuple(" ".join(p[i] for p in resolved) for i in range(len(LANGUAGES)))


class Table:
    """Builds the parameter table rows of one device description file."""

    def __init__(self):
        self.rows = []            # (definition fields, texts, value texts)
        self.counter = 0
        self.next_reg = dict(TOP_MENU_BASE)
        self.top = 0
        self.oneset_default = "Y"
        self.used = {}            # register -> menu number, to prove nothing collides

    def _claim(self, reg, menu, oneset, count=1):
        offsets = (0,) if oneset == "Y" else SET_OFFSETS
        for off in offsets:
            for k in range(count):
                r = reg + off + k
                assert 40001 <= r <= 49999, (menu, r)
                assert r not in self.used, "register %d of %s already used by %s" % (r, menu, self.used.get(r))
                self.used[r] = menu

    def comment(self, text):
        self.rows.append((["/ " + text], None, None))

    def menu(self, number, level, key, oneset=None):
        if level == 1:
            self.top = int(number)
        if oneset is not None:
            self.oneset_default = oneset
        self.counter += 1
        fields = [str(self.counter), number, str(level), "M", "1", "x"] + [""] * 20
        assert len(fields) == 26  # menus carry exactly 26 fields: field 26 counts as empty
        self.rows.append((fields, text_of(key), None))

    def param(self, number, level, key, values=None, unit="", mn="0", mx="", dflt="0", dtype="U_Int", scale="",
              dec="", role="", access="1", oneset=None, nocmp="N", neg=False, strlen="", nominal="", reg=None,
              regcount=1):
        oneset = oneset or self.oneset_default
        if dtype.startswith("T") and regcount == 1:
            regcount = 3  # time and date values travel as three words (hours, minutes, seconds)
        if dtype.startswith("T") and not strlen:
            strlen = str(regcount)  # said in the file, not left to the registers that follow
        if reg is None:
            reg = self.next_reg[self.top]
            self.next_reg[self.top] += max(1, regcount)
            assert reg + regcount - 1 <= TOP_MENU_END[self.top], "menu %d overflows its registers" % self.top
        self._claim(reg, number, oneset, max(1, regcount))
        kind = "0"
        if values:
            kind = str(len(values))
            if not neg:
                mx = mx or str(len(values) - 1)
            else:
                mn = "-2"
        defaults = dflt if isinstance(dflt, (list, tuple)) else [dflt] * 4
        self._check_value(number, dtype, mn, mx, defaults, values, neg)
        self.counter += 1
        fields = [str(self.counter), number, str(level), kind, access, str(reg), mn, mx] + list(defaults) + [
            scale, unit, nocmp, "R" if access == "0" else "RW", "N" if neg else "", "", role, dtype, dec,
            "", "", "", strlen, oneset, nominal]
        assert len(fields) == 27
        self.rows.append((fields, text_of(key), values))

    def view(self, number, level, key, reg, **kw):
        """A read-only actual value: one value for all sets, left out of comparisons."""
        kw.setdefault("mx", "")
        self.param(number, level, key, reg=reg, access="0", oneset="Y", nocmp="Y", **kw)

    @staticmethod
    def _check_value(number, dtype, mn, mx, defaults, values, neg):
        if dtype.startswith("T") or dtype == "" or mx == "":
            return
        lo, hi = float(mn), float(mx)
        assert lo <= hi, number
        for d in defaults:
            if d != "":
                assert lo <= float(d) <= hi, (number, d, mn, mx)

    def lines(self):
        out = ["[PARAMETER SETS]", HEADING]
        for fields, texts, values in self.rows:
            out.append(";".join(fields))
            if texts is None:
                continue
            for i, lang in enumerate(LANGUAGES):
                row = ["*" + lang, texts[i]]
                if values:
                    row += [v[i] for v in values]
                out.append(";".join(row))
        out.append("[PARAMETER SETS]END")
        return out

    def parameter_count(self):
        return sum(1 for f, t, v in self.rows if t is not None and f[3] != "M")


def build_table(model):
    """The parameter table of a model ("RVN" or "KTZ") in a feature set given by the version."""
    rvn = model["name"] == "RVN"
    feat = model["features"]
    nom = model["sizes"][0]
    inom = nom[2].replace(",", ".")
    pnom = nom[3]
    t = Table()

    t.comment("Start menu")
    t.menu("1", 1, "start", oneset="Y")
    t.param("110", 2, "line1", ENUMS["cavalue"][:10], dflt="1")
    t.param("120", 2, "line2", ENUMS["cavalue"][:10], dflt="5")

    t.comment("Main setup")
    t.menu("2", 1, "main", oneset="Y")
    t.menu("21", 2, "operation")
    t.param("211", 3, "language", LANGUAGE_NAMES, nocmp="Y")
    t.param("212", 3, "selmotor", ENUMS["motors"])
    t.param("213", 3, "drivemode", ENUMS["drivemode"], dflt="1")
    t.param("214", 3, "refctrl", SOURCES, dflt="0")
    t.param("215", 3, "runctrl", SOURCES, dflt="0")
    t.param("216", 3, "resetctrl", SOURCES, dflt="0")
    t.param("217", 3, "localrem", ENUMS["localrem"], dflt="1")
    t.param("218", 3, "lockcode", mx="9999", nocmp="Y")
    t.param("219", 3, "rotation", ENUMS["rotation"])

    t.menu("22", 2, "motordata", oneset="N")
    t.param("221", 3, "mpower", unit="kW", mn="0.1", mx="", dflt=pnom, dec="2", nominal="Pnom")
    t.param("222", 3, "mfreq", unit="Hz", mn="24", mx="300", dflt="50", role="Gen_Poles_Freq")
    t.param("223", 3, "mvolt", unit="V", mn="100", mx="700" if rvn else "480", dflt="400")
    t.param("224", 3, "mcurr", unit="A", mn="0.1", mx="", dflt=inom, dec="1", nominal="Inom")
    t.param("225", 3, "mspeed", unit="rpm", mn="50", mx="18000", dflt="1450", role="Gen_Poles_Speed")
    t.param("226", 3, "mpoles", unit="", mn="2", mx="144", dflt="4", role="Poles")
    t.param("227", 3, "mcos", unit="", mn="0.50", mx="1.00", dflt="0.86", scale="100", dec="2")
    t.param("228", 3, "mvent", ENUMS["vent"], dflt="1")
    t.param("229", 3, "mident", ENUMS["ident"], nocmp="Y")
    t.param("22A", 3, "msound", ENUMS["sound"], dflt="1")
    t.param("22B", 3, "encoder", OFF_ON)
    t.param("22C", 3, "encpulses", unit="", mn="5", mx="16384", dflt="1024")
    if feat.get("encspeed"):
        t.view("22D", 3, "encspeed", reg=VIEW_BASE + 40, unit="rpm", dtype="S_Int", mn="-32767", mx="32767")

    t.menu("23", 2, "mprot")
    t.param("231", 3, "i2ttype", OFF_TRIP_WARN, dflt="1")
    t.param("232", 3, "i2tcurr", unit="%", mn="0", mx="150", dflt="100")
    t.param("233", 3, "i2ttime", unit="s", mn="60", mx="1200", dflt="60")
    t.param("234", 3, "thermprot", ENUMS["thermprot"])
    t.param("235", 3, "mclass", ENUMS["mclass"], dflt="3")
    t.param("236", 3, "pt100in", ENUMS["pt100in"])
    t.param("237", 3, "mptc", OFF_ON)

    t.menu("24", 2, "psets", oneset="Y")
    t.param("241", 3, "selset", ENUMS["selset"])
    t.param("242", 3, "copyset", ENUMS["copyset"], nocmp="Y")
    t.param("243", 3, "defset", ENUMS["defset"], nocmp="Y")
    t.param("244", 3, "copycp", ENUMS["copycp"], nocmp="Y")
    t.param("245", 3, "loadcp", ENUMS["copycp"], nocmp="Y")

    t.menu("25", 2, "autoreset")
    t.param("251", 3, "ntrips", mx="10")
    for i, trip in enumerate(TRIPS[1:15]):
        number = "25" + "23456789ABCDEF"[i]
        if trip[0] in ("Motor lost", "Locked rotor", "Ext trip"):
            # 0 off, -1 trip at once, -2 only a warning, positive: seconds before the reset
            t.param(number, 3, trip, OFF_TRIP_WARN, neg=True, mx="3600", unit="s")
        else:
            t.param(number, 3, trip, OFF_TEXT, mx="3600", unit="s")

    t.menu("26", 2, "comm")
    t.param("261", 3, "comtype", ENUMS["comtype"])
    t.menu("262", 3, "rtu")
    t.param("2621", 4, "baud", ENUMS["baud"], dflt="2")
    t.param("2622", 4, "address", mn="1", mx="247", dflt="1")
    t.param("2623", 4, "parity", ENUMS["parity"])
    t.param("2624", 4, "timeout", unit="s", mn="0", mx="3600", dflt="0")
    if feat.get("fieldbus"):
        t.menu("263", 3, "fieldbus")
        t.param("2631", 4, "address", mn="0", mx="126", dflt="62")
        t.param("2632", 4, "pdmode", ENUMS["pdmode"], dflt="1")
        t.param("2633", 4, "readwrite", ENUMS["readwrite"])
        t.param("2634", 4, "addvalues", mx="8")
    t.menu("264", 3, "commfault")
    t.param("2641", 4, "cfmode", ENUMS["cfmode"])
    t.param("2642", 4, "cftime", unit="s", mn="0.1", mx="15", dflt="0.5", dec="1")
    if feat.get("ethernet"):
        t.menu("265", 3, "ethernet")
        t.param("2651", 4, "ipaddr", dtype="", mn="", mx="", dflt="192.168.1.27", role="String", strlen="15",
                regcount=15)
        t.view("2652", 4, "mac", reg=SYSTEM_BASE + 60, dtype="", mn="", dflt="00:1A:7D:00:00:00", role="String",
               strlen="17", regcount=17)
        t.param("2653", 4, "subnet", dtype="", mn="", mx="", dflt="255.255.255.0", role="String", strlen="15",
                regcount=15)
        t.param("2654", 4, "gateway", dtype="", mn="", mx="", dflt="192.168.1.1", role="String", strlen="15",
                regcount=15)
        if feat.get("dhcp"):
            t.param("2655", 4, "dhcp", OFF_ON)

    t.comment("Process and application parameters")
    t.menu("3", 1, "proc", oneset="N")
    # The first entry of this menu is what the status view shows of it.
    t.param("310", 2, "setref", unit="%", mn="0", mx="100", dflt="0", oneset="Y", nocmp="Y")
    t.menu("32", 2, "startstop")
    t.param("321", 3, "acctime", unit="s", mn="0.50", mx="3600", dflt="10", dec="2")
    t.param("322", 3, "accmotpot", unit="s", mn="0.50", mx="3600", dflt="16", dec="2")
    t.param("323", 3, "accmin", unit="s", mn="0.50", mx="3600", dflt="10", dec="2")
    t.param("324", 3, "accramp", ENUMS["ramp"])
    t.param("325", 3, "dectime", unit="s", mn="0.50", mx="3600", dflt="10", dec="2")
    t.param("326", 3, "decmotpot", unit="s", mn="0.50", mx="3600", dflt="16", dec="2")
    t.param("327", 3, "decmin", unit="s", mn="0.50", mx="3600", dflt="10", dec="2")
    t.param("328", 3, "decramp", ENUMS["ramp"])
    t.param("329", 3, "startmode", ENUMS["startmode"], dflt="1")
    t.param("32A", 3, "startpwr", OFF_ON)
    t.param("32B", 3, "stopmode", ENUMS["stopmode"])
    t.param("32C", 3, "spinstart", OFF_ON)

    t.menu("33", 2, "speeds")
    t.param("331", 3, "minspeed", unit="rpm", mn="0", mx="18000", dflt="0")
    t.param("332", 3, "sleep", OFF_TEXT, unit="s", mx="3600")
    t.param("333", 3, "maxspeed", unit="rpm", mn="0", mx="18000", dflt="1500")
    t.param("334", 3, "minspdmode", ENUMS["minspdmode"])
    t.param("335", 3, "skip1lo", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")
    t.param("336", 3, "skip1hi", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")
    t.param("337", 3, "skip2lo", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")
    t.param("338", 3, "skip2hi", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")
    t.param("339", 3, "jogspeed", unit="rpm", mn="-18000", mx="18000", dflt="50", dtype="S_Int")
    t.param("33A", 3, "motpotmode", ENUMS["motpotmode"])
    t.param("33B", 3, "kbdrefmode", ENUMS["motpotmode"])
    t.param("33C", 3, "spdfilter", unit="ms", mn="0", mx="1000", dflt="100")
    t.param("33D", 3, "maxspeed2", unit="rpm", mn="0", mx="18000", dflt="1500")
    t.param("33E", 3, "jogacc", unit="s", mn="0.50", mx="3600", dflt="5", dec="2")
    t.param("33F", 3, "ovspeed", unit="%", mn="100", mx="200", dflt="120")
    t.param("33G", 3, "minrev", unit="rpm", mn="-18000", mx="0", dflt="0", dtype="S_Int")
    t.param("33H", 3, "spdp", unit="", mn="0.0", mx="30.0", dflt="10.0", scale="10", dec="1")
    t.param("33I", 3, "spdi", unit="s", mn="0.01", mx="10", dflt="0.5", dec="2")

    t.menu("34", 2, "torques")
    t.param("341", 3, "maxtorque", unit="%", mn="0", mx="400", dflt="120")
    t.param("342", 3, "mintorque", unit="%", mn="-400", mx="0", dflt="0", dtype="S_Int")
    t.param("343", 3, "tqlimit", ENUMS["tqlimit"])
    t.param("344", 3, "tqlimval", unit="%", mn="0", mx="400", dflt="120")
    t.param("345", 3, "tqlimset", ENUMS["motors"])
    t.param("346", 3, "tqfilter", unit="ms", mn="0", mx="1000", dflt="10")
    t.param("347", 3, "mottorque", unit="%", mn="0", mx="400", dflt="120")
    t.param("348", 3, "gentorque", unit="%", mn="-400", mx="0", dflt="-120", dtype="S_Int")
    t.param("349", 3, "tqrefsrc", ENUMS["tqrefsrc"])

    t.menu("35", 2, "controllers")
    t.param("351", 3, "fluxopt", OFF_ON)
    t.param("352", 3, "pid", ENUMS["pid"])
    t.param("353", 3, "pidp", unit="", mn="0.0", mx="30.0", dflt="1.0", scale="10", dec="1")
    t.param("354", 3, "pidi", unit="s", mn="0.01", mx="300", dflt="1", dec="2")
    t.param("355", 3, "pidd", unit="s", mn="0", mx="30", dflt="0", dec="2")

    t.menu("36", 2, "limits")
    t.param("361", 3, "lvoverride", OFF_ON)
    t.param("362", 3, "rotorlock", OFF_ON)
    t.param("363", 3, "motorlost", OFF_TRIP_WARN)
    t.param("364", 3, "ovldcurr", unit="%", mn="0", mx="250", dflt="150")
    t.param("365", 3, "phaseloss", ENUMS["phaseloss"])
    t.param("366", 3, "currlim", OFF_ON)
    t.param("367", 3, "currlimval", unit="A", mn="0.1", mx="2000", dflt=inom, dec="1")
    t.param("368", 3, "ovctrl", OFF_ON, dflt="1")
    t.param("369", 3, "maxfreq", unit="Hz", mn="24", mx="400", dflt="100")

    t.menu("38", 2, "presets")
    for i in range(1, 8):
        t.param("38%d" % i, 3, join("presetref", str(i)), unit="rpm", mn="-18000", mx="18000",
                dflt=str(150 * i), dtype="S_Int")
    t.param("388", 3, "kbdref", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")

    t.menu("39", 2, "monitor")
    t.param("391", 3, "alarmsel", ENUMS["alarmsel"])
    t.param("392", 3, "rampalarm", OFF_ON)
    t.param("393", 3, "alstartdel", unit="s", mn="0", mx="3600", dflt="2")
    t.param("394", 3, "alrespdel", unit="s", mn="0", mx="90", dflt="0.1", dec="1")
    t.param("395", 3, "autoset", NO_YES, nocmp="Y")
    t.param("396", 3, "maxmargin", unit="%", mn="0", mx="400", dflt="15")
    t.param("397", 3, "maxdelay", unit="s", mn="0", mx="90", dflt="0.1", dec="1")
    t.param("398", 3, "maxprem", unit="%", mn="0", mx="400", dflt="10")
    t.param("399", 3, "maxpred", unit="s", mn="0", mx="90", dflt="0.1", dec="1")
    t.param("39A", 3, "minprem", unit="%", mn="0", mx="400", dflt="10")
    t.param("39B", 3, "minpred", unit="s", mn="0", mx="90", dflt="0.1", dec="1")
    t.param("39C", 3, "minmargin", unit="%", mn="0", mx="400", dflt="15")
    t.param("39D", 3, "mindelay", unit="s", mn="0", mx="90", dflt="0.1", dec="1")
    t.param("39E", 3, "normload", unit="%", mn="0", mx="400", dflt="100")
    t.param("39F", 3, "lcminspd", unit="%", mn="0", mx="400", dflt="100")
    for i, letter in enumerate("GHIJKLM", start=1):
        t.param("39" + letter, 3, join("loadcurve", str(i)), unit="%", mn="0", mx="400", dflt="100")
    t.param("39N", 3, "lcmaxspd", unit="%", mn="0", mx="400", dflt="100")

    t.comment("Inputs and outputs")
    t.menu("4", 1, "ios", oneset="Y")
    t.menu("41", 2, "anin")
    for n in range(1, feat["anin"] + 1):
        t.menu("41%d" % n, 3, join("anin_n", str(n)))
        t.param("41%d1" % n, 4, join("anin_n", str(n), "function"), ENUMS["aninfunc"], dflt="1" if n == 1 else "0")
        t.param("41%d2" % n, 4, join("anin_n", str(n), "setup"), ENUMS["ainsetup"], dflt="3")
        t.param("41%d3" % n, 4, join("anin_n", str(n), "min"), unit="%", mn="-100", mx="100", dflt="0",
                dtype="S_Int")
        t.param("41%d4" % n, 4, join("anin_n", str(n), "max"), unit="%", mn="-100", mx="100", dflt="100",
                dtype="S_Int")
        t.param("41%d5" % n, 4, join("anin_n", str(n), "filter"), unit="s", mn="0.001", mx="10", dflt="0.1",
                dec="3")
        t.param("41%d6" % n, 4, join("anin_n", str(n), "offset"), unit="%", mn="-100", mx="100", dflt="0",
                dtype="S_Int")
    t.menu("42", 2, "digin")
    for n in range(1, feat["digin"] + 1):
        t.param("42%d" % n, 3, join("digin_n", str(n)), ENUMS["diginfunc"], dflt=str(min(n, 5)))
    t.param("42" + "9A"[0 if feat["digin"] < 9 else 1], 3, "diginfilter", unit="ms", mn="0", mx="100", dflt="8")
    t.menu("43", 2, "anout")
    for n in range(1, feat["anout"] + 1):
        t.menu("43%d" % n, 3, join("anout_n", str(n)))
        t.param("43%d1" % n, 4, join("anout_n", str(n), "function"), ENUMS["cavalue"][:10], dflt=str(n))
        t.param("43%d2" % n, 4, join("anout_n", str(n), "setup"), ENUMS["aoutsetup"], dflt="2")
        t.param("43%d3" % n, 4, join("anout_n", str(n), "min"), unit="%", mn="-100", mx="100", dflt="0",
                dtype="S_Int")
        t.param("43%d4" % n, 4, join("anout_n", str(n), "max"), unit="%", mn="-100", mx="100", dflt="100",
                dtype="S_Int")
    t.menu("44", 2, "digout")
    for n in range(1, feat["digout"] + 1):
        t.param("44%d" % n, 3, join("digout_n", str(n)), ENUMS["outfunc"], dflt=str(n))
    t.menu("45", 2, "relays")
    for n in range(1, feat["relays"] + 1):
        t.param("45%d" % n, 3, join("relay_n", str(n)), ENUMS["outfunc"], dflt=str(2 + n))
    t.menu("45%d" % (feat["relays"] + 1), 3, "reladv")
    for n in range(1, feat["relays"] + 1):
        base = "45%d" % (feat["relays"] + 1)
        t.param(base + str(3 * n - 2), 4, join("relay_n", str(n), "mode"), ENUMS["relmode"])
        t.param(base + str(3 * n - 1), 4, join("relay_n", str(n), "ondelay"), unit="s", mn="0", mx="3600",
                dflt="0", dec="2")
        t.param(base + str(3 * n), 4, join("relay_n", str(n), "offdelay"), unit="s", mn="0", mx="3600",
                dflt="0", dec="2")

    t.comment("Process display, pump control, brake")
    t.menu("5", 1, "disp", oneset="Y")
    t.menu("51", 2, "procset")
    t.param("511", 3, "procsrc", ENUMS["procsrc"])
    t.param("512", 3, "procunit", ENUMS["procunit"], dflt="1")
    t.param("513", 3, "userunit", dtype="", mn="", mx="", dflt="", role="String", strlen="6", regcount=6)
    t.param("514", 3, "procmin", unit="", mn="-10000", mx="10000", dflt="0", dtype="S_Int")
    t.param("515", 3, "procmax", unit="", mn="-10000", mx="10000", dflt="100", dtype="S_Int")
    t.param("516", 3, "ratio", ENUMS["ratio"])
    t.param("517", 3, "fvalmin", unit="rpm", mn="0", mx="18000", dflt="0")
    t.param("518", 3, "fvalmax", unit="rpm", mn="0", mx="18000", dflt="1500")
    if feat.get("pump"):
        t.menu("52", 2, "pump")
        t.param("521", 3, "pumpctrl", OFF_ON)
        t.param("522", 3, "ndrives", mn="1", mx="6", dflt="2")
        t.param("523", 3, "seldrive", ENUMS["changecond"])
        t.param("524", 3, "changecond", ENUMS["changecond"], dflt="2")
        t.param("525", 3, "changetimer", unit="h", mn="1", mx="3000", dflt="50")
        t.param("526", 3, "drvonchange", mn="0", mx="6", dflt="0")
        t.param("527", 3, "upperband", unit="%", mn="0", mx="100", dflt="10")
        t.param("528", 3, "lowerband", unit="%", mn="0", mx="100", dflt="10")
        t.param("529", 3, "upperlimit", unit="%", mn="0", mx="100", dflt="0")
        t.param("52A", 3, "lowerlimit", unit="%", mn="0", mx="100", dflt="0")
        t.param("52B", 3, "settlestart", unit="s", mn="0", mx="999", dflt="0")
        t.param("52C", 3, "transstart", unit="%", mn="0", mx="100", dflt="60")
        t.param("52D", 3, "settlestop", unit="s", mn="0", mx="999", dflt="0")
        t.param("52E", 3, "transstop", unit="%", mn="0", mx="100", dflt="60")
    if feat.get("brake"):
        t.menu("53", 2, "brake")
        t.param("531", 3, "brkrelease", unit="s", mn="0", mx="3", dflt="0", dec="2")
        t.param("532", 3, "brkengage", unit="s", mn="0", mx="3", dflt="0", dec="2")
        t.param("533", 3, "brkspeed", unit="rpm", mn="-18000", mx="18000", dflt="0", dtype="S_Int")
        t.param("534", 3, "brkwait", unit="s", mn="0", mx="30", dflt="0", dec="2")
        t.param("535", 3, "brkfault", unit="s", mn="0", mx="5", dflt="1", dec="2")

    t.comment("Logical functions and timers")
    t.menu("6", 1, "logic", oneset="N")
    t.menu("61", 2, "comparators")
    # 61x1 selects what comparator x watches; its levels 61x2 and 61x3 take their limits from it.
    for n in range(1, 5):
        ca = "CA%d" % n
        t.menu("61%d" % n, 3, join(ca, "ca_setup"))
        t.param("61%d1" % n, 4, join(ca, "cavalue"), ENUMS["cavalue"], dflt=str(n))
        t.param("61%d2" % n, 4, join(ca, "calevelhi"), mn="-10000", mx="10000", dflt="300", dtype="S_Int")
        t.param("61%d3" % n, 4, join(ca, "calevello"), mn="-10000", mx="10000", dflt="200", dtype="S_Int")
        t.param("61%d4" % n, 4, join(ca, "catype"), ENUMS["catype"])
        t.param("61%d5" % n, 4, join(ca, "capolarity"), ENUMS["capolarity"])
    t.menu("615", 3, "cdsetup")
    for n in range(1, 5):
        t.param("615%d" % n, 4, join("CD%d" % n), ENUMS["cdfunc"], dflt=str(n - 1))
    for letter, key, top in (("Y", "logicy", "62"), ("Z", "logicz", "63")):
        t.menu(top, 2, key)
        for i in range(1, 6):
            if i % 2:
                t.param(top + str(i), 3, join(letter, "comp", str((i + 1) // 2)), ENUMS["logiccomp"])
            else:
                t.param(top + str(i), 3, join(letter, "operator", str(i // 2)), ENUMS["logicop"])
    for n, top in ((1, "64"), (2, "65")):
        timer = join("timer", str(n))
        t.menu(top, 2, timer)
        t.param(top + "1", 3, join(timer, "trig"), ENUMS["logiccomp"])
        t.param(top + "2", 3, join(timer, "mode"), ENUMS["timermode"])
        t.param(top + "3", 3, join(timer, "delay"), dtype="T", mn="0:00:00", mx="9:59:59", dflt="0:00:00")
        t.param(top + "4", 3, join(timer, "T1"), dtype="T", mn="0:00:00", mx="9:59:59", dflt="0:00:00")
        t.param(top + "5", 3, join(timer, "T2"), dtype="T", mn="0:00:00", mx="9:59:59", dflt="0:00:00")
        t.view(top + "6", 3, join(timer, "value"), reg=VIEW_BASE + 50 + 3 * n, dtype="T", mn="0:00:00",
               dflt="0:00:00")

    t.comment("Actual values: the status view shows this menu")
    t.menu("7", 1, "view", oneset="Y")
    t.menu("71", 2, "opvalues")
    reg = VIEW_BASE
    for number, key, unit, dtype in (("711", "procval", "%", "S_Int"), ("712", "speed", "rpm", "S_Int"),
                                     ("713", "torque", "Nm", "S_Int"), ("714", "shaftpwr", "kW", "S_Int"),
                                     ("715", "elpwr", "kW", "S_Int"), ("716", "current", "A", "U_Int"),
                                     ("717", "outvolt", "V", "U_Int"), ("718", "frequency", "Hz", "U_Int"),
                                     ("719", "dclink", "V", "U_Int"), ("71A", "heatsink", "°C", "S_Int"),
                                     ("71B", "pt100val", "°C", "S_Int")):
        t.view(number, 3, key, reg=reg, unit=unit, dtype=dtype, mn="-32767" if dtype == "S_Int" else "0",
               mx="32767", dec="1" if unit in ("A", "Hz", "kW") else "")
        reg += 1
    t.menu("72", 2, "status")
    t.view("721", 3, "drvstatus", values=ENUMS["drvstatus"], reg=VIEW_BASE + 20)
    t.view("722", 3, "warning", values=ENUMS["warning"], reg=VIEW_BASE + 21)
    t.view("723", 3, "dinstatus", reg=VIEW_BASE + 22, mx="255")
    t.view("724", 3, "doutstatus", reg=VIEW_BASE + 23, mx="255")
    t.view("725", 3, "ain12", reg=VIEW_BASE + 24, unit="%", dtype="S_Int", mn="-100", mx="100")
    t.view("726", 3, "ain34", reg=VIEW_BASE + 25, unit="%", dtype="S_Int", mn="-100", mx="100")
    t.view("727", 3, "aout12", reg=VIEW_BASE + 26, unit="%", dtype="S_Int", mn="-100", mx="100")
    t.view("728", 3, "ioboard", reg=VIEW_BASE + 27, mx="255")
    t.menu("73", 2, "stored")
    t.view("731", 3, "runtime", reg=VIEW_BASE + 30, dtype="T", mn="0:00:00", dflt="0:00:00")
    t.view("732", 3, "mainstime", reg=VIEW_BASE + 33, dtype="T", mn="0:00:00", dflt="0:00:00")
    t.view("733", 3, "energy", reg=VIEW_BASE + 36, unit="kWh", mx="32767")
    t.param("734", 3, "resetenergy", NO_YES, reg=VIEW_BASE + 37, oneset="Y", nocmp="Y")

    t.comment("Trip log: the fault logger shows this menu")
    t.menu("8", 1, "triplog", oneset="Y")
    t.menu("81", 2, "triplist")
    trips = model["trips"]
    for n in range(1, 11):
        group = "81" + "123456789A"[n - 1]
        base = TRIPLOG_BASE + 20 * (n - 1)
        t.menu(group, 3, join("trip", str(n)))
        t.view(group + "1", 4, "tripmsg", values=trips, reg=base)
        t.view(group + "2", 4, "tripdate", reg=base + 1, dtype="T_YYMMDD", mn="00:01:01", dflt="00:01:01")
        t.view(group + "3", 4, "triptime", reg=base + 4, dtype="T_HHMMSST", mn="00:00:00", dflt="00:00:00")
        for k, (key, unit, dtype) in enumerate((("procval", "%", "S_Int"), ("speed", "rpm", "S_Int"),
                                                ("torque", "Nm", "S_Int"), ("shaftpwr", "kW", "S_Int"),
                                                ("current", "A", "U_Int"), ("outvolt", "V", "U_Int"),
                                                ("frequency", "Hz", "U_Int"), ("dclink", "V", "U_Int"),
                                                ("heatsink", "°C", "S_Int"))):
            t.view(group + "456789ABC"[k], 4, key, reg=base + 7 + k, unit=unit, dtype=dtype,
                   mn="-32767" if dtype == "S_Int" else "0", mx="32767")
        t.view(group + "D", 4, "runtime", reg=base + 16, dtype="T", mn="0:00:00", dflt="0:00:00")
    t.param("82", 2, "resettrips", NO_YES, reg=RESET_TRIPS_REG, oneset="Y", nocmp="Y")

    t.comment("System data")
    t.menu("9", 1, "system", oneset="Y")
    t.menu("92", 2, "drivedata")
    t.view("921", 3, "drivetype", reg=SYSTEM_BASE, dtype="", mn="", dflt=model["name"], role="String",
           strlen="8", regcount=8)
    t.view("922", 3, "software", reg=SYSTEM_BASE + 10, dtype="", mn="", dflt=model["version"], role="String",
           strlen="10", regcount=10)
    # The unit name: the only text parameter of 12 characters.
    t.param("923", 3, "unitname", reg=SYSTEM_BASE + 20, dtype="", mn="", mx="", dflt="", role="String",
            strlen="12", regcount=12, nocmp="Y")
    return t


def sizes_lines(model):
    out = ["[SIZE ADDRESS]", "1;%d" % model["size_address"], "[SIZE ADDRESS]END",
           "[SIZES]", "/ Code;Drive size;INOM (A, decimal comma);PNOM (kW)"]
    out += ["%d;%s;%s;%s" % row for row in model["sizes"]]
    out.append("[SIZES]END")
    return out


def trip_lines(model):
    return ["[TRIP MESSAGES]"] + ["%d;%s" % (i, text[0]) for i, text in enumerate(model["trips"])] + [
        "[TRIP MESSAGES]END"]


def record_lines(model):
    out = ["[RECORD VALUES]"]
    out += ["*%s;%s" % (lang, lang) for lang in LANGUAGES]
    out.append("// Id;Register;Unit;Min;Max;Scale;FaultCode;Mask;Group;Decimals;Format")
    blocks = model["blocks"]
    out.append("%d;Blocks" % len(blocks))
    for b, (start, signals) in enumerate(blocks, start=1):
        out.append("%Block;" + str(b))
        out.append("B%d;%d;%d;%s" % (b, start, len(signals), "Block %d" % b))
        for k, (key, unit, mn, mx, fault, mask, fmt) in enumerate(signals):
            data = ["S%d%02d" % (b, k + 1), str(start + k), unit, mn, mx, "1", fault, mask, str(b), "0", fmt]
            assert len(data) >= 11 and not any("*" in f for f in data)
            out.append(";".join(data))
            texts = text_of(key)
            out += ["*%s;%s" % (lang, texts[i]) for i, lang in enumerate(LANGUAGES)]
    out.append("[RECORD VALUES]END")
    return out


def control_lines(model):
    c = model["control"]
    return ["[CONTROL PANEL]",
            "PANEL_TYPE;%s" % c["type"],
            "PANEL_REF_SOURCE_ADDRESS;%d" % c["ref_source"],
            "PANEL_RUN_SOURCE_ADDRESS;%d" % c["run_source"],
            "/ Coil and the value to write in base 2",
            "FWD_ADDRESS_DATA;%d;%s" % c["fwd"],
            "REV_ADDRESS_DATA;%d;%s" % c["rev"],
            "STP_ADDRESS_DATA;%d;%s" % c["stp"],
            "REF_ADDRESS_MAXVALUE;%d;%d" % (REF_REGISTER, c["ref_max"]),
            "[CONTROL PANEL]END"]


def device_file(model):
    table = build_table(model)
    assert table.parameter_count() >= 300, (model["name"], model["version"], table.parameter_count())
    # The control panel's source registers are parameters 214 and 215 of set A.
    regs = {f[1]: int(f[5]) for f, texts, v in table.rows if texts is not None and f[5] != "x"}
    assert model["control"]["ref_source"] == regs["214"] and model["control"]["run_source"] == regs["215"]
    table._claim(REF_REGISTER, "reference", "Y")
    if model["size_address"] >= 40001:
        table._claim(model["size_address"], "size code", "Y")
    lines = ["/ Tarvolink device description file;%s;%s" % (model["name"], model["version"])]
    lines += sizes_lines(model) + trip_lines(model) + record_lines(model) + control_lines(model)
    lines += table.lines()
    return lines, table.parameter_count()


ANALOG = "N"
RVN_BLOCKS = [
    (31001, [("procval", "%", "-32767", "32767", "N", ANALOG, "E"),
             ("speed", "rpm", "-32767", "32767", "N", ANALOG, "N"),
             ("torque", "Nm", "-32767", "32767", "N", ANALOG, "N"),
             ("shaftpwr", "kW", "0", "32767", "N", ANALOG, "E"),
             ("elpwr", "kW", "0", "32767", "N", ANALOG, "E"),
             ("current", "A", "0", "32767", "N", ANALOG, "E"),
             ("outvolt", "V", "0", "65535", "N", ANALOG, "U"),
             ("frequency", "Hz", "0", "32767", "N", ANALOG, "E"),
             ("dclink", "V", "0", "65535", "N", ANALOG, "U"),
             ("heatsink", "°C", "-32767", "32767", "N", ANALOG, "N")]),
    (31101, [("dinstatus", "", "0", "255", "N", "255", "U"),
             ("doutstatus", "", "0", "31", "N", "31", "U"),
             ("drvstatus", "", "0", "65535", "N", "65535", "U"),
             ("warning", "", "0", "4095", "N", "4095", "U")]),
    (31201, [("tripmsg", "", "0", "255", "Y", "255", "U"),
             (("Last Trip", "Senaste tripp", "Letzter Fehler", "Dernier défaut"), "", "0", "255", "Y", "255", "U"),
             ("warning", "", "0", "255", "Y", "255", "U")]),
]
KTZ_BLOCKS = [
    (31001, [("speed", "rpm", "-32767", "32767", "N", ANALOG, "N"),
             ("torque", "Nm", "-32767", "32767", "N", ANALOG, "N"),
             ("current", "A", "0", "32767", "N", ANALOG, "E"),
             ("outvolt", "V", "0", "65535", "N", ANALOG, "U"),
             ("frequency", "Hz", "0", "32767", "N", ANALOG, "E"),
             ("dclink", "V", "0", "65535", "N", ANALOG, "U"),
             ("heatsink", "°C", "-32767", "32767", "N", ANALOG, "N"),
             ("shaftpwr", "kW", "0", "32767", "N", ANALOG, "E")]),
    (31101, [("dinstatus", "", "0", "15", "N", "15", "U"),
             ("drvstatus", "", "0", "65535", "N", "65535", "U")]),
    (31201, [("tripmsg", "", "0", "255", "Y", "255", "U"),
             ("warning", "", "0", "255", "Y", "255", "U")]),
    # Holding registers: the same words as parameters 711 and 712, so in their register-word form.
    (44001, [("procval", "%", "-32767", "32767", "N", ANALOG, "E"),
             ("speed", "rpm", "-32767", "32767", "N", ANALOG, "E")]),
]

RVN_SIZES = [(1, "RVN48-003", "2,5", "0.75"), (2, "RVN48-004", "4,0", "1.5"), (3, "RVN48-006", "6,0", "2.2"),
             (4, "RVN48-008", "8,0", "3"), (5, "RVN48-010", "10,5", "4"), (6, "RVN48-013", "13,0", "5.5"),
             (7, "RVN48-018", "18,0", "7.5"), (8, "RVN48-026", "26,0", "11"), (9, "RVN48-031", "31,0", "15"),
             (10, "RVN48-037", "37,0", "18.5"), (11, "RVN48-046", "46,0", "22"), (12, "RVN69-090", "90,0", "90")]
KTZ_SIZES = [(1, "KTZ23-2P5", "2,5", "0.37"), (2, "KTZ23-004", "4,3", "0.75"), (3, "KTZ43-2P3", "2,3", "0.75"),
             (4, "KTZ43-004", "4,1", "1.5"), (5, "KTZ43-5P6", "5,6", "2.2"), (6, "KTZ43-009", "9,0", "4")]


def models():
    rvn_common = dict(name="RVN", sizes=RVN_SIZES, size_address=30005, blocks=RVN_BLOCKS,
                      control=dict(type="RVN Standard", ref_source=0, run_source=0, fwd=(1, "1"), rev=(2, "1"),
                                   stp=(3, "1"), ref_max=100))
    ktz_common = dict(name="KTZ", sizes=KTZ_SIZES, size_address=44450, blocks=KTZ_BLOCKS,
                      control=dict(type="KTZ Compact", ref_source=0, run_source=0, fwd=(11, "11"), rev=(11, "101"),
                                   stp=(11, "0"), ref_max=100))
    rvn_feat = dict(anin=4, digin=8, anout=2, digout=2, relays=3, fieldbus=True, ethernet=True, pump=True)
    ktz_feat = dict(anin=2, digin=4, anout=1, digout=1, relays=2, ethernet=False, pump=False)
    out = []
    for version, extra in (("V2.01", {}), ("V2.03", dict(brake=True)),
                           ("V2.05", dict(brake=True, encspeed=True, dhcp=True))):
        feat = dict(rvn_feat, **extra)
        out.append(dict(rvn_common, version=version, features=feat,
                        trips=TRIPS if feat.get("brake") else TRIPS[:-1]))
    for version, extra in (("V1.10", {}), ("V1.12", dict(fieldbus=True, brake=True))):
        feat = dict(ktz_feat, **extra)
        out.append(dict(ktz_common, version=version, features=feat,
                        trips=TRIPS if feat.get("brake") else TRIPS[:-1]))
    return out


def fill_control_registers(model):
    """The panel's source registers are the set A registers of parameters 214 and 215, the 4th and 5th
    registers of menu 2 in every model (device_file checks it)."""
    base = TOP_MENU_BASE[2]
    model["control"] = dict(model["control"], ref_source=base + 3, run_source=base + 4)


GENERAL = """/ Tarvolink general data;1
[DEVICE ADDRESS]
1;30001
[DEVICE ADDRESS]END
[DEVICE CODE]
4610;RVN
4620;KTZ
[DEVICE CODE]END
[VERSION ADDRESS]
4610;30002;2
4620;30002;1
[VERSION ADDRESS]END
[PSET INCREMENT ADDRESS]
1;0
2;1000
3;2000
4;3000
[PSET INCREMENT ADDRESS]END
[COMPANY]
1;Tarvolink
2;Tarvolink Drives Service
[COMPANY]END
"""


def write(path, lines, encoding):
    data = ("\r\n".join(lines) + "\r\n").encode(encoding)  # strict: every text must fit the code page
    with open(path, "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser.add_argument("--out", default=os.path.join(root, "data"))
    args = parser.parse_args()
    config = os.path.join(args.out, "configData")
    csv = os.path.join(args.out, "csv_file")
    os.makedirs(config, exist_ok=True)
    os.makedirs(csv, exist_ok=True)
    write(os.path.join(config, "general.csv"), GENERAL.strip("\n").split("\n"), "utf-8")
    for model in models():
        fill_control_registers(model)
        lines, count = device_file(model)
        name = model["name"] + model["version"]
        write(os.path.join(csv, name + ".csv"), lines, "cp1252")
        print("%s.csv: %d parameters, %d lines" % (name, count, len(lines)))
        if name == "RVNV2.03":
            # The same file in UTF-8; the program prefers such a copy when both exist.
            write(os.path.join(csv, name + "_UTF8.csv"), lines, "utf-8")
            print("%s_UTF8.csv" % name)


if __name__ == "__main__":
    main()

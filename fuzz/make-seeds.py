#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus of each fuzz target into FOLDER/<target>/: a few small, meaningful inputs.

    fuzz/make-seeds.py FOLDER

scripts/fuzz runs it before every fuzzing run. fuzz_compose numbers the settings in the order of
the option table (KLEM_LAUNCH_OPTIONS in src/launch/LaunchOptions.h), which this script reads, so
its seeds always set the settings their names say.
"""
import pathlib
import re
import shutil
import struct
import sys

SOURCE = pathlib.Path(__file__).resolve().parent.parent / "src" / "launch" / "LaunchOptions.h"


# --- The byte format of ByteReader.h -------------------------------------------------------------

def number(value):
    """One signed byte, or 0x7F and four bytes for any other int."""
    if -128 <= value <= 126:
        return struct.pack("<b", value)
    return b"\x7f" + struct.pack("<i", value)


def flag(value):
    return b"\x01" if value else b"\x00"


def text(value):
    data = value.encode("utf-8") if isinstance(value, str) else value
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    return b"\xff" + struct.pack("<H", len(data)) + data


def texts(values):
    return bytes([len(values)]) + b"".join(text(v) for v in values)


GAME_TYPES = ["Single", "Join", "Host"]
ENCODERS = {
    "int": number, "bool": flag, "std::string": text, "Texts": texts,
    "std::uint8_t": lambda v: bytes([v]), "GameType": lambda v: bytes([GAME_TYPES.index(v)]),
    "SkinTable": lambda v: b"".join(text(skin) for skin in v),
}

# The settings as fuzz_compose numbers them: the rows of the option table, then the extra
# parameters.
ROWS = re.findall(r"^\s*X\(\s*([\w:]+)\s*,\s*(\w+)\s*,", SOURCE.read_text(), re.MULTILINE)
FIELDS = [(name, ENCODERS[kind]) for kind, name in ROWS] + [("extra", text)]
INDEX = {name: (k, encode) for k, (name, encode) in enumerate(FIELDS)}


def options(**changes):
    """The start-up options with some fields (and the extra parameters) changed."""
    encoded = b""
    for name, value in changes.items():
        k, encode = INDEX[name]
        encoded += bytes([k]) + encode(value)
    return encoded


COMPOSE = {
    "start-up": options(),
    "host": options(txtGameType="Host", txtMaxPlayers="8", txtPlayerName="Nova", chkSuddenDeath=1,
                    chkPassword=1, txtPassword="secret", chkTeamBattle=1, lstTeamBattle=1),
    "host-max-players-too-large": options(txtGameType="Host", txtMaxPlayers="40000"),
    "host-max-players-rounded": options(txtGameType="Host", txtMaxPlayers=" 2.5 "),
    "host-max-players-not-a-number": options(txtGameType="Host", txtMaxPlayers="eight"),
    "join": options(txtGameType="Join", HostAddress="10.0.0.2:5029", check2=1, Check3=1),
    "saved-game": options(chkLoad=1, Combo3=3, chkWindowed=1, txtGameType="Host",
                          txtMaxPlayers="40000"),
    "saved-game-lowest-slot": options(chkLoad=1, Combo3=-2**31),
    "alternate-exe-with-quotes": options(
        chkEXE=1, txtEXE='"C:\\Games\\KLEM\\klem win.exe"', lstWADFiles=['my "best" map.wad', "a\\\\"],
        txtManualOps='-name "Big \\"Al\\""', extra=' -debug "\\\\server\\share\\"'),
    "wads-demo-display": options(
        lstSound=6, chkJoystick=1, lstWADFiles=["zones.wad", "music.wad", "chars.wad"], chkDemo=1,
        optDemoRecord=True, optDemoPlay=True, txtDemo="run1", chkOpenGL=1, chkManualRes=1,
        txtWidth="1920", txtHeight="1080", chkHighTime=1),
    "out-of-range-values": options(lstSound=-1, chkJoystick=2, chkAnalog=-1, CharIndex=200,
                                   Combo1=2**31 - 1, chkTeamBattle=1, lstTeamBattle=-1,
                                   txtGameType="Host"),
    "control-and-non-ascii-bytes": options(
        txtPlayerName=b"K\xc3\xb6met\x00\t\n\r\x1b\xff", txtUserSkin=b"\x00", lblColor2=b"\xfe",
        txtGameType="Join", HostAddress=b"host\x00name", extra=b"\x7f\x80"),
    "long-manual-parameters": options(txtManualOps="-x " * 120, extra=" -y" * 100),
    "cut-short": options(txtGameType="Host", txtPlayerName="Nova")[:9],
}

SPLIT = {
    "start-up": b"klemwin -skin COMET -color 7 ",
    "host": b"klemwin -skin COMET -color 7 -maxplayers 8 -warp 90 -gametype 1 -noadvertise"
            b" -server 1 -notime -timer 5 -name Comet ",
    "saved-game": b"klemwin -win -loadgame 3",
    "quoted-program": b'"C:\\Program Files\\KLEM\\klemwin.exe" -file "my map.wad" -name "Big \\"Al\\""',
    "backslashes": b'klemwin a\\\\b c\\\\\\"d e\\\\\\\\"f g" h\\ \\\\',
    "doubled-quotes": b'klemwin "a""b" """" "x""',
    "tabs-and-blanks": b"  \tklemwin\t\t-win  \t ",
    "all-blanks": b"   \t ",
    "unbalanced-program-quote": b'"klem win -win',
    "control-and-non-ascii-bytes": b"klemwin -name K\xc3\xb6met\x00 -x\xff \"\x01\"",
}

# Whole numbers: one byte choosing the range ('m' max players, 'b' byte, 'w' every long, anything
# else: min and max follow as eight bytes each), then the text.
def whole(range_byte, number_text, bounds=None):
    head = range_byte.encode()
    if bounds is not None:
        head += struct.pack("<qq", *bounds)
    return head + number_text.encode()


WHOLE_NUMBER = {
    "leading-zero-and-blank": whole("m", " 08"),
    "half-to-even-down": whole("m", "2.5"),
    "half-to-even-up": whole("m", "-3.5"),
    "lowest-16-bit": whole("m", "-32768"),
    "too-large-16-bit": whole("m", "40000"),
    "rounds-out-of-range": whole("m", "32767.5"),
    "just-above-half": whole("m", "2.500001"),
    "blanks-and-tab": whole("b", "\t255  "),
    "too-large-byte": whole("b", "256"),
    "not-a-number": whole("m", "0x10"),
    "fraction-only": whole("m", ".5"),
    "largest-long": whole("w", "9223372036854775807"),
    "lowest-long-half": whole("w", "-9223372036854775808.5"),
    "fifteen-digits": whole("w", "123456789012345.5"),
    "given-range": whole("r", "999.500001", (-1000, 1000)),
    "empty-range": whole("r", "7", (10, 1)),
}


def write(target, seeds):
    folder = pathlib.Path(sys.argv[1]) / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


write("fuzz_compose", COMPOSE)
write("fuzz_split", SPLIT)
write("fuzz_whole_number", WHOLE_NUMBER)

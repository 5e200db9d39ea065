// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of each fuzz target into FOLDER/<target>/: a few small, meaningful inputs.
//
//     make_seeds FOLDER
//
// scripts/fuzz runs it before every fuzzing run. A seed of fuzz_compose is written from launch
// options as values of LaunchOptions: the settings that differ from the start-up options, each
// numbered by its row of the option table as forEachOption gives them, so a seed sets the settings
// it names also after rows are added or moved. Each such seed is read back as fuzz_compose reads
// it, and must give the options it was written from.
#include "ByteReader.h"
#include "LaunchOptions.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using launch::GameType;
using launch::LaunchOptions;
using namespace std::string_literals;

namespace {

// Writes values in the format ByteReader reads.
class ByteWriter {
public:
    std::string bytes;

    void write(std::uint8_t value) { bytes += static_cast<char>(value); }
    void write(bool value) { write(static_cast<std::uint8_t>(value)); }
    void write(GameType type) { write(static_cast<std::uint8_t>(type)); }

    void write(int value) {
        if (value >= -128 && value <= 126) {
            write(static_cast<std::uint8_t>(value));
        } else {
            write(std::uint8_t{0x7F});
            littleEndian(static_cast<std::uint32_t>(value), 4);
        }
    }

    void write(const std::string& text) {
        if (text.size() < 0xFF) {
            write(static_cast<std::uint8_t>(text.size()));
        } else {
            write(std::uint8_t{0xFF});
            littleEndian(static_cast<std::uint32_t>(text.size()), 2);
        }
        bytes += text;
    }

    void write(const launch::Texts& texts) {
        write(static_cast<std::uint8_t>(texts.size()));
        for (const auto& text : texts) {
            write(text);
        }
    }

    void write(const launch::SkinTable& skins) {
        for (const auto& skin : skins) {
            write(skin);
        }
    }

    void littleEndian(std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) {
            write(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
};

// What fuzz_compose reads from its input: the options and the extra parameters.
struct Input {
    LaunchOptions options;
    std::string extra;
};

bool operator==(const Input& a, const Input& b) {
    return a.options == b.options && a.extra == b.extra;
}

// The changes from the start-up options that make this input.
std::string changes(const Input& input) {
    const LaunchOptions startUp;
    ByteWriter out;
    std::uint8_t row = 0;
    launch::forEachOption([&](const char*, auto field) {
        if (!(input.options.*field == startUp.*field)) {
            out.write(row);
            out.write(input.options.*field);
        }
        ++row;
    });
    if (!input.extra.empty()) {
        out.write(static_cast<std::uint8_t>(launch::optionCount));
        out.write(input.extra);
    }
    return out.bytes;
}

// The input as fuzz_compose reads it from the seed.
Input readBack(const std::string& seed) {
    fuzz::ByteReader in(reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size());
    Input read;
    while (!in.atEnd()) {
        in.readChange(read.options, read.extra);
    }
    return read;
}

using Seeds = std::vector<std::pair<std::string, std::string>>;

// The inputs of fuzz_compose: the start-up options with some settings (and the extra parameters)
// changed.
const std::vector<std::pair<std::string, std::function<void(LaunchOptions&, std::string& extra)>>> changed = {
    {"start-up",
     [](LaunchOptions&, std::string&) {
     }},
    {"host",
     [](LaunchOptions& o, std::string&) {
         o.txtGameType = GameType::Host;
         o.txtMaxPlayers = "8";
         o.txtPlayerName = "Nova";
         o.chkSuddenDeath = o.chkPassword = o.chkTeamBattle = o.lstTeamBattle = 1;
         o.txtPassword = "secret";
     }},
    {"host-max-players-too-large",
     [](LaunchOptions& o, std::string&) {
         o.txtGameType = GameType::Host;
         o.txtMaxPlayers = "40000";
     }},
    {"host-max-players-rounded",
     [](LaunchOptions& o, std::string&) {
         o.txtGameType = GameType::Host;
         o.txtMaxPlayers = " 2.5 ";
     }},
    {"host-max-players-not-a-number",
     [](LaunchOptions& o, std::string&) {
         o.txtGameType = GameType::Host;
         o.txtMaxPlayers = "eight";
     }},
    {"join",
     [](LaunchOptions& o, std::string&) {
         o.txtGameType = GameType::Join;
         o.HostAddress = "10.0.0.2:5029";
         o.check2 = o.Check3 = 1;
     }},
    {"saved-game",
     [](LaunchOptions& o, std::string&) {
         o.chkLoad = o.chkWindowed = 1;
         o.Combo3 = 3;
         o.txtGameType = GameType::Host;
         o.txtMaxPlayers = "40000";
     }},
    {"saved-game-lowest-slot",
     [](LaunchOptions& o, std::string&) {
         o.chkLoad = 1;
         o.Combo3 = std::numeric_limits<int>::min();
     }},
    {"alternate-exe-with-quotes",
     [](LaunchOptions& o, std::string& extra) {
         o.chkEXE = 1;
         o.txtEXE = R"("C:\Games\KLEM\klem win.exe")";
         o.lstWADFiles = {R"(my "best" map.wad)", R"(a\\)"};
         o.txtManualOps = R"(-name "Big \"Al\"")";
         extra = R"( -debug "\\server\share\")";
     }},
    {"wads-demo-display",
     [](LaunchOptions& o, std::string&) {
         o.lstSound = 6;
         o.chkJoystick = o.chkDemo = o.chkOpenGL = o.chkManualRes = o.chkHighTime = 1;
         o.lstWADFiles = {"zones.wad", "music.wad", "chars.wad"};
         o.optDemoRecord = o.optDemoPlay = true;
         o.txtDemo = "run1";
         o.txtWidth = "1920";
         o.txtHeight = "1080";
     }},
    {"out-of-range-values",
     [](LaunchOptions& o, std::string&) {
         o.lstSound = o.chkAnalog = o.lstTeamBattle = -1;
         o.chkJoystick = 2;
         o.CharIndex = 200;
         o.Combo1 = std::numeric_limits<int>::max();
         o.chkTeamBattle = 1;
         o.txtGameType = GameType::Host;
     }},
    {"control-and-non-ascii-bytes",
     [](LaunchOptions& o, std::string& extra) {
         o.txtPlayerName = "K\xc3\xb6met\0\t\n\r\x1b\xff"s;
         o.txtUserSkin = "\0"s;
         o.lblColor2 = "\xfe";
         o.txtGameType = GameType::Join;
         o.HostAddress = "host\0name"s;
         extra = "\x7f\x80";
     }},
    {"long-manual-parameters",
     [](LaunchOptions& o, std::string& extra) {
         for (int i = 0; i < 120; ++i) {
             o.txtManualOps += "-x ";
         }
         for (int i = 0; i < 100; ++i) {
             extra += " -y";
         }
     }},
};

const Seeds split = {
    {"start-up", "klemwin -skin COMET -color 7 "},
    {"host", "klemwin -skin COMET -color 7 -maxplayers 8 -warp 90 -gametype 1 -noadvertise -server 1 -notime "
             "-timer 5 -name Comet "},
    {"saved-game", "klemwin -win -loadgame 3"},
    {"quoted-program", R"("C:\Program Files\KLEM\klemwin.exe" -file "my map.wad" -name "Big \"Al\"")"},
    {"backslashes", R"(klemwin a\\b c\\\"d e\\\\"f g" h\ \\)"},
    {"doubled-quotes", R"(klemwin "a""b" """" "x"")"},
    {"tabs-and-blanks", "  \tklemwin\t\t-win  \t "},
    {"all-blanks", "   \t "},
    {"unbalanced-program-quote", R"("klem win -win)"},
    {"control-and-non-ascii-bytes", "klemwin -name K\xc3\xb6met\0 -x\xff \"\x01\""s},
};

// A whole-number input: the range byte ('m' max players, 'b' byte, 'w' every long), then the text.
std::string whole(char range, const std::string& text) {
    return range + text;
}

// A whole-number input with a range of its own: 'r', the least and the greatest number, the text.
std::string whole(std::int64_t min, std::int64_t max, const std::string& text) {
    ByteWriter out;
    out.write(std::uint8_t{'r'});
    out.littleEndian(static_cast<std::uint64_t>(min), 8);
    out.littleEndian(static_cast<std::uint64_t>(max), 8);
    return out.bytes + text;
}

const Seeds wholeNumber = {
    {"leading-zero-and-blank", whole('m', " 08")},
    {"half-to-even-down", whole('m', "2.5")},
    {"half-to-even-up", whole('m', "-3.5")},
    {"lowest-16-bit", whole('m', "-32768")},
    {"too-large-16-bit", whole('m', "40000")},
    {"rounds-out-of-range", whole('m', "32767.5")},
    {"just-above-half", whole('m', "2.500001")},
    {"blanks-and-tab", whole('b', "\t255  ")},
    {"too-large-byte", whole('b', "256")},
    {"not-a-number", whole('m', "0x10")},
    {"fraction-only", whole('m', ".5")},
    {"largest-long", whole('w', "9223372036854775807")},
    {"lowest-long-half", whole('w', "-9223372036854775808.5")},
    {"fifteen-digits", whole('w', "123456789012345.5")},
    {"given-range", whole(-1000, 1000, "999.500001")},
    {"empty-range", whole(10, 1, "7")},
};

bool write(const fs::path& folder, const std::string& target, const Seeds& seeds) {
    std::error_code error;
    fs::remove_all(folder / target, error);
    fs::create_directories(folder / target, error);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream file(folder / target / name, std::ios::binary);
        if (!(file << bytes)) {
            std::fprintf(stderr, "make_seeds: cannot write %s\n",
                         (folder / target / name).u8string().c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    Seeds compose;
    for (const auto& [name, change] : changed) {
        Input input;
        change(input.options, input.extra);
        compose.emplace_back(name, changes(input));
        if (!(readBack(compose.back().second) == input)) {
            std::fprintf(stderr, "make_seeds: fuzz_compose reads the seed %s as other options\n",
                         name.c_str());
            return 1;
        }
    }
    // A host launch whose last text, the player's name, is cut short: "Nova" becomes "No".
    Input host;
    host.options.txtGameType = GameType::Host;
    host.options.txtPlayerName = "Nova";
    const std::string full = changes(host);
    compose.emplace_back("cut-short", full.substr(0, full.size() - 2));

    const fs::path folder = fs::u8path(argv[1]);
    return write(folder, "fuzz_compose", compose) && write(folder, "fuzz_split", split) &&
                   write(folder, "fuzz_whole_number", wholeNumber)
               ? 0
               : 1;
}

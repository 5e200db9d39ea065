// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in's records read back.
#include "standinRecord.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace standin {
namespace {

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// One record a line; a last line without its line end is still being written.
std::vector<Start> readRecords(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<Start> records;
    for (std::string text; std::getline(in, text) && !in.eof();) {
        Start start;
        std::sscanf(text.c_str(), "klemwin-record pid=%ld started_ns=%lld show=%d", &start.pid,
                    &start.startedNs, &start.showHint);
        const auto field = [&](const std::string& key) {
            const auto at = text.find(" " + key + "=");
            return at == std::string::npos
                       ? std::string()
                       : text.substr(at + key.size() + 2, text.find(' ', at + 1) - at - key.size() - 2);
        };
        start.line = fromHex(field("line"));
        start.program = fromHex(field("program"));
        const std::string words = field("words");
        for (auto colon = words.find(':'); colon != std::string::npos; colon = words.find(':', colon + 1)) {
            start.words.push_back(fromHex(words.substr(colon + 1, words.find(':', colon + 1) - colon - 1)));
        }
        records.push_back(std::move(start));
    }
    return records;
}

} // namespace

std::vector<Start> waitForRecords(const fs::path& file, std::size_t count, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    auto records = readRecords(file);
    while (records.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        records = readRecords(file);
    }
    return records;
}

fs::path program() {
    return fs::u8path(KLEM_STANDIN_PATH); // the build writes it in UTF-8
}

std::string gameFileName() {
    return program().filename().u8string(); // the stand-in is built under the game's name
}

} // namespace standin

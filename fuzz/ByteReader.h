// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads values from a fuzzer's input, front to back, in a simple format (makeSeeds.cpp writes it):
// - a number is one byte taken as a signed byte (-128..126); the byte 0x7F is instead followed by
//   four bytes, low byte first, of any int;
// - a bool is one byte, its lowest bit;
// - a text is a length byte and that many bytes of any value; the length byte 0xFF is instead
//   followed by a two-byte length, low byte first, for long texts;
// - a list of texts is a count byte and that many texts; the skin table is three texts;
// - a play mode is one byte, its value modulo 3 (Single, Join, Host);
// - a change of the launch options is a byte with the setting's number, its row in the option
//   table counted from 0 (the number after the last row stands for the extra parameters, and
//   larger numbers count round again), then the setting's new value.
// A value whose bytes have run out keeps what it had, so an empty input leaves every field at its
// start-up value; a text cut short keeps the bytes that are there.
#pragma once

#include "LaunchOptions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool atEnd() const { return pos == size; }

    void read(std::uint8_t& value) {
        if (!atEnd()) {
            value = data[pos++];
        }
    }

    void read(bool& value) {
        if (!atEnd()) {
            value = (data[pos++] & 1) != 0;
        }
    }

    void read(int& value) {
        if (atEnd()) {
            return;
        }
        const int first = data[pos++];
        value = first == 0x7F ? static_cast<int>(static_cast<std::int32_t>(littleEndian(4)))
                              : (first < 0x80 ? first : first - 0x100);
    }

    void read(std::string& text) {
        if (atEnd()) {
            return;
        }
        std::size_t length = data[pos++];
        if (length == 0xFF) {
            length = littleEndian(2);
        }
        length = std::min(length, size - pos);
        text.assign(reinterpret_cast<const char*>(data + pos), length);
        pos += length;
    }

    void read(std::vector<std::string>& texts) {
        if (atEnd()) {
            return;
        }
        std::size_t count = data[pos++];
        texts.clear();
        for (; count > 0 && !atEnd(); --count) {
            read(texts.emplace_back());
        }
    }

    void read(launch::SkinTable& skins) {
        for (auto& skin : skins) {
            read(skin);
        }
    }

    void read(launch::GameType& type) {
        if (!atEnd()) {
            type = static_cast<launch::GameType>(data[pos++] % 3);
        }
    }

    // One change of the launch options or of the extra parameters.
    void readChange(launch::LaunchOptions& options, std::string& extraParams) {
        std::uint8_t number = 0;
        read(number);
        const std::size_t k = number % (launch::optionCount + 1);
        std::size_t row = 0;
        launch::forEachOption([&](const char*, auto field) {
            if (row++ == k) {
                read(options.*field);
            }
        });
        if (k == launch::optionCount) {
            read(extraParams);
        }
    }

private:
    // An unsigned number of the given count of bytes, low byte first; missing bytes count as zero.
    std::uint32_t littleEndian(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes && !atEnd(); ++i) {
            value |= std::uint32_t{data[pos++]} << (8 * i);
        }
        return value;
    }

    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
};

} // namespace fuzz

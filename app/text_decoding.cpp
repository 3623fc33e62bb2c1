#include "app/text_decoding.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Windows-1252 from 0x80 to 0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte == 0) {
            out += kReplacement;
        } else if (byte < 0x80) {
            out += c;
        } else if (byte < 0xA0) {
            const char16_t code = kWindows1252High[byte - 0x80];
            if (code == 0) {
                out += kReplacement;
            } else {
                appendUtf8(out, code);
            }
        } else {
            appendUtf8(out, byte);  // 0xA0 to 0xFF are Latin-1
        }
    }
    return out;
}

std::string withoutNul(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\0') {
            out += kReplacement;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t size = bytes.size();
    while (i < size) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;  // no overlong forms
            if (lead == 0xED)
                high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (size - i < length) {
            return false;
        }
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        if (second < low || second > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if ((static_cast<std::uint8_t>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string decodeTextFile(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (isValidUtf8(bytes)) {
            return withoutNul(bytes);
        }
        // A mark over broken UTF-8: keep what is valid, replace what is not.
        std::string out;
        std::size_t i = 0;
        while (i < bytes.size()) {
            std::size_t length = 1;
            while (length <= 4 && i + length <= bytes.size() &&
                   !isValidUtf8(bytes.substr(i, length))) {
                ++length;
            }
            if (length > 4 || i + length > bytes.size()) {
                out += kReplacement;
                ++i;
            } else {
                out += withoutNul(bytes.substr(i, length));
                i += length;
            }
        }
        return out;
    }
    if (isValidUtf8(bytes)) {
        return withoutNul(bytes);
    }
    return fromWindows1252(bytes);
}

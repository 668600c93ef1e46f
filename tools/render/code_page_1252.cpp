// UTF-8 decoding and the code page 1252 table. Codes 160 to 255 are U+00A0 to U+00FF, and codes
// below 128 are ASCII; only 128 to 159 need the table.
#include "tools/render/code_page_1252.h"

#include <cstdint>
#include <cstdio>

namespace uitools {

namespace {

// The characters of codes 128 to 159; 0 for the five codes the code page leaves unassigned.
constexpr char32_t kCodes128To159[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // € ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // ˆ ‰ Š ‹ Œ Ž
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178}; // ˜ ™ š › œ ž Ÿ

// The code of a character; false when code page 1252 has none (U+0080 to U+009F included).
bool codeOf(char32_t character, unsigned char& code) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        code = static_cast<unsigned char>(character);
        return true;
    }
    for (unsigned i = 0; i < 32; ++i) {
        if (kCodes128To159[i] == character) {
            code = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// The character starting at text[at], `at` moved past it; false for bytes that are not UTF-8
// (stray continuation bytes, cut sequences, overlong forms, surrogates, values past U+10FFFF).
bool decodeUtf8(const std::string& text, size_t& at, char32_t& character) {
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};  // by sequence length
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || text.size() - at < length) return false;
    char32_t value = length == 1 ? lead : lead & (0x7Fu >> length);
    for (size_t i = 1; i < length; ++i) {
        unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = value << 6 | (next & 0x3Fu);
    }
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    character = value;
    at += length;
    return true;
}

// The unassigned codes pass as the control characters of the same value.
bool isUnassigned(char32_t code) { return code >= 0x80 && code < 0xA0 && kCodes128To159[code - 0x80] == 0; }

char32_t characterOf(unsigned char code) {
    return code < 0x80 || code >= 0xA0 || isUnassigned(code) ? code : kCodes128To159[code - 0x80];
}

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
        return;
    }
    bool three = character >= 0x800;  // no code page 1252 character needs four bytes
    text += static_cast<char>(three ? 0xE0 | (character >> 12) : 0xC0 | (character >> 6));
    if (three) text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (character & 0x3F));
}

std::string hex(const char* format, uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}

}  // namespace

bool utf8ToCodePage1252(const std::string& utf8, std::string& codePage, std::string& error) {
    codePage.clear();
    for (size_t at = 0; at < utf8.size();) {
        char32_t character = 0;
        unsigned char code = 0;
        if (!decodeUtf8(utf8, at, character)) {
            error = "byte " + hex("0x%02X", static_cast<unsigned char>(utf8[at])) + " at offset " +
                    std::to_string(at) + " is not UTF-8";
            return false;
        }
        if (!codeOf(character, code)) {
            error = hex("U+%04X", character) + " is not in code page 1252";
            return false;
        }
        codePage += static_cast<char>(code);
    }
    return true;
}

std::string utf8ToCodePage1252Lossy(const std::string& utf8) {
    std::string codePage;
    for (size_t at = 0; at < utf8.size();) {
        char32_t character = 0;
        unsigned char code = 0;
        if (!decodeUtf8(utf8, at, character)) ++at;
        else if (codeOf(character, code)) codePage += static_cast<char>(code);
    }
    return codePage;
}

std::string utf8ToCodePage1252Replacing(const std::string& utf8) {
    std::string codePage;
    for (size_t at = 0; at < utf8.size();) {
        char32_t character = 0;
        unsigned char code = '?';
        if (!decodeUtf8(utf8, at, character)) ++at;
        else if (!codeOf(character, code) && isUnassigned(character)) code = static_cast<unsigned char>(character);
        codePage += static_cast<char>(code);
    }
    return codePage;
}

std::string codePage1252ToUtf8(const std::string& codePage) {
    std::string utf8;
    for (char code : codePage) appendUtf8(utf8, characterOf(static_cast<unsigned char>(code)));
    return utf8;
}

}  // namespace uitools

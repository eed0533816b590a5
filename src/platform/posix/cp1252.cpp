#include "platform/posix/cp1252.h"

#include <cstddef>

namespace keystrip::cp1252 {
namespace {

// Code points of the bytes 0x80 to 0x9f; every other byte is its own code point.
constexpr char32_t kHighControls[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178,
};

char32_t CodePointOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9f) ? kHighControls[byte - 0x80] : byte;
}

// The 1252 byte of a code point, or "?" when there is none.
char ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xa0 && cp <= 0xff)) return static_cast<char>(cp);
    for (unsigned i = 0; i < 32; ++i)
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes the sequence at pos; its length, or 0 when it is malformed.
std::size_t Decode(std::string_view text, std::size_t pos, char32_t& cp) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, cp = lead & 0x1f, min = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, cp = lead & 0x0f, min = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        unsigned char c = byte(pos + i);
        if ((c & 0xc0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3f);
    }
    if (cp < min || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return 0;
    return length;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xe0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = Decode(text, pos, cp);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t cp;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = Decode(utf8, pos, cp);
        out += length == 0 ? '?' : ByteOf(cp);
        pos += length == 0 ? 1 : length;
    }
    return out;
}

std::string ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace keystrip::cp1252

#include "TextEncoding.h"

#include <cstdint>

namespace {

// Code points of the bytes 80 to 9F in Windows-1252; the undefined ones keep their C1 value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t windows1252CodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int windows1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at bytes[i], or 0 when none starts there.
std::size_t utf8SequenceAt(std::string_view bytes, std::size_t i, char32_t *cp)
{
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    }
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        value = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        value = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        value = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (b & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *cp = value;
    return length;
}

// UTF-8 with any invalid byte taken as the Windows-1252 character of that byte.
std::string lenientUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const std::size_t length = utf8SequenceAt(bytes, i, &cp);
        if (length == 0) {
            appendUtf8(out, windows1252CodePoint(static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string utf16LeToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2; // a trailing odd byte is no character
    auto unitAt = [&](std::size_t k) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * k])
                                     | (static_cast<unsigned char>(bytes[2 * k + 1]) << 8));
    };
    for (std::size_t k = 0; k < units; ++k) {
        const char16_t u = unitAt(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
            const char16_t low = unitAt(k + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                ++k;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, u);
    }
    return out;
}

void appendUtf16Le(std::string &out, char32_t cp)
{
    auto unit = [&out](char32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>((u >> 8) & 0xFF);
    };
    if (cp >= 0x10000) {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    } else {
        unit(cp);
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const std::size_t length = utf8SequenceAt(bytes, i, &cp);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t chars = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++chars;
    }
    return chars;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, windows1252CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string decodeFileText(std::string bytes, FileEncoding *detected)
{
    auto report = [detected](FileEncoding e) {
        if (detected)
            *detected = e;
    };
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        report(FileEncoding::Utf16LE);
        return utf16LeToUtf8(std::string_view(bytes).substr(2));
    }
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF
        && static_cast<unsigned char>(bytes[1]) == 0xBB
        && static_cast<unsigned char>(bytes[2]) == 0xBF) {
        report(FileEncoding::Utf8);
        return lenientUtf8(std::string_view(bytes).substr(3));
    }
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        report(FileEncoding::Windows1252);
        return bytes;
    }
    if (isValidUtf8(bytes)) {
        report(FileEncoding::Utf8);
        return bytes;
    }
    report(FileEncoding::Windows1252);
    return windows1252ToUtf8(bytes);
}

std::string encodeFileText(std::string utf8, FileEncoding *chosen)
{
    bool ascii = true;
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) { // the same bytes in Windows-1252
        if (chosen)
            *chosen = FileEncoding::Windows1252;
        return utf8;
    }

    std::string narrow;
    narrow.reserve(utf8.size());
    bool fits = true;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t length = utf8SequenceAt(utf8, i, &cp);
        if (length == 0) { // not UTF-8: the byte stands for itself
            cp = windows1252CodePoint(static_cast<unsigned char>(utf8[i]));
            length = 1;
        }
        const int byte = windows1252Byte(cp);
        if (byte < 0) {
            fits = false;
            break;
        }
        narrow += static_cast<char>(byte);
        i += length;
    }
    // Windows-1252 bytes that happen to form valid UTF-8 ("Ã©" is C3 A9) would read back as
    // other characters, so such text goes to UTF-16 as well.
    if (fits && !isValidUtf8(narrow)) {
        if (chosen)
            *chosen = FileEncoding::Windows1252;
        return narrow;
    }

    std::string wide = "\xFF\xFE";
    wide.reserve(2 + 2 * utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t length = utf8SequenceAt(utf8, i, &cp);
        if (length == 0) {
            cp = windows1252CodePoint(static_cast<unsigned char>(utf8[i]));
            length = 1;
        }
        appendUtf16Le(wide, cp);
        i += length;
    }
    if (chosen)
        *chosen = FileEncoding::Utf16LE;
    return wide;
}

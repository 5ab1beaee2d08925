#include "platform/text_encoding.h"

#include "platform/gb18030_codec.h"
#include "platform/platform_error.h"

#include <optional>

namespace vamo::platform {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes one character at `pos` and advances past it; nullopt (pos unchanged) for an invalid sequence.
std::optional<char32_t> decodeUtf8Character(std::string_view text, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char continuation = byteAt(pos + i);
        if ((continuation & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (continuation & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return value;
}

void appendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

std::string sanitizedUtf8(std::string_view text) {
    if (isValidUtf8(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto character = decodeUtf8Character(text, pos);
        if (character) {
            appendUtf8(out, *character);
        } else {
            appendUtf8(out, kReplacementCharacter);
            ++pos;
        }
    }
    return out;
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

TextEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        return TextEncoding::Utf8WithBom;
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        throw EncodingError("UTF-16 text is not supported");
    }
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

bool isValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!decodeUtf8Character(text, pos)) {
            return false;
        }
    }
    return true;
}

std::string gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk)) {
        return std::string(gbk);
    }
    return gb18030ToUtf8(gbk);
}

std::string utf8ToGbk(std::string_view utf8) {
    if (!isValidUtf8(utf8)) {
        throw EncodingError("cannot encode text as GBK: it is not valid UTF-8");
    }
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    return utf8ToGb18030(utf8);
}

std::string decodeText(std::string_view bytes, TextEncoding encoding) {
    return encoding == TextEncoding::Gbk ? gbkToUtf8(bytes) : sanitizedUtf8(bytes);
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Gbk) {
        return utf8ToGbk(utf8);
    }
    if (!isValidUtf8(utf8)) {
        throw EncodingError("text is not valid UTF-8");
    }
    return std::string(utf8);
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t value = kReplacementCharacter;
        if (const auto character = decodeUtf8Character(utf8, pos)) {
            value = *character;
        } else {
            ++pos;
        }
        if (value >= 0x10000) {
            value -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (value >> 10));
            out += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        } else {
            out += static_cast<char16_t>(value);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        char32_t value = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00
            && utf16[i + 1] <= 0xDFFF) {
            value = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            value = kReplacementCharacter;
        }
        appendUtf8(out, value);
    }
    return out;
}

std::string utf16ToUtf8(const char16_t* zeroTerminated) {
    if (zeroTerminated == nullptr) {
        return {};
    }
    return utf16ToUtf8(std::u16string_view(zeroTerminated));
}

std::string_view utf8Prefix(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxCharacters && pos < utf8.size(); ++count) {
        if (!decodeUtf8Character(utf8, pos)) {
            ++pos; // an invalid byte counts as one character
        }
    }
    return utf8.substr(0, pos);
}

} // namespace vamo::platform

#pragma once

#include <string>
#include <string_view>

namespace vamo::platform {

// The encodings a settings file may have: UTF-8 (what we write to new files) and GBK, the code page
// of the older workstations whose settings files are carried over.
enum class TextEncoding {
    Utf8,
    Utf8WithBom,
    Gbk,
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// BOM -> UTF-8 with BOM; valid UTF-8 -> UTF-8; anything else -> GBK.
// A UTF-16 byte order mark is refused (EncodingError): such a file must not be edited as bytes.
TextEncoding detectEncoding(std::string_view bytes);

// Strict check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// GBK bytes to UTF-8. Decodes with GB18030, the superset of GBK, so that every valid sequence is kept;
// an invalid byte becomes U+FFFD.
std::string gbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes (GB18030 for characters outside GBK). Throws EncodingError for invalid UTF-8.
std::string utf8ToGbk(std::string_view utf8);

// Bytes of a file in `encoding` (without BOM) to UTF-8; invalid sequences become U+FFFD.
std::string decodeText(std::string_view bytes, TextEncoding encoding);

// UTF-8 to the bytes of `encoding` (without BOM). Throws EncodingError for invalid UTF-8.
std::string encodeText(std::string_view utf8, TextEncoding encoding);

// UTF-8 and UTF-16 for texts that cross the plug-in boundary. Invalid input (a bad UTF-8 sequence,
// an unpaired surrogate) becomes U+FFFD instead of failing: a text shown to the operator must arrive.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
// A zero-terminated text owned by the caller; a null pointer is an empty text.
std::string utf16ToUtf8(const char16_t* zeroTerminated);

// The first `maxCharacters` characters (code points) of a UTF-8 text; never splits a character.
std::string_view utf8Prefix(std::string_view utf8, std::size_t maxCharacters);

} // namespace vamo::platform

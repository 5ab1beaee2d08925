#include "platform/platform_error.h"
#include "platform/text_encoding.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace vamo::platform {
namespace {

using test::hexBytes;

TEST(TextEncoding, DetectsBomThenUtf8ThenGbk) {
    const struct {
        std::string bytes;
        TextEncoding expected;
    } cases[] = {
        {"", TextEncoding::Utf8},
        {"[a]\nk=1\n", TextEncoding::Utf8},
        {"[基本参数]\n", TextEncoding::Utf8},
        {hexBytes("EF BB BF 5B 61 5D"), TextEncoding::Utf8WithBom},
        {hexBytes("EF BB BF C1 A6"), TextEncoding::Utf8WithBom}, // the BOM decides
        {hexBytes("5B BB F9 B1 BE B2 CE CA FD 5D"), TextEncoding::Gbk},
        {hexBytes("C0 AF"), TextEncoding::Gbk}, // overlong UTF-8 form
        {hexBytes("ED A0 80"), TextEncoding::Gbk}, // a UTF-8 encoded surrogate
        {hexBytes("E4 B8"), TextEncoding::Gbk}, // a truncated UTF-8 sequence
        {hexBytes("F4 90 80 80"), TextEncoding::Gbk}, // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detectEncoding(c.bytes), c.expected);
    }
    EXPECT_THROW(detectEncoding(hexBytes("FF FE 5B 00")), EncodingError);
    EXPECT_THROW(detectEncoding(hexBytes("FE FF 00 5B")), EncodingError);
}

TEST(TextEncoding, ConvertsGbkBothWays) {
    const struct {
        const char* text;
        const char* gbk;
    } cases[] = {
        {"[基本参数]", "5B BB F9 B1 BE B2 CE CA FD 5D"},
        {"力值起限", "C1 A6 D6 B5 C6 F0 CF DE"},
        {"控制参数:KY", "BF D8 D6 C6 B2 CE CA FD 3A 4B 59"},
        {"压力机试验系统（2000kN）",
         "D1 B9 C1 A6 BB FA CA D4 D1 E9 CF B5 CD B3 A3 A8 32 30 30 30 6B 4E A3 A9"},
        {"Φ150*300", "A6 B5 31 35 30 2A 33 30 30"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkToUtf8(hexBytes(c.gbk)), c.text);
        EXPECT_EQ(utf8ToGbk(c.text), hexBytes(c.gbk));
    }
}

TEST(TextEncoding, EveryGbkDoubleByteCharacterSurvivesARoundTrip) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string text = gbkToUtf8(bytes);
            ASSERT_NE(text, "\xEF\xBF\xBD\xEF\xBF\xBD") << std::hex << lead << ' ' << trail;
            ASSERT_EQ(utf8ToGbk(text), bytes) << std::hex << lead << ' ' << trail;
        }
    }
}

TEST(TextEncoding, CharactersOutsideGbkAreKeptThroughGb18030) {
    const std::string text = "€ 😀";
    EXPECT_EQ(utf8ToGbk(text), hexBytes("A2 E3 20 94 39 FC 36"));
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(text)), text);
}

TEST(TextEncoding, InvalidGbkBytesBecomeReplacementCharacters) {
    EXPECT_EQ(gbkToUtf8(hexBytes("61 FF 62")), "a\xEF\xBF\xBD"
                                               "b");
    EXPECT_EQ(gbkToUtf8(hexBytes("61 C1")), "a\xEF\xBF\xBD"); // truncated at the end
    EXPECT_THROW(utf8ToGbk(hexBytes("C1 A6")), EncodingError);
}

TEST(TextEncoding, Utf8AndUtf16) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"COM1", u"COM1"},
        {"无效", u"\u65E0\u6548"},
        {"😀", u"\xD83D\xDE00"},
        {"Φ150", u"\u03A6"
                 u"150"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
    EXPECT_EQ(utf16ToUtf8(u"功能无效"), "功能无效");
    EXPECT_EQ(utf16ToUtf8(static_cast<const char16_t*>(nullptr)), "");
}

TEST(TextEncoding, BrokenUnicodeBecomesReplacementCharacters) {
    EXPECT_EQ(utf8ToUtf16(hexBytes("61 FF 62")), u"a\uFFFD"
                                                 u"b");
    EXPECT_EQ(utf8ToUtf16(hexBytes("E6 97")), u"\uFFFD\uFFFD");
    EXPECT_EQ(utf16ToUtf8(std::u16string(u"a") + char16_t(0xD83D) + u"b"), "a\xEF\xBF\xBD"
                                                                           "b");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xDE00))), "\xEF\xBF\xBD");
}

TEST(TextEncoding, Utf8PrefixCountsCharacters) {
    EXPECT_EQ(utf8Prefix("压力机abc", 4), "压力机a");
    EXPECT_EQ(utf8Prefix("abc", 10), "abc");
    EXPECT_EQ(utf8Prefix("😀x", 1), "😀");
    EXPECT_EQ(utf8Prefix("abc", 0), "");
}

} // namespace
} // namespace vamo::platform

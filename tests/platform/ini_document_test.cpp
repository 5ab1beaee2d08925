#include "platform/ini_document.h"
#include "platform/platform_error.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vamo::platform {
namespace {

using test::hexBytes;

const std::string kSample = "; station settings\n"
                            "orphan=before any section\n"
                            "[Basic]\n"
                            "  Speed = 12.5  \n"
                            "NAME=\"quoted value\"\n"
                            "padded = \"  inside blanks  \"\n"
                            "empty=\n"
                            "half=\"open\n"
                            "a=b=c\n"
                            "dup=first\n"
                            "dup=second\n"
                            "no value line\n"
                            ";commented=1\n"
                            "[ Other Section ]\n"
                            "speed=99\n"
                            "[basic]\n"
                            "late=in a second section of the same name\n";

struct ReadCase {
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniDocumentRead, FindsKeysLikeTheProfileFunctions) {
    const IniDocument document = IniDocument::parse(kSample);
    const ReadCase cases[] = {
        {"Basic", "Speed", "12.5"}, // blanks around name and value dropped
        {"BASIC", "speed", "12.5"}, // ASCII case ignored in both names
        {"basic", "name", "quoted value"}, // a pair of double quotes removed
        {"Basic", "padded", "  inside blanks  "}, // blanks inside the quotes stay
        {"Basic", "empty", ""}, // present but empty
        {"Basic", "half", "\"open"}, // a single quote character stays
        {"Basic", "a", "b=c"}, // the first "=" separates
        {"Basic", "dup", "first"}, // the first of two keys counts
        {"Basic", "no value line", std::nullopt}, // a line without "=" is no key
        {"Basic", ";commented", std::nullopt}, // comments are no keys
        {"Basic", "orphan", std::nullopt}, // keys before the first section belong to none
        {"Basic", "late", std::nullopt}, // only the first section of a name counts
        {"other section", "SPEED", "99"}, // section name trimmed inside the brackets
        {"Other", "speed", std::nullopt},
        {"Missing", "speed", std::nullopt},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(document.value(c.section, c.key), c.expected) << c.section << " / " << c.key;
    }
    EXPECT_TRUE(document.hasSection("other SECTION"));
    EXPECT_FALSE(document.hasSection("Missing"));
}

TEST(IniDocumentRead, CaseIsIgnoredOnlyForAsciiLetters) {
    const IniDocument document = IniDocument::parse("[SC_FLAG]\nLink_Flag=1\n[Ä]\nk=2\n");
    EXPECT_EQ(document.value("SC_Flag", "link_flag"), "1");
    EXPECT_EQ(document.value("Ä", "k"), "2");
    EXPECT_EQ(document.value("ä", "k"), std::nullopt);
}

TEST(IniDocumentRead, ParseAndSerializeGiveBackTheSameBytes) {
    const std::string variants[] = {
        kSample,
        "[a]\r\nk=1\r\n\r\n[b]\r\nx=2", // CRLF, no final line ending
        "\xEF\xBB\xBF[a]\nk=1\n", // UTF-8 with BOM
        "",
        "\n\n",
        "[a]\nk=1\r\nj=2\n", // mixed endings
    };
    for (const std::string& bytes : variants) {
        EXPECT_EQ(IniDocument::parse(bytes).serialize(), bytes);
    }
}

TEST(IniDocumentWrite, ReplacesInPlaceAndKeepsEveryOtherLine) {
    IniDocument document = IniDocument::parse("; head\n"
                                              "[Basic]\n"
                                              "  Speed = 12.5  \n"
                                              "other = 1\n"
                                              "\n"
                                              "[Next]\n"
                                              "speed=3\n");
    EXPECT_TRUE(document.setValue("basic", "SPEED", "7"));
    EXPECT_EQ(document.serialize(), "; head\n"
                                    "[Basic]\n"
                                    "Speed=7\n" // the key keeps its spelling, written without blanks
                                    "other = 1\n"
                                    "\n"
                                    "[Next]\n"
                                    "speed=3\n");
    EXPECT_EQ(document.value("Basic", "Speed"), "7");
}

TEST(IniDocumentWrite, TheSameValueChangesNothing) {
    const std::string bytes = "[Basic]\n  Speed = \"12.5\"  \r\n";
    IniDocument document = IniDocument::parse(bytes);
    EXPECT_FALSE(document.setValue("Basic", "Speed", "12.5"));
    EXPECT_EQ(document.serialize(), bytes);
}

TEST(IniDocumentWrite, AppendsAKeyAtTheEndOfItsSectionBeforeTheBlankLines) {
    IniDocument document = IniDocument::parse("[a]\n"
                                              "x=1\n"
                                              "; note\n"
                                              "\n"
                                              "\n"
                                              "[b]\n"
                                              "y=2\n");
    document.setValue("A", "new", "v");
    document.setValue("b", "last", "w");
    EXPECT_EQ(document.serialize(), "[a]\n"
                                    "x=1\n"
                                    "; note\n"
                                    "new=v\n"
                                    "\n"
                                    "\n"
                                    "[b]\n"
                                    "y=2\n"
                                    "last=w\n");
}

TEST(IniDocumentWrite, AppendsAMissingSectionAtTheEnd) {
    IniDocument document = IniDocument::parse("[a]\nx=1"); // no final line ending
    document.setValue("Fresh", "k", "1");
    document.setValue("fresh", "j", "2");
    EXPECT_EQ(document.serialize(), "[a]\nx=1\n[Fresh]\nk=1\nj=2\n");
}

TEST(IniDocumentWrite, AnEmptySectionGetsItsFirstKeyAfterTheHeader) {
    IniDocument document = IniDocument::parse("[a]\n\n[b]\n");
    document.setValue("a", "k", "1");
    EXPECT_EQ(document.serialize(), "[a]\nk=1\n\n[b]\n");
}

TEST(IniDocumentWrite, NewLinesTakeTheDominantLineEnding) {
    IniDocument crlf = IniDocument::parse("[a]\r\nx=1\r\ny=2\r\n[b]\nz=3\r\n");
    crlf.setValue("a", "k", "1");
    crlf.setValue("c", "m", "2");
    EXPECT_EQ(crlf.serialize(), "[a]\r\nx=1\r\ny=2\r\nk=1\r\n[b]\nz=3\r\n[c]\r\nm=2\r\n");

    IniDocument lf = IniDocument::parse("[a]\nx=1\r\ny=2\n");
    lf.setValue("a", "x", "5"); // a replaced line keeps its own ending
    lf.setValue("a", "k", "1");
    EXPECT_EQ(lf.serialize(), "[a]\nx=5\r\ny=2\nk=1\n");
}

TEST(IniDocumentWrite, ANewDocumentIsUtf8WithoutBom) {
    IniDocument document;
    document.setValue("基本参数", "力值起限", "0.5");
    EXPECT_EQ(document.encoding(), TextEncoding::Utf8);
    EXPECT_EQ(document.serialize(), "[基本参数]\n力值起限=0.5\n");
}

TEST(IniDocumentWrite, RefusesWhatCannotBeOneLine) {
    IniDocument document = IniDocument::parse("[a]\nx=1\n");
    const std::string before = document.serialize();
    EXPECT_THROW(document.setValue("a", "x", "1\n[evil]\nk=2"), IniError);
    EXPECT_THROW(document.setValue("a", "x", "1\r2"), IniError);
    EXPECT_THROW(document.setValue("a", "x", std::string("1\0", 2)), IniError);
    EXPECT_THROW(document.setValue("a", "x=y", "1"), IniError);
    EXPECT_THROW(document.setValue("a", "", "1"), IniError);
    EXPECT_THROW(document.setValue("a", "[x", "1"), IniError);
    EXPECT_THROW(document.setValue("a]b", "x", "1"), IniError);
    EXPECT_THROW(document.setValue("", "x", "1"), IniError);
    EXPECT_THROW(document.setValue("a", "x", "\xC1\xA6"), EncodingError); // not UTF-8
    EXPECT_EQ(document.serialize(), before);
}

TEST(IniDocumentEncoding, Utf8WithBomKeepsItsBom) {
    IniDocument document = IniDocument::parse("\xEF\xBB\xBF[基本参数]\r\n力值起限=0.5\r\n");
    EXPECT_EQ(document.encoding(), TextEncoding::Utf8WithBom);
    EXPECT_EQ(document.value("基本参数", "力值起限"), "0.5"); // the BOM is not part of the name
    document.setValue("基本参数", "起始力值", "5");
    EXPECT_EQ(document.serialize(), "\xEF\xBB\xBF[基本参数]\r\n力值起限=0.5\r\n起始力值=5\r\n");
}

TEST(IniDocumentEncoding, Utf16IsRefused) {
    EXPECT_THROW(IniDocument::parse(hexBytes("FF FE 5B 00 61 00 5D 00")), EncodingError);
}

TEST(IniDocumentEncoding, GbkIsReadAndWrittenInGbk) {
    // [基本参数]\r\n力值起限=0.5\r\n; 串口设置\r\n[乚]\r\nk=1\r\n
    // "乚" is 81 5D in GBK: its second byte is "]", which must not end the section name.
    const std::string original = hexBytes("5B BB F9 B1 BE B2 CE CA FD 5D 0D 0A"
                                          " C1 A6 D6 B5 C6 F0 CF DE 3D 30 2E 35 0D 0A"
                                          " 3B 20 B4 AE BF DA C9 E8 D6 C3 0D 0A"
                                          " 5B 81 5D 5D 0D 0A"
                                          " 6B 3D 31 0D 0A");
    IniDocument document = IniDocument::parse(original);
    EXPECT_EQ(document.encoding(), TextEncoding::Gbk);
    EXPECT_EQ(document.value("基本参数", "力值起限"), "0.5");
    EXPECT_EQ(document.value("乚", "k"), "1");

    document.setValue("基本参数", "力值起限", "0.75"); // in place
    document.setValue("基本参数", "运行等待时间", "100"); // appended key
    document.setValue("系统参数1", "量程显示", "sys"); // appended section
    const std::string expected = hexBytes("5B BB F9 B1 BE B2 CE CA FD 5D 0D 0A"
                                          " C1 A6 D6 B5 C6 F0 CF DE 3D 30 2E 37 35 0D 0A"
                                          " 3B 20 B4 AE BF DA C9 E8 D6 C3 0D 0A"
                                          " D4 CB D0 D0 B5 C8 B4 FD CA B1 BC E4 3D 31 30 30 0D 0A"
                                          " 5B 81 5D 5D 0D 0A"
                                          " 6B 3D 31 0D 0A"
                                          " 5B CF B5 CD B3 B2 CE CA FD 31 5D 0D 0A"
                                          " C1 BF B3 CC CF D4 CA BE 3D 73 79 73 0D 0A");
    EXPECT_EQ(document.serialize(), expected);
}

TEST(IniDocumentEncoding, InvalidGbkBytesSurviveUntouched) {
    // A lone FF is no GBK character; the line keeps its bytes when another key is written.
    const std::string original = hexBytes("5B 61 5D 0A 6E 3D FF 0A 6D 3D D6 D0 0A");
    IniDocument document = IniDocument::parse(original);
    EXPECT_EQ(document.value("a", "n"), "\xEF\xBF\xBD");
    EXPECT_EQ(document.value("a", "m"), "中");
    document.setValue("a", "m", "文");
    EXPECT_EQ(document.serialize(), hexBytes("5B 61 5D 0A 6E 3D FF 0A 6D 3D CE C4 0A"));
}

} // namespace
} // namespace vamo::platform

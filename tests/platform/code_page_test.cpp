#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace {

TEST(CodePage, RoundTripsGermanTextAndTheHighControlRange) {
    const std::string cp = "F\xFCr den Betrieb \x80 \x84" "abc\x93\x94 \xDF\xE4\xF6";
    const std::string utf8 = platform::cp1252ToUtf8(cp);
    EXPECT_EQ(utf8, u8"F\u00fcr den Betrieb \u20ac \u201e" u8"abc\u201c\u201d \u00df\u00e4\u00f6");
    EXPECT_EQ(platform::utf8ToCp1252(utf8), cp);
}

TEST(CodePage, MalformedOrUnmappableUtf8NeverReadsPastTheEnd) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"\xE2\x82", ""},             // cut-off sequence at the end
        {"a\xFFz", "az"},             // invalid lead byte skipped
        {"\xC3(", "("},               // broken continuation
        {"\xE6\x97\xA5", "?"},        // a character the code page lacks
        {"\xF0\x9F\x98\x80!", "?!"},  // four-byte character
    };
    for (const auto& c : cases) EXPECT_EQ(platform::utf8ToCp1252(c.in), c.out) << c.in;
}

}  // namespace

#include "act/dispatch/Utf16.h"

#include <gtest/gtest.h>

namespace {

using act::dispatch::toUtf16;
using act::dispatch::toUtf8;

TEST(Utf16, TextCrossesBothWaysAndBrokenSequencesBecomeTheReplacementCharacter) {
    const struct {
        std::u16string utf16;
        std::string utf8;
    } both[] = {{u"", ""}, {u"Smith", "Smith"}, {u"Zoë – ß", "Zoë – ß"}, {u"𝄞 😀", "𝄞 😀"}};
    for (const auto& c : both) {
        EXPECT_EQ(toUtf8(c.utf16), c.utf8);
        EXPECT_EQ(toUtf16(c.utf8), c.utf16);
    }
    const struct {
        std::u16string broken;
        std::string utf8;
    } fromAct[] = {{u"a\xD800", "a\uFFFD"}, {u"\xDC00z", "\uFFFDz"}, {u"\xDBFF\xDBFF\xDC00", "\uFFFD\U0010FC00"}};
    for (const auto& c : fromAct)
        EXPECT_EQ(toUtf8(c.broken), c.utf8);
    const struct {
        std::string broken;
        std::u16string utf16;
    } toAct[] = {{"caf\xE9", u"caf\uFFFD"},
                 {"\xC0\xAF", u"\uFFFD\uFFFD"},
                 {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                 {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                 {"\xF8\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                 {"\xE2\x82", u"\uFFFD\uFFFD"}};
    for (const auto& c : toAct)
        EXPECT_EQ(toUtf16(c.broken), c.utf16) << c.broken;
}

} // namespace

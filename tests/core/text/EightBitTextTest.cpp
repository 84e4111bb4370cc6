#include "core/text/EightBitText.h"
#include "core/text/Windows1252.h"

#include <gtest/gtest.h>

using namespace core;
using namespace Qt::StringLiterals;

TEST(EightBitText, DecodesUtf8ElseWindows1252ForTheWholeFile) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"", {}},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", u"café € 😀"_s},
        {QByteArray("\xEF\xBB\xBF") + "A=1", u"A=1"_s}, // byte-order mark dropped
        {"\xEF\xBB\xBF", {}},
        {"caf\xE9", u"café"_s}, // a lead byte at the very end
        {"\x80 \x85 \x99 \x9F \xA0\xFF", u"€ … ™ Ÿ \u00A0ÿ"_s},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"_s}, // undefined bytes: their own C1 controls
        {"\xC3\xA9 \xE9", u"Ã© é"_s},                                  // one bad byte: all of it is 1252
        {"\xC0\x80", u"À€"_s},                                         // overlong NUL is not UTF-8
        {"\xED\xA0\x80", u"í\u00A0€"_s},                               // nor an encoded surrogate
        {"\xEF\xBB\xBF\xE9 \xC3\xA9", u"\uFFFD é"_s},                  // with the mark it is UTF-8 all the same
        {"\xEF\xBB", u"ï»"_s},                                         // half a mark is not one
        {QByteArray("a\0b", 3), QStringView(u"a\0b", 3).toString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(eightbit::decode(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(EightBitText, EncodesEveryCharacterButALoneSurrogateAndEvery1252ByteSurvivesARoundTrip) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(windows1252::fromUnicode(windows1252::toUnicode(static_cast<unsigned char>(byte))), byte) << byte;
    for (const char32_t character : {0x0080, 0x009F, 0x0100, 0x20AD, 0x1F600, 0xD800})
        EXPECT_FALSE(windows1252::fromUnicode(character).has_value()) << static_cast<uint>(character);
    QByteArray out = "stale";
    char32_t bad = 0;
    ASSERT_TRUE(eightbit::encode(u"Zoë € 😀"_s, out, &bad));
    EXPECT_EQ(out, QByteArray("Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const char16_t* text : {u"a\xD800", u"\xDC00z", u"\xDBFF\xDBFF\xDC00"}) {
        out = "stale";
        EXPECT_FALSE(eightbit::encode(QStringView(text).toString(), out, &bad));
        EXPECT_EQ(std::pair(out, QChar::isSurrogate(bad)), std::pair(QByteArray(), true));
    }
    // A message names what cannot be shown by its code point alone.
    EXPECT_EQ(eightbit::describe(0x1F600), u"“😀” (U+1F600)"_s);
    EXPECT_EQ(eightbit::describe(0xD800) + eightbit::describe(0x0009), u"U+D800U+0009"_s);
}

#include "core/text/EightBitText.h"
#include "core/text/Windows1252.h"

#include <gtest/gtest.h>

using namespace core;

TEST(EightBitText, DecodesUtf8ElseWindows1252ForTheWholeFile) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"", {}},
        {"Sort0=1", QStringLiteral("Sort0=1")},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", QStringLiteral("café € 😀")},
        {QByteArray("\xEF\xBB\xBF") + "A=1", QStringLiteral("A=1")}, // byte-order mark dropped
        {"\xEF\xBB\xBF", {}},
        {"caf\xE9", QStringLiteral("café")}, // a lead byte at the very end
        {"\x80 \x85 \x99 \x9F \xA0\xFF", QStringLiteral("€ … ™ Ÿ \u00A0ÿ")},
        {"\xC3\xA9 \xE9", QStringLiteral("Ã© é")},    // one bad byte: all of it is 1252
        {"\xC0\x80", QStringLiteral("À€")},           // overlong NUL is not UTF-8
        {"\xED\xA0\x80", QStringLiteral("í\u00A0€")}, // nor an encoded surrogate
        {"\xEF\xBB\xBF\xE9", QStringLiteral("ï»¿é")}, // a mark on a 1252 file is text
        {QByteArray("a\0b", 3), QStringView(u"a\0b", 3).toString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(eightbit::decode(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(EightBitText, EveryWindows1252ByteSurvivesARoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t character = windows1252::toUnicode(static_cast<unsigned char>(byte));
        EXPECT_EQ(windows1252::fromUnicode(character), byte) << byte;
    }
    // The undefined bytes are their own C1 controls; the defined ones are not.
    const QString undefined = eightbit::decode("\x81\x8D\x8F\x90\x9D");
    EXPECT_EQ(undefined, QStringView(u"\u0081\u008D\u008F\u0090\u009D").toString());
    for (const char32_t character : {0x0080, 0x009F, 0x0100, 0x20AD, 0x1F600, 0xD800})
        EXPECT_FALSE(windows1252::fromUnicode(character).has_value()) << static_cast<uint>(character);
}

TEST(EightBitText, EncodesEveryCharacterButALoneSurrogate) {
    QByteArray out = "stale";
    char32_t bad = 0;
    ASSERT_TRUE(eightbit::encode(QStringLiteral("Zoë € 😀"), out, &bad));
    EXPECT_EQ(out, QByteArray("Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_EQ(eightbit::decode(out), QStringLiteral("Zoë € 😀"));

    for (const QString& text : {QStringView(u"a\xD800").toString(), QStringView(u"\xDC00z").toString(),
                                QStringView(u"\xDBFF\xDBFF\xDC00").toString()}) {
        out = "stale";
        EXPECT_FALSE(eightbit::encode(text, out, &bad));
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(QChar::isSurrogate(bad));
    }
    // A message names what cannot be shown by its code point alone.
    EXPECT_EQ(eightbit::describe(0x1F600), QStringLiteral("“😀” (U+1F600)"));
    EXPECT_EQ(eightbit::describe(0xD800), QStringLiteral("U+D800"));
    EXPECT_EQ(eightbit::describe(0x0009), QStringLiteral("U+0009"));
}

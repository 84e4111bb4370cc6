// The 8-bit text of definitions and data files: decoded whole, and nothing lost when written back.
#include "FuzzSupport.h"

#include "core/text/EightBitText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = core::eightbit::decode(fuzz::input(data, size));
    QByteArray bytes;
    // Text is encoded in pieces (lines, cells); only a file's first piece may not start with a byte-order mark,
    // which the decoder drops, and its writer sees to that.
    if (!text.startsWith(QChar(0xFEFF)) && core::eightbit::encode(text, bytes))
        fuzz::require(core::eightbit::decode(bytes) == text, "encoded text decodes to itself");
    return 0;
}

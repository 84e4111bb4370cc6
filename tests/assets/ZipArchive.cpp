#include "ZipArchive.h"

#include <QtEndian>

// zlib then takes its input as const.
#define ZLIB_CONST
#include <zlib.h>

namespace assets_test {

namespace {

constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 DirectoryHeaderSignature = 0x02014b50;
constexpr quint32 DirectoryEndSignature = 0x06054b50;
constexpr qsizetype LocalHeaderSize = 30;
constexpr qsizetype DirectoryHeaderSize = 46;
constexpr qsizetype DirectoryEndSize = 22;
constexpr quint16 Stored = 0;
constexpr quint16 Deflated = 8;

// Little-endian fields at an offset; reads past the end answer 0, which no signature or length check accepts.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool holds(qsizetype offset, qsizetype size) const {
        return offset >= 0 && size >= 0 && offset <= m_bytes.size() - size;
    }
    quint16 u16(qsizetype offset) const {
        return holds(offset, 2) ? qFromLittleEndian<quint16>(m_bytes.constData() + offset) : 0;
    }
    quint32 u32(qsizetype offset) const {
        return holds(offset, 4) ? qFromLittleEndian<quint32>(m_bytes.constData() + offset) : 0;
    }
    QByteArray bytes(qsizetype offset, qsizetype size) const {
        return holds(offset, size) ? m_bytes.mid(offset, size) : QByteArray();
    }

private:
    const QByteArray& m_bytes;
};

bool inflateRaw(const QByteArray& compressed, qsizetype size, QByteArray& data) {
    data.resize(size);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<const Bytef*>(compressed.constData());
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(data.data());
    stream.avail_out = static_cast<uInt>(data.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    return result == Z_STREAM_END && stream.avail_out == 0;
}

qsizetype findDirectoryEnd(const Reader& reader, qsizetype size) {
    // The end record sits last, before a comment of at most 65,535 bytes.
    for (qsizetype offset = size - DirectoryEndSize; offset >= 0 && offset >= size - DirectoryEndSize - 0xffff;
         --offset)
        if (reader.u32(offset) == DirectoryEndSignature)
            return offset;
    return -1;
}

QString readEntry(const Reader& reader, qsizetype header, ZipContents& contents, qsizetype& next) {
    if (reader.u32(header) != DirectoryHeaderSignature)
        return QStringLiteral("no directory header at %1").arg(header);
    const quint16 method = reader.u16(header + 10);
    const quint32 crc = reader.u32(header + 16);
    const quint32 compressedSize = reader.u32(header + 20);
    const quint32 size = reader.u32(header + 24);
    const quint16 nameLength = reader.u16(header + 28);
    const QByteArray name = reader.bytes(header + DirectoryHeaderSize, nameLength);
    const qsizetype local = reader.u32(header + 42);
    next = header + DirectoryHeaderSize + nameLength + reader.u16(header + 30) + reader.u16(header + 32);

    if (reader.u32(local) != LocalHeaderSignature || reader.bytes(local + LocalHeaderSize, nameLength) != name)
        return QStringLiteral("the local header of %1 does not match").arg(QString::fromUtf8(name));
    const qsizetype dataOffset = local + LocalHeaderSize + reader.u16(local + 26) + reader.u16(local + 28);
    if (!reader.holds(dataOffset, compressedSize))
        return QStringLiteral("%1 is cut short").arg(QString::fromUtf8(name));
    const QByteArray stored = reader.bytes(dataOffset, compressedSize);

    QByteArray data;
    if (method == Stored)
        data = stored;
    else if (method != Deflated || !inflateRaw(stored, size, data))
        return QStringLiteral("%1 does not inflate").arg(QString::fromUtf8(name));
    const auto dataCrc = crc32(0, reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size()));
    if (static_cast<quint32>(data.size()) != size || dataCrc != crc)
        return QStringLiteral("%1 fails its size or CRC").arg(QString::fromUtf8(name));
    contents.entries.insert(QString::fromUtf8(name), data);
    return {};
}

} // namespace

ZipContents readZip(const QByteArray& archive) {
    ZipContents contents;
    const Reader reader(archive);
    const qsizetype end = findDirectoryEnd(reader, archive.size());
    if (end < 0) {
        contents.error = QStringLiteral("no end of central directory");
        return contents;
    }
    const quint16 count = reader.u16(end + 10);
    qsizetype header = reader.u32(end + 16);
    for (quint16 i = 0; i < count && contents.error.isEmpty(); ++i)
        contents.error = readEntry(reader, header, contents, header);
    if (contents.error.isEmpty() && count == 0)
        contents.error = QStringLiteral("no entries");
    return contents;
}

} // namespace assets_test

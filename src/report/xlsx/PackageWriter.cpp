#include "PackageWriter.h"

#include "core/text/SaveFile.h"

#include <quazip/quazipnewinfo.h>

#include <QDir>

namespace report::xlsx {

namespace {

// Compression is most of the time a report takes; the fastest level costs a quarter more in size.
constexpr int CompressionLevel = 1;

} // namespace

PackageWriter::PackageWriter(const QString& path)
    : m_name(QDir::toNativeSeparators(path)), m_file(path), m_zip(&m_file), m_part(&m_zip) {
    m_zip.setAutoClose(false);
    if (const QString why = core::openForSaving(m_file); !why.isEmpty())
        fail(why);
    else if (!m_zip.open(QuaZip::mdCreate))
        fail();
}

PackageWriter::~PackageWriter() {
    if (m_part.isOpen())
        m_part.close();
    if (m_zip.isOpen())
        m_zip.close();
}

bool PackageWriter::open(const QString& name) {
    if (!m_problem.isEmpty())
        return false;
    return m_part.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, Z_DEFLATED, CompressionLevel) || fail();
}

bool PackageWriter::write(QByteArrayView bytes) {
    if (!m_problem.isEmpty())
        return false;
    return m_part.write(bytes.data(), bytes.size()) == bytes.size() || fail();
}

bool PackageWriter::close() {
    if (!m_problem.isEmpty())
        return false;
    m_part.close();
    return m_part.getZipError() == ZIP_OK || fail();
}

bool PackageWriter::commit() {
    if (!m_problem.isEmpty())
        return false;
    m_zip.close();
    if (m_zip.getZipError() != ZIP_OK)
        return fail();
    if (const QString why = core::readyToCommit(m_file); !why.isEmpty())
        return fail(why);
    return m_file.commit() || fail();
}

bool PackageWriter::fail() {
    // The file's own error says more than the archive's code ("No space left on device").
    return fail(m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                       : QStringLiteral("zip error %1").arg(m_zip.getZipError()));
}

bool PackageWriter::fail(const QString& reason) {
    if (m_problem.isEmpty())
        m_problem = QStringLiteral("cannot write %1: %2").arg(m_name, reason);
    m_file.cancelWriting();
    return false;
}

} // namespace report::xlsx

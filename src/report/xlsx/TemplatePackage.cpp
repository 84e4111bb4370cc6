#include "TemplatePackage.h"

#include "XmlText.h"

#include <quazip/quazipfile.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace report::xlsx {

namespace {

// A part held as text is the package's XML, a few megabytes even for a large template; anything this large is
// damaged or hostile. Copied parts (pictures) may be larger, but not without bound.
constexpr qint64 MaxHeldPart = 32 << 20;
constexpr qint64 MaxCopiedPart = qint64(1) << 30;
constexpr qint64 ChunkSize = 1 << 16;

} // namespace

TemplatePackage::TemplatePackage(const QString& path) : m_name(QDir::toNativeSeparators(path)), m_zip(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(QStringLiteral("cannot read %1: %2").arg(m_name, file.errorString()));
        return;
    }
    file.close();
    if (!m_zip.open(QuaZip::mdUnzip)) {
        refuse(QStringLiteral("%1 is not a spreadsheet package").arg(m_name));
        return;
    }
    for (const QString& entry : m_zip.getFileNameList()) {
        const QString folded = entry.toLower();
        if (m_byFoldedName.contains(folded))
            continue;
        m_byFoldedName.insert(folded, entry);
        m_entries.append(entry);
    }
}

std::optional<QString> TemplatePackage::text(const QString& entry) {
    QByteArray bytes;
    const bool complete = read(entry, [&](QByteArrayView piece) {
        if (bytes.size() + piece.size() > MaxHeldPart)
            return refuse(tooLarge(entry, MaxHeldPart));
        bytes.append(piece);
        return true;
    });
    if (!complete)
        return std::nullopt;
    // Parts that are not UTF-8 would need their declared encoding rewritten; no spreadsheet program writes them.
    auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) {
        refuse(QStringLiteral("%1 is not a usable template: its part %2 is not UTF-8").arg(m_name, entry));
        return std::nullopt;
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder(bytes);
    // The XML reader lets some characters XML forbids through, and the report would copy them.
    if (decoder.hasError() || !isXmlText(text)) {
        refuse(damaged(entry, QStringLiteral("it holds characters XML does not allow")));
        return std::nullopt;
    }
    return text;
}

bool TemplatePackage::read(const QString& entry, const std::function<bool(QByteArrayView)>& consume) {
    if (!m_problem.isEmpty())
        return false;
    if (!m_zip.setCurrentFile(entry, QuaZip::csSensitive))
        return refuse(damaged(entry));
    QuaZipFile file(&m_zip);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(damaged(entry));
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 count = file.read(chunk.data(), chunk.size());
        if (count < 0)
            return refuse(damaged(entry));
        if (count == 0)
            break;
        total += count;
        if (total > MaxCopiedPart)
            return refuse(tooLarge(entry, MaxCopiedPart));
        if (!consume(QByteArrayView(chunk.constData(), count)))
            return false;
    }
    // The checksum is compared only once the whole entry has been read.
    file.close();
    if (file.getZipError() != UNZ_OK)
        return refuse(damaged(entry));
    return true;
}

QString TemplatePackage::damaged(const QString& entry, const QString& detail) const {
    const QString problem = QStringLiteral("%1 is damaged: its part %2 cannot be read").arg(m_name, entry);
    return detail.isEmpty() ? problem : QStringLiteral("%1 (%2)").arg(problem, detail);
}

QString TemplatePackage::tooLarge(const QString& entry, qint64 limit) const {
    return QStringLiteral("%1 is not a usable template: its part %2 is larger than %3 MB")
        .arg(m_name, entry)
        .arg(limit >> 20);
}

bool TemplatePackage::refuse(const QString& problem) {
    if (m_problem.isEmpty())
        m_problem = problem;
    return false;
}

} // namespace report::xlsx

#pragma once

#include <quazip/quazip.h>

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace report::xlsx {

// The template's zip archive, read part by part.
class TemplatePackage {
public:
    explicit TemplatePackage(const QString& path);

    // The template as problem texts name it.
    const QString& name() const { return m_name; }
    // "" while all is well; else what went wrong, in plain words.
    const QString& problem() const { return m_problem; }
    // Every entry, once, in archive order.
    const QStringList& entries() const { return m_entries; }
    // The entry of a part name, found regardless of case as package part names are; "" when there is none.
    QString entry(const QString& partName) const { return m_byFoldedName.value(partName.toLower()); }

    // A part small enough to hold, as text (UTF-8); nullopt when it cannot be read.
    std::optional<QString> text(const QString& entry);
    // Hands an entry's bytes to `consume` piece by piece; false when reading fails (problem() says why) or when
    // `consume` refuses a piece.
    bool read(const QString& entry, const std::function<bool(QByteArrayView)>& consume);

    // The problem of a part that cannot be read, and why when that is known.
    QString damaged(const QString& entry, const QString& detail = {}) const;

private:
    QString tooLarge(const QString& entry, qint64 limit) const;
    bool refuse(const QString& problem);

    QString m_name;
    QuaZip m_zip;
    QStringList m_entries;
    QHash<QString, QString> m_byFoldedName;
    QString m_problem;
};

} // namespace report::xlsx

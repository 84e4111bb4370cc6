#pragma once

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace report::xlsx {

// The report's zip archive, written part by part. The target file changes only when commit() succeeds; until
// then, and on any failure, it stays as it was.
class PackageWriter {
public:
    explicit PackageWriter(const QString& path);
    ~PackageWriter();
    PackageWriter(const PackageWriter&) = delete;
    PackageWriter& operator=(const PackageWriter&) = delete;

    // "" while all is well; else why writing failed, in plain words.
    const QString& problem() const { return m_problem; }

    // Starts a part, written piece by piece; one part is open at a time.
    bool open(const QString& name);
    bool write(QByteArrayView bytes);
    bool close();
    // A whole part at once.
    bool add(const QString& name, QByteArrayView bytes) { return open(name) && write(bytes) && close(); }
    // Completes the archive and puts it in place of the target.
    bool commit();

private:
    // Keeps the first reason writing failed and drops what was written; always false.
    bool fail();
    bool fail(const QString& reason);

    QString m_name;
    QSaveFile m_file;
    QuaZip m_zip;
    QuaZipFile m_part;
    QString m_problem;
};

} // namespace report::xlsx

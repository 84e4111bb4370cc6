#include "PackageFiles.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <gtest/gtest.h>

namespace testing_support::report {

PackageFiles readPackage(const QString& path) {
    PackageFiles files;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        ADD_FAILURE() << "cannot open the package " << path.toStdString();
        return files;
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read an entry of " << path.toStdString();
            return files;
        }
        files.insert(file.getActualFileName(), file.readAll());
    }
    return files;
}

void writePackage(const QString& path, const PackageFiles& files) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate)) {
        ADD_FAILURE() << "cannot create the package " << path.toStdString();
        return;
    }
    for (auto file = files.begin(); file != files.end(); ++file) {
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::WriteOnly, QuaZipNewInfo(file.key())) || entry.write(file.value()) < 0)
            ADD_FAILURE() << "cannot write " << file.key().toStdString() << " into " << path.toStdString();
    }
    zip.close();
}

} // namespace testing_support::report

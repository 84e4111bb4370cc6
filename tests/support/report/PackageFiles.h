#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace testing_support::report {

// A zip package's entries by name, to build templates that a spreadsheet library cannot make directly.
using PackageFiles = QMap<QString, QByteArray>;

// Fail the current test when the package cannot be read or written.
PackageFiles readPackage(const QString& path);
void writePackage(const QString& path, const PackageFiles& files);

} // namespace testing_support::report

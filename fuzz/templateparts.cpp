// The XML parts of a report's template inside a sound package, one per NUL-separated piece: content types, package
// relationships, workbook, workbook relationships, first sheet, styles. Compressed bytes hide them from mutation.
#include "FuzzSupport.h"
#include "ReportSupport.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList names{
        QStringLiteral("[Content_Types].xml"),      QStringLiteral("_rels/.rels"),
        QStringLiteral("xl/workbook.xml"),          QStringLiteral("xl/_rels/workbook.xml.rels"),
        QStringLiteral("xl/worksheets/sheet1.xml"), QStringLiteral("xl/styles.xml"),
    };
    const QByteArrayList parts = fuzz::pieces(fuzz::input(data, size), names.size());
    const QString path = fuzz::scratchPath(QStringLiteral("template.xlsx"));
    QuaZip zip(path);
    fuzz::require(zip.open(QuaZip::mdCreate), "the scratch package can be made");
    for (qsizetype part = 0; part < names.size(); ++part) {
        QuaZipFile file(&zip);
        // Stored, not deflated: the package is made for every input.
        fuzz::require(file.open(QIODevice::WriteOnly, QuaZipNewInfo(names[part]), nullptr, 0, 0, 0) &&
                          file.write(parts[part]) == parts[part].size(),
                      "the scratch package takes the part");
        file.close();
    }
    zip.close();
    fuzz::writeReport(path);
    return 0;
}

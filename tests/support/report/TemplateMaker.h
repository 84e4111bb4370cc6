#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace testing_support::report {

// A column style of the template, which report cells in that column start from.
struct TemplateColumn {
    int column = 1;           // 1-based
    std::string numberFormat; // "" for none
    bool bold = false;
};

// A cell of the template: text, or a formula when `formula` is set ("=1+1").
struct TemplateCell {
    int row = 1; // 1-based
    int column = 1;
    std::string text;
    std::string formula;
};

struct TemplateDesign {
    std::vector<TemplateColumn> columns;
    std::vector<TemplateCell> cells;
    std::vector<std::string> merges; // "A4:B4"
    bool picture = false;            // a small PNG at A1, with its drawing part and relationships
};

// Writes a template package made with libxlsxwriter, as a user's spreadsheet program would leave it. Fails the
// current test and returns false when it cannot.
bool makeTemplate(const QString& path, const TemplateDesign& design);

// A package's entries by name, for what a spreadsheet library cannot write.
using PackageFiles = QMap<QString, QByteArray>;

// Rewrites the package at path with its entries changed; fails the current test when it cannot.
void alterPackage(const QString& path, const std::function<void(PackageFiles&)>& change);

} // namespace testing_support::report

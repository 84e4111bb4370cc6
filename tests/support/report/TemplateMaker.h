#pragma once

#include <QString>

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
    bool savedAsTemplate = false;    // the workbook typed as a template, as a spreadsheet program saves .xltx
    bool calcChain = false;          // a calculation chain listing the formula cells
};

// Writes a template package made with libxlsxwriter, as a user's spreadsheet program would leave it. Fails the
// current test and returns false when it cannot.
bool makeTemplate(const QString& path, const TemplateDesign& design);

} // namespace testing_support::report

#pragma once

#include "TemplatePackage.h"

#include <QString>

namespace report::xlsx {

// The template's parts that the report rewrites, found by following the package's relationships from its root
// to the workbook, its first sheet and its styles, and read.
class TemplateParts {
public:
    explicit TemplateParts(TemplatePackage& package);

    // "" when every part was found and read; else what is wrong with the template.
    const QString& problem() const { return m_problem; }

    // Zip entry names.
    const QString& contentTypesEntry() const { return m_contentTypesEntry; }
    const QString& workbookRelationshipsEntry() const { return m_workbookRelationshipsEntry; }
    const QString& sheetEntry() const { return m_sheetEntry; }
    const QString& stylesEntry() const { return m_stylesEntry; }
    // "" when the workbook has no calculation chain.
    const QString& calcChainEntry() const { return m_calcChainEntry; }

    // The content types and the workbook's relationships as the report has them: a workbook, without calcChain.
    const QString& contentTypes() const { return m_contentTypes; }
    const QString& workbookRelationships() const { return m_workbookRelationships; }
    // The template's own texts of the data sheet and the styles.
    const QString& sheet() const { return m_sheet; }
    const QString& styles() const { return m_styles; }

private:
    bool find();
    bool readWorkbook(const QString& workbook);
    // The text of a part that must be there, else `missing` becomes the problem.
    std::optional<QString> readPart(const QString& entry, const QString& missing);
    bool refuse(const QString& problem);
    bool unreadable(const QString& entry, const QString& error);

    TemplatePackage& m_package;
    QString m_contentTypesEntry;
    QString m_workbookRelationshipsEntry;
    QString m_sheetEntry;
    QString m_stylesEntry;
    QString m_calcChainEntry;
    QString m_contentTypes;
    QString m_workbookRelationships;
    QString m_sheet;
    QString m_styles;
    QString m_problem;
};

} // namespace report::xlsx

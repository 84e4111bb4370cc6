#include "TemplateParts.h"

#include "ContentTypes.h"
#include "Relationships.h"
#include "TextSplice.h"
#include "XmlScanner.h"

namespace report::xlsx {

using namespace Qt::StringLiterals;

namespace {

// The relationship id of the workbook's first sheet, which receives the report; "" when it has none.
QString firstSheetId(const QString& workbook, QString& error) {
    XmlScanner scanner(workbook);
    while (scanner.next()) {
        if (!scanner.isStart() || scanner.depth() != 3 || scanner.name() != u"sheet"_s)
            continue;
        for (const QXmlStreamAttribute& attribute : scanner.attributes()) {
            if (attribute.name() == u"id"_s && attribute.namespaceUri().endsWith(u"/relationships"_s))
                return attribute.value().toString();
        }
        return {};
    }
    error = scanner.error();
    return {};
}

} // namespace

TemplateParts::TemplateParts(TemplatePackage& package) : m_package(package) {
    // Reading fails either for a reason of its own or for the package's.
    if (!package.problem().isEmpty() || !find())
        refuse(package.problem());
}

bool TemplateParts::find() {
    const QString notPackage = QStringLiteral("%1 is not a spreadsheet package").arg(m_package.name());
    m_contentTypesEntry = m_package.entry(QStringLiteral("[Content_Types].xml"));
    const QString rootEntry = m_package.entry(relationshipsPartOf({}));
    const std::optional<QString> contentTypes = readPart(m_contentTypesEntry, notPackage);
    const std::optional<QString> rootText = contentTypes ? readPart(rootEntry, notPackage) : std::nullopt;
    if (!rootText)
        return false;
    const Relationships root = readRelationships(*rootText);
    if (!root.error.isEmpty())
        return unreadable(rootEntry, root.error);
    const Relationship* workbook = root.ofType(u"officeDocument"_s);
    if (!workbook)
        return refuse(notPackage);
    if (!readWorkbook(resolveTarget({}, workbook->target)))
        return false;

    QString error;
    m_contentTypes = reportContentTypes(*contentTypes, m_calcChainEntry, error);
    return error.isEmpty() || unreadable(m_contentTypesEntry, error);
}

bool TemplateParts::readWorkbook(const QString& workbook) {
    const QString workbookEntry = m_package.entry(workbook);
    const std::optional<QString> workbookText =
        readPart(workbookEntry, QStringLiteral("%1 has no workbook").arg(m_package.name()));
    if (!workbookText)
        return false;
    QString error;
    const QString sheetId = firstSheetId(*workbookText, error);
    if (!error.isEmpty())
        return unreadable(workbookEntry, error);
    const QString noSheet = QStringLiteral("%1 has no worksheet").arg(m_package.name());
    m_workbookRelationshipsEntry = m_package.entry(relationshipsPartOf(workbookEntry));
    const std::optional<QString> relationshipsText = readPart(m_workbookRelationshipsEntry, noSheet);
    if (!relationshipsText)
        return false;
    const Relationships relationships = readRelationships(*relationshipsText);
    if (!relationships.error.isEmpty())
        return unreadable(m_workbookRelationshipsEntry, relationships.error);

    const Relationship* sheet = relationships.withId(sheetId);
    const auto entryOf = [&](const Relationship* relationship) {
        return relationship && !relationship->external
                   ? m_package.entry(resolveTarget(workbookEntry, relationship->target))
                   : QString();
    };
    m_sheetEntry = sheetId.isEmpty() || !sheet || !sheet->is(u"worksheet"_s) ? QString() : entryOf(sheet);
    m_stylesEntry = entryOf(relationships.ofType(u"styles"_s));
    const Relationship* calcChain = relationships.ofType(u"calcChain"_s);
    m_calcChainEntry = entryOf(calcChain);

    // The chain lists the template's formula cells, which the report replaces; a spreadsheet program rebuilds it.
    TextSplice withoutCalcChain(*relationshipsText);
    if (calcChain)
        withoutCalcChain.remove(calcChain->span.start, calcChain->span.end);
    m_workbookRelationships = withoutCalcChain.text();

    std::optional<QString> sheetText = readPart(m_sheetEntry, noSheet);
    std::optional<QString> stylesText =
        sheetText ? readPart(m_stylesEntry, QStringLiteral("%1 has no styles").arg(m_package.name())) : std::nullopt;
    if (!stylesText)
        return false;
    m_sheet = std::move(*sheetText);
    m_styles = std::move(*stylesText);
    return true;
}

std::optional<QString> TemplateParts::readPart(const QString& entry, const QString& missing) {
    if (entry.isEmpty()) {
        refuse(missing);
        return std::nullopt;
    }
    return m_package.text(entry);
}

bool TemplateParts::refuse(const QString& problem) {
    if (m_problem.isEmpty())
        m_problem = problem;
    return false;
}

bool TemplateParts::unreadable(const QString& entry, const QString& error) {
    return refuse(m_package.damaged(entry, error));
}

} // namespace report::xlsx

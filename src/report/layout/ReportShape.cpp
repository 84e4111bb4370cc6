#include "ReportShape.h"

#include "CaptionColumn.h"
#include "ColumnLetters.h"

#include "core/run/grid/ColumnLayout.h"
#include "report/SheetRow.h"

namespace report {

namespace {

ReportShape refused(const QString& problem) {
    ReportShape shape;
    shape.problem = problem;
    return shape;
}

// The section's sub-total; a section without one calculates nothing.
SectionShape totalShape(const core::ReportDefinition& definition, int section, const std::vector<int>& fields) {
    SectionShape shape;
    shape.total = definition.total(section);
    for (const int field : fields) {
        shape.columns.push_back(definition.columnTotal(field, section));
        if (shape.total.on && shape.columns.back().calculation != core::ColumnTotal::None)
            shape.calculated.push_back(static_cast<int>(shape.columns.size()) - 1);
    }
    return shape;
}

void placeCaptions(ReportShape& shape) {
    std::vector<SectionShape*> totals{&shape.summary};
    for (SectionShape& section : shape.sections)
        totals.push_back(&section);
    std::vector<bool> calculated(shape.kinds.size(), false);
    for (const SectionShape* section : totals) {
        for (const int column : section->calculated)
            calculated[column] = true;
    }
    for (SectionShape* section : totals)
        section->captionColumn = captionColumn(section->total.captionColumn, calculated);
    for (std::size_t column = 0; column < calculated.size(); ++column) {
        if (calculated[column])
            shape.aggregated.push_back(static_cast<int>(column));
    }
}

} // namespace

ReportShape ReportShape::read(const core::ReportDefinition& definition) {
    const core::FillOutcome layout = core::readColumnLayout(definition);
    if (layout.status == core::FillOutcome::Status::NoFields)
        return refused(QStringLiteral("The report has no columns."));
    if (layout.status != core::FillOutcome::Status::Filled)
        return refused(layout.problem);
    ReportShape shape;
    shape.dataColumns = static_cast<int>(layout.columns.size());
    const std::vector<int> fields(layout.columns.begin(), layout.columns.end() - (layout.extraColumn ? 1 : 0));
    const int reportColumns = static_cast<int>(fields.size());
    shape.firstColumn = definition.topLeftColumn();
    if (shape.firstColumn + reportColumns - 1 > MaxSheetColumns)
        return refused(QStringLiteral("The report's %1 columns do not fit on the sheet from column %2.")
                           .arg(reportColumns)
                           .arg(QString::fromStdString(columnLetters(shape.firstColumn))));
    const std::optional<QList<int>> types = definition.fieldTypes();
    if (!types)
        return refused(QStringLiteral("FieldTypes holds a type that is not a number."));
    if (!types->isEmpty() && types->size() != shape.dataColumns)
        return refused(QStringLiteral("FieldTypes names %1 column types, but the data file has %2 columns.")
                           .arg(types->size())
                           .arg(shape.dataColumns));
    for (int column = 0; column < reportColumns; ++column)
        shape.kinds.push_back(types->isEmpty() ? ColumnKind::Text : columnKindOf(types->at(column)));
    shape.firstRow = definition.topLeftRow();
    shape.header = definition.header();
    shape.captions = definition.captions();
    shape.blanked.assign(fields.size(), false);

    for (int level = 0; level < core::ReportDefinition::SectionCount; ++level) {
        const int column = definition.sortColumn(level);
        if (column < 0)
            continue;
        if (column > shape.dataColumns)
            return refused(QStringLiteral("SortCol%1 names column %2, but the data file has %3 columns.")
                               .arg(level)
                               .arg(column)
                               .arg(shape.dataColumns));
        SectionShape section = totalShape(definition, level, fields);
        section.groupColumn = column - 1;
        section.kind = core::sortKindOf(definition.sortLevel(level).type);
        section.title = definition.title(level);
        // The editor never pairs a title with a sub-total above; a file that does gets it below.
        section.total.below = section.total.below || section.title.on;
        if (section.title.on && section.title.noRepeat && section.groupColumn < reportColumns)
            shape.blanked[section.groupColumn] = true;
        shape.sections.push_back(std::move(section));
    }
    shape.summary = totalShape(definition, core::ReportDefinition::Summary, fields);
    placeCaptions(shape);
    return shape;
}

} // namespace report

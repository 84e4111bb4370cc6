#include "core/run/grid/GridFiller.h"

#include "core/run/RunProcedures.h"
#include "core/run/grid/CellText.h"
#include "core/run/grid/ColumnLayout.h"
#include "core/run/select/UserDirectory.h"

#include "core/definition/DefinitionKeys.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

// The empty column of a definition: ACT! is not asked, and it holds text.
constexpr int EmptyColumnField = 950;
constexpr int CharacterType = 1;
constexpr std::size_t ProgressEvery = 2000;

struct Column {
    int fieldId = 0;
    CellRule rule = CellRule::Trimmed;
};

// One fill after the layout is read; each step answers false once the fill has stopped, with the outcome set.
class GridFill {
public:
    GridFill(FillOutcome layout, const act::Connection& connection, ReportGrid& grid, RunProgress& progress)
        : m_outcome(std::move(layout)), m_connection(connection), m_table(*connection.contactTable), m_grid(grid),
          m_progress(progress) {}

    // Each field is checked and typed once here, not once per cell.
    bool prepareColumns() {
        act::FieldList& fields = *m_connection.fieldList;
        for (const int fieldId : m_outcome.columns) {
            if (fieldId == EmptyColumnField) {
                m_columns.push_back({fieldId});
                m_outcome.columnTypes.push_back(CharacterType);
                continue;
            }
            const act::Result<bool> exists = fields.Exists(fieldId);
            if (!exists)
                return stop(errorAt(procedures::Fill_Listview, __LINE__, exists.error()));
            if (!exists.value()) {
                m_outcome.unknownFieldId = fieldId;
                return stop(FillOutcome::Status::UnknownField);
            }
            const act::Result<int> type = fields.Type(fieldId);
            if (!type)
                return stop(errorAt(procedures::Fill_Listview, __LINE__, type.error()));
            m_columns.push_back({fieldId, cellRuleForType(type.value())});
            m_outcome.columnTypes.push_back(type.value());
        }
        return true;
    }

    bool readUsers() {
        if (std::none_of(m_columns.begin(), m_columns.end(),
                         [](const Column& column) { return column.rule == CellRule::UserName; }))
            return true;
        act::Result<UserDirectory> users = UserDirectory::read(*m_connection.usersTable);
        if (!users)
            return stop(errorAt(procedures::Fill_Listview, __LINE__, users.error()));
        m_users = std::move(users).value();
        return true;
    }

    bool fillRows(const std::vector<std::string>& recordIds) {
        m_grid.reset(static_cast<int>(m_columns.size()));
        m_grid.reserve(recordIds.size(), 0);
        const auto total = static_cast<qint64>(recordIds.size());
        for (std::size_t row = 0; row < recordIds.size(); ++row) {
            if (row % ProgressEvery == 0) {
                if (!m_progress.step(QStringLiteral("Reading contacts"), static_cast<qint64>(row), total))
                    return stop(FillOutcome::Status::Cancelled);
                // The first rows tell how much text the rest will bring.
                if (row == ProgressEvery)
                    m_grid.reserve(recordIds.size(), m_textBytes / row * recordIds.size() / 8 * 9);
            }
            if (const act::Status reached = m_table.GoTo(recordIds[row]); !reached)
                return stop(errorAt(procedures::Fill_Listview, __LINE__, reached.error()));
            for (const Column& column : m_columns)
                if (!FormatData(column))
                    return false;
        }
        return true;
    }

    void setSortPositions(ReportDefinition& definition) const {
        for (std::size_t level = 0; level < m_outcome.sortPositions.size(); ++level)
            definition.setValue(keys::sectionKey(keys::SortCol, static_cast<int>(level)),
                                QString::number(m_outcome.sortPositions[level]));
    }

    FillOutcome take() { return std::move(m_outcome); }

private:
    // Appends the current record's cell of one column.
    bool FormatData(const Column& column) {
        if (column.fieldId == EmptyColumnField) {
            m_grid.appendCell({});
            return true;
        }
        const act::Result<std::string> value = m_table.Data(column.fieldId);
        if (!value)
            return stop(errorAt(procedures::FormatData, __LINE__, value.error()));
        const std::string_view text = cellText(column.rule, value.value(), m_users);
        m_grid.appendCell(text);
        m_textBytes += text.size();
        return true;
    }

    bool stop(FillOutcome::Status status) {
        m_outcome.status = status;
        return false;
    }

    bool stop(ErrorReport error) {
        m_outcome.error = std::move(error);
        return stop(FillOutcome::Status::Failed);
    }

    FillOutcome m_outcome;
    const act::Connection& m_connection;
    act::ContactTable& m_table;
    ReportGrid& m_grid;
    RunProgress& m_progress;
    std::vector<Column> m_columns;
    UserDirectory m_users;
    std::size_t m_textBytes = 0;
};

} // namespace

QString unknownFieldMessage(int fieldId) {
    return QStringLiteral("This report uses field %1, which the ACT! database does not have. Please check the "
                          "settings for this report.")
        .arg(fieldId);
}

FillOutcome Fill_Listview(ReportDefinition& definition, const act::Connection& connection,
                          const std::vector<std::string>& recordIds, ReportGrid& grid, RunProgress& progress) {
    grid.reset(0);
    FillOutcome layout = readColumnLayout(definition);
    if (layout.status != FillOutcome::Status::Filled)
        return layout;
    GridFill fill(std::move(layout), connection, grid, progress);
    if (fill.prepareColumns() && fill.readUsers() && fill.fillRows(recordIds))
        fill.setSortPositions(definition);
    return fill.take();
}

} // namespace core

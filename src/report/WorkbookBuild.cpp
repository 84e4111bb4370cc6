#include "WorkbookBuild.h"

#include "DataFileReader.h"
#include "layout/ReportLayout.h"
#include "xlsx/WorkbookWriter.h"

#include "core/ProductName.h"
#include "core/library/ReportCatalogue.h"

#include <QDir>
#include <QFileInfo>

namespace report {

namespace {

using core::RunMessage;
using core::RunStatus;

class Build {
public:
    Build(const HandOff& handOff, core::RunFrontEnd& front, const QLocale& locale)
        : m_handOff(handOff), m_front(front), m_locale(locale) {}

    RunStatus run(const QString& target, bool replace) {
        if (m_handOff.reportTemplate.isEmpty())
            return fail(RunStatus::DefinitionProblem,
                        QStringLiteral("There is no report to build: the last run named no Excel template."));
        if (!QFileInfo(m_handOff.reportTemplate).isFile())
            return fail(RunStatus::DefinitionProblem, QStringLiteral("The Excel template of this report is missing: %1")
                                                          .arg(QDir::toNativeSeparators(m_handOff.reportTemplate)));
        ReportLayout layout(m_handOff.definition, m_locale);
        if (!layout.problem().isEmpty())
            return fail(RunStatus::DefinitionProblem, layout.problem());
        xlsx::WorkbookWriter writer(m_handOff.reportTemplate);
        if (!writer.problem().isEmpty())
            return fail(RunStatus::DefinitionProblem, writer.problem());
        DataFileReader rows(m_handOff.dataFile);
        if (!rows.open())
            return fail(RunStatus::DefinitionProblem, rows.problem());

        if (!layout.plan(rows, m_front))
            return stopped(layout.problem());
        if (layout.lastRow() > MaxSheetRows)
            return fail(RunStatus::DefinitionProblem,
                        QStringLiteral("This report would need %L1 rows, but a worksheet holds at most %L2.")
                            .arg(layout.lastRow())
                            .arg(MaxSheetRows));
        return write(layout, writer, rows, target, replace);
    }

private:
    RunStatus write(ReportLayout& layout, xlsx::WorkbookWriter& writer, DataFileReader& rows, const QString& target,
                    bool replace) {
        const QFileInfo targetInfo(target);
        if (!replace && targetInfo.exists())
            return writeFailed(target, QStringLiteral("a file of that name is there already"));
        if (!QDir().mkpath(targetInfo.absolutePath()))
            return writeFailed(target, QStringLiteral("its folder cannot be made"));
        // The writer keeps the target as it was until the whole workbook is written.
        const xlsx::SheetExtent extent{layout.firstRow(), static_cast<int>(layout.lastRow()), layout.lastColumn(),
                                       layout.maxOutlineLevel()};
        if (!writer.begin(target, layout.styles(), extent, m_locale))
            return writeFailed(target, writer.problem());
        if (!layout.write(rows, writer.sheet(), m_front))
            return writer.problem().isEmpty() ? stopped(layout.problem()) : writeFailed(target, writer.problem());
        if (!writer.finish())
            return writeFailed(target, writer.problem());
        return RunStatus::Done;
    }

    // A pass that stopped: cancelled by the user when nothing says why.
    RunStatus stopped(const QString& why) {
        if (why.isEmpty()) {
            m_front.setBusy(false);
            return RunStatus::Cancelled;
        }
        return fail(RunStatus::DefinitionProblem, why);
    }

    RunStatus writeFailed(const QString& target, const QString& why) {
        return fail(RunStatus::WriteFailed, QStringLiteral("The Excel report could not be written to %1: %2")
                                                .arg(QDir::toNativeSeparators(target), why));
    }

    RunStatus fail(RunStatus status, const QString& text) {
        m_front.setBusy(false);
        m_front.message({text, core::ProductName, RunMessage::Icon::Exclamation});
        return status;
    }

    const HandOff& m_handOff;
    core::RunFrontEnd& m_front;
    const QLocale& m_locale;
};

} // namespace

RunStatus buildWorkbook(const HandOff& handOff, const QString& target, bool replace, core::RunFrontEnd& front,
                        const QLocale& locale) {
    return Build(handOff, front, locale).run(target, replace);
}

} // namespace report

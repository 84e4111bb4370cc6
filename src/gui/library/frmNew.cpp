#include "frmNew.h"

#include "core/ErrorReport.h"

#include <QLineEdit>

namespace gui {

namespace {

QString caption(core::OutputType type) {
    return type == core::OutputType::ExcelReport ? QStringLiteral("New Excel Report") : QStringLiteral("New CSV File");
}

QString prompt(core::OutputType type) {
    return type == core::OutputType::ExcelReport ? QStringLiteral("Choose a name for the new Excel report :")
                                                 : QStringLiteral("Choose a name for the new CSV file :");
}

} // namespace

frmNew::frmNew(const core::ReportLibrary& library, QString reportToBeCopied, QWidget* parent)
    : NameDialog(QStringLiteral("frmNew"), caption(library.outputType()), prompt(library.outputType()), parent),
      m_library(library), m_reportToBeCopied(std::move(reportToBeCopied)) {}

void frmNew::cmdOK_Click() {
    const QString name = txtNewName->text();
    const core::LibraryResult result =
        m_reportToBeCopied.isEmpty() ? m_library.create(name) : m_library.duplicate(m_reportToBeCopied, name);
    if (!result.ok()) {
        refuse(result, {"frmNew", "Sub", "cmdOK_Click"}, __LINE__);
        return;
    }
    m_currentReportName = name;
    accept();
}

} // namespace gui

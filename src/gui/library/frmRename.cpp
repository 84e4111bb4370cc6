#include "frmRename.h"

#include "core/ErrorReport.h"
#include "gui/common/TextBoxHelpers.h"

#include <QLineEdit>

namespace gui {

frmRename::frmRename(const core::ReportLibrary& library, QString reportToRename, QWidget* parent)
    : NameDialog(QStringLiteral("frmRename"), QStringLiteral("Rename report"),
                 QStringLiteral("Choose a new name for the report:"), parent),
      m_library(library), m_reportToRename(std::move(reportToRename)) {
    if (!m_reportToRename.isEmpty()) {
        txtNewName->setText(m_reportToRename);
        GiveFocus(txtNewName);
    }
}

void frmRename::cmdOK_Click() {
    const QString name = txtNewName->text();
    if (const core::LibraryResult result = m_library.rename(m_reportToRename, name); !result.ok()) {
        refuse(result, {"frmRename", "Sub", "cmdOK_Click"}, __LINE__);
        return;
    }
    if (name != m_reportToRename)
        m_newName = name;
    accept();
}

} // namespace gui

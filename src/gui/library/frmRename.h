#pragma once

#include "NameDialog.h"

#include "core/library/ReportLibrary.h"

namespace gui {

// The rename dialog: moves a report's files to the name typed.
class frmRename : public NameDialog {
    Q_OBJECT

public:
    frmRename(const core::ReportLibrary& library, QString reportToRename, QWidget* parent = nullptr);

    // The report's new name once it has it; "" when the name stayed.
    const QString& sNewName() const { return m_newName; }

private:
    void cmdOK_Click() override;

    const core::ReportLibrary& m_library;
    QString m_reportToRename;
    QString m_newName;
};

} // namespace gui

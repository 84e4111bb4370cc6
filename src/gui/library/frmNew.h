#pragma once

#include "NameDialog.h"

#include "core/library/ReportLibrary.h"

namespace gui {

// The new report dialog: a report of the library's output type under the name typed, made from the stock files,
// or from the files of the report to be copied when one is given (Duplicate).
class frmNew : public NameDialog {
    Q_OBJECT

public:
    frmNew(const core::ReportLibrary& library, QString reportToBeCopied, QWidget* parent = nullptr);

    // The name of the report created; "" when none was.
    const QString& currentReportName() const { return m_currentReportName; }

private:
    void cmdOK_Click() override;

    const core::ReportLibrary& m_library;
    QString m_reportToBeCopied;
    QString m_currentReportName;
};

} // namespace gui

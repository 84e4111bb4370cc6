#include "frmReportList.h"

#include "LibraryActions.h"
#include "frmNew.h"
#include "frmRename.h"

#include "core/library/ReportLibrary.h"
#include "gui/common/ControlNames.h"
#include "gui/common/ListHelpers.h"
#include "gui/editor/frmReportSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

// Error boxes name the module by its first name.
constexpr core::Procedure OKClick{"frmCopy", "Sub", "cmdOK_Click"};

struct Captions {
    const char* dialog;
    const char* ok;
};

Captions captions(ReportListCommand command) {
    switch (command) {
    case ReportListCommand::Edit:
        return {"Edit Report", "&Open"};
    case ReportListCommand::Delete:
        return {"Delete report", "&Delete"};
    case ReportListCommand::Rename:
        return {"Rename report", "&Rename"};
    case ReportListCommand::Duplicate:
        return {"Duplicate report", "&Duplicate"};
    case ReportListCommand::MakeCsv:
        return {"Make CSV report", "&Create"};
    case ReportListCommand::EditTemplate:
        break;
    }
    return {"Edit Excel Template", "&Open"};
}

} // namespace

frmReportList::frmReportList(ReportListCommand command, const core::ReportLibrary& library, core::SettingsStore& store,
                             const QString& preselected, QWidget* parent, act::FieldList* fields)
    : QDialog(parent), m_command(command), m_library(library), m_store(store), m_fields(fields),
      lblReports(named(new QLabel(QStringLiteral("Select a report template:"), this), "lblReports")),
      lstReports(named(new QListWidget(this), "lstReports")),
      cmdOK(named(new QPushButton(QString::fromLatin1(captions(command).ok), this), "cmdOK")),
      cmdCancel(named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel")) {
    setObjectName(QStringLiteral("frmReportList"));
    setWindowTitle(QString::fromLatin1(captions(command).dialog));
    cmdOK->setDefault(true);
    lstReports->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblReports);
    layout->addWidget(lstReports);
    layout->addLayout(buttons);
    resize(340, 300);

    connect(cmdOK, &QPushButton::clicked, this, &frmReportList::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstReports, &QListWidget::itemDoubleClicked, this, &frmReportList::cmdOK_Click);
    Form_Load(preselected);
}

void frmReportList::Form_Load(const QString& preselected) {
    Load_Reports(lstReports, m_library.reportFolder(), static_cast<int>(m_library.outputType()));
    if (lstReports->count() == 0)
        return;
    const QList<QListWidgetItem*> found = lstReports->findItems(preselected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    lstReports->setCurrentItem(found.isEmpty() ? lstReports->item(0) : found.constFirst());
}

void frmReportList::cmdOK_Click() {
    const QList<QListWidgetItem*> selected = lstReports->selectedItems();
    if (selected.isEmpty())
        return;
    if (act(selected.constFirst()->text()))
        accept();
}

bool frmReportList::act(const QString& chosen) {
    switch (m_command) {
    case ReportListCommand::Edit:
        frmReportSettings::edit(m_store, *m_fields,
                                {m_library.reportFolder(), chosen, static_cast<int>(m_library.outputType())}, this);
        return true;
    case ReportListCommand::Delete: {
        const Deletion deletion = deleteReport(m_library, chosen, OKClick, this);
        m_deletionFlag = true;
        if (deletion != Deletion::Failed)
            return true;
        // What is left of the report is what the list shows now.
        Form_Load(chosen);
        return false;
    }
    case ReportListCommand::Rename: {
        frmRename rename(m_library, chosen, this);
        rename.exec();
        m_newName = rename.sNewName();
        return true;
    }
    case ReportListCommand::Duplicate: {
        frmNew duplicate(m_library, chosen, this);
        duplicate.exec();
        return true;
    }
    case ReportListCommand::MakeCsv:
        return makeCsvReport(m_library, chosen, OKClick, this);
    case ReportListCommand::EditTemplate:
        break;
    }
    return editExcelTemplate(m_store, m_library, chosen, QStringLiteral("Launch.XLS"), OKClick, this);
}

} // namespace gui

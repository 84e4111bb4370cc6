#pragma once

#include "core/definition/ReportDefinition.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace gui {

class ColourBox;

// The style and colour of a line: under a section's title (prefix "Title") or on a sub-total row ("Total"). It
// edits the working copy; OK writes the two keys, Cancel nothing.
class frmBorder : public QDialog {
public:
    explicit frmBorder(core::ReportDefinition& definition, QWidget* parent = nullptr);
    // Opens the dialog modally over a window on the line of a prefix and a section.
    static void edit(core::ReportDefinition& definition, const QString& prefix, int section, QWidget* parent);

    // Set before Load_settings: the keys' prefix and their section, 0 to 2 or 99.
    QString sRegistry;
    int iRegistry = 0;
    // Shows the stored line, a stored value it cannot show named once and replaced by the default.
    void Load_settings();

private:
    void cmdOK_Click();

    core::ReportDefinition& m_definition;
    QLabel* lblBorderStyle;
    QComboBox* cboBorderStyle;
    QLabel* lblColor;
    ColourBox* picColor;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace gui

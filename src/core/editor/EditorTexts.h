#pragma once

#include "EditorFields.h"
#include "EditorValues.h"

#include <QString>

// The definition editor's messages.
namespace core::texts {

inline const QString ReportSettingsCaption = QStringLiteral("Report Settings");
inline const QString SaveChanges = QStringLiteral("Do you want to save the changes to this report?");
inline const QString BadTopLeftColumn =
    QStringLiteral("Please enter one or two letters, A to ZZ, in the box \"Column :\" of the Top Left cell.");
inline const QString BadTopLeftRow =
    QStringLiteral("Please enter a number from 1 to 1,048,576 in the box \"Row :\" of the Top Left cell.");

// The question asked when a title would stand over a sub-total placed above the section.
inline const QString IncompatibleSettingsTitle = QStringLiteral("Incompatible Settings");
inline const QString IncompatibleSettings =
    QStringLiteral("You can't have a title and a sub-total above the section.\r"
                   "Click Yes to add a title (the sub-total will be moved to the bottom of the section) \r"
                   "or No to abort.\r");
inline const QString SubTotalOptionsCaption = QStringLiteral("Sub-Total Options");
inline const QString BorderCaption = QStringLiteral("Border");
// The sub-total options refuse a caption column outside the report's columns.
QString badCaptionColumn(int columns);

// Names every stored value the editor could not read and what it shows instead; "" when there is none.
QString unreadSettings(const QList<editor::UnreadValue>& unread, const editor::IncludedFields& columns);
// The same for a dialog, which keeps nothing it did not write.
QString unreadInDialog(const QList<editor::UnreadValue>& unread);

} // namespace core::texts

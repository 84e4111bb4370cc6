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

// Names every stored value the editor could not read and what it shows instead; "" when there is none.
QString unreadSettings(const QList<editor::UnreadValue>& unread, const editor::IncludedFields& columns);

} // namespace core::texts

#include "EditorTexts.h"

#include "SubTotalOptions.h"

#include "core/definition/DefinitionKeys.h"

namespace core::texts {

namespace {

const QString CouldNotBeRead = QStringLiteral("Some settings of this report could not be read:\r\r%1");

QStringList unreadLines(const QList<editor::UnreadValue>& unread) {
    QStringList lines;
    for (const editor::UnreadValue& value : unread)
        lines.append(QStringLiteral("%1 = \"%2\": the default is shown").arg(value.key, value.value));
    return lines;
}

} // namespace

QString badCaptionColumn(int columns) {
    return QStringLiteral("Please enter a column number from 1 to %1 in the box \"Write this caption in column :\".")
        .arg(editor::lastCaptionColumn(columns));
}

QString unreadSettings(const QList<editor::UnreadValue>& unread, const editor::IncludedFields& columns) {
    QStringList lines = unreadLines(unread);
    for (const QString& piece : columns.notNumbers)
        lines.append(
            QStringLiteral("%1: \"%2\" is not a field number and is left out").arg(keys::FieldsIncluded, piece));
    for (const int id : columns.unknown)
        lines.append(QStringLiteral("%1: ACT! has no field %2; it is listed as \"%3\" until you remove it")
                         .arg(keys::FieldsIncluded)
                         .arg(id)
                         .arg(editor::unknownFieldLabel(id)));
    if (lines.isEmpty())
        return {};
    return CouldNotBeRead.arg(lines.join(u'\r')) + QStringLiteral("\r\rClose saves what the window shows.");
}

QString unreadInDialog(const QList<editor::UnreadValue>& unread) {
    return unread.isEmpty() ? QString() : CouldNotBeRead.arg(unreadLines(unread).join(u'\r'));
}

} // namespace core::texts

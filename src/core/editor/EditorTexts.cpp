#include "EditorTexts.h"

#include "core/definition/DefinitionKeys.h"

namespace core::texts {

QString unreadSettings(const QList<editor::UnreadValue>& unread, const editor::IncludedFields& columns) {
    QStringList lines;
    for (const editor::UnreadValue& value : unread)
        lines.append(QStringLiteral("%1 = \"%2\": the default is shown").arg(value.key, value.value));
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
    return QStringLiteral("Some settings of this report could not be read:\r\r%1\r\rClose saves what the window shows.")
        .arg(lines.join(u'\r'));
}

} // namespace core::texts

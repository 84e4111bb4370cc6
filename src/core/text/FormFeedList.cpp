#include "FormFeedList.h"

namespace core {

QStringList readList(const QString& stored) {
    QStringList elements = stored.split(FormFeed);
    if (stored.endsWith(FormFeed) || stored.isEmpty())
        elements.removeLast();
    return elements;
}

QString writeList(const QStringList& elements) {
    QString stored;
    for (const QString& element : elements)
        stored += element + FormFeed;
    return stored;
}

} // namespace core

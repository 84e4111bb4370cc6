#include "ReportCatalogue.h"

#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace core {

QString Ext(const QString& file) {
    return QFileInfo(file).fileName().right(4);
}

QString NameOnly(const QString& file) {
    const QString name = QFileInfo(file).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString templateFile(const QString& reportFolder, const QString& reportName) {
    const QDir folder(reportFolder);
    const QString exact = reportName + extension::Template;
    if (QFileInfo(folder.filePath(exact)).isFile())
        return folder.filePath(exact);
    // Compared by hand: a name filter would read "*" or "[" in a report name as a pattern.
    for (const QString& candidate : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (candidate.compare(exact, Qt::CaseInsensitive) == 0)
            return folder.filePath(candidate);
    return {};
}

QStringList Load_Reports(const QString& reportFolder, int outputType) {
    QStringList names;
    if (outputType != static_cast<int>(OutputType::ExcelReport) && outputType != static_cast<int>(OutputType::CsvFile))
        return names;
    const QDir folder(reportFolder);
    if (reportFolder.isEmpty() || !folder.exists())
        return names;
    const QString& wanted = extension::Definition[outputType];
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    QSet<QString> templates;
    for (const QString& file : files)
        templates.insert(file.toCaseFolded());
    for (const QString& file : files) {
        // A further "." in the name would list a report whose files don't exist under that name.
        if (Ext(file) != wanted || NameOnly(file) + wanted != file)
            continue;
        const QString name = NameOnly(file);
        if (name.isEmpty())
            continue;
        if (outputType == static_cast<int>(OutputType::ExcelReport) &&
            !templates.contains((name + extension::Template).toCaseFolded()))
            continue;
        names.append(name);
    }
    return names;
}

void sortReportNames(QStringList& names, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

QString storedReportFolder(const SettingsStore& store) {
    const QString stored = store.GetSetting(keys::Settings, keys::TemplatesFolder);
    // A blank folder would put the reports in the file system's root.
    return stored.trimmed().isEmpty() ? programFolder() + QStringLiteral("/Templates") : stored;
}

QString reportFolderPath(const QString& storedFolder) {
    QString path = storedFolder;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

} // namespace core

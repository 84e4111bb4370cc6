#include "DefinitionFile.h"

#include "DefinitionText.h"

#include "core/library/ReportCatalogue.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/EightBitText.h"
#include "core/text/ReadFile.h"
#include "core/text/SaveFile.h"

#include <QDir>
#include <QFileInfo>

namespace core {

namespace {

// A definition is a few kilobytes; a file far larger is not one, and reading it whole could exhaust memory.
constexpr qint64 MaxDefinitionBytes = 16 * 1024 * 1024;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

DefinitionSave saveProblem(const QString& path, const QString& why) {
    return {false, QStringLiteral("The definition file %1 could not be written: %2").arg(shown(path), why)};
}

} // namespace

QString definitionPath(const QString& reportFolder, const QString& reportName, int outputType) {
    if (outputType != static_cast<int>(OutputType::ExcelReport) && outputType != static_cast<int>(OutputType::CsvFile))
        return {};
    return reportFolder + reportName + extension::Definition[outputType];
}

DefinitionLoad Load_DefFile(SettingsStore& store, const QString& reportFolder, const QString& reportName,
                            int outputType) {
    const QString path = definitionPath(reportFolder, reportName, outputType);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        return {DefinitionLoad::Status::Missing, 0, {}};

    QString why;
    const QByteArray bytes = readSmallFile(path, MaxDefinitionBytes, QStringLiteral("a report definition"), &why);
    if (!why.isEmpty())
        return {DefinitionLoad::Status::Unreadable, 0,
                QStringLiteral("The definition file %1 could not be read: %2").arg(shown(path), why)};

    const definition::ParsedLines parsed = definition::parse(eightbit::decode(bytes));
    if (parsed.badLine > 0)
        return {DefinitionLoad::Status::BadLine, parsed.badLine, parsed.problem};
    if (!store.ReplaceSection(keys::Report, parsed.pairs))
        return {DefinitionLoad::Status::StoreFailed, 0, store.writeFailure()};
    return {};
}

DefinitionSave Update_DefFile(const SettingsStore& store, const QString& reportFolder, const QString& reportName,
                              int outputType) {
    const QString path = definitionPath(reportFolder, reportName, outputType);
    if (path.isEmpty())
        return {false, QStringLiteral("There is no definition file for output type %1.").arg(outputType)};

    const definition::FormattedLines formatted = definition::format(store.GetAllSettings(keys::Report));
    if (!formatted.problem.isEmpty())
        return saveProblem(path, formatted.problem);

    if (const QString why = saveFile(path, formatted.bytes); !why.isEmpty())
        return saveProblem(path, why);
    return {};
}

} // namespace core

#include "ReportLibrary.h"

#include "ReportNames.h"

#include "core/ErrorReport.h"
#include "core/text/SaveFile.h"

#include <QDir>
#include <QFile>

namespace core {

namespace {

using Target = FileTransaction::Target;
using Status = LibraryResult::Status;

// what: " could not be written", ...
LibraryResult failed(const QString& file, const QString& what, const QString& why) {
    return {Status::Failed, errors::PathFileAccessError,
            QDir::toNativeSeparators(file) + what + QStringLiteral(": ") + why};
}

LibraryResult missing(const QString& file) {
    return {Status::Failed, errors::FileNotFound, QStringLiteral("File not found: ") + QDir::toNativeSeparators(file)};
}

LibraryResult committed(const FileFailure& failure, bool takenIsName) {
    if (!failure)
        return {};
    if (failure.targetTaken && takenIsName)
        return {Status::NameTaken, 0, QString()};
    return failed(failure.file, QStringLiteral(" could not be written"), failure.reason);
}

LibraryResult removed(const QString& file) {
    QFile doomed(file);
    if (doomed.remove() || !occupied(file))
        return {};
    return failed(file, QStringLiteral(" could not be deleted"), doomed.errorString());
}

} // namespace

ReportLibrary::ReportLibrary(QString reportFolder, QString programFolder, OutputType outputType)
    : m_reportFolder(std::move(reportFolder)), m_programFolder(std::move(programFolder)), m_outputType(outputType) {}

QString ReportLibrary::path(const QString& name, const QString& extension) const {
    return QDir(m_reportFolder).filePath(name + extension);
}

const QString& ReportLibrary::definitionExtension() const {
    return extension::Definition[static_cast<int>(m_outputType)];
}

QString ReportLibrary::templatePath(const QString& name) const {
    const QString found = templateFile(m_reportFolder, name);
    return found.isEmpty() ? path(name, extension::Template) : found;
}

LibraryResult ReportLibrary::checkNewName(const QString& name, const QString& renamedFrom) const {
    if (!isValidReportName(name))
        return {Status::NameRefused, 0, QString()};
    const QString definition = path(name, definitionExtension());
    // A report's own definition answers to a name differing only in case where case is ignored.
    if (occupied(definition) &&
        (renamedFrom.isEmpty() || !sameFile(definition, path(renamedFrom, definitionExtension()))))
        return {Status::NameTaken, 0, QString()};
    return {};
}

LibraryResult ReportLibrary::copy(const std::vector<Copy>& copies, bool takenIsName) {
    FileTransaction transaction;
    for (const Copy& copy : copies) {
        if (!occupied(copy.source))
            return missing(copy.source);
        if (QFile source(copy.source); !source.open(QIODevice::ReadOnly))
            return {Status::SourceLocked, 0, QDir::toNativeSeparators(copy.source)};
        if (const QString why = copyFile(copy.source, transaction.stage(copy.target, copy.mode)); !why.isEmpty())
            return failed(copy.target, QStringLiteral(" could not be written"), why);
    }
    return committed(transaction.commit(), takenIsName);
}

LibraryResult ReportLibrary::create(const QString& name) const {
    if (const LibraryResult refused = checkNewName(name); !refused.ok())
        return refused;
    const QDir stock(m_programFolder);
    if (m_outputType == OutputType::CsvFile)
        return copy(
            {{stock.filePath(QStringLiteral("tlv_def.DCS")), path(name, extension::Definition[1]), Target::MustBeFree}},
            true);
    return copy(
        {{stock.filePath(QStringLiteral("tlv_template.XLT")), path(name, extension::Template), Target::MayBeReplaced},
         {stock.filePath(QStringLiteral("tlv_def.DXL")), path(name, extension::Definition[0]), Target::MustBeFree}},
        true);
}

LibraryResult ReportLibrary::duplicate(const QString& source, const QString& name) const {
    if (const LibraryResult refused = checkNewName(name); !refused.ok())
        return refused;
    std::vector<Copy> copies;
    if (m_outputType == OutputType::ExcelReport)
        copies.push_back({templatePath(source), path(name, extension::Template), Target::MayBeReplaced});
    copies.push_back({path(source, definitionExtension()), path(name, definitionExtension()), Target::MustBeFree});
    return copy(copies, true);
}

LibraryResult ReportLibrary::rename(const QString& from, const QString& to) const {
    if (to == from)
        return {};
    if (const LibraryResult refused = checkNewName(to, from); !refused.ok())
        return refused;
    std::vector<Copy> moves{{path(from, definitionExtension()), path(to, definitionExtension()), Target::MustBeFree}};
    if (m_outputType == OutputType::ExcelReport)
        moves.push_back({templatePath(from), path(to, extension::Template), Target::MayBeReplaced});
    // Every file first leaves its name for a temporary one, so a change of case alone never meets the file itself.
    FileTransaction transaction;
    for (const Copy& move : moves) {
        if (!occupied(move.source))
            return missing(move.source);
        if (const FileFailure failure = transaction.move(move.source, move.target, move.mode))
            return failed(failure.file, QStringLiteral(" could not be renamed"), failure.reason);
    }
    return committed(transaction.commit(), true);
}

LibraryResult ReportLibrary::remove(const QString& name) const {
    if (const LibraryResult definition = removed(path(name, definitionExtension())); !definition.ok())
        return definition;
    if (m_outputType == OutputType::CsvFile)
        return {};
    const QString found = templateFile(m_reportFolder, name);
    return found.isEmpty() ? LibraryResult() : removed(found);
}

bool ReportLibrary::csvReportExists(const QString& name) const {
    return occupied(path(name, extension::Definition[1]));
}

LibraryResult ReportLibrary::makeCsv(const QString& name, bool replace) const {
    return copy({{path(name, extension::Definition[0]), path(name, extension::Definition[1]),
                  replace ? Target::MayBeReplaced : Target::MustBeFree}},
                false);
}

} // namespace core

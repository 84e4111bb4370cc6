#pragma once

#include "ReportCatalogue.h"

#include "core/platform/FileTransaction.h"

#include <QString>

#include <vector>

namespace core {

// How a library command ended.
struct LibraryResult {
    enum class Status {
        Done,
        NameRefused,  // not a name a report can have
        NameTaken,    // another report of the output type has it
        SourceLocked, // a file to copy is there but cannot be read; detail is its path
        Failed        // errorNumber and detail, which names the file and says why
    };
    Status status = Status::Done;
    long errorNumber = 0;
    QString detail;

    bool ok() const { return status == Status::Done; }
};

// The report commands on the files of one report folder, for one output type. Each completes or leaves the folder
// as it was: new names are checked before any file is touched, and a report's files take their names together.
class ReportLibrary {
public:
    ReportLibrary(QString reportFolder, QString programFolder, OutputType outputType);

    const QString& reportFolder() const { return m_reportFolder; }
    OutputType outputType() const { return m_outputType; }

    // A new report from the stock files of the program folder.
    LibraryResult create(const QString& name) const;
    // A new report from the files of the report source.
    LibraryResult duplicate(const QString& source, const QString& name) const;
    // Moves a report's files to the new name; a name differing only in case is fine on any file system.
    LibraryResult rename(const QString& from, const QString& to) const;
    // Deletes the definition first, so that a failure leaves the whole report or a stray template. A file already
    // gone is no failure.
    LibraryResult remove(const QString& name) const;
    // Whether Make CSV of this Excel report would replace a CSV report.
    bool csvReportExists(const QString& name) const;
    // Copies an Excel report's definition to the CSV report of the same name; replacing one only when asked.
    LibraryResult makeCsv(const QString& name, bool replace) const;
    // The template of an Excel report as named on disk, or the name it would have.
    QString templatePath(const QString& name) const;

private:
    struct Copy {
        QString source;
        QString target;
        FileTransaction::Target mode;
    };

    QString path(const QString& name, const QString& extension) const;
    const QString& definitionExtension() const;
    LibraryResult checkNewName(const QString& name, const QString& renamedFrom = QString()) const;
    // The copies, in order, take their names together.
    static LibraryResult copy(const std::vector<Copy>& copies, bool takenIsName);

    QString m_reportFolder;
    QString m_programFolder;
    OutputType m_outputType;
};

} // namespace core

#include "DatabaseCommands.h"

#include "ActDatabaseFile.h"
#include "ContactExporter.h"
#include "ContactImporter.h"
#include "ContactInserter.h"
#include "PendingFile.h"
#include "SampleGenerator.h"
#include "ToolMessages.h"

#include <filesystem>

namespace standin {

namespace {

void addSampleContacts(ActDatabaseFile& database, std::uint64_t count, std::uint64_t seed) {
    SqliteConnection& db = database.sql();
    // The file is temporary until renamed: a crash loses nothing worth a journal or a sync.
    db.exec("PRAGMA journal_mode=OFF");
    db.exec("PRAGMA synchronous=OFF");
    db.exec("BEGIN");
    SampleGenerator generator(seed, database.users());
    ContactInserter inserter(db, SampleGenerator::fieldIds());
    std::vector<std::string> values;
    for (std::uint64_t i = 0; i < count; ++i) {
        generator.next(values);
        inserter.insert(values);
    }
    db.exec("COMMIT");
    db.exec("PRAGMA journal_mode=WAL");
}

} // namespace

act::Status DatabaseCommands::createDatabase(const std::string& path, std::uint64_t sampleCount, std::uint64_t seed) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) || std::filesystem::is_symlink(path, ec))
        return toolmessages::failure(toolmessages::quote(path) + " already exists");
    const std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
    if (!std::filesystem::is_directory(folder, ec))
        return toolmessages::failure("cannot create " + toolmessages::quote(path) + ": no folder " +
                                     toolmessages::quote(folder.string()));
    PendingFile pending(path);
    addSampleContacts(*ActDatabaseFile::create(pending.temporaryPath()), sampleCount, seed);
    return pending.commit();
}

act::Status DatabaseCommands::importContacts(const std::string& path, const std::string& csvPath) {
    const auto database = ActDatabaseFile::open(path, true);
    const act::Result<std::size_t> imported = ContactImporter(*database).importFile(csvPath);
    if (!imported)
        return imported.error();
    return {};
}

act::Status DatabaseCommands::exportContacts(const std::string& path, const std::vector<int>& fieldIds) {
    const auto database = ActDatabaseFile::open(path);
    return ContactExporter(*database).write(fieldIds, m_out);
}

act::Status DatabaseCommands::listFields(const std::string& path) {
    const auto database = ActDatabaseFile::open(path);
    for (const FieldDefinition& f : database->fields())
        m_out << f.position << '\t' << f.id << '\t' << f.label << '\t' << f.type << '\n';
    return {};
}

act::Status DatabaseCommands::listUsers(const std::string& path) {
    const auto database = ActDatabaseFile::open(path);
    for (const UserRecord& user : database->users())
        m_out << user.position << '\t' << user.uniqueId << '\t' << user.name << '\n';
    return {};
}

} // namespace standin

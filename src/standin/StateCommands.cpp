#include "StateCommands.h"

#include "ActDatabaseFile.h"
#include "ClientRegistry.h"
#include "ContactExporter.h"
#include "LookupFile.h"
#include "RecordIds.h"
#include "ToolMessages.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <thread>

namespace standin {

using toolmessages::failure;
using toolmessages::quote;

namespace {

constexpr std::string_view ClientPrefix = "client.";
constexpr auto QuitPoll = std::chrono::milliseconds(50);
constexpr const char* LookupFileName = "lookup.lku";

bool isClientKey(std::string_view key) {
    return key.substr(0, ClientPrefix.size()) == ClientPrefix;
}

// Live registered programs that have not acknowledged the current close request, as "pid pid ...".
std::string unansweredClients(const StateData& data) {
    std::string pids;
    for (const std::string& key : data.keys(StateData::Standin)) {
        if (!isClientKey(key))
            continue;
        long long pid = 0;
        if (std::from_chars(key.data() + ClientPrefix.size(), key.data() + key.size(), pid).ec != std::errc())
            continue;
        if (clients::isProcessAlive(pid) && data.number(StateData::Standin, key, -1) < data.closeRequest())
            pids += (pids.empty() ? "" : " ") + std::to_string(pid);
    }
    return pids;
}

act::Error recordIdError(const std::string& text) {
    return failure(quote(text) + " is not a record id (12 characters, no control characters)");
}

} // namespace

StateCommands::StateCommands(std::ostream& out, std::ostream& err, StateFile state, std::chrono::milliseconds quitWait)
    : m_out(out), m_err(err), m_state(std::move(state)), m_quitWait(quitWait) {}

act::Status StateCommands::updateChecked(const std::function<act::Status(StateData&)>& change) {
    act::Status outcome;
    const act::Status written = m_state.update([&](StateData& data) {
        StateData changed = data;
        try {
            outcome = change(changed);
        } catch (const SqliteError& e) {
            outcome = failure(e.what());
        }
        if (outcome)
            data = std::move(changed);
    });
    return written ? outcome : written;
}

act::Status StateCommands::updateWithDatabase(const std::function<act::Status(StateData&, ActDatabaseFile&)>& change) {
    return updateChecked([&change](StateData& data) -> act::Status {
        if (!data.running() || data.database().empty())
            return failure("no database is open");
        return change(data, *ActDatabaseFile::open(data.database()));
    });
}

act::Status StateCommands::open(const std::string& databasePath) {
    const QString absolute = QDir::cleanPath(QFileInfo(QFile::decodeName(databasePath.c_str())).absoluteFilePath());
    const std::string path = QFile::encodeName(absolute).toStdString();
    ActDatabaseFile::open(path);
    return m_state.update([&path](StateData& data) {
        data.set(StateData::Standin, "running", "1");
        data.set(StateData::Standin, "database", path);
        data.set(StateData::Standin, "current", "");
        data.set(StateData::Standin, "lookup", "");
    });
}

act::Status StateCommands::close() {
    return m_state.update([](StateData& data) { data.set(StateData::Standin, "database", ""); });
}

act::Status StateCommands::quit() {
    const act::Status asked = m_state.update([](StateData& data) {
        data.set(StateData::Standin, "close_request", std::to_string(data.closeRequest() + 1));
    });
    if (!asked)
        return asked;
    const auto deadline = std::chrono::steady_clock::now() + m_quitWait;
    for (;;) {
        const act::Result<StateData> state = m_state.read();
        if (!state)
            return state.error();
        if (clients::allLiveAcknowledged(state.value()))
            break;
        if (std::chrono::steady_clock::now() >= deadline) {
            m_err << "act-standin: no answer from " << unansweredClients(state.value()) << "; quitting anyway\n";
            break;
        }
        std::this_thread::sleep_for(QuitPoll);
    }
    return m_state.update([](StateData& data) { data.set(StateData::Standin, "running", "0"); });
}

act::Status StateCommands::status() {
    const act::Result<StateData> state = m_state.read();
    if (!state)
        return state.error();
    const StateData& data = state.value();
    m_out << "running=" << (data.running() ? 1 : 0) << '\n'
          << "database=" << data.database() << '\n'
          << "current=" << data.current() << '\n'
          << "lookup=" << data.lookup() << '\n'
          << "close_request=" << data.closeRequest() << '\n';
    for (const std::string& key : data.keys(StateData::Standin))
        if (isClientKey(key))
            m_out << key << '=' << data.value(StateData::Standin, key) << '\n';
    return {};
}

act::Status StateCommands::setCurrent(const std::string& recordId) {
    if (!recordids::isValid(recordId))
        return recordIdError(recordId);
    return updateWithDatabase([&recordId](StateData& data, ActDatabaseFile& db) -> act::Status {
        SqliteStatement find = db.sql().prepare("SELECT 1 FROM contact WHERE " + columnName(field::RecordId) + " = ?");
        find.bind(1, recordId);
        if (!find.step())
            return failure("no contact of " + quote(db.path()) + " has the record id " + quote(recordId));
        data.set(StateData::Standin, "current", recordId);
        return {};
    });
}

act::Status StateCommands::clearCurrent() {
    return m_state.update([](StateData& data) { data.set(StateData::Standin, "current", ""); });
}

act::Status StateCommands::lookupAll() {
    return m_state.update([](StateData& data) { data.set(StateData::Standin, "lookup", ""); });
}

act::Status StateCommands::lookupIds(const std::string& idFile) {
    QFile file(QFile::decodeName(idFile.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return failure("cannot read " + quote(idFile) + ": " + file.errorString().toStdString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure("cannot read " + quote(idFile) + ": " + file.errorString().toStdString());
    std::vector<std::string> ids;
    int lineNumber = 0;
    for (QByteArrayView line : content.split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (lineNumber == 1 && line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3);
        const std::string id = line.toByteArray().toStdString();
        if (id.empty())
            continue;
        if (!recordids::isValid(id))
            return failure("line " + std::to_string(lineNumber) + ": " + recordIdError(id).description);
        ids.push_back(id);
    }
    return updateChecked([this, &ids](StateData& data) { return setLookup(data, ids); });
}

act::Status StateCommands::lookupWhere(const std::string& label, const std::string& value) {
    return updateWithDatabase([this, &label, &value](StateData& data, ActDatabaseFile& db) -> act::Status {
        const FieldDefinition* f = db.fieldByLabel(label);
        if (!f)
            return failure("unknown field label " + quote(label));
        SqliteStatement rows = db.sql().prepare("SELECT " + columnName(field::RecordId) + " FROM contact WHERE " +
                                                ContactExporter::valueExpression(*f) + " = ? ORDER BY rowid");
        rows.bind(1, value);
        std::vector<std::string> ids;
        while (rows.step())
            ids.emplace_back(rows.text(0));
        return setLookup(data, ids);
    });
}

act::Status StateCommands::setLookup(StateData& data, const std::vector<std::string>& recordIds) {
    const QString folder = QFileInfo(m_state.path()).absolutePath();
    if (!QDir().mkpath(folder))
        return failure("cannot create the folder " + quote(QFile::encodeName(folder).toStdString()));
    const std::string path =
        QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(LookupFileName))).toStdString();
    if (act::Status written = lookupfile::write(path, Lookup{false, recordIds}); !written)
        return written;
    data.set(StateData::Standin, "lookup", path);
    return {};
}

act::Status StateCommands::showAux() {
    const act::Result<StateData> state = m_state.read();
    if (!state)
        return state.error();
    for (const std::string& key : state.value().keys(StateData::Aux))
        m_out << key << '=' << state.value().value(StateData::Aux, key) << '\n';
    return {};
}

act::Status StateCommands::setRefuse(bool refuse) {
    return m_state.update([refuse](StateData& data) { data.set(StateData::Aux, "refuse", refuse ? "1" : "0"); });
}

} // namespace standin

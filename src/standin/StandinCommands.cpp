#include "StandinCommands.h"

#include "ToolMessages.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <optional>

namespace standin {

namespace {

using namespace Qt::StringLiterals;

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::optional<std::uint64_t> count(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return ok && digitsOnly ? std::optional<std::uint64_t>(value) : std::nullopt;
}

std::optional<std::vector<int>> fieldIds(const QString& text) {
    std::vector<int> ids;
    for (const QString& item : text.split(u',')) {
        bool ok = false;
        ids.push_back(item.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return ids;
}

// QCommandLineParser's messages are sentences; ours are clauses after "act-standin: ".
QString asClause(QString text) {
    if (text.endsWith(u'.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

StandinCommands::StandinCommands(std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_database(out), m_state(out, err) {}

const std::vector<StandinCommands::Command>& StandinCommands::commands() {
    static const std::vector<Command> list = {
        {"new", "new DB [--sample N] [--seed S]", &StandinCommands::createDatabase},
        {"import", "import DB FILE.csv", &StandinCommands::importContacts},
        {"export", "export DB [--fields ID,ID,...]", &StandinCommands::exportContacts},
        {"open", "open DB", &StandinCommands::open},
        {"close", "close", &StandinCommands::close},
        {"quit", "quit", &StandinCommands::quit},
        {"status", "status", &StandinCommands::status},
        {"current", "current ID | current --none", &StandinCommands::current},
        {"lookup", "lookup --all | --ids FILE | --where LABEL=VALUE", &StandinCommands::lookup},
        {"fields", "fields DB", &StandinCommands::fields},
        {"users", "users DB", &StandinCommands::users},
        {"aux", "aux [--refuse on|off]", &StandinCommands::aux},
    };
    return list;
}

void StandinCommands::printUsage(std::ostream& stream) {
    stream << "usage: act-standin COMMAND [ARGUMENTS]\ncommands:\n";
    for (const Command& command : commands())
        stream << "  act-standin " << command.usage << '\n';
}

int StandinCommands::run(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        printUsage(m_err);
        return UsageError;
    }
    if (arguments.first() == "--help"_L1 || arguments.first() == "-h"_L1) {
        printUsage(m_out);
        return Success;
    }
    const std::string name = arguments.first().toStdString();
    const auto found = std::find_if(commands().begin(), commands().end(),
                                    [&name](const Command& command) { return command.name == name; });
    if (found == commands().end()) {
        m_err << "act-standin: unknown command " << toolmessages::quote(name)
              << "; usage: act-standin COMMAND [ARGUMENTS] (act-standin --help lists them)\n";
        return UsageError;
    }
    m_command = &*found;
    const QStringList rest = arguments.mid(1);
    if (rest.contains("--help"_L1)) {
        m_out << "usage: act-standin " << m_command->usage << '\n';
        return Success;
    }
    try {
        return (this->*(m_command->handler))(rest);
    } catch (const std::exception& e) {
        return finish(toolmessages::failure(e.what()));
    }
}

bool StandinCommands::parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype minPositional,
                            qsizetype maxPositional) {
    if (!parser.parse(QStringList{u"act-standin"_s} + arguments)) {
        usageError(asClause(parser.errorText()));
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < minPositional) {
        usageError(u"missing arguments"_s);
        return false;
    }
    if (positional.size() > maxPositional) {
        usageError(u"unexpected argument '%1'"_s.arg(positional.at(maxPositional)));
        return false;
    }
    return true;
}

int StandinCommands::withoutArguments(const QStringList& arguments, const std::function<act::Status()>& action) {
    QCommandLineParser parser;
    return parse(parser, arguments, 0, 0) ? finish(action()) : UsageError;
}

int StandinCommands::withPath(const QStringList& arguments,
                              const std::function<act::Status(const std::string&)>& action) {
    QCommandLineParser parser;
    return parse(parser, arguments, 1, 1) ? finish(action(localPath(parser.positionalArguments().at(0)))) : UsageError;
}

int StandinCommands::usageError(const QString& reason) {
    m_err << "act-standin: " << reason.toStdString() << "; usage: act-standin " << m_command->usage << '\n';
    return UsageError;
}

int StandinCommands::finish(const act::Status& status) {
    if (status)
        return Success;
    m_err << "act-standin: " << status.error().description << '\n';
    return Failure;
}

int StandinCommands::createDatabase(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption sample(u"sample"_s, {}, u"N"_s, u"0"_s);
    const QCommandLineOption seed(u"seed"_s, {}, u"S"_s, u"0"_s);
    parser.addOptions({sample, seed});
    if (!parse(parser, arguments, 1, 1))
        return UsageError;
    const std::optional<std::uint64_t> sampleCount = count(parser.value(sample));
    const std::optional<std::uint64_t> seedValue = count(parser.value(seed));
    if (!sampleCount)
        return usageError(u"--sample takes a number of contacts"_s);
    if (!seedValue)
        return usageError(u"--seed takes a number from 0 to 18446744073709551615"_s);
    return finish(m_database.createDatabase(localPath(parser.positionalArguments().at(0)), *sampleCount, *seedValue));
}

int StandinCommands::importContacts(const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parse(parser, arguments, 2, 2))
        return UsageError;
    const QStringList files = parser.positionalArguments();
    return finish(m_database.importContacts(localPath(files.at(0)), localPath(files.at(1))));
}

int StandinCommands::exportContacts(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption fieldsOption(u"fields"_s, {}, u"ID,ID,..."_s);
    parser.addOption(fieldsOption);
    if (!parse(parser, arguments, 1, 1))
        return UsageError;
    std::optional<std::vector<int>> ids = std::vector<int>{};
    if (parser.isSet(fieldsOption))
        ids = fieldIds(parser.value(fieldsOption));
    if (!ids)
        return usageError(u"--fields takes field ids separated by commas"_s);
    return finish(m_database.exportContacts(localPath(parser.positionalArguments().at(0)), *ids));
}

int StandinCommands::open(const QStringList& arguments) {
    return withPath(arguments, [this](const std::string& path) { return m_state.open(path); });
}

int StandinCommands::close(const QStringList& arguments) {
    return withoutArguments(arguments, [this] { return m_state.close(); });
}

int StandinCommands::quit(const QStringList& arguments) {
    return withoutArguments(arguments, [this] { return m_state.quit(); });
}

int StandinCommands::status(const QStringList& arguments) {
    return withoutArguments(arguments, [this] { return m_state.status(); });
}

int StandinCommands::current(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption none(u"none"_s);
    parser.addOption(none);
    if (!parse(parser, arguments, 0, 1))
        return UsageError;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(none) == !positional.isEmpty())
        return usageError(u"give either a record id or --none"_s);
    return finish(parser.isSet(none) ? m_state.clearCurrent() : m_state.setCurrent(positional.at(0).toStdString()));
}

int StandinCommands::lookup(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption all(u"all"_s);
    const QCommandLineOption ids(u"ids"_s, {}, u"FILE"_s);
    const QCommandLineOption where(u"where"_s, {}, u"LABEL=VALUE"_s);
    parser.addOptions({all, ids, where});
    if (!parse(parser, arguments, 0, 0))
        return UsageError;
    if (parser.isSet(all) + parser.isSet(ids) + parser.isSet(where) != 1)
        return usageError(u"give one of --all, --ids and --where"_s);
    if (parser.isSet(all))
        return finish(m_state.lookupAll());
    if (parser.isSet(ids))
        return finish(m_state.lookupIds(localPath(parser.value(ids))));
    const QString condition = parser.value(where);
    const qsizetype equals = condition.indexOf(u'=');
    if (equals < 0)
        return usageError(u"--where takes LABEL=VALUE"_s);
    return finish(m_state.lookupWhere(condition.left(equals).toStdString(), condition.mid(equals + 1).toStdString()));
}

int StandinCommands::fields(const QStringList& arguments) {
    return withPath(arguments, [this](const std::string& path) { return m_database.listFields(path); });
}

int StandinCommands::users(const QStringList& arguments) {
    return withPath(arguments, [this](const std::string& path) { return m_database.listUsers(path); });
}

int StandinCommands::aux(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption refuse(u"refuse"_s, {}, u"on|off"_s);
    parser.addOption(refuse);
    if (!parse(parser, arguments, 0, 0))
        return UsageError;
    if (!parser.isSet(refuse))
        return finish(m_state.showAux());
    const QString value = parser.value(refuse);
    if (value != "on"_L1 && value != "off"_L1)
        return usageError(u"--refuse takes on or off"_s);
    return finish(m_state.setRefuse(value == "on"_L1));
}

} // namespace standin

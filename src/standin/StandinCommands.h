#pragma once

#include "DatabaseCommands.h"
#include "StateCommands.h"

#include <QStringList>

#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

class QCommandLineParser;

namespace standin {

// The act-standin command line: finds the command, parses its arguments and runs it, writing results to out and
// a one-line reason to err ("act-standin: ...") when it fails.
class StandinCommands {
public:
    static constexpr int Success = 0;
    static constexpr int Failure = 1;
    static constexpr int UsageError = 2;

    StandinCommands(std::ostream& out, std::ostream& err);

    // Runs one command line without the program name; answers the exit code.
    int run(const QStringList& arguments);

private:
    struct Command {
        std::string_view name;
        std::string_view usage;
        int (StandinCommands::*handler)(const QStringList&);
    };
    static const std::vector<Command>& commands();
    static void printUsage(std::ostream& stream);

    int createDatabase(const QStringList& arguments);
    int importContacts(const QStringList& arguments);
    int exportContacts(const QStringList& arguments);
    int open(const QStringList& arguments);
    int close(const QStringList& arguments);
    int quit(const QStringList& arguments);
    int status(const QStringList& arguments);
    int current(const QStringList& arguments);
    int lookup(const QStringList& arguments);
    int fields(const QStringList& arguments);
    int users(const QStringList& arguments);
    int aux(const QStringList& arguments);

    // Parses the current command's arguments; false, after a usage error, when they do not fit.
    bool parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype minPositional,
               qsizetype maxPositional);
    // Commands that take nothing, or only a file path.
    int withoutArguments(const QStringList& arguments, const std::function<act::Status()>& action);
    int withPath(const QStringList& arguments, const std::function<act::Status(const std::string&)>& action);
    int usageError(const QString& reason);
    int finish(const act::Status& status);

    std::ostream& m_out;
    std::ostream& m_err;
    DatabaseCommands m_database;
    StateCommands m_state;
    const Command* m_command = nullptr;
};

} // namespace standin

#include "core/batch/BatchOptions.h"

#include <QCommandLineParser>

namespace core {

namespace {

std::optional<int> outputTypeOf(const QString& text) {
    if (text == QStringLiteral("excel"))
        return 0;
    if (text == QStringLiteral("csv"))
        return 1;
    return std::nullopt;
}

std::optional<Scope> scopeOf(const QString& text) {
    if (text == QStringLiteral("current"))
        return Scope::CurrentContact;
    if (text == QStringLiteral("lookup"))
        return Scope::CurrentLookup;
    if (text == QStringLiteral("all"))
        return Scope::AllContacts;
    return std::nullopt;
}

} // namespace

QString batchUsage() {
    return QStringLiteral("usage: tallivo-run REPORT [--output excel|csv] [--scope current|lookup|all] "
                          "[--users NAME,...] [--to FILE] [--no-launch]");
}

ParsedBatchOptions parseBatchOptions(const QStringList& arguments) {
    ParsedBatchOptions parsed;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("excel|csv"));
    const QCommandLineOption scope(QStringLiteral("scope"), QString(), QStringLiteral("current|lookup|all"));
    const QCommandLineOption users(QStringLiteral("users"), QString(), QStringLiteral("names"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("file"));
    const QCommandLineOption noLaunch(QStringLiteral("no-launch"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({output, scope, users, to, noLaunch, help});
    if (!parser.parse(arguments)) {
        parsed.usageError = parser.errorText();
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.help = true;
        return parsed;
    }
    for (const QCommandLineOption& single : {output, scope, users, to})
        if (parser.values(single).size() > 1) {
            parsed.usageError = QStringLiteral("--%1 given more than once").arg(single.names().constFirst());
            return parsed;
        }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional.constFirst().isEmpty()) {
        parsed.usageError =
            positional.isEmpty() ? QStringLiteral("no report named") : QStringLiteral("one report at a time");
        return parsed;
    }
    BatchOptions& o = parsed.options;
    o.report = positional.constFirst();
    if (parser.isSet(output) && !(o.outputType = outputTypeOf(parser.value(output)))) {
        parsed.usageError = QStringLiteral("unknown output '%1'").arg(parser.value(output));
        return parsed;
    }
    if (parser.isSet(scope) && !(o.scope = scopeOf(parser.value(scope)))) {
        parsed.usageError = QStringLiteral("unknown scope '%1'").arg(parser.value(scope));
        return parsed;
    }
    if (parser.isSet(users)) {
        QStringList names = parser.value(users).split(QLatin1Char(','));
        if (names.contains(QString())) {
            parsed.usageError = QStringLiteral("an empty user name in --users");
            return parsed;
        }
        o.users = names;
    }
    if (parser.isSet(to)) {
        if (parser.value(to).isEmpty()) {
            parsed.usageError = QStringLiteral("--to needs a file");
            return parsed;
        }
        o.to = parser.value(to);
    }
    o.noLaunch = parser.isSet(noLaunch);
    return parsed;
}

} // namespace core

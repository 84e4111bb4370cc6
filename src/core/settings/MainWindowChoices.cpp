#include "core/settings/MainWindowChoices.h"

#include "core/ErrorReport.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/FormFeedList.h"

#include <limits>

namespace core {

namespace {

// Integers, with optional blanks and sign; "True"/"False" as a boolean store may have written them.
bool readValue(const QString& text, long long& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        value = -1;
        return true;
    }
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        value = 0;
        return true;
    }
    return readStoredInteger(trimmed, value);
}

class Reader {
public:
    explicit Reader(const SettingsStore& store) : m_store(store) {}

    // The stored number of a key, or its default when absent, unreadable or outside [low, high].
    long long number(const QString& key, long long defaultValue, long long low, long long high) {
        const QString text = m_store.GetSetting(keys::Settings, key, QString::number(defaultValue));
        long long value = 0;
        if (!readValue(text, value)) {
            problems.append({key, errors::TypeMismatch});
            return defaultValue;
        }
        if (value < low || value > high) {
            problems.append({key, errors::InvalidPropertyValue});
            return defaultValue;
        }
        return value;
    }

    bool flag(const QString& key, bool defaultValue) {
        return number(key, defaultValue ? -1 : 0, std::numeric_limits<long long>::min(),
                      std::numeric_limits<long long>::max()) != 0;
    }

    QList<ChoiceProblem> problems;

private:
    const SettingsStore& m_store;
};

QString storedFlag(bool on) {
    return on ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

bool readStoredInteger(const QString& text, long long& value) {
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok;
}

StoredChoices loadMainWindowChoices(const SettingsStore& store) {
    StoredChoices stored;
    MainWindowChoices& c = stored.choices;
    Reader reader(store);
    c.cboOutput = static_cast<int>(reader.number(keys::cboOutput, 0, 0, 1));
    c.reportsListIndex =
        static_cast<int>(reader.number(keys::ReportsListIndex, 0, -1, std::numeric_limits<int>::max()));
    for (int i = 0; i < 3; ++i)
        c.report[i] = reader.flag(keys::ReportPrefix + QString::number(i), c.report[i]);
    for (int i = 0; i < 2; ++i)
        c.managedBy[i] = reader.flag(keys::ManagedByPrefix + QString::number(i), c.managedBy[i]);
    c.users = splitUserNames(store.GetSetting(keys::Settings, keys::lstUsers0));
    stored.problems = reader.problems;
    return stored;
}

bool saveMainWindowChoices(SettingsStore& store, const MainWindowChoices& choices) {
    bool ok = true;
    for (int i = 0; i < 3; ++i)
        ok &= store.SaveSetting(keys::Settings, keys::ReportPrefix + QString::number(i), storedFlag(choices.report[i]));
    for (int i = 0; i < 2; ++i)
        ok &= store.SaveSetting(keys::Settings, keys::ManagedByPrefix + QString::number(i),
                                storedFlag(choices.managedBy[i]));
    ok &= store.SaveSetting(keys::Settings, keys::cboOutput, QString::number(choices.cboOutput));
    ok &= store.SaveSetting(keys::Settings, keys::ReportsListIndex, QString::number(choices.reportsListIndex));
    return ok;
}

QStringList splitUserNames(const QString& stored) {
    if (stored.isEmpty())
        return {};
    return stored.split(FormFeed);
}

QString joinUserNames(const QStringList& names) {
    return names.join(FormFeed);
}

} // namespace core

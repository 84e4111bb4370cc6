#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace core {

// The per-user settings store shared with the launcher: sections of string keys and values. The only owner of
// QSettings. The file is $XDG_CONFIG_HOME/Tallivo/Tallivo.conf here, read from the environment each time a store
// is made (QSettings caches the locations it finds itself).
class SettingsStore {
public:
    using Pairs = QList<QPair<QString, QString>>;

    static QString defaultPath();
    // A key the store cannot hold as one key: empty, or holding "/" or "\".
    static bool isValidKey(const QString& key);

    explicit SettingsStore(QString path = defaultPath());

    // Every write is on disk when these return, so the launcher and other processes see it.
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    bool SaveSetting(const QString& section, const QString& key, const QString& value);
    // False, and nothing removed, for a key the store cannot hold.
    bool DeleteSetting(const QString& section, const QString& key);
    bool DeleteSection(const QString& section);
    // The section's keys and values in store order (sorted by key).
    Pairs GetAllSettings(const QString& section) const;
    // Replaces a whole section in one write.
    bool ReplaceSection(const QString& section, const Pairs& pairs);

    const QString& path() const { return m_path; }
    // Tells the user that a write failed, naming the file.
    QString notWritten() const;

private:
    QString m_path;
};

} // namespace core

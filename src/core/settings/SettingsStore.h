#pragma once

#include "core/settings/IniFormat.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace core {

// The per-user settings store shared with the launcher: sections of string keys and values, in the file
// $XDG_CONFIG_HOME/Tallivo/Tallivo.conf (its path read from the environment each time a store is made) in the INI
// form of QSettings. The file is read once and read again only when it has changed on disk; every write takes the
// file's lock, applies the change to what is on disk and replaces the file in one atomic step, so the launcher and
// other processes see it at once and a failed write leaves the previous file whole.
class SettingsStore {
public:
    using Pairs = QList<QPair<QString, QString>>;

    static QString defaultPath();
    // A key the store cannot hold as one key: empty, or holding "/" or "\".
    static bool isValidKey(const QString& key);

    explicit SettingsStore(QString path = defaultPath());

    // A file that cannot be used (not a regular file, unreadable, not settings) reads as defaults and is never
    // written: every write fails. One that cannot be read for want of disk space is tried again at each access.
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
    // Reads the file if it changed; "" when it can be used, else a message saying why not and that it is left as it
    // is.
    QString check() const;
    // The message for the write that just failed, saying why.
    QString writeFailure() const;

private:
    // The file's settings as they are on disk now; false, with m_problem set, when it cannot be used.
    bool refresh() const;
    bool change(const std::function<void(ini::Sections&)>& edit);
    bool failWrite(const QString& why);

    QString m_path;
    mutable ini::Sections m_sections;
    mutable QByteArray m_stamp;    // what identified the file when m_sections was read; empty before any read
    mutable QString m_problem;     // why the file cannot be used or the last write failed
    mutable bool m_unread = false; // the file could not be read this time; the next access tries again
};

} // namespace core

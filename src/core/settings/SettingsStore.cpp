#include "core/settings/SettingsStore.h"

#include "core/text/ReadFile.h"
#include "core/text/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace core {

namespace {

// Far above any real settings (a definition is at most 16 MB), low enough to keep a stray file from exhausting memory.
constexpr qint64 MaxSettingsBytes = qint64{256} << 20;
// A write holds the lock for well under a second; a holder that has died leaves it stale after QLockFile's 30 s.
constexpr int LockWaitMs = 5000;
const QByteArray Missing = "missing";

// What tells one version of the file from another: an atomic replace gives it a new inode, and the modification
// time changes to the nanosecond.
QByteArray stampOf(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return Missing;
    return QByteArray::number(static_cast<quint64>(status.st_ino)) + ' ' +
           QByteArray::number(static_cast<qint64>(status.st_size)) + ' ' +
           QByteArray::number(static_cast<qint64>(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(static_cast<qint64>(status.st_mtim.tv_nsec));
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Missing;
    return QByteArray::number(info.size()) + ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
#endif
}

} // namespace

QString SettingsStore::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Tallivo/Tallivo.conf");
}

bool SettingsStore::isValidKey(const QString& key) {
    return !key.isEmpty() && !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'));
}

SettingsStore::SettingsStore(QString path) : m_path(std::move(path)) {}

bool SettingsStore::refresh() const {
    const QByteArray stamp = stampOf(m_path);
    if (stamp == m_stamp)
        return m_problem.isEmpty();
    m_stamp = stamp;
    ini::Parsed parsed; // no file holds no settings
    if (stamp != Missing || QFileInfo(m_path).isSymLink()) {
        const QByteArray bytes = readSmallFile(m_path, MaxSettingsBytes, QStringLiteral("settings"), &parsed.problem);
        if (parsed.problem.isEmpty())
            parsed = ini::parse(bytes);
    }
    m_problem = parsed.problem;
    m_unread = !parsed.judged;
    if (m_unread)
        m_stamp.clear();
    m_sections = m_problem.isEmpty() ? std::move(parsed.sections) : ini::Sections();
    return m_problem.isEmpty();
}

QString SettingsStore::check() const {
    if (refresh())
        return {};
    // A full disk is no fault of the file's: it is not to be mended.
    if (m_unread)
        return QStringLiteral("The settings file %1 cannot be read now: %2. It is left as it is.")
            .arg(QDir::toNativeSeparators(m_path), m_problem);
    return QStringLiteral("The settings file %1 cannot be used: %2. It is left as it is; please mend or remove it.")
        .arg(QDir::toNativeSeparators(m_path), m_problem);
}

QString SettingsStore::writeFailure() const {
    return QStringLiteral("The settings could not be written to %1: %2.")
        .arg(QDir::toNativeSeparators(m_path), m_problem);
}

bool SettingsStore::failWrite(const QString& why) {
    m_problem = why;
    m_stamp.clear(); // the next access reads the file again
    return false;
}

bool SettingsStore::change(const std::function<void(ini::Sections&)>& edit) {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return failWrite(QStringLiteral("its folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
    // Another process may write between this one's read and write: the lock keeps either from losing the other's.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (const QFileInfo lockFile(lock.fileName()); lockFile.exists() && !lockFile.isFile())
        return failWrite(
            QStringLiteral("its lock %1 is not a regular file").arg(QDir::toNativeSeparators(lock.fileName())));
    if (!lock.tryLock(LockWaitMs))
        return failWrite(
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("another program holds its lock")
                : QStringLiteral("its lock %1 cannot be written").arg(QDir::toNativeSeparators(lock.fileName())));
    if (!refresh())
        return false;
    ini::Sections sections = m_sections;
    edit(sections);
    QString why;
    const QByteArray bytes = ini::format(sections, m_path, &why);
    if (why.isEmpty())
        why = saveFile(m_path, bytes);
    if (!why.isEmpty())
        return failWrite(why);
    m_sections = std::move(sections);
    m_stamp = stampOf(m_path);
    return true;
}

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const {
    if (!isValidKey(key) || !refresh())
        return defaultValue;
    return m_sections.value(section).value(key, defaultValue);
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    return isValidKey(key) && change([&](ini::Sections& sections) { sections[section].insert(key, value); });
}

bool SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    return isValidKey(key) && change([&](ini::Sections& sections) {
               if (auto found = sections.find(section); found != sections.end()) {
                   found->remove(key);
                   if (found->isEmpty())
                       sections.erase(found);
               }
           });
}

bool SettingsStore::DeleteSection(const QString& section) {
    return change([&](ini::Sections& sections) { sections.remove(section); });
}

SettingsStore::Pairs SettingsStore::GetAllSettings(const QString& section) const {
    Pairs pairs;
    if (!refresh())
        return pairs;
    const ini::Section found = m_sections.value(section);
    pairs.reserve(found.size());
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        pairs.append({it.key(), it.value()});
    return pairs;
}

bool SettingsStore::ReplaceSection(const QString& section, const Pairs& pairs) {
    if (!std::all_of(pairs.cbegin(), pairs.cend(), [](const auto& pair) { return isValidKey(pair.first); }))
        return false;
    ini::Section replaced;
    for (const auto& [key, value] : pairs)
        replaced.insert(replaced.cend(), key, value);
    return change([&](ini::Sections& sections) {
        if (replaced.isEmpty())
            sections.remove(section);
        else
            sections[section] = replaced;
    });
}

} // namespace core

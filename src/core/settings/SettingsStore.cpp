#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QSettings>

namespace core {

namespace {

bool synced(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// A value another program wrote unquoted with a comma reads back as a list; keep its text.
QString asText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
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

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const {
    if (!isValidKey(key))
        return defaultValue;
    QSettings settings(m_path, QSettings::IniFormat);
    settings.sync(); // another process may have written since this process last looked
    settings.beginGroup(section);
    return settings.contains(key) ? asText(settings.value(key)) : defaultValue;
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    if (!isValidKey(key))
        return false;
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    return synced(settings);
}

bool SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    // An empty key would remove the whole section.
    if (!isValidKey(key))
        return false;
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.remove(key);
    return synced(settings);
}

bool SettingsStore::DeleteSection(const QString& section) {
    QSettings settings(m_path, QSettings::IniFormat);
    settings.remove(section);
    return synced(settings);
}

SettingsStore::Pairs SettingsStore::GetAllSettings(const QString& section) const {
    QSettings settings(m_path, QSettings::IniFormat);
    settings.sync();
    settings.beginGroup(section);
    Pairs pairs;
    for (const QString& key : settings.childKeys())
        pairs.append({key, asText(settings.value(key))});
    return pairs;
}

bool SettingsStore::ReplaceSection(const QString& section, const Pairs& pairs) {
    for (const auto& pair : pairs)
        if (!isValidKey(pair.first))
            return false;
    QSettings settings(m_path, QSettings::IniFormat);
    settings.remove(section);
    settings.beginGroup(section);
    for (const auto& pair : pairs)
        settings.setValue(pair.first, pair.second);
    settings.endGroup();
    return synced(settings);
}

QString SettingsStore::notWritten() const {
    return QStringLiteral("The settings could not be written to %1.").arg(QDir::toNativeSeparators(m_path));
}

} // namespace core

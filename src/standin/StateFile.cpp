#include "StateFile.h"

#include "AtomicWrite.h"
#include "FileLock.h"
#include "StandinError.h"

#include "core/text/EightBitText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace standin {

namespace {

constexpr int MaxStateSize = 1 << 20;

act::Error unreadable(const QString& path, const QString& why) {
    return makeError(ErrorCode::StateUnreadable,
                     QStringLiteral("cannot read the stand-in state %1: %2").arg(path, why).toStdString());
}

act::Result<StateData> parse(const QString& path, const QByteArray& bytes) {
    StateData data;
    std::string section;
    int lineNumber = 0;
    for (QByteArray line : core::eightbit::withoutMark(bytes).toByteArray().split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2).toStdString();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || section.empty())
            return unreadable(path, QStringLiteral("line %1 is not key=value").arg(lineNumber));
        data.set(section, line.left(equals).toStdString(), line.mid(equals + 1).toStdString());
    }
    return data;
}

QByteArray serialize(const StateData& data) {
    QByteArray out;
    for (const auto& [section, values] : data.sections()) {
        out += '[' + QByteArray::fromStdString(section) + "]\n";
        for (const auto& [key, value] : values)
            out += QByteArray::fromStdString(key) + '=' + QByteArray::fromStdString(value) + '\n';
    }
    return out;
}

} // namespace

std::string StateData::value(const std::string& section, const std::string& key, const std::string& fallback) const {
    const auto s = m_sections.find(section);
    if (s == m_sections.end())
        return fallback;
    const auto v = s->second.find(key);
    return v == s->second.end() ? fallback : v->second;
}

long long StateData::number(const std::string& section, const std::string& key, long long fallback) const {
    const std::string text = value(section, key);
    bool ok = false;
    const long long n = QByteArray::fromStdString(text).toLongLong(&ok);
    return ok ? n : fallback;
}

void StateData::set(const std::string& section, const std::string& key, const std::string& value) {
    // A value holding a line break would not read back as one key.
    std::string clean = value;
    std::erase_if(clean, [](char c) { return c == '\n' || c == '\r'; });
    m_sections[section][key] = clean;
}

void StateData::remove(const std::string& section, const std::string& key) {
    const auto s = m_sections.find(section);
    if (s != m_sections.end())
        s->second.erase(key);
}

std::vector<std::string> StateData::keys(const std::string& section) const {
    std::vector<std::string> result;
    const auto s = m_sections.find(section);
    if (s != m_sections.end())
        for (const auto& entry : s->second)
            result.push_back(entry.first);
    return result;
}

QString StateFile::defaultPath() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/act-standin/state.ini");
}

StateFile::StateFile(QString path) : m_path(std::move(path)) {}

act::Result<StateData> StateFile::read() const {
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return StateData();
    if (!info.isFile())
        return unreadable(m_path, QStringLiteral("not a file"));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(m_path, file.errorString());
    const QByteArray bytes = file.read(MaxStateSize + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(m_path, file.errorString());
    if (bytes.size() > MaxStateSize)
        return unreadable(m_path, QStringLiteral("too large"));
    return parse(m_path, bytes);
}

act::Status StateFile::update(const std::function<void(StateData&)>& change) const {
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return makeError(ErrorCode::WriteFailed,
                         QStringLiteral("cannot create %1").arg(info.absolutePath()).toStdString());
    FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.locked())
        return makeError(ErrorCode::WriteFailed, lock.error().toStdString());
    auto current = read();
    if (!current)
        return current.error();
    StateData data = std::move(current).value();
    change(data);

    const QString failure = writeFileAtomically(m_path, serialize(data));
    if (!failure.isEmpty())
        return makeError(ErrorCode::WriteFailed, failure.toStdString());
    return {};
}

} // namespace standin

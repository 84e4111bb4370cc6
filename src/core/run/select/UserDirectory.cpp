#include "core/run/select/UserDirectory.h"

namespace core {

act::Result<UserDirectory> UserDirectory::read(act::UsersTable& users) {
    const act::Result<int> count = users.Count();
    if (!count)
        return count.error();
    UserDirectory directory;
    for (int number = 1; number <= count.value(); ++number) {
        act::Result<std::string> id = users.UniqueId(number);
        if (!id)
            return id.error();
        act::Result<std::string> name = users.Name(number);
        if (!name)
            return name.error();
        // The first user with an id wins, as a search from the first user finds it.
        directory.m_names.emplace(std::move(id).value(), std::move(name).value());
    }
    return directory;
}

const std::string& UserDirectory::GetUserName(const std::string& uniqueId) const {
    static const std::string unknown;
    const auto found = m_names.find(uniqueId);
    return found == m_names.end() ? unknown : found->second;
}

} // namespace core

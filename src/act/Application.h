#pragma once

#include "Result.h"

#include <memory>
#include <string>

namespace act {

// ACT!'s view of the current contact.
class ContactView {
public:
    virtual ~ContactView() = default;

    // Record id of ACT!'s current contact, read live; "" when there is none.
    virtual Result<std::string> GetCurrentId() = 0;
};

class Views {
public:
    virtual ~Views() = default;

    virtual Result<std::shared_ptr<ContactView>> Create(int viewType, const std::string& name) = 0;
};

// ACT!'s application object.
class Application {
public:
    virtual ~Application() = default;

    virtual Status OpenFile(const std::string& path) = 0;
    virtual Result<std::shared_ptr<act::Views>> Views() = 0;
    // Writes ACT!'s current lookup to a lookup file.
    virtual Status SaveCurrentLookup(const std::string& path) = 0;
    // Runs an ACT! command by number; 150 closes the open database.
    virtual Status Command(int command) = 0;
};

} // namespace act

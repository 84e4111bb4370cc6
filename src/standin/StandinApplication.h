#pragma once

#include "StateFile.h"

#include "act/Application.h"

namespace standin {

// The stand-in's application object. Every call reads or changes the state file anew.
class StandinApplication : public act::Application {
public:
    // A program with an event loop registers as a client when it opens the connection, so that the stand-in's
    // quit waits for its acknowledgement; a batch program does not.
    StandinApplication(StateFile state, bool registerClient);
    ~StandinApplication() override;
    StandinApplication(const StandinApplication&) = delete;
    StandinApplication& operator=(const StandinApplication&) = delete;

    // Only "" (the database open in the stand-in) is accepted.
    act::Status OpenFile(const std::string& path) override;
    act::Result<std::shared_ptr<act::Views>> Views() override;
    act::Status SaveCurrentLookup(const std::string& path) override;
    act::Status Command(int command) override;

private:
    StateFile m_state;
    bool m_registerClient = false;
    bool m_registered = false;
};

} // namespace standin

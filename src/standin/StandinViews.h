#pragma once

#include "StateFile.h"

#include "act/Application.h"

namespace standin {

// The stand-in's views; only the contact view (type 1) exists.
class StandinViews : public act::Views {
public:
    explicit StandinViews(StateFile state);

    act::Result<std::shared_ptr<act::ContactView>> Create(int viewType, const std::string& name) override;

private:
    StateFile m_state;
};

// The contact view: its current contact is the state file's `current`, read anew on each call.
class StandinContactView : public act::ContactView {
public:
    explicit StandinContactView(StateFile state);

    act::Result<std::string> GetCurrentId() override;

private:
    StateFile m_state;
};

} // namespace standin

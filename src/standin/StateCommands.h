#pragma once

#include "StateFile.h"

#include "act/Result.h"

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace standin {

class ActDatabaseFile;

// The act-standin commands that change or show the running stand-in's state. Every change is one locked
// read-modify-write of the state file; checks that depend on the state run inside it.
class StateCommands {
public:
    StateCommands(std::ostream& out, std::ostream& err, StateFile state = StateFile(),
                  std::chrono::milliseconds quitWait = std::chrono::seconds(5));

    // Runs with that database open, all contacts in the lookup and no current contact.
    act::Status open(const std::string& databasePath);
    act::Status close();
    // Asks the connected programs to let go, waits for their answers, then stops running; names on the error
    // stream the programs that did not answer in time.
    act::Status quit();
    act::Status status();
    // The record must be in the open database.
    act::Status setCurrent(const std::string& recordId);
    act::Status clearCurrent();
    act::Status lookupAll();
    // A file of record ids, one a line (LF or CR LF); empty lines are skipped.
    act::Status lookupIds(const std::string& idFile);
    // Contacts of the open database whose field with that label holds exactly that value.
    act::Status lookupWhere(const std::string& label, const std::string& value);
    act::Status showAux();
    act::Status setRefuse(bool refuse);

private:
    // One state update whose change may fail; a failed change leaves the state as it was.
    act::Status updateChecked(const std::function<act::Status(StateData&)>& change);
    // The same, for a change that needs the open database.
    act::Status updateWithDatabase(const std::function<act::Status(StateData&, ActDatabaseFile&)>& change);
    // Writes the lookup file beside the state file and points the state at it.
    act::Status setLookup(StateData& data, const std::vector<std::string>& recordIds);

    std::ostream& m_out;
    std::ostream& m_err;
    StateFile m_state;
    std::chrono::milliseconds m_quitWait;
};

} // namespace standin

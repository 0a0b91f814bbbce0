#pragma once
// Answers put in place of a command's own, so that a client's failure paths can be seen: a
// negative code with its message, or no answer at all. Only the owner of the server object sets
// them, in process (ServiceServer's test controls); no request on the wire reaches this table.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace kesto::service {

class FaultTable {
public:
    struct Fault {
        bool silent = false; // no answer at all
        std::string reply;   // else this reply
    };

    void set(std::string command, Fault fault);
    void clear();
    std::optional<Fault> find(std::string_view command) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, Fault, std::less<>> faults_;
};

} // namespace kesto::service

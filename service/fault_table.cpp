#include "service/fault_table.h"

namespace kesto::service {

void FaultTable::set(std::string command, Fault fault) {
    const std::lock_guard lock(mutex_);
    faults_[std::move(command)] = std::move(fault);
}

void FaultTable::clear() {
    const std::lock_guard lock(mutex_);
    faults_.clear();
}

std::optional<FaultTable::Fault> FaultTable::find(std::string_view command) const {
    const std::lock_guard lock(mutex_);
    const auto found = faults_.find(command);
    if (found == faults_.end())
        return std::nullopt;
    return found->second;
}

} // namespace kesto::service

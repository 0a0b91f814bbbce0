#pragma once
// Reads the ids that a request lists after a leading count: "count, id, id, ...". A body whose
// count is not a number lists every remaining field.

#include "service/wire_request.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto::service {

class IdList {
public:
    static constexpr std::int64_t kMaxCount = 1000;

    // Nothing when the count promises more ids than the body holds.
    static std::optional<std::vector<std::string>> read(const WireRequest& request, std::size_t countField);
};

} // namespace kesto::service

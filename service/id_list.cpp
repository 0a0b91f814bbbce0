#include "service/id_list.h"

namespace kesto::service {

std::optional<std::vector<std::string>> IdList::read(const WireRequest& request, std::size_t countField) {
    std::vector<std::string> ids;
    const auto count = request.integer(countField, -1);
    if (count < 0 || count > kMaxCount) {
        for (std::size_t i = countField; i < request.size(); ++i)
            if (!request.field(i).empty())
                ids.push_back(request.field(i));
        return ids;
    }
    if (request.size() < countField + 1 + static_cast<std::size_t>(count))
        return std::nullopt;
    for (std::int64_t i = 0; i < count; ++i)
        ids.push_back(request.field(countField + 1 + static_cast<std::size_t>(i)));
    return ids;
}

} // namespace kesto::service

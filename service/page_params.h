#pragma once
// The parameters of a web page request, from its query and its form body. A query whose
// separators arrive percent-encoded ("a%3D1%26b%3D2") is read like a plain one.

#include <map>
#include <string>
#include <string_view>

namespace kesto::service {

class PageParams {
public:
    PageParams() = default;
    PageParams(std::string_view query, std::string_view formBody);

    const std::string& get(const std::string& name) const;
    void add(std::string_view text);

private:
    std::map<std::string, std::string> values_;
};

struct PageRequest {
    PageParams params;
    std::string baseUrl;
};

} // namespace kesto::service

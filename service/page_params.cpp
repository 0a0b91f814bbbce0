#include "service/page_params.h"

#include "service/wire_request.h"

namespace kesto::service {
namespace {

std::string formDecode(std::string_view text) {
    std::string plus(text);
    for (char& c : plus)
        if (c == '+')
            c = ' ';
    return WireRequest::percentDecode(plus);
}

} // namespace

PageParams::PageParams(std::string_view query, std::string_view formBody) {
    add(query);
    add(formBody);
}

void PageParams::add(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('&', start), text.size());
        const std::string_view pair = text.substr(start, end - start);
        const std::size_t eq = pair.find('=');
        std::string name = formDecode(pair.substr(0, eq));
        if (eq == std::string_view::npos && name.find('=') != std::string::npos) {
            add(name); // the whole query arrived encoded
        } else if (!name.empty()) {
            values_[name] = eq == std::string_view::npos ? std::string() : formDecode(pair.substr(eq + 1));
        }
        start = end + 1;
    }
}

const std::string& PageParams::get(const std::string& name) const {
    static const std::string empty;
    const auto it = values_.find(name);
    return it == values_.end() ? empty : it->second;
}

} // namespace kesto::service

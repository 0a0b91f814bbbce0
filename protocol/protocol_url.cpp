#include "protocol/protocol_url.h"

#include "protocol/link_item_rule.h"
#include "protocol/protocol_words.h"

namespace kesto {

namespace {
std::string join(std::string_view a, std::string_view b, std::string_view c) {
    std::string url;
    url.reserve(a.size() + b.size() + c.size());
    url.append(a).append(b).append(c);
    return url;
}
} // namespace

std::string ProtocolUrl::command(const LoginBlock& login, std::string_view word) {
    return join(login.protocolBase, proto::kProtocolPath, word);
}

std::string ProtocolUrl::search(const LoginBlock& login) {
    return join(login.protocolBase, proto::kSearchPath, proto::kSearch);
}

std::string ProtocolUrl::generic(const LoginBlock& login, std::string_view path) {
    if (!LinkItemRule::acceptsPath(path))
        return {};
    return join(login.protocolBase, path, {});
}

} // namespace kesto

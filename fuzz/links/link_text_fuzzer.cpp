// Any text as a page title: its pairs are the fields that follow the count, in order, no more
// than declared and no more than present. Texts as links go through the link request fuzzer.
// Any text as an address: a page of the store is an http or https address.
#include "links/title_links.h"
#include "songs/store_address.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kesto;

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkTitle(std::string_view title) {
    const TitleLinks links = TitleLinks::parse(title);
    const auto& pairs = links.pairs();
    require(links.declaredCount() >= 0 || pairs.empty());
    require(static_cast<long long>(pairs.size()) <= links.declaredCount() || pairs.empty());
    // Rebuilt from the pairs, the fields after the count come back in order, each whole.
    std::size_t at = title.find('|');
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        require(at < title.size() && title[at] == '|');
        std::string expected = "|" + pairs[i].text;
        const bool linkPresent = title.find('|', at + 1) != std::string_view::npos;
        require(linkPresent || i + 1 == pairs.size());
        if (linkPresent)
            expected += "|" + pairs[i].link;
        require(title.substr(at, expected.size()) == expected);
        at += expected.size();
        require(at == title.size() || title[at] == '|');
    }
    require(links.last().has_value() == !pairs.empty());
}

void checkAddress(std::string_view address) {
    static const LoginBlock login = [] {
        LoginBlock store;
        std::snprintf(store.protocolBase, sizeof store.protocolBase, "%s", "http://127.0.0.1:8080");
        std::snprintf(store.webBase, sizeof store.webBase, "%s", "https://[::1]");
        return store;
    }();
    if (!StoreAddress::isStorePage(login, address))
        return;
    std::string scheme(address.substr(0, 8));
    for (char& c : scheme)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    require(scheme.starts_with("http://") || scheme.starts_with("https://"));
    // Nothing in the host part can name another host.
    const std::size_t start = address.find("://") + 3;
    const std::string_view authority = address.substr(start, address.find_first_of("/?#", start) - start);
    require(authority.find_first_of("@\\") == std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkTitle(text);
    checkAddress(text);
    return 0;
}

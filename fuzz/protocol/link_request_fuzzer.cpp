// Any text as a link from a page, against two protocol bases (one with a path): every address a
// followed link forms stays on the base's scheme, host and port, and its body has exactly the
// fields of its form, so no item can reach another host or write a field of its own.
#include "links/link_scheme.h"
#include "protocol/link_commands.h"
#include "protocol/link_item_rule.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace kesto;

void require(bool condition) {
    if (!condition)
        std::abort();
}

LoginBlock loginOn(const char* base) {
    LoginBlock login;
    login.userId = "tester";
    std::strcpy(login.uKey, "KEY");
    std::strcpy(login.protocolBase, base);
    return login;
}

// Fields of each form: user id and key, then its own.
std::size_t fieldsOf(int code) {
    switch (code) {
    case LinkScheme::kCategory:
        return 6;
    case LinkScheme::kTheme:
        return 7;
    case LinkScheme::kUrl:
        return 4;
    default:
        return 5;
    }
}

void checkOn(const char* base, const LinkAction& action) {
    LoginBlock login = loginOn(base);
    ProtocolContext context;
    context.login = &login;
    const LinkCommands commands(context);
    LinkRequest link;
    switch (action.code) {
    case LinkScheme::kSong:
        link = commands.song(action.argument);
        break;
    case LinkScheme::kAlbum:
        link = commands.album(action.argument);
        break;
    case LinkScheme::kArtist:
        link = commands.artist(action.argument);
        break;
    case LinkScheme::kCategory:
        link = commands.serviceList(action.argument);
        break;
    case LinkScheme::kUrl:
        link = commands.generic(action.argument);
        break;
    case LinkScheme::kTheme:
        link = commands.theme(action.argument);
        break;
    case LinkScheme::kSearch:
        link = commands.search(action.argument);
        break;
    default:
        return;
    }
    const std::string& url = link.request.url;
    if (!url.empty()) {
        const std::string_view full(base);
        const std::string origin(full.substr(0, full.find('/', full.find("://") + 3)));
        require(url.starts_with(origin + "/"));
        require(url.find_first_of("@\\", origin.size()) == std::string::npos);
    }
    const std::string& body = link.request.body;
    require(static_cast<std::size_t>(std::count(body.begin(), body.end(), '\x0b')) == fieldsOf(action.code));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto action = LinkScheme::match(text);
    if (!action || !LinkItemRule::accepts(action->argument))
        return 0;
    require(std::none_of(action->argument.begin(), action->argument.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '@'; }));
    checkOn("http://127.0.0.1:8080", *action);
    checkOn("https://store.example:444/app", *action);
    return 0;
}

// Any text as a link and as a page title: a matched link names the first scheme it begins
// with and its argument is the rest cut exactly as that scheme says; the label's variant
// differs only for search links; the title's pairs are the fields that follow the count, in
// order, no more than declared and no more than present.
#include "links/link_scheme.h"
#include "links/title_links.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kesto;

void require(bool condition) {
    if (!condition)
        std::abort();
}

std::string expectedArgument(std::string_view rest, LinkScheme::Cut cut) {
    switch (cut) {
    case LinkScheme::Cut::DropLastChar:
        return std::string(rest.substr(0, rest.empty() ? 0 : rest.size() - 1));
    case LinkScheme::Cut::WholeRest:
        return std::string(rest);
    case LinkScheme::Cut::TrailingSlashes:
        break;
    }
    const std::size_t end = rest.find_last_not_of('/');
    return std::string(rest.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

void checkLink(std::string_view link) {
    const std::optional<LinkAction> action = LinkScheme::match(link);
    const LinkScheme::Entry* first = nullptr;
    for (const LinkScheme::Entry& entry : LinkScheme::table()) {
        if (link.substr(0, entry.scheme.size()) == entry.scheme) {
            first = &entry;
            break;
        }
    }
    require(action.has_value() == (first != nullptr));
    if (first) {
        require(action->code == first->code);
        require(action->argument == expectedArgument(link.substr(first->scheme.size()), first->cut));
    }
    const std::optional<LinkAction> label = LinkScheme::matchLabel(link);
    if (action && action->code == LinkScheme::kSearch)
        require(!label);
    else
        require(label == action);
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkLink(text);
    checkTitle(text);
    return 0;
}

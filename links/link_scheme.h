#pragma once
// The private link schemes of the service's pages. A link that begins with one of them is not
// loaded as a page but becomes a panel action with the argument cut from the link text as the
// page wrote it (never from a parsed URL, which rewrites numeric authorities).

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kesto {

struct LinkAction {
    int code = 0;
    std::string argument;

    bool operator==(const LinkAction&) const = default;
};

class LinkScheme {
public:
    // Action codes, in table order.
    static constexpr int kSong = 1;
    static constexpr int kAlbum = 2;
    static constexpr int kArtist = 3;
    static constexpr int kCategory = 4;
    static constexpr int kUrl = 5;
    static constexpr int kTheme = 6;
    static constexpr int kBuy = 7;
    static constexpr int kGift = 8;
    static constexpr int kSearch = 9;

    enum class Cut {
        DropLastChar,    // the pages put a '/' after the argument
        WholeRest,       // the argument may end in '/' itself
        TrailingSlashes, // every trailing '/' goes
    };

    struct Entry {
        std::string_view scheme;
        int code;
        Cut cut;
    };

    // The schemes in the order they are tried.
    static std::span<const Entry> table();

    // The first scheme the link begins with (case-sensitive) and its argument.
    static std::optional<LinkAction> match(std::string_view link);
    // The link label's variant: the same table without the search scheme.
    static std::optional<LinkAction> matchLabel(std::string_view link);
    // Actions that only swallow the link.
    static bool swallowsOnly(int code) { return code == kBuy || code == kGift; }

    static std::string cutArgument(std::string_view rest, Cut cut);
};

} // namespace kesto

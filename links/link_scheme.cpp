#include "links/link_scheme.h"

#include <array>

namespace kesto {
namespace {

using Cut = LinkScheme::Cut;

constexpr std::array<LinkScheme::Entry, 9> kTable{{
    {"songinfo://", LinkScheme::kSong, Cut::DropLastChar},
    {"albuminfo://", LinkScheme::kAlbum, Cut::DropLastChar},
    {"artistinfo://", LinkScheme::kArtist, Cut::DropLastChar},
    {"categoryinfo://", LinkScheme::kCategory, Cut::WholeRest},
    {"urlinfo://", LinkScheme::kUrl, Cut::WholeRest},
    {"themeinfo://", LinkScheme::kTheme, Cut::DropLastChar},
    {"buyinfo://", LinkScheme::kBuy, Cut::DropLastChar},
    {"giftinfo://", LinkScheme::kGift, Cut::DropLastChar},
    {"searchinfo://", LinkScheme::kSearch, Cut::TrailingSlashes},
}};

std::optional<LinkAction> firstMatch(std::string_view link, std::span<const LinkScheme::Entry> entries) {
    for (const LinkScheme::Entry& entry : entries) {
        if (link.starts_with(entry.scheme))
            return LinkAction{entry.code,
                              LinkScheme::cutArgument(link.substr(entry.scheme.size()), entry.cut)};
    }
    return std::nullopt;
}

} // namespace

std::span<const LinkScheme::Entry> LinkScheme::table() {
    return kTable;
}

std::optional<LinkAction> LinkScheme::match(std::string_view link) {
    return firstMatch(link, kTable);
}

std::optional<LinkAction> LinkScheme::matchLabel(std::string_view link) {
    // The label knows codes 1 to 8: every entry but the last.
    return firstMatch(link, std::span(kTable).first(kTable.size() - 1));
}

std::string LinkScheme::cutArgument(std::string_view rest, Cut cut) {
    switch (cut) {
    case Cut::DropLastChar:
        if (!rest.empty())
            rest.remove_suffix(1);
        break;
    case Cut::TrailingSlashes:
        while (!rest.empty() && rest.back() == '/')
            rest.remove_suffix(1);
        break;
    case Cut::WholeRest:
        break;
    }
    return std::string(rest);
}

} // namespace kesto

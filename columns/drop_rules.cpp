#include "columns/drop_rules.h"

#include "columns/drag_formats.h"

#include <algorithm>

namespace kesto {

namespace {

bool among(std::initializer_list<int> kinds, int pageKind) {
    return std::find(kinds.begin(), kinds.end(), pageKind) != kinds.end();
}

template <std::size_t N>
bool carries(std::span<const std::string> formats, const std::array<std::string_view, N>& set) {
    return std::any_of(formats.begin(), formats.end(), [&set](const std::string& format) {
        return std::find(set.begin(), set.end(), format) != set.end();
    });
}

DropEffect songsOver(const DropPlace& place) {
    const int kind = place.pageKind;
    const bool here = place.startedHere;
    if (kind == 3 || kind == 5)
        return here ? DropEffect::Move : DropEffect::Copy;
    if (kind == 6)
        return here ? DropEffect::None : DropEffect::Copy;
    if (among({7, 8, 9, 23, 2, 4, 28}, kind))
        return DropEffect::None;
    if (among({12, 13, 14, 24, 25, 31}, kind))
        return DropEffect::Copy;
    return here ? DropEffect::Move : DropEffect::None;
}

} // namespace

DropOffer DropOffer::of(std::span<const std::string> formats, bool files) {
    DropOffer offer;
    offer.files = files;
    offer.songs = carries(formats, DragFormats::kSongFormats);
    offer.miniList = std::find(formats.begin(), formats.end(), DragFormats::kMiniList) != formats.end();
    offer.enterCopy = carries(formats, DragFormats::kEnterCopy);
    return offer;
}

DropEffect DropRules::enter(const DropOffer& offer) {
    return offer.files || offer.enterCopy ? DropEffect::Copy : DropEffect::None;
}

DropEffect DropRules::over(const DropOffer& offer, const DropPlace& place) {
    if (offer.files)
        return DropEffect::Copy;
    // The mini play list reorders its own rows; songs of the panel's lists come in only where
    // the page the panel shows would take them (the page kind of a mini list's place).
    if (offer.miniList && place.miniList)
        return place.startedHere ? DropEffect::Move : DropEffect::Copy;
    if (offer.songs)
        return songsOver(place);
    return DropEffect::None;
}

DropKind DropRules::drop(const DropOffer& offer, const DropPlace& place) {
    if (over(offer, place) == DropEffect::None)
        return DropKind::Nothing;
    if (offer.files)
        return DropKind::Files;
    if (place.startedHere)
        return DropKind::MoveRows;
    if (place.miniList)
        return offer.miniList ? DropKind::MoveRows : DropKind::Songs;
    return songAction(place.pageKind) == SongDropAction::Nothing ? DropKind::Nothing : DropKind::Songs;
}

DropDecision DropRules::decide(const DropOffer& offer, const DropPlace& place) {
    DropDecision decision;
    decision.kind = drop(offer, place);
    if (decision.kind == DropKind::Songs)
        decision.action = songAction(place.pageKind);
    return decision;
}

SongDropAction DropRules::songAction(int pageKind) {
    switch (pageKind) {
    case 23:
        return SongDropAction::Cart;
    case 3:
        return SongDropAction::OnlineAlbum;
    case 5:
        return SongDropAction::LocalAlbum;
    case 6:
        return SongDropAction::FolderCopy;
    case 14:
    case 31:
        return SongDropAction::PhoneList;
    case 12:
    case 13:
    case 24:
    case 25:
        return SongDropAction::DeviceList;
    default:
        return SongDropAction::Nothing;
    }
}

bool DropRules::renumbersAfterMove(int pageKind) {
    return !among({17, 18, 19}, pageKind);
}

} // namespace kesto

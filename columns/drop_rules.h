#pragma once
// What a song list answers to a drag over it and does with a drop, from what the data carries,
// the page the panel shows and whether the drag started in that very list.

#include <cstdint>
#include <span>
#include <string>

namespace kesto {

enum class DropEffect : std::uint8_t { None, Copy, Move };

// What a drop does: add the files, move the dragged rows of this list, hand the songs to the
// page's operation, or nothing.
enum class DropKind : std::uint8_t { Nothing, Files, MoveRows, Songs };

// The page's operation for songs dropped from another list.
enum class SongDropAction : std::uint8_t {
    Nothing,
    Cart,
    OnlineAlbum,
    LocalAlbum,
    FolderCopy,
    PhoneList,
    DeviceList
};

// What a drop does, decided once where it lands and carried with the dropped songs to the
// part that carries it out: its kind and, for songs from another list, the page's operation.
struct DropDecision {
    DropKind kind = DropKind::Nothing;
    SongDropAction action = SongDropAction::Nothing;
};

// What the dragged data carries.
struct DropOffer {
    bool files = false;     // a file list from the desktop
    bool songs = false;     // a song format
    bool miniList = false;  // the mini play list's format
    bool enterCopy = false; // a format that makes the first answer copy

    // The formats of ours among the names, and whether a file list came with them.
    static DropOffer of(std::span<const std::string> formats, bool files);
    bool any() const { return files || songs || miniList || enterCopy; }
};

// The list under the pointer.
struct DropPlace {
    int pageKind = 0;         // the page the panel shows, under the mini play list too
    bool miniList = false;    // the mini play list rather than the panel's list
    bool startedHere = false; // the drag started in this very list
};

class DropRules {
public:
    // The first answer, before the pointer moves.
    static DropEffect enter(const DropOffer& offer);
    // The answer at every move of the pointer; a drop is taken only where it is not None.
    static DropEffect over(const DropOffer& offer, const DropPlace& place);
    static DropKind drop(const DropOffer& offer, const DropPlace& place);
    // What a drop there does, with the page's operation for songs.
    static DropDecision decide(const DropOffer& offer, const DropPlace& place);
    static SongDropAction songAction(int pageKind);
    // Rows moved by a drop are numbered anew except on the ranked lists.
    static bool renumbersAfterMove(int pageKind);
};

} // namespace kesto

#include "commands/menu_eligibility.h"

#include "columns/list_command_ids.h"

namespace kesto {

namespace {

using namespace listcmd;

// Listening takes local files too, never a song the service stopped.
bool playable(const Song& song) {
    return !song.isGrey();
}

// Play lists hold files of this PC only.
bool localFile(const Song& song) {
    return song.isLocal();
}

// The store's own commands (my album, cart, gift, download) take streaming songs only; an MP3
// bell is refused by all but the download.
bool storeSong(const Song& song) {
    return song.isStreaming() && !song.isGrey() && !song.isMp3Bell();
}

bool downloadable(const Song& song) {
    return song.isStreaming() && !song.isGrey();
}

bool streaming(const Song& song) {
    return song.isStreaming();
}

bool anySong(const Song&) {
    return true;
}

} // namespace

bool MenuEligibility::any(const std::vector<const Song*>& chosen, bool (*rule)(const Song&)) {
    for (const Song* song : chosen)
        if (song != nullptr && rule(*song))
            return true;
    return false;
}

bool MenuEligibility::enabled(int commandId, const std::vector<const Song*>& chosen) {
    switch (commandId) {
    case kListen:
        return any(chosen, &playable);
    case kPutPlayList:
        return any(chosen, &localFile);
    case kPutMyAlbum:
    case kPutCart:
    case kPutGift:
        return any(chosen, &storeSong);
    case kDownload:
    case kDownload2:
        return any(chosen, &downloadable);
    case kLyrics:
    case kLyrics2:
    case kPhoneSms:
        return any(chosen, &streaming);
    case kDelete:
    case kDelete2:
    case kDeviceDelete:
    case kDeviceDelete2:
    case kToPhone:
    case kToMp3Player:
    case kGiftMessage:
    case kGiftMessage2:
    case kCut:
    case kCut2:
    case kCopy:
    case kCopy2:
        return any(chosen, &anySong);
    default:
        return true; // menu commands that need no song: add files, select all, load, clear
    }
}

} // namespace kesto

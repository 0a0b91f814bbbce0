#include "host/audio/next_song_call.h"

#include <array>
#include <cstring>

namespace kesto {
namespace {

bool& inCall() {
    static bool asking = false;
    return asking;
}

template <std::size_t N> std::string textOf(const std::array<char, N>& buffer) {
    return std::string(buffer.data(), strnlen(buffer.data(), N));
}

} // namespace

bool NextSongCall::asking() {
    return inCall();
}

NextSongCall::Scope::Scope() {
    inCall() = true;
}

NextSongCall::Scope::~Scope() {
    inCall() = false;
}

NextSongAnswer NextSongCall::ask(KestoEntry24 entry, int playMode, int position, bool restart) {
    NextSongAnswer r;
    if (entry == nullptr)
        return r;
    std::array<char, KESTO_PLAY_TEXT_SIZE> name{}, artist{}, songId{}, localPath{}, stored{};
    std::array<char, KESTO_PLAY_URL_SIZE> field1{}, field3{}, field4{};
    const Scope scope;
    entry("", playMode, position, restart ? 1 : 0, &r.position, name.data(), artist.data(), songId.data(),
          field1.data(), &r.playSeconds, field3.data(), field4.data(), &r.fullPlay, &r.playTime, &r.isLocal,
          localPath.data(), &r.fileFormat, &r.hasLyrics, stored.data());
    r.songName = textOf(name);
    r.artist = textOf(artist);
    r.songId = textOf(songId);
    r.streamAddress = textOf(field1);
    r.field3 = textOf(field3);
    r.field4 = textOf(field4);
    r.localPath = textOf(localPath);
    r.storedText = textOf(stored);
    return r;
}

} // namespace kesto

#include "songs/song_builder.h"

#include <new>

namespace kesto {

namespace {

std::size_t index(SongField field) {
    return static_cast<std::size_t>(field);
}

} // namespace

bool SongBuilder::start() {
    song_.reset(new (std::nothrow) Song);
    present_ = 0;
    bytes_ = 0;
    return song_ != nullptr;
}

void SongBuilder::setText(SongField field, std::string_view text) {
    put(field, Song::fitted(field, text));
}

std::string_view SongBuilder::view(SongField field) const {
    return (present_ >> index(field) & 1U) != 0 ? texts_[index(field)] : std::string_view();
}

std::unique_ptr<Song> SongBuilder::finish() {
    if (song_)
        song_->pack(texts_, present_, bytes_);
    return std::move(song_);
}

} // namespace kesto

#include "songs/song_builder.h"

#include "platform/cp949.h"

#include <cstring>
#include <new>

namespace kesto {

namespace {

std::size_t index(SongField field) {
    return static_cast<std::size_t>(field);
}

std::string_view beforeNul(std::string_view text) {
    const void* nul = text.empty() ? nullptr : std::memchr(text.data(), '\0', text.size());
    return nul == nullptr
               ? text
               : text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
}

} // namespace

bool SongBuilder::start() {
    song_.reset(new (std::nothrow) Song);
    present_ = 0;
    bytes_ = 0;
    return song_ != nullptr;
}

std::string_view SongBuilder::cut(std::string_view text, std::size_t capacity) {
    return text.substr(0, Cp949::fitLength(text, capacity - 1));
}

void SongBuilder::setText(SongField field, std::string_view text) {
    setPlainText(field, beforeNul(text));
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

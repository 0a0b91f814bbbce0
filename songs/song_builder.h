#pragma once
// Makes songs one after another, each packed once: a parser sets a row's fields as it reads
// them and the texts are copied into the song's block only when the row is whole. Texts are
// views that stay valid until the song is made (of the reply being read, or of a buffer the
// reader keeps for the field).

#include "songs/song.h"
#include "songs/song_record.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace kesto {

class SongBuilder {
public:
    // Starts a new song: every text empty, the numbers those of a new song. False when memory
    // runs out.
    bool start();
    // The song being made; its numbers are written here directly.
    Song& song() { return *song_; }

    // A text that stays valid until finish, cut as Song::setText cuts it.
    void setText(SongField field, std::string_view text);
    // The same for a text known to hold no NUL: only the capacity cuts it. Inline: a parser
    // sets most fields of every row through it.
    void setPlainText(SongField field, std::string_view text) {
        const std::size_t capacity = kSongTextCapacities[static_cast<std::size_t>(field)];
        put(field, text.size() < capacity ? text : Song::fitted(field, text));
    }
    std::string_view view(SongField field) const;

    // Packs the texts into the song and hands it over; null when nothing was started.
    std::unique_ptr<Song> finish();

private:
    void put(SongField field, std::string_view fitted) {
        const auto i = static_cast<std::size_t>(field);
        const std::uint64_t bit = std::uint64_t{1} << i;
        if ((present_ & bit) != 0)
            bytes_ -= texts_[i].size() + 1;
        if (fitted.empty()) {
            present_ &= ~bit;
            return;
        }
        present_ |= bit;
        bytes_ += fitted.size() + 1;
        texts_[i] = fitted;
    }

    std::unique_ptr<Song> song_;
    Song::Texts texts_; // only those named in present_ count
    std::uint64_t present_ = 0;
    std::size_t bytes_ = 0; // of the present texts, with their terminators
};

} // namespace kesto

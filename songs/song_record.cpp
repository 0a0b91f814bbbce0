#include "songs/song_record.h"

#include "platform/cp949.h"

#include <array>
#include <cstring>
#include <type_traits>

namespace kesto {

static_assert(std::is_trivially_copyable_v<SongRecord>, "records are copied by value");

namespace {

constexpr std::array<std::size_t, kSongTextCount> kOffsets = {{
#define KESTO_SONG_SLOT(name) offsetof(SongRecord, name),
    KESTO_SONG_TEXTS(KESTO_SONG_SLOT)
#undef KESTO_SONG_SLOT
}};

char* slot(SongRecord& record, std::size_t i) {
    return reinterpret_cast<char*>(&record) + kOffsets[i];
}

const char* slot(const SongRecord& record, std::size_t i) {
    return reinterpret_cast<const char*>(&record) + kOffsets[i];
}

} // namespace

SongRecord SongRecord::make() {
    SongRecord record;
    reset(record);
    return record;
}

void SongRecord::reset(SongRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.Serviceable = 1;
}

std::size_t SongRecord::capacityOf(SongField field) {
    return kSongTextCapacities[static_cast<std::size_t>(field)];
}

SongRecord SongRecord::of(const Song& song) {
    SongRecord record;
    fill(record, song);
    return record;
}

void SongRecord::fill(SongRecord& record, const Song& song) {
    reset(record);
    for (std::size_t i = 0; i < kSongTextCount; ++i) {
        const std::string_view text = song.view(static_cast<SongField>(i));
        if (!text.empty())
            std::memcpy(slot(record, i), text.data(), text.size()); // fits: the song cut it
    }
#define KESTO_SONG_NUMBER_OUT(name) record.name = song.name;
    KESTO_SONG_NUMBERS(KESTO_SONG_NUMBER_OUT)
#undef KESTO_SONG_NUMBER_OUT
}

Song SongRecord::toSong() const {
    Song song;
    Song::Texts texts;
    for (std::size_t i = 0; i < kSongTextCount; ++i) {
        const char* text = slot(*this, i);
        if (*text == '\0') { // most fields of a row are empty
            texts[i] = {};
            continue;
        }
        const std::size_t capacity = kSongTextCapacities[i];
        const std::size_t length = strnlen(text, capacity);
        // A full array has no terminator: cut it as the song's setter would.
        texts[i] = length < capacity
                       ? std::string_view(text, length)
                       : Song::fitted(static_cast<SongField>(i), std::string_view(text, length));
    }
    song.setTexts(texts);
#define KESTO_SONG_NUMBER_IN(name) song.name = name;
    KESTO_SONG_NUMBERS(KESTO_SONG_NUMBER_IN)
#undef KESTO_SONG_NUMBER_IN
    return song;
}

std::size_t copyBounded(char* field, std::size_t capacity, std::string_view text) {
    if (field == nullptr || capacity == 0)
        return 0;
    // A NUL inside the text ends it, as it would in the C string it came from.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const std::size_t length = Cp949::fitLength(text, capacity - 1);
    if (length > 0) // an empty view may carry a null pointer
        std::memcpy(field, text.data(), length);
    field[length] = '\0';
    return length;
}

} // namespace kesto

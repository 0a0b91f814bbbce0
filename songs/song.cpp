#include "songs/song.h"

#include "platform/cp949.h"
#include "songs/song_record.h"

#include <cstring>
#include <utility>

namespace kesto {

namespace {

static_assert(kSongTextCount <= 64, "one bit a text");

} // namespace

Song::Song(const Song& other)
    : Play_Time(other.Play_Time), Has_Lyrics(other.Has_Lyrics), Has_Message(other.Has_Message),
      Listen_Count(other.Listen_Count), File_Size(other.File_Size), Item_Type(other.Item_Type),
      Bitrate(other.Bitrate), Is_Current(other.Is_Current), Phone_Deco(other.Phone_Deco),
      Play_State(other.Play_State), Marked(other.Marked), Shuffle_Mark(other.Shuffle_Mark),
      Serviceable(other.Serviceable), List_Value(other.List_Value), Purchase_Mark(other.Purchase_Mark),
      Cart_Value(other.Cart_Value), Source_Kind(other.Source_Kind), File_Format(other.File_Format),
      stored_(other.stored_), present_(other.present_) {
    if (const std::size_t size = other.blockSize()) {
        texts_ = std::make_unique_for_overwrite<char[]>(size);
        std::memcpy(texts_.get(), other.texts_.get(), size);
    }
}

// A moved-from song is an empty one, never a presence mask without its texts.
Song::Song(Song&& other) noexcept {
    swap(other);
}

Song& Song::operator=(Song&& other) noexcept {
    Song taken(std::move(other));
    swap(taken);
    return *this;
}

void Song::swap(Song& other) noexcept {
    using std::swap;
    swap(Play_Time, other.Play_Time);
    swap(Has_Lyrics, other.Has_Lyrics);
    swap(Has_Message, other.Has_Message);
    swap(Listen_Count, other.Listen_Count);
    swap(File_Size, other.File_Size);
    swap(Item_Type, other.Item_Type);
    swap(Bitrate, other.Bitrate);
    swap(Is_Current, other.Is_Current);
    swap(Phone_Deco, other.Phone_Deco);
    swap(Play_State, other.Play_State);
    swap(Marked, other.Marked);
    swap(Shuffle_Mark, other.Shuffle_Mark);
    swap(Serviceable, other.Serviceable);
    swap(List_Value, other.List_Value);
    swap(Purchase_Mark, other.Purchase_Mark);
    swap(Cart_Value, other.Cart_Value);
    swap(Source_Kind, other.Source_Kind);
    swap(File_Format, other.File_Format);
    swap(stored_, other.stored_);
    swap(present_, other.present_);
    swap(texts_, other.texts_);
}

Song& Song::operator=(const Song& other) {
    if (this != &other)
        *this = Song(other);
    return *this;
}

std::size_t Song::blockSize() const {
    const std::size_t n = stored_;
    return n == 0 ? 0 : n * sizeof(End) + end(n - 1);
}

Song::Texts Song::texts() const {
    Texts all;
    for (std::size_t i = 0; i < kSongTextCount; ++i)
        all[i] = view(static_cast<SongField>(i));
    return all;
}

std::size_t Song::capacity(SongField field) {
    return kSongTextCapacities[static_cast<std::size_t>(field)];
}

std::string_view Song::fitted(SongField field, std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    return text.substr(0, Cp949::fitLength(text, capacity(field) - 1));
}

std::size_t Song::setText(SongField field, std::string_view text) {
    Texts all = texts();
    all[static_cast<std::size_t>(field)] = fitted(field, text);
    setTexts(all); // the views point into the old block, which goes only once the new one is made
    return all[static_cast<std::size_t>(field)].size();
}

void Song::setTexts(const Texts& texts) {
    std::uint64_t present = 0;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < kSongTextCount; ++i) {
        if (texts[i].empty())
            continue;
        present |= std::uint64_t{1} << i;
        bytes += texts[i].size() + 1;
    }
    pack(texts, present, bytes);
}

void Song::pack(const Texts& texts, std::uint64_t present, std::size_t bytes) {
    const unsigned n = bitCount(present);
    std::unique_ptr<char[]> block;
    if (n > 0) {
        block = std::make_unique_for_overwrite<char[]>(n * sizeof(End) + bytes);
        char* const base = block.get() + n * sizeof(End);
        std::size_t at = 0;
        std::size_t k = 0;
        for (std::uint64_t left = present; left != 0; left &= left - 1) {
            const std::string_view text = texts[static_cast<std::size_t>(std::countr_zero(left))];
            std::memcpy(base + at, text.data(), text.size());
            at += text.size();
            base[at++] = '\0';
            const auto endOffset = static_cast<End>(at);
            std::memcpy(block.get() + k++ * sizeof(End), &endOffset, sizeof endOffset);
        }
    }
    stored_ = static_cast<std::uint8_t>(n);
    present_ = present; // the views may point into the old block: it goes only now
    texts_ = std::move(block);
}

} // namespace kesto

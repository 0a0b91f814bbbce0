#pragma once
// A song as the module holds it: the numbers as members, the texts that are not empty packed
// once in one block (a table of where each ends, then the texts, each NUL-terminated). Every text keeps the
// capacity the record format gives it: a value is cut where the fixed record would cut it, so
// what is shown, sent and saved is the same. The fixed record exists only where a host or
// another process sees bytes (SongRecord).

#include "songs/song_field.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace kesto {

class Song {
public:
    using Texts = std::array<std::string_view, kSongTextCount>;

    Song() = default;
    Song(const Song& other);
    Song& operator=(const Song& other);
    Song(Song&& other) noexcept;
    Song& operator=(Song&& other) noexcept;
    ~Song() = default;

    // The text of a field, NUL-terminated; "" when it is empty.
    const char* text(SongField field) const;
    std::string_view view(SongField field) const;
    bool isEmpty(SongField field) const { return view(field).empty(); }
    // The one way a text is written: cut at capacity - 1 bytes without splitting a two-byte
    // CP949 character (a NUL ends it). Returns the bytes kept.
    std::size_t setText(SongField field, std::string_view text);
    // Every text at once, each already within its capacity: one allocation.
    void setTexts(const Texts& texts);
    // The capacity of a field in the record format, terminator included.
    static std::size_t capacity(SongField field);
    // The longest prefix of text that field keeps.
    static std::string_view fitted(SongField field, std::string_view text);

    // Item kinds.
    bool isLocal() const { return !isEmpty(SongField::Local_Path); }
    bool isStreaming() const { return isEmpty(SongField::Local_Path); }
    bool isMp3Bell() const { return view(SongField::Menu_ID) == "238"; }
    bool isGrey() const { return Serviceable == 0; }

    std::int32_t Play_Time = 0;
    std::int32_t Has_Lyrics = 0;
    std::int32_t Has_Message = 0;
    std::int32_t Listen_Count = 0;
    std::int32_t File_Size = 0;
    std::int32_t Item_Type = 0;
    std::int32_t Bitrate = 0;
    std::int32_t Is_Current = 0;
    std::int32_t Phone_Deco = 0;
    std::int32_t Play_State = 0;
    std::int32_t Marked = 0;
    std::int32_t Shuffle_Mark = 0;
    std::int32_t Serviceable = 1;
    std::int32_t List_Value = 0;
    std::int32_t Purchase_Mark = 0;
    std::int32_t Cart_Value = 0;
    std::int16_t Source_Kind = 0;
    std::uint8_t File_Format = 0;

private:
    using End = std::uint16_t;

    std::size_t stored() const; // texts in the block
    std::size_t end(std::size_t k) const;
    std::size_t blockSize() const;
    Texts texts() const;

    std::uint64_t present_ = 0;     // bit i: text i is not empty
    std::unique_ptr<char[]> texts_; // null while every text is empty
};

} // namespace kesto

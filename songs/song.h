#pragma once
// A song as the module holds it: the numbers as members, the texts that are not empty packed
// once in one block (a table of where each ends, then the texts, each NUL-terminated). Every text keeps the
// capacity the record format gives it: a value is cut where the fixed record would cut it, so
// what is shown, sent and saved is the same. The fixed record exists only where a host or
// another process sees bytes (SongRecord).

#include "songs/song_field.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace kesto {

class Song {
public:
    using Texts = std::array<std::string_view, kSongTextCount>;

    Song() = default;
    Song(const Song& other);
    Song& operator=(const Song& other);
    // Moving leaves an empty song behind.
    Song(Song&& other) noexcept;
    Song& operator=(Song&& other) noexcept;
    ~Song() = default;

    // The text of a field, NUL-terminated; "" when it is empty. Inline: sorts and look-ups
    // read fields millions of times.
    const char* text(SongField field) const {
        const std::string_view text = view(field);
        return text.empty() ? "" : text.data();
    }
    std::string_view view(SongField field) const {
        const auto i = static_cast<unsigned>(field);
        if ((present_ >> i & 1U) == 0)
            return {};
        const unsigned k = bitCount(present_ & ((std::uint64_t{1} << i) - 1));
        const std::size_t from = k == 0 ? 0 : end(k - 1);
        return {texts_.get() + std::size_t{stored_} * sizeof(End) + from, end(k) - from - 1};
    }
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

    // The baseline target has no popcount instruction, and std::popcount is then a library
    // call; this is a handful of inline operations.
    static constexpr unsigned bitCount(std::uint64_t x) {
#if defined(__POPCNT__)
        return static_cast<unsigned>(std::popcount(x));
#else
        x -= (x >> 1) & 0x5555555555555555ULL;
        x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
        x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return static_cast<unsigned>((x * 0x0101010101010101ULL) >> 56);
#endif
    }
    std::size_t end(std::size_t k) const {
        End value = 0;
        std::memcpy(&value, texts_.get() + k * sizeof(End), sizeof value);
        return value;
    }
    std::size_t blockSize() const;
    Texts texts() const;
    void swap(Song& other) noexcept;
    // texts: those named in present, each within its capacity and not empty; bytes: their
    // sizes and terminators.
    void pack(const Texts& texts, std::uint64_t present, std::size_t bytes);
    friend class SongBuilder; // packs what it has counted as it went

    std::uint8_t stored_ = 0;       // texts in the block: the bits of present_, counted once
    std::uint64_t present_ = 0;     // bit i: text i is not empty
    std::unique_ptr<char[]> texts_; // null while every text is empty
};

} // namespace kesto

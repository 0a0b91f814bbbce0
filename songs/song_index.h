#pragma once
// The look-up tables of a song store: positions by exact Song_ID, by Song_ID ignoring case
// among streaming entries, and by Local_Path ignoring case among local entries. Keys are
// hashes, and every hit is checked against the record, so a collision never answers wrong.
// Positions come from sequence numbers that grow with the order of the store, counted in a
// Fenwick tree, so removing an entry costs a logarithm and not a renumbering.
// The store calls it under its own lock; Song_ID and Local_Path of a stored record are keys and
// change only through the store.

#include "songs/song.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kesto {

class SongIndex {
public:
    using Records = std::vector<std::unique_ptr<Song>>;

    bool built() const { return built_; }
    // Forgets everything; the next look-up builds the tables again from the records.
    void drop();
    void build(const Records& records);
    // Keeps built tables in step; a no-op while they are not built.
    void appended(const Song& record);
    void removing(const Records& records, std::size_t position);

    // As the store's look-ups; builds the tables first when needed.
    int findBySongId(const Records& records, std::string_view id);
    int positionInNowPlaying(const Records& records, const Song& record);

    // Bytes the tables hold, roughly: what a store pays for look-ups that do not scan.
    std::size_t bytesHeld() const;

private:
    using Lists = std::unordered_map<std::uint64_t, std::vector<std::uint32_t>>;

    void add(const Song& record, std::uint32_t seq);
    static void take(Lists& lists, std::uint64_t key, std::uint32_t seq);
    void grow();
    void mark(std::uint32_t seq, int delta);
    std::size_t rank(std::uint32_t seq) const; // live entries before seq: the position

    bool built_ = false;
    std::vector<std::uint32_t> seqOf_; // by position
    std::vector<int> tree_;            // Fenwick tree over sequence numbers
    std::uint32_t nextSeq_ = 0;
    Lists byId_;
    Lists byStreamingId_;
    Lists byLocalPath_;
};

} // namespace kesto

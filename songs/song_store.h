#pragma once
// An ordered, locked list of songs with a current index. The panel keeps two: the
// now-playing store and the second store of shown local lists. A store owns copies of its
// records; every operation holds the store's own lock for its whole run. Look-ups by song id
// and by now-playing match go through an index built at the first look-up and kept in step
// from then on; a record's Song_ID and Local_Path are its keys and must not be changed
// through a pointer from get or forEach.

#include "songs/song.h"
#include "songs/song_index.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace kesto {

class SongStore {
public:
    // Result of removeAt for an index out of range.
    static constexpr int kOutOfRange = -3;

    SongStore();
    ~SongStore();
    SongStore(const SongStore&) = delete;
    SongStore& operator=(const SongStore&) = delete;

    // Copies the record in; 0 when it is null or memory runs out, else 1.
    int addCopy(const Song* record);
    // Appends a song without copying it; 0 when it is null or memory runs out, else 1.
    int adopt(std::unique_ptr<Song> record);
    // The record at index, or null. Valid only while the store is not cleared.
    Song* get(int index);
    const Song* get(int index) const;
    // Unlinks and frees the entry at index; kOutOfRange when there is none, else 1.
    int removeAt(int index);
    // Frees the entry holding exactly this record (a pointer from get); false when not found.
    bool remove(const Song* record);
    // A copy of the record put in at index (0 to count); 0 when it is null, the index is out
    // of range or memory runs out, else 1.
    int insertCopy(int index, const Song* record);
    // Moves the entry at from to position to; false when either is out of range.
    bool move(int from, int to);
    // Swaps two entries; false when either is out of range.
    bool swap(int a, int b);
    // Puts the entries in the order of less (stable).
    void sort(const std::function<bool(const Song&, const Song&)>& less);

    // First position whose Song_ID equals id byte-wise, or -1.
    int findBySongId(std::string_view id) const;
    // Marks the record at index as the current entry and clears the mark on all others.
    void setCurrent(int index);
    int current() const;
    // Puts the records in the order given (pointers from get); records not named keep their
    // relative order after the named ones. The current mark follows its record.
    void reorder(const std::vector<const Song*>& order);
    // Lets every record go; the current index becomes -1.
    void clear();
    int count() const;
    // hook runs at the start of every clear, on the clearing thread and outside the lock:
    // whoever points at the records (the rows of a shown list) lets them go first. Returns
    // the id that removes it.
    int addClearHook(std::function<void()> hook);
    void removeClearHook(int id);

    void clearShuffleMarks();
    void setShuffleMark(int index);
    int shuffleMarkOf(int index) const; // 0 when out of range

    void markAll(int value);
    int allMarked() const; // 1 when empty or every record is marked

    // Position of the entry matching record: streaming by Song_ID among streaming entries,
    // local by Local_Path; both ignore letter case. -1 when none.
    int positionInNowPlaying(const Song& record) const;

    // The next entry to play from position p in play mode m (-2, -1, 0, 1, 2, 100, 101, 102)
    // with restart flag f; -1 means nothing to play. Marks the chosen position.
    int nextEntry(int p, int m, int f);

    // The random source of shuffle modes (rand() by default); returns a non-negative int.
    void setRandomSource(std::function<int()> source);

    // Bytes of the look-up index, 0 while it is not built.
    std::size_t indexBytes() const;

    // Copies of all records, taken under the lock.
    std::vector<Song> snapshot() const;
    // Runs fn(index, record) for every record under the lock; fn must not call the store.
    void forEach(const std::function<void(int, Song&)>& fn);

private:
    int firstAtOrAfter(int i) const;
    int lastAtOrBefore(int i) const;
    int shuffleNext(bool endless);
    // Caller holds the lock: positions changed, the current entry stays on its record.
    void afterReorder(const Song* currentRecord);

    mutable std::recursive_mutex mutex_;
    std::vector<std::unique_ptr<Song>> records_;
    int current_ = -1;
    std::function<int()> random_;
    mutable SongIndex index_; // built by the first look-up
    std::vector<std::pair<int, std::function<void()>>> clearHooks_;
    int lastHookId_ = 0;
};

} // namespace kesto

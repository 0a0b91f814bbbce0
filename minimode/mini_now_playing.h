#pragma once
// The now-playing store as the mini play list shows it: rows read anew from the store (ticks
// from each entry's mark), the store following the rows when they are sorted or moved, and
// songs, files and folders put into it. Every change is shown on the panel's now-playing page
// too, whose rows point into the same store.

#include "songs/song.h"

#include <functional>
#include <string>
#include <vector>

namespace kesto {

class SongListView;
class LocalRecordFactory;
class ModuleState;
class SongStore;

class MiniNowPlaying {
public:
    // shown runs after the rows were shown again (the window counts them).
    MiniNowPlaying(ModuleState& module, LocalRecordFactory& factory, std::function<void()> shown)
        : module_(module), factory_(factory), shown_(std::move(shown)) {}

    void setList(SongListView* list) { list_ = list; }
    ~MiniNowPlaying() { setStore(nullptr); }
    MiniNowPlaying(const MiniNowPlaying&) = delete;
    MiniNowPlaying& operator=(const MiniNowPlaying&) = delete;

    // The rows point into the store: a clear of it drops them, and they are read anew after.
    void setStore(SongStore* store);
    SongStore* store() const { return store_; }

    // The rows anew from the store, the current one marked.
    void refresh();
    // The mini list changed the store: shown again here and on the panel.
    void changed();
    // The rows were sorted or moved: the store takes their order, the current entry keeps its
    // song, the rows keep their ticks.
    void followRows();
    // Copies of songs of another list go in before row (-1: after the last).
    int insertSongs(int row, const std::vector<Song>& songs);
    // Audio files go in at the end (others are skipped); how many went in.
    int addFiles(const std::vector<std::string>& paths);
    // Files, and the audio files of folders and their sub-folders.
    int addPaths(const std::vector<std::string>& paths);

private:
    ModuleState& module_;
    LocalRecordFactory& factory_;
    std::function<void()> shown_;
    SongListView* list_ = nullptr;
    SongStore* store_ = nullptr;
    int clearHook_ = 0;
};

} // namespace kesto

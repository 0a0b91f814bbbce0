#include "minimode/mini_now_playing.h"

#include "library/file_type.h"
#include "library/local_record_factory.h"
#include "listview/song_list_view.h"
#include "module/module_state.h"
#include "module/now_playing_operations.h"
#include "pages/song_drops.h"
#include "songs/song_store.h"
#include "songs/store_order.h"

#include <QTimer>

namespace kesto {

void MiniNowPlaying::setStore(SongStore* store) {
    if (store_ != nullptr && clearHook_ != 0)
        store_->removeClearHook(clearHook_);
    clearHook_ = 0;
    store_ = store;
    if (store_ != nullptr)
        clearHook_ = store_->addClearHook([this] {
            if (list_ == nullptr)
                return;
            list_->deleteAllRows();
            QTimer::singleShot(0, list_, [this] { refresh(); });
        });
}

void MiniNowPlaying::refresh() {
    if (list_ != nullptr) {
        list_->deleteAllRows();
        if (store_ != nullptr) {
            std::vector<Song*> records;
            for (int i = 0; i < store_->count(); ++i)
                records.push_back(store_->get(i));
            list_->appendRows(records);
            // An entry's mark is its tick, kept while the rows are read anew.
            for (int row = 0; row < static_cast<int>(records.size()); ++row)
                if (records[static_cast<std::size_t>(row)]->Marked != 0)
                    list_->setRowChecked(row, true);
            list_->setCurrentRow(store_->current());
        }
    }
    if (shown_)
        shown_();
}

void MiniNowPlaying::changed() {
    refresh();
    if (PanelOperations* panel = module_.panel(); panel != nullptr && store_ != nullptr)
        panel->nowPlaying().selectSong(store_->current());
}

void MiniNowPlaying::followRows() {
    if (store_ == nullptr || list_ == nullptr)
        return;
    std::vector<Song*> shown;
    shown.reserve(static_cast<std::size_t>(list_->rowCount()));
    for (int row = 0; row < list_->rowCount(); ++row)
        shown.push_back(list_->record(row));
    // The records stay where they are and trade contents: the rows (here and on the panel)
    // point at the same memory, which row by row now holds what the rows show.
    if (!StoreOrder::follow(*store_, shown))
        return changed();
    std::vector<Song*> records;
    for (int position = 0; position < store_->count(); ++position)
        records.push_back(store_->get(position));
    list_->rebindRows(records);
    list_->setCurrentRow(store_->current());
    if (PanelOperations* panel = module_.panel())
        panel->nowPlaying().selectSong(store_->current());
}

int MiniNowPlaying::insertSongs(int row, const std::vector<Song>& songs) {
    if (store_ == nullptr || songs.empty())
        return 0;
    int at = row < 0 || row > store_->count() ? store_->count() : row;
    int added = 0;
    for (Song song : songs) {
        song.Marked = 0;
        song.Is_Current = 0;
        const int put = store_->insertCopy(at, &song);
        at += put;
        added += put;
    }
    changed();
    return added;
}

int MiniNowPlaying::addFiles(const std::vector<std::string>& paths) {
    if (store_ == nullptr)
        return 0;
    int added = 0;
    for (const std::string& path : paths) {
        const int type = FileType::fromPath(path);
        Song record{};
        if (type != FileType::kOther && factory_.build(path, type, {}, record))
            added += store_->addCopy(&record);
    }
    changed();
    return added;
}

int MiniNowPlaying::addPaths(const std::vector<std::string>& paths) {
    return addFiles(SongDrops::expand(paths));
}

} // namespace kesto

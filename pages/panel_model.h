#pragma once
// The panel's data, apart from its windows: the two song stores, the page state, the
// background readers, the album database, the record factory of local files, and the
// request context every exchange reads. Qt-free.

#include "library/local_record_factory.h"
#include "library/my_album_db.h"
#include "pages/local_page_reader.h"
#include "pages/page_state.h"
#include "protocol/protocol_context.h"
#include "songs/song_store.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kesto {

struct PanelModelInit {
    ProtocolContext context; // login, port, host window, message box; the request function
    KestoSvcReadTagsFn tagReader = nullptr;
    int codecMode = 1;
};

class PanelModel {
public:
    // Initially "00000000000000000".
    static constexpr int kFlagTextLength = 17;

    explicit PanelModel(const PanelModelInit& init);
    ~PanelModel();
    PanelModel(const PanelModel&) = delete;
    PanelModel& operator=(const PanelModel&) = delete;

    // Opens base/Playlist/MyAlbum.dbf and drops rows with short song ids; false when it
    // cannot be opened (the panel then runs without local albums). When the file was damaged
    // and kept aside, the user is told where.
    bool openAlbumDatabase(const std::filesystem::path& base);
    // The readers stop at their next file and post nothing; both are waited for.
    void stopReaders();
    // Destruction order of the panel's data: readers, work list, second store, now-playing store.
    void tearDown();

    // The files of the folder page: the folder chosen for it, else the download folder
    // ("LastSaveFolder").
    std::vector<std::string> folderFiles() const;
    std::filesystem::path folder() const;
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

    ProtocolContext& context() { return context_; }
    SongStore& nowPlaying() { return nowPlaying_; }
    const SongStore& nowPlaying() const { return nowPlaying_; }
    SongStore& list() { return list_; }
    PageState& state() { return state_; }
    const PageState& state() const { return state_; }
    LocalPageReader& folderWorker() { return folderWorker_; }
    LocalPageReader& albumWorker() { return albumWorker_; }
    LocalRecordFactory& factory() { return factory_; }
    MyAlbumDb* albumDb() { return albumDb_.get(); }
    std::vector<std::unique_ptr<Song>>& workList() { return workList_; }
    bool hasWork() const { return !workList_.empty(); }
    std::string& flagText() { return flagText_; }

private:
    ProtocolContext context_;
    SongStore nowPlaying_;
    SongStore list_;
    PageState state_;
    LocalRecordFactory factory_;
    std::unique_ptr<MyAlbumDb> albumDb_;
    std::vector<std::unique_ptr<Song>> workList_;
    std::string flagText_;
    std::filesystem::path folder_;
    // Declared last: a running reader uses the stores and the factory above until it is joined.
    LocalPageReader folderWorker_;
    LocalPageReader albumWorker_;
};

} // namespace kesto

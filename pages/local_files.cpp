#include "pages/local_files.h"

#include "library/file_type.h"
#include "library/folder_walker.h"
#include "pages/host_song_entries.h"
#include "pages/page_import.h"
#include "pages/page_navigator.h"
#include "pages/page_view.h"
#include "pages/panel_model.h"
#include "pages/show_page.h"
#include "pages/song_commands.h"
#include "pages/song_drops.h"
#include "songs/list_pages.h"

#include <filesystem>

namespace kesto {

namespace {

// Kinds of entry 50.
constexpr int kAddFilesKind = 0;
constexpr int kAddFolderKind = 1;
constexpr int kMyAlbumSongsKind = 2;
constexpr int kLocalFilesKind = 3;
constexpr int kServiceSongsKind = 4;
constexpr int kServerListViewMode = 2;
constexpr int kDownloadStorageViewMode = 4;
// The service song list ("kestoSong") of a list code.
constexpr int kServiceSongsMenu = 1001;

} // namespace

void LocalFiles::importPath(std::string_view path) {
    std::error_code error;
    const std::filesystem::path target(path);
    if (std::filesystem::is_directory(target, error)) {
        const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
        importFiles(walker.collect(target, true));
    } else if (!path.empty()) {
        importFiles({std::string(path)});
    }
}

void LocalFiles::addItems(int kind, std::string_view values) {
    if (p_.songs == nullptr)
        return;
    switch (kind) {
    case kAddFilesKind:
        p_.songs->addFilesDialog();
        break;
    case kAddFolderKind:
        p_.songs->addFolderDialog();
        break;
    case kMyAlbumSongsKind:
        p_.pages->showPage({kServerListViewMode, {}, menu::kOnlineAlbum, values, 0});
        break;
    case kLocalFilesKind:
        importPath(values);
        break;
    case kServiceSongsKind:
        p_.pages->showPage({kServerListViewMode, {}, kServiceSongsMenu, values, 0});
        break;
    default:
        break;
    }
}

template <class Change> void LocalFiles::changeShownList(bool shown, Change change) {
    shown = shown && p_.view != nullptr;
    if (shown)
        p_.view->dropRows();
    change();
    if (shown)
        p_.view->showList(model_.list(), p_.showPage->handOver());
}

void LocalFiles::addToLocalAlbum(std::string_view path, std::string_view albumId) {
    changeShownList(HostSongEntries::isLocalAlbum(model_.state().menuId),
                    [&] { HostSongEntries(model_).addToLocalAlbum(path, albumId); });
}

void LocalFiles::fillDeviceList(std::string_view text, int value) {
    changeShownList(HostSongEntries::isDeviceList(model_.state().menuId),
                    [&] { HostSongEntries(model_).fillDeviceList(text, value); });
}

int LocalFiles::readLocalSongInfo(std::string_view path, SongRecord* record) {
    return HostSongEntries(model_).fillRecord(path, record);
}

int LocalFiles::addDroppedFiles(const std::vector<std::string>& paths) {
    return importFiles(SongDrops::expand(paths));
}

void LocalFiles::playFiles(const std::vector<std::string>& paths) {
    CommandContext context = context_();
    HostSongEntries(model_).play(context, paths);
}

void LocalFiles::openDownloadStorage(std::string_view folder) {
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_directory(std::filesystem::path(folder), error))
        model_.setFolder(std::filesystem::path(folder));
    if (p_.pages != nullptr)
        p_.pages->showPage({kDownloadStorageViewMode, {}, menu::kDownloadStorage, {}, 0});
}

int LocalFiles::importFiles(const std::vector<std::string>& paths) {
    if (p_.view == nullptr || p_.pages == nullptr)
        return 0;
    const PageImport::Result result = PageImport::into(model_, paths);
    if (result.showAgain)
        p_.pages->reloadPage();
    else
        p_.view->showList(model_.list(), p_.showPage->handOver());
    return static_cast<int>(result.outcome.added.size());
}

} // namespace kesto

#include "pages/page_import.h"

#include "library/local_file_import.h"
#include "library/my_album_db.h"
#include "pages/panel_model.h"
#include "pages/show_page.h"
#include "songs/list_pages.h"

namespace kesto {

namespace {

int kindOf(int menuId) {
    return ListPages::pageKindOf(menuId);
}

} // namespace

PageImport::Result PageImport::into(PanelModel& model, const std::vector<std::string>& paths) {
    const PageState& state = model.state();
    LocalFileImport import(model.factory());
    Result result;
    if (state.pageKind == kindOf(menu::kNowPlaying)) {
        result.outcome = import.intoNowPlaying(paths, model.list(), model.nowPlaying());
    } else if (state.menuId == menu::kLocalAlbums || state.menuId == menu::kLocalAlbum) {
        if (model.albumDb() == nullptr)
            return result;
        const std::string album =
            state.parameter.empty() ? std::to_string(MyAlbumDb::kAllSongsAlbum) : state.parameter;
        result.outcome = import.intoAlbum(paths, *model.albumDb(), album);
        result.showAgain = true;
    } else if (state.menuId == menu::kDownloadStorage) {
        result.outcome = import.intoFolder(paths, model.folder(), model.list());
    } else if (state.pageKind == kindOf(menu::kOnlineAlbums) ||
               state.pageKind == kindOf(menu::kOnlineAlbum)) {
        return result;
    } else {
        result.outcome = import.intoShownList(paths, model.list());
    }
    return result;
}

} // namespace kesto

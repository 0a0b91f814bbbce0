#include "pages/panel_model.h"

#include "library/file_type.h"
#include "library/folder_walker.h"
#include "platform/cp949.h"
#include "settings/download_folder.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

namespace kesto {

namespace {

// Followed by the folder used instead of Playlist, which another user may write.
constexpr const char* kAlbumFolderMoved =
    "앨범 폴더(Playlist)를 다른 사용자가 쓸 수 있어 사용하지 않습니다.\n"
    "앨범은 다음 폴더에 저장됩니다: ";
// Followed by the name under which the damaged file was kept.
constexpr const char* kDamagedAlbumFile = "앨범 목록 파일(MyAlbum.dbf)이 손상되어 새 파일을 만들었습니다.\n"
                                          "손상된 파일은 Playlist 폴더에 다음 이름으로 보관되어 있습니다:\n";

} // namespace

PanelModel::PanelModel(const PanelModelInit& init)
    : context_(init.context), factory_(init.tagReader),
      flagText_(static_cast<std::size_t>(kFlagTextLength), '0') {
    context_.codecMode = init.codecMode;
}

PanelModel::~PanelModel() {
    tearDown();
}

bool PanelModel::openAlbumDatabase(const std::filesystem::path& base) {
    auto db = std::make_unique<MyAlbumDb>();
    if (!db->start(base))
        return false;
    if (!db->damagedCopy().empty() && context_.box != nullptr) {
        const std::string text = Cp949::fromUtf8(kDamagedAlbumFile) + db->damagedCopy().filename().string();
        context_.box->show(text, kMessageBoxCaption, mb::kExclamationOk);
    }
    if (!db->movedTo().empty() && context_.box != nullptr) {
        const std::string text = Cp949::fromUtf8(kAlbumFolderMoved) + db->movedTo().string();
        context_.box->show(text, kMessageBoxCaption, mb::kExclamationOk);
    }
    albumDb_ = std::move(db);
    return true;
}

void PanelModel::stopReaders() {
    folderWorker_.stop();
    albumWorker_.stop();
}

void PanelModel::tearDown() {
    stopReaders();
    workList_.clear();
    if (list_.count() > 0)
        list_.clear();
    if (nowPlaying_.count() > 0)
        nowPlaying_.clear();
}

std::filesystem::path PanelModel::folder() const {
    if (!folder_.empty())
        return folder_;
    RegistryKey key;
    return DownloadFolder::resolve(key, settings::kLastSaveFolder);
}

std::vector<std::string> PanelModel::folderFiles() const {
    std::error_code error;
    const std::filesystem::path where = folder();
    if (!std::filesystem::is_directory(where, error))
        return {};
    const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
    return walker.collect(where, false);
}

} // namespace kesto

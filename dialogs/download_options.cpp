#include "dialogs/download_options.h"

#include "commands/command_settings.h"
#include "commands/download_request.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/skinned_dialog.h"
#include "library/my_album_db.h"
#include "library/playlist_mover.h"
#include "platform/cp949.h"
#include "platform/plain_text.h"
#include "settings/download_folder.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

DownloadOptions::DownloadOptions(Parts parts, QWidget* parent) : QWidget(parent), parts_(std::move(parts)) {
    setObjectName(QStringLiteral("downloadOptions"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    if (parts_.settings != nullptr)
        folder_ = DownloadFolder::resolve(*parts_.settings, settings::kLastSaveFolder);
    auto* shown = PlainText::label(dialogText(t::kSaveFolder) + QFile::decodeName(folder_.c_str()), this);
    shown->setObjectName(QStringLiteral("saveFolder"));
    column->addWidget(shown);
    skip_ = new QCheckBox(dialogText(t::kSkipExisting), this);
    skip_->setObjectName(QStringLiteral("skipExisting"));
    skip_->setChecked(CommandSettings(parts_.settings).transferWriteFlag() == 0);
    column->addWidget(skip_);
    addPlayLists(column);
}

void DownloadOptions::addPlayLists(QVBoxLayout* column) {
    if (parts_.mode == DownloadRequest::kHostAsked || parts_.albums == nullptr)
        return;
    playLists_ = new QComboBox(this);
    playLists_->setObjectName(QStringLiteral("playLists"));
    if (parts_.intoAlbum.empty()) {
        addOpenPlayLists();
    } else {
        // The songs were dropped into this album: they go there and nowhere else.
        names_.push_back(parts_.albums->albumName(parts_.intoAlbum));
        playLists_->addItem(QString::fromStdString(Cp949::toUtf8(names_.back())),
                            QString::fromStdString(parts_.intoAlbum));
        playLists_->setEnabled(false);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(dialogText(t::kDownloadPlayList), this));
    row->addWidget(playLists_, 1);
    column->addLayout(row);
}

void DownloadOptions::addOpenPlayLists() {
    names_.emplace_back();
    playLists_->addItem(dialogText(t::kNoPlayListChosen), QString());
    std::vector<PlaylistEntry> lists;
    PlaylistMover(*parts_.albums).listPlaylists({}, lists);
    std::string saved;
    if (parts_.settings != nullptr)
        parts_.settings->readRootString(saved, settings::kPlayListSave);
    for (const PlaylistEntry& list : lists) {
        names_.push_back(list.name);
        playLists_->addItem(QString::fromStdString(Cp949::toUtf8(list.name)),
                            QString::fromStdString(list.albumId));
        if (!saved.empty() && list.name == saved)
            playLists_->setCurrentIndex(playLists_->count() - 1);
    }
}

int DownloadOptions::store() const {
    const bool skip = skip_->isChecked();
    if (parts_.settings != nullptr) {
        parts_.settings->writeRootString(skip ? settings::kFlagSet : settings::kFlagClear,
                                         settings::kFileSkipWrite);
        if (playLists_ != nullptr && playLists_->isEnabled() && playLists_->currentIndex() >= 0)
            parts_.settings->writeRootString(names_.at(static_cast<std::size_t>(playLists_->currentIndex())),
                                             settings::kPlayListSave);
    }
    return skip ? 0 : 1;
}

std::string DownloadOptions::playList() const {
    return playLists_ != nullptr ? playLists_->currentData().toString().toStdString() : std::string();
}

} // namespace kesto

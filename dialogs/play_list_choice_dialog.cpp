#include "dialogs/play_list_choice_dialog.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/name_dialog.h"
#include "library/album_creator.h"
#include "platform/cp949.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

namespace {
constexpr std::intptr_t kPlayListChangedWParam = 4;
}

PlayListChoiceDialog::PlayListChoiceDialog(QWidget* parent, Parts parts, std::vector<Song> songs)
    : SkinnedDialog(parent, parts.skin, t::kPlayListTitle), parts_(std::move(parts)),
      songs_(std::move(songs)), mover_(*parts_.db) {
    setObjectName(QStringLiteral("playListChoice"));
    lists_ = new QComboBox(this);
    lists_->setObjectName(QStringLiteral("playLists"));
    lists_->setMinimumWidth(260);
    auto* create = new QPushButton(dialogText(t::kNewPlayList), this);
    create->setObjectName(QStringLiteral("newPlayList"));
    create->setAutoDefault(false);
    move_ = new QCheckBox(dialogText(t::kPlayListDeleteAfter), this);
    move_->setObjectName(QStringLiteral("deleteAfter"));
    move_->setEnabled(parts_.fromPlaylist);
    move_->setChecked(parts_.fromPlaylist && parts_.move);
    auto* note = new QLabel(dialogText(t::kPlayListNote), this);
    note->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(lists_, 1);
    row->addWidget(create);
    body()->addLayout(row);
    body()->addWidget(move_);
    body()->addWidget(note);
    connect(create, &QPushButton::clicked, this, &PlayListChoiceDialog::newPlayList);
}

bool PlayListChoiceDialog::load() {
    std::vector<PlaylistEntry> lists;
    if (!mover_.listPlaylists(parts_.shownAlbumId, lists)) {
        // A plain box: the database, not the store, has failed.
        QMessageBox::critical(parentWidget(), dialogText(kMessageBoxCaption), dialogText(t::kDbError));
        return false;
    }
    for (const PlaylistEntry& list : lists)
        lists_->addItem(QString::fromStdString(Cp949::toUtf8(list.name)),
                        QString::fromStdString(list.albumId));
    return true;
}

void PlayListChoiceDialog::newPlayList() {
    if (parts_.box == nullptr)
        return;
    AlbumCreator creator(parts_.createPlaylist, nullptr, *parts_.box);
    std::string albumId;
    NameDialog names(this, parts_.skin, t::kNewPlayListPrompt, t::kNewPlayListField,
                     [&](const std::string& name) {
                         const auto id = creator.newPlaylist(name);
                         if (id)
                             albumId = *id;
                         // A refusal by the host has been told; the name stays for another try
                         // only when it was empty.
                         return id.has_value() || !name.empty();
                     });
    if (names.exec() != QDialog::Accepted || albumId.empty())
        return;
    lists_->addItem(QString::fromStdString(Cp949::toUtf8(names.name())), QString::fromStdString(albumId));
    lists_->setCurrentIndex(lists_->count() - 1);
}

bool PlayListChoiceDialog::confirm() {
    if (lists_->count() == 0) {
        tell(t::kNoPlayList, mb::kStopOk);
        return false;
    }
    if (lists_->currentIndex() < 0) {
        tell(t::kChoosePlayList, mb::kStopOk);
        return false;
    }
    const std::string target = lists_->currentData().toString().toStdString();
    for (const Song& song : songs_) {
        // A row of the shown play list knows its album; the page's own id is the fallback.
        const std::string current = song.text(SongField::Album_ID)[0] != '\0'
                                        ? std::string(song.text(SongField::Album_ID))
                                        : parts_.shownAlbumId;
        const PutResult one = mover_.put({song}, target, current, parts_.fromPlaylist, move_->isChecked());
        result_.handled += one.handled;
        result_.skipped += one.skipped;
        result_.failed += one.failed;
    }
    if (result_.failed > 0)
        QMessageBox::critical(this, dialogText(kMessageBoxCaption), dialogText(t::kDbError));
    tellHost();
    return true;
}

void PlayListChoiceDialog::tellHost() const {
    if (parts_.port == nullptr || result_.handled == 0)
        return;
    parts_.port->post(parts_.host, KESTO_MSG_PLAYLIST_CHANGED, kPlayListChangedWParam, 0);
    parts_.port->post(parts_.host, KESTO_MSG_LOGIN_INVALID, 0, 0);
}

void PlayListChoiceDialog::tell(std::string_view textUtf8, int style) const {
    if (parts_.box != nullptr)
        parts_.box->show(Cp949::fromUtf8(textUtf8), kMessageBoxCaption, style);
}

bool PlayListChoiceDialog::run(QWidget* parent, Parts parts, std::vector<Song> songs) {
    if (parts.db == nullptr)
        return false;
    PlayListChoiceDialog dialog(parent, std::move(parts), std::move(songs));
    if (!dialog.load() || dialog.exec() != QDialog::Accepted)
        return false;
    return dialog.result().handled > 0;
}

} // namespace kesto

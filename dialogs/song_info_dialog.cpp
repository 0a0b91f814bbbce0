#include "dialogs/song_info_dialog.h"

#include "dialogs/dialog_texts.h"
#include "library/local_record_basics.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "platform/plain_text.h"
#include "protocol/my_album_source.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace kesto {

namespace t = dialog_text;

namespace {

QString local(std::string_view cp949) {
    return QString::fromStdString(Cp949::toUtf8(cp949));
}

QString playTime(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QLabel* value(QWidget* parent, const QString& text, const char* name) {
    auto* label = PlainText::label(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Only the store's own ids are asked about: one the panel or the album database made up for a
// file could name another song of the store.
bool fromStore(std::string_view songId, MyAlbumDb* db) {
    return !songId.empty() && !LocalRecordBasics::isMadeUp(songId) && (db == nullptr || !db->isRowId(songId));
}

// The on-line my albums that hold the song, by name; no line when the store was not asked or
// gave no answer.
void addMyAlbumLine(QWidget* parent, QFormLayout* form, const Song& song, const ProtocolContext* protocol,
                    MyAlbumDb* db) {
    if (protocol == nullptr || !fromStore(song.view(SongField::Song_ID), db))
        return;
    const auto albums = MyAlbumSource::ask(*protocol, song.view(SongField::Song_ID));
    if (!albums)
        return;
    QStringList names;
    for (const SourceAlbum& album : *albums)
        names << local(album.name);
    const QString shown = names.isEmpty() ? dialogText(t::kInfoNoMyAlbum) : names.join(QStringLiteral(", "));
    form->addRow(dialogText(t::kInfoMyAlbums), value(parent, shown, "myAlbums"));
}

} // namespace

SongInfoDialog::SongInfoDialog(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db,
                               const ProtocolContext* protocol)
    : SkinnedDialog(parent, skin, t::kSongInfoTitle) {
    setObjectName(QStringLiteral("songInfo"));
    buttons()->button(QDialogButtonBox::Cancel)->hide();
    int listened = song.Listen_Count;
    std::vector<std::string> albums;
    if (db != nullptr) {
        listened = db->listenCount(song.text(SongField::Song_ID)).value_or(listened);
        db->albumNamesOfSong(song.text(SongField::Song_ID), albums);
    }
    auto* form = new QFormLayout;
    form->addRow(dialogText(t::kInfoName), value(this, local(song.text(SongField::Song_Name)), "songName"));
    form->addRow(dialogText(t::kInfoArtist), value(this, local(song.text(SongField::Artist_Name)), "artist"));
    form->addRow(dialogText(t::kInfoTime), value(this, playTime(song.Play_Time), "playTime"));
    form->addRow(dialogText(t::kInfoBitrate),
                 value(this, QStringLiteral("%1 kbps").arg(song.Bitrate / 1000), "bitrate"));
    form->addRow(dialogText(t::kInfoPath),
                 value(this, QFile::decodeName(song.text(SongField::Local_Path)), "path"));
    const QString count =
        dialogText(t::kListenCountFormat).replace(QStringLiteral("%d"), QString::number(listened));
    form->addRow(dialogText(t::kInfoListened), value(this, count, "listenCount"));
    addMyAlbumLine(this, form, song, protocol, db);
    body()->addLayout(form);
    body()->addWidget(new QLabel(dialogText(t::kInfoAlbums), this));
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("albums"));
    for (const std::string& album : albums)
        list->addItem(local(album));
    list->setMaximumHeight(90);
    body()->addWidget(list);
}

void SongInfoDialog::run(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db,
                         const ProtocolContext* protocol) {
    SongInfoDialog dialog(parent, skin, song, db, protocol);
    dialog.exec();
}

} // namespace kesto

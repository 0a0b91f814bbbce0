#include "pages/host_song_entries.h"

#include "commands/command_box.h"
#include "commands/drop_into_album_command.h"
#include "commands/listen_command.h"
#include "commands/selection.h"
#include "library/album_song.h"
#include "library/file_type.h"
#include "pages/panel_model.h"
#include "platform/cp949.h"
#include "protocol/field_decoder.h"
#include "protocol/reply_fields.h"
#include "songs/list_pages.h"
#include "songs/song_record.h"

namespace kesto {

namespace {

constexpr const char* kStoppedNotice =
    "지금 재생 중인 곡은 음반사 및 저작권자의 요청으로 인하여\n현재 케스토에서 "
    "서비스가 잠정적으로 중지되어 재생을 멈춥니다.";

enum DeviceField : std::size_t { kPath, kTitle, kArtist, kSize, kPlayTime, kSourceKind };

} // namespace

bool HostSongEntries::isDeviceList(int menuId) {
    return menuId >= menu::kFirstDevice && menuId <= menu::kLastDevice;
}

bool HostSongEntries::isLocalAlbum(int menuId) {
    return menuId == menu::kLocalAlbums || menuId == menu::kLocalAlbum;
}

std::vector<Song> HostSongEntries::localRecords(const std::vector<std::string>& paths) const {
    std::vector<Song> records;
    for (const std::string& path : paths) {
        Song record;
        if (model_.factory().build(path, FileType::fromPath(path), {}, record))
            records.push_back(record);
    }
    return records;
}

int HostSongEntries::fillRecord(std::string_view path, SongRecord* record) const {
    Song song;
    if (record == nullptr || path.empty() ||
        !model_.factory().build(path, FileType::fromPath(path), {}, song))
        return 0;
    SongRecord::fill(*record, song);
    return 1;
}

void HostSongEntries::play(CommandContext& context, const std::vector<std::string>& paths) const {
    const std::vector<Song> records = localRecords(paths);
    if (!records.empty())
        ListenCommand(context).run(Selection::of(records));
}

bool HostSongEntries::addToLocalAlbum(std::string_view path, std::string_view albumId) const {
    MyAlbumDb* albums = model_.albumDb();
    const std::string album(albumId.empty() ? std::string_view(model_.state().parameter) : albumId);
    if (albums == nullptr || path.empty() || album.empty())
        return false;
    const CommandBox box(model_.context().box);
    const std::vector<Song> records = localRecords({std::string(path)});
    if (records.empty()) {
        box.stop(CommandText::DcfInfoFailed);
        return false;
    }
    const Song& record = records.front();
    // A local file is known by its path: its song id is made afresh for every read.
    if (albums->containsSong(album, {}, record.text(SongField::Local_Path)))
        return false; // the album has it: nothing changes
    const std::string date = DropIntoAlbumCommand::dateOf(std::time(nullptr));
    if (albums->insertSong(AlbumSong::fromRecord(record, album, date)).empty()) {
        box.stop(CommandText::PlayListAddFailed);
        return false;
    }
    // Only the list of that album (or of every local song) shows the new row.
    const PageState& shown = model_.state();
    const bool listed =
        shown.menuId == menu::kLocalAlbums || (shown.menuId == menu::kLocalAlbum && shown.parameter == album);
    return listed && model_.list().addCopy(&record) == 1;
}

void HostSongEntries::fillDeviceList(std::string_view text, int value) const {
    SongStore& store = model_.list();
    if (value == kReplace || !model_.state().deviceFilesHeld)
        store.clear();
    for (const std::string_view line : ReplyFields::split(text, kLineSeparator)) {
        const std::vector<std::string_view> fields = ReplyFields::split(line, kFieldSeparator);
        auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
        if (field(kPath).empty())
            continue;
        Song record;
        record.setText(SongField::Local_Path, field(kPath));
        record.setText(SongField::Song_Name, field(kTitle));
        record.setText(SongField::Artist_Name, field(kArtist));
        record.File_Size = FieldDecoder::toInt(field(kSize));
        record.Play_Time = FieldDecoder::toInt(field(kPlayTime));
        record.Source_Kind = static_cast<std::int16_t>(FieldDecoder::toInt(field(kSourceKind)));
        record.File_Format = static_cast<std::uint8_t>(FileType::fromPath(field(kPath)));
        store.addCopy(&record);
    }
    model_.state().deviceFilesHeld = true;
}

void HostSongEntries::stoppedByService(MessageBox* box) {
    if (box != nullptr)
        box->show(Cp949::fromUtf8(kStoppedNotice), kMessageBoxCaption, mb::kInformationOk);
}

} // namespace kesto

#include "entry/panel_entries.h"

#include "entry/entry_args.h"
#include "entry/entry_table.h"
#include "module/list_control_operations.h"
#include "module/local_file_operations.h"
#include "module/module_state.h"
#include "module/now_playing_operations.h"
#include "module/page_operations.h"
#include "module/song_operations.h"
#include "songs/panel_messages.h"
#include "songs/song_record.h"
#include "songs/song_store.h"

#include <vector>

namespace kesto {
namespace {

using T = EntryArgs;

PanelOperations* panel() {
    return ModuleState::instance().panel();
}

// The panel's parts by concern; null without a panel (pages, songs and the list control also
// without its window).
NowPlayingOperations* playing() {
    return panel() != nullptr ? &panel()->nowPlaying() : nullptr;
}

LocalFileOperations* files() {
    return panel() != nullptr ? &panel()->localFiles() : nullptr;
}

PageOperations* pages() {
    return panel() != nullptr ? panel()->pages() : nullptr;
}

SongOperations* songs() {
    return panel() != nullptr ? panel()->songs() : nullptr;
}

ListControlOperations* listControl() {
    return panel() != nullptr ? panel()->listControl() : nullptr;
}

int nowPlayingCount() {
    return playing() != nullptr ? playing()->nowPlayingCount() : 0;
}

char* serverTime(char* buffer) {
    copyBounded(buffer, KESTO_SERVER_TIME_SIZE, panel() != nullptr ? panel()->serverTime() : std::string());
    return buffer;
}

// The second text names nothing the dialogs use.
void openDialog(int kind, const char* songIds, const char*) {
    if (songs() != nullptr)
        songs()->openDialog(kind, T::text(songIds));
}

int option() {
    return playing() != nullptr ? playing()->option() : 0;
}

int setOption(int value) {
    if (playing() == nullptr)
        return 0;
    playing()->setOption(value);
    return value;
}

char* lastPlayedText(char* out) {
    copyBounded(out, KESTO_PLAY_TEXT_SIZE,
                playing() != nullptr ? playing()->lastPlayedText() : std::string());
    return out;
}

void listControlCommand() {
    if (listControl() != nullptr)
        listControl()->listControlCommand();
}

// The host walks the store in the public layout: a copy taken under the store's lock, alive
// while the receiver handles the sent message.
std::intptr_t sendWithNowPlaying(void* window, unsigned message) {
    MessagePort* port = ModuleState::instance().port();
    SongStore* store = playing() != nullptr ? playing()->nowPlayingStore() : nullptr;
    if (store == nullptr || port == nullptr)
        return 0;
    const std::vector<Song> songs = store->snapshot();
    std::vector<SongRecord> records(songs.size());
    for (std::size_t i = 0; i < songs.size(); ++i)
        SongRecord::fill(records[i], songs[i]);
    const KestoSongList list{static_cast<std::int32_t>(records.size()), store->current(),
                             reinterpret_cast<const KestoSongRecord*>(records.data())};
    return port->send(window, message, 0, reinterpret_cast<std::intptr_t>(&list));
}

int pageKind() {
    return panel() != nullptr ? panel()->pageKind() : 0;
}

void showPage(int viewMode, const char* text, int menuId, const char* text2, int value) {
    if (panel() == nullptr)
        return;
    panel()->clearPagePending();
    if (pages() != nullptr)
        pages()->showPage({viewMode, T::text(text), menuId, T::text(text2), value});
}

int setPlayState(int state) {
    return playing() != nullptr ? playing()->setPlayState(state) : 0;
}

void refreshButtons(int flag) {
    if (listControl() == nullptr)
        return;
    if (flag == 0)
        listControl()->clearSelection();
    listControl()->refreshButtons();
}

void openDownloadStorage(const char* text) {
    if (files() != nullptr)
        files()->openDownloadStorage(T::text(text));
}

// The second value names nothing the list uses.
void openDeviceList(int device, int, const char* title, const char* parameter) {
    if (pages() != nullptr)
        pages()->openDeviceList(device, T::text(title), T::text(parameter));
}

void stoppedByService() {
    if (playing() != nullptr)
        playing()->notifyStoppedByService();
}

void transferToDevice(int target) {
    if (songs() != nullptr)
        songs()->transferToDevice(target);
}

void genericRequest(int value) {
    if (pages() != nullptr)
        pages()->genericRequest(value);
}

void followLink(const char* link) {
    if (pages() != nullptr)
        pages()->followLink(T::text(link));
}

void goToPage(int direction) {
    if (pages() != nullptr)
        pages()->goToPage(direction);
}

int hasPage(int direction) {
    return pages() != nullptr && pages()->hasPage(direction) ? 1 : 0;
}

void addToLocalAlbum(const char* path, const char* albumId) {
    if (files() != nullptr)
        files()->addToLocalAlbum(T::text(path), T::text(albumId));
}

void fillSecondStore(const char* text, int value) {
    if (files() != nullptr && text != nullptr && value != 0)
        files()->fillDeviceList(text, value);
}

int clearCurrentMark() {
    return playing() != nullptr ? playing()->clearCurrentMark() : 0;
}

int selectAll(int flag) {
    return listControl() != nullptr ? listControl()->selectAll(flag != 0) : 0;
}

// Entry 55 asks the panel for nothing.
void panelCommand() {}

// Entries 56 to 60 only queue a message for the panel window.
int postToPanel(unsigned message, std::intptr_t wParam) {
    MessagePort* port = ModuleState::instance().port();
    if (panel() == nullptr || port == nullptr)
        return 0;
    return port->post(panel()->window(), message, wParam, 0) ? 1 : 0;
}

int postAddFiles(int which, std::intptr_t value) {
    return postToPanel(which == 0 ? msg::kAddFilesDialog : msg::kAddFilesSecond, value);
}

int postRowsOperation(int which) {
    return postToPanel(which == 0 ? msg::kLocalAlbumRows : msg::kCartRows, 0);
}

int postAddToOnlineAlbum() {
    return postToPanel(msg::kAddToOnlineAlbum, 0);
}

int hasPendingWork() {
    return panel() != nullptr && panel()->hasPendingWork() ? 1 : 0;
}

int postDelete() {
    return postToPanel(msg::kDelete, 0);
}

// The third value names nothing the action uses.
void actOnNowPlaying(int action, const std::uint16_t* positions, std::intptr_t) {
    if (songs() != nullptr)
        songs()->actOnNowPlaying(action, T::positions(positions));
}

// Entries 63, 69 and 70: what the host passes names nothing the download uses.
void downloadChosen(int, const char*) {
    if (songs() != nullptr)
        songs()->downloadChosen();
}

int readLocalSongInfo(const char* path, void* record) {
    if (files() == nullptr || record == nullptr)
        return 0;
    return files()->readLocalSongInfo(T::text(path), static_cast<SongRecord*>(record));
}

void downloadCommand(int, const char*) {
    if (songs() != nullptr)
        songs()->downloadTicked();
}

void downloadGifts(int, const char*) {
    if (songs() != nullptr)
        songs()->downloadGifts();
}

void openLyrics(const char* songId) {
    if (songs() != nullptr)
        songs()->openLyrics(T::text(songId));
}

int setLyricsDownload(int value) {
    return playing() != nullptr ? playing()->setLyricsDownload(value) : 0;
}

int addDroppedFiles(const char* list) {
    return files() != nullptr ? files()->addDroppedFiles(T::pathList(list)) : 0;
}

int showBlankPage() {
    return listControl() != nullptr ? listControl()->showBlankPage() : 0;
}

} // namespace

void PanelEntries::install(KestoEntryFn* t) {
    EntryTable::put<KestoEntry0, 0, &nowPlayingCount>(t);
    EntryTable::put<KestoEntry2, 2, &serverTime>(t);
    EntryTable::put<KestoEntry5, 5, &openDialog>(t);
    EntryTable::put<KestoEntry6, 6, &option>(t);
    EntryTable::put<KestoEntry7, 7, &setOption>(t);
    EntryTable::put<KestoEntry10, 10, &lastPlayedText>(t);
    EntryTable::put<KestoEntry11, 11, &listControlCommand>(t);
    EntryTable::put<KestoEntry12, 12, &sendWithNowPlaying>(t);
    EntryTable::put<KestoEntry13, 13, &pageKind>(t);
    EntryTable::put<KestoEntry23, 23, &showPage>(t);
    EntryTable::put<KestoEntry25, 25, &setPlayState>(t);
    EntryTable::put<KestoEntry37, 37, &refreshButtons>(t);
    EntryTable::put<KestoEntry38, 38, &openDownloadStorage>(t);
    EntryTable::put<KestoEntry40, 40, &openDeviceList>(t);
    EntryTable::put<KestoEntry41, 41, &stoppedByService>(t);
    EntryTable::put<KestoEntry42, 42, &transferToDevice>(t);
    EntryTable::put<KestoEntry44, 44, &genericRequest>(t);
    EntryTable::put<KestoEntry46, 46, &followLink>(t);
    EntryTable::put<KestoEntry47, 47, &goToPage>(t);
    EntryTable::put<KestoEntry48, 48, &hasPage>(t);
    EntryTable::put<KestoEntry49, 49, &addToLocalAlbum>(t);
    EntryTable::put<KestoEntry51, 51, &fillSecondStore>(t);
    EntryTable::put<KestoEntry52, 52, &clearCurrentMark>(t);
    EntryTable::put<KestoEntry53, 53, &selectAll>(t);
    EntryTable::put<KestoEntry55, 55, &panelCommand>(t);
    EntryTable::put<KestoEntry56, 56, &postAddFiles>(t);
    EntryTable::put<KestoEntry57, 57, &postRowsOperation>(t);
    EntryTable::put<KestoEntry58, 58, &postAddToOnlineAlbum>(t);
    EntryTable::put<KestoEntry59, 59, &hasPendingWork>(t);
    EntryTable::put<KestoEntry60, 60, &postDelete>(t);
    EntryTable::put<KestoEntry62, 62, &actOnNowPlaying>(t);
    EntryTable::put<KestoEntry63, 63, &downloadChosen>(t);
    EntryTable::put<KestoEntry68, 68, &readLocalSongInfo>(t);
    EntryTable::put<KestoEntry69, 69, &downloadCommand>(t);
    EntryTable::put<KestoEntry70, 70, &downloadGifts>(t);
    EntryTable::put<KestoEntry71, 71, &openLyrics>(t);
    EntryTable::put<KestoEntry72, 72, &setLyricsDownload>(t);
    EntryTable::put<KestoEntry73, 73, &addDroppedFiles>(t);
    EntryTable::put<KestoEntry75, 75, &showBlankPage>(t);
}

} // namespace kesto

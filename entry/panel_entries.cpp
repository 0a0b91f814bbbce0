#include "entry/panel_entries.h"

#include "entry/entry_args.h"
#include "entry/entry_table.h"
#include "module/module_state.h"
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

int nowPlayingCount() {
    return panel() != nullptr ? panel()->nowPlayingCount() : 0;
}

char* serverTime(char* buffer) {
    copyBounded(buffer, KESTO_SERVER_TIME_SIZE, panel() != nullptr ? panel()->serverTime() : std::string());
    return buffer;
}

void openDialog(int kind, const char* a, const char* b) {
    if (panel() != nullptr)
        panel()->openDialog(kind, T::text(a), T::text(b));
}

int option() {
    return panel() != nullptr ? panel()->option() : 0;
}

int setOption(int value) {
    if (panel() == nullptr)
        return 0;
    panel()->setOption(value);
    return value;
}

char* lastPlayedText(char* out) {
    copyBounded(out, KESTO_PLAY_TEXT_SIZE, panel() != nullptr ? panel()->lastPlayedText() : std::string());
    return out;
}

void listControlCommand() {
    if (panel() != nullptr)
        panel()->listControlCommand();
}

// The host walks the store in the public layout: a copy taken under the store's lock, alive
// while the receiver handles the sent message.
std::intptr_t sendWithNowPlaying(void* window, unsigned message) {
    MessagePort* port = ModuleState::instance().port();
    SongStore* store = panel() != nullptr ? panel()->nowPlayingStore() : nullptr;
    if (store == nullptr || port == nullptr)
        return 0;
    const std::vector<SongRecord> records = store->snapshot();
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
    panel()->showPage(viewMode, T::text(text), menuId, T::text(text2), value);
}

int setPlayState(int state) {
    return panel() != nullptr ? panel()->setPlayState(state) : 0;
}

void refreshButtons(int flag) {
    if (panel() == nullptr)
        return;
    if (flag == 0)
        panel()->clearSelection();
    panel()->refreshButtons();
}

void openDownloadStorage(const char* text) {
    if (panel() != nullptr)
        panel()->openDownloadStorage(T::text(text));
}

void openDeviceList(int device, int unused, const char* title, const char* parameter) {
    if (panel() != nullptr)
        panel()->openDeviceList(device, unused, T::text(title), T::text(parameter));
}

void stoppedByService() {
    if (panel() != nullptr)
        panel()->notifyStoppedByService();
}

void transferToDevice(int target) {
    if (panel() != nullptr)
        panel()->transferToDevice(target);
}

void genericRequest(int value) {
    if (panel() != nullptr)
        panel()->genericRequest(value);
}

void followLink(const char* link) {
    if (panel() != nullptr)
        panel()->followLink(T::text(link));
}

void goToPage(int direction) {
    if (panel() != nullptr)
        panel()->goToPage(direction);
}

int hasPage(int direction) {
    return panel() != nullptr && panel()->hasPage(direction) ? 1 : 0;
}

void addToLocalAlbum(const char* a, const char* b) {
    if (panel() != nullptr)
        panel()->addToLocalAlbum(T::text(a), T::text(b));
}

void fillSecondStore(const char* text, int value) {
    if (panel() != nullptr && text != nullptr && value != 0)
        panel()->fillSecondStore(text, value);
}

int clearCurrentMark() {
    return panel() != nullptr ? panel()->clearCurrentMark() : 0;
}

int selectAll(int flag) {
    return panel() != nullptr ? panel()->selectAll(flag != 0) : 0;
}

void panelCommand() {
    if (panel() != nullptr)
        panel()->panelCommand();
}

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

void actOnNowPlaying(int action, const std::uint16_t* positions, std::intptr_t extra) {
    if (panel() != nullptr)
        panel()->actOnNowPlaying(action, T::positions(positions), extra);
}

void downloadChosen(int value, const char* text) {
    if (panel() != nullptr)
        panel()->downloadChosen(value, T::text(text));
}

int readLocalSongInfo(const char* path, void* record) {
    if (panel() == nullptr || record == nullptr)
        return 0;
    return panel()->readLocalSongInfo(T::text(path), static_cast<SongRecord*>(record));
}

void downloadCommand(int value, const char* text) {
    if (panel() != nullptr)
        panel()->downloadCommand(value, T::text(text));
}

void downloadGifts(int value, const char* text) {
    if (panel() != nullptr)
        panel()->downloadGifts(value, T::text(text));
}

void openLyrics(const char* songId) {
    if (panel() != nullptr)
        panel()->openLyrics(T::text(songId));
}

int setLyricsDownload(int value) {
    return panel() != nullptr ? panel()->setLyricsDownload(value) : 0;
}

int addDroppedFiles(const char* list) {
    return panel() != nullptr ? panel()->addDroppedFiles(T::pathList(list)) : 0;
}

int showBlankPage() {
    return panel() != nullptr ? panel()->showBlankPage() : 0;
}

} // namespace

void PanelEntries::install(KestoEntryFn* t) {
    EntryTable::put<KestoEntry0>(t, 0, &nowPlayingCount);
    EntryTable::put<KestoEntry2>(t, 2, &serverTime);
    EntryTable::put<KestoEntry5>(t, 5, &openDialog);
    EntryTable::put<KestoEntry6>(t, 6, &option);
    EntryTable::put<KestoEntry7>(t, 7, &setOption);
    EntryTable::put<KestoEntry10>(t, 10, &lastPlayedText);
    EntryTable::put<KestoEntry11>(t, 11, &listControlCommand);
    EntryTable::put<KestoEntry12>(t, 12, &sendWithNowPlaying);
    EntryTable::put<KestoEntry13>(t, 13, &pageKind);
    EntryTable::put<KestoEntry23>(t, 23, &showPage);
    EntryTable::put<KestoEntry25>(t, 25, &setPlayState);
    EntryTable::put<KestoEntry37>(t, 37, &refreshButtons);
    EntryTable::put<KestoEntry38>(t, 38, &openDownloadStorage);
    EntryTable::put<KestoEntry40>(t, 40, &openDeviceList);
    EntryTable::put<KestoEntry41>(t, 41, &stoppedByService);
    EntryTable::put<KestoEntry42>(t, 42, &transferToDevice);
    EntryTable::put<KestoEntry44>(t, 44, &genericRequest);
    EntryTable::put<KestoEntry46>(t, 46, &followLink);
    EntryTable::put<KestoEntry47>(t, 47, &goToPage);
    EntryTable::put<KestoEntry48>(t, 48, &hasPage);
    EntryTable::put<KestoEntry49>(t, 49, &addToLocalAlbum);
    EntryTable::put<KestoEntry51>(t, 51, &fillSecondStore);
    EntryTable::put<KestoEntry52>(t, 52, &clearCurrentMark);
    EntryTable::put<KestoEntry53>(t, 53, &selectAll);
    EntryTable::put<KestoEntry55>(t, 55, &panelCommand);
    EntryTable::put<KestoEntry56>(t, 56, &postAddFiles);
    EntryTable::put<KestoEntry57>(t, 57, &postRowsOperation);
    EntryTable::put<KestoEntry58>(t, 58, &postAddToOnlineAlbum);
    EntryTable::put<KestoEntry59>(t, 59, &hasPendingWork);
    EntryTable::put<KestoEntry60>(t, 60, &postDelete);
    EntryTable::put<KestoEntry62>(t, 62, &actOnNowPlaying);
    EntryTable::put<KestoEntry63>(t, 63, &downloadChosen);
    EntryTable::put<KestoEntry68>(t, 68, &readLocalSongInfo);
    EntryTable::put<KestoEntry69>(t, 69, &downloadCommand);
    EntryTable::put<KestoEntry70>(t, 70, &downloadGifts);
    EntryTable::put<KestoEntry71>(t, 71, &openLyrics);
    EntryTable::put<KestoEntry72>(t, 72, &setLyricsDownload);
    EntryTable::put<KestoEntry73>(t, 73, &addDroppedFiles);
    EntryTable::put<KestoEntry75>(t, 75, &showBlankPage);
}

} // namespace kesto

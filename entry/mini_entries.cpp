#include "entry/mini_entries.h"
#include "songs/list_pages.h"

#include "entry/entry_args.h"
#include "entry/entry_table.h"
#include "module/local_file_operations.h"
#include "module/module_state.h"
#include "module/now_playing_operations.h"
#include "module/song_operations.h"
#include "songs/song_record.h"

#include <cstdio>

namespace kesto {
namespace {

using T = EntryArgs;

// Where the song-text window's rectangle is kept between sessions.
constexpr std::string_view kMainKey = "Software\\Kesto\\Main";
constexpr std::string_view kSongTextRectValue = "SongTextRectInfo";

constexpr int kShowCommand = 5;
constexpr int kHideCommand = 0;

ModuleState& state() {
    return ModuleState::instance();
}
PanelOperations* panel() {
    return state().panel();
}
MiniListOperations* miniList() {
    return state().miniList();
}
SongTextOperations* songText() {
    return state().songText();
}

int isMiniMode() {
    return state().miniMode() ? 1 : 0;
}

void importPath(const char* path) {
    if (state().miniMode())
        miniList()->importPath(T::text(path));
    else if (panel() != nullptr)
        panel()->localFiles().importPath(T::text(path));
}

void clearMiniCurrentMark() {
    if (miniList() != nullptr)
        miniList()->clearCurrentMark();
}

void copyText(char* out, std::size_t capacity, const std::string& text) {
    if (out != nullptr && !text.empty())
        copyBounded(out, capacity, text);
}

void copyInt(int* out, int value) {
    if (out != nullptr)
        *out = value;
}

void nextSong(const char* hostText, int playMode, int position, int restart, int* outPosition,
              char* outSongName, char* outArtist, char* outSongId, char* outField1, int* outField2,
              char* outField3, char* outField4, int* outField5, int* outPlayTime, int* outIsLocal,
              char* outLocalPath, int* outFileFormat, int* outHasLyrics, char* outStoredText) {
    const NextSongRequest request{std::string(T::text(hostText)), playMode, position, restart};
    NextSongResult r;
    if (state().miniMode())
        r = miniList()->nextSong(request);
    else if (panel() != nullptr)
        r = panel()->nowPlaying().nextSong(request);
    else
        return;
    copyInt(outPosition, r.position);
    copyText(outSongName, KESTO_PLAY_TEXT_SIZE, r.songName);
    copyText(outArtist, KESTO_PLAY_TEXT_SIZE, r.artist);
    copyText(outSongId, KESTO_PLAY_TEXT_SIZE, r.songId);
    copyText(outField1, KESTO_PLAY_URL_SIZE, r.streamAddress);
    copyInt(outField2, r.playSeconds);
    copyText(outField3, KESTO_PLAY_URL_SIZE, r.field3);
    copyText(outField4, KESTO_PLAY_URL_SIZE, r.field4);
    copyInt(outField5, r.fullPlay);
    copyInt(outPlayTime, r.playTime);
    copyInt(outIsLocal, r.isLocal);
    copyText(outLocalPath, KESTO_PLAY_TEXT_SIZE, r.localPath);
    copyInt(outFileFormat, r.fileFormat);
    copyInt(outHasLyrics, r.hasLyrics);
    copyText(outStoredText, KESTO_PLAY_TEXT_SIZE, r.storedText);
}

void switchMiniMode(int flag) {
    if (panel() == nullptr)
        return;
    // Back from mini mode while the host plays: the panel shows what plays.
    if (flag == 0)
        state().showNowPlayingWhenHostPlays();
    if (miniList() != nullptr) {
        if (flag != 0) {
            miniList()->takeOverNowPlaying(panel()->nowPlaying().nowPlayingStore());
        } else {
            panel()->nowPlaying().selectSong(miniList()->currentIndex());
            miniList()->clearList();
        }
    }
    panel()->nowPlaying().setMiniModeFlag(flag != 0);
    if (panel()->pageKind() == page_kind::kNowPlaying)
        state().postToHost(KESTO_MSG_MINI_MODE_SWITCHED, 0, 0);
}

int createMiniList(const KestoRect* rect) {
    ModuleState& s = state();
    if (s.miniList() != nullptr || !s.miniListFactory() || rect == nullptr)
        return 0;
    auto list = s.miniListFactory()(s);
    if (list == nullptr || !list->createWindow(*rect))
        return 0;
    s.setMiniList(std::move(list));
    return 1;
}

void destroySongText() {
    if (songText() == nullptr)
        return;
    songText()->destroyWindow();
    state().setSongText(nullptr);
}

void destroyMiniWindows() {
    if (miniList() != nullptr) {
        miniList()->destroyWindow();
        state().setMiniList(nullptr);
    }
    destroySongText();
}

int createSongText() {
    ModuleState& s = state();
    if (s.songText() != nullptr || !s.songTextFactory())
        return 0;
    auto text = s.songTextFactory()(s);
    if (text == nullptr || !text->createWindow())
        return 0;
    s.setSongText(std::move(text));
    return 1;
}

void closeSongText() {
    if (songText() == nullptr)
        return;
    const KestoRect r = songText()->rectangle();
    char value[64];
    std::snprintf(value, sizeof value, "%d,%d,%d,%d", r.left, r.right, r.top, r.bottom);
    state().writeSetting(kMainKey, kSongTextRectValue, value);
    destroySongText();
}

void miniTakeText(const char* text) {
    if (miniList() != nullptr)
        miniList()->takeText(T::text(text));
}

int showMiniList(int command) {
    if (command != kShowCommand && command != kHideCommand)
        return command;
    return miniList() != nullptr ? miniList()->show(command == kShowCommand) : 0;
}

int miniValues(int a, int b, int c, int d) {
    if (state().miniMode())
        miniList()->setValues(a, b, c, d);
    return 1;
}

int showSongInfo(const char* text) {
    if (text == nullptr)
        return 1;
    if (miniList() != nullptr)
        miniList()->showSongInfo(text);
    if (songText() != nullptr)
        songText()->showSongInfo(text);
    return 1;
}

void playFiles(const char* list) {
    const std::vector<std::string> paths = T::pathList(list);
    if (state().miniMode())
        miniList()->playFiles(paths);
    else if (panel() != nullptr)
        panel()->localFiles().playFiles(paths);
}

void listen() {
    if (state().miniMode())
        miniList()->listen();
    else if (panel() != nullptr && panel()->nowPlaying().miniModeFlag())
        state().postToHost(KESTO_MSG_PLAY_NOW_PLAYING, 0, 1);
    else if (panel() != nullptr && panel()->songs() != nullptr)
        panel()->songs()->listen();
}

void addItems(int kind, const char* values) {
    if (state().miniMode())
        miniList()->addItems(kind, T::text(values));
    else if (panel() != nullptr)
        panel()->localFiles().addItems(kind, T::text(values));
}

void reloadOptions() {
    if (panel() != nullptr)
        panel()->nowPlaying().reloadOptions();
    if (miniList() != nullptr)
        miniList()->reload();
    if (songText() != nullptr)
        songText()->reload();
}

} // namespace

void MiniEntries::install(KestoEntryFn* t) {
    EntryTable::put<KestoEntry1, 1, &isMiniMode>(t);
    EntryTable::put<KestoEntry4, 4, &importPath>(t);
    EntryTable::put<KestoEntry8, 8, &clearMiniCurrentMark>(t);
    EntryTable::put<KestoEntry24, 24, &nextSong>(t);
    EntryTable::put<KestoEntry26, 26, &switchMiniMode>(t);
    EntryTable::put<KestoEntry27, 27, &createMiniList>(t);
    EntryTable::put<KestoEntry28, 28, &destroyMiniWindows>(t);
    EntryTable::put<KestoEntry29, 29, &createSongText>(t);
    EntryTable::put<KestoEntry30, 30, &closeSongText>(t);
    EntryTable::put<KestoEntry33, 33, &miniTakeText>(t);
    EntryTable::put<KestoEntry34, 34, &showMiniList>(t);
    EntryTable::put<KestoEntry35, 35, &miniValues>(t);
    EntryTable::put<KestoEntry36, 36, &showSongInfo>(t);
    EntryTable::put<KestoEntry43, 43, &playFiles>(t);
    EntryTable::put<KestoEntry45, 45, &listen>(t);
    EntryTable::put<KestoEntry50, 50, &addItems>(t);
    EntryTable::put<KestoEntry67, 67, &reloadOptions>(t);
}

} // namespace kesto

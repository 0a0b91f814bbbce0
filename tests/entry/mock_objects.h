#pragma once
// gmock stand-ins for the panel, the mini list and the song text, plus a message port that
// records what is posted.

#include "module/mini_list_operations.h"
#include "module/panel_operations.h"
#include "module/song_text_operations.h"

#include <gmock/gmock.h>

#include <tuple>
#include <vector>

namespace kesto {

class MockPanel : public PanelOperations {
public:
    MOCK_METHOD(bool, createWindow, (WindowHandle, const KestoRect&, bool), (override));
    MOCK_METHOD(void, destroyWindow, (), (override));
    MOCK_METHOD(int, setWindowPos, (WindowHandle, int, int, int, int, unsigned), (override));
    MOCK_METHOD(void, moveWindow, (int, int, int, int, bool), (override));
    MOCK_METHOD(WindowHandle, window, (), (const, override));
    MOCK_METHOD(int, nowPlayingCount, (), (const, override));
    MOCK_METHOD(SongStore*, nowPlayingStore, (), (override));
    MOCK_METHOD(NextSongResult, nextSong, (const NextSongRequest&), (override));
    MOCK_METHOD(std::string, lastPlayedText, (), (const, override));
    MOCK_METHOD(int, setPlayState, (int), (override));
    MOCK_METHOD(int, clearCurrentMark, (), (override));
    MOCK_METHOD(void, selectSong, (int), (override));
    MOCK_METHOD(void, listen, (), (override));
    MOCK_METHOD(void, playFiles, (const std::vector<std::string>&), (override));
    MOCK_METHOD(void, actOnNowPlaying, (int, const std::vector<int>&, std::intptr_t), (override));
    MOCK_METHOD(bool, miniModeFlag, (), (const, override));
    MOCK_METHOD(void, setMiniModeFlag, (bool), (override));
    MOCK_METHOD(int, option, (), (const, override));
    MOCK_METHOD(void, setOption, (int), (override));
    MOCK_METHOD(void, reloadOptions, (), (override));
    MOCK_METHOD(int, setLyricsDownload, (int), (override));
    MOCK_METHOD(int, pageKind, (), (const, override));
    MOCK_METHOD(void, clearPagePending, (), (override));
    MOCK_METHOD(void, showPage, (int, std::string_view, int, std::string_view, int), (override));
    MOCK_METHOD(void, openDownloadStorage, (std::string_view), (override));
    MOCK_METHOD(void, openDeviceList, (int, int, std::string_view, std::string_view), (override));
    MOCK_METHOD(void, goToPage, (int), (override));
    MOCK_METHOD(bool, hasPage, (int), (const, override));
    MOCK_METHOD(void, followLink, (std::string_view), (override));
    MOCK_METHOD(void, openLyrics, (std::string_view), (override));
    MOCK_METHOD(int, showBlankPage, (), (override));
    MOCK_METHOD(std::string, serverTime, (), (override));
    MOCK_METHOD(void, startPromotion, (), (override));
    MOCK_METHOD(void, openDialog, (int, std::string_view, std::string_view), (override));
    MOCK_METHOD(void, genericRequest, (int), (override));
    MOCK_METHOD(void, panelCommand, (), (override));
    MOCK_METHOD(void, listControlCommand, (), (override));
    MOCK_METHOD(void, notifyStoppedByService, (), (override));
    MOCK_METHOD(void, transferToDevice, (int), (override));
    MOCK_METHOD(void, downloadChosen, (int, std::string_view), (override));
    MOCK_METHOD(void, downloadCommand, (int, std::string_view), (override));
    MOCK_METHOD(void, downloadGifts, (int, std::string_view), (override));
    MOCK_METHOD(bool, hasPendingWork, (), (const, override));
    MOCK_METHOD(void, importPath, (std::string_view), (override));
    MOCK_METHOD(void, addItems, (int, std::string_view), (override));
    MOCK_METHOD(void, addToLocalAlbum, (std::string_view, std::string_view), (override));
    MOCK_METHOD(void, fillSecondStore, (std::string_view, int), (override));
    MOCK_METHOD(int, readLocalSongInfo, (std::string_view, SongRecord*), (override));
    MOCK_METHOD(int, addDroppedFiles, (const std::vector<std::string>&), (override));
    MOCK_METHOD(void, clearSelection, (), (override));
    MOCK_METHOD(void, refreshButtons, (), (override));
    MOCK_METHOD(int, selectAll, (bool), (override));
    MOCK_METHOD(WindowHandle, childWindow, (int, KestoRect&), (const, override));
};

class MockMiniList : public MiniListOperations {
public:
    MOCK_METHOD(bool, createWindow, (const KestoRect&), (override));
    MOCK_METHOD(void, destroyWindow, (), (override));
    MOCK_METHOD(WindowHandle, window, (), (const, override));
    MOCK_METHOD(int, show, (bool), (override));
    MOCK_METHOD(void, takeOverNowPlaying, (SongStore*), (override));
    MOCK_METHOD(int, currentIndex, (), (const, override));
    MOCK_METHOD(void, clearList, (), (override));
    MOCK_METHOD(void, clearCurrentMark, (), (override));
    MOCK_METHOD(NextSongResult, nextSong, (const NextSongRequest&), (override));
    MOCK_METHOD(void, listen, (), (override));
    MOCK_METHOD(void, playFiles, (const std::vector<std::string>&), (override));
    MOCK_METHOD(void, importPath, (std::string_view), (override));
    MOCK_METHOD(void, addItems, (int, std::string_view), (override));
    MOCK_METHOD(void, takeText, (std::string_view), (override));
    MOCK_METHOD(void, showSongInfo, (std::string_view), (override));
    MOCK_METHOD(void, setValues, (int, int, int, int), (override));
    MOCK_METHOD(void, reload, (), (override));
    MOCK_METHOD(WindowHandle, listWindow, (KestoRect&), (const, override));
};

class MockSongText : public SongTextOperations {
public:
    MOCK_METHOD(bool, createWindow, (), (override));
    MOCK_METHOD(void, destroyWindow, (), (override));
    MOCK_METHOD(WindowHandle, window, (), (const, override));
    MOCK_METHOD(KestoRect, rectangle, (), (const, override));
    MOCK_METHOD(void, showSongInfo, (std::string_view), (override));
    MOCK_METHOD(void, navigate, (const std::string&), (override));
    MOCK_METHOD(void, reload, (), (override));
    MOCK_METHOD(WindowHandle, viewWindow, (KestoRect&), (const, override));
};

struct PostedMessage {
    WindowHandle target;
    unsigned message;
    std::intptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const PostedMessage&) const = default;
};

class RecordingPort : public MessagePort {
public:
    bool post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) override {
        if (target == nullptr)
            return false;
        posted.push_back({target, message, wParam, lParam});
        return true;
    }
    std::intptr_t send(WindowHandle target, unsigned message, std::intptr_t wParam,
                       std::intptr_t lParam) override {
        sent.push_back({target, message, wParam, lParam});
        return 77;
    }
    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> sent;
};

} // namespace kesto

#pragma once
// The mini play list: what the entry table reaches in mini mode. It shows the panel's
// now-playing store in the list control's mini form, plays from it, follows the played song
// in the song-text window and keeps its rectangle in the settings.

#include "module/mini_list_operations.h"
#include "platform/message_box.h"
#include "protocol/protocol_context.h"
#include "songs/list_pages.h"
#include "songs/song.h"

#include <QPointer>

#include <map>
#include <memory>

class QAbstractButton;
class QWidget;

namespace kesto {

class SongListView;
class LocalRecordFactory;
class MiniListWindow;
class MiniNowPlaying;
class ModuleState;
class RegistryKey;
struct CommandContext;

class MiniPlayList final : public MiniListOperations {
public:
    // The list shows the now-playing list.
    static constexpr int kPageKind = page_kind::kNowPlaying;
    // Size of the window when the host's rectangle cannot be used.
    static constexpr int kDefaultHeight = 400;

    explicit MiniPlayList(ModuleState& module);
    ~MiniPlayList() override;
    MiniPlayList(const MiniPlayList&) = delete;
    MiniPlayList& operator=(const MiniPlayList&) = delete;

    // MiniListOperations
    bool createWindow(const KestoRect& rect) override;
    void destroyWindow() override;
    WindowHandle window() const override;
    int show(bool visible) override;
    void takeOverNowPlaying(SongStore* store) override;
    int currentIndex() const override;
    void clearList() override;
    void clearCurrentMark() override;
    NextSongResult nextSong(const NextSongRequest& request) override;
    void listen() override;
    void playFiles(const std::vector<std::string>& paths) override;
    void importPath(std::string_view path) override;
    void addItems(int kind, std::string_view values) override;
    void takeText(std::string_view text) override;
    void showSongInfo(std::string_view text) override;
    void setValues(int state, int position, int length, int volume) override;
    void reload() override;
    WindowHandle listWindow(KestoRect& screenRect) const override;

    // What the list tells and asks.
    int pageKind() const { return kPageKind; }
    // Songs of the panel's lists come in where the panel's page would take them.
    int dropPageKind() const;
    // The host's skin (entry 21) colours the mini list as it does the panel's; 0 reads as 1.
    int skinType() const;
    MessageBox* messageBox();
    WindowHandle hostSideWindow() const;
    void checkChanged(int row, bool checked);
    void allCheckedChanged(bool allChecked);
    void rowsSorted();
    void rowsMoved();
    void songsDropped(const std::vector<Song>& songs);
    void filesDropped(const std::vector<std::string>& paths);
    void forwardCommand(int commandId) { command(commandId); }

private:
    void connectList();
    void handleMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
    void command(int id);
    void createButtons();
    QWidget* makeButton(int controlId);
    void applySkin();
    void layOut();
    void openPopup(int controlId);
    void close();
    void toggleAll();
    void playFrom(int position);
    void showLyrics(int row);
    // The host makes the song-text window when it is absent (asked through its service table);
    // the window then goes where it was kept.
    void openSongText();
    // The song and phone-decoration icons of a row: the song's pages through the host.
    void songIconClicked(int row, bool phoneDecoration);
    // Shows the song's lyrics page in the song-text window, when there is one.
    void followInSongText(const Song& song);
    void updateTotals();
    // Tells the host of a move, a resize or a change of visibility of the window.
    void tellHost(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
    void say(const char* textUtf8, int style = mb::kExclamationOk) const;
    CommandContext commandContext();

    ProtocolContext& protocol();

    ModuleState& module_;
    ProtocolContext protocol_;
    std::unique_ptr<RegistryKey> settings_;
    std::unique_ptr<LocalRecordFactory> factory_;
    std::unique_ptr<MiniNowPlaying> nowPlaying_;
    QPointer<MiniListWindow> window_;
    SongListView* list_ = nullptr;
    QAbstractButton* checkAll_ = nullptr;
    std::map<int, QWidget*> buttons_;
};

} // namespace kesto

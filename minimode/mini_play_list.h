#pragma once
// The mini play list: what the entry table reaches in mini mode. It shows the panel's
// now-playing store in the list control's mini form, plays from it, follows the played song
// in the song-text window and keeps its rectangle in the settings.

#include "minimode/mini_list_owner.h"
#include "module/mini_list_operations.h"
#include "pages/message_shapes.h"
#include "platform/message_box.h"
#include "protocol/protocol_context.h"
#include "songs/list_pages.h"

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
class MiniSongPages;
struct MiniParts;
class ModuleState;
class RegistryKey;
struct CommandContext;

class MiniPlayList final : public MiniListOperations {
public:
    // The list shows the now-playing list.
    static constexpr int kPageKind = MiniListOwner::kPageKind;
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

    // What the message table reaches beyond the list control and the song pages.
    void openPopup(int controlId);
    void close();
    void toggleAll();
    void playFrom(int position);
    // The list's own commands: download, gift, delete, put into, add and load.
    void runListCommand(int id);

private:
    void command(int id);
    void createButtons();
    QWidget* makeButton(int controlId);
    void applySkin();
    void layOut();
    void updateTotals();
    // Tells the host of a move, a resize or a change of visibility of the window.
    void tellHost(unsigned message, MessageWords words);
    void say(const char* textUtf8, int style = mb::kExclamationOk) const;
    CommandContext commandContext();
    ProtocolContext& protocol();

    ModuleState& module_;
    ProtocolContext protocol_;
    std::unique_ptr<RegistryKey> settings_;
    std::unique_ptr<LocalRecordFactory> factory_;
    std::unique_ptr<MiniNowPlaying> nowPlaying_;
    std::unique_ptr<MiniListOwner> owner_;
    std::unique_ptr<MiniSongPages> pages_;
    std::unique_ptr<MiniParts> parts_; // with the window
    QPointer<MiniListWindow> window_;
    SongListView* list_ = nullptr;
    QAbstractButton* checkAll_ = nullptr;
    std::map<int, QWidget*> buttons_;
};

} // namespace kesto

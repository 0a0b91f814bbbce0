#pragma once
// The song-text window as the entry table and the mini play list reach it: made in the
// rectangle kept in the settings (or centred, 351 × 222), top-most when the host says so,
// closed through the host, and its rectangle handed back for the settings.

#include "module/song_text_operations.h"

#include <QPointer>

class QWidget;

namespace kesto {

class ModuleState;
class SongTextWindow;

class MiniSongText final : public SongTextOperations {
public:
    static constexpr int kDefaultWidth = 351;
    static constexpr int kDefaultHeight = 222;
    // A kept rectangle smaller than this is not used.
    static constexpr int kMinWidth = 200;
    static constexpr int kMinHeight = 120;

    // Where the window opens: the rectangle kept in the settings, else centred on the screen.
    static KestoRect placement();

    explicit MiniSongText(ModuleState& module) : module_(module) {}
    ~MiniSongText() override;
    MiniSongText(const MiniSongText&) = delete;
    MiniSongText& operator=(const MiniSongText&) = delete;

    bool createWindow() override;
    void destroyWindow() override;
    WindowHandle window() const override;
    KestoRect rectangle() const override;
    void moveTo(const KestoRect& screenRect) override;
    void showSongInfo(std::string_view text) override;
    void navigate(const std::string& address) override;
    void post(const std::string& address, const std::string& body) override;
    void reload() override;
    WindowHandle viewWindow(KestoRect& screenRect) const override;

private:
    bool topMost() const;
    QWidget* makeCloseButton();
    void applySkin();

    ModuleState& module_;
    QPointer<SongTextWindow> window_;
};

} // namespace kesto

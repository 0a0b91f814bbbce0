#pragma once
// The host's mini mode: a menu entry that switches the module's mini play list and song-text
// window on (entries 27, 29, 26 and 34) and off again (26, 30, 28), the mini list's close
// button taking the host out of mini mode (message 1428), the song-text window's close button
// (host service A entry 30), and the two tour pictures. While mini mode is on, the played
// song, the player's state and its position reach the mini list (entries 36, 33 and 35), and
// a mini list docked under the main window moves with it (messages 5029, 5031, 5033).

#include "include/kesto/panel_api.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>

class QAction;
class QMenuBar;

namespace kesto {

class MainWindow;
class ModuleLoader;
class PlayController;

class HostMiniMode : public QObject {
public:
    // Time the song-text window gets to load its page before its picture is taken.
    static constexpr int kSettleMs = 1200;

    HostMiniMode(MainWindow& window, const ModuleLoader& module);
    ~HostMiniMode() override;
    HostMiniMode(const HostMiniMode&) = delete;
    HostMiniMode& operator=(const HostMiniMode&) = delete;

    void install(QMenuBar& bar);
    // The player whose song, state and position the mini list shows.
    void follow(PlayController& player);
    // Whether a docked mini list moves with the main window.
    bool glued() const { return glued_; }
    bool active() const { return active_; }
    void enter();
    void leave();

    // Fills the now-playing list from a chart, switches to mini mode, plays the first song and
    // writes mini-list.png and song-text.png into dir; then leaves mini mode and calls done.
    void tour(const QString& dir, std::function<void(bool ok)> done);

    // Host service A entry 30: the song-text window's close button.
    static void closeSongText();
    // Service table A entry 29: the module wants the song-text window; it is made (entry 29) and
    // the module places it.
    static void openSongText(const KestoRect* rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onMessage(unsigned message, qintptr wParam, qintptr lParam);
    KestoRect listRect() const;
    QWidget* miniList() const;
    // Glues the mini list under the main window (at its present distance from the left edge).
    void glue(bool docked);
    void keepUnder();
    void tellSong();
    void tellPlayLine();
    void playFirstWithLyrics();
    void grabWhenSettled(const QString& dir, std::function<void(bool ok)> done);

    MainWindow& window_;
    const ModuleLoader& module_;
    QAction* toggle_ = nullptr;
    PlayController* player_ = nullptr;
    bool active_ = false;
    bool glued_ = false;
    int glueOffset_ = 0; // the mini list's left edge from the main window's
    int toldSecond_ = -1;
};

} // namespace kesto

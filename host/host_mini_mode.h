#pragma once
// The host's mini mode: a menu entry that switches the module's mini play list and song-text
// window on (entries 27, 29, 26 and 34) and off again (26, 30, 28), the mini list's close
// button taking the host out of mini mode (message 1428), the song-text window's close button
// (host service A entry 30), and the two tour pictures.

#include "include/kesto/panel_api.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenuBar;

namespace kesto {

class MainWindow;
class ModuleLoader;

class HostMiniMode : public QObject {
public:
    // Time the song-text window gets to load its page before its picture is taken.
    static constexpr int kSettleMs = 1200;

    HostMiniMode(MainWindow& window, const ModuleLoader& module);
    ~HostMiniMode() override;
    HostMiniMode(const HostMiniMode&) = delete;
    HostMiniMode& operator=(const HostMiniMode&) = delete;

    void install(QMenuBar& bar);
    bool active() const { return active_; }
    void enter();
    void leave();

    // Fills the now-playing list from a chart, switches to mini mode, plays the first song and
    // writes mini-list.png and song-text.png into dir; then leaves mini mode and calls done.
    void tour(const QString& dir, std::function<void(bool ok)> done);

    // Host service A entry 30: the song-text window's close button.
    static void closeSongText();

private:
    void onMessage(unsigned message);
    KestoRect listRect() const;

    MainWindow& window_;
    const ModuleLoader& module_;
    QAction* toggle_ = nullptr;
    bool active_ = false;
};

} // namespace kesto

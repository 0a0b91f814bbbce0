#pragma once
// The host's player around a running session: the audio engine, the play controller wired to
// entries 24, 25 and 0, the play controls under the panel, the browser window, the lyrics pane
// and the handling of the module's messages.

#include <QString>

#include <memory>

namespace kesto {

class AudioEngine;
class HostMessages;
class HostSession;
class LyricsPane;
class MainWindow;
class NowPlayingStrip;
class PlayController;
class TransportBar;
class WebPageWindow;

class HostPlayer {
public:
    HostPlayer(MainWindow& window, HostSession& session);
    ~HostPlayer();
    HostPlayer(const HostPlayer&) = delete;
    HostPlayer& operator=(const HostPlayer&) = delete;

    PlayController& controller() { return *controller_; }
    TransportBar& transport() { return *transport_; }
    WebPageWindow& web() { return *web_; }
    LyricsPane& lyrics() { return *lyrics_; }
    HostMessages& messages() { return *messages_; }
    // The album of the song that plays, UTF-8.
    QString album() const;

private:
    std::unique_ptr<AudioEngine> engine_;
    std::unique_ptr<PlayController> controller_;
    std::unique_ptr<WebPageWindow> web_;
    TransportBar* transport_; // owned by the main window
    LyricsPane* lyrics_;      // owned by the main window
    HostMessages* messages_;  // owned by the main window
    NowPlayingStrip* strip_;  // owned by the main window
};

} // namespace kesto

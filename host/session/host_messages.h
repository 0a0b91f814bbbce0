#pragma once
// What the host does with the messages the module posts to it: plays the now-playing list
// (1133), opens web pages in its browser window (1130, 1151 to 1157), shows lyrics (1426),
// loads a play list or a my album (1232), shows server errors (1142) and logs in again when
// the log-in is no longer valid (1143).

#include <QObject>
#include <QUrl>

namespace kesto {

class HostSession;
class LyricsPane;
class MainWindow;
class PlayController;
class WebPageWindow;
struct HostMessage;

class HostMessages : public QObject {
    Q_OBJECT
public:
    HostMessages(MainWindow& window, HostSession& session, PlayController& player, WebPageWindow& web,
                 LyricsPane& lyrics);

    void handle(const HostMessage& message);
    // The service's page for a path such as "/song_info.jsp".
    QUrl servicePage(const QString& path) const;
    // The last server error shown, for the status line and tests.
    QString lastError() const { return lastError_; }

private:
    void openPage(const std::string& url, const std::string& form);
    void showLyrics(const std::string& songId);
    void loadList(int which);
    void showError(long long code, const std::string& text);

    MainWindow& window_;
    HostSession& session_;
    PlayController& player_;
    WebPageWindow& web_;
    LyricsPane& lyrics_;
    QString lastError_;
};

} // namespace kesto

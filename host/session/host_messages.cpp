#include "host/session/host_messages.h"

#include "host/audio/play_controller.h"
#include "host/library/play_list_loader.h"
#include "host/session/cp949_text.h"
#include "host/session/host_message_text.h"
#include "host/session/host_session.h"
#include "host/session/log_mask.h"
#include "host/window/host_plain_text.h"
#include "host/window/lyrics_pane.h"
#include "host/window/main_window.h"
#include "host/window/web_page_window.h"
#include "include/kesto/panel_api.h"

#include <QMessageBox>
#include <QStatusBar>
#include <QUrlQuery>

namespace kesto {
namespace {

constexpr long long kNoReply = -10000;
constexpr int kLoadPlayList = 1;

QString utf8(const std::string& cp949) {
    return QString::fromStdString(Cp949Text::toUtf8(cp949));
}

} // namespace

HostMessages::HostMessages(MainWindow& window, HostSession& session, PlayController& player,
                           WebPageWindow& web, LyricsPane& lyrics)
    : QObject(&window), window_(window), session_(session), player_(player), web_(web), lyrics_(lyrics) {
    connect(&window_, &MainWindow::hostMessage, this, &HostMessages::handle);
}

QUrl HostMessages::servicePage(const QString& path) const {
    return QUrl(QString::fromStdString(session_.service().baseUrl()) + path);
}

void HostMessages::handle(const HostMessage& m) {
    switch (m.number) {
    case KESTO_MSG_PLAY_NOW_PLAYING:
        return player_.playFrom(static_cast<int>(m.wParam));
    case KESTO_MSG_OPEN_WEB_PAGE:
    case KESTO_MSG_PHONE_DECO_PAGE:
    case KESTO_MSG_MUSIC_VIDEO_PAGE:
    case KESTO_MSG_MV_DOWNLOAD_PAGE:
    case KESTO_MSG_SONG_WEB_PAGE:
        return openPage(m.url, m.form);
    case KESTO_MSG_SONG_INFO_PAGE:
        // The form names the song; the page is the host's choice.
        return web_.open(servicePage(QStringLiteral("/song_info.jsp")), QByteArray::fromStdString(m.form));
    case KESTO_MSG_LYRICS_WANTED:
        return showLyrics(m.text);
    case KESTO_MSG_LOAD_LIST:
        return loadList(static_cast<int>(m.wParam));
    case KESTO_MSG_SERVER_ERROR:
        return showError(m.wParam, m.text);
    case KESTO_MSG_LOGIN_INVALID:
        session_.logIn();
        return;
    default:
        return;
    }
}

void HostMessages::openPage(const std::string& url, const std::string& form) {
    const QUrl page(utf8(url));
    if (!page.isValid() || page.isEmpty()) {
        window_.log(tr("no page to open"));
        return;
    }
    web_.open(page, QByteArray::fromStdString(form));
}

void HostMessages::showLyrics(const std::string& songId) {
    if (songId.empty())
        return;
    QUrl page = servicePage(QStringLiteral("/lyrics.jsp"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("song_id"), utf8(songId));
    page.setQuery(query);
    lyrics_.showPage(page);
}

void HostMessages::loadList(int which) {
    if (which == kLoadPlayList)
        PlayListLoader::choose(window_, session_);
    else
        session_.showMenuId(KESTO_MENU_ONLINE_ALBUMS);
}

void HostMessages::showError(long long code, const std::string& text) {
    lastError_ = code == kNoReply ? QStringLiteral("서버에서 응답이 없습니다. 잠시 후에 다시 이용해주세요.")
                                  : utf8(text);
    if (lastError_.isEmpty())
        lastError_ = tr("The server refused the request (%1).").arg(code);
    window_.statusBar()->showMessage(QString::fromStdString(LogMask::masked(lastError_.toStdString())),
                                     10000);
    // Not modal: playing and the panel go on while the box is open.
    auto* box =
        HostPlainText::messageBox(QMessageBox::Warning, QStringLiteral("Kesto Player"), lastError_, &window_);
    box->setObjectName(QStringLiteral("serverErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace kesto

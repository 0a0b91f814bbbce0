#include "host/session/host_message_text.h"

#include "host/session/cp949_text.h"
#include "include/kesto/panel_api.h"

#include <cstdlib>
#include <cstring>

namespace kesto {
namespace {

constexpr std::size_t kSongIdCopySize = 21;

// Reads and frees a text block; at most limit bytes are read.
std::string takeBlock(std::intptr_t block, std::size_t limit = std::string::npos) {
    if (block == 0)
        return {};
    auto* text = reinterpret_cast<char*>(block);
    std::string out(text, strnlen(text, limit));
    std::free(text);
    return out;
}

std::string utf8(const std::string& cp949) {
    return Cp949Text::toUtf8(cp949);
}

void readPage(HostMessage& m, const char* what) {
    m.url = takeBlock(m.wParam);
    m.form = takeBlock(m.lParam);
    m.line = std::string(what) + ": " + utf8(m.url);
    if (!m.form.empty())
        m.line += " | " + utf8(m.form);
}

void describe(HostMessage& m) {
    switch (m.number) {
    case KESTO_MSG_OPEN_WEB_PAGE:
        return readPage(m, "open web page");
    case KESTO_MSG_PLAY_NOW_PLAYING:
        m.line = "play now-playing list from " + std::to_string(m.wParam);
        return;
    case KESTO_MSG_SERVER_ERROR:
        m.text = takeBlock(m.lParam);
        m.line = "server error " + std::to_string(m.wParam) + ": " + utf8(m.text);
        return;
    case KESTO_MSG_LOGIN_INVALID:
        m.line = "log-in no longer valid";
        return;
    case KESTO_MSG_SONG_INFO_PAGE:
        m.form = takeBlock(m.wParam);
        m.line = "song information page: " + utf8(m.form);
        return;
    case KESTO_MSG_PHONE_DECO_PAGE:
        return readPage(m, "phone decoration page");
    case KESTO_MSG_MUSIC_VIDEO_PAGE:
        return readPage(m, "music video page");
    case KESTO_MSG_MV_DOWNLOAD_PAGE:
        return readPage(m, "music video download page");
    case KESTO_MSG_SONG_WEB_PAGE:
        return readPage(m, "song web page");
    case KESTO_MSG_LYRICS_WANTED:
        m.text = takeBlock(m.lParam, kSongIdCopySize);
        m.line = "lyrics wanted for " + utf8(m.text);
        return;
    case KESTO_MSG_LOAD_LIST:
        m.line = m.wParam == 1 ? "load a play list" : "load a my album";
        return;
    case KESTO_MSG_MINI_MODE_SWITCHED:
        m.line = "mini mode switched";
        return;
    case KESTO_MSG_MINI_LIST_CLOSED:
        m.line = "mini list closed";
        return;
    default:
        m.line = "wParam " + std::to_string(m.wParam) + ", lParam " + std::to_string(m.lParam);
        return;
    }
}

} // namespace

HostMessage HostMessageText::read(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    HostMessage m;
    m.number = message;
    m.wParam = wParam;
    m.lParam = lParam;
    describe(m);
    m.line = std::to_string(message) + " " + m.line;
    return m;
}

std::string HostMessageText::take(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    return read(message, wParam, lParam).line;
}

} // namespace kesto

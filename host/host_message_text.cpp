#include "host/host_message_text.h"

#include "include/kesto/panel_api.h"
#include "platform/cp949.h"

#include <cstdlib>
#include <cstring>

namespace kesto {
namespace {

constexpr std::size_t kSongIdCopySize = 21;

// Reads and frees a text block; at most limit bytes are read.
std::string takeText(std::intptr_t block, std::size_t limit = std::string::npos) {
    if (block == 0)
        return {};
    auto* text = reinterpret_cast<char*>(block);
    std::string out = Cp949::toUtf8(std::string_view(text, strnlen(text, limit)));
    std::free(text);
    return out;
}

std::string pageLine(const char* what, std::intptr_t url, std::intptr_t form) {
    std::string line = what;
    line += ": " + takeText(url);
    const std::string formText = takeText(form);
    if (!formText.empty())
        line += " | " + formText;
    return line;
}

std::string describe(unsigned message, std::intptr_t w, std::intptr_t l) {
    switch (message) {
    case KESTO_MSG_OPEN_WEB_PAGE:
        return pageLine("open web page", w, l);
    case KESTO_MSG_PLAY_NOW_PLAYING:
        return "play now-playing list from " + std::to_string(w);
    case KESTO_MSG_SERVER_ERROR:
        return "server error " + std::to_string(w) + ": " + takeText(l);
    case KESTO_MSG_LOGIN_INVALID:
        return "log-in no longer valid";
    case KESTO_MSG_SONG_INFO_PAGE:
        return "song information page: " + takeText(w);
    case KESTO_MSG_PHONE_DECO_PAGE:
        return pageLine("phone decoration page", w, l);
    case KESTO_MSG_MUSIC_VIDEO_PAGE:
        return pageLine("music video page", w, l);
    case KESTO_MSG_MV_DOWNLOAD_PAGE:
        return pageLine("music video download page", w, l);
    case KESTO_MSG_SONG_WEB_PAGE:
        return pageLine("song web page", w, l);
    case KESTO_MSG_LYRICS_WANTED:
        return "lyrics wanted for " + takeText(l, kSongIdCopySize);
    case KESTO_MSG_LOAD_LIST:
        return w == 1 ? "load a play list" : "load a my album";
    case KESTO_MSG_MINI_MODE_SWITCHED:
        return "mini mode switched";
    case KESTO_MSG_MINI_LIST_CLOSED:
        return "mini list closed";
    default:
        return "wParam " + std::to_string(w) + ", lParam " + std::to_string(l);
    }
}

} // namespace

std::string HostMessageText::take(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    return std::to_string(message) + " " + describe(message, wParam, lParam);
}

} // namespace kesto

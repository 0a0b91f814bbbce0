#include "host/audio/now_playing_album.h"

#include "host/session/cp949_text.h"
#include "include/kesto/window_message.h"

#include <cstring>

namespace kesto {

namespace {
// The player's own number for entry 12's copy of the now-playing list.
constexpr unsigned kNowPlayingCopy = 6001;
} // namespace

QString NowPlayingAlbum::read(KestoEntry12 entry, int position) {
    if (entry == nullptr || position < 0)
        return {};
    NowPlayingAlbum reader(position);
    entry(&reader, kNowPlayingCopy);
    return reader.album_;
}

bool NowPlayingAlbum::event(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType())
        return QWidget::event(event);
    const auto* message = static_cast<WindowMessageEvent*>(event);
    const auto* list = reinterpret_cast<const KestoSongList*>(message->lParam());
    if (message->message() == kNowPlayingCopy && list != nullptr && position_ < list->count) {
        const char* name = list->records[position_].Album_Name;
        album_ = QString::fromStdString(
            Cp949Text::toUtf8(std::string(name, strnlen(name, sizeof list->records[0].Album_Name))));
    }
    return true;
}

} // namespace kesto

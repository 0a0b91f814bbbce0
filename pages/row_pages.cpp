#include "pages/row_pages.h"

#include "pages/panel_window_ops.h"
#include "protocol/web_handoff.h"
#include "songs/song.h"

namespace kesto {

namespace {

template <class Action> void withRow(const PageControllerParts& parts, PanelHandlers::W row, Action action) {
    Song record;
    if (parts.window->recordAt(static_cast<int>(row), record))
        action(WebHandoff(*parts.context), record);
}

} // namespace

void RowPages::rowMusicVideo(W row, L) {
    withRow(parts(), row, [](const WebHandoff& web, const Song& song) { web.musicVideoOfSong(song); });
}

void RowPages::phoneDecoWithTransaction(W row, L) {
    withRow(parts(), row,
            [](const WebHandoff& web, const Song& song) { web.phoneDecoWithTransaction(song); });
}

void RowPages::musicVideoPage(W row, L) {
    withRow(parts(), row, [](const WebHandoff& web, const Song& song) { web.musicVideo(song); });
}

void RowPages::musicVideoDownloadPage(W row, L) {
    withRow(parts(), row, [](const WebHandoff& web, const Song& song) { web.musicVideoDownload(song); });
}

} // namespace kesto

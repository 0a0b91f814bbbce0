#include "pages/row_pages.h"

#include "pages/panel_window_ops.h"
#include "protocol/web_handoff.h"
#include "songs/song_record.h"

namespace kesto {

namespace {

template <class Action> void withRow(const PageControllerParts& parts, PanelHandlers::W row, Action action) {
    SongRecord record = SongRecord::make();
    if (parts.window->recordAt(static_cast<int>(row), record))
        action(WebHandoff(*parts.context), record);
}

} // namespace

void RowPages::rowMusicVideo(W row, L) {
    withRow(parts(), row, [](const WebHandoff& web, const SongRecord& song) { web.musicVideoOfSong(song); });
}

void RowPages::phoneDecoWithTransaction(W row, L) {
    withRow(parts(), row,
            [](const WebHandoff& web, const SongRecord& song) { web.phoneDecoWithTransaction(song); });
}

void RowPages::musicVideoPage(W row, L) {
    withRow(parts(), row, [](const WebHandoff& web, const SongRecord& song) { web.musicVideo(song); });
}

void RowPages::musicVideoDownloadPage(W row, L) {
    withRow(parts(), row,
            [](const WebHandoff& web, const SongRecord& song) { web.musicVideoDownload(song); });
}

} // namespace kesto

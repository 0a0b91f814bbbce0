#include "pages/row_web_pages.h"

#include "commands/command_texts.h"
#include "pages/page_state.h"
#include "pages/panel_window_ops.h"
#include "protocol/protocol_context.h"
#include "protocol/web_handoff.h"

namespace kesto {

namespace {
constexpr char kArtistIndexPage[] = "/artist_index.jsp";
} // namespace

std::string RowWebPages::artistIndexAddress(const ProtocolContext& context) {
    return std::string(context.login->webBase) + kArtistIndexPage;
}

std::string RowWebPages::giftId(const Song& song) {
    return song.text(SongField::Row_Text);
}

bool RowWebPages::recordAt(ListRow row, Song& song) const {
    return p_.window->recordAt(row.row, song);
}

void RowWebPages::artistIndex() {
    p_.window->showWebPage(artistIndexAddress(*p_.context),
                           std::string(CommandTexts::utf8(CommandText::ArtistIndexTitle)));
}

void RowWebPages::chosenGiftMessagePage() {
    const Selection chosen = p_.window->tickedSongs();
    if (!chosen.empty())
        showGiftMessage(giftId(chosen.songs().front().record));
}

void RowWebPages::giftMessagePage(ListRow row) {
    Song song;
    if (recordAt(row, song))
        showGiftMessage(giftId(song));
}

void RowWebPages::showGiftMessage(std::string_view id) const {
    if (id.empty())
        return;
    const WebHandoff web(*p_.context);
    p_.window->postHtml(web.giftMessagePage(p_.state->pageKind, id), web.keyForm());
}

void RowWebPages::phoneDecoPage(ListRow row) {
    // The decoration kind is the song's own, whichever column was clicked.
    Song song;
    if (recordAt(row, song) && song.text(SongField::Song_ID)[0] != '\0')
        WebHandoff(*p_.context).phoneDeco(song, song.Phone_Deco);
}

void RowWebPages::phoneDecoWithTransaction(ListRow row) {
    Song song;
    if (recordAt(row, song))
        WebHandoff(*p_.context).phoneDecoWithTransaction(song);
}

void RowWebPages::musicVideoOfRow(ListRow row) {
    Song song;
    if (recordAt(row, song))
        WebHandoff(*p_.context).musicVideoOfSong(song);
}

void RowWebPages::musicVideoPage(ListRow row) {
    Song song;
    if (recordAt(row, song))
        WebHandoff(*p_.context).musicVideo(song);
}

void RowWebPages::musicVideoDownloadPage(ListRow row) {
    Song song;
    if (recordAt(row, song))
        WebHandoff(*p_.context).musicVideoDownload(song);
}

void RowWebPages::postForm(HtmlForm form) {
    if (form.address == nullptr)
        return;
    p_.window->postHtml(form.address, form.body != nullptr ? form.body : "");
}

} // namespace kesto

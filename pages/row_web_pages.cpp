#include "pages/row_web_pages.h"

#include "commands/command_texts.h"
#include "pages/page_state.h"
#include "pages/panel_window_ops.h"
#include "pages/show_page.h"
#include "protocol/link_commands.h"
#include "protocol/web_handoff.h"
#include "songs/list_pages.h"
#include "songs/song.h"

namespace kesto {

namespace {

constexpr char kArtistIndexPage[] = "/artist_index.jsp";
// Link items after the id: the album form's page type (1: the album page) and a first page.
constexpr char kRowLinkItems[] = ";1;0";

const char* textOf(PanelHandlers::W pointer) {
    return reinterpret_cast<const char*>(pointer);
}

} // namespace

std::string RowWebPages::artistIndexAddress(const ProtocolContext& context) {
    return std::string(context.login->webBase) + kArtistIndexPage;
}

std::string RowWebPages::giftId(const Song& song) {
    return song.text(SongField::Row_Text);
}

std::string RowWebPages::rowLinkParameter(const char* id) {
    return std::string(id) + kRowLinkItems;
}

void RowWebPages::artistIndex(W, L) {
    parts().window->showWebPage(artistIndexAddress(*parts().context),
                                std::string(CommandTexts::utf8(CommandText::ArtistIndexTitle)));
}

void RowWebPages::genericRequest(W, L) {
    // The list is asked again where the user is: a later list page stays on screen.
    const ListPage* shown = ListPages::find(parts().state->menuId);
    if (shown != nullptr && shown->sendsListRequest())
        parts().showPage->fetchListPage(parts().state->listPage);
}

void RowWebPages::chosenGiftMessagePage(W, L) {
    const Selection chosen = parts().window->tickedSongs();
    if (!chosen.empty())
        showGiftMessage(giftId(chosen.songs().front().record));
}

void RowWebPages::giftMessagePage(W row, L) {
    Song song;
    if (parts().window->recordAt(static_cast<int>(row), song))
        showGiftMessage(giftId(song));
}

void RowWebPages::showGiftMessage(std::string_view id) const {
    if (id.empty())
        return;
    const WebHandoff web(*parts().context);
    parts().window->postHtml(web.giftMessagePage(parts().state->pageKind, id), web.keyForm());
}

void RowWebPages::phoneDecoPage(W row, L) {
    // The decoration kind is the song's own; lParam only names the clicked column.
    Song song;
    if (parts().window->recordAt(static_cast<int>(row), song) && song.text(SongField::Song_ID)[0] != '\0')
        WebHandoff(*parts().context).phoneDeco(song, song.Phone_Deco);
}

void RowWebPages::artistPage(W row, L) {
    showRowList(row, SongField::Artist_ID, &LinkCommands::artist);
}

void RowWebPages::albumPage(W row, L) {
    showRowList(row, SongField::Album_ID, &LinkCommands::album);
}

void RowWebPages::showRowList(W row, IdField id, LinkForm form) {
    Song song;
    if (!parts().window->recordAt(static_cast<int>(row), song) || song.isEmpty(id))
        return;
    const std::string parameter = rowLinkParameter(song.text(id));
    openLink((LinkCommands(*parts().context).*form)(parameter), parameter);
}

void RowWebPages::postFormToHtmlView(W addressText, L bodyText) {
    if (addressText == 0)
        return;
    parts().window->postHtml(textOf(addressText), bodyText != 0 ? textOf(bodyText) : "");
}

} // namespace kesto

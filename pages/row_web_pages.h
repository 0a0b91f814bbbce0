#pragma once
// The panel messages that end on a page rather than a command: gift messages, the phone
// decoration of a row, a row's artist and album lists, forms for the HTML area, the artist
// index and the panel's generic request. Row messages carry the row in wParam.

#include "pages/row_pages.h"
#include "protocol/link_commands.h"
#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <string>

namespace kesto {

class RowWebPages : public RowPages {
public:
    using RowPages::RowPages;

    // The artist index page of the service's web site.
    static std::string artistIndexAddress(const ProtocolContext& context);

    // The gift id of a gift box row.
    static std::string giftId(const Song& song);
    // The link parameter that asks for the list of a row's artist or album.
    static std::string rowLinkParameter(const char* id);

    void artistIndex(W, L) override;
    void genericRequest(W, L) override;
    void chosenGiftMessagePage(W, L) override; // the first chosen row
    void giftMessagePage(W row, L) override;
    void phoneDecoPage(W row, L) override;
    void artistPage(W row, L) override;
    void albumPage(W row, L) override;
    void postFormToHtmlView(W addressText, L bodyText) override;

private:
    using IdField = SongField;
    using LinkForm = LinkRequest (LinkCommands::*)(std::string_view) const;

    void showGiftMessage(std::string_view giftId) const;
    // The list of a row's artist or album, as its link would show it.
    void showRowList(W row, IdField id, LinkForm form);
};

} // namespace kesto

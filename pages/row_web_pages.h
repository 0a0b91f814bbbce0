#pragma once
// The panel messages that end on a page of the service's web site rather than a command:
// gift messages, a row's phone decoration and music videos, forms for the HTML area and the
// artist index.

#include "pages/message_shapes.h"
#include "songs/song.h"

#include <string>
#include <string_view>

namespace kesto {

class PanelWindowOps;
struct PageState;
struct ProtocolContext;

struct RowWebParts {
    const PageState* state = nullptr;
    const ProtocolContext* context = nullptr;
    PanelWindowOps* window = nullptr;
};

class RowWebPages {
public:
    explicit RowWebPages(RowWebParts parts) : p_(parts) {}

    // The artist index page of the service's web site.
    static std::string artistIndexAddress(const ProtocolContext& context);
    // The gift id of a gift box row.
    static std::string giftId(const Song& song);

    void artistIndex();
    void chosenGiftMessagePage(); // the first ticked row
    void giftMessagePage(ListRow row);
    void phoneDecoPage(ListRow row);
    void phoneDecoWithTransaction(ListRow row);
    void musicVideoOfRow(ListRow row);
    void musicVideoPage(ListRow row);
    void musicVideoDownloadPage(ListRow row);
    void postForm(HtmlForm form);

private:
    void showGiftMessage(std::string_view giftId) const;
    bool recordAt(ListRow row, Song& song) const;

    RowWebParts p_;
};

} // namespace kesto

#pragma once
// The page side of the panel: showing pages with their history, list paging, reloads and
// the window messages, as the dispatch table reaches them. Song commands are left to the
// handlers of their own part.

#include "pages/page_history.h"
#include "pages/panel_handlers.h"
#include "platform/message_port.h"

#include <string_view>

namespace kesto {

class PanelWindowOps;
class ShowPage;
struct LinkRequest;
struct PageState;
struct ProtocolContext;

struct PageControllerParts {
    ShowPage* showPage = nullptr;
    PageState* state = nullptr;
    const ProtocolContext* context = nullptr;
    PanelWindowOps* window = nullptr;
    MessagePort* port = nullptr;
    WindowHandle panelWindow = nullptr;
};

class PageController : public PanelHandlers {
public:
    // The one-shot timer of the panel window.
    static constexpr int kOneShotTimer = 1;
    static constexpr int kSearchViewMode = 2;
    // A list page that a service page's link names is shown as a list alone.
    static constexpr int kLinkedListViewMode = 4;

    explicit PageController(PageControllerParts parts) : p_(parts) {}

    // A page chosen by a caller: recorded in the history, then shown.
    void open(const PageRequest& request);
    // Entry 47: 1 next page, other previous; entry 48: whether it exists.
    void step(bool forward);
    bool hasPage(bool forward) const { return history_.has(forward); }
    // A link of the service's pages: its scheme's list is fetched and shown (links that buy or
    // gift are swallowed); false when the link has no scheme of the service.
    bool followLink(std::string_view link);
    // A link of the link label: the service's schemes but search act as in the HTML area, any
    // other link opens as a web page in the host's browser window.
    void followLabelLink(std::string_view link);
    PageHistory& history() { return history_; }

    bool commandActs(unsigned controlId) const override;
    void layOut(W, L) override;
    void timerFired(W timerId, L) override;
    void search(W, L) override;
    void previousPage(W, L) override;
    void nextPage(W, L) override;
    void startPage(W, L) override;
    void toListControl(W, L) override;
    void nextListPage(W, L) override;
    void previousListPage(W, L) override;
    void reloadPage(W, L) override;
    void showNextListPage(W page, L) override;
    void showPreviousListPage(W page, L) override;
    void localPageReady(W viewMode, L pageKind) override;
    void updateAndReload(W token, L lParam) override;

protected:
    const PageControllerParts& parts() const { return p_; }
    // Shows what a link request asks for: a web page in the HTML area, or its list under its
    // menu id (the current view mode and menu id where the link names none).
    void openLink(const LinkRequest& link, std::string_view parameter);
    // A song link: the song is fetched and played, no page changes (the song commands do it).
    virtual void playSongLink(const LinkRequest& /*link*/, std::string_view /*parameter*/) {}

private:
    // A link whose command word asks for a list page of the table; false when none does.
    bool openNamedPage(std::string_view parameter);

    PageControllerParts p_;
    PageHistory history_;
};

} // namespace kesto

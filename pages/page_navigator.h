#pragma once
// The page navigator of the panel: showing pages with their history, list paging, reloads,
// links of the HTML area and of the link label, and a row's artist and album lists.

#include "module/page_operations.h"
#include "pages/message_shapes.h"
#include "pages/page_history.h"
#include "platform/message_port.h"

#include <functional>
#include <string>
#include <string_view>

namespace kesto {

class PanelWindowOps;
class ShowPage;
struct LinkRequest;
struct PageState;
struct ProtocolContext;

struct NavigatorParts {
    ShowPage* showPage = nullptr;
    PageState* state = nullptr;
    const ProtocolContext* context = nullptr;
    PanelWindowOps* window = nullptr;
    MessagePort* port = nullptr;
    WindowHandle panelWindow = nullptr;
    // A song link plays its song; no page changes.
    std::function<void(const LinkRequest&)> playSong;
};

class PageNavigator final : public PageOperations {
public:
    // The one-shot timer of the panel window.
    static constexpr int kOneShotTimer = 1;
    static constexpr int kSearchViewMode = 2;
    // A list page that a service page's link names is shown as a list alone.
    static constexpr int kLinkedListViewMode = 4;
    static constexpr int kDeviceListViewMode = 4;

    explicit PageNavigator(NavigatorParts parts) : p_(std::move(parts)) {}

    // A page chosen by a caller: recorded in the history, then shown.
    void open(const PageRequest& request);
    // A menu id in a view mode, as the list menus and the commands ask for it.
    void openMenu(int menuId, int viewMode);
    // The previous or next page of the history, and whether it exists.
    void step(bool forward);
    bool canStep(bool forward) const { return history_.has(forward); }
    // A link of the service's pages: its scheme's list is fetched and shown; links that buy or
    // gift, and links of no scheme of the service, are swallowed.
    void followLink(std::string_view link) override;
    // A link of the link label: the service's schemes but search act as in the HTML area, any
    // other link opens as a web page in the host's browser window.
    void followLabelLink(std::string_view link);

    // The entries' page operations.
    void showPage(const PageChoice& choice) override;
    void openDeviceList(int device, std::string_view title, std::string_view parameter) override;
    void goToPage(int direction) override;
    bool hasPage(int direction) const override;
    void genericRequest(int value) override;

    // Whether a button command may act on the page shown; one that may not is dropped.
    bool commandActs(unsigned controlId) const;
    void search();
    void startPage();
    void toListControl();
    void nextListPage();
    void previousListPage();
    void showNextListPage(PageNumber page);
    void showPreviousListPage(PageNumber page);
    // The page shown again: its list page fetched anew, or the whole page where it has none.
    void reloadPage();
    // The list asked again where the user is: a later list page stays on screen.
    void fetchShownListPage();
    void localPageReady(LocalPageDone done);
    void updateAndReload(ReloadAsk ask);
    // The list of a row's artist or album, as its link would show it.
    void artistPage(ListRow row);
    void albumPage(ListRow row);

    // The link parameter that asks for the list of a row's artist or album.
    static std::string rowLinkParameter(const char* id);

private:
    // Shows what a link request asks for: a web page in the HTML area, or its list under its
    // menu id (the current view mode and menu id where the link names none).
    void openLink(const LinkRequest& link, std::string_view parameter);
    // A link whose command word asks for a list page of the table; false when none does.
    bool openNamedPage(std::string_view parameter);
    void showRowList(ListRow row, bool artist);

    NavigatorParts p_;
    PageHistory history_;
};

} // namespace kesto

#pragma once
// Show page: settles the page kind of a menu choice, builds the list request when none is
// given, and fills the list by a server fetch on the calling thread, by a background reader
// of a local folder or album, or from a store the panel already holds.

#include "pages/page_request.h"
#include "pages/page_state.h"
#include "pages/page_view.h"
#include "platform/message_port.h"
#include "protocol/protocol_context.h"

#include <functional>
#include <string>
#include <vector>

namespace kesto {

class LocalPageReader;
class LocalRecordFactory;
class MyAlbumDb;
class SongStore;

struct ShowPageParts {
    const ProtocolContext* context = nullptr;
    PageState* state = nullptr;
    SongStore* list = nullptr;       // the store the list view shows
    SongStore* nowPlaying = nullptr; // shown by menu id 0
    PageView* view = nullptr;
    LocalPageReader* folderWorker = nullptr;
    LocalPageReader* albumWorker = nullptr;
    LocalRecordFactory* factory = nullptr;
    MyAlbumDb* albumDb = nullptr; // null when the album database could not be opened
    // The files chosen for the folder page (menu id 3000).
    std::function<std::vector<std::string>()> folderFiles;
    MessagePort* port = nullptr;
    WindowHandle window = nullptr; // the panel window: receives the ready message and the re-layout
};

class ShowPage {
public:
    static constexpr int kHtmlOnlyViewMode = 1;

    explicit ShowPage(ShowPageParts parts) : p_(std::move(parts)) {}

    void run(const PageRequest& request);
    // The server fetch of the shown page for one list page (paging and reloads).
    void fetchListPage(int page);
    // A background reader has finished: its page is shown when it is still the current one.
    void localPageReady(int viewMode, int pageKind);
    // What the view is given for the page shown: its view mode, kind, web page and heading.
    ListHandOver handOver() const;

private:
    void settle(const PageRequest& request);
    void dispatch(const PageRequest& request);
    void startAlbumReader();
    void startFolderReader();
    void showDeviceList();
    void showStore(SongStore& store);
    void showEmpty();
    void fetch(const std::string& url, const std::string& body);

    ShowPageParts p_;
};

} // namespace kesto

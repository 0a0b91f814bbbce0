// Show page with any server reply on any server page: the list holds exactly the records the
// parse made when the reply read as a list, nothing otherwise, and the view is handed the
// page kind of the menu id. The first byte chooses the page, the rest is the reply.
#include "library/local_record_factory.h"
#include "pages/local_page_reader.h"
#include "pages/show_page.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace kesto;

std::string reply;

int request(const char*, void** data, std::uint32_t* length, int, const char*, int, int) {
    *data = std::malloc(reply.size() + 1);
    if (!reply.empty()) // an empty input may come without data
        std::memcpy(*data, reply.data(), reply.size());
    *length = static_cast<std::uint32_t>(reply.size());
    return 1;
}

struct SilentBox : MessageBox {
    int show(std::string_view, std::string_view, int) override { return mb::kOk; }
};

struct SilentPort : MessagePort {
    bool post(WindowHandle, unsigned, std::intptr_t, std::intptr_t) override { return true; }
    std::intptr_t send(WindowHandle, unsigned, std::intptr_t, std::intptr_t) override { return 0; }
};

struct CheckingView : PageView {
    void setViewMode(int) override {}
    void dropRows() override {}
    void showList(SongStore& store, const ListHandOver& hand) override {
        rows = store.count();
        pageKind = hand.pageKind;
        ++shows;
    }
    void showCurrent(int) override {}
    int rows = -1;
    int pageKind = -1;
    int shows = 0;
};

std::vector<int> serverMenus() {
    std::vector<int> menus;
    for (const ListPage& page : ListPages::all())
        if (page.sendsListRequest())
            menus.push_back(page.menuId);
    return menus;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<int> menus = serverMenus();
    if (size == 0)
        return 0;
    const int menuId = menus[data[0] % menus.size()];
    reply.assign(reinterpret_cast<const char*>(data) + 1, size - 1);

    LoginBlock login;
    std::strcpy(login.protocolBase, "http://127.0.0.1:1");
    SilentBox box;
    SilentPort port;
    ProtocolContext context{&request, &login, &port, nullptr, &box, 1};
    PageState state;
    SongStore list;
    SongStore nowPlaying;
    CheckingView view;
    LocalPageReader folder;
    LocalPageReader album;
    LocalRecordFactory factory(nullptr);
    ShowPage show({&context,
                   &state,
                   &list,
                   &nowPlaying,
                   &view,
                   &folder,
                   &album,
                   &factory,
                   nullptr,
                   {},
                   &port,
                   nullptr});
    PageRequest page;
    page.viewMode = 2;
    page.menuId = menuId;
    page.parameter = "00101";
    show.run(page);

    const int expected = state.header.ok ? state.header.recordsMade : 0;
    if (view.shows != 1 || view.rows != expected || list.count() != expected ||
        view.pageKind != ListPages::pageKindOf(menuId))
        std::abort();
    return 0;
}

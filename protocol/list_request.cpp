#include "protocol/list_request.h"

#include "protocol/protocol_url.h"
#include "protocol/request_body.h"
#include "songs/list_pages.h"

namespace kesto {

ProtocolRequest ListRequest::build(const LoginBlock& login, int menuId, int page) {
    const ListPage* listPage = ListPages::find(menuId);
    if (listPage == nullptr || listPage->command.empty())
        return {};
    if (listPage->source != PageSource::Server && listPage->source != PageSource::PageOnly)
        return {};
    RequestBody body(login);
    for (const BodyItem& item : listPage->bodyItems())
        body.add(item.kind == BodyItem::Kind::MenuParameter ? std::string_view(login.menuParameter)
                                                            : item.text);
    if (listPage->pageNumber)
        body.add(page);
    if (listPage->trailingEmpty)
        body.add("");
    const std::string url = listPage->searchEndpoint ? ProtocolUrl::search(login)
                                                     : ProtocolUrl::command(login, listPage->command);
    return {url, body.text()};
}

} // namespace kesto

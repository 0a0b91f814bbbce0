#pragma once
// The HTML area of the list view, as the panel sees it: it shows a page address or a piece of
// HTML and reports the links the user clicks. A simple text view stands in until the
// embedded browser replaces it.

#include "include/kesto/panel_api.h"
#include "links/title_links.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace kesto {

struct LoginBlock;

class HtmlArea {
public:
    static constexpr const char* kBlankPage = "about:blank";
    // Receives the link text exactly as the page wrote it.
    using LinkHandler = std::function<void(const std::string& link)>;
    // When a top-level page is complete: the last link its title announces, or nothing.
    using TitleLinkHandler = std::function<void(const std::optional<TitleLink>& last)>;

    virtual ~HtmlArea() = default;

    virtual QWidget* widget() = 0;
    // The log-in whose bases are the store's origins: only those pages load and act.
    virtual void setLogin(const LoginBlock* /*login*/) {}
    // The host's skin table, whose scroll bar images the area's pages are drawn with.
    virtual void setSkin(KestoHostTable /*skin*/) {}
    virtual void navigate(const std::string& address) = 0;
    // A form posted to the address; an area that cannot post opens the address.
    virtual void post(const std::string& address, std::string_view /*body*/) { navigate(address); }
    virtual void setHtml(const std::string& htmlUtf8) = 0;
    virtual std::string address() const = 0;
    bool showsBlank() const { return address() == kBlankPage; }
    virtual void setLinkHandler(LinkHandler handler) = 0;
    virtual void setTitleLinkHandler(TitleLinkHandler handler) = 0;
};

} // namespace kesto

#pragma once
// A CP949 HTML page of the service. Its title carries "N|text|link|..." pairs, which the panel
// shows as links beside the list.

#include <string>
#include <utility>
#include <vector>

namespace kesto::service {

class HtmlPage {
public:
    static constexpr const char* kContentType = "text/html; charset=euc-kr";

    // Texts are CP949.
    explicit HtmlPage(std::string heading) : heading_(std::move(heading)) {}

    HtmlPage& titleLink(const std::string& text, const std::string& link);
    HtmlPage& paragraph(const std::string& text);
    HtmlPage& link(const std::string& href, const std::string& text);
    HtmlPage& section(const std::string& text);
    // A song on one line: its small cover, name, artist and album, then its actions.
    HtmlPage& songRow(const std::vector<std::pair<std::string, std::string>>& links,
                      const std::vector<std::pair<std::string, std::string>>& actions);
    // An album or theme as a cover with its name under it.
    HtmlPage& tile(const std::string& href, const std::string& text);
    // A form that posts its hidden fields to `action`.
    HtmlPage& form(const std::string& action, const std::vector<std::pair<std::string, std::string>>& fields,
                   const std::string& button);
    std::string str() const;

    static std::string escape(const std::string& text);
    // A square cover picture made from a name: its first letter on a colour of its own.
    static std::string cover(const std::string& name, int side);
    // The title text: the count, then each pair, joined with '|'.
    std::string title() const;

private:
    std::string heading_;
    std::vector<std::pair<std::string, std::string>> titleLinks_;
    std::string body_;
};

} // namespace kesto::service
